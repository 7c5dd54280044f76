#include "calc/calibration/CalibrationControl.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calc/Status.h"
#include "calc/calibration/ControlMixture.h"
#include "calc/journal/ContextJournal.h"
#include "text/StringTable.h"

namespace {
// The components that have an assignment of their own, each once, in order of first appearance.
std::vector<std::u16string> ComponentsWithOwnAssignment(const CalcContext& context) {
    std::vector<std::u16string> components;
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (!assignment.component.empty() &&
            std::find(components.begin(), components.end(), assignment.component) == components.end()) {
            components.push_back(assignment.component);
        }
    }
    return components;
}

} // namespace

int32_t RunCalibrationControl(CalcContext& context, bool c6plusMode) {
    const std::vector<std::u16string> ownAssignments = ComponentsWithOwnAssignment(context);
    const bool componentAssignmentsControlled = IsTwoMixtureMethod(context.settings.clbrCalcMethod);
    bool ok = true;
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (assignment.first.empty()) {
            continue;
        }
        if (!assignment.component.empty() && !componentAssignmentsControlled) {
            continue;
        }
        const bool passed = ControlMixture(context, c6plusMode, assignment.first, assignment, ownAssignments);
        ok = ok && passed;
    }
    // A calibration that failed on its own stays failed whatever the control says.
    context.calibrationOk = context.calibrationOk && ok;
    if (!ok) {
        AddMessage(context, JournalCategory::Calib, StringId::CalibrationControlFailed);
        return Status::Failed;
    }
    return Status::Ok;
}
