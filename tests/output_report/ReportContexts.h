// Hand-made calculation contexts for the report tests: a typical pipeline gas (about 94 mol % methane)
// after a calibration by method А and a laboratory analysis, with everything the report shows.
#pragma once

#include <cstdint>

#include "calc/CalcContext.h"

// Identifiers of the chromatograms of the pipeline-gas context.
inline constexpr int64_t kCalibrationAssayIds[] = {101, 102, 103};
inline constexpr int64_t kAnalysisAssayIds[] = {201, 202};
inline constexpr int64_t kUnusedAssayId = 301;  // in the list, but not taken into the calculation
inline constexpr int64_t kControlAssayId = 401; // control chromatogram used by the calibration

// 2023-05-17 08:30:00 UTC, the time of the analysis chromatograms.
inline constexpr int64_t kAnalysisTime = 1684312200;

CalcContext PipelineGasContext();

// The same gas calibrated by method В1 (two mixtures) with the calibration control on.
CalcContext TwoMixtureContext();
