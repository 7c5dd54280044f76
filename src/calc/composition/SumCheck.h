// The sum of the measured molar fractions before normalisation must lie within 98 to 102 mol %
// (GOST 31371.7-2020): a larger deviation reveals an unidentified or wrongly calibrated component.
#pragma once

#include <vector>

#include "calc/CalcContext.h"

inline constexpr double kRawSumLowerMolPct = 98.0;
inline constexpr double kRawSumUpperMolPct = 102.0;

// The sum of rawFraction over all rows. When it lies outside [98, 102] (or is not a number): message 167
// (the sum) and false.
bool CheckRawFractionSum(CalcContext& context, const std::vector<ComponentResult>& table);
