// The peak areas of one component over a fixed number of chromatograms, as the calibration and its checks
// read them: 3 slots for methods А and Б and for control, 5 for the acceptability check of method В,
// 10 for method В (slots 0-4 the first reference mixture, 5-9 the second).
#pragma once

#include <array>
#include <cstddef>
#include <string>

inline constexpr size_t kAreaSeriesSlots = 10;

struct AreaSeries {
    std::u16string id;                            // component identifier
    std::array<double, kAreaSeriesSlots> areas{}; // slots beyond those in use stay 0
};
