// Steps 3 and 4 of GOST 34704-2020: which three of the four partial mixtures the simplified mixture is
// divided into, and the initial division.
#pragma once

#include "gost/gost34704/Diagrams.h"

namespace gost34704 {

using Split = double[kUsedMixtureCount][kSimplifiedCount];

// True when simple4 holds four finite, non-negative values and at least one above the zero tolerance.
bool IsValidSimplifiedMixture(const double* simple4);

// The number of the partial mixture left out, for a valid simplified mixture: the one holding the fewest
// of the gas's components, and among those the one of least affinity Σ s_i·Vmax_i/ΣVmax_i (the first in
// number order on a tie).
int ChooseLeftOutMixture(const double* simple4);

bool IsValidChoice(int choice);

// The partial mixture (0-3) in row 0-2 of a split when `choice` is left out.
int UsedMixtureNumber(int choice, int row);

// The simplified mixture normalised to 100 % and each component divided equally among the used partial
// mixtures that contain it.
void InitialSplit(const double* simple4, int choice, Split& mixes);

} // namespace gost34704
