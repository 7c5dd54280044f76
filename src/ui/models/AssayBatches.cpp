#include "ui/models/AssayBatches.h"

#include <algorithm>

#include "calc/CalcContext.h"
#include "calc/composition/MeasurementSelection.h"
#include "data/HostQueries.h"

size_t RequiredBatchSize(const CalcSettings& settings, AssayRole role) {
    switch (role) {
    case AssayRole::Calibration:
        return settings.TwoMixtureMethod() ? 5 : 3;
    case AssayRole::Control:
        return 3;
    case AssayRole::Analysis:
        return static_cast<size_t>(MeasurementsNeeded(settings));
    }
    return 0;
}

AddBatchResult AddAssayBatch(CalcContext& context, DataBase::Handle& handle, std::span<const int64_t> ids,
                             AssayRole role, uint32_t groupStamp) {
    for (int64_t id : ids) {
        if (std::any_of(context.assays.begin(), context.assays.end(),
                        [id](const Assay& assay) { return assay.id == id; })) {
            return AddBatchResult::AlreadyListed;
        }
    }
    for (int64_t id : ids) {
        for (Assay& record : QueryAssayRows(handle, id)) {
            record.included = true;
            record.role = static_cast<int32_t>(role);
            record.groupStamp = groupStamp;
            context.assays.push_back(std::move(record));
        }
    }
    return AddBatchResult::Added;
}

size_t RefreshAssayList(CalcContext& context, DataBase::Handle& handle) {
    size_t found = 0;
    for (Assay& assay : context.assays) {
        if (RefreshAssay(handle, assay)) {
            ++found;
        }
    }
    return found;
}
