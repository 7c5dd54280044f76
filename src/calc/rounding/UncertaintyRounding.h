// Rounding of an expanded uncertainty to one or two significant digits, the usual metrological rule for
// stating an uncertainty: one whose two leading digits are below 30 (it begins with 1 or 2) keeps two
// significant digits, any other keeps one (0.0123 -> 0.012, 0.045 -> 0.05, 45 -> 50). A result is
// then written to the last digit of its rounded uncertainty.
//
// Decimal terms throughout (DecimalNumber.h): the digits and the halfway cases are those of the
// shortest decimal form of the double, halves round away from zero. Values below 2^-52 in magnitude
// count as zero. NaN and infinities are written as the missing-value em dash.
#pragma once

#include <cstdint>
#include <string>

#include "calc/rounding/DecimalNumber.h"

struct RoundedUncertainty {
    int32_t exponent = 0; // d: the rounded value is a whole multiple of 10^-d (d = -1: of tens)
    double value = 0.0;   // u rounded to d decimals, halves away from zero; keeps the sign of u
    int32_t decimals = 0; // decimals to write it with: max(d, 0)
};

// With p = trunc(log10 |u|) and t = trunc(u / 10^(p + (|u| > 1 ? 1 : 0) - 2)), the two leading digits
// of u taken with its sign: d = (|u| < 1 ? 1 : 0) + (t < 30 ? 1 : 0) - p. A negative u (a permitted
// uncertainty a*c + b may come out negative) thus always keeps two digits. The quirks of the formula
// are kept: 1 is written "1" (one digit) and 0.1 "0.10" (two).
// u counting as zero: all three fields 0. NaN or infinite u: exponent and decimals 0, value u itself.
RoundedUncertainty RoundUncertainty(double u);

// The exponent d above for a nonzero decimal u; shared with the rules that round a result by it.
int64_t UncertaintyRoundingExponent(const DecimalNumber& u);

// "0" when u counts as zero; otherwise the rounded u with its decimals ("0.012", "0.05", "50").
std::u16string FormatUncertainty(double u);

// A molar fraction below the lower limit of its measuring range: "< " and the limit as an uncertainty
// ("< 0.005", "< 0.010"; a zero limit gives "< 0").
std::u16string FormatBelowLimit(double limit);
