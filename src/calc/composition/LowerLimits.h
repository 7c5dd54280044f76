// The lower limit of the measuring range of each measured component in the table of metrological
// characteristics of the method (GOST 31371.7-2020); a fraction below it is reported as "< limit".
#pragma once

#include <vector>

#include "calc/CalcSettings.h"
#include "data/ComponentResult.h"

// For each row that is not fixed (and not methane when methane is by difference): lowerLimit = the
// smallest lower bound of the component's rows in the table of "Tarvel/clbrCalcMethod" (0 when it has
// none). With the extended range of method Б ("Tarvel/clcExtRange", method 1) the smaller of that and the
// component's lower bound in the table of method А, when method А has the component.
void AssignLowerLimits(const CalcSettings& settings, std::vector<ComponentResult>& table);

// The row is methane determined by difference ("Tarvel/clcMethaneDiff"), which has no measuring range.
bool IsMethaneByDifference(const CalcSettings& settings, const ComponentResult& row);

// The row's molar fraction lies below the lower limit of its measuring range.
bool IsBelowLowerLimit(const ComponentResult& row);
