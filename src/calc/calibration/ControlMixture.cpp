#include "calc/calibration/ControlMixture.h"

#include <algorithm>
#include <span>

#include "calc/ContextLoading.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationAssays.h"
#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/NonLinearComponents.h"
#include "calc/calibration/WindowAreas.h"
#include "calc/checks/AssayPressure.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringTable.h"

namespace {
constexpr size_t kWindow = 3; // control chromatograms judged together
// Limits as multiples of the allowed relative standard deviation at the certified concentration: the
// critical ranges of ISO 5725-6:1994 Table 1 for two results (the deviation of the controlled
// concentration) and for three (the range of the three control areas).
constexpr double kDeviationFactor = 2.8;
constexpr double kRangeFactor = 3.3;

bool Concerns(const ComponentMixtures& assignment,
              const std::vector<std::u16string>& componentsWithOwnAssignment,
              const std::u16string& componentId) {
    if (!assignment.component.empty()) {
        return componentId == assignment.component;
    }
    return std::find(componentsWithOwnAssignment.begin(), componentsWithOwnAssignment.end(), componentId) ==
           componentsWithOwnAssignment.end();
}

// The calibration result the control of a component is measured against: for a non-linear component at
// a low-range concentration its low-range line, otherwise its first result.
CalibrationResult* ResultToControl(CalcContext& context, const std::u16string& componentId,
                                   double concentration) {
    const bool lowRangeLine =
        IsNonLinearComponent(context.settings, componentId) && InLowRange(concentration);
    for (CalibrationResult& result : context.calibration) {
        if (result.component != componentId) {
            continue;
        }
        if (!lowRangeLine || (InLowRange(result.conc1) && InLowRange(result.conc2))) {
            return &result;
        }
    }
    return nullptr;
}

double ControlledConcentration(const CalcContext& context, const CalibrationResult& result, double meanArea) {
    const Gost31371Binding& library = Gost31371();
    switch (context.calibrationKind) {
    case 0:
    case 1:
        return library.CalcConcentrationMCnt(meanArea, result.midk);
    case 2:
    case 3:
        return library.CalcConcentrationMVrb(meanArea, result.inka, result.inkb);
    default:
        return 0.0;
    }
}
} // namespace

bool ControlMixture(CalcContext& context, bool c6plusMode, std::u16string_view mixtureName,
                    const ComponentMixtures& assignment,
                    const std::vector<std::u16string>& componentsWithOwnAssignment) {
    const std::vector<int64_t> ids =
        SelectCalibrationAssays(context, mixtureName, AssayRole::Control, kControlBatchMaximum);
    if (ids.size() < kWindow) {
        AddMessage(context, JournalCategory::Calib, StringId::NotEnoughControlChromatograms,
                   {mixtureName, static_cast<int>(ids.size()), static_cast<int>(kWindow)});
        return false;
    }
    if (!PressuresUsable(context, ids, JournalCategory::Calib)) {
        return false;
    }
    const Gost31371Binding& library = Gost31371();
    const auto windowSize = static_cast<int32_t>(kWindow);
    std::vector<MixtureComponent> composition;
    LoadMixture(context, mixtureName, composition);

    std::vector<AreaSeries> control; // the areas of the window taken, or of the last one with areas
    bool windowOk = false;
    for (size_t window = 0; window + kWindow <= ids.size(); ++window) {
        std::vector<AreaSeries> series =
            LoadWindowAreas(context, std::span<const int64_t>(ids).subspan(window, kWindow), c6plusMode);
        if (series.empty()) {
            continue;
        }
        control = std::move(series);
        windowOk = std::all_of(control.begin(), control.end(), [&](const AreaSeries& record) {
            if (!Concerns(assignment, componentsWithOwnAssignment, record.id)) {
                return true;
            }
            const double concentration = FindMixtureConcentration(composition, record.id).concentration;
            return library.ControlCheck(record.areas.data(), windowSize, concentration);
        });
        if (windowOk) {
            break;
        }
    }

    for (const AreaSeries& record : control) {
        if (!Concerns(assignment, componentsWithOwnAssignment, record.id)) {
            continue;
        }
        const double concentration = FindMixtureConcentration(composition, record.id).concentration;
        CalibrationResult* const result = ResultToControl(context, record.id, concentration);
        if (result == nullptr) {
            continue;
        }
        const double found = ControlledConcentration(context, *result, MeanArea(record, 0, kWindow));
        const double allowed = library.GetAllowedValue(concentration);
        result->crate = RelativeDeviationPercent(concentration, found);
        result->cnorm = kDeviationFactor * allowed;
        // Strictly below: a deviation equal to its limit fails. One that cannot be formed (the control
        // mixture does not certify the component) fails too. The control may confirm a result, never
        // rescue one that failed its own acceptability.
        const bool passed = BelowLimit(result->crate, result->cnorm);
        result->isok = result->isok && passed;
        result->crrng = library.AreasRelativeRange(record.areas.data(), windowSize);
        result->cvrng = kRangeFactor * allowed;
        if (!passed) {
            const std::u16string name = DisplayNameForComponent(context.aliases, record.id);
            if (IsUsableConcentration(concentration)) {
                AddMessage(context, JournalCategory::Calib, StringId::CalibrationControlComponentFailed,
                           {mixtureName, name, result->crate, result->cnorm});
            } else {
                AddMessage(context, JournalCategory::Calib, StringId::ControlComponentNotCertified,
                           {mixtureName, name});
            }
            windowOk = false;
        }
    }
    return windowOk;
}
