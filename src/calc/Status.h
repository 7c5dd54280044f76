// Statuses of the calculation stages. 0 is success; the journal carries the explanation of every
// failure, the status only decides the message box.
#pragma once

#include <cstdint>

namespace Status {
inline constexpr int32_t Ok = 0;
inline constexpr int32_t Failed = -1;             // missing or insufficient input, or a failed check
inline constexpr int32_t CalibrationFailed = -13; // some component failed its calibration checks
inline constexpr int32_t SumOutOfRange = -20;     // the molar fractions do not sum to 98..102 %
inline constexpr int32_t Repeatability = -23;     // a component failed the acceptability of X1 and X2
inline constexpr int32_t NoAnalysis = -777;       // no analysis chromatogram: the run ends quietly
} // namespace Status
