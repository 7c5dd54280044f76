// Replacement of the heavy-hydrocarbon peaks of an analysis chromatogram by the carbon-number
// pseudo-components that the calibration of GOST 31371.7-2020 determined: С6+ as one group (methods Б
// and В2), or С6, С7 and С8 separately (methods А and В1). The peak form of GroupHeavyAreas.
#pragma once

#include <vector>

#include "data/ComponentResult.h"
#include "data/HeavyGrouping.h"

// Members, chosen by HeavyGroupOf, are removed and their areas added into their group; a group keeps the
// retention time and height of its first member met while the group's area was still zero, and is
// appended at the end of the list (in the order c6, c7, c8, or as "c6plus") when that retention time is
// above zero.
void GroupHeavyHydrocarbons(std::vector<ComponentResult>& peaks, HeavyGroupMode mode);
