// Which records of the context an export writes, shared by the JSON, XML and TXT exports and the
// report.
#pragma once

#include <string>
#include <string_view>

struct Assay;
struct CalcContext;
struct CalcSettings;

// The chromatogram took part in the last calculation: it is one of the calibration chromatograms the
// last calibration used or one of the analysis chromatograms of the last composition.
bool TookPartInLastCalculation(const CalcContext& context, const Assay& assay);

// The stored calibration was made from two mixtures (methods В1 and В2 of GOST 31371.7-2020).
bool IsTwoMixtureCalibration(const CalcContext& context);

// The chromatograph is a laboratory one (two analysis chromatograms per result).
bool IsLaboratoryChromatograph(const CalcSettings& settings);

// The last component of a file path: the text after the last "\" or "/".
std::u16string_view FileNameOfPath(std::u16string_view path);
