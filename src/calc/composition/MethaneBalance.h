// Closing the composition to 100 mol % (GOST 31371.7-2020): methane as the difference between 100 mol %
// and the other components, or the normalisation of the measured components.
#pragma once

#include <vector>

#include "calc/CalcSettings.h"
#include "data/ComponentResult.h"

// "Tarvel/clcMethaneDiff" on: the methane rows are removed and a new row "methane" is appended with
// 100 mol % less the molar fractions of the rows not below their lower limit (fixed rows included).
// Off: the rows that are not fixed and not below their lower limit are normalised to 100 mol % less the
// fixed rows; rows below their lower limit keep their value. rawFraction is never changed.
void BalanceMethane(const CalcSettings& settings, std::vector<ComponentResult>& table);
