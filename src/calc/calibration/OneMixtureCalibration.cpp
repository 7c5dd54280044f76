#include "calc/calibration/OneMixtureCalibration.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "calc/ContextLoading.h"
#include "calc/MethodTable.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationAssays.h"
#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/ConstantComponents.h"
#include "calc/calibration/MethodTableRanges.h"
#include "calc/calibration/WindowAreas.h"
#include "calc/checks/AssayPressure.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringTable.h"

namespace {
constexpr size_t kWindow = 3; // consecutive calibration chromatograms judged together
// Without the range control the limit is 80 % of the relative expanded uncertainty of the method.
constexpr double kUncertaintyShareOfLimit = 0.8;

const std::u16string* GeneralMixture(const CalcContext& context) {
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (assignment.component.empty() && !assignment.first.empty()) {
            return &assignment.first;
        }
    }
    return nullptr;
}

bool AnyAreaNonZero(const AreaSeries& series) {
    for (size_t slot = 0; slot < kWindow; ++slot) {
        if (!IsCalibrationZero(series.areas[slot])) {
            return true;
        }
    }
    return false;
}

// The limit for the rate of acceptability of the three factors.
double RateLimit(const CalcContext& context, bool c6plusMode, const MethodTable& table,
                 const std::u16string& componentId, double concentration) {
    const Gost31371Binding& library = Gost31371();
    double limit = library.CalcLimitValue(table.rows, table.rowCount, componentId.c_str(), concentration);
    if (IsCalibrationZero(limit) && context.settings.clcExtRange && c6plusMode &&
        InExtendedRange(concentration)) {
        const MethodTable tableA = MethodTableOf(kMethodA);
        limit = library.CalcLimitValue(tableA.rows, tableA.rowCount, componentId.c_str(), concentration);
    }
    if (context.settings.clcCtlRange) {
        return limit;
    }
    // A concentration that is not above zero (or not finite) has no relative uncertainty: the limit is
    // then missing, as for a zero concentration, rather than negative or not a number.
    if (!IsUsableConcentration(concentration)) {
        return 0.0;
    }
    const double uncertainty =
        UncertaintyByUppermostRange(table.rows, table.rowCount, componentId, concentration);
    return uncertainty / concentration * 100.0 * kUncertaintyShareOfLimit;
}

// Explains a missing limit: the component absent from the method's table (244), not certified by the
// mixture (said in words: a concentration of 0 "out of range" would tell the user nothing), or its
// concentration outside the method's measuring range (243). Inside the range nothing is said.
void ReportMissingLimit(CalcContext& context, const MethodTable& table, std::u16string_view mixture,
                        const std::u16string& componentId, double concentration) {
    const ComponentMeasuringRange range = MeasuringRangeOf(table.rows, table.rowCount, componentId);
    const std::u16string name = DisplayNameForComponent(context.aliases, componentId);
    if (!range.found) {
        AddMessage(context, JournalCategory::Calib, StringId::ComponentNotInMethodTable, {name});
        return;
    }
    if (!IsUsableConcentration(concentration)) {
        AddMessage(context, JournalCategory::Calib, StringId::FactorComponentNotCertified, {mixture, name});
        return;
    }
    if (!(concentration >= range.lowerMolPct && concentration <= range.upperMolPct)) {
        AddMessage(context, JournalCategory::Calib, StringId::ComponentOutOfMethodRange,
                   {name, concentration, range.lowerMolPct, range.upperMolPct});
    }
}

CalibrationResult CalibrateComponent(CalcContext& context, bool c6plusMode, const MethodTable& table,
                                     std::u16string_view mixture,
                                     const std::vector<MixtureComponent>& composition,
                                     const AreaSeries& series) {
    const Gost31371Binding& library = Gost31371();
    const MixtureConcentration certified = FindMixtureConcentration(composition, series.id);
    const double concentration = certified.concentration;

    double factor = 0.0;
    double rate = 0.0;
    library.CalcCalibFactorMCnt(series.areas.data(), static_cast<int32_t>(kWindow), concentration, &factor,
                                &rate);
    const double meanArea = MeanArea(series, 0, kWindow);
    const double norm = RateLimit(context, c6plusMode, table, series.id, concentration);
    if (IsCalibrationZero(norm) || !IsUsableConcentration(concentration)) {
        ReportMissingLimit(context, table, mixture, series.id, concentration);
    }

    CalibrationResult result;
    // A component the mixture does not certify (or certifies as zero or less) has no factor to judge:
    // it fails even when its three areas agree exactly.
    // A factor that converts no area into a concentration fails as well.
    result.isok =
        IsUsableConcentration(concentration) && IsUsableCoefficient(factor) && NotAboveLimit(rate, norm);
    result.component = series.id;
    result.conc1 = concentration;
    result.digits1 = certified.decimals;
    result.digits2 = -1;
    result.ink1 = library.CalcCalibFactorDiv(concentration, series.areas[0]);
    result.ink2 = library.CalcCalibFactorDiv(concentration, series.areas[1]);
    result.ink3 = library.CalcCalibFactorDiv(concentration, series.areas[2]);
    result.midk = factor;
    result.mda1 = meanArea;
    result.rate1 = rate;
    result.norm1 = norm;
    return result;
}
} // namespace

int32_t CalibrateOneMixture(CalcContext& context, bool c6plusMode) {
    const std::u16string* const generalMixture = GeneralMixture(context);
    if (generalMixture == nullptr) {
        AddMessage(context, JournalCategory::Calib, StringId::NoCalibrationMixture);
        return Status::Failed;
    }
    const std::u16string mixture = *generalMixture;

    const std::vector<int64_t> ids =
        SelectCalibrationAssays(context, mixture, AssayRole::Calibration, kOneMixtureBatchMaximum);
    if (ids.size() < kWindow) {
        AddMessage(context, JournalCategory::Calib, StringId::NotEnoughCalibrationChromatograms,
                   {mixture, static_cast<int>(ids.size()), static_cast<int>(kWindow)});
        return Status::Failed;
    }

    if (!PressuresUsable(context, ids, JournalCategory::Calib)) {
        return Status::Failed;
    }

    std::vector<MixtureComponent> composition;
    LoadMixture(context, mixture, composition);
    const MethodTable table = MethodTableOf(c6plusMode ? kMethodB : kMethodA);
    const bool c6plusStarCertified = c6plusMode && MixtureHasComponent(composition, u"c6plusstar");

    std::vector<CalibrationResult> results;
    bool taken = false;
    size_t window = 0;
    for (window = 0; window + kWindow <= ids.size(); ++window) {
        const std::span<const int64_t> windowIds(ids.data() + window, kWindow);
        std::vector<AreaSeries> series = LoadWindowAreas(context, windowIds, c6plusMode);
        if (c6plusStarCertified) {
            // С6+* is the same back-flushed peak calibrated by the second certified value of the
            // mixture.
            const auto c6plus = std::find_if(series.begin(), series.end(),
                                             [](const AreaSeries& record) { return record.id == u"c6plus"; });
            if (c6plus != series.end()) {
                AreaSeries star = *c6plus;
                star.id = u"c6plusstar";
                series.push_back(std::move(star));
            }
        }

        results.clear();
        bool ok = true;
        for (const AreaSeries& record : series) {
            if (!AnyAreaNonZero(record)) {
                continue;
            }
            if (context.settings.clcMethaneDiff && record.id == u"methane") {
                continue;
            }
            if (IsConditionallyConstant(context, record.id)) {
                continue;
            }
            CalibrationResult result =
                CalibrateComponent(context, c6plusMode, table, mixture, composition, record);
            ok = ok && result.isok;
            results.push_back(std::move(result));
        }
        if (ok && !results.empty()) {
            taken = true;
            break;
        }
    }
    if (!taken) {
        window = ids.size() - kWindow; // the last window tried
    }

    context.calibration = std::move(results);
    context.calibrationKind = c6plusMode ? kMethodB : kMethodA;
    context.calibrationOk = taken;
    context.calibrationAssays.clear();
    AddCalibrationAssays(context, std::span<const int64_t>(ids.data() + window, kWindow));
    return Status::Ok;
}
