#include "calc/rounding/UncertaintyRounding.h"

#include <algorithm>
#include <cmath>

#include "calc/rounding/DecimalText.h"
#include "calc/rounding/MissingValue.h"
#include "data/ZeroTolerance.h"

int64_t UncertaintyRoundingExponent(const DecimalNumber& u) {
    const int64_t p = TruncatedLog10(u);
    const int64_t shift = p + (IsAboveOne(u) ? 1 : 0) - 2;
    // t = trunc(|u| / 10^shift): the digits of u from its first down to the place 10^shift. The shift
    // leaves two of them (three for 1 and the powers of ten below it, where t is 100).
    const int64_t count = u.leadExponent - shift + 1;
    int64_t t = 0;
    for (int64_t i = 0; i < count; ++i) {
        const size_t index = static_cast<size_t>(i);
        t = t * 10 + (index < u.digits.size() ? u.digits[index] - '0' : 0);
    }
    if (u.negative) {
        t = -t; // the signed value is divided: a negative t is always below 30
    }
    return (IsBelowOne(u) ? 1 : 0) + (t < 30 ? 1 : 0) - p;
}

RoundedUncertainty RoundUncertainty(double u) {
    RoundedUncertainty rounded;
    if (!std::isfinite(u)) {
        rounded.value = u;
        return rounded;
    }
    if (CountsAsZero(u)) {
        return rounded;
    }
    const DecimalNumber number = ToDecimal(u);
    const int64_t d = UncertaintyRoundingExponent(number);
    rounded.exponent = static_cast<int32_t>(d);
    rounded.value = ToDouble(RoundToDecimals(number, d));
    rounded.decimals = static_cast<int32_t>(std::max<int64_t>(d, 0));
    return rounded;
}

std::u16string FormatUncertainty(double u) {
    if (!std::isfinite(u)) {
        return std::u16string(kMissingValueText);
    }
    if (CountsAsZero(u)) {
        return u"0";
    }
    const DecimalNumber number = ToDecimal(u);
    const int64_t d = UncertaintyRoundingExponent(number);
    return FixedText(RoundToDecimals(number, d), std::max<int64_t>(d, 0));
}

std::u16string FormatBelowLimit(double limit) {
    if (!std::isfinite(limit)) {
        return std::u16string(kMissingValueText);
    }
    return u"< " + FormatUncertainty(limit);
}
