// Which analysis chromatograms the composition takes: two successive measurements of a laboratory
// chromatograph, one of a process chromatograph (GOST 31371.7-2020).
#pragma once

#include <cstdint>
#include <vector>

#include "calc/CalcContext.h"

// 2 when "Tarvel/clcDeviceType" is 0 (laboratory chromatograph), else 1.
int32_t MeasurementsNeeded(const CalcSettings& settings);

// The first included chromatograms of the analysis role in list order, up to the number needed, into
// assayIds. Status 0; -777 when none qualifies (nothing recorded); -1 with message 276 (the number
// needed) when fewer than needed qualify.
int32_t SelectAnalysisAssays(CalcContext& context, std::vector<int64_t>& assayIds);
