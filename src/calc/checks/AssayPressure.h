// The atmospheric pressure that the correction of peak areas needs ("Tarvel/clcPressure"): the areas of a
// chromatogram without a usable pressure cannot be brought to the standard pressure, and leaving them
// uncorrected beside corrected ones would bias the result silently.
#pragma once

#include <cstdint>
#include <span>

#include "calc/CalcContext.h"

// Whether the chromatograms of ids can take part in a run. With the correction off every chromatogram
// can. With it on, each entry of the chromatogram list among ids whose atmospheric pressure is not above
// zero (or is not a number) is named in the journal under category, once per run, and the result is
// false.
bool PressuresUsable(CalcContext& context, std::span<const int64_t> ids, uint32_t category);
