// Acceptability of the calibration areas of methods В1 and В2 (GOST 31371.7-2020): the peak areas of
// five consecutive calibration chromatograms of a reference mixture must be repeatable enough before a
// calibration line is drawn through them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "calc/CalcContext.h"
#include "data/AreaSeries.h"

inline constexpr size_t kCalibrationAreaWindow = 5; // chromatograms of one mixture judged together

// Tries the windows ids[w] … ids[w+4] in order. Each window's areas go into the slots firstSlot …
// firstSlot+4 of the combined ten-slot list (a component not yet in it is appended with zero slots; the
// slots from firstSlot on are cleared first); each component whose areas fail the library's
// CalibrationCheck gets message 287. The first window where none fails is taken: its index goes to
// window and the result is true. With fewer than five ids, or when no window passes, the result is false
// and the combined list keeps the last window tried. Raises DataBase::SqlException.
bool CheckCalibrationAreas(std::span<const int64_t> ids, size_t count, CalcContext& context,
                           std::u16string_view mixtureName, bool c6plusMode,
                           std::vector<AreaSeries>& combined, size_t firstSlot, size_t& window);
