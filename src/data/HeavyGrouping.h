// Replacement of the heavy hydrocarbons in calibration area series by carbon-number pseudo-components, as
// the calibration methods of GOST 31371.7-2020 calibrate them: С6+ as one group (methods Б and В2), or
// С6, С7 and С8 separately (methods А and В1).
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "data/AreaSeries.h"

enum class HeavyGroupMode {
    C6C7C8, // methods А and В1
    C6Plus, // methods Б and В2
};

// The group records of the mode, in the order they are appended: "c6plus", or "c6", "c7", "c8".
std::span<const std::u16string_view> HeavyGroupIds(HeavyGroupMode mode);

// The index in HeavyGroupIds of the group a component joins, or -1 when it stays a component of its
// own. Only hydrocarbons heavier than n-pentane are grouped (unknown identifiers and the sulphur
// compounds stay). C6Plus takes all of them. C6C7C8 groups by carbon number, which the molar mass gives
// for alkanes, cycloalkanes and aromatics alike: up to M(n-hexane) → С6, up to M(n-heptane) → С7, heavier
// → С8 (nonane and heavier included); benzene and toluene stay, as the methods determine them.
int HeavyGroupOf(std::u16string_view componentId, HeavyGroupMode mode);

// The members of the groups are removed and summed slot by slot, and a group record is appended at the
// end when any slot of its sum is not zero (a magnitude above 2^-52), in the order of HeavyGroupIds.
void GroupHeavyAreas(std::vector<AreaSeries>& series, HeavyGroupMode mode);
