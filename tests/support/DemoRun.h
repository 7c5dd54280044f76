// The calculation a user makes of the demo database: one calibration method with its calibration and
// control batches, and the first pair of analyses at the first sampling point.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Databases.h"
#include "calc/CalcContext.h"

namespace testsupport {

// The chromatogram list is read from the database the host's address points at; the general assignment
// holds the method's mixtures. The control of the calibration is on; the control of the result is off
// (the analysed gas is no reference mixture).
CalcContext DemoRunContext(const sim::DemoManifest& manifest, int32_t method);

// A calibration of method А alone: the chromatograms of calibrationIds, read from the database the host's
// address points at, as one batch of the general mixture; no control.
CalcContext CalibrationContext(const std::vector<int64_t>& calibrationIds, const std::u16string& mixture);

} // namespace testsupport
