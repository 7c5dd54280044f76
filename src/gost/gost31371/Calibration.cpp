#include "gost/gost31371/Calibration.h"

#include <algorithm>
#include <cmath>

#include "gost/gost31371/AreaStatistics.h"
#include "gost/gost31371/Numbers.h"

namespace gost31371 {
namespace {

// Standard conditions of GOST 2939-63, to which the areas are brought.
constexpr double kStandardPressureKPa = 101.325;
constexpr double kStandardTemperatureK = 293.15;
constexpr double kZeroCelsiusK = 273.15;

bool AllFiniteNotNegative(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(), IsNotNegative);
}

double FiniteOrZero(double value) {
    return std::isfinite(value) ? value : 0.0;
}

constexpr CalibrationLine kNoLine{-1, 0.0, 0.0};

} // namespace

double PressureCorrectionFactor(double atmosphericPressureKPa, double loopTemperatureC) {
    if (!IsAboveZero(atmosphericPressureKPa) || !std::isfinite(loopTemperatureC)) {
        return 0.0;
    }
    const double loopTemperatureK = kZeroCelsiusK + loopTemperatureC;
    if (!IsAboveZero(loopTemperatureK)) {
        return 0.0;
    }
    return FiniteOrZero((kStandardPressureKPa / atmosphericPressureKPa) *
                        (loopTemperatureK / kStandardTemperatureK));
}

double CorrectedArea(double area, double factor) {
    if (!std::isfinite(area) || !IsAboveZero(factor)) {
        return 0.0;
    }
    return FiniteOrZero(area * factor);
}

double CalibrationFactor(double concentrationMolPct, double area) {
    if (!IsNotNegative(concentrationMolPct) || !IsAboveZero(area)) {
        return 0.0;
    }
    return FiniteOrZero(concentrationMolPct / area);
}

MeanFactorResult MeanCalibrationFactor(std::span<const double> areas, double concentrationMolPct) {
    if (areas.empty()) {
        return {-1, 0.0, 0.0};
    }
    if (!std::all_of(areas.begin(), areas.end(), IsAboveZero)) {
        return {-1, 0.0, 100.0 * static_cast<double>(areas.size())};
    }
    // Inverse areas: the factors divided by c.
    double inverseSum = 0.0;
    double inverseMin = 1.0 / areas[0];
    double inverseMax = inverseMin;
    for (const double area : areas) {
        const double inverse = 1.0 / area;
        inverseSum += inverse;
        inverseMin = std::min(inverseMin, inverse);
        inverseMax = std::max(inverseMax, inverse);
    }
    const double inverseMean = inverseSum / static_cast<double>(areas.size());
    const double ratePct = FiniteOrZero((inverseMax - inverseMin) / inverseMean * 100.0);
    if (!IsNotNegative(concentrationMolPct)) {
        return {-1, 0.0, ratePct};
    }
    const double meanFactor = concentrationMolPct * inverseMean;
    if (!std::isfinite(meanFactor)) {
        return {-1, 0.0, ratePct};
    }
    return {0, meanFactor, ratePct};
}

CalibrationLine LineThroughOrigin(std::span<const double> areas1, std::span<const double> areas2,
                                  double concentration1MolPct, double concentration2MolPct) {
    if (areas1.empty() || areas1.size() != areas2.size() || !AllFiniteNotNegative(areas1) ||
        !AllFiniteNotNegative(areas2) || !IsAboveZero(concentration1MolPct) ||
        !IsAboveZero(concentration2MolPct)) {
        return kNoLine;
    }
    double responseSum = 0.0;
    for (const double area : areas1) {
        responseSum += area / concentration1MolPct;
    }
    for (const double area : areas2) {
        responseSum += area / concentration2MolPct;
    }
    const double slope = responseSum / static_cast<double>(areas1.size() + areas2.size());
    if (!IsAboveZero(slope)) {
        return kNoLine;
    }
    return {0, slope, 0.0};
}

CalibrationLine LeastSquaresLine(std::span<const double> areas1, std::span<const double> areas2,
                                 double concentration1MolPct, double concentration2MolPct) {
    if (areas1.empty() || areas1.size() != areas2.size() || !AllFiniteNotNegative(areas1) ||
        !AllFiniteNotNegative(areas2) || !IsNotNegative(concentration1MolPct) ||
        !IsNotNegative(concentration2MolPct)) {
        return kNoLine;
    }
    // Both mixtures contribute n points, so the mean concentration is the midpoint and the sums below are
    // those of the centred concentrations (x − x̄ = ±(c2 − c1) / 2).
    const double halfSpan = (concentration2MolPct - concentration1MolPct) / 2.0;
    if (!(std::fabs(halfSpan) > kZeroTolerance * std::max(concentration1MolPct, concentration2MolPct))) {
        return kNoLine;
    }
    const double count = static_cast<double>(areas1.size() + areas2.size());
    const double meanArea1 = Mean(areas1);
    const double meanArea2 = Mean(areas2);
    const double meanArea = (meanArea1 + meanArea2) / 2.0;
    const double meanConcentration = (concentration1MolPct + concentration2MolPct) / 2.0;
    double crossSum = 0.0; // Σ (x − x̄)(A − Ā)
    for (const double area : areas1) {
        crossSum += -halfSpan * (area - meanArea);
    }
    for (const double area : areas2) {
        crossSum += halfSpan * (area - meanArea);
    }
    const double squareSum = count * halfSpan * halfSpan; // Σ (x − x̄)²
    const double slope = crossSum / squareSum;
    const double intercept = meanArea - slope * meanConcentration;
    if (!IsAboveZero(slope) || !std::isfinite(intercept)) {
        return kNoLine;
    }
    return {0, slope, intercept};
}

double ConcentrationFromFactor(double area, double factor) {
    if (!IsNotNegative(area) || !IsNotNegative(factor)) {
        return 0.0;
    }
    return FiniteOrZero(area * factor);
}

double ConcentrationFromLine(double area, double a, double b) {
    if (!std::isfinite(area) || !IsAboveZero(a) || !std::isfinite(b)) {
        return 0.0;
    }
    return FiniteOrZero((area - b) / a);
}

} // namespace gost31371
