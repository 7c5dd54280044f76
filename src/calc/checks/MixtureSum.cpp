#include "calc/checks/MixtureSum.h"

#include <cmath>
#include <cstdint>

double CertifiedSum(const std::vector<MixtureComponent>& components) {
    double sum = 0.0;
    for (const MixtureComponent& component : components) {
        sum += component.concentration;
    }
    return sum;
}

bool SumDeviatesFrom100(double sumMolPct) {
    if (!std::isfinite(sumMolPct) || std::fabs(sumMolPct - 100.0) > 1.0) {
        return true;
    }
    constexpr double kUnitsPerMolPct = 1e9;
    const int64_t deviationUnits = std::llround((sumMolPct - 100.0) * kUnitsPerMolPct);
    const int64_t toleranceUnits = std::llround(kMixtureSumToleranceMolPct * kUnitsPerMolPct);
    return deviationUnits > toleranceUnits || deviationUnits < -toleranceUnits;
}
