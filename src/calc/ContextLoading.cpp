#include "calc/ContextLoading.h"

#include "calc/CalcContext.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/bindings/LibraryLoading.h"
#include "data/MixtureLoading.h"
#include "data/PeakLoading.h"

namespace {
// The factor of the metering pressure against the reference conditions at 20 °C. Both raise
// CalculationLibraryMissing when the GOST 31371.7-2020 library cannot be had.
double LibraryPressureFactor(double pressureKPa) {
    return RequireEntry(Gost31371().CalcRQRate, kGost31371Library)(pressureKPa, 20.0);
}

double LibraryCorrectedArea(double area, double factor) {
    return RequireEntry(Gost31371().CalcNormArea, kGost31371Library)(area, factor);
}
} // namespace

AreaCorrection LibraryAreaCorrection(const CalcSettings& settings) {
    return AreaCorrection{settings.clcPressure, &LibraryPressureFactor, &LibraryCorrectedArea};
}

int32_t LoadMixture(const CalcContext& context, std::u16string_view mixtureName,
                    std::vector<MixtureComponent>& components) {
    return LoadMixture(context.sources, context.aliases, mixtureName, components);
}

int32_t LoadAssayPeaks(const CalcContext& context, int64_t assayId, std::vector<ComponentResult>& peaks,
                       std::vector<HostPeakRow>* unnamed) {
    return LoadAssayPeaks(context.sources, context.aliases, LibraryAreaCorrection(context.settings), assayId,
                          peaks, unnamed);
}

int32_t LoadAreaSeries(const CalcContext& context, std::span<const int64_t> assayIds,
                       std::vector<AreaSeries>& series) {
    return LoadAreaSeries(context.sources, context.aliases, LibraryAreaCorrection(context.settings), assayIds,
                          series);
}
