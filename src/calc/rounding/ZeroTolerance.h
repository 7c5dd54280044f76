// The one tolerance of the engine and the display: a computed double whose magnitude is below 2^-52
// (the spacing of doubles at 1.0) counts as zero. Denormals and signed zeros fall under it.
#pragma once

#include <cmath>

inline constexpr double kZeroTolerance = 0x1p-52; // 2.220446049250313e-16

// False for NaN, so a value that is not a number is never taken for a zero.
inline bool CountsAsZero(double value) {
    return std::fabs(value) < kZeroTolerance;
}
