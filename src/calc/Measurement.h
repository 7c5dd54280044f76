// One analysis chromatogram taken into the composition, with its peaks; molarFraction and rawFraction
// of each peak hold the concentration computed from its area.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ComponentResult.h"
#include "data/HostSources.h"

struct Measurement {
    int64_t assayId = 0;
    std::vector<ComponentResult> peaks;
    std::vector<HostPeakRow> unnamedPeaks; // peaks stored without a name, with their corrected areas
};
