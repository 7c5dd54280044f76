// Replacement of the heavy hydrocarbons by the carbon-number pseudo-components the calibration methods
// of GOST 31371.7-2020 calibrate: С6+ as one group (methods Б and В2), or С6, С7 and С8 separately
// (methods А and В1). Which component belongs to which group is decided here for the calibration's area
// series and for the peaks of an analysis chromatogram alike.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "data/AreaSeries.h"

enum class HeavyGroupMode {
    C6C7C8, // methods А and В1
    C6Plus, // methods Б and В2
};

// The group identifiers of mode, in the order their records are appended: "c6", "c7", "c8" or "c6plus".
std::span<const std::u16string_view> HeavyGroupIds(HeavyGroupMode mode);

// The index in HeavyGroupIds(mode) of the group a component belongs to, chosen by molar mass, or -1
// when it stays as it is:
// - C6Plus: every component heavier than n-pentane;
// - C6C7C8: molar mass in [M(С6), M(С7)) → "c6", [M(С7), M(С8)) → "c7", [M(С8), M(С9+)) → "c8"; the
//   aromatics benzene and toluene, which fall among the bounds or near them, are components of their own.
// Identifiers unknown to the molar-mass table have 0 and stay.
int HeavyGroupOf(std::u16string_view componentId, HeavyGroupMode mode);

// Members are removed and summed slot by slot, and a group record is appended at the end when any slot
// of its sum is not zero (a magnitude above 2^-52), in the order of HeavyGroupIds.
void GroupHeavyAreas(std::vector<AreaSeries>& series, HeavyGroupMode mode);
