// "Lies in a range": each bound compared with the value rounded to that bound's decimals, halves away
// from zero, by the digits the value is written with.
#include "calc/checks/DigitRange.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(RoundToDigits, RoundsHalvesAwayFromZeroByTheWrittenDigits) {
    struct Case {
        double value;
        int32_t digits;
        double expected;
    };
    const Case cases[] = {
        {15.4, 0, 15.0},
        {15.5, 0, 16.0},
        {14.5, 0, 15.0},
        {-2.5, 0, -3.0},
        {0.00095, 4, 0.001},
        {0.00094999, 4, 0.0009},
        {0.0045, 3, 0.005},
        {0.0044999, 3, 0.004},
        {99.974, 2, 99.97},
        {99.975, 2, 99.98},
        {1.05, 1, 1.1},
        {2.675, 2, 2.68},
        {0.025, 3, 0.025},
        {0.0255, 3, 0.026},
        {39.5, 0, 40.0},
        {39.4999, 0, 39.0},
        {0.0, 4, 0.0},
        {123.456, -1, 120.0},
        // Halves whose binary neighbours lie below them (1.005·100 is 100.49999999999999 in binary).
        {1.005, 2, 1.01},
        {0.145, 2, 0.15},
        {0.00015, 4, 0.0002},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RoundToDigits(c.value, c.digits), c.expected) << c.value << " to " << c.digits;
    }
}

TEST(RoundToDigits, LeavesNonFiniteValuesAsTheyAre) {
    EXPECT_TRUE(std::isnan(RoundToDigits(std::numeric_limits<double>::quiet_NaN(), 2)));
    EXPECT_EQ(RoundToDigits(std::numeric_limits<double>::infinity(), 2),
              std::numeric_limits<double>::infinity());
}

// Every bound of a range, approached from both sides: a value on the bound, values that differ from it
// only beyond the shown digits (inside), and the first values that round past it (outside).
TEST(LiesInRange, ComparesEachBoundAtItsOwnDigits) {
    struct Case {
        DigitRange range;
        double value;
        bool inside;
    };
    const DigitRange ethane{0.001, 15, 4, 0};    // СО-ИПГ ethane
    const DigitRange methane{40, 99.97, 0, 2};   // methane, both types
    const DigitRange lowGas{0.005, 0.025, 3, 3}; // low gas range of carbon dioxide
    const DigitRange helium{0.1, 0.2, 1, 2};     // helium, first mixture of method В
    const Case cases[] = {
        {ethane, 0.001, true},      {ethane, 0.00095, true},  {ethane, 0.00094999, false},
        {ethane, 0.0009, false},    {ethane, 15.0, true},     {ethane, 15.4999, true},
        {ethane, 15.5, false},      {ethane, 16.0, false},    {methane, 40.0, true},
        {methane, 39.5, true},      {methane, 39.49, false},  {methane, 99.97, true},
        {methane, 99.974999, true}, {methane, 99.975, false}, {lowGas, 0.0045, true},
        {lowGas, 0.0044999, false}, {lowGas, 0.025, true},    {lowGas, 0.0254999, true},
        {lowGas, 0.0255, false},    {helium, 0.05, true},     {helium, 0.0499, false},
        {helium, 0.204999, true},   {helium, 0.205, false},   {helium, 0.15, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LiesInRange(c.value, c.range), c.inside)
            << c.value << " in [" << c.range.lowerMolPct << ", " << c.range.upperMolPct << "]";
    }
}

TEST(LiesInRange, ValuesThatAreNotNumbersAreNeverInside) {
    const DigitRange everything{-1e300, 1e300, 0, 0};
    EXPECT_FALSE(LiesInRange(std::numeric_limits<double>::quiet_NaN(), everything));
    EXPECT_FALSE(LiesInRange(std::numeric_limits<double>::infinity(), everything));
    EXPECT_FALSE(LiesInRange(-std::numeric_limits<double>::infinity(), everything));
    EXPECT_TRUE(LiesInRange(0.0, everything));
}

} // namespace
