// The chromatograms a calibration works on: choosing one batch of calibration or control chromatograms
// of a reference mixture from the chromatogram list, and recording the ones a calibration used.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "calc/CalcContext.h"
#include "data/Assay.h"

// Largest batches taken: 5 chromatograms for methods А and Б and for the control, 7 for methods В.
inline constexpr size_t kOneMixtureBatchMaximum = 5;
inline constexpr size_t kTwoMixturesBatchMaximum = 7;
inline constexpr size_t kControlBatchMaximum = 5;

// The ids of the included chromatograms of the role whose mixture is exactly mixtureName, in list order,
// from one batch: chromatograms added in one action share a group stamp, and a match with another stamp
// than the match before it starts the collection anew. Collecting stops at maximum. The result is thus
// the first full batch of one stamp, or else the matches of the last stamp met.
std::vector<int64_t> SelectCalibrationAssays(const CalcContext& context, std::u16string_view mixtureName,
                                             AssayRole role, size_t maximum);

// Adds the chromatograms of a window that a calibration used to context.calibrationAssays.
void AddCalibrationAssays(CalcContext& context, std::span<const int64_t> window);
