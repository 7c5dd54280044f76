// The station and sampling point of the report, from a small host database made here, and the other
// outside sources of the document: the host's account name.
#include <gtest/gtest.h>

#include <sqlite3.h>

#include <ctime>
#include <optional>
#include <string>

#include "ReportContexts.h"
#include "ReportXmlAccess.h"
#include "data/DataBaseConnection.h"
#include "data/SqlException.h"
#include "host/substitute/SubstituteHost.h"
#include "output/report/ReportDocument.h"
#include "output/report/ReportLocation.h"
#include "platform/Platform.h"
#include "plugin/Host.h"
#include "support/ContextText.h"
#include "support/TempHostDatabase.h"

namespace {

using testsupport::ContextFromText;

const char* const kSchemaAndRows = R"sql(
CREATE TABLE assay (id INTEGER PRIMARY KEY, filename TEXT, iscalibration INTEGER, stationid INTEGER,
                    placeid INTEGER);
CREATE TABLE station (id INTEGER, name TEXT);
CREATE TABLE place (id INTEGER PRIMARY KEY, stationid INTEGER, name TEXT);
INSERT INTO station VALUES (1, 'КС «Северная»'), (2, 'КС «Южная»'), (3, 'первая'), (3, 'вторая');
INSERT INTO place VALUES (10, 1, 'Узел замера газа №2'), (11, 2, 'Точка 5');
INSERT INTO assay VALUES (101, 'CAL_01.chr', 1, 1, 10), (201, 'ANL_01.chr', 0, 1, 10),
                         (202, 'ANL_02.chr', 0, 2, 11), (203, 'ANL_03.chr', 0, NULL, NULL),
                         (204, 'ANL_04.chr', 0, 3, 99), (205, 'ANL_05.chr', 0, 4, 10);
INSERT INTO station VALUES (4, replace(hex(zeroblob(300)), '00', 'Щ'));
)sql";

class ReportLocation : public ::testing::Test {
protected:
    void SetUp() override {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(database_.path().c_str(), &db), SQLITE_OK);
        char* message = nullptr;
        const int result = sqlite3_exec(db, kSchemaAndRows, nullptr, nullptr, &message);
        const std::string text = message != nullptr ? message : "";
        sqlite3_free(message);
        sqlite3_close(db);
        ASSERT_EQ(result, SQLITE_OK) << text;
    }
    void TearDown() override { SetHostServices(nullptr); }

    const testsupport::TempHostDatabase database_{"report-location"};
    const testsupport::UseHostDatabase use_{database_};
};

// The chromatograms of the contexts are given by id and role (AssayRole: 0 analysis, 1 calibration,
// 2 control), included unless included=0.
TEST_F(ReportLocation, FirstIncludedAnalysisChromatogramGivesTheLocation) {
    CalcContext context = ContextFromText(R"(
assay id=101 role=1
assay id=201 role=0 included=0
assay id=202 role=0
assay id=201 role=0
)");
    EXPECT_EQ(ReportAssayId(context), 202);
    EXPECT_EQ(QueryStationName(context), u"КС «Южная»");
    EXPECT_EQ(QueryPlaceName(context), u"Точка 5");

    context.assays[1].included = true;
    EXPECT_EQ(QueryStationName(context), u"КС «Северная»");
    EXPECT_EQ(QueryPlaceName(context), u"Узел замера газа №2");
}

TEST_F(ReportLocation, NothingFoundGivesEmptyNames) {
    CalcContext context = ContextFromText("assay id=101 role=1\nassay id=401 role=2");
    EXPECT_EQ(ReportAssayId(context), -1);
    EXPECT_EQ(QueryStationName(context), u"");
    EXPECT_EQ(QueryPlaceName(context), u"");

    context = ContextFromText("assay id=203 role=0"); // no station, no sampling point
    EXPECT_EQ(QueryStationName(context), u"");
    EXPECT_EQ(QueryPlaceName(context), u"");

    context = ContextFromText("assay id=999 role=0"); // not in the database
    EXPECT_EQ(QueryStationName(context), u"");
}

TEST_F(ReportLocation, LastRowWinsAndLongNamesAreCut) {
    CalcContext context = ContextFromText("assay id=204 role=0");
    EXPECT_EQ(QueryStationName(context), u"вторая");
    EXPECT_EQ(QueryPlaceName(context), u""); // sampling point 99 does not exist

    context = ContextFromText("assay id=205 role=0");
    EXPECT_EQ(QueryStationName(context), std::u16string(255, u'Щ'));
}

TEST_F(ReportLocation, IdentifierZeroMakesNoQuery) {
    // A database that cannot be opened: any query would raise.
    DataBaseConnection::SetUri(platform::TempDirectory() + u"no-such-folder/no-such-folder/host.sqlite");
    CalcContext context = ContextFromText("assay id=0 role=0\nassay id=201 role=0");
    EXPECT_EQ(QueryStationName(context), u"");
    EXPECT_EQ(QueryPlaceName(context), u"");

    context.assays.erase(context.assays.begin());
    EXPECT_THROW(QueryStationName(context), DataBase::SqlException);
    // The report is still made, without the location.
    const ReportSources sources = GatherReportSources(context);
    EXPECT_EQ(sources.station, u"");
    EXPECT_EQ(sources.place, u"");
    EXPECT_FALSE(BuildReportXml(context).empty());
}

TEST_F(ReportLocation, AccountNameOfTheHost) {
    SubstituteHost host;
    SetHostServices(host.Services());
    // Its first analysis chromatogram, 201, is sampled at station 1, sampling point 10.
    static_assert(kAnalysisAssayIds[0] == 201);
    const CalcContext context = PipelineGasContext();
    host.accountName = u"Петрова Е. В.";
    const std::int64_t before = static_cast<std::int64_t>(std::time(nullptr));
    ReportSources sources = GatherReportSources(context);
    const std::int64_t after = static_cast<std::int64_t>(std::time(nullptr));
    EXPECT_EQ(sources.accountName, u"Петрова Е. В.");
    EXPECT_EQ(sources.station, u"КС «Северная»");
    EXPECT_EQ(sources.place, u"Узел замера газа №2");
    EXPECT_GE(sources.generatedAt, before);
    EXPECT_LE(sources.generatedAt, after);

    pugi::xml_document document;
    const std::string xml = BuildReportXml(context);
    ASSERT_TRUE(document.load_buffer(xml.data(), xml.size()));
    const pugi::xml_node root = document.child("root");
    EXPECT_EQ(TextOf(root.child("signed").child("name")), u"Петрова Е. В.");
    EXPECT_EQ(TextOf(root.child("location").child("station")), u"КС «Северная»");
    EXPECT_EQ(TextOf(root.child("location").child("place")), u"Узел замера газа №2");

    // No signed-in user: the host answers 0x80000000 and the name stays empty.
    host.accountName.reset();
    sources = GatherReportSources(context);
    EXPECT_EQ(sources.accountName, u"");
    const std::string anonymous = BuildReportXml(context);
    ASSERT_TRUE(document.load_buffer(anonymous.data(), anonymous.size()));
    EXPECT_TRUE(document.child("root").child("signed").child("name"));
    EXPECT_EQ(TextOf(document.child("root").child("signed").child("name")), u"");
}

} // namespace
