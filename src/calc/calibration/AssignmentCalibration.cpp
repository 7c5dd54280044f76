#include "calc/calibration/AssignmentCalibration.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "calc/ContextLoading.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationAreaCheck.h"
#include "calc/calibration/CalibrationAssays.h"
#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/ConstantComponents.h"
#include "calc/calibration/NonLinearComponents.h"
#include "calc/calibration/WindowAreas.h"
#include "calc/checks/AssayPressure.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringTable.h"

namespace {
constexpr size_t kAreas = kCalibrationAreaWindow; // areas per mixture
constexpr size_t kFirstMixtureSlot = 0;
constexpr size_t kSecondMixtureSlot = kAreas;
// The deviation of the line at a mixture may be twice the allowed relative standard deviation of the
// areas at its concentration.
constexpr double kLineDeviationFactor = 2.0;

// One mixture of the assignment: its batch and how its areas fared.
struct MixtureBatch {
    std::u16string_view name;
    std::vector<int64_t> ids;
    bool passed = false; // a window of five acceptable chromatograms was found
    size_t window = 0;   // the first chromatogram of that window
    std::vector<MixtureComponent> composition;
};

bool AllSlotsZero(const AreaSeries& record) {
    return std::all_of(record.areas.begin(), record.areas.end(),
                       [](double area) { return IsCalibrationZero(area); });
}

// A pair of concentrations in the low range: either of them lies in it.
bool PairInLowRange(double concentration1, double concentration2) {
    return InLowRange(concentration1) || InLowRange(concentration2);
}

// A component whose concentration cannot be computed from this calibration: it fails, and the journal
// names it.
void ReportNoLine(CalcContext& context, CalibrationResult& result) {
    result.isok = false;
    AddMessage(context, JournalCategory::Calib, StringId::NoCalibrationLine,
               {DisplayNameForComponent(context.aliases, result.component)});
}

CalibrationResult CalibrateComponent(CalcContext& context, const MixtureBatch& first,
                                     const MixtureBatch& second, const AreaSeries& record) {
    const Gost31371Binding& library = Gost31371();
    const auto count = static_cast<int32_t>(kAreas);
    const double* const areas1 = record.areas.data() + kFirstMixtureSlot;
    const double* const areas2 = record.areas.data() + kSecondMixtureSlot;
    const MixtureConcentration certified1 = FindMixtureConcentration(first.composition, record.id);
    const MixtureConcentration certified2 = FindMixtureConcentration(second.composition, record.id);
    const double c1 = certified1.concentration;
    const double c2 = certified2.concentration;

    CalibrationResult result;
    result.component = record.id;
    result.conc1 = c1;
    result.conc2 = c2;
    result.digits1 = certified1.decimals;
    result.digits2 = certified2.decimals;
    result.arsd1 = library.AreasRelativeStandardDeviation(areas1, count);
    result.cval1 = library.GetAllowedValue(c1);
    result.arsd2 = library.AreasRelativeStandardDeviation(areas2, count);
    result.cval2 = library.GetAllowedValue(c2);

    // Without an acceptable window of both mixtures no line is built, and a component without a line has
    // no concentration: judging it by its own areas would let a zero line pass.
    if (!first.passed || !second.passed) {
        ReportNoLine(context, result);
        return result;
    }

    // Methane, and a non-linear component calibrated in its low range, get a line with an intercept;
    // every other component a line through the origin.
    double a = 0.0;
    double b = 0.0;
    const bool withIntercept = record.id == u"methane" ||
                               (PairInLowRange(c1, c2) && IsNonLinearComponent(context.settings, record.id));
    if (withIntercept) {
        library.CalcCalibFactorMVrbLS(areas1, areas2, count, c1, c2, &a, &b, nullptr);
    } else {
        library.CalcCalibFactorMVrb(areas1, areas2, count, c1, c2, &a, nullptr);
    }
    result.inka = a;
    result.inkb = b;
    if (!IsUsableCoefficient(a) || !std::isfinite(b)) {
        ReportNoLine(context, result);
        return result;
    }
    result.mda1 = MeanArea(record, kFirstMixtureSlot, kAreas);
    result.mda2 = MeanArea(record, kSecondMixtureSlot, kAreas);
    result.rate1 = RelativeDeviationPercent(c1, library.CalcConcentrationMVrb(result.mda1, a, b));
    result.norm1 = kLineDeviationFactor * result.cval1;
    result.rate2 = RelativeDeviationPercent(c2, library.CalcConcentrationMVrb(result.mda2, a, b));
    result.norm2 = kLineDeviationFactor * result.cval2;

    // A deviation that cannot be formed (the mixture does not certify the component) fails like one
    // above its limit.
    const bool ok1 = NotAboveLimit(result.rate1, result.norm1);
    const bool ok2 = NotAboveLimit(result.rate2, result.norm2);
    result.isok = ok1 && ok2;
    const std::u16string name = DisplayNameForComponent(context.aliases, record.id);
    if (!ok1) {
        AddMessage(context, JournalCategory::Calib, StringId::CalibrationFactorNotAcceptable,
                   {first.name, name, result.rate1, result.norm1});
    }
    if (!ok2) {
        AddMessage(context, JournalCategory::Calib, StringId::CalibrationFactorNotAcceptable,
                   {second.name, name, result.rate2, result.norm2});
    }
    return result;
}

// Whether the component is calibrated by this assignment, removing the result it replaces.
bool TakeComponent(CalcContext& context, const ComponentMixtures& assignment,
                   const std::u16string& componentId, double c1, double c2) {
    std::vector<CalibrationResult>& results = context.calibration;
    const auto existing =
        std::find_if(results.begin(), results.end(), [&componentId](const CalibrationResult& result) {
            return result.component == componentId;
        });
    if (IsNonLinearComponent(context.settings, componentId)) {
        // One line per range: a second line beside the first only when one of them is for the low range
        // and the other not. The named assignments are calibrated before the general one, so a line
        // named for the component is kept and the general assignment gives only the other range.
        return std::none_of(results.begin(), results.end(), [&](const CalibrationResult& result) {
            return result.component == componentId &&
                   PairInLowRange(result.conc1, result.conc2) == PairInLowRange(c1, c2);
        });
    }
    if (assignment.component.empty()) {
        return existing == results.end();
    }
    if (existing == results.end()) {
        return true;
    }
    results.erase(existing);
    return true;
}

bool SelectBatch(CalcContext& context, MixtureBatch& batch) {
    batch.ids =
        SelectCalibrationAssays(context, batch.name, AssayRole::Calibration, kTwoMixturesBatchMaximum);
    if (batch.ids.size() >= kAreas) {
        return true;
    }
    AddMessage(context, JournalCategory::Calib, StringId::NotEnoughCalibrationChromatograms,
               {batch.name, static_cast<int>(batch.ids.size()), static_cast<int>(kAreas)});
    return false;
}

void CheckBatchAreas(CalcContext& context, bool c6plusMode, MixtureBatch& batch,
                     std::vector<AreaSeries>& combined, size_t firstSlot) {
    batch.passed = CheckCalibrationAreas(batch.ids, batch.ids.size(), context, batch.name, c6plusMode,
                                         combined, firstSlot, batch.window);
    if (!batch.passed) {
        batch.window = 0;
        AddMessage(context, JournalCategory::Calib, StringId::NotEnoughAcceptableCalibrationChromatograms,
                   {batch.name});
    }
}
} // namespace

int32_t CalibrateAssignment(CalcContext& context, bool c6plusMode, std::u16string_view firstMixture,
                            std::u16string_view secondMixture, const ComponentMixtures& assignment) {
    MixtureBatch first;
    first.name = firstMixture;
    if (!SelectBatch(context, first)) {
        return Status::Failed;
    }
    MixtureBatch second;
    second.name = secondMixture;
    if (!SelectBatch(context, second)) {
        return Status::Failed;
    }
    const bool firstPressures = PressuresUsable(context, first.ids, JournalCategory::Calib);
    if (!PressuresUsable(context, second.ids, JournalCategory::Calib) || !firstPressures) {
        return Status::Failed;
    }

    std::vector<AreaSeries> combined;
    CheckBatchAreas(context, c6plusMode, first, combined, kFirstMixtureSlot);
    CheckBatchAreas(context, c6plusMode, second, combined, kSecondMixtureSlot);
    LoadMixture(context, first.name, first.composition);
    LoadMixture(context, second.name, second.composition);

    for (const AreaSeries& record : combined) {
        if (AllSlotsZero(record)) {
            continue;
        }
        if (!assignment.component.empty() && record.id != assignment.component) {
            continue;
        }
        if (context.settings.clcMethaneDiff && record.id == u"methane") {
            continue;
        }
        if (IsConditionallyConstant(context, record.id)) {
            continue;
        }
        const double c1 = FindMixtureConcentration(first.composition, record.id).concentration;
        const double c2 = FindMixtureConcentration(second.composition, record.id).concentration;
        if (!TakeComponent(context, assignment, record.id, c1, c2)) {
            continue;
        }
        context.calibration.push_back(CalibrateComponent(context, first, second, record));
    }

    AddCalibrationAssays(context, std::span<const int64_t>(first.ids).subspan(first.window, kAreas));
    AddCalibrationAssays(context, std::span<const int64_t>(second.ids).subspan(second.window, kAreas));
    return Status::Ok;
}
