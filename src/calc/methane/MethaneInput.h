// The composition as the methane-number library (GOST 34704-2020) takes it: the component table with the
// hydrocarbons heavier than the pentanes lumped into the pseudo-component C6+, which the standard treats
// as one component, and the array of molar fractions built from it.
#pragma once

#include <vector>

#include "data/ComponentResult.h"
#include "gost/gost34704/include/Tarvel3470420Types.h"

// A copy of the rows with every row heavier than n_pentane (molar-mass table) removed and summed into a
// row "c6plus" (molar fraction and area summed; retention time and height of the first such row),
// appended at the end also when no row joined it.
std::vector<ComponentResult> LumpHeavyHydrocarbons(const std::vector<ComponentResult>& rows);

// One record per row, in row order: identifier (at most 63 characters) and molar fraction, mol %.
std::vector<Fraction_t> MakeMolarFractions(const std::vector<ComponentResult>& rows);
