#include "calc/rounding/ResultRounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "calc/rounding/DecimalNumber.h"
#include "calc/rounding/DecimalText.h"
#include "calc/rounding/MissingValue.h"
#include "calc/rounding/UncertaintyRounding.h"
#include "data/ZeroTolerance.h"

namespace {
// The decimal of the second significant digit of v (nonzero), written the way the formula has it.
int64_t SecondDigitDecimals(const DecimalNumber& v) {
    return (IsBelowOne(v) ? 1 : 0) - TruncatedLog10(v) + 1;
}

std::u16string RoundedText(const DecimalNumber& x, int64_t decimals) {
    return FixedText(RoundToDecimals(x, decimals), std::max<int64_t>(decimals, 0));
}
} // namespace

std::u16string FormatByUncertainty(double x, double u) {
    if (!std::isfinite(x) || !std::isfinite(u)) {
        return std::u16string(kMissingValueText);
    }
    if (CountsAsZero(u)) {
        return FormatUncertainty(x);
    }
    return RoundedText(ToDecimal(x), UncertaintyRoundingExponent(ToDecimal(u)));
}

std::u16string FormatToUncertaintyDigits(double x, double u) {
    if (!std::isfinite(x) || !std::isfinite(u)) {
        return std::u16string(kMissingValueText);
    }
    if (CountsAsZero(u)) {
        return FormatTwoSignificant(x);
    }
    return RoundedText(ToDecimal(x), SecondDigitDecimals(ToDecimal(u)));
}

std::u16string FormatTwoSignificant(double x) {
    if (!std::isfinite(x)) {
        return std::u16string(kMissingValueText);
    }
    if (CountsAsZero(x)) {
        return u"0";
    }
    const DecimalNumber number = ToDecimal(x);
    return RoundedText(number, SecondDigitDecimals(number));
}
