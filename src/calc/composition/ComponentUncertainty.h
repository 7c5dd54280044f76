// The absolute expanded uncertainty of the molar fractions by the table of metrological characteristics
// of the method (GOST 31371.7-2020), with its fall-backs, and of methane by difference from the
// uncertainties of the other components.
#pragma once

#include <string>
#include <vector>

#include "calc/CalcContext.h"

// The uncertainty of x, mol %, for one component:
// 1. the library's answer from the table of "Tarvel/clbrCalcMethod";
// 2. when that is zero, with the extended range of method Б and 0.001 <= x <= 0.005: the answer from
//    the table of method А;
// 3. when "Tarvel/clcCtlRange" is off: a·x + b of the component's row with the greatest lower bound
//    above zero (0 without such a row), whatever 1 and 2 gave;
// 4. when still zero: message 243 (name, x, range) when the table has the component and x is not at or
//    below its upper bound, message 244 (name) when it has no row of the component.
double UncertaintyByMethod(CalcContext& context, const std::u16string& componentId, double x);

// rawUncertainty of every row that is not fixed (nor methane by difference) from its rawFraction; then,
// with methane by difference, methane's from the rawUncertainty of every row (its own as 0).
void ComputeRawUncertainty(CalcContext& context, std::vector<ComponentResult>& table);

// uncertainty from molarFraction. Methane by difference: every row not fixed, accepted and not methane;
// then, when the acceptability check passed, methane's from the uncertainty of every row. Otherwise, only
// when the check passed, every row that is not fixed. Fixed rows keep the uncertainty given.
void ComputeUncertainty(CalcContext& context, std::vector<ComponentResult>& table, bool repeatabilityPassed);
