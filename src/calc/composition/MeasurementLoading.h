// The measurements of the composition: the peaks of each selected analysis chromatogram, the heavy
// hydrocarbons grouped as the calibration method determines them, and their molar fractions.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "calc/CalcContext.h"
#include "calc/composition/PeakConcentrations.h"
#include "data/HeavyGrouping.h"

// The grouping of the method the calibration was computed by: С6+ for Б (1) and В2 (3), С6/С7/С8 for
// the others.
HeavyGroupMode HeavyGroupModeOf(int32_t calibrationKind);

// Appends one Measurement per assay id, in order: its peaks read (with the pressure correction of
// "Tarvel/clcPressure"), grouped and converted to molar fractions. Returns 0, or a failure status of the
// peak loading unchanged. Raises DataBase::SqlException.
int32_t LoadMeasurements(const CalcContext& context, std::span<const int64_t> assayIds,
                         C6PlusFactor c6plusFactor, std::vector<Measurement>& measurements);
