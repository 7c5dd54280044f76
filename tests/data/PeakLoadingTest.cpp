#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "Batches.h"
#include "calc/CalcContext.h"
#include "calc/ContextLoading.h"
#include "calc/bindings/Gost31371Binding.h"
#include "support/TempHostDatabase.h"

namespace {

using sim::PeakRow;
using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

struct ExpectedPeak {
    std::u16string_view id;
    double time;
    double area;
    double height;
};

void ExpectPeaks(const std::vector<ComponentResult>& peaks, std::initializer_list<ExpectedPeak> expected) {
    ASSERT_EQ(peaks.size(), expected.size());
    size_t i = 0;
    for (const auto& e : expected) {
        EXPECT_EQ(peaks[i].id, e.id) << "record " << i;
        EXPECT_DOUBLE_EQ(peaks[i].time, e.time) << "record " << i;
        EXPECT_DOUBLE_EQ(peaks[i].area, e.area) << "record " << i;
        EXPECT_DOUBLE_EQ(peaks[i].height, e.height) << "record " << i;
        ++i;
    }
}

// A database with chromatograms whose peaks each test writes itself.
class PeakLoadingTest : public ::testing::Test {
protected:
    void SetUp() override {
        writer_ = std::make_unique<sim::HostWriter>(file_.path());
        writer_->CreateSchema(sim::SchemaOptions{});
    }
    int64_t Chromatogram(std::initializer_list<PeakRow> peaks, double pressureKPa = 101.325) {
        sim::AssayRow row;
        row.atmpressureKPa = pressureKPa;
        const int64_t id = writer_->AddAssay(row);
        for (const auto& peak : peaks) {
            writer_->AddPeak(id, peak);
        }
        return id;
    }
    std::vector<ComponentResult> Load(int64_t assayId) {
        writer_.reset(); // closes the writer's connection
        UseHostDatabase use(file_);
        std::vector<ComponentResult> peaks;
        const int32_t count = LoadAssayPeaks(context_, assayId, peaks);
        EXPECT_EQ(count, static_cast<int32_t>(peaks.size()));
        return peaks;
    }

    TempHostDatabase file_{"peaks"};
    std::unique_ptr<sim::HostWriter> writer_;
    CalcContext context_;
};

TEST_F(PeakLoadingTest, OrdersByRetentionTimeSkipsUnnamedAndMarksUnknown) {
    const int64_t id = Chromatogram({{u"Этан", 3.4, 200.0, 20.0},
                                     {u"Метан", 2.0, 1000.0, 100.0},
                                     {u"", 1.0, 5.0, 1.0},
                                     {u"Пик 7", 5.0, 7.0, 1.5},
                                     {u"Метан", 2.2, 10.0, 2.0}});
    ExpectPeaks(Load(id), {{u"methane", 2.0, 1000.0, 100.0},
                           {u"methane", 2.2, 10.0, 2.0}, // same name twice: two records
                           {u"ethane", 3.4, 200.0, 20.0},
                           {u"? Пик 7", 5.0, 7.0, 1.5}});
}

TEST_F(PeakLoadingTest, GroupPeaksAddUpKeepingTheFirstPeaksTimeAndHeight) {
    const int64_t id = Chromatogram({{u"С6+ тяжёлые", 0.55, 8.0, 0.8},
                                     {u"С6+", 0.45, 30.0, 3.0},
                                     {u"с6+*", 0.50, 12.0, 1.2},
                                     {u"С6 изомеры", 11.0, 4.0, 0.4},
                                     {u"С6", 11.2, 6.0, 0.6},
                                     {u"С7", 13.8, 2.0, 0.2},
                                     {u"С8 сумма", 16.7, 1.0, 0.1}});
    ExpectPeaks(Load(id), {{u"c6plus", 0.45, 50.0, 3.0},
                           {u"c6", 11.0, 10.0, 0.4},
                           {u"c7", 13.8, 2.0, 0.2},
                           {u"c8", 16.7, 1.0, 0.1}});
}

TEST_F(PeakLoadingTest, GroupPrefixesAreCyrillicAndWholeAtTheStart) {
    const int64_t id = Chromatogram({{u"C6+", 1.0, 1.0, 1.0}, // Latin C
                                     {u"С", 2.0, 1.0, 1.0},   // shorter than every prefix
                                     {u"С9", 3.0, 1.0, 1.0},
                                     {u"Сумма С6+", 4.0, 1.0, 1.0}, // not at the start
                                     {u"С6+", 5.0, 1.0, 1.0}});
    ExpectPeaks(Load(id), {{u"? C6+", 1.0, 1.0, 1.0},
                           {u"? С", 2.0, 1.0, 1.0},
                           {u"? С9", 3.0, 1.0, 1.0},
                           {u"? Сумма С6+", 4.0, 1.0, 1.0},
                           {u"c6plus", 5.0, 1.0, 1.0}});
}

TEST_F(PeakLoadingTest, GroupPrefixesFollowTheUsersAliases) {
    for (auto& entry : context_.aliases) {
        if (entry.id == u"c6plus") {
            entry.alias = u"Гексаны+";
        }
    }
    const int64_t id = Chromatogram({{u"ГЕКСАНЫ+ сумма", 0.4, 9.0, 1.0}, {u"С6+", 0.5, 3.0, 1.0}});
    // "С6+" now begins with the display name of c6 only.
    ExpectPeaks(Load(id), {{u"c6plus", 0.4, 9.0, 1.0}, {u"c6", 0.5, 3.0, 1.0}});
}

TEST_F(PeakLoadingTest, AGroupWithoutADisplayNameTakesNoPeaks) {
    for (auto& entry : context_.aliases) {
        if (entry.id == u"c6plus") {
            entry.alias.clear();
        }
    }
    const int64_t id = Chromatogram({{u"Метан", 2.0, 100.0, 1.0}, {u"С6+", 3.0, 3.0, 1.0}});
    ExpectPeaks(Load(id), {{u"methane", 2.0, 100.0, 1.0}, {u"c6", 3.0, 3.0, 1.0}});
}

TEST_F(PeakLoadingTest, AppendsToTheListAndAddsGroupsIntoRecordsAlreadyThere) {
    const int64_t id = Chromatogram({{u"Метан", 2.0, 100.0, 10.0}, {u"С6+", 0.5, 3.0, 0.3}});
    writer_.reset();
    UseHostDatabase use(file_);
    std::vector<ComponentResult> peaks(2);
    peaks[0].id = u"c6plus";
    peaks[0].area = 1.0;
    peaks[1].id = u"nitrogen";
    EXPECT_EQ(LoadAssayPeaks(context_, id, peaks), 3);
    EXPECT_EQ(peaks[0].area, 4.0);
    EXPECT_EQ(peaks[2].id, u"methane");
}

// Peaks integrated by hand may be stored without a time (they come first): a group peak takes the time
// of its first peak that has one, and an unnamed peak with an area is handed back for the journal.
TEST_F(PeakLoadingTest, PeaksWithoutTimeKeepTheirGroupAndUnnamedAreasAreHandedBack) {
    const int64_t id = Chromatogram({{u"", 0.0, 5.0, 1.0},
                                     {u"С7 (обратная продувка)", 0.0, 2.0, 0.0},
                                     {u"Метан", 2.0, 100.0, 10.0},
                                     {u"С7", 13.8, 3.0, 1.5},
                                     {u"", 7.5, 0.0, 0.0},
                                     {u"", 9.1, 0.25, 0.1}});
    writer_.reset();
    UseHostDatabase use(file_);
    std::vector<ComponentResult> peaks;
    std::vector<HostPeakRow> unnamed;
    EXPECT_EQ(LoadAssayPeaks(context_, id, peaks, &unnamed), 2);
    ExpectPeaks(peaks, {{u"c7", 13.8, 5.0, 1.5}, {u"methane", 2.0, 100.0, 10.0}});
    ASSERT_EQ(unnamed.size(), 2u);
    EXPECT_EQ(unnamed[0].time, 0.0);
    EXPECT_EQ(unnamed[0].area, 5.0);
    EXPECT_EQ(unnamed[1].time, 9.1);
    EXPECT_EQ(unnamed[1].area, 0.25);
}

TEST_F(PeakLoadingTest, AssayIdsNotAboveZeroLoadNothing) {
    Chromatogram({{u"Метан", 2.0, 100.0, 10.0}});
    writer_->Exec(
        "INSERT INTO peak VALUES (NULL, 'Этан', 1, 1, 1), (0, 'Этан', 1, 1, 1), (-1, 'Этан', 1, 1, 1);");
    writer_->Exec("INSERT INTO assay (id, atmpressure) VALUES (0, 50), (-1, 50);");
    writer_.reset();
    UseHostDatabase use(file_);
    context_.settings.clcPressure = true;
    for (const int64_t id : {int64_t{0}, int64_t{-1}}) {
        std::vector<ComponentResult> peaks(1);
        EXPECT_EQ(LoadAssayPeaks(context_, id, peaks), 1) << id;
    }
}

TEST_F(PeakLoadingTest, AreasAreCorrectedToStandardPressureWhenAsked) {
    ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library must lie beside the test program";
    const int64_t low = Chromatogram({{u"Метан", 2.0, 1000.0, 100.0}}, 98.7);
    const int64_t zero = Chromatogram({{u"Метан", 2.0, 1000.0, 100.0}}, 0.0);
    const int64_t negative = Chromatogram({{u"Метан", 2.0, 1000.0, 100.0}}, -3.0);
    writer_->Exec("INSERT INTO assay (id, atmpressure) VALUES (100, NULL);"
                  "INSERT INTO peak VALUES (100, 'Метан', 2, 1000, 100);");
    writer_.reset();
    UseHostDatabase use(file_);
    struct Case {
        int64_t id;
        bool correction;
        double area;
    };
    // The areas are brought to 101.325 kPa (GOST 2939): area · 101.325 / p at the loop temperature of
    // 20 °C; without a pressure the areas stay as they are.
    const Case cases[] = {
        {low, false, 1000.0}, {low, true, 1000.0 * 101.325 / 98.7},
        {zero, true, 1000.0}, {negative, true, 1000.0},
        {100, true, 1000.0},
    };
    for (const auto& c : cases) {
        context_.settings.clcPressure = c.correction;
        std::vector<ComponentResult> peaks;
        ASSERT_EQ(LoadAssayPeaks(context_, c.id, peaks), 1);
        EXPECT_NEAR(peaks[0].area, c.area, 1e-9 * c.area) << c.id << (c.correction ? " corrected" : "");
        EXPECT_EQ(peaks[0].height, 100.0); // heights are never corrected
    }
}

TEST_F(PeakLoadingTest, CorrectedSimulatedAreasAreTheDetectorResponses) {
    ASSERT_TRUE(Gost31371().loaded);
    const sim::ChromatographModel model;
    sim::Random random(7);
    sim::AssayRow row;
    row.atmpressureKPa = 97.9;
    const sim::GasComposition gas = sim::PipelineGas();
    const int64_t id = sim::WriteChromatogram(*writer_, row, gas, model, {}, random).assayId;
    context_.settings.clcPressure = true;
    const std::vector<ComponentResult> peaks = Load(id);
    ASSERT_EQ(peaks.size(), gas.size());
    for (const auto& peak : peaks) {
        const double expected = model.ResponseOf(peak.id) * sim::FractionOf(gas, peak.id);
        // The simulated noise is bounded by six standard deviations.
        const double bound = 6.0 * (model.relativeNoise * expected + model.baselineNoise * 101.325 / 97.9);
        EXPECT_NEAR(peak.area, expected, bound + 1e-9 * expected) << Utf16ToUtf8(peak.id);
    }
}

class AreaSeriesTest : public PeakLoadingTest {
protected:
    std::vector<AreaSeries> LoadSeries(std::initializer_list<int64_t> ids) {
        writer_.reset();
        UseHostDatabase use(file_);
        std::vector<AreaSeries> series;
        const std::vector<int64_t> list(ids);
        const int32_t count = LoadAreaSeries(context_, list, series);
        EXPECT_EQ(count, static_cast<int32_t>(series.size()));
        return series;
    }
};

TEST_F(AreaSeriesTest, SlotsFollowTheChromatogramsAndSumWithinOne) {
    const int64_t first = Chromatogram({{u"Метан", 2.0, 100.0, 1.0}, {u"С6+", 0.4, 2.0, 1.0}});
    const int64_t second = Chromatogram({{u"Метан", 2.0, 101.0, 1.0},
                                         {u"Метан", 2.1, 1.0, 1.0},
                                         {u"Азот", 1.7, 50.0, 1.0},
                                         {u"", 9.0, 9.0, 1.0}});
    const int64_t third =
        Chromatogram({{u"С6+*", 0.5, 3.0, 1.0}, {u"С6+", 0.4, 1.0, 1.0}, {u"Пик", 7.0, 5.0, 1.0}});
    const std::vector<AreaSeries> series = LoadSeries({first, second, third});
    ASSERT_EQ(series.size(), 4u);
    // Records in the order their components first appear; absent components read 0.
    const std::u16string_view ids[] = {u"methane", u"c6plus", u"nitrogen", u"? Пик"};
    const double areas[4][3] = {{100, 102, 0}, {2, 0, 4}, {0, 50, 0}, {0, 0, 5}};
    for (size_t r = 0; r < 4; ++r) {
        EXPECT_EQ(series[r].id, ids[r]);
        for (size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(series[r].areas[k], areas[r][k]) << r << ", " << k;
        }
        for (size_t k = 3; k < kAreaSeriesSlots; ++k) {
            EXPECT_EQ(series[r].areas[k], 0.0);
        }
    }
}

TEST_F(AreaSeriesTest, FiveChromatogramsEachWithItsOwnPressure) {
    ASSERT_TRUE(Gost31371().loaded);
    const double pressures[] = {99.0, 100.0, 0.0, 102.0, 103.0};
    std::vector<int64_t> ids;
    for (const double p : pressures) {
        ids.push_back(Chromatogram({{u"Метан", 2.0, 1000.0, 1.0}}, p));
    }
    context_.settings.clcPressure = true;
    const std::vector<AreaSeries> series = LoadSeries({ids[0], ids[1], ids[2], ids[3], ids[4]});
    ASSERT_EQ(series.size(), 1u);
    for (size_t k = 0; k < 5; ++k) {
        const double expected = pressures[k] > 0.0 ? 1000.0 * 101.325 / pressures[k] : 1000.0;
        EXPECT_NEAR(series[0].areas[k], expected, 1e-9 * expected) << k;
    }
}

TEST_F(AreaSeriesTest, AnAbsentChromatogramLeavesItsSlotEmpty) {
    const int64_t id = Chromatogram({{u"Метан", 2.0, 10.0, 1.0}});
    const std::vector<AreaSeries> series = LoadSeries({0, id, 999});
    ASSERT_EQ(series.size(), 1u);
    EXPECT_EQ(series[0].areas[0], 0.0);
    EXPECT_EQ(series[0].areas[1], 10.0);
    EXPECT_EQ(series[0].areas[2], 0.0);
}

TEST_F(AreaSeriesTest, SimulatedBatchesGiveTheirGroupPeaks) {
    sim::Random random(11);
    const sim::ReferenceMixture mixture = sim::IpgNearGas(u"ИПГ", sim::PipelineGas(), random);
    sim::RunContext run;
    sim::ChromatogramOptions options;
    options.heavyPeaks = sim::HeavyPeaks::C6C7C8;
    const auto batch = sim::WriteCalibrationBatch(*writer_, mixture, 5, run, {}, options, random);
    const std::vector<int64_t> ids = sim::IdsOf(batch);
    const std::vector<AreaSeries> series = LoadSeries({ids[0], ids[1], ids[2], ids[3], ids[4]});
    ASSERT_EQ(series.size(), batch[0].peaks.size());
    for (const auto& record : series) {
        for (size_t k = 0; k < 5; ++k) {
            double written = 0.0;
            for (const auto& peak : batch[k].peaks) {
                written += peak.id == record.id ? peak.row.area : 0.0;
            }
            EXPECT_EQ(record.areas[k], written) << Utf16ToUtf8(record.id) << " " << k;
        }
    }
    const auto has = [&series](std::u16string_view id) {
        return std::any_of(series.begin(), series.end(), [id](const AreaSeries& r) { return r.id == id; });
    };
    EXPECT_TRUE(has(u"c6") && has(u"c7") && has(u"c8"));
    EXPECT_FALSE(has(u"n_hexane"));
}

} // namespace
