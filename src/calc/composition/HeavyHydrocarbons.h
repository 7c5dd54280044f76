// Replacement of the heavy-hydrocarbon peaks of an analysis chromatogram by the carbon-number
// pseudo-components that the calibration of GOST 31371.7-2020 determined: С6+ as one group (methods Б
// and В2), or С6, С7 and С8 separately (methods А and В1). The peak form of GroupHeavyAreas.
#pragma once

#include <vector>

#include "data/ComponentResult.h"
#include "data/HeavyGrouping.h"

// Members, chosen by HeavyGroupOf, are removed and their areas added into their group; a group takes the
// retention time and height of its first member that has an area and a retention time (else of its
// first member with a retention time, else of its first member with an area: the time then stays 0,
// shown as missing), and is appended at
// the end of the list (in the order c6, c7, c8, or as "c6plus") when its summed area or its time is
// above zero.
void GroupHeavyHydrocarbons(std::vector<ComponentResult>& peaks, HeavyGroupMode mode);
