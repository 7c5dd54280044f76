// The rows a stage test holds in memory read exactly as the same rows read from a host database file:
// the stage tests rely on it when they put records in place of the database.
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "HostWriter.h"
#include "data/ChromatogramsReadAtOnce.h"
#include "data/DataBaseReader.h"
#include "data/HostSources.h"
#include "support/HostRecords.h"
#include "support/TempHostDatabase.h"
#include "text/Utf.h"

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The same content through the simulator's writer or into memory: both take the writer's records.
template <typename Host>
void WriteContent(Host& host) {
    const int64_t certified = host.AddMixture(u"А");
    host.AddMixtureComponent(certified, sim::CertifiedComponent{u"Метан", 97.5, 0.2, 2, 3});
    host.AddMixtureComponent(certified, sim::CertifiedComponent{u"Этан", 2.5, 0.05, 3, 2});
    host.AddMixture(u"Пустая");
    host.AddMixtureComponent(host.AddMixture(u"Дубль"), sim::CertifiedComponent{u"Азот", 1.0, 0.1, 1, 1});
    host.AddMixtureComponent(host.AddMixture(u"Дубль"), sim::CertifiedComponent{u"Гелий", 0.5, kNaN, 2, 2});

    sim::AssayRow pressured;
    pressured.atmpressureKPa = 99.5;
    const int64_t peaks = host.AddAssay(pressured);
    host.AddPeak(peaks, sim::PeakRow{u"Этан", 2.5, 310.0, 31.0});
    host.AddPeak(peaks, sim::PeakRow{u"", 0.7, 5.0, 0.5});
    host.AddPeak(peaks, sim::PeakRow{u"Азот", 3.5, kNaN, kNaN}); // NaN is stored as NULL
    host.AddPeak(peaks, sim::PeakRow{u"Метан", 1.2, 9000.0, 900.0});
    sim::AssayRow withoutPressure;
    withoutPressure.atmpressureNull = true;
    host.AddAssay(withoutPressure);
    sim::AssayRow nanPressure;
    nanPressure.atmpressureKPa = kNaN;
    host.AddAssay(nanPressure);
}

std::string Describe(const std::vector<HostCertifiedRow>& rows) {
    std::string text;
    for (const HostCertifiedRow& row : rows) {
        text += Utf16ToUtf8(row.name) + " " + std::to_string(row.concentration) + " " +
                std::to_string(row.deviation) + " " + std::to_string(row.concentrationDecimals) + " " +
                std::to_string(row.deviationDecimals) + "; ";
    }
    return text;
}

std::string Describe(const std::vector<HostPeakRow>& rows) {
    std::string text;
    for (const HostPeakRow& row : rows) {
        text += Utf16ToUtf8(row.name) + " " + std::to_string(row.time) + " " + std::to_string(row.area) +
                " " + std::to_string(row.height) + "; ";
    }
    return text;
}

std::string Describe(const std::vector<double>& values) {
    std::string text;
    for (const double value : values) {
        text += std::to_string(value) + "; ";
    }
    return text;
}

// Every read of the sources, described, for the names and ids the content has and some it has not.
std::vector<std::string> ReadEverything(const HostSources& sources) {
    std::vector<std::string> reads;
    for (const std::u16string name : {u"А", u"Пустая", u"Дубль", u"а", u""}) {
        std::vector<HostCertifiedRow> rows(1); // replaced by the read
        sources.mixtureRows(name, rows);
        reads.push_back(Utf16ToUtf8(name) + (sources.mixtureExists(name) ? " exists: " : " absent: ") +
                        Describe(rows));
    }
    for (const int64_t id : {1, 2, 3, 4}) {
        std::vector<HostPeakRow> peaks(1);
        sources.peaksByTime(id, peaks);
        reads.push_back("by time " + std::to_string(id) + ": " + Describe(peaks));
        sources.peakAreas(id, peaks);
        reads.push_back("areas " + std::to_string(id) + ": " + Describe(peaks));
        std::vector<double> pressures(1);
        sources.pressures(id, pressures);
        reads.push_back("pressure " + std::to_string(id) + ": " + Describe(pressures));
    }
    return reads;
}

TEST(HostSourcesTest, RecordsInMemoryReadAsTheSameRowsInADatabaseFile) {
    for (const int32_t version : {22, 24}) {
        testsupport::TempHostDatabase file("sources");
        {
            sim::HostWriter writer(file.path());
            writer.CreateSchema(sim::SchemaOptions{version, true});
            WriteContent(writer);
        }
        testsupport::HostRecords records(version);
        WriteContent(records);

        testsupport::UseHostDatabase use(file);
        const DataBase::RunScope run;
        const std::vector<std::string> fromFile = ReadEverything(DatabaseSources());
        const std::vector<std::string> fromMemory = ReadEverything(records.Sources());
        ASSERT_EQ(fromMemory.size(), fromFile.size());
        for (size_t i = 0; i < fromFile.size(); ++i) {
            EXPECT_EQ(fromMemory[i], fromFile[i]) << "version " << version;
        }
        // The content is what the comparison covers: ordered by time, the outer join's row, both duplicates.
        EXPECT_EQ(fromFile[1],
                  "Пустая exists:  0.000000 0.000000 " + std::string(version >= 23 ? "0 0" : "-1 -1") + "; ");
        EXPECT_EQ(fromFile[2].find("Азот"), fromFile[2].rfind("Азот"));
        EXPECT_NE(fromFile[2].find("Гелий"), std::string::npos);
        EXPECT_EQ(fromFile[5],
                  "by time 1:  0.700000 5.000000 0.500000; Метан 1.200000 9000.000000 900.000000; Этан "
                  "2.500000 310.000000 31.000000; Азот 3.500000 0.000000 0.000000; ");
        EXPECT_EQ(fromFile[10], "pressure 2: 0.000000; ");
        EXPECT_EQ(fromFile[13], "pressure 3: 0.000000; ");

        // Read at once (ids the file lacks and ids not above zero among them), every chromatogram reads
        // as its own reads give it.
        const int64_t ids[] = {3, 1, 4, 2, 0, -1};
        const ChromatogramRows rows = ReadChromatogramsAtOnce(DatabaseSources(), ids);
        EXPECT_EQ(rows.peaks.size(), 4u);
        EXPECT_EQ(rows.pressures.size(), 3u);
        EXPECT_EQ(ReadEverything(AnsweringFrom(DatabaseSources(), rows)), fromFile) << "version " << version;
    }
}

// A host may keep its peaks or its chromatograms in a view or in a table without row ids: with no row
// order of their own to give (a view's row ids are the SQLite build's choice), every chromatogram is
// read one at a time, and reads as its own reads give it.
TEST(HostSourcesTest, AViewOrATableWithoutRowIdsIsReadOneChromatogramAtATime) {
    const char* const kTables[] = {
        "ALTER TABLE peak RENAME TO peak_rows; CREATE VIEW peak AS SELECT * FROM peak_rows;",
        "ALTER TABLE assay RENAME TO assay_rows; CREATE VIEW Assay AS SELECT * FROM assay_rows;",
        "CREATE TABLE keyed (assayid INTEGER, name TEXT, time REAL, area REAL, height REAL, "
        "PRIMARY KEY (assayid, time)) WITHOUT ROWID; "
        "INSERT INTO keyed SELECT assayid, name, time, area, height FROM peak; "
        "DROP TABLE peak; ALTER TABLE keyed RENAME TO PEAK;",
    };
    for (const char* tables : kTables) {
        testsupport::TempHostDatabase file("peaks_without_rowid");
        {
            sim::HostWriter writer(file.path());
            writer.CreateSchema(sim::SchemaOptions{24, true});
            WriteContent(writer);
            writer.Exec(tables);
        }
        testsupport::UseHostDatabase use(file);
        const DataBase::RunScope run;
        const std::vector<std::string> oneAtATime = ReadEverything(DatabaseSources());
        const int64_t ids[] = {1, 2, 3};
        const ChromatogramRows rows = ReadChromatogramsAtOnce(DatabaseSources(), ids);
        EXPECT_EQ(rows, ChromatogramRows{}) << tables;
        EXPECT_EQ(ReadEverything(AnsweringFrom(DatabaseSources(), rows)), oneAtATime) << tables;
        EXPECT_NE(oneAtATime[5].find("Метан"), std::string::npos) << "the peaks are there to read";
    }
}

} // namespace
