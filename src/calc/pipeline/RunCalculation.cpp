// The calculation run: the stages in their fixed order, stopping at the first that fails. The run adds
// no message of its own; the journal carries the stages' explanations and the status only selects the
// message box. The whole run reads the host's database through one read-only connection, opened by its
// first read and closed when the run ends, with each statement compiled once.
#include "calc/MetrologyTableInForce.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/stability/StabilityStage.h"
#include "data/DataBaseReader.h"

namespace {

bool ChecksCalibrationMixtureRanges(const CalcSettings& settings) {
    return settings.clbrMixtureConformity && settings.TwoMixtureMethod();
}

// Both mixtures of every assignment of methods В1 and В2 against the ranges the analysed gas asks for;
// the first mixture that fails ends the walk (the rest are not checked).
bool CalibrationMixturesSuitGas(CalcContext& context) {
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (!CheckMixtureRanges(context, assignment.first, 0, assignment) ||
            !CheckMixtureRanges(context, assignment.second, 1, assignment)) {
            return false;
        }
    }
    return true;
}

} // namespace

int32_t RunCalculation(CalcContext& context) {
    const DataBase::RunScope connection;
    int32_t status = ResetRun(context);

    // A laboratory's table file the library refused leaves no table in force: nothing is calculated.
    status = CheckMetrologyTable(context, TableInForce());
    if (status != Status::Ok) {
        return status;
    }
    status = CheckMixtures(context);
    if (status != Status::Ok) {
        return status;
    }
    status = RunCalibration(context);
    // Also after a failed calibration: a drift is what often precedes one.
    ReadCalibrationStability(context);
    if (status != Status::Ok) {
        return status;
    }
    status = RunComposition(context);
    if (status == Status::NoAnalysis) {
        // Calibration only: its results are shown, there is nothing to analyse.
        return Status::Ok;
    }
    if (status != Status::Ok) {
        if (context.settings.clcMethaneDiff) {
            // For the journal only: the user learns whether the mixture suits the gas as well.
            CheckMixtureAgainstGas(context);
        }
        return status;
    }
    status = RunControlCheck(context);
    if (status != Status::Ok) {
        return status;
    }
    if (ChecksCalibrationMixtureRanges(context.settings) && !CalibrationMixturesSuitGas(context)) {
        return Status::Failed;
    }
    status = CheckMixtureAgainstGas(context);
    if (status != Status::Ok) {
        return status;
    }
    status = RunPhysicalProperties(context);
    if (status != Status::Ok) {
        return status;
    }
    return RunMethaneNumber(context);
}
