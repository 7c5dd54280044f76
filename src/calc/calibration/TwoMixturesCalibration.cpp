#include "calc/calibration/TwoMixturesCalibration.h"

#include <algorithm>

#include "calc/Status.h"
#include "calc/calibration/AssignmentCalibration.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "text/StringTable.h"

namespace {
constexpr int32_t kMethodC1 = 2; // В1
constexpr int32_t kMethodC2 = 3; // В2
} // namespace

int32_t CalibrateTwoMixtures(CalcContext& context, bool c6plusMode) {
    context.calibration.clear();
    // With no assignment at all the calibration cannot run; the run fails, and the journal says why
    // (as it does for methods А and Б) instead of leaving the user with an unexplained error.
    if (context.mixtures.empty()) {
        AddMessage(context, JournalCategory::Calib, StringId::NoCalibrationMixture, {});
    }
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (assignment.first.empty()) {
            AddMessage(context, JournalCategory::Calib, StringId::NoFirstCalibrationMixture,
                       {DisplayNameForComponent(context.aliases, assignment.component)});
        }
        if (assignment.second.empty()) {
            AddMessage(context, JournalCategory::Calib, StringId::NoSecondCalibrationMixture,
                       {DisplayNameForComponent(context.aliases, assignment.component)});
        }
        if (!assignment.first.empty() && !assignment.second.empty()) {
            CalibrateAssignment(context, c6plusMode, assignment.first, assignment.second, assignment);
        }
    }
    context.calibrationKind = c6plusMode ? kMethodC2 : kMethodC1;
    context.calibrationOk = !context.calibration.empty() &&
                            std::all_of(context.calibration.begin(), context.calibration.end(),
                                        [](const CalibrationResult& result) { return result.isok; });
    return context.calibrationOk ? Status::Ok : Status::Failed;
}
