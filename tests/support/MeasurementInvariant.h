// What a green run must never do: lose a measured amount without a word. Every peak of an analysis
// chromatogram taken into the composition whose area is above zero contributes to a row of the
// composition or is named in the journal (unidentified, outside the method's scope, not calibrated, ...);
// every component certified (above zero) by a mixture whose calibration chromatograms the calibration
// used is calibrated, or named in the journal. Methane by difference and the conditionally constant
// components are the user's own choice and count as accounted for.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "calc/CalcContext.h"
#include "data/HostSources.h"

namespace testsupport {

// The host's rows behind a finished run, as the host stores them.
struct HostRowsOfRun {
    // The peaks of each analysis chromatogram the composition took, by assay id.
    std::vector<std::pair<int64_t, std::vector<HostPeakRow>>> analyses;
    // The certified components of each mixture of the calibration chromatograms used, by name.
    std::vector<std::pair<std::u16string, std::vector<HostCertifiedRow>>> calibrationMixtures;
};

// Reads them through the context's sources (the host's database or a test's rows).
HostRowsOfRun ReadHostRowsOfRun(const CalcContext& context);

// One line (UTF-8) for each peak or certified component the finished run lost; empty when none.
std::vector<std::string> LostMeasurements(const CalcContext& context, const HostRowsOfRun& rows);

} // namespace testsupport
