// The composition stage: from one or two analysis chromatograms of the same gas to its molar composition
// with the expanded uncertainty of every molar fraction, the acceptability of the two measurements, and
// the volume and mass fractions (GOST 31371.7-2020 through its calculation library; GOST 31369-2021 for
// the compression factors and molar masses).
#include "calc/Stages.h"

#include <vector>

#include "calc/MethodTable.h"
#include "calc/Status.h"
#include "calc/checks/AssayPressure.h"
#include "calc/composition/ComponentOrder.h"
#include "calc/composition/ComponentUncertainty.h"
#include "calc/composition/ConditionallyConstant.h"
#include "calc/composition/LowerLimits.h"
#include "calc/composition/MeasurementCombination.h"
#include "calc/composition/MeasurementLoading.h"
#include "calc/composition/MeasurementSelection.h"
#include "calc/composition/MethaneBalance.h"
#include "calc/composition/PeakFindings.h"
#include "calc/composition/Repeatability.h"
#include "calc/composition/SumCheck.h"
#include "calc/composition/VolumeMassFractions.h"
#include "calc/journal/ContextJournal.h"
#include "text/StringIds.gen.h"

namespace {
// Which component table is built: the main one names the unidentified peaks; the second one of method Б
// would only repeat that.
enum class TableKind {
    Main,
    Second,
};

// From the selection of the chromatograms to the acceptability of the two measurements; repeatability
// receives whether every row was accepted. Status 0, the failure of the selection or the peak loading,
// or -1 when a chromatogram lacks the pressure its correction needs or a peak cannot be given a fraction.
int32_t BuildComponentTable(CalcContext& context, TableKind kind, C6PlusFactor c6plusFactor,
                            std::vector<Measurement>& measurements, std::vector<ComponentResult>& table,
                            bool& repeatabilityPassed) {
    std::vector<int64_t> assayIds;
    int32_t status = SelectAnalysisAssays(context, assayIds);
    if (status != Status::Ok) {
        return status;
    }
    if (!PressuresUsable(context, assayIds, JournalCategory::Comp)) {
        return Status::Failed;
    }
    status = LoadMeasurements(context, assayIds, c6plusFactor, measurements);
    if (status != Status::Ok) {
        return status;
    }
    if (!CheckPeakCalibrations(context, measurements, c6plusFactor)) {
        return Status::Failed;
    }
    CombineMeasurements(measurements, table);
    if (kind == TableKind::Main) {
        ReportUnidentifiedPeaks(context, table);
        ReportUnnamedPeaks(context, measurements);
    }
    AddConstantComponents(context.constants, table);
    AssignLowerLimits(context.settings, table);
    BalanceMethane(context.settings, table);
    ComputeRawUncertainty(context, table);
    repeatabilityPassed = CheckRepeatability(context, table);
    return Status::Ok;
}

bool HasCalibrationResult(const CalcContext& context, std::u16string_view componentId) {
    for (const CalibrationResult& result : context.calibration) {
        if (result.component == componentId) {
            return true;
        }
    }
    return false;
}

// Method Б with С6+ calibrated by a second reference value ("c6plusstar"): the same gas once more with
// that factor for С6+, unsorted and without the sum, volume and mass fractions.
int32_t BuildSecondComponentTable(CalcContext& context) {
    std::vector<Measurement> measurements;
    bool repeatabilityPassed = false;
    const int32_t status = BuildComponentTable(context, TableKind::Second, C6PlusFactor::C6PlusStar,
                                               measurements, context.components2, repeatabilityPassed);
    if (status != Status::Ok) {
        return status;
    }
    ComputeUncertainty(context, context.components2, repeatabilityPassed);
    return Status::Ok;
}
} // namespace

int32_t RunComposition(CalcContext& context) {
    context.measurements.clear();
    context.components.clear();
    context.components2.clear();

    bool repeatabilityPassed = false;
    const int32_t status = BuildComponentTable(context, TableKind::Main, C6PlusFactor::C6Plus,
                                               context.measurements, context.components, repeatabilityPassed);
    if (status != Status::Ok) {
        return status;
    }
    SortByMolarMass(context.components);
    if (repeatabilityPassed && !context.settings.clcMethaneDiff && !context.components.empty() &&
        !CheckRawFractionSum(context, context.components)) {
        return Status::SumOutOfRange;
    }
    ComputeUncertainty(context, context.components, repeatabilityPassed);
    ComputeVolumeFractions(context.settings.clcMeasureTemp, context.components);
    ComputeMassFractions(context.components);

    if (!repeatabilityPassed) {
        AddMessage(context, JournalCategory::Comp, StringId::SomeComponentsFailed);
        return Status::Repeatability;
    }
    if (context.calibrationKind == kMethodB && HasCalibrationResult(context, u"c6plusstar")) {
        return BuildSecondComponentTable(context);
    }
    return Status::Ok;
}
