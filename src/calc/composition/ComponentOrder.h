// The order of the component table: by ascending molar mass, as GOST 31369-2021 (ISO 6976:2016) lists
// the components.
#pragma once

#include <vector>

#include "data/ComponentResult.h"

// Stable: rows of equal molar mass (n_butane and 2_methylpropane, the pentanes, the hexanes) keep their
// relative order, the order of retention. Identifiers without a molar mass (0) come first.
void SortByMolarMass(std::vector<ComponentResult>& table);
