// Acceptability and control checks of GOST 31371.7-2020: the limit of the rate of acceptability of the
// calibration factors, the repeatability of the calibration areas, the control of the calibration, and
// the band in which the reference mixture of a single-point method must lie around the analysed gas.
#pragma once

#include <cstdint>
#include <span>

#include "gost/gost31371/include/Tarvel31371720.h"

namespace gost31371 {

// Number of consecutive calibration chromatograms of methods А and Б; the rate of acceptability is the
// relative range of that many factors.
inline constexpr int kSinglePointCalibrationRuns = 3;

// Limit of the rate of acceptability of the three factors, %: f(3) · allowed relative deviation at c,
// provided the table holds c in a range of the component; 0 otherwise (no answer).
double FactorRateLimitPct(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                          double concentrationMolPct);

// Repeatability of the areas of one mixture (method В): relative standard deviation not above the allowed
// relative deviation at c. False when the areas cannot be judged or no allowed value exists for c.
bool CalibrationAreasAcceptable(std::span<const double> areas, double concentrationMolPct);

// Control areas: relative range not above f(n) · the allowed relative deviation at c (ISO 5725-6 critical
// range of n results). False when the areas cannot be judged, n has no factor or c has no allowed value.
bool ControlAreasAcceptable(std::span<const double> areas, double concentrationMolPct);

struct MixtureBand {
    bool valid;         // false when the analysed fraction cannot be used; the bounds are then 0
    double lowerMolPct; // smallest certified fraction permitted
    double upperMolPct; // greatest certified fraction permitted
};

// Band of certified fractions of a single-point reference mixture that suits an analysed fraction x:
// from x / r to r·x by the mixture ratio r in force (built in: 2), the upper bound not above 100 mol %.
// Invalid when no ratio is in force.
MixtureBand PermittedMixtureBand(double analysedMolPct);

} // namespace gost31371
