// Statistics of the peak areas of one component over consecutive chromatograms, as GOST 31371.7-2020
// judges them: the relative standard deviation (method В calibration) and the relative range (control).
#pragma once

#include <span>

namespace gost31371 {

// Areas can be judged when there are at least two, every one finite and not negative, and their mean is
// above zero.
bool AreJudgeable(std::span<const double> areas);

// Arithmetic mean; 0 for no areas.
double Mean(std::span<const double> values);

// s / mean · 100 %, s the sample standard deviation (n − 1 in the denominator); 0 when not judgeable.
double RelativeStandardDeviationPct(std::span<const double> areas);

// (max − min) / mean · 100 %; 0 when not judgeable.
double RelativeRangePct(std::span<const double> areas);

} // namespace gost31371
