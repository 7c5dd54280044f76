#include "calc/calibration/TwoMixturesCalibration.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calc/MethodTable.h"
#include "calc/Status.h"
#include "calc/calibration/AssignmentCalibration.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "text/StringTable.h"

namespace {
// The general assignment serves all components and is named "*" in the journal.
std::u16string AssignmentName(const CalcContext& context, const ComponentMixtures& assignment) {
    if (assignment.component.empty()) {
        return u"*";
    }
    return DisplayNameForComponent(context.aliases, assignment.component);
}
} // namespace

int32_t CalibrateTwoMixtures(CalcContext& context, bool c6plusMode) {
    context.calibration.clear();
    // With no assignment at all the calibration cannot run; the run fails, and the journal says why
    // (as it does for methods А and Б) instead of leaving the user with an unexplained error.
    if (context.mixtures.empty()) {
        AddMessage(context, JournalCategory::Calib, StringId::NoCalibrationMixture, {});
    }
    // An assignment that cannot be carried out fails the run: the components it was meant to calibrate
    // would otherwise come out as 0 under a passed calibration.
    bool allCarriedOut = true;
    std::vector<const ComponentMixtures*> complete;
    for (const ComponentMixtures& assignment : context.mixtures) {
        const std::u16string name = AssignmentName(context, assignment);
        if (assignment.first.empty()) {
            AddMessage(context, JournalCategory::Calib, StringId::NoFirstCalibrationMixture, {name});
        }
        if (assignment.second.empty()) {
            AddMessage(context, JournalCategory::Calib, StringId::NoSecondCalibrationMixture, {name});
        }
        if (assignment.first.empty() || assignment.second.empty()) {
            allCarriedOut = false;
        } else {
            complete.push_back(&assignment);
        }
    }
    // The assignments named for one component first, the general ones after them: the general
    // assignment only fills in the lines the named ones did not give, wherever the user listed it.
    std::stable_partition(complete.begin(), complete.end(),
                          [](const ComponentMixtures* assignment) { return !assignment->component.empty(); });
    for (const ComponentMixtures* assignment : complete) {
        if (CalibrateAssignment(context, c6plusMode, assignment->first, assignment->second, *assignment) !=
            Status::Ok) {
            allCarriedOut = false;
        }
    }
    context.calibrationKind = c6plusMode ? kMethodC2 : kMethodC1;
    context.calibrationOk = allCarriedOut && !context.calibration.empty() &&
                            std::all_of(context.calibration.begin(), context.calibration.end(),
                                        [](const CalibrationResult& result) { return result.isok; });
    return context.calibrationOk ? Status::Ok : Status::Failed;
}
