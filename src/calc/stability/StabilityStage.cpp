#include "calc/stability/StabilityStage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "calc/CalcContext.h"
#include "calc/ContextLoading.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationAreaCheck.h"
#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/NonLinearComponents.h"
#include "calc/calibration/WindowAreas.h"
#include "calc/journal/ContextJournal.h"
#include "calc/stability/CalibrationGroups.h"
#include "data/AliasLookup.h"
#include "data/ChromatogramsReadAtOnce.h"
#include "data/MixtureLookup.h"
#include "data/SqlException.h"
#include "text/StringTable.h"

namespace {
constexpr size_t kOneMixtureCount = 3;                      // chromatograms of a calibration, А and Б
constexpr size_t kTwoMixtureCount = kCalibrationAreaWindow; // per mixture, В1 and В2
constexpr double kNotANumber = std::numeric_limits<double>::quiet_NaN();

const ComponentMixtures* GeneralAssignment(const CalcContext& context) {
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (assignment.component.empty() && !assignment.first.empty()) {
            return &assignment;
        }
    }
    return nullptr;
}

bool HasOwnAssignment(const CalcContext& context, std::u16string_view component) {
    return std::any_of(
        context.mixtures.begin(), context.mixtures.end(),
        [&](const ComponentMixtures& assignment) { return assignment.component == component; });
}

// The characteristic of a calibration result as the calibration stage left it: K, or the line's
// response at the first mixture's concentration (area = a·x + b).
double CurrentCharacteristic(const CalibrationResult& result, bool line) {
    if (line) {
        return IsUsableCoefficient(result.inka) ? result.inka * result.conc1 + result.inkb : kNotANumber;
    }
    return IsUsableCoefficient(result.midk) ? result.midk : kNotANumber;
}

const AreaSeries* FindSeries(const std::vector<AreaSeries>& series, std::u16string_view component) {
    // С6+* is the back-flushed С6+ peak calibrated by the mixture's second certified value.
    const std::u16string_view peak = component == u"c6plusstar" ? std::u16string_view(u"c6plus") : component;
    for (const AreaSeries& record : series) {
        if (record.id == peak) {
            return &record;
        }
    }
    return nullptr;
}

// K of one calibration of methods А and Б: CalcCalibFactorMCnt over its three areas, as the calibration.
double FactorOfGroup(const std::vector<AreaSeries>& series, const std::vector<MixtureComponent>& composition,
                     std::u16string_view component) {
    const AreaSeries* record = FindSeries(series, component);
    const double concentration = FindMixtureConcentration(composition, component).concentration;
    if (record == nullptr || !IsUsableConcentration(concentration) ||
        !AreasCanBeJudged(record->areas.data(), kOneMixtureCount)) {
        return kNotANumber;
    }
    double factor = 0.0;
    double rate = 0.0;
    Gost31371().CalcCalibFactorMCnt(record->areas.data(), static_cast<int32_t>(kOneMixtureCount),
                                    concentration, &factor, &rate);
    return IsUsableCoefficient(factor) ? factor : kNotANumber;
}

// The line of one calibration of methods В1 and В2, with an intercept where the calibration gives it one,
// read at the first mixture's concentration.
double LineResponseOfPair(const CalcSettings& settings, const std::vector<AreaSeries>& first,
                          const std::vector<AreaSeries>& second,
                          const std::vector<MixtureComponent>& composition1,
                          const std::vector<MixtureComponent>& composition2, std::u16string_view component) {
    const AreaSeries* record1 = FindSeries(first, component);
    const AreaSeries* record2 = FindSeries(second, component);
    const double c1 = FindMixtureConcentration(composition1, component).concentration;
    const double c2 = FindMixtureConcentration(composition2, component).concentration;
    if (record1 == nullptr || record2 == nullptr || !IsUsableConcentration(c1) ||
        !IsUsableConcentration(c2) || !AreasCanBeJudged(record1->areas.data(), kTwoMixtureCount) ||
        !AreasCanBeJudged(record2->areas.data(), kTwoMixtureCount)) {
        return kNotANumber;
    }
    const Gost31371Binding& library = Gost31371();
    const auto count = static_cast<int32_t>(kTwoMixtureCount);
    double a = 0.0;
    double b = 0.0;
    const bool withIntercept = component == u"methane" || ((InLowRange(c1) || InLowRange(c2)) &&
                                                           IsNonLinearComponent(settings, component));
    if (withIntercept) {
        library.CalcCalibFactorMVrbLS(record1->areas.data(), record2->areas.data(), count, c1, c2, &a, &b,
                                      nullptr);
    } else {
        library.CalcCalibFactorMVrb(record1->areas.data(), record2->areas.data(), count, c1, c2, &a, nullptr);
    }
    if (!IsUsableCoefficient(a) || !std::isfinite(b)) {
        return kNotANumber;
    }
    return a * c1 + b;
}

// The calibrations of the period: groups of the first mixture (methods А, Б) or pairs of groups of
// both (В1, В2), with the chromatograms they are made of.
struct PeriodCalibrations {
    std::vector<CalibrationGroup> groups;
    std::vector<CalibrationPair> pairs;
    std::vector<int64_t> ids;
    int32_t leftOver = 0;
};

PeriodCalibrations CalibrationsOfPeriod(const std::vector<HostCalibrationRow>& rows,
                                        const ComponentMixtures& general, bool line) {
    std::vector<std::u16string> mixtures{general.first};
    if (line) {
        mixtures.push_back(general.second);
    }
    PeriodCalibrations period;
    CalibrationGrouping grouping =
        GroupCalibrationRuns(rows, line ? kTwoMixtureCount : kOneMixtureCount, mixtures);
    period.leftOver = grouping.leftOver;
    if (!line) {
        period.groups = std::move(grouping.groups);
        for (const CalibrationGroup& group : period.groups) {
            period.ids.insert(period.ids.end(), group.ids.begin(), group.ids.end());
        }
        return period;
    }
    int32_t unpaired = 0;
    period.pairs = PairCalibrationGroups(grouping, general.first, general.second, unpaired);
    period.leftOver += unpaired;
    for (const CalibrationPair& pair : period.pairs) {
        period.ids.insert(period.ids.end(), pair.first.begin(), pair.first.end());
        period.ids.insert(period.ids.end(), pair.second.begin(), pair.second.end());
    }
    return period;
}

// Each earlier calibration with the characteristic of every component.
std::vector<StabilityHistoryPoint> HistoryOf(const CalcContext& context, const PeriodCalibrations& period,
                                             const StabilityHistoryInputs& inputs) {
    const bool c6plusMode = IsC6PlusMethod(context.stability.method);
    const HostSources sources = AnsweringFrom(context.sources, inputs.rows);
    std::vector<StabilityHistoryPoint> history;
    for (const CalibrationGroup& group : period.groups) {
        const std::vector<AreaSeries> series = LoadWindowAreas(context, sources, group.ids, c6plusMode);
        StabilityHistoryPoint point;
        point.date = group.date;
        for (const std::u16string& component : inputs.components) {
            point.values[component] = FactorOfGroup(series, inputs.firstComposition, component);
        }
        history.push_back(std::move(point));
    }
    for (const CalibrationPair& pair : period.pairs) {
        const std::vector<AreaSeries> first = LoadWindowAreas(context, sources, pair.first, c6plusMode);
        const std::vector<AreaSeries> second = LoadWindowAreas(context, sources, pair.second, c6plusMode);
        StabilityHistoryPoint point;
        point.date = pair.date;
        for (const std::u16string& component : inputs.components) {
            point.values[component] =
                LineResponseOfPair(context.settings, first, second, inputs.firstComposition,
                                   inputs.secondComposition, component);
        }
        history.push_back(std::move(point));
    }
    return history;
}

// The earlier calibrations of the mixtures in the period. Where the context keeps its last history and
// nothing it was computed from has changed (the rows read included), that history is taken as it is.
std::vector<StabilityHistoryPoint> ReadHistory(CalcContext& context, std::u16string_view method,
                                               const ComponentMixtures& general,
                                               const std::vector<std::u16string>& components) {
    CalibrationStability& stability = context.stability;
    const bool line = StabilityOfLine(stability);
    StabilityHistoryInputs inputs;
    inputs.settings = context.settings;
    inputs.aliases = context.aliases;
    inputs.method = method;
    inputs.components = components;
    context.sources.calibrationRuns(method, stability.fromDate, stability.toDate, inputs.chromatograms);
    const PeriodCalibrations period = CalibrationsOfPeriod(inputs.chromatograms, general, line);
    stability.leftOver = period.leftOver;
    LoadMixture(context, general.first, inputs.firstComposition);
    if (line) {
        LoadMixture(context, general.second, inputs.secondComposition);
    }
    inputs.rows = ReadChromatogramsAtOnce(context.sources, period.ids);

    StabilityHistoryMemory& memory = context.stabilityMemory;
    const bool kept = memory.keep && inputs.rows.readAtOnce;
    if (kept && memory.held && memory.inputs == inputs) {
        return memory.points;
    }
    memory.held = false;
    std::vector<StabilityHistoryPoint> history = HistoryOf(context, period, inputs);
    if (kept) {
        memory.inputs = std::move(inputs);
        memory.points = history;
        memory.held = true;
    }
    return history;
}

ComponentStability ChartOf(const std::u16string& component, const std::vector<StabilityHistoryPoint>& history,
                           int64_t currentDate, double current) {
    ComponentStability chart;
    chart.component = component;
    std::vector<double> values;
    for (const StabilityHistoryPoint& point : history) {
        const auto found = point.values.find(component);
        if (found == point.values.end() || !std::isfinite(found->second)) {
            continue;
        }
        chart.points.push_back(StabilityPoint{point.date, found->second, 0, false});
        values.push_back(found->second);
    }
    chart.limits = LimitsOf(values);
    const double previous = values.empty() ? kNotANumber : values.back();
    chart.current = current;
    if (std::isfinite(current)) {
        chart.points.push_back(StabilityPoint{currentDate, current, 0, true});
        values.push_back(current);
        chart.judgement = JudgeLastPoint(chart.limits, values);
    }
    for (StabilityPoint& point : chart.points) {
        point.zone = ZoneOf(chart.limits, point.value);
    }
    chart.changeFromPreviousPct = RelativeChangePercent(current, previous);
    chart.changeFromCentrePct =
        chart.limits.valid ? RelativeChangePercent(current, chart.limits.centre) : kNotANumber;
    return chart;
}

void WarnBeyondActionLimits(CalcContext& context) {
    if (!context.settings.clbrStabilityWarning) {
        return;
    }
    for (const ComponentStability& chart : context.stability.components) {
        if (chart.judgement.rule1) {
            AddMessage(context, JournalCategory::Calib, StringId::StabilityBeyondActionLimits,
                       {DisplayNameForComponent(context.aliases, chart.component), chart.current,
                        chart.limits.actionLow, chart.limits.actionHigh});
        }
    }
}
} // namespace

int32_t ReadCalibrationStability(CalcContext& context) {
    context.stability = CalibrationStability{};
    CalibrationStability& stability = context.stability;
    stability.method = context.calibrationKind;
    stability.days = context.settings.clbrStabilityDays;
    const ComponentMixtures* general = GeneralAssignment(context);
    const bool line = StabilityOfLine(stability);
    if (context.calibration.empty() || general == nullptr || stability.days <= 0 ||
        (line && general->second.empty()) || !context.sources.calibrationRuns) {
        return Status::Ok;
    }
    // The current calibration: its first chromatogram dates it and names the host's method.
    const Assay* first = nullptr;
    for (const Assay& assay : context.assays) {
        if (context.calibrationAssays.count(assay.id) != 0 &&
            (first == nullptr || assay.date < first->date)) {
            first = &assay;
        }
    }
    if (first == nullptr) {
        return Status::Ok;
    }
    stability.toDate = first->date;
    stability.fromDate = first->date - static_cast<int64_t>(stability.days) * kSecondsPerDay;

    // One chart per component, in the order of the calibration list; the first result of a component
    // (methods В1, В2 may give a low-range one beside it) and none for a component assigned apart.
    std::vector<std::u16string> components;
    std::vector<double> currents;
    for (const CalibrationResult& result : context.calibration) {
        if (HasOwnAssignment(context, result.component) ||
            std::find(components.begin(), components.end(), result.component) != components.end()) {
            continue;
        }
        components.push_back(result.component);
        currents.push_back(CurrentCharacteristic(result, line));
    }

    std::vector<StabilityHistoryPoint> history;
    try {
        history = ReadHistory(context, first->method, *general, components);
    } catch (const DataBase::SqlException&) {
        context.stability = CalibrationStability{};
        return Status::Ok;
    }
    stability.read = true;
    stability.calibrations = static_cast<int32_t>(history.size());
    for (size_t k = 0; k < components.size(); ++k) {
        stability.components.push_back(ChartOf(components[k], history, stability.toDate, currents[k]));
    }
    WarnBeyondActionLimits(context);
    return Status::Ok;
}
