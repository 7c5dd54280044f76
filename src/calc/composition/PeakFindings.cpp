#include "calc/composition/PeakFindings.h"

#include <algorithm>
#include <string>

#include "calc/MethodTable.h"
#include "calc/calibration/ConstantComponents.h"
#include "calc/calibration/MethodTableRanges.h"
#include "calc/composition/LowerLimits.h"
#include "calc/journal/ContextJournal.h"
#include "calc/rounding/FixedFormats.h"
#include "calc/rounding/MissingValue.h"
#include "data/AliasLookup.h"
#include "data/ComponentCatalogue.h"
#include "text/StringIds.gen.h"

namespace {
// The scope is that of the method the calibration was computed by, which also grouped the peaks.
bool InMethodScope(const CalcContext& context, std::u16string_view componentId) {
    const MethodTable table = MethodTableOf(context.calibrationKind);
    return MeasuringRangeOf(table.rows, table.rowCount, componentId).found;
}

bool NeedsItsOwnFraction(const CalcContext& context, const ComponentResult& peak) {
    return !IsUnidentifiedPeak(peak.id) && !IsConditionallyConstant(context, peak.id) &&
           !IsMethaneByDifference(context.settings, peak);
}

// The message for a peak that gives no fraction; 0 when it gives one.
uint32_t FindingOf(const CalcContext& context, const ComponentResult& peak, C6PlusFactor c6plusFactor) {
    if (!InMethodScope(context, peak.id)) {
        return StringId::ComponentOutsideMethodScope;
    }
    switch (CalibratedConcentration(context, peak, c6plusFactor).state) {
    case PeakCalibrationState::Computed:
        return 0;
    case PeakCalibrationState::NoResult:
        return StringId::ComponentNotCalibrated;
    case PeakCalibrationState::NotComputable:
        return StringId::ConcentrationNotComputable;
    }
    return 0;
}
} // namespace

bool IsUnidentifiedPeak(std::u16string_view componentId) {
    const auto catalogue = ComponentCatalogue();
    return std::none_of(catalogue.begin(), catalogue.end(),
                        [componentId](const CatalogueRow& row) { return row.id == componentId; });
}

bool CheckPeakCalibrations(CalcContext& context, const std::vector<Measurement>& measurements,
                           C6PlusFactor c6plusFactor) {
    std::vector<std::u16string> named;
    for (const Measurement& measurement : measurements) {
        for (const ComponentResult& peak : measurement.peaks) {
            if (!NeedsItsOwnFraction(context, peak) ||
                std::find(named.begin(), named.end(), peak.id) != named.end()) {
                continue;
            }
            const uint32_t finding = FindingOf(context, peak, c6plusFactor);
            if (finding != 0) {
                AddMessage(context, JournalCategory::Comp, finding,
                           {DisplayNameForComponent(context.aliases, peak.id)});
                named.push_back(peak.id);
            }
        }
    }
    return named.empty();
}

void ReportUnidentifiedPeaks(CalcContext& context, const std::vector<ComponentResult>& table) {
    for (const ComponentResult& row : table) {
        if (!IsUnidentifiedPeak(row.id)) {
            continue;
        }
        // A peak integrated by hand may be stored without its time: no "0.000" for it.
        if (IsMissingValue(row.time)) {
            AddMessage(context, JournalCategory::Comp, StringId::UnidentifiedPeakWithoutTime,
                       {DisplayNameForComponent(context.aliases, row.id)});
        } else {
            AddMessage(context, JournalCategory::Comp, StringId::UnidentifiedPeak,
                       {DisplayNameForComponent(context.aliases, row.id), row.time});
        }
    }
}

void ReportUnnamedPeaks(CalcContext& context, const std::vector<Measurement>& measurements) {
    for (const Measurement& measurement : measurements) {
        for (const HostPeakRow& peak : measurement.unnamedPeaks) {
            const std::u16string time =
                IsMissingValue(peak.time) ? std::u16string(kMissingValueText) : FormatFixed(peak.time, 3);
            AddMessage(context, JournalCategory::Comp, StringId::UnnamedPeak, {time, peak.area});
        }
    }
}
