// Carbon-number group peaks. A chromatograph that back-flushes the heavy hydrocarbons reports them as
// group peaks whose names begin with the display name of the group (for instance "С6+ (обратная
// продувка)"); the loaders add such peaks into one record of the group.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "data/ComponentCatalogue.h"

struct PeakGroupNames {
    // Display names of c6plus, c6, c7 and c8, the order in which a peak name is tried against them.
    std::array<std::u16string, 4> prefixes;
};

PeakGroupNames MakePeakGroupNames(const AliasList& aliases);

// The identifier of the first group whose display name begins the peak name (letter case ignored, Latin
// and Cyrillic), or an empty view. A group whose display name the user left empty matches nothing:
// otherwise every peak would join it.
std::u16string_view PeakGroupOf(const PeakGroupNames& groups, std::u16string_view peakName);
