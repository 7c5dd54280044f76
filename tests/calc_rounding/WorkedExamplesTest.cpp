// The worked numbers of the result-rounding rules, one row each, with the statement they illustrate.
#include "calc/rounding/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "text/Utf.h"

namespace {

struct UncertaintyCase {
    double u;
    int32_t exponent;
    double value;
    int32_t decimals;
    std::u16string text;
};

// RoundUncertainty and FormatUncertainty.
const std::vector<UncertaintyCase> kUncertaintyExamples = {
    // Leading digits 12, below 30: two significant digits are kept.
    {0.0123, 3, 0.012, 3, u"0.012"},
    // Leading digits 45: one digit; the 4.5 hundredths round up.
    {0.045, 2, 0.05, 2, u"0.05"},
    // Leading digits 25: two digits, nothing to round.
    {0.25, 2, 0.25, 2, u"0.25"},
    // Leading digits 50: one digit.
    {0.5, 1, 0.5, 1, u"0.5"},
    // Above one, leading digits 25: two digits.
    {2.5, 1, 2.5, 1, u"2.5"},
    // Leading digits 35: one digit, 3.5 rounds up to 4.
    {3.5, 0, 4.0, 0, u"4"},
    // Leading digits 12: two digits, a whole number.
    {12.0, 0, 12.0, 0, u"12"},
    // Leading digits 45: one digit, rounded to tens (exponent -1), no decimals.
    {45.0, -1, 50.0, 0, u"50"},
    // A tenth keeps two digits and is written with its trailing zero.
    {0.1, 2, 0.1, 2, u"0.10"},
    // One is written as a single digit.
    {1.0, 0, 1.0, 0, u"1"},
    // Just below the 30 boundary two digits are kept, and the rounding carries up to 0.030.
    {0.02999, 3, 0.03, 3, u"0.030"},
    // At the boundary itself only one digit is kept.
    {0.03, 2, 0.03, 2, u"0.03"},
};

std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

} // namespace

TEST(WorkedExamples, RoundUncertaintyGivesExponentValueAndDecimals) {
    for (const auto& c : kUncertaintyExamples) {
        SCOPED_TRACE(c.u);
        const RoundedUncertainty rounded = RoundUncertainty(c.u);
        EXPECT_EQ(rounded.exponent, c.exponent);
        EXPECT_EQ(rounded.value, c.value); // the double nearest to the rounded decimal
        EXPECT_EQ(rounded.decimals, c.decimals);
        EXPECT_EQ(Narrow(FormatUncertainty(c.u)), Narrow(c.text));
    }
}

TEST(WorkedExamples, ZeroUncertaintyLeavesEverythingZero) {
    // A zero uncertainty gives the exponent 0 and leaves the rounded value and the decimals at 0.
    for (const double zero : {0.0, -0.0, 1e-17, -2e-16}) {
        const RoundedUncertainty rounded = RoundUncertainty(zero);
        EXPECT_EQ(rounded.exponent, 0);
        EXPECT_EQ(rounded.value, 0.0);
        EXPECT_EQ(rounded.decimals, 0);
        // ... and is written "0".
        EXPECT_EQ(Narrow(FormatUncertainty(zero)), "0");
    }
}

TEST(WorkedExamples, BelowLimit) {
    // A fraction under the lower limit 0.005 shows "< " and that limit.
    EXPECT_EQ(Narrow(FormatBelowLimit(0.005)), "< 0.005");
    // A zero limit gives "< 0".
    EXPECT_EQ(Narrow(FormatBelowLimit(0.0)), "< 0");
    // A fraction of 0.004 under the limit 0.01 is reported as "< 0.010".
    EXPECT_EQ(Narrow(FormatBelowLimit(0.01)), "< 0.010");
}

namespace {
struct PairCase {
    double x;
    double u;
    std::u16string text;
};

// FormatByUncertainty.
const std::vector<PairCase> kByUncertaintyExamples = {
    // 95.1234 with the uncertainty 0.0456 (one digit, 0.05) is given to hundredths.
    {95.1234, 0.0456, u"95.12"},
    // With 0.0256 (two digits, 0.026) it is given to thousandths.
    {95.1234, 0.0256, u"95.123"},
    // With 35 (one digit, rounded to tens) it becomes 100 without decimals.
    {95.1234, 35.0, u"100"},
    // A zero uncertainty: the value itself is rounded as an uncertainty; zero gives "0".
    {0.0, 0.0, u"0"},
    {95.1234, 0.0, u"100"},
    {0.0456, 0.0, u"0.05"},
    {0.0123, 0.0, u"0.012"},
};

// FormatToUncertaintyDigits: the decimal of the second significant digit of u, no test on 30.
const std::vector<PairCase> kToUncertaintyDigitsExamples = {
    // u = 0.023 gives 3 decimals.
    {37.12345, 0.023, u"37.123"},
    // u = 0.12 gives 2.
    {37.12345, 0.12, u"37.12"},
    // u = 0.1 gives 3.
    {37.12345, 0.1, u"37.123"},
    // u = 2.5 gives 1.
    {37.12345, 2.5, u"37.1"},
    // u = 350 rounds to tens.
    {37.12345, 350.0, u"40"},
    // No uncertainty: two significant digits of the value, 37.1234 -> 37 and 0.01234 -> 0.012.
    {37.1234, 0.0, u"37"},
    {0.01234, 0.0, u"0.012"},
    // Both zero: "0".
    {0.0, 0.0, u"0"},
};

struct SingleCase {
    double x;
    std::u16string text;
};

// FormatTwoSignificant.
const std::vector<SingleCase> kTwoSignificantExamples = {
    {95.123, u"95"}, {0.5123, u"0.51"}, {0.0123, u"0.012"}, {0.0, u"0"}, // zero is written "0"
};
} // namespace

TEST(WorkedExamples, FormatByUncertainty) {
    for (const auto& c : kByUncertaintyExamples) {
        SCOPED_TRACE(testing::Message() << c.x << " +- " << c.u);
        EXPECT_EQ(Narrow(FormatByUncertainty(c.x, c.u)), Narrow(c.text));
    }
}

TEST(WorkedExamples, FormatToUncertaintyDigits) {
    for (const auto& c : kToUncertaintyDigitsExamples) {
        SCOPED_TRACE(testing::Message() << c.x << " +- " << c.u);
        EXPECT_EQ(Narrow(FormatToUncertaintyDigits(c.x, c.u)), Narrow(c.text));
    }
}

TEST(WorkedExamples, FormatTwoSignificant) {
    for (const auto& c : kTwoSignificantExamples) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(Narrow(FormatTwoSignificant(c.x)), Narrow(c.text));
    }
}

TEST(WorkedExamples, FormatFixedIgnoresNegativePrecision) {
    // A negative number of decimals is ignored as by the C library: six decimals.
    EXPECT_EQ(Narrow(FormatFixed(1.5, -1)), "1.500000");
    EXPECT_EQ(Narrow(FormatFixed(-95.1234567, -3)), "-95.123457");
    EXPECT_EQ(Narrow(FormatFixed(95.1234, 2)), "95.12");
    EXPECT_EQ(Narrow(FormatFixed(95.1234, 0)), "95");
}

TEST(WorkedExamples, FormatReferenceUsesStoredDecimalsOrGeneralForm) {
    // Decimals stored with the certified value: "%.*f".
    EXPECT_EQ(Narrow(FormatReference(4.56, 3)), "4.560");
    EXPECT_EQ(Narrow(FormatReference(94.123, 0)), "94");
    // None stored (negative): "%g".
    EXPECT_EQ(Narrow(FormatReference(4.56, -1)), "4.56");
    EXPECT_EQ(Narrow(FormatReference(94.1234567, -1)), "94.1235");
    EXPECT_EQ(Narrow(FormatReference(0.0001, -1)), "0.0001");
    EXPECT_EQ(Narrow(FormatReference(0.00001234, -1)), "1.234e-05");
    EXPECT_EQ(Narrow(FormatReference(123456.0, -1)), "123456");
    EXPECT_EQ(Narrow(FormatReference(1234567.0, -1)), "1.23457e+06");
    EXPECT_EQ(Narrow(FormatReference(100.0, -1)), "100");
    EXPECT_EQ(Narrow(FormatReference(0.0, -1)), "0");
}

TEST(WorkedExamples, PermittedUncertaintyOfReferenceMaterial) {
    // Ethane at 4 mol % in an СО-ИПГ mixture (a = 0.02, b = 0.00008): 0.08008 rounds to 0.08, one
    // digit as its leading digits are 80. A mixture uncertainty of 0.081 exceeds it, 0.08 does not.
    const double permitted = RoundUncertainty(0.02 * 4.0 + 8e-05).value;
    EXPECT_EQ(permitted, 0.08);
    EXPECT_TRUE(0.081 > permitted);
    EXPECT_FALSE(0.08 > permitted);
    // Methane at 95 mol % (a = -0.0012, b = 0.15): 0.036 keeps one digit, 0.04.
    EXPECT_EQ(RoundUncertainty(-0.0012 * 95.0 + 0.15).value, 0.04);
    // Methane at 99 mol % in an СО-ПГМ mixture (a = -0.0093, b = 0.939): 0.0183 keeps two, 0.018.
    EXPECT_EQ(RoundUncertainty(-0.0093 * 99.0 + 0.939).value, 0.018);
}

TEST(WorkedExamples, UncertaintyColumnOfPhysicalProperties) {
    // The uncertainty column rounds u to the decimal of its own second significant digit.
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(0.0234, 0.0234)), "0.023");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(0.156, 0.156)), "0.16");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(45.6, 45.6)), "46");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(456.0, 456.0)), "460");
}
