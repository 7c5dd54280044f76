#include "DemoRun.h"

#include <vector>

#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"

namespace testsupport {

namespace {
void AddToList(CalcContext& context, DataBase::Handle& handle, const std::vector<int64_t>& ids,
               AssayRole role, uint32_t groupStamp) {
    for (int64_t id : ids) {
        for (Assay& entry : QueryAssayRows(handle, id)) {
            entry.included = true;
            entry.role = static_cast<int32_t>(role);
            entry.groupStamp = groupStamp;
            context.assays.push_back(entry);
        }
    }
}
} // namespace

CalcContext DemoRunContext(const sim::DemoManifest& manifest, int32_t method) {
    const sim::MethodRuns& runs = manifest.methods.at(static_cast<size_t>(method));
    CalcContext context;
    context.settings.clbrCalcMethod = method;
    context.settings.clbrControl = true;
    context.settings.clcControl = false;
    DataBase::Handle handle;
    uint32_t stamp = 1710400000;
    for (const auto& batch : runs.calibration) {
        AddToList(context, handle, batch, AssayRole::Calibration, ++stamp);
    }
    for (const auto& batch : runs.control) {
        AddToList(context, handle, batch, AssayRole::Control, ++stamp);
    }
    const std::vector<int64_t>& analyses = manifest.analyses[0];
    AddToList(context, handle, {analyses[0], analyses[1]}, AssayRole::Analysis, ++stamp);

    ComponentMixtures general;
    general.first = runs.mixtures.at(0).name;
    general.firstType = static_cast<int32_t>(runs.mixtures.at(0).type);
    if (runs.mixtures.size() > 1) {
        general.second = runs.mixtures[1].name;
        general.secondType = static_cast<int32_t>(runs.mixtures[1].type);
    }
    context.mixtures.push_back(general);
    return context;
}

CalcContext CalibrationContext(const std::vector<int64_t>& calibrationIds, const std::u16string& mixture) {
    CalcContext context;
    context.settings.clbrCalcMethod = 0;
    context.settings.clbrControl = false;
    DataBase::Handle handle;
    AddToList(context, handle, calibrationIds, AssayRole::Calibration, 1);
    ComponentMixtures general;
    general.first = mixture;
    context.mixtures.push_back(general);
    return context;
}

} // namespace testsupport
