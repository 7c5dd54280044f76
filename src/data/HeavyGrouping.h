// Replacement of the heavy hydrocarbons in calibration area series by carbon-number pseudo-components, as
// the calibration methods of GOST 31371.7-2020 calibrate them: С6+ as one group (methods Б and В2), or
// С6, С7 and С8 separately (methods А and В1).
#pragma once

#include <vector>

#include "data/AreaSeries.h"

enum class HeavyGroupMode {
    C6C7C8, // methods А and В1
    C6Plus, // methods Б and В2
};

// Members are chosen by molar mass (components unknown to the molar-mass table have 0 and stay); they
// are removed and summed slot by slot, and a group record is appended at the end when any slot of its
// sum is not zero (a magnitude above 2^-52), in the order c6, c7, c8 or as the one record "c6plus".
void GroupHeavyAreas(std::vector<AreaSeries>& series, HeavyGroupMode mode);
