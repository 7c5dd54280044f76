#include "calc/composition/VolumeMassFractions.h"

#include "calc/composition/CompressionFactors.h"
#include "data/MolarMass.h"
#include "data/ZeroTolerance.h"

namespace {
constexpr double kWholePct = 100.0;

// Scales the field of every row to sum to 100 %, when the sum is above zero.
void ScaleToWhole(std::vector<ComponentResult>& table, double ComponentResult::*field) {
    double sum = 0.0;
    for (const ComponentResult& row : table) {
        sum += row.*field;
    }
    if (!(sum > kZeroTolerance)) {
        return;
    }
    const double scale = kWholePct / sum;
    for (ComponentResult& row : table) {
        row.*field *= scale;
    }
}
} // namespace

void ComputeVolumeFractions(int32_t meteringTemperature, std::vector<ComponentResult>& table) {
    for (ComponentResult& row : table) {
        row.volumeFraction = CompressionFactorOf(row.id, meteringTemperature) * row.molarFraction;
    }
    ScaleToWhole(table, &ComponentResult::volumeFraction);
}

void ComputeMassFractions(std::vector<ComponentResult>& table) {
    for (ComponentResult& row : table) {
        row.massFraction = MolarMassOf(row.id) * row.molarFraction;
    }
    ScaleToWhole(table, &ComponentResult::massFraction);
}
