// The rules at the edges of the doubles: not-a-number, infinities, the zero tolerance, denormals,
// the largest magnitudes and the 255-character limit of a result text.
#include "calc/rounding/Rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "text/Utf.h"

namespace {

std::string Narrow(const std::u16string& text) {
    return Utf16ToUtf8(text);
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const std::string kDash = "\xE2\x80\x94"; // U+2014 EM DASH

// Every rule as a function of one value (the other inputs ordinary).
const std::vector<std::pair<const char*, std::function<std::u16string(double)>>> kRules = {
    {"FormatUncertainty", [](double v) { return FormatUncertainty(v); }},
    {"FormatBelowLimit", [](double v) { return FormatBelowLimit(v); }},
    {"FormatByUncertainty x", [](double v) { return FormatByUncertainty(v, 0.05); }},
    {"FormatByUncertainty u", [](double v) { return FormatByUncertainty(95.1234, v); }},
    {"FormatToUncertaintyDigits x", [](double v) { return FormatToUncertaintyDigits(v, 0.05); }},
    {"FormatToUncertaintyDigits u", [](double v) { return FormatToUncertaintyDigits(95.1234, v); }},
    {"FormatTwoSignificant", [](double v) { return FormatTwoSignificant(v); }},
    {"FormatFixed", [](double v) { return FormatFixed(v, 4); }},
    {"FormatReference %g", [](double v) { return FormatReference(v, -1); }},
    {"FormatReference %.*f", [](double v) { return FormatReference(v, 3); }},
};

} // namespace

TEST(Extremes, NotANumberAndInfinitiesGiveTheEmDash) {
    for (const auto& [name, rule] : kRules) {
        for (const double v : {kNaN, -kNaN, kInf, -kInf}) {
            SCOPED_TRACE(testing::Message() << name << " " << v);
            EXPECT_EQ(Narrow(rule(v)), kDash);
        }
    }
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(kNaN, 0.0)), kDash);
    EXPECT_EQ(Narrow(FormatByUncertainty(kInf, 0.0)), kDash);
}

TEST(Extremes, RoundUncertaintyPassesNonFiniteValuesThrough) {
    const RoundedUncertainty nan = RoundUncertainty(kNaN);
    EXPECT_TRUE(std::isnan(nan.value));
    EXPECT_EQ(nan.exponent, 0);
    EXPECT_EQ(nan.decimals, 0);
    const RoundedUncertainty inf = RoundUncertainty(-kInf);
    EXPECT_EQ(inf.value, -kInf);
    EXPECT_EQ(inf.exponent, 0);
}

TEST(Extremes, MissingValueTest) {
    EXPECT_TRUE(IsMissingValue(kNaN));
    EXPECT_TRUE(IsMissingValue(0.0));
    EXPECT_TRUE(IsMissingValue(-1e-17));
    EXPECT_FALSE(IsMissingValue(kInf));
    EXPECT_FALSE(IsMissingValue(1e-15));
    EXPECT_EQ(Utf16ToUtf8(std::u16string(kMissingValueText)), kDash);
}

TEST(Extremes, ZeroToleranceIsStrictlyBelowTwoToTheMinus52) {
    const double tolerance = std::ldexp(1.0, -52);
    EXPECT_EQ(kZeroTolerance, 2.220446049250313e-16);
    EXPECT_EQ(kZeroTolerance, tolerance);
    const double justBelow = std::nextafter(tolerance, 0.0);
    EXPECT_TRUE(CountsAsZero(justBelow));
    EXPECT_TRUE(CountsAsZero(-justBelow));
    EXPECT_FALSE(CountsAsZero(tolerance));
    EXPECT_FALSE(CountsAsZero(kNaN));

    // Below the tolerance every rule takes its zero branch.
    EXPECT_EQ(Narrow(FormatUncertainty(justBelow)), "0");
    EXPECT_EQ(Narrow(FormatTwoSignificant(-justBelow)), "0");
    EXPECT_EQ(Narrow(FormatByUncertainty(0.0456, justBelow)), "0.05");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(37.1234, justBelow)), "37");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(justBelow, 0.0)), "0");
    // At the tolerance itself the value is a number: 2.220446049250313e-16 keeps two digits.
    EXPECT_EQ(Narrow(FormatUncertainty(tolerance)), "0.00000000000000022");
    EXPECT_EQ(Narrow(FormatTwoSignificant(tolerance)), "0.00000000000000022");
}

TEST(Extremes, DenormalsAndSignedZerosCountAsZero) {
    const double denormals[] = {std::numeric_limits<double>::denorm_min(), 1e-310, -4e-320, -0.0,
                                std::numeric_limits<double>::min()};
    for (const double v : denormals) {
        SCOPED_TRACE(v);
        EXPECT_EQ(Narrow(FormatUncertainty(v)), "0");
        EXPECT_EQ(Narrow(FormatBelowLimit(v)), "< 0");
        EXPECT_EQ(Narrow(FormatTwoSignificant(v)), "0");
        EXPECT_EQ(Narrow(FormatByUncertainty(v, 0.0)), "0");
        EXPECT_EQ(Narrow(FormatFixed(v, 2)), "0.00"); // no "-0.00"
        EXPECT_EQ(RoundUncertainty(v).value, 0.0);
    }
    EXPECT_EQ(Narrow(FormatReference(-0.0, -1)), "0");
    EXPECT_EQ(Narrow(FormatReference(-0.0, 2)), "0.00");
}

TEST(Extremes, LargestMagnitudes) {
    EXPECT_EQ(Narrow(FormatUncertainty(1e300)), "1e+300");
    EXPECT_EQ(RoundUncertainty(1e300).exponent, -299);
    EXPECT_EQ(RoundUncertainty(1e300).value, 1e300);
    EXPECT_EQ(Narrow(FormatTwoSignificant(-1.234e300)), "-1.2e+300");
    EXPECT_EQ(Narrow(FormatReference(1e300, -1)), "1e+300");
    EXPECT_EQ(Narrow(FormatReference(-2.5e-300, -1)), "-2.5e-300");
    // The largest double keeps two digits (17...) and rounds up to 1.8e308, past the last double.
    const double largest = std::numeric_limits<double>::max();
    EXPECT_EQ(Narrow(FormatUncertainty(largest)), "1.8e+308");
    EXPECT_EQ(RoundUncertainty(largest).value, kInf);
    EXPECT_EQ(RoundUncertainty(-largest).value, -kInf);
    // Rounded to units, the largest double keeps all its digits, too many for the fixed form.
    EXPECT_EQ(Narrow(FormatByUncertainty(largest, 1.0)), "1.7976931348623157e+308");
    // Tiny and huge numbers whose fixed form fits are written in full.
    EXPECT_EQ(Narrow(FormatByUncertainty(1.5e-12, 1e-12)), "0.0000000000015");
    EXPECT_EQ(Narrow(FormatByUncertainty(1.5e-12, 1e-9)), "0.0000000000");
    EXPECT_EQ(Narrow(FormatToUncertaintyDigits(1e12, 3e-13)), "1000000000000.00000000000000");
}

TEST(Extremes, TextsNeverExceed255Characters) {
    // 1e251 with two decimals takes 252 + 3 = 255 characters and is still written in full; 1e252
    // would need 256 and switches to the exponent form.
    const std::string fits = Narrow(FormatFixed(1e251, 2));
    EXPECT_EQ(fits.size(), 255u);
    EXPECT_EQ(fits, "1" + std::string(251, '0') + ".00");
    EXPECT_EQ(Narrow(FormatFixed(1e252, 2)), "1e+252");
    EXPECT_EQ(Narrow(FormatFixed(-1e251, 2)), "-1e+251"); // the sign makes it 256
    const std::string tiny = Narrow(FormatFixed(1.5, 253));
    EXPECT_EQ(tiny.size(), 255u);
    EXPECT_EQ(Narrow(FormatFixed(1.5, 254)), "1.5e+00");
    EXPECT_EQ(Narrow(FormatFixed(1.5, INT32_MAX)), "1.5e+00");
    EXPECT_EQ(Narrow(FormatReference(0.1, INT32_MAX)), "1e-01");
    EXPECT_EQ(Narrow(FormatFixed(1e300, INT32_MAX)), "1e+300");

    const double values[] = {1e-15,    2.3e-16, 1.7976931348623157e308, -1.7976931348623157e308, 1e200, 3e-16,
                             -123.456, 1e-300};
    for (const auto& [name, rule] : kRules) {
        for (const double v : values) {
            SCOPED_TRACE(testing::Message() << name << " " << v);
            EXPECT_LE(rule(v).size(), 255u);
        }
    }
    for (const double x : values) {
        for (const double u : values) {
            EXPECT_LE(FormatByUncertainty(x, u).size(), 255u);
            EXPECT_LE(FormatToUncertaintyDigits(x, u).size(), 255u);
        }
    }
}

TEST(Extremes, SmallestNonZeroUncertaintiesAreWrittenInFull) {
    EXPECT_EQ(Narrow(FormatUncertainty(3e-16)), "0.0000000000000003");
    EXPECT_EQ(Narrow(FormatUncertainty(1e-15)), "0.0000000000000010");
    EXPECT_EQ(Narrow(FormatByUncertainty(0.5, 1e-15)), "0.5000000000000000");
}
