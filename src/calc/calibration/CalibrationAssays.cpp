#include "calc/calibration/CalibrationAssays.h"

std::vector<int64_t> SelectCalibrationAssays(const CalcContext& context, std::u16string_view mixtureName,
                                             AssayRole role, size_t maximum) {
    std::vector<int64_t> ids;
    bool matchedBefore = false;
    uint32_t previousStamp = 0;
    for (const Assay& assay : context.assays) {
        if (!assay.included || assay.role != static_cast<int32_t>(role) || assay.mixture != mixtureName) {
            continue;
        }
        if (matchedBefore && assay.groupStamp != previousStamp) {
            ids.clear();
        }
        matchedBefore = true;
        previousStamp = assay.groupStamp;
        ids.push_back(assay.id);
        if (ids.size() == maximum) {
            break;
        }
    }
    return ids;
}

void AddCalibrationAssays(CalcContext& context, std::span<const int64_t> window) {
    context.calibrationAssays.insert(window.begin(), window.end());
}
