// The component table from the measurements: one row per component with the mean of the two successive
// measurements X1 and X2 of a laboratory chromatograph and their difference (GOST 31371.7-2020), or the
// single measurement of a process chromatograph.
#pragma once

#include <vector>

#include "calc/Measurement.h"

// Appends the rows to table. One measurement: a row per peak, x1 its fraction, x2 = 0, difference |x1|.
// Two: a row per peak of the first, with the means of time, area, height and fractions when the second
// has a peak (a time missing from one peak is the other's) of the same identifier (x1, x2 the two fractions,
// difference |x1 - x2|) or the first's values otherwise (x2 = 0, difference |x1|); then a row per peak of the
// second without a namesake in the first (x1 = 0, x2 its fraction, difference |x2|). Further measurements are
// not read.
void CombineMeasurements(const std::vector<Measurement>& measurements, std::vector<ComponentResult>& table);
