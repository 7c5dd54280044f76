#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "calc/ContextLoading.h"
#include "data/DataBaseHandle.h"
#include "data/DataBaseStatement.h"
#include "data/MixtureLoading.h"
#include "data/MolarMass.h"
#include "data/SqlException.h"
#include "support/TempHostDatabase.h"

namespace {

using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

// Every row of the peak and mixture tables as one text, to compare two databases.
std::u16string Dump(const TempHostDatabase& file) {
    DataBase::Handle handle(file.address());
    std::u16string dump;
    for (const auto query :
         {u"SELECT assayid || '|' || name || '|' || quote(time) || '|' || quote(area) FROM peak "
          u"ORDER BY rowid;",
          u"SELECT uuid || '|' || filename || '|' || quote(atmpressure) FROM assay ORDER BY id;",
          u"SELECT mixtureid || name || quote(concentration) || quote(deviation) FROM mixturecomp;"}) {
        DataBase::Statement statement(handle, query);
        while (statement.Step()) {
            dump += statement.ColumnText(0);
            dump += u'\n';
        }
    }
    return dump;
}

TEST(Simulator, TheSameSeedGivesTheSameDatabase) {
    TempHostDatabase first("seed-a");
    TempHostDatabase second("seed-b");
    TempHostDatabase other("seed-c");
    sim::MakeTestDatabase(first.path(), 42);
    sim::MakeTestDatabase(second.path(), 42);
    sim::MakeTestDatabase(other.path(), 43);
    const std::u16string dump = Dump(first);
    EXPECT_GT(dump.size(), 1000u);
    EXPECT_EQ(dump, Dump(second));
    EXPECT_NE(dump, Dump(other));
}

TEST(Simulator, RandomNumbersAreReproducibleAndInRange) {
    sim::Random a(1);
    sim::Random b(1);
    double sum = 0.0;
    double squares = 0.0;
    constexpr int kCount = 20000;
    for (int i = 0; i < kCount; ++i) {
        const double u = a.Uniform();
        ASSERT_EQ(u, b.Uniform());
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
        const double n = a.Normal();
        b.Normal();
        ASSERT_LE(std::fabs(n), 6.0);
        sum += n;
        squares += n * n;
    }
    EXPECT_NEAR(sum / kCount, 0.0, 0.03);
    EXPECT_NEAR(squares / kCount, 1.0, 0.04);
    for (int i = 0; i < 1000; ++i) {
        const int64_t k = a.Integer(-3, 3);
        ASSERT_GE(k, -3);
        ASSERT_LE(k, 3);
    }
    EXPECT_EQ(a.Integer(INT64_MIN, INT64_MAX) != a.Integer(INT64_MIN, INT64_MAX), true);
}

// The certified compositions lie inside the characteristics admitted for reference materials
// (GOST 31371.7-2020): the sum within 0.05 mol % of 100, each uncertainty at most a·c + b.
TEST(Simulator, ReferenceMixturesAreCertifiable) {
    sim::Random random(9);
    const sim::GasComposition gas = sim::PipelineGas();
    EXPECT_NEAR(sim::SumOf(gas), 100.0, 1e-12);
    EXPECT_NEAR(sim::FractionOf(gas, u"methane"), 94.2, 0.1);
    struct Admitted {
        std::u16string_view id;
        double a, b;
    };
    const Admitted ipg[] = {{u"methane", -0.0012, 0.15},
                            {u"ethane", 0.02, 8e-05},
                            {u"nitrogen", 0.02, 0.0004},
                            {u"carbon_dioxide", 0.03, 0.0004},
                            {u"n_octane", 0.04, 8e-05}};
    const sim::ReferenceMixture mixtures[] = {
        sim::IpgNearGas(u"1", gas, random),
        sim::PgmNearGas(u"2", gas, random),
        sim::IpgCalibrationRange(u"3", false, false, random),
        sim::IpgCalibrationRange(u"4", true, true, random),
    };
    for (const auto& mixture : mixtures) {
        double sum = 0.0;
        for (const auto& value : mixture.values) {
            sum += value.concentration;
            EXPECT_GT(value.concentration, 0.0);
            EXPECT_GT(value.deviation, 0.0) << Utf16ToUtf8(value.id);
            const double scale = std::pow(10.0, value.decimals);
            EXPECT_NEAR(value.concentration * scale, std::round(value.concentration * scale), 1e-6);
            if (mixture.type != sim::MixtureType::Ipg) {
                continue;
            }
            for (const auto& limit : ipg) {
                if (limit.id == value.id) {
                    EXPECT_LE(value.deviation, limit.a * value.concentration + limit.b)
                        << Utf16ToUtf8(value.id);
                }
            }
        }
        EXPECT_NEAR(sum, 100.0, 0.0006) << Utf16ToUtf8(mixture.name);
        EXPECT_EQ(mixture.values.front().id, u"methane");
    }
    // Method В: the first mixture at the lower end of each range, the second at the upper end.
    EXPECT_GE(sim::FractionOf(sim::GasOf(mixtures[2]), u"ethane"), 6.0);
    EXPECT_LE(sim::FractionOf(sim::GasOf(mixtures[2]), u"ethane"), 8.0);
    EXPECT_GE(sim::FractionOf(sim::GasOf(mixtures[3]), u"nitrogen"), 12.0);
    EXPECT_GT(sim::FractionOf(sim::GasOf(mixtures[3]), u"c6plus"), 0.8);
    EXPECT_EQ(sim::FractionOf(sim::GasOf(mixtures[3]), u"n_hexane"), 0.0);
    // С6+* certifies the heavy fraction a second time and adds no peak.
    EXPECT_EQ(sim::FractionOf(sim::GasOf(mixtures[1]), u"c6plusstar"), 0.0);
    EXPECT_GT(mixtures[1].values.back().concentration, 0.0);
    EXPECT_EQ(mixtures[1].values.back().id, u"c6plusstar");
}

TEST(Simulator, HeavyPeaksAsTheChromatographReportsThem) {
    const sim::GasComposition gas = sim::PipelineGas();
    const sim::ChromatographModel model;
    struct Case {
        sim::HeavyPeaks mode;
        size_t peaks;
    };
    for (const Case c : {Case{sim::HeavyPeaks::Individual, 16}, Case{sim::HeavyPeaks::C6Plus, 14},
                         Case{sim::HeavyPeaks::C6C7C8, 16}}) {
        sim::Random random(1);
        sim::ChromatogramOptions options;
        options.heavyPeaks = c.mode;
        const std::vector<sim::SimulatedPeak> peaks =
            sim::SimulatePeaks(gas, 101.325, model, options, random);
        ASSERT_EQ(peaks.size(), c.peaks);
        for (size_t i = 1; i < peaks.size(); ++i) {
            EXPECT_LT(peaks[i - 1].row.timeMin, peaks[i].row.timeMin);
        }
        double heavyArea = 0.0;
        double expected = 0.0;
        for (const auto& peak : peaks) {
            if (MolarMassOf(peak.id) > MolarMassOf(u"n_pentane")) {
                heavyArea += peak.row.area;
            }
            EXPECT_GT(peak.row.height, 0.0);
        }
        for (const auto& component : gas) {
            if (MolarMassOf(component.id) > MolarMassOf(u"n_pentane")) {
                expected += model.ResponseOf(component.id) * component.molarPercent;
            }
        }
        EXPECT_NEAR(heavyArea, expected, 0.02 * expected);
    }
}

TEST(Simulator, PressureScalesTheAreas) {
    const sim::GasComposition gas = {{u"methane", 100.0}};
    sim::ChromatographModel model;
    model.relativeNoise = 0.0;
    model.baselineNoise = 0.0;
    sim::Random random(1);
    const double atStandard = sim::SimulatePeaks(gas, 101.325, model, {}, random)[0].row.area;
    const double atLow = sim::SimulatePeaks(gas, 96.0, model, {}, random)[0].row.area;
    EXPECT_DOUBLE_EQ(atStandard, 3570000.0);
    EXPECT_DOUBLE_EQ(atLow, 3570000.0 * 96.0 / 101.325);
    model.pressureEffect = [](double) { return 2.0; };
    EXPECT_DOUBLE_EQ(sim::SimulatePeaks(gas, 50.0, model, {}, random)[0].row.area, 7140000.0);
}

TEST(Simulator, TheDemoDatabaseHoldsADaysWork) {
    TempHostDatabase file("demo");
    const sim::DemoManifest manifest = sim::MakeDemoDatabase(file.path(), 20240314);
    const size_t runs[] = {5, 3, 7, 7};
    for (size_t m = 0; m < 4; ++m) {
        for (const auto& batch : manifest.methods[m].calibration) {
            EXPECT_EQ(batch.size(), runs[m]);
        }
        for (const auto& batch : manifest.methods[m].control) {
            EXPECT_EQ(batch.size(), 3u);
        }
    }
    EXPECT_EQ(manifest.methods[2].mixtures.size(), 2u);
    EXPECT_EQ(manifest.analyses[0].size(), 4u);
    EXPECT_EQ(sim::UtcText(manifest.dayStart), u"2024-03-14 00:00:00");
    UseHostDatabase use(file);
    EXPECT_EQ(LoadMixtureNames().size(), 6u);
    CalcContext context;
    std::vector<MixtureComponent> components;
    LoadMixture(context, manifest.methods[1].mixtures[0].name, components);
    EXPECT_TRUE(std::any_of(components.begin(), components.end(),
                            [](const MixtureComponent& c) { return c.name == u"c6plusstar"; }));
}

TEST(Simulator, TheLegacyDemoHasNoDecimalColumns) {
    TempHostDatabase file("legacy");
    const sim::DemoManifest manifest = sim::MakeDemoDatabase(file.path(), 1, 22);
    UseHostDatabase use(file);
    CalcContext context;
    std::vector<MixtureComponent> components;
    ASSERT_GT(LoadMixture(context, manifest.methods[0].mixtures[0].name, components), 5);
    EXPECT_EQ(components[0].qty_sym_conc, -1);
    DataBase::Handle handle;
    EXPECT_THROW(DataBase::Statement(handle, u"SELECT qty_sym_conc FROM mixturecomp;"),
                 DataBase::SqlException);
}

TEST(Simulator, BenchmarkDatabaseAveragesTwentyPeaks) {
    TempHostDatabase file("bench");
    const sim::BenchmarkManifest manifest = sim::MakeBenchmarkDatabase(file.path(), 1, 50);
    EXPECT_EQ(manifest.assays, 50);
    EXPECT_EQ(manifest.peaks, 1000);
    EXPECT_EQ(manifest.calibrationAssays.size(), 5u);
    EXPECT_EQ(manifest.thirtyPeakAssays.size(), 10u);
    DataBase::Handle handle(file.address());
    DataBase::Statement statement(handle, u"SELECT count(*) FROM peak WHERE assayid = ?;");
    statement.BindInt64(1, manifest.thirtyPeakAssays[3]);
    ASSERT_TRUE(statement.Step());
    EXPECT_EQ(statement.ColumnInt(0), 30);
    DataBase::Statement index(handle, u"SELECT count(*) FROM sqlite_master WHERE type = 'index';");
    ASSERT_TRUE(index.Step());
    EXPECT_EQ(index.ColumnInt(0), 3);
}

TEST(Simulator, EveryHostileKindIsWritten) {
    for (const auto kind : sim::kHostileKinds) {
        TempHostDatabase file(sim::NameOf(kind));
        sim::MakeHostileDatabase(file.path(), kind);
        DataBase::Handle handle(file.address());
        const bool usable = kind != sim::HostileKind::NoTables && kind != sim::HostileKind::NotADatabase;
        if (usable) {
            DataBase::Statement statement(handle, u"SELECT count(*) FROM assay;");
            ASSERT_TRUE(statement.Step());
            EXPECT_GE(statement.ColumnInt(0), 1) << sim::NameOf(kind);
        }
    }
}

} // namespace
