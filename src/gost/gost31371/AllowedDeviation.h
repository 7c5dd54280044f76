// The allowed relative standard deviation of peak areas by molar fraction, and the critical-range factors
// of ISO 5725-6 that turn it into limits for ranges of n results (GOST 31371.7-2020 acceptability and
// control of the calibration).
#pragma once

namespace gost31371 {

// Allowed relative standard deviation of the areas, %, for a molar fraction (mol %) by the bands in force;
// 0 for a fraction not above zero, above 100 mol %, not finite or in no band. The built-in bands are
// listed in Norms.cpp.
double AllowedRelativeDeviationPct(double moleFractionPct);

// Critical-range factor f(n) at the 95 % level for n results in force (built in: ISO 5725-6:1994 Table 1,
// n = 2 … 20); 0 for any other n.
double CriticalRangeFactor(int n);

} // namespace gost31371
