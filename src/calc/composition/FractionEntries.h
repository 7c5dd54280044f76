// Arrays of FractionEntry, the records in which the calculation library of GOST 31371.7-2020 takes the
// molar fractions or uncertainties of the components for methane by difference, its uncertainty and the
// normalisation.
#pragma once

#include <string_view>
#include <vector>

#include "gost/gost31371/include/Tarvel31371720.h"

using FractionEntries = std::vector<FractionEntry>;

// An entry holding the identifier, cut to the 63 code units the field takes before its terminator, and
// the value. An empty identifier leaves the field all zero.
FractionEntry MakeFractionEntry(std::u16string_view componentId, double value);
