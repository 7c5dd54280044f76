// The stability of the calibration, read after the calibration stage: the earlier calibrations of the
// same method and reference mixtures in the host's database, each component's characteristic computed
// with the same library calls as the calibration, charted against the current calibration.
#pragma once

#include <cstdint>

struct CalcContext;

// Fills context.stability. The general assignment's mixtures are followed (its first mixture for methods
// А and Б, both for В1 and В2); a component with an assignment of its own is not charted. The period is
// the "Tarvel/clbrStabilityDays" days before the current calibration's first chromatogram. When the
// current calibration of a component lies beyond its action limits and "Tarvel/clbrStabilityWarning" is
// on, the journal gets one warning (category CALIB) naming it; the run is not failed. A history that
// cannot be read (no database, a table the host lacks) leaves the stability unread and says nothing:
// the calibration stands on its own checks. Returns 0.
int32_t ReadCalibrationStability(CalcContext& context);
