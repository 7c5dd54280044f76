#include "calc/composition/MethaneBalance.h"

#include <algorithm>

#include "calc/composition/CompositionLibrary.h"
#include "calc/composition/LowerLimits.h"

namespace {
constexpr double kWholeMolPct = 100.0;

void AppendMethaneByDifference(std::vector<ComponentResult>& table) {
    // Only one methane row may remain, the one computed here.
    std::erase_if(table, [](const ComponentResult& row) { return row.id == u"methane"; });
    FractionEntries entries;
    for (const ComponentResult& row : table) {
        if (!IsBelowLowerLimit(row)) {
            entries.push_back(MakeFractionEntry(std::u16string_view(), row.molarFraction));
        }
    }
    ComponentResult methane;
    methane.id = u"methane";
    methane.molarFraction = MethaneByDifference(entries);
    methane.rawFraction = methane.molarFraction;
    table.push_back(std::move(methane));
}

bool TakesPartInNormalisation(const ComponentResult& row) {
    return !row.fixed && !IsBelowLowerLimit(row);
}

void NormalizeMeasured(std::vector<ComponentResult>& table) {
    double totalMolPct = kWholeMolPct;
    for (const ComponentResult& row : table) {
        if (row.fixed) {
            totalMolPct -= row.molarFraction;
        }
    }
    FractionEntries entries;
    for (const ComponentResult& row : table) {
        if (TakesPartInNormalisation(row)) {
            entries.push_back(MakeFractionEntry(row.id, row.molarFraction));
        }
    }
    NormalizeEntries(entries, totalMolPct);
    // Each row takes back the entry made from it. Looking entries up by identifier would be the same
    // except for two rows of one identifier (two peaks of one name), which would both take the first
    // one's value and no longer sum to the total.
    auto entry = entries.begin();
    for (ComponentResult& row : table) {
        if (TakesPartInNormalisation(row)) {
            row.molarFraction = entry->value;
            ++entry;
        }
    }
}
} // namespace

void BalanceMethane(const CalcSettings& settings, std::vector<ComponentResult>& table) {
    if (settings.clcMethaneDiff) {
        AppendMethaneByDifference(table);
    } else {
        NormalizeMeasured(table);
    }
}
