#include "data/PressureCorrection.h"

#include <vector>

#include "data/HostSources.h"
#include "data/ZeroTolerance.h"

double AssayPressureFactor(const HostSources& sources, int64_t assayId, const AreaCorrection& correction) {
    double factor = 1.0;
    if (!correction.pressureOn) {
        return factor;
    }
    std::vector<double> pressures;
    sources.pressures(assayId, pressures);
    for (const double pressureKPa : pressures) {
        // Written as "not above" so that a NaN pressure, like zero, leaves the areas as they are.
        if (!(pressureKPa > kZeroTolerance)) {
            factor = 1.0;
            continue;
        }
        factor = correction.pressureFactor(pressureKPa);
    }
    return factor;
}
