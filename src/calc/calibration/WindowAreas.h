// The peak areas of a window of consecutive calibration or control chromatograms, with the heavy
// hydrocarbons grouped as the method calibrates them (GOST 31371.7-2020: С6+ as one pseudo-component for
// methods Б and В2, С6, С7 and С8 for methods А and В1).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "calc/CalcContext.h"
#include "data/AreaSeries.h"

// A fresh list with slot k holding the areas of window[k]. Raises DataBase::SqlException.
std::vector<AreaSeries> LoadWindowAreas(const CalcContext& context, std::span<const int64_t> window,
                                        bool c6plusMode);
// The same, read from sources in place of the context's.
std::vector<AreaSeries> LoadWindowAreas(const CalcContext& context, const HostSources& sources,
                                        std::span<const int64_t> window, bool c6plusMode);

// The mean of count slots from firstSlot on.
double MeanArea(const AreaSeries& series, size_t firstSlot, size_t count);
