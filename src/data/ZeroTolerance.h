// The one tolerance of the engine and the display: a computed double of magnitude about 2^-52 (the
// spacing of doubles at 1.0) or less counts as zero. Denormals and signed zeros fall under it.
//
// Exactly at the bound the standards' texts part ways, and so do the two tests below: the rounding
// rules and the result pages take "below" (a value of exactly 2^-52 is still a number and is written
// with its two digits), while the calibration's checks and the readers of the database take "not
// above" (the bound counts as zero there). Both use this one constant.
#pragma once

#include <cmath>

inline constexpr double kZeroTolerance = 0x1p-52; // 2.220446049250313e-16

// Below the tolerance: the rounding rules, the missing-value dash, the composition. False for NaN, so a
// value that is not a number is never taken for a zero.
inline bool CountsAsZero(double value) {
    return std::fabs(value) < kZeroTolerance;
}

// Not above the tolerance, the bound included: the calibration (GOST 31371.7-2020, methods А to В2) and
// the sums of grouped peak areas. False for NaN.
inline bool NotAboveZeroTolerance(double value) {
    return std::fabs(value) <= kZeroTolerance;
}
