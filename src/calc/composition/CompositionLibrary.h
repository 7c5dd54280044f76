// The calls of the composition into the calculation library of GOST 31371.7-2020. Without the library
// (or one of its entries) a call gives 0 or leaves its entries as they are, the library's own answer for
// "cannot be computed"; the peak loader has then already refused to read a chromatogram.
#pragma once

#include <string>

#include "calc/MethodTable.h"
#include "calc/composition/FractionEntries.h"

// Methods А and Б: the molar fraction, mol %, of a peak area with the mean calibration factor K.
double ConcentrationByFactor(double area, double factorK);
// Methods В1 and В2: the molar fraction, mol %, of a peak area on the calibration line area = a·x + b.
double ConcentrationByLine(double area, double lineA, double lineB);
// 100 mol % less the values of the entries.
double MethaneByDifference(const FractionEntries& entries);
// The expanded uncertainty of methane by difference from the uncertainties of the other components.
double MethaneUncertainty(const FractionEntries& entries);
// Rescales the values of the entries in place so that they sum to totalMolPct.
void NormalizeEntries(FractionEntries& entries, double totalMolPct);
// The absolute expanded uncertainty of x, mol %, by the component's row of the table that holds x; 0
// when the table has no answer.
double TableUncertainty(const MethodTable& table, const std::u16string& componentId, double x);
