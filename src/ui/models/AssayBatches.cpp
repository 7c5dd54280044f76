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

uint32_t NextGroupStamp(const CalcContext& context, uint32_t now) {
    uint32_t stamp = now;
    while (std::any_of(context.assays.begin(), context.assays.end(),
                       [stamp](const Assay& assay) { return assay.groupStamp == stamp; })) {
        ++stamp;
    }
    return stamp;
}

size_t DeleteBatches(CalcContext& context, std::span<const uint32_t> stamps) {
    const size_t before = context.assays.size();
    std::erase_if(context.assays, [stamps](const Assay& assay) {
        return std::find(stamps.begin(), stamps.end(), assay.groupStamp) != stamps.end();
    });
    return before - context.assays.size();
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
