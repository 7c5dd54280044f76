// Lookups in a certified composition (a list read by LoadMixture).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "data/MixtureComponent.h"

struct MixtureConcentration {
    bool found = false;
    double concentration = 0.0; // certified molar fraction, mol %; 0 when not found
    int32_t decimals = -1;      // qty_sym_conc of the component; -1 when not found
};

// The first component named componentId. A group that the mixture does not certify is represented by its
// normal alkane, as reference mixtures certify it: С6 and С6+ by n-hexane, С7 by n-heptane, С8 by
// n-octane.
MixtureConcentration FindMixtureConcentration(const std::vector<MixtureComponent>& components,
                                              std::u16string_view componentId);

// Whether a component is named exactly componentId.
bool MixtureHasComponent(const std::vector<MixtureComponent>& components, std::u16string_view componentId);
