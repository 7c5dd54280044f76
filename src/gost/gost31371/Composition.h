// Composition by GOST 31371.7-2020: methane by difference and its uncertainty, normalisation of molar
// fractions.
#pragma once

#include <span>

#include "gost/gost31371/include/Tarvel31371720.h"

namespace gost31371 {

struct SumResult {
    bool valid;
    double value;
};

// x(CH4) = 100 − Σ x_i over the entries, an entry named "methane" excluded. Invalid when a value is not
// finite. A sum above 100 mol % gives a negative result, returned as it is.
SumResult MethaneByDifferencePct(std::span<const FractionEntry> entries);

// U(CH4) = sqrt(Σ U_i²) over the entries, an entry named "methane" excluded: the uncertainties of the
// other components taken as uncorrelated (GUM, law of propagation for a difference). Invalid when a
// value is not finite.
SumResult MethaneUncertaintyPct(std::span<const FractionEntry> entries);

// Scales the values in place so that they sum to total; returns their sum before scaling. Nothing is
// changed and the result is invalid when the total or the sum is not above zero, a value is negative or not
// finite, or a scaled value would not be finite.
SumResult NormalizeFractions(std::span<FractionEntry> entries, double total);

} // namespace gost31371
