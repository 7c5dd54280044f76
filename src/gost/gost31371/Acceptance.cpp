#include "gost/gost31371/Acceptance.h"

#include <algorithm>
#include <cmath>

#include "gost/gost31371/AllowedDeviation.h"
#include "gost/gost31371/AreaStatistics.h"
#include "gost/gost31371/Numbers.h"
#include "gost/gost31371/TableLookup.h"
#include "gost/gost31371/TablesInForce.h"

namespace gost31371 {

double FactorRateLimitPct(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                          double concentrationMolPct) {
    if (!IsAboveZero(concentrationMolPct) ||
        RowContaining(table, rowCount, component, concentrationMolPct) == nullptr) {
        return 0.0;
    }
    return CriticalRangeFactor(kSinglePointCalibrationRuns) *
           AllowedRelativeDeviationPct(concentrationMolPct);
}

bool CalibrationAreasAcceptable(std::span<const double> areas, double concentrationMolPct) {
    const double allowedPct = AllowedRelativeDeviationPct(concentrationMolPct);
    if (allowedPct <= 0.0 || !AreJudgeable(areas)) {
        return false;
    }
    return RelativeStandardDeviationPct(areas) <= allowedPct;
}

bool ControlAreasAcceptable(std::span<const double> areas, double concentrationMolPct) {
    const double allowedPct = AllowedRelativeDeviationPct(concentrationMolPct);
    const double factor = CriticalRangeFactor(static_cast<int>(std::min<size_t>(areas.size(), 1000)));
    if (allowedPct <= 0.0 || factor <= 0.0 || !AreJudgeable(areas)) {
        return false;
    }
    return RelativeRangePct(areas) <= factor * allowedPct;
}

MixtureBand PermittedMixtureBand(double analysedMolPct) {
    const double ratio = TablesInForce().tables.mixtureRatio;
    if (!IsAboveZero(analysedMolPct) || analysedMolPct > kWholeMolPct || !(ratio > 1.0)) {
        return {false, 0.0, 0.0};
    }
    return {true, analysedMolPct / ratio, std::min(analysedMolPct * ratio, kWholeMolPct)};
}

} // namespace gost31371
