#include "gost/gost31371/AllowedDeviation.h"

#include "gost/gost31371/Numbers.h"
#include "gost/gost31371/TablesInForce.h"

namespace gost31371 {

double AllowedRelativeDeviationPct(double moleFractionPct) {
    if (!IsAboveZero(moleFractionPct) || moleFractionPct > kWholeMolPct) {
        return 0.0;
    }
    const AllowedBand* found = nullptr;
    for (const AllowedBand& band : TablesInForce().tables.allowedBands) {
        if (moleFractionPct >= band.lowerMolPct && moleFractionPct <= band.upperMolPct &&
            (found == nullptr || band.lowerMolPct < found->lowerMolPct)) {
            found = &band;
        }
    }
    return found != nullptr ? found->allowedRelativeSdPct : 0.0;
}

double CriticalRangeFactor(int n) {
    for (const CriticalRangeEntry& entry : TablesInForce().tables.criticalRange) {
        if (entry.n == n) {
            return entry.factor;
        }
    }
    return 0.0;
}

} // namespace gost31371
