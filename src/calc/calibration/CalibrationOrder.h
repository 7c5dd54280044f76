// The order of the calibration table: by the molar mass of the component, lightest first.
#pragma once

#include <vector>

#include "calc/CalibrationResult.h"

// Sorts by ascending molar mass (the molar-mass table of the components; 0 for an identifier it does
// not know). Results of equal molar mass always keep their relative order.
void SortCalibrationByMolarMass(std::vector<CalibrationResult>& calibration);
