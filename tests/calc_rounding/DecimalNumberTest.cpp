// The decimal reading of doubles under the rounding rules: shortest digits, exact truncated
// logarithms, rounding with carries, and the way back to a double.
#include "calc/rounding/DecimalNumber.h"
#include "calc/rounding/DecimalText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "text/Utf.h"

TEST(DecimalNumber, ShortestDigitsAndLeadingPower) {
    struct Case {
        double value;
        bool negative;
        const char* digits;
        int64_t lead;
    };
    const std::vector<Case> cases = {
        {0.045, false, "45", -2},
        {-95.1234, true, "951234", 1},
        {1.0, false, "1", 0},
        {1e22, false, "1", 22},
        {0.1 + 0.2, false, "30000000000000004", -1},
        {5e-324, false, "5", -324},
        {1.7976931348623157e308, false, "17976931348623157", 308},
        {100.0, false, "1", 2},
        {0.0, false, "", 0},
        {-0.0, false, "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const DecimalNumber number = ToDecimal(c.value);
        EXPECT_EQ(number.negative, c.negative);
        EXPECT_EQ(number.digits, c.digits);
        EXPECT_EQ(number.leadExponent, c.lead);
    }
}

TEST(DecimalNumber, TruncatedLogarithmGoesTowardZero) {
    // trunc(log10 |v|): -1.9 truncates to -1, so every number in (0.01, 0.1) gives -1, and exact
    // powers of ten give their whole logarithm.
    const std::vector<std::pair<double, int64_t>> cases = {
        {0.0123, -1}, {0.01, -2},   {0.05, -1},   {0.0999, -1}, {0.5, 0},  {0.1, -1},
        {0.99, 0},    {1.0, 0},     {9.99, 0},    {10.0, 1},    {95.1, 1}, {350, 2},
        {-0.023, -1}, {1e-15, -15}, {2e-16, -15}, {1e300, 300},
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value);
        EXPECT_EQ(TruncatedLog10(ToDecimal(value)), expected);
    }
}

TEST(DecimalNumber, RoundingCarriesAndVanishes) {
    struct Case {
        double value;
        int64_t decimals;
        double expected;
    };
    const std::vector<Case> cases = {
        {0.045, 2, 0.05}, {-0.045, 2, -0.05}, {9.995, 2, 10.0}, {99.5, 0, 100.0}, {45.0, -1, 50.0},
        {44.9, -1, 40.0}, {4.9, -1, 0.0},     {5.0, -1, 10.0},  {0.0049, 2, 0.0}, {0.005, 2, 0.01},
        {123.0, -5, 0.0}, {1.25, 1, 1.3},     {1.35, 1, 1.4},   {1.0, 10, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " to " << c.decimals);
        EXPECT_EQ(ToDouble(RoundToDecimals(ToDecimal(c.value), c.decimals)), c.expected);
    }
    EXPECT_FALSE(RoundToDecimals(ToDecimal(-0.004), 2).negative); // zero carries no sign
    EXPECT_EQ(ToDouble(RoundToSignificant(ToDecimal(999999.5), 6)), 1e6);
    EXPECT_EQ(ToDouble(RoundToSignificant(ToDecimal(123.45), 0)), 100.0); // at least one digit
}

TEST(DecimalText, FixedExponentAndGeneralForms) {
    EXPECT_EQ(Utf16ToUtf8(FixedText(ToDecimal(0.0123), 5)), "0.01230");
    EXPECT_EQ(Utf16ToUtf8(FixedText(ToDecimal(-12.5), 0)), "-13");
    EXPECT_EQ(Utf16ToUtf8(FixedText(ToDecimal(50.0), -3)), "50"); // no decimals below zero
    EXPECT_EQ(Utf16ToUtf8(ExponentText(ToDecimal(1.5e-7))), "1.5e-07");
    EXPECT_EQ(Utf16ToUtf8(ExponentText(ToDecimal(-2e123))), "-2e+123");
    EXPECT_EQ(Utf16ToUtf8(ExponentText(ToDecimal(0.0))), "0e+00");
    EXPECT_EQ(Utf16ToUtf8(GeneralText(ToDecimal(0.000123456789))), "0.000123457");
    EXPECT_EQ(Utf16ToUtf8(GeneralText(ToDecimal(123456789.0), 3)), "1.23e+08");
    EXPECT_EQ(Utf16ToUtf8(GeneralText(ToDecimal(2.5), 1)), "3");
    EXPECT_EQ(Utf16ToUtf8(GeneralText(ToDecimal(2.5), 0)), "3");
}
