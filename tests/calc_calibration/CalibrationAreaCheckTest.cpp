// The acceptability check of the calibration areas of methods В1 and В2, called directly.
#include <gtest/gtest.h>

#include <vector>

#include "CalibrationTestSupport.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationAreaCheck.h"
#include "text/StringTable.h"

namespace {

using calibtest::CalibMessage;
using calibtest::CalibrationDatabase;
using calibtest::Peak;
using calibtest::SampleRsdPct;
using testsupport::ExpectJournal;

const std::u16string kMixture = u"ИПГ 2";

class CalibrationAreaCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library must lie beside the test program";
        db_.Mixture(kMixture, {{u"Метан", 87.0, 0.1, 2, 2}, {u"Этан", 13.0, 0.2, 1, 1}});
    }
    CalibrationDatabase db_;
    CalcContext context_;
};

TEST_F(CalibrationAreaCheckTest, FillsTheSecondMixturesSlotsAndKeepsTheFirst) {
    std::vector<int64_t> ids;
    for (const double ethane : {2600.0, 2601.0, 2599.0, 2600.5, 2599.5, 2600.0}) {
        ids.push_back(db_.Chromatogram(kMixture, {{u"Этан", ethane}, {u"Метан", 8700.0}}));
    }
    db_.Attach(context_);
    // The first mixture left ethane and helium; helium has no peak in the second.
    std::vector<AreaSeries> combined(2);
    combined[0].id = u"ethane";
    combined[1].id = u"helium";
    for (size_t slot = 0; slot < kAreaSeriesSlots; ++slot) {
        combined[0].areas[slot] = 1400.0;
        combined[1].areas[slot] = 7.0;
    }
    size_t window = 99;
    EXPECT_TRUE(CheckCalibrationAreas(ids, ids.size(), context_, kMixture, false, combined, 5, window));
    EXPECT_EQ(window, 0u);
    ASSERT_EQ(combined.size(), 3u);
    EXPECT_EQ(combined[2].id, u"methane"); // appended with ten zero slots, then filled
    const double expectedEthane[kAreaSeriesSlots] = {1400, 1400, 1400, 1400,   1400,
                                                     2600, 2601, 2599, 2600.5, 2599.5};
    const double expectedHelium[kAreaSeriesSlots] = {7, 7, 7, 7, 7, 0, 0, 0, 0, 0};
    const double expectedMethane[kAreaSeriesSlots] = {0, 0, 0, 0, 0, 8700, 8700, 8700, 8700, 8700};
    for (size_t slot = 0; slot < kAreaSeriesSlots; ++slot) {
        EXPECT_EQ(combined[0].areas[slot], expectedEthane[slot]) << slot;
        EXPECT_EQ(combined[1].areas[slot], expectedHelium[slot]) << slot;
        EXPECT_EQ(combined[2].areas[slot], expectedMethane[slot]) << slot;
    }
    ExpectJournal(context_.journal, {});
}

TEST_F(CalibrationAreaCheckTest, FewerThanFiveIsAFailureWithoutMessage) {
    std::vector<int64_t> ids;
    for (int k = 0; k < 4; ++k) {
        ids.push_back(db_.Chromatogram(kMixture, {{u"Этан", 2600.0}}));
    }
    db_.Attach(context_);
    std::vector<AreaSeries> combined;
    size_t window = 7;
    EXPECT_FALSE(CheckCalibrationAreas(ids, ids.size(), context_, kMixture, false, combined, 0, window));
    EXPECT_EQ(window, 7u);
    EXPECT_TRUE(combined.empty());
    ExpectJournal(context_.journal, {});
}

TEST_F(CalibrationAreaCheckTest, ChromatogramsWithoutPeaksPassTheFirstWindow) {
    std::vector<int64_t> ids;
    for (int k = 0; k < 5; ++k) {
        ids.push_back(db_.Chromatogram(kMixture, {}));
    }
    db_.Attach(context_);
    std::vector<AreaSeries> combined;
    size_t window = 7;
    EXPECT_TRUE(CheckCalibrationAreas(ids, ids.size(), context_, kMixture, true, combined, 0, window));
    EXPECT_EQ(window, 0u);
    EXPECT_TRUE(combined.empty());
}

TEST_F(CalibrationAreaCheckTest, EveryFailingWindowIsReportedAndTheLastStays) {
    // Six chromatograms, ethane scattered in every window of five.
    const std::vector<double> ethane = {2600.0, 2700.0, 2500.0, 2600.0, 2700.0, 2500.0};
    std::vector<int64_t> ids;
    for (const double area : ethane) {
        ids.push_back(db_.Chromatogram(kMixture, {{u"Этан", area}}));
    }
    db_.Attach(context_);
    std::vector<AreaSeries> combined;
    size_t window = 7;
    EXPECT_FALSE(CheckCalibrationAreas(ids, ids.size(), context_, kMixture, false, combined, 0, window));
    EXPECT_EQ(window, 7u);
    // One message 287 per window; ethane at 13 mol % allows a relative standard deviation of 0.2 %.
    const std::vector<double> window0(ethane.begin(), ethane.begin() + 5);
    const std::vector<double> window1(ethane.begin() + 1, ethane.end());
    ExpectJournal(context_.journal, {CalibMessage(StringId::CalibrationAreasNotAcceptable,
                                                  {kMixture, u"Этан", SampleRsdPct(window0), 0.2}),
                                     CalibMessage(StringId::CalibrationAreasNotAcceptable,
                                                  {kMixture, u"Этан", SampleRsdPct(window1), 0.2})});
    ASSERT_EQ(combined.size(), 1u);
    for (size_t slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(combined[0].areas[slot], ethane[slot + 1]) << slot;
    }
}

} // namespace
