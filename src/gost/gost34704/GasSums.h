// Steps 1 and 2 of GOST 34704-2020: the conversion of molar to volume fractions at 0 °C and the
// simplified mixture of methane, ethane, propane and butane equivalents, summed over a gas's rows.
#pragma once

#include "gost/gost34704/Components.h"
#include "gost/gost34704/Diagrams.h"
#include "gost/gost34704/include/Tarvel3470420Types.h"

namespace gost34704 {

// A computed value counts as zero when its magnitude is not above 2^-52.
inline constexpr double kZeroTolerance = 2.220446049250313e-16;

// Z = 1 − s² at 0 °C, 101.325 kPa (ISO 6976:2016, the compression factor of a component from its
// summation factor).
double CompressionFactor0C(const ComponentData& component);

struct GasSums {
    double total = 0.0;                       // Σ weight of every row
    double simplified[kSimplifiedCount] = {}; // Σ weight of the hydrocarbons, butane equivalents
    double carbonDioxide = 0.0;               // Σ weight of carbon dioxide
};

// Sums the rows' weights: x·Z for molar fractions (compress = true), the fraction itself for volume
// fractions. Returns 0, kMethaneNumberInvalidInput (a fraction NaN, infinite or negative) or
// kMethaneNumberUnknownComponent; the sums are complete only when it returns 0.
int SumGas(const Fraction_t* rows, unsigned int count, bool compress, GasSums& sums);

} // namespace gost34704
