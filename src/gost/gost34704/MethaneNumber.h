// The whole calculation of GOST 34704-2020 for a gas given by its molar fractions, and step 8: the
// correction of the simplified mixture's methane number for carbon dioxide.
#pragma once

#include "gost/gost34704/include/Tarvel3470420Types.h"

namespace gost34704 {

struct MethaneNumberResult {
    int status;               // a status value of Calc3470420
    double simplifiedMixture; // methane number of the simplified mixture
    double motorFuel;         // methane number of the gas motor fuel
};

MethaneNumberResult CalculateMethaneNumber(const Fraction_t* molarFractions, unsigned int count);

// The correction for carbon dioxide, added to the methane number of the simplified mixture: the inert
// diagram at x = 100·S/(S + C), y = 100·C/(S + C) less its value at (100, 0), S the simplified mixture
// and C carbon dioxide, both in volume % before normalisation. Nitrogen and the other gases set aside
// take no part (EN 16726 Annex A, the nitrogen-free basis that reproduces its validation examples).
double CarbonDioxideCorrection(double simplifiedTotal, double carbonDioxide);

} // namespace gost34704
