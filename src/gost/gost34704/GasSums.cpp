#include "gost/gost34704/GasSums.h"

#include <cmath>

namespace gost34704 {

double CompressionFactor0C(const ComponentData& component) {
    return 1.0 - component.summationFactor0C * component.summationFactor0C;
}

int SumGas(const Fraction_t* rows, unsigned int count, bool compress, GasSums& sums) {
    sums = GasSums{};
    for (unsigned int i = 0; i < count; ++i) {
        const double fraction = rows[i].fraction;
        if (!std::isfinite(fraction) || fraction < 0.0) {
            return kMethaneNumberInvalidInput;
        }
        const ComponentData* component = FindComponent(rows[i].component);
        if (component == nullptr) {
            return kMethaneNumberUnknownComponent;
        }
        const double weight = compress ? fraction * CompressionFactor0C(*component) : fraction;
        sums.total += weight;
        switch (component->role) {
        case MethodRole::Methane:
            sums.simplified[kMethane] += weight;
            break;
        case MethodRole::Ethane:
            sums.simplified[kEthane] += weight;
            break;
        case MethodRole::Propane:
            sums.simplified[kPropane] += weight;
            break;
        case MethodRole::ButaneEquivalent:
            sums.simplified[kButaneEquivalent] += component->butaneEquivalentFactor * weight;
            break;
        case MethodRole::CarbonDioxide:
            sums.carbonDioxide += weight;
            break;
        case MethodRole::SetAside:
            break;
        }
    }
    return 0;
}

} // namespace gost34704
