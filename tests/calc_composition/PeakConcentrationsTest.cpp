#include <gtest/gtest.h>

#include <vector>

#include "CompositionTestSupport.h"
#include "calc/composition/MeasurementLoading.h"
#include "calc/composition/PeakConcentrations.h"

namespace {

using comptest::FactorResult;
using comptest::LineResult;

ComponentResult Peak(std::u16string_view id, double area) {
    ComponentResult peak;
    peak.id = id;
    peak.area = area;
    return peak;
}

class PeakConcentrations : public ::testing::Test {
protected:
    void SetUp() override { comptest::RequireLibrary(); }
    CalcContext context_;
};

TEST_F(PeakConcentrations, MethodsAAndBMultiplyTheAreaByTheMeanFactor) {
    for (const int32_t kind : {0, 1}) {
        context_.calibrationKind = kind;
        context_.calibration = {FactorResult(u"ethane", 2.0e-5), FactorResult(u"methane", 1.0e-4),
                                FactorResult(u"ethane", 9.0)};
        std::vector<ComponentResult> peaks = {Peak(u"methane", 940000.0), Peak(u"ethane", 150000.0),
                                              Peak(u"propane", 5000.0)};
        ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
        EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 94.0);
        EXPECT_DOUBLE_EQ(peaks[0].rawFraction, 94.0);
        EXPECT_DOUBLE_EQ(peaks[1].molarFraction, 3.0); // the first result of the component
        EXPECT_DOUBLE_EQ(peaks[1].rawFraction, 3.0);
        EXPECT_EQ(peaks[2].molarFraction, 0.0); // no calibration result: 0, silently
        EXPECT_EQ(peaks[2].rawFraction, 0.0);
    }
}

TEST_F(PeakConcentrations, SecondTableTakesTheC6PlusStarFactorForC6Plus) {
    context_.calibrationKind = 1;
    context_.calibration = {FactorResult(u"c6plus", 1.0e-5), FactorResult(u"c6plusstar", 2.0e-5)};
    std::vector<ComponentResult> first = {Peak(u"c6plus", 4000.0)};
    std::vector<ComponentResult> second = first;
    ComputePeakConcentrations(context_, first, C6PlusFactor::C6Plus);
    ComputePeakConcentrations(context_, second, C6PlusFactor::C6PlusStar);
    EXPECT_DOUBLE_EQ(first[0].molarFraction, 0.04);
    EXPECT_DOUBLE_EQ(second[0].molarFraction, 0.08);
}

TEST_F(PeakConcentrations, MethodsC1AndC2InvertTheCalibrationLine) {
    for (const int32_t kind : {2, 3}) {
        context_.calibrationKind = kind;
        context_.calibration = {LineResult(u"ethane", 50000.0, 100.0), LineResult(u"ethane", 1.0, 0.0)};
        std::vector<ComponentResult> peaks = {Peak(u"ethane", 150100.0), Peak(u"propane", 10.0)};
        ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
        EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 3.0);
        EXPECT_DOUBLE_EQ(peaks[0].rawFraction, 3.0);
        EXPECT_EQ(peaks[1].molarFraction, 0.0);
    }
}

TEST_F(PeakConcentrations, AnotherMethodLeavesEveryPeakAtZero) {
    context_.calibrationKind = 4;
    context_.calibration = {FactorResult(u"ethane", 2.0e-5), LineResult(u"ethane", 1.0, 0.0)};
    std::vector<ComponentResult> peaks = {Peak(u"ethane", 150000.0)};
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_EQ(peaks[0].molarFraction, 0.0);
    EXPECT_EQ(peaks[0].rawFraction, 0.0);
}

// Carbon dioxide not treated as linear under method В1: a low-range line (both mixtures in
// [0.005, 0.025] mol %) up to the area it gives at 0.025 mol %, the normal line above it.
TEST_F(PeakConcentrations, NonLinearComponentChoosesTheLineByArea) {
    context_.calibrationKind = 2;
    context_.settings.clbrCalcMethod = 2;
    context_.settings.clbrCarbonDioxide = false;
    const CalibrationResult normal = LineResult(u"carbon_dioxide", 40000.0, 0.0, 6.5, 9.5);
    const CalibrationResult low = LineResult(u"carbon_dioxide", 50000.0, 10.0, 0.006, 0.022);
    context_.calibration = {normal, low};
    const double topOfLowRange = 50000.0 * 0.025 + 10.0; // 1260

    std::vector<ComponentResult> peaks = {Peak(u"carbon_dioxide", 1010.0),
                                          Peak(u"carbon_dioxide", topOfLowRange),
                                          Peak(u"carbon_dioxide", 20000.0)};
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 0.02);
    EXPECT_DOUBLE_EQ(peaks[1].molarFraction, 0.025); // at the top: still the low-range line
    EXPECT_DOUBLE_EQ(peaks[2].molarFraction, 0.5);

    EXPECT_EQ(CalibrationLineFor(context_, peaks[0]), &context_.calibration[1]);
    EXPECT_EQ(CalibrationLineFor(context_, peaks[2]), &context_.calibration[0]);
}

TEST_F(PeakConcentrations, NonLinearComponentWithoutTheLineItNeedsKeepsZero) {
    context_.calibrationKind = 3;
    context_.settings.clbrCalcMethod = 3;
    context_.settings.clbrNitrogen = false;
    // Only a normal line: no low-range line, so no fraction at all.
    context_.calibration = {LineResult(u"nitrogen", 40000.0, 0.0, 6.5, 13.0)};
    std::vector<ComponentResult> peaks = {Peak(u"nitrogen", 40000.0)};
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_EQ(peaks[0].molarFraction, 0.0);

    // Only a low-range line (one mixture at the bound 0.005, one inside): above its range nothing.
    context_.calibration = {LineResult(u"nitrogen", 40000.0, 0.0, 0.005, 0.02)};
    peaks = {Peak(u"nitrogen", 800.0), Peak(u"nitrogen", 4000.0)};
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 0.02);
    EXPECT_EQ(peaks[1].molarFraction, 0.0);

    // A line with one mixture inside the low range and one outside is neither.
    context_.calibration = {LineResult(u"nitrogen", 40000.0, 0.0, 0.02, 6.5)};
    peaks = {Peak(u"nitrogen", 800.0)};
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_EQ(peaks[0].molarFraction, 0.0);
}

TEST_F(PeakConcentrations, LinearSettingOrMethodSettingUsesTheFirstLine) {
    context_.calibrationKind = 2;
    context_.calibration = {LineResult(u"oxygen", 40000.0, 0.0, 0.8, 1.8),
                            LineResult(u"oxygen", 50000.0, 0.0, 0.006, 0.022)};
    std::vector<ComponentResult> peaks = {Peak(u"oxygen", 800.0)};

    context_.settings.clbrCalcMethod = 2;
    context_.settings.clbrOxygen = true; // treated as linear
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 0.02);

    // The two-line choice needs "Tarvel/clbrCalcMethod" 2 or 3, whatever the calibration's method.
    context_.settings.clbrOxygen = false;
    context_.settings.clbrCalcMethod = 0;
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 0.02);

    context_.settings.clbrCalcMethod = 2;
    ComputePeakConcentrations(context_, peaks, C6PlusFactor::C6Plus);
    EXPECT_DOUBLE_EQ(peaks[0].molarFraction, 0.016);
}

TEST(HeavyGroupModeOf, FollowsTheCalibrationMethod) {
    EXPECT_EQ(HeavyGroupModeOf(0), HeavyGroupMode::C6C7C8);
    EXPECT_EQ(HeavyGroupModeOf(1), HeavyGroupMode::C6Plus);
    EXPECT_EQ(HeavyGroupModeOf(2), HeavyGroupMode::C6C7C8);
    EXPECT_EQ(HeavyGroupModeOf(3), HeavyGroupMode::C6Plus);
}

} // namespace
