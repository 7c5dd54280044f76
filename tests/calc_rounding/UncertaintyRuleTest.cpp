// The one-or-two-digit rule of the uncertainty at its boundaries, on decimal ties, with negative
// values, and against an integer-arithmetic model over a grid of decimal numbers.
#include "calc/rounding/Rounding.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "text/Utf.h"

namespace {

std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

struct Case {
    double u;
    const char* text;
};

} // namespace

TEST(UncertaintyRule, LeadingDigitsTwentyNineKeepTwoThirtyKeepOne) {
    const std::vector<Case> cases = {
        {0.00029, "0.00029"}, {0.0003, "0.0003"}, {0.0029, "0.0029"}, {0.003, "0.003"}, {0.29, "0.29"},
        {0.3, "0.3"},         {2.9, "2.9"},       {3.0, "3"},         {29.0, "29"},     {30.0, "30"},
        {290.0, "290"},       {300.0, "300"},     {0.0199, "0.020"},  {0.0399, "0.04"}, {19.5, "20"},
        {1.9, "1.9"},         {1.1, "1.1"},       {0.999, "1.0"},     {9.99, "10"},     {99.9, "100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.u);
        EXPECT_EQ(Narrow(FormatUncertainty(c.u)), c.text);
    }
}

TEST(UncertaintyRule, PowersOfTenKeepTheirQuirks) {
    // trunc(log10) of an exact power of ten below one is whole, so t reads 100 and two digits stay;
    // 1 itself keeps one digit; powers above one read t = 10 and keep two.
    const std::vector<Case> cases = {
        {0.001, "0.0010"}, {0.01, "0.010"}, {0.1, "0.10"},    {1.0, "1"},
        {10.0, "10"},      {100.0, "100"},  {1000.0, "1000"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.u);
        EXPECT_EQ(Narrow(FormatUncertainty(c.u)), c.text);
    }
    EXPECT_EQ(RoundUncertainty(100.0).exponent, -1);
    EXPECT_EQ(RoundUncertainty(0.01).exponent, 3);
}

TEST(UncertaintyRule, DecimalTiesRoundAwayFromZero) {
    // Several of these doubles lie just below their decimal tie (0.045 is 0.04499999999999999833...,
    // 0.35 is 0.34999999999999997...); read as decimals, every dropped 5 rounds up.
    const std::vector<Case> cases = {
        {0.045, "0.05"}, {0.0295, "0.030"},     {0.00295, "0.0030"}, {0.285, "0.29"},   {0.35, "0.4"},
        {1.45, "1.5"},   {0.000285, "0.00029"}, {0.0445, "0.04"},    {0.0125, "0.013"}, {4.5, "5"},
        {0.55, "0.6"},   {25.5, "26"},          {-0.35, "-0.35"}, // negative: two digits, nothing to round
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.u);
        EXPECT_EQ(Narrow(FormatUncertainty(c.u)), c.text);
    }
}

TEST(UncertaintyRule, NegativeValueIsDividedWithItsSign) {
    // t comes out negative, always below 30: two digits whatever the leading digits.
    const RoundedUncertainty negative = RoundUncertainty(-45.0);
    EXPECT_EQ(negative.exponent, 0);
    EXPECT_EQ(negative.value, -45.0);
    EXPECT_EQ(negative.decimals, 0);
    const RoundedUncertainty positive = RoundUncertainty(45.0);
    EXPECT_EQ(positive.exponent, -1);
    EXPECT_EQ(positive.value, 50.0);

    EXPECT_EQ(RoundUncertainty(-0.045).value, -0.045);
    EXPECT_EQ(RoundUncertainty(-0.0456).value, -0.046);
    EXPECT_EQ(RoundUncertainty(-0.0456).decimals, 3);
    EXPECT_EQ(Narrow(FormatUncertainty(-0.0456)), "-0.046");
    EXPECT_EQ(Narrow(FormatUncertainty(-0.02999)), "-0.030");
    EXPECT_EQ(Narrow(FormatBelowLimit(-0.5)), "< -0.50");

    // FormatByUncertainty takes its exponent from the signed rounding; FormatToUncertaintyDigits uses
    // |u| only.
    EXPECT_EQ(Narrow(FormatByUncertainty(95.1234, 0.0456)), "95.12");
    EXPECT_EQ(Narrow(FormatByUncertainty(95.1234, -0.0456)), "95.123");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(37.12345, -0.023)), "37.123");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(37.12345, -350.0)), "40");
}

TEST(UncertaintyRule, ResultsRoundWithTheTieRuleAndTheSign) {
    const std::vector<std::pair<std::pair<double, double>, const char*>> cases = {
        {{-0.045, 0.05}, "-0.05"},    // tie below zero goes away from zero
        {{0.045, 0.05}, "0.05"},      // 0.04499999... read as 0.045
        {{2.675, 0.012}, "2.675"},    // enough decimals: nothing rounded
        {{2.675, 0.05}, "2.68"},      // two decimals: the tie goes up
        {{-0.001, 0.5}, "0.0"},       // rounds to zero: no "-0.0"
        {{0.001, 35.0}, "0"},         // rounded to tens
        {{-96.0, 45.0}, "-100"},      // rounded to tens, away from zero
        {{999.996, 0.05}, "1000.00"}, // carry through every nine
    };
    for (const auto& [input, text] : cases) {
        SCOPED_TRACE(testing::Message() << input.first << " +- " << input.second);
        EXPECT_EQ(Narrow(FormatByUncertainty(input.first, input.second)), text);
    }
}

namespace {
// Model of the rule on m x 10^e with a three-digit m, in integers only: two significant digits when
// the two leading digits are below 30, else one; exactly 1 keeps one; halves go up.
std::string ModelText(int m, int e) {
    const bool isOne = (m == 100 && e == -2);
    const int keep = (!isOne && m / 10 < 30) ? 2 : 1;
    const int divisor = keep == 2 ? 10 : 100;
    int64_t q = m / divisor;
    if ((m % divisor) * 2 >= divisor) {
        ++q;
    }
    const int place = e + 3 - keep; // the rounded value is q x 10^place
    std::string digits = std::to_string(q);
    if (place >= 0) {
        return digits + std::string(static_cast<size_t>(place), '0');
    }
    const size_t decimals = static_cast<size_t>(-place);
    if (digits.size() <= decimals) {
        digits.insert(0, decimals + 1 - digits.size(), '0');
    }
    const size_t integerDigits = digits.size() - decimals;
    return digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
}

double ParseDecimal(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}
} // namespace

TEST(UncertaintyRule, AgreesWithIntegerModelOnDecimalGrid) {
    int checked = 0;
    for (int e = -14; e <= 9; ++e) {
        for (int m = 100; m <= 999; ++m) {
            const std::string literal = std::to_string(m) + "e" + std::to_string(e);
            const double u = ParseDecimal(literal);
            const std::string expected = ModelText(m, e);
            ASSERT_EQ(Narrow(FormatUncertainty(u)), expected) << literal;
            ASSERT_EQ(RoundUncertainty(u).value, ParseDecimal(expected)) << literal;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 24 * 900);
}
