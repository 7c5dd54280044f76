#include "calc/calibration/WindowAreas.h"

#include "calc/ContextLoading.h"
#include "data/HeavyGrouping.h"
#include "data/PeakLoading.h"

std::vector<AreaSeries> LoadWindowAreas(const CalcContext& context, std::span<const int64_t> window,
                                        bool c6plusMode) {
    return LoadWindowAreas(context, context.sources, window, c6plusMode);
}

std::vector<AreaSeries> LoadWindowAreas(const CalcContext& context, const HostSources& sources,
                                        std::span<const int64_t> window, bool c6plusMode) {
    std::vector<AreaSeries> series;
    LoadAreaSeries(sources, context.aliases, LibraryAreaCorrection(context.settings), window, series);
    GroupHeavyAreas(series, c6plusMode ? HeavyGroupMode::C6Plus : HeavyGroupMode::C6C7C8);
    return series;
}

double MeanArea(const AreaSeries& series, size_t firstSlot, size_t count) {
    double sum = 0.0;
    for (size_t slot = firstSlot; slot < firstSlot + count; ++slot) {
        sum += series.areas[slot];
    }
    return sum / static_cast<double>(count);
}
