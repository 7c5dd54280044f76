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
