// Control of the calibration ("Tarvel/clbrControl", GOST 31371.7-2020): the control chromatograms of the
// calibration mixtures measured against the finished calibration.
#pragma once

#include <cstdint>

#include "calc/CalcContext.h"

// Controls the first mixture of the general assignment and, for methods В1 and В2, of every assignment
// of a component, all of them even after a failure. calibrationOk becomes whether all passed. Returns 0,
// or -1 with message 182. c6plusMode is on for methods Б and В2. Raises DataBase::SqlException.
int32_t RunCalibrationControl(CalcContext& context, bool c6plusMode);
