// The "missing value" test of the result pages, exports and report: a value that is not a number or
// counts as zero is shown as a single em dash instead of a number.
#pragma once

#include <cmath>
#include <string_view>

#include "data/ZeroTolerance.h"

inline constexpr std::u16string_view kMissingValueText = u"\u2014";

inline bool IsMissingValue(double value) {
    return std::isnan(value) || CountsAsZero(value);
}
