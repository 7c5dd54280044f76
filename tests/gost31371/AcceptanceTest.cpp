// Acceptability and control: the allowed relative standard deviation by band, the limit of the rate of
// the three factors, the repeatability check of the calibration areas, the control check with the
// ISO 5725-6 critical-range factors, and the band of the reference mixture around the analysed gas.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Gost31371TestSupport.h"

using namespace gost31371_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Above(double value) {
    return std::nextafter(value, kInf);
}

} // namespace

// Bands "up to X inclusive" (designed, README.md): 5 % to 0.01 mol %, 2 % to 0.1, 1 % to 1, 0.5 % to 10,
// 0.2 % to 100 mol %.
TEST(AllowedValue, BandsAndTheirEdges) {
    struct Case {
        double concentration;
        double allowedPct;
    };
    const Case cases[] = {
        {0.0005, 5.0}, {0.001, 5.0},       {0.005, 5.0}, {0.01, 5.0},  {Above(0.01), 2.0},  {0.05, 2.0},
        {0.1, 2.0},    {Above(0.1), 1.0},  {0.5, 1.0},   {1.0, 1.0},   {Above(1.0), 0.5},   {5.0, 0.5},
        {10.0, 0.5},   {Above(10.0), 0.2}, {95.0, 0.2},  {100.0, 0.2}, {Above(100.0), 0.0}, {0.0, 0.0},
        {-1.0, 0.0},   {1e-17, 0.0},       {kNaN, 0.0},  {kInf, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(GetAllowedValue(c.concentration), c.allowedPct) << c.concentration;
    }
}

// Limit of the rate of the three factors: f(3) = 3.3 (ISO 5725-6) times the allowed value, when the
// table's range of the component holds the concentration.
TEST(FactorRateLimit, CriticalRangeOfThreeWithinTheTableRange) {
    const std::span<const MetrologyRow> tableA = DefaultRows(0);
    const auto count = static_cast<int32_t>(tableA.size());
    struct Case {
        const char16_t* component;
        double concentration;
        double limitPct;
    };
    const Case cases[] = {
        {u"ethane", 5.0, 3.3 * 0.5},   {u"ethane", 0.001, 3.3 * 5.0}, {u"ethane", 15.0, 3.3 * 0.2},
        {u"methane", 95.0, 3.3 * 0.2}, {u"nitrogen", 0.9, 3.3 * 1.0}, {u"c6", 0.05, 3.3 * 2.0},
        {u"ethane", 15.0001, 0.0},     {u"ethane", 0.0009, 0.0},      {u"methane", 39.9, 0.0},
        {u"c6plus", 0.5, 0.0},         {u"argon", 0.5, 0.0},          {u"Ethane", 5.0, 0.0},
        {u"ethane", 0.0, 0.0},         {u"ethane", kNaN, 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(CalcLimitValue(tableA.data(), count, c.component, c.concentration), c.limitPct)
            << c.concentration;
    }
    EXPECT_EQ(CalcLimitValue(nullptr, count, u"ethane", 5.0), 0.0);
    EXPECT_EQ(CalcLimitValue(tableA.data(), 0, u"ethane", 5.0), 0.0);
    EXPECT_EQ(CalcLimitValue(tableA.data(), count, nullptr, 5.0), 0.0);
}

// Five areas 1000 − d, 1000, 1000 + d, 1000, 1000 have s = d/√2, so a relative standard deviation of
// 0.0707·d %; against 0.5 % (c = 5 mol %) d = 7.0 passes and d = 7.2 fails.
TEST(CalibrationAreas, RelativeStandardDeviationAgainstTheAllowedValue) {
    struct Case {
        double spread;
        double concentration;
        bool acceptable;
    };
    const Case cases[] = {
        {7.0, 5.0, true},  {7.2, 5.0, false},  {7.0, 0.5, true},   {14.0, 0.5, true},   {14.2, 0.5, false},
        {2.8, 50.0, true}, {2.9, 50.0, false}, {70.0, 0.01, true}, {71.0, 0.01, false}, {0.0, 5.0, true},
    };
    for (const Case& c : cases) {
        const double areas[5] = {1000 - c.spread, 1000, 1000 + c.spread, 1000, 1000};
        EXPECT_NEAR(AreasRelativeStandardDeviation(areas, 5), c.spread / std::sqrt(2.0) / 10, 1e-12);
        EXPECT_EQ(CalibrationCheck(areas, 5, c.concentration), c.acceptable)
            << c.spread << " at " << c.concentration;
    }
}

TEST(CalibrationAreas, RejectsWhatCannotBeJudged) {
    const double areas[5] = {1000, 1001, 999, 1000, 1000};
    const double zeros[5] = {0, 0, 0, 0, 0};
    const double withNaN[5] = {1000, kNaN, 999, 1000, 1000};
    const double withNegative[5] = {1000, -1, 999, 1000, 1000};
    const double withMissingPeak[5] = {1000, 0, 999, 1000, 1000};
    EXPECT_FALSE(CalibrationCheck(nullptr, 5, 5.0));
    EXPECT_FALSE(CalibrationCheck(areas, 0, 5.0));
    EXPECT_FALSE(CalibrationCheck(areas, 1, 5.0));
    EXPECT_FALSE(CalibrationCheck(areas, 5, 0.0)); // no certified content, no allowed value
    EXPECT_FALSE(CalibrationCheck(areas, 5, 120.0));
    EXPECT_FALSE(CalibrationCheck(areas, 5, kNaN));
    EXPECT_FALSE(CalibrationCheck(zeros, 5, 5.0));
    EXPECT_FALSE(CalibrationCheck(withNaN, 5, 5.0));
    EXPECT_FALSE(CalibrationCheck(withNegative, 5, 5.0));
    EXPECT_FALSE(CalibrationCheck(withMissingPeak, 5, 5.0));
    EXPECT_EQ(AreasRelativeStandardDeviation(zeros, 5), 0.0);
    EXPECT_EQ(AreasRelativeStandardDeviation(withNaN, 5), 0.0);
    EXPECT_EQ(AreasRelativeStandardDeviation(areas, 1), 0.0);
    EXPECT_EQ(AreasRelativeStandardDeviation(nullptr, 5), 0.0);
    EXPECT_EQ(AreasRelativeRange(zeros, 3), 0.0);
    EXPECT_EQ(AreasRelativeRange(areas, 0), 0.0);
    EXPECT_EQ(AreasRelativeRange(nullptr, 3), 0.0);
}

// Three control areas 1000 − r/2, 1000, 1000 + r/2 have a relative range of r/10 %; the limit at
// 5 mol % is 3.3 · 0.5 = 1.65 %.
TEST(ControlAreas, RelativeRangeAgainstTheCriticalRangeOfThree) {
    struct Case {
        double range;
        double concentration;
        bool acceptable;
    };
    const Case cases[] = {
        {16.4, 5.0, true},    {16.6, 5.0, false},    {6.5, 95.0, true}, {6.7, 95.0, false},
        {164.0, 0.005, true}, {166.0, 0.005, false}, {0.0, 1.0, true},
    };
    for (const Case& c : cases) {
        const double areas[3] = {1000 - c.range / 2, 1000, 1000 + c.range / 2};
        EXPECT_NEAR(AreasRelativeRange(areas, 3), c.range / 10, 1e-12);
        EXPECT_EQ(ControlCheck(areas, 3, c.concentration), c.acceptable)
            << c.range << " at " << c.concentration;
        // The control values a caller stores: the range and 3.3 times the allowed value decide alike.
        EXPECT_EQ(AreasRelativeRange(areas, 3) <= 3.3 * GetAllowedValue(c.concentration), c.acceptable);
    }
}

// ISO 5725-6:1994 Table 1: f(2) = 2.8, f(4) = 3.6, f(5) = 3.9, f(10) = 4.5, f(20) = 5.0.
TEST(ControlAreas, CriticalRangeFactorFollowsTheNumberOfResults) {
    struct Case {
        int n;
        double factor;
    };
    const Case cases[] = {{2, 2.8}, {4, 3.6}, {5, 3.9}, {10, 4.5}, {20, 5.0}};
    const double allowedPct = GetAllowedValue(5.0); // 0.5 %
    for (const Case& c : cases) {
        // n areas: the first and last spread by r, the rest at the mean.
        for (const double margin : {-0.01, 0.01}) {
            const double rangePct = c.factor * allowedPct + margin;
            std::vector<double> areas(static_cast<size_t>(c.n), 1000.0);
            areas.front() = 1000 - rangePct * 5;
            areas.back() = 1000 + rangePct * 5;
            EXPECT_EQ(ControlCheck(areas.data(), c.n, 5.0), margin < 0) << "n = " << c.n;
        }
    }
    const std::vector<double> many(21, 1000.0);
    EXPECT_FALSE(ControlCheck(many.data(), 21, 5.0)); // no factor beyond 20 results
    EXPECT_FALSE(ControlCheck(many.data(), 1, 5.0));
}

TEST(ControlAreas, RejectsWhatCannotBeJudged) {
    const double areas[3] = {1000, 1001, 999};
    const double withMissingPeak[3] = {1000, 0, 999};
    const double withInf[3] = {1000, kInf, 999};
    EXPECT_FALSE(ControlCheck(nullptr, 3, 5.0));
    EXPECT_FALSE(ControlCheck(areas, 0, 5.0));
    EXPECT_FALSE(ControlCheck(areas, 3, 0.0));
    EXPECT_FALSE(ControlCheck(areas, 3, kNaN));
    EXPECT_FALSE(ControlCheck(withMissingPeak, 3, 5.0));
    EXPECT_FALSE(ControlCheck(withInf, 3, 5.0));
}

// Band of the single-point reference mixture (designed, README.md): x / 2 ≤ c ≤ 2x, not above 100 mol %.
TEST(MoleFactor, PermittedBandAroundTheAnalysedFraction) {
    struct Case {
        double x;
        double c;
        bool suits;
        double lower;
        double upper;
    };
    const Case cases[] = {
        {1.0, 1.0, true, 0.5, 2.0},           {1.0, 0.5, true, 0.5, 2.0},
        {1.0, 2.0, true, 0.5, 2.0},           {1.0, 0.4999, false, 0.5, 2.0},
        {1.0, 2.0001, false, 0.5, 2.0},       {0.004, 0.005, true, 0.002, 0.008},
        {0.004, 0.0019, false, 0.002, 0.008}, {3.0, 7.0, false, 1.5, 6.0},
        {60.0, 99.0, true, 30.0, 100.0},      {60.0, 100.5, false, 30.0, 100.0},
        {1.0, 0.0, false, 0.5, 2.0},          {1.0, kNaN, false, 0.5, 2.0},
        {0.0, 1.0, false, 0.0, 0.0},          {-1.0, 1.0, false, 0.0, 0.0},
        {kNaN, 1.0, false, 0.0, 0.0},         {100.5, 100.0, false, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        double lower = -1;
        double upper = -1;
        EXPECT_EQ(CheckMoleFactor(c.x, c.c, &lower, &upper), c.suits) << c.x << " / " << c.c;
        EXPECT_DOUBLE_EQ(lower, c.lower);
        EXPECT_DOUBLE_EQ(upper, c.upper);
    }
    double bound = -1;
    EXPECT_FALSE(CheckMoleFactor(1.0, 1.0, nullptr, &bound));
    EXPECT_EQ(bound, 0.0);
    bound = -1;
    EXPECT_FALSE(CheckMoleFactor(1.0, 1.0, &bound, nullptr));
    EXPECT_EQ(bound, 0.0);
}
