// Calibration by one reference mixture, methods А and Б of GOST 31371.7-2020: three consecutive
// calibration chromatograms of the mixture give each component a calibration factor K, judged by the
// rate of acceptability of the three factors.
#pragma once

#include <cstdint>

#include "calc/CalcContext.h"

// Method А (c6plusMode off: С6, С7, С8) or Б (on: С6+, and С6+* when the mixture certifies it). Takes the
// first window of three chromatograms in which every component passes; without one, the last window's
// results stay and calibrationOk is false. Returns 0, or -1 without a mixture (message 298) or with fewer
// than three calibration chromatograms (message 112). Raises DataBase::SqlException.
int32_t CalibrateOneMixture(CalcContext& context, bool c6plusMode);
