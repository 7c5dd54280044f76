// The comparisons of the calibration checks (GOST 31371.7-2020, methods А, Б, В1, В2), written so that a
// value a hostile database or an undefined quotient produces is judged explicitly: a check never passes
// on a number that is not finite, and a relative deviation is never formed against a certified
// concentration of zero.
#pragma once

#include <cmath>
#include <cstddef>
#include <limits>

#include "data/ZeroTolerance.h"

// The calibration counts a value as zero when its magnitude is not above 2^-52, the bound included.
inline bool IsCalibrationZero(double value) {
    return NotAboveZeroTolerance(value);
}

// A certified concentration (mol %) that a relative deviation can be formed against: a finite value
// above zero.
inline bool IsUsableConcentration(double concentrationMolPct) {
    return std::isfinite(concentrationMolPct) && concentrationMolPct > kZeroTolerance;
}

// A calibration coefficient that converts an area into a molar fraction: the factor K of methods А and
// Б, or the slope a of the line of methods В1 and В2. A detector's sensitivity is positive: a coefficient
// that is zero, negative or not finite gives no concentration, and a calibration with it never passes.
inline bool IsUsableCoefficient(double coefficient) {
    return std::isfinite(coefficient) && coefficient > kZeroTolerance;
}

// Whether a spread of the areas can be formed at all: finite areas, none negative, with a mean above
// zero. The library answers 0 where it cannot, which must not read as perfectly repeatable areas.
inline bool AreasCanBeJudged(const double* areas, size_t count) {
    double sum = 0.0;
    for (size_t i = 0; i < count; ++i) {
        if (!std::isfinite(areas[i]) || areas[i] < 0.0) {
            return false;
        }
        sum += areas[i];
    }
    return count > 0 && sum / static_cast<double>(count) > kZeroTolerance;
}

// value ≤ limit; false when either is not a finite number.
inline bool NotAboveLimit(double value, double limit) {
    return std::isfinite(value) && std::isfinite(limit) && value <= limit;
}

// value < limit; false when either is not a finite number.
inline bool BelowLimit(double value, double limit) {
    return std::isfinite(value) && std::isfinite(limit) && value < limit;
}

// |certified − found| / certified · 100, %. Not a number when the certified concentration is not usable:
// the deviation is undefined there, and the pages and exports show a value that is not a number as
// missing.
inline double RelativeDeviationPercent(double certifiedMolPct, double foundMolPct) {
    if (!IsUsableConcentration(certifiedMolPct)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return std::fabs(certifiedMolPct - foundMolPct) / certifiedMolPct * 100.0;
}
