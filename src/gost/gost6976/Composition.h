// The checked input of a calculation: the reference conditions as table columns, and the gas as rows of
// the table of component constants with their molar fractions and standard uncertainties.
#pragma once

#include <cstdint>
#include <vector>

#include "gost/gost6976/include/Tarvel3136921.h"

namespace gost6976 {

struct Conditions {
    double pressureKPa = 0.0;    // metering pressure p2
    int32_t meteringIndex = 0;   // column of the summation factors, 0..3
    int32_t combustionIndex = 0; // column of the calorific values, 0..4
};

struct Gas {
    std::vector<const PropertyConstantsRow*> rows; // one per entry, in entry order
    std::vector<double> fraction;                  // x_j, mol/mol
    std::vector<double> uncertainty;               // u(x_j), mol/mol
};

// Status3136921 as int32_t: the indices within their ranges, the pressure within the method's range.
int32_t ReadConditions(double pressureKPa, int32_t meteringIndex, int32_t combustionIndex,
                       Conditions& conditions);

// Status3136921 as int32_t: every identifier known (directly or through its representative), every
// fraction in [0, 1], every uncertainty finite and not negative, the fractions summing to one within
// ±0.05 (a guard against fractions passed in mol %).
int32_t ReadGas(const void* table, int32_t rowCount, const PropertyEntry* entries, int32_t count, Gas& gas);

// Status3136921 as int32_t: the raw entries of the normalised correlation mode name the same components
// in the same order as the final ones, with finite non-negative amounts of positive sum and finite
// non-negative uncertainties. The amounts may be in any unit; normalisation removes it.
int32_t ReadRawAmounts(const PropertyEntry* raw, const PropertyEntry* final, int32_t count,
                       std::vector<double>& amount, std::vector<double>& uncertainty);

} // namespace gost6976
