// Numeric conventions shared by the GOST 31371.7-2020 library: the one zero tolerance and the tests that
// decide whether an input can be used at all.
#pragma once

#include <cmath>

namespace gost31371 {

// A magnitude not above 2^-52 counts as zero, the tolerance the callers use throughout.
inline constexpr double kZeroTolerance = 2.220446049250313e-16;

// Upper bound of any molar fraction, mol %.
inline constexpr double kWholeMolPct = 100.0;

// Finite and above zero. The finiteness test comes first: an ordered comparison with a NaN would raise
// the invalid-operation exception.
inline bool IsAboveZero(double value) {
    return std::isfinite(value) && value > kZeroTolerance;
}

// Finite and not negative.
inline bool IsNotNegative(double value) {
    return std::isfinite(value) && value >= 0.0;
}

} // namespace gost31371
