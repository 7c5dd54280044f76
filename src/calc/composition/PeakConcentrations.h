// Molar fractions of the peaks of one analysis chromatogram from the calibration in the context: by the
// mean calibration factor K (methods А and Б) or by the calibration line area = a·x + b (methods В1 and
// В2) of GOST 31371.7-2020.
#pragma once

#include <vector>

#include "calc/CalcContext.h"

// Which calibration result a peak "c6plus" uses: its own, or in the second component table of method Б
// the result "c6plusstar" (С6+ calibrated by the second reference value).
enum class C6PlusFactor {
    C6Plus,
    C6PlusStar,
};

// The calibration line of a peak for methods В1 and В2: the first result of the component; for carbon
// dioxide, nitrogen and oxygen not treated as linear (with "Tarvel/clbrCalcMethod" 2 or 3) the
// low-range line (conc1 and conc2 both in [0.005, 0.025] mol %) while the area is not above
// a·0.025 + b of that line, else the first result with both concentrations outside that range. Null when
// the line needed is missing.
const CalibrationResult* CalibrationLineFor(const CalcContext& context, const ComponentResult& peak);

// What the calibration gives for a peak: its molar fraction, no calibration result of its component at
// all, or a result that cannot give one (a missing low-range or normal line, a factor or slope that is
// zero, negative or not finite, a fraction that is not finite).
enum class PeakCalibrationState {
    Computed,
    NoResult,
    NotComputable,
};

struct PeakCalibration {
    PeakCalibrationState state = PeakCalibrationState::NoResult;
    double molPct = 0.0; // the molar fraction when computed, else 0
};

// The molar fraction of one peak by the method the context's calibration was computed by
// (calibrationKind); any other method has no result for any peak.
PeakCalibration CalibratedConcentration(const CalcContext& context, const ComponentResult& peak,
                                        C6PlusFactor c6plusFactor);

// Writes each peak's molar fraction into both molarFraction and rawFraction by the method the context's
// calibration was computed by (calibrationKind); a peak whose fraction is not computed keeps 0 (the
// composition names such peaks and fails, see PeakFindings.h).
void ComputePeakConcentrations(const CalcContext& context, std::vector<ComponentResult>& peaks,
                               C6PlusFactor c6plusFactor);
