// Acceptability of the two successive measurements X1 and X2 of a laboratory chromatograph
// (GOST 31371.7-2020): their difference must stay below 1.4 times the expanded uncertainty of the mean.
#pragma once

#include <vector>

#include "calc/CalcContext.h"

// |X1 - X2| < 1.4·U with U the expanded uncertainty (k = 2): 1.4·U = 2.8·u, the critical range f(2) = 2.8
// of ISO 5725-6 for two results.
inline constexpr double kAcceptLimitFactor = 1.4;

// Sets accepted on every row and returns whether all are. A process chromatograph ("Tarvel/clcDeviceType"
// not 0) accepts every row. Otherwise fixed rows, rows below their lower limit and methane by difference
// are accepted unchecked; any other row gets acceptLimit = 1.4 × rawUncertainty and is accepted only when
// acceptLimit > difference, else message 292 (name, difference, acceptLimit).
bool CheckRepeatability(CalcContext& context, std::vector<ComponentResult>& table);
