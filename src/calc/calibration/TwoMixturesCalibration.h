// Calibration by two reference mixtures per component, methods В1 and В2 of GOST 31371.7-2020.
#pragma once

#include <cstdint>

#include "calc/CalcContext.h"

// Method В1 (c6plusMode off: С6, С7, С8) or В2 (on: С6+). Calibrates every mixture assignment in list
// order, the general one included; an assignment without its first or second mixture gets message 299
// or 300 and no result. Returns 0 when there is a result and every result passed (calibrationOk), else
// -1. Raises DataBase::SqlException.
int32_t CalibrateTwoMixtures(CalcContext& context, bool c6plusMode);
