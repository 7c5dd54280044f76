#include "output/ExportSelection.h"

#include <algorithm>

#include "calc/CalcContext.h"

bool TookPartInLastCalculation(const CalcContext& context, const Assay& assay) {
    if (context.calibrationAssays.contains(assay.id)) {
        return true;
    }
    return std::any_of(context.measurements.begin(), context.measurements.end(),
                       [&assay](const Measurement& measurement) { return measurement.assayId == assay.id; });
}

std::u16string_view FileNameOfPath(std::u16string_view path) {
    const size_t separator = path.find_last_of(u"\\/");
    return separator == std::u16string_view::npos ? path : path.substr(separator + 1);
}
