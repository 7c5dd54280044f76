#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "Databases.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "support/TempHostDatabase.h"

namespace {

using testsupport::TempHostDatabase;

// The queries of the chromatograms page and the report, on the demo database.
class HostQueriesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        file_ = new TempHostDatabase("queries");
        manifest_ = new sim::DemoManifest(sim::MakeDemoDatabase(file_->path(), 3));
    }
    static void TearDownTestSuite() {
        delete manifest_;
        delete file_;
    }
    static int64_t DayStart() { return manifest_->dayStart; }
    static int64_t DayEnd() { return manifest_->dayStart + 86399; }

    static TempHostDatabase* file_;
    static sim::DemoManifest* manifest_;
    DataBase::Handle handle_{file_->address()};
};
TempHostDatabase* HostQueriesTest::file_ = nullptr;
sim::DemoManifest* HostQueriesTest::manifest_ = nullptr;

TEST_F(HostQueriesTest, StationsAndTheirSamplingPointsByName) {
    const std::vector<NamedId> stations = QueryStations(handle_);
    ASSERT_EQ(stations.size(), 1u);
    EXPECT_EQ(stations[0].id, manifest_->stationId);
    EXPECT_EQ(stations[0].name, u"ГРС «Заречная»");
    const std::vector<NamedId> places = QueryPlaces(handle_, manifest_->stationId);
    ASSERT_EQ(places.size(), 2u);
    EXPECT_EQ(places[0].name, u"Вход ГРС, узел учёта №1"); // "Вх" before "Вы"
    EXPECT_EQ(places[1].id, manifest_->placeIds[1]);
    EXPECT_TRUE(QueryPlaces(handle_, manifest_->stationId + 1).empty());
}

TEST_F(HostQueriesTest, DistinctListsOfAPeriodInOrder) {
    const std::vector<std::u16string> methods = QueryMethodsInPeriod(handle_, DayStart(), DayEnd());
    const std::vector<std::u16string> expectedMethods = {
        u"ГОСТ 31371.7-2020, метод А", u"ГОСТ 31371.7-2020, метод Б", u"ГОСТ 31371.7-2020, метод В1",
        u"ГОСТ 31371.7-2020, метод В2"};
    EXPECT_EQ(methods, expectedMethods);
    const std::vector<std::u16string> mixtures = QueryMixturesInPeriod(handle_, DayStart(), DayEnd());
    ASSERT_EQ(mixtures.size(), 7u); // six reference mixtures and the gas's empty name
    EXPECT_EQ(mixtures[0], u"");
    EXPECT_TRUE(std::is_sorted(mixtures.begin(), mixtures.end()));
    const std::vector<std::u16string> operators = QueryOperatorsInPeriod(handle_, DayStart(), DayEnd());
    EXPECT_EQ(operators, (std::vector<std::u16string>{u"Иванова А. С.", u"Петров В. Н."}));
    // Both bounds belong to the period.
    EXPECT_TRUE(QueryMethodsInPeriod(handle_, DayStart(), DayStart() + 6 * 3600 - 1).empty());
    EXPECT_EQ(QueryMethodsInPeriod(handle_, DayStart(), DayStart() + 6 * 3600).size(), 1u);
    EXPECT_EQ(QueryOperatorId(handle_, u"Петров В. Н."), manifest_->operatorIds[1]);
    EXPECT_EQ(QueryOperatorId(handle_, u"Сидоров"), -1);
}

// The filter lists hold every value of the database, whatever the dates; operators with their ids.
TEST_F(HostQueriesTest, FilterListsOfTheWholeDatabase) {
    EXPECT_EQ(QueryAllMethods(handle_), QueryMethodsInPeriod(handle_, 0, INT64_MAX));
    EXPECT_EQ(QueryAllMixtures(handle_), QueryMixturesInPeriod(handle_, 0, INT64_MAX));
    const std::vector<NamedId> operators = QueryAllOperators(handle_);
    ASSERT_EQ(operators.size(), 2u);
    EXPECT_EQ(operators[0].name, u"Иванова А. С.");
    EXPECT_EQ(operators[1].id, manifest_->operatorIds[1]);
}

// The sample filter ignores the case of Cyrillic and Latin letters on both sides, and takes "%" and
// "_" as they are.
TEST_F(HostQueriesTest, SampleSearchIgnoresLetterCase) {
    AssaySearch search;
    search.fromDate = DayStart();
    search.toDate = DayEnd();
    const struct {
        const char16_t* sample;
        size_t found;
    } cases[] = {{u"выход", 4u}, {u"ВЫХОД", 4u}, {u"пРОБА ГАЗА, Вход", 4u}, {u"проба", 8u}, {u"%", 0u},
                 {u"_", 0u},     {u"вых_д", 0u}};
    for (const auto& test : cases) {
        search.sample = test.sample;
        EXPECT_EQ(SearchAssays(handle_, search).size(), test.found) << "case " << (&test - cases);
    }
}

TEST_F(HostQueriesTest, SearchTextHasTheFiltersInOrder) {
    AssaySearch search;
    EXPECT_EQ(
        AssaySearchText(search),
        u"SELECT id, uuid, sample, method, date FROM [assay] WHERE isdeleted = 0 AND iscalibration = ? AND "
        u"date BETWEEN ? AND ? ORDER BY date DESC;");
    search.mixture = u"";
    search.method = u"м";
    search.operatorId = 1;
    search.stationId = 2;
    search.placeId = 3;
    search.sample = u"проба";
    const std::u16string text = AssaySearchText(search);
    EXPECT_EQ(text.substr(text.find(u" AND mixture")),
              u" AND mixture = ? AND method = ? AND operatorid = ? AND stationid = ? AND placeid = ? AND "
              u"instr(tarvel_fold(sample), ?) > 0 ORDER BY date DESC;");
    EXPECT_LE(text.size(), 512u);
}

TEST_F(HostQueriesTest, SearchFindsTheDaysChromatogramsNewestFirst) {
    AssaySearch search;
    search.fromDate = DayStart();
    search.toDate = DayEnd();
    const std::vector<AssayFound> analyses = SearchAssays(handle_, search);
    ASSERT_EQ(analyses.size(), 10u); // 2 x 2 x 2 of gas and 2 of a mixture
    EXPECT_TRUE(std::is_sorted(analyses.begin(), analyses.end(),
                               [](const AssayFound& a, const AssayFound& b) { return a.date > b.date; }));

    search.placeId = manifest_->placeIds[1];
    search.sample = u"выход";
    const std::vector<AssayFound> second = SearchAssays(handle_, search);
    ASSERT_EQ(second.size(), 4u);
    for (const auto& found : second) {
        EXPECT_NE(std::find(manifest_->analyses[1].begin(), manifest_->analyses[1].end(), found.id),
                  manifest_->analyses[1].end());
        EXPECT_EQ(found.sample, u"Проба газа, выход");
    }

    AssaySearch calibration;
    calibration.calibration = true;
    calibration.fromDate = DayStart();
    calibration.toDate = DayEnd();
    calibration.mixture = manifest_->methods[2].mixtures[1].name;
    calibration.method = manifest_->methods[2].method;
    calibration.operatorId = manifest_->operatorIds[0];
    calibration.stationId = manifest_->stationId;
    const std::vector<AssayFound> found = SearchAssays(handle_, calibration);
    ASSERT_EQ(found.size(), 7u + 3u); // calibration and control chromatograms of the mixture
    EXPECT_EQ(found.back().id, manifest_->methods[2].calibration[1].front());
    calibration.operatorId = manifest_->operatorIds[1];
    EXPECT_TRUE(SearchAssays(handle_, calibration).empty());
}

TEST_F(HostQueriesTest, AssayRowsAndRefresh) {
    const int64_t id = manifest_->analyses[0][0];
    const std::vector<Assay> rows = QueryAssayRows(handle_, id);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].id, id);
    EXPECT_EQ(rows[0].sample, u"Проба газа, вход");
    EXPECT_EQ(rows[0].mixture, u"");
    EXPECT_EQ(rows[0].uuid.size(), 36u);
    EXPECT_EQ(rows[0].filename.substr(0, 18), u"D:\\Хроматограммы\\2");
    EXPECT_NEAR(rows[0].atmpressure, 99.82, 0.051);
    EXPECT_GE(rows[0].date, DayStart());

    Assay kept;
    kept.id = 999999;
    kept.sample = u"из профиля";
    kept.included = true;
    EXPECT_FALSE(RefreshAssay(handle_, kept));
    EXPECT_EQ(kept.sample, u"из профиля");
    Assay refreshed;
    refreshed.id = id;
    refreshed.role = 2;
    EXPECT_TRUE(RefreshAssay(handle_, refreshed));
    EXPECT_EQ(refreshed.uuid, rows[0].uuid);
    EXPECT_EQ(refreshed.role, 2); // the list's own fields stay
    EXPECT_TRUE(QueryAssayRows(handle_, 0).empty());
}

TEST_F(HostQueriesTest, PeakAreasByRetentionTime) {
    const std::vector<PeakArea> peaks = QueryPeakAreas(handle_, manifest_->analyses[0][0]);
    ASSERT_EQ(peaks.size(), manifest_->gas[0].size());
    EXPECT_EQ(peaks[0].name, u"Гелий");
    EXPECT_EQ(peaks[4].name, u"Метан");
    EXPECT_GT(peaks[4].area, 1e6);
}

TEST_F(HostQueriesTest, StationAndSamplingPointOfAnAssay) {
    const int64_t id = manifest_->analyses[1][0];
    EXPECT_EQ(QueryStationNameOfAssay(handle_, id), u"ГРС «Заречная»");
    EXPECT_EQ(QueryPlaceNameOfAssay(handle_, id), u"Выход ГРС, узел смешения");
    EXPECT_EQ(QueryStationNameOfAssay(handle_, -1), u"");
}

TEST(ReportNames, AreCutAt255Characters) {
    TempHostDatabase file("long-names");
    {
        sim::HostWriter writer(file.path());
        writer.CreateSchema(sim::SchemaOptions{});
        sim::AssayRow row;
        // 254 letters and an emoji: the cut must not keep half of its surrogate pair.
        row.stationId = writer.AddStation(std::u16string(254, u'Ж') + u"\U0001F600");
        row.placeId = writer.AddPlace(row.stationId, std::u16string(300, u'П'));
        writer.AddAssay(row);
    }
    DataBase::Handle handle(file.address());
    EXPECT_EQ(QueryStationNameOfAssay(handle, 1), std::u16string(254, u'Ж'));
    EXPECT_EQ(QueryPlaceNameOfAssay(handle, 1), std::u16string(255, u'П'));
}

} // namespace
