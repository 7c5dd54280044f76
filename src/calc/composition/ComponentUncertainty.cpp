#include "calc/composition/ComponentUncertainty.h"

#include "calc/MethodTable.h"
#include "calc/calibration/MethodTableRanges.h"
#include "calc/composition/CompositionLibrary.h"
#include "calc/composition/LowerLimits.h"
#include "calc/composition/PeakFindings.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/ZeroTolerance.h"
#include "text/StringIds.gen.h"

namespace {
// Rows the method gives an uncertainty for: measured components, not an unidentified peak (which has
// no row in any table and is named as unidentified instead).
bool TakesMethodUncertainty(const CalcSettings& settings, const ComponentResult& row) {
    return !row.fixed && !IsMethaneByDifference(settings, row) && !IsUnidentifiedPeak(row.id);
}

void ReportMissingUncertainty(CalcContext& context, const MethodTable& table,
                              const std::u16string& componentId, double x) {
    const ComponentMeasuringRange range = MeasuringRangeOf(table.rows, table.rowCount, componentId);
    const std::u16string name = DisplayNameForComponent(context.aliases, componentId);
    if (!range.found) {
        AddMessage(context, JournalCategory::Comp, StringId::ComponentNotInMethodTable, {name});
        return;
    }
    // Written as "not at or below" so that a fraction that is not a number is reported too.
    if (!(x <= range.upperMolPct)) {
        AddMessage(context, JournalCategory::Comp, StringId::ComponentOutOfMethodRange,
                   {name, x, range.lowerMolPct, range.upperMolPct});
    }
}

// The methane row of methane by difference takes the uncertainty of the other rows combined.
template <typename Value>
double MethaneUncertaintyOf(const CalcSettings& settings, const std::vector<ComponentResult>& table,
                            Value value) {
    FractionEntries entries;
    entries.reserve(table.size());
    for (const ComponentResult& row : table) {
        entries.push_back(MakeFractionEntry(row.id, IsMethaneByDifference(settings, row) ? 0.0 : value(row)));
    }
    return MethaneUncertainty(entries);
}
} // namespace

double UncertaintyByMethod(CalcContext& context, const std::u16string& componentId, double x) {
    const CalcSettings& settings = context.settings;
    const MethodTable table = MethodTableOf(settings.clbrCalcMethod);
    double uncertainty = TableUncertainty(table, componentId, x);
    if (CountsAsZero(uncertainty) && settings.ExtendedRangeByMethodA() && InExtendedRange(x)) {
        uncertainty = TableUncertainty(MethodTableOf(kMethodA), componentId, x);
    }
    if (!settings.clcCtlRange) {
        uncertainty = UncertaintyByUppermostRange(table.rows, table.rowCount, componentId, x);
    }
    if (CountsAsZero(uncertainty)) {
        ReportMissingUncertainty(context, table, componentId, x);
    }
    return uncertainty;
}

void ComputeRawUncertainty(CalcContext& context, std::vector<ComponentResult>& table) {
    for (ComponentResult& row : table) {
        if (!TakesMethodUncertainty(context.settings, row)) {
            continue;
        }
        row.rawUncertainty = UncertaintyByMethod(context, row.id, row.rawFraction);
    }
    if (!context.settings.clcMethaneDiff) {
        return;
    }
    const double methane = MethaneUncertaintyOf(
        context.settings, table, [](const ComponentResult& row) { return row.rawUncertainty; });
    for (ComponentResult& row : table) {
        if (IsMethaneByDifference(context.settings, row)) {
            row.rawUncertainty = methane;
        }
    }
}

void ComputeUncertainty(CalcContext& context, std::vector<ComponentResult>& table, bool repeatabilityPassed) {
    const CalcSettings& settings = context.settings;
    if (!settings.clcMethaneDiff) {
        if (!repeatabilityPassed) {
            return;
        }
        for (ComponentResult& row : table) {
            if (TakesMethodUncertainty(settings, row)) {
                row.uncertainty = UncertaintyByMethod(context, row.id, row.molarFraction);
            }
        }
        return;
    }
    for (ComponentResult& row : table) {
        if (row.accepted && TakesMethodUncertainty(settings, row)) {
            row.uncertainty = UncertaintyByMethod(context, row.id, row.molarFraction);
        }
    }
    if (!repeatabilityPassed) {
        return;
    }
    const double methane =
        MethaneUncertaintyOf(settings, table, [](const ComponentResult& row) { return row.uncertainty; });
    for (ComponentResult& row : table) {
        if (IsMethaneByDifference(settings, row)) {
            row.uncertainty = methane;
        }
    }
}
