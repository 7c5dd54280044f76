// Which records of the context an export writes, shared by the JSON, XML and TXT exports and the
// report.
#pragma once

struct Assay;
struct CalcContext;

// The chromatogram took part in the last calculation: it is one of the calibration chromatograms the
// last calibration used or one of the analysis chromatograms of the last composition.
bool TookPartInLastCalculation(const CalcContext& context, const Assay& assay);
