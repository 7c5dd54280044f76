#include "support/MeasurementInvariant.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "calc/calibration/ConstantComponents.h"
#include "calc/composition/MeasurementLoading.h"
#include "calc/rounding/FixedFormats.h"
#include "calc/rounding/MissingValue.h"
#include "data/AliasLookup.h"
#include "data/HeavyGrouping.h"
#include "data/PeakGroups.h"
#include "data/ZeroTolerance.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "text/StringTable.h"
#include "text/Utf.h"

namespace testsupport {

namespace {

// The record a named host row ends in after the loaders and the grouping of heavy hydrocarbons.
std::u16string RecordIdOf(const CalcContext& context, const PeakGroupNames& groups,
                          std::u16string_view name) {
    const std::u16string_view group = PeakGroupOf(groups, name);
    const std::u16string id =
        group.empty() ? ComponentIdForAlias(context.aliases, name) : std::u16string(group);
    const HeavyGroupMode mode = HeavyGroupModeOf(context.calibrationKind);
    const int heavy = HeavyGroupOf(id, mode);
    return heavy < 0 ? id : std::u16string(HeavyGroupIds(mode)[static_cast<size_t>(heavy)]);
}

bool JournalNames(const CalcContext& context, std::u16string_view text) {
    return !text.empty() && std::any_of(context.journal.entries.begin(), context.journal.entries.end(),
                                        [text](const JournalEntry& entry) {
                                            return entry.text.find(text) != std::u16string::npos;
                                        });
}

// The journal's words for a peak without a name, up to its area (which the pressure correction changes).
bool JournalNamesUnnamedPeak(const CalcContext& context, const HostPeakRow& peak) {
    const std::u16string_view format = LoadText(StringId::UnnamedPeak);
    const std::u16string time =
        IsMissingValue(peak.time) ? std::u16string(kMissingValueText) : FormatFixed(peak.time, 3);
    return JournalNames(context, FormatText(format.substr(0, format.find(u"%g")), {time}));
}

// The user's choices: methane computed by difference, components given as conditionally constant.
bool ChosenByTheUser(const CalcContext& context, std::u16string_view id) {
    return (context.settings.MethaneByDifference() && id == u"methane") ||
           IsConditionallyConstant(context, id);
}

bool InComposition(const CalcContext& context, std::u16string_view id) {
    return std::any_of(context.components.begin(), context.components.end(),
                       [id](const ComponentResult& row) { return row.id == id; });
}

bool Calibrated(const CalcContext& context, std::u16string_view id) {
    return std::any_of(context.calibration.begin(), context.calibration.end(),
                       [id](const CalibrationResult& result) { return result.component == id; });
}

std::string Describe(std::u16string_view format, std::initializer_list<FormatArg> args) {
    return Utf16ToUtf8(FormatText(format, args));
}

} // namespace

HostRowsOfRun ReadHostRowsOfRun(const CalcContext& context) {
    HostRowsOfRun rows;
    for (const Measurement& measurement : context.measurements) {
        rows.analyses.emplace_back(measurement.assayId, std::vector<HostPeakRow>{});
        context.sources.peaksByTime(measurement.assayId, rows.analyses.back().second);
    }
    std::set<std::u16string> mixtures;
    for (const Assay& assay : context.assays) {
        if (assay.role == static_cast<int32_t>(AssayRole::Calibration) &&
            context.calibrationAssays.count(assay.id) != 0) {
            mixtures.insert(assay.mixture);
        }
    }
    for (const std::u16string& mixture : mixtures) {
        rows.calibrationMixtures.emplace_back(mixture, std::vector<HostCertifiedRow>{});
        context.sources.mixtureRows(mixture, rows.calibrationMixtures.back().second);
    }
    return rows;
}

std::vector<std::string> LostMeasurements(const CalcContext& context, const HostRowsOfRun& rows) {
    std::vector<std::string> lost;
    const PeakGroupNames groups = MakePeakGroupNames(context.aliases);
    for (const auto& [assayId, peaks] : rows.analyses) {
        for (const HostPeakRow& peak : peaks) {
            if (!(peak.area > kZeroTolerance)) {
                continue;
            }
            if (peak.name.empty()) {
                if (!JournalNamesUnnamedPeak(context, peak)) {
                    lost.push_back(Describe(u"analysis %lld: a peak without a name, time %g, area %g",
                                            {static_cast<long long>(assayId), peak.time, peak.area}));
                }
                continue;
            }
            const std::u16string id = RecordIdOf(context, groups, peak.name);
            if (InComposition(context, id) || ChosenByTheUser(context, id) ||
                JournalNames(context, DisplayNameForComponent(context.aliases, id)) ||
                JournalNames(context, peak.name)) {
                continue;
            }
            lost.push_back(Describe(u"analysis %lld: peak \"%s\" (%s), time %g, area %g",
                                    {static_cast<long long>(assayId), peak.name, id, peak.time, peak.area}));
        }
    }
    const HeavyGroupMode mode = HeavyGroupModeOf(context.calibrationKind);
    for (const auto& [mixture, certified] : rows.calibrationMixtures) {
        for (const HostCertifiedRow& row : certified) {
            if (!(row.concentration > kZeroTolerance)) {
                continue;
            }
            const std::u16string id = ComponentIdForAlias(context.aliases, row.name);
            const int heavy = id == u"c6plusstar" ? -1 : HeavyGroupOf(id, mode);
            const std::u16string calibratedId =
                heavy < 0 ? id : std::u16string(HeavyGroupIds(mode)[static_cast<size_t>(heavy)]);
            if (Calibrated(context, calibratedId) || ChosenByTheUser(context, id) ||
                JournalNames(context, DisplayNameForComponent(context.aliases, calibratedId)) ||
                JournalNames(context, DisplayNameForComponent(context.aliases, id))) {
                continue;
            }
            lost.push_back(Describe(u"mixture \"%s\": certified \"%s\" (%s), %g mol %%",
                                    {mixture, row.name, calibratedId, row.concentration}));
        }
    }
    return lost;
}

} // namespace testsupport
