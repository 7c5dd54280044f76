// Reading a table of metrological characteristics (GOST 31371.7-2020): the row whose measuring range
// holds a molar fraction, and the expanded uncertainty U = a·x + b that row gives.
#pragma once

#include <cstdint>

#include "gost/gost31371/include/Tarvel31371720.h"

namespace gost31371 {

// The row of the component whose range [lower, upper] holds x (mol %). When two rows hold x (x on a bound
// they share), the row with the smaller lower bound wins: the standard's ranges read "from X to Y
// inclusive" followed by "above Y to Z inclusive". Rows with non-finite or inverted bounds are ignored.
// Null when no row holds x.
const MetrologyRow* RowContaining(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                                  double moleFractionPct);

// Expanded absolute uncertainty (k = 2), mol %, of x by the row that holds it; 0 when no row holds x or
// the row's expression is not above zero there.
double ExpandedUncertaintyPct(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                              double moleFractionPct);

} // namespace gost31371
