// The calibration stage of the pipeline (GOST 31371.7-2020, methods А, Б, В1, В2), with the control of
// the calibration when it is asked for.
#include "calc/Stages.h"

#include <algorithm>

#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationControl.h"
#include "calc/calibration/CalibrationOrder.h"
#include "calc/calibration/OneMixtureCalibration.h"
#include "calc/calibration/TwoMixturesCalibration.h"
#include "calc/journal/ContextJournal.h"
#include "text/StringTable.h"

int32_t RunCalibration(CalcContext& context) {
    const int32_t method = context.settings.clbrCalcMethod;
    const bool knownMethod = method >= static_cast<int32_t>(CalibrationMethod::A) &&
                             method <= static_cast<int32_t>(CalibrationMethod::C2);
    // Every step below calls the GOST 31371.7 library; without it nothing can be calibrated or
    // controlled.
    if ((knownMethod || context.settings.clbrControl) && !Gost31371().loaded) {
        return Status::Failed;
    }

    int32_t status = Status::Ok;
    switch (method) {
    case static_cast<int32_t>(CalibrationMethod::A):
        status = CalibrateOneMixture(context, false);
        break;
    case static_cast<int32_t>(CalibrationMethod::B):
        status = CalibrateOneMixture(context, true);
        break;
    case static_cast<int32_t>(CalibrationMethod::C1):
        status = CalibrateTwoMixtures(context, false);
        break;
    case static_cast<int32_t>(CalibrationMethod::C2):
        status = CalibrateTwoMixtures(context, true);
        break;
    default:
        break; // no calibration
    }

    if (status == Status::Ok && context.settings.clbrControl) {
        status = RunCalibrationControl(context, IsC6PlusMethod(method));
    }

    SortCalibrationByMolarMass(context.calibration);

    const bool anyFailed = std::any_of(context.calibration.begin(), context.calibration.end(),
                                       [](const CalibrationResult& result) { return !result.isok; });
    if (anyFailed) {
        AddMessage(context, JournalCategory::Calib, StringId::SomeCalibrationResultsFailed);
        return Status::CalibrationFailed;
    }
    return status;
}
