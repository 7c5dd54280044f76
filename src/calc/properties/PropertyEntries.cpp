#include "calc/properties/PropertyEntries.h"

#include <algorithm>
#include <string_view>

namespace {

// The identifier with the record's capacity: at most 63 characters, zero-terminated, the rest zero.
void CopyIdentifier(std::u16string_view id, char16_t (&target)[64]) {
    std::fill(std::begin(target), std::end(target), u'\0');
    const size_t length = std::min(id.size(), std::size(target) - 1);
    std::copy_n(id.begin(), length, target);
}

PropertyEntry MakeEntry(const std::u16string& id, double fractionMolPercent,
                        double expandedUncertaintyMolPercent) {
    PropertyEntry entry{};
    CopyIdentifier(id, entry.component);
    entry.fraction = fractionMolPercent / 100.0;
    entry.standardUncertainty = expandedUncertaintyMolPercent / 200.0;
    return entry;
}

} // namespace

const std::vector<ComponentResult>& PropertySourceTable(const CalcContext& context) {
    return context.components2.empty() ? context.components : context.components2;
}

PropertyEntries MakePropertyEntries(const std::vector<ComponentResult>& rows) {
    PropertyEntries entries;
    for (const ComponentResult& row : rows) {
        // Not a number fails the comparison and is left out like a trace.
        if (!(row.molarFraction >= kPropertyMinimumFractionMolPercent)) {
            continue;
        }
        entries.finalEntries.push_back(MakeEntry(row.id, row.molarFraction, row.uncertainty));
        entries.rawEntries.push_back(MakeEntry(row.id, row.rawFraction, row.rawUncertainty));
    }
    return entries;
}

int32_t PropertyCorrelationMode(const CalcSettings& settings) {
    if (settings.clcIdentityMatrix) {
        return static_cast<int32_t>(CorrelationMode3136921::Identity);
    }
    return static_cast<int32_t>(settings.clcMethaneDiff ? CorrelationMode3136921::MethaneByDifference
                                                        : CorrelationMode3136921::Normalised);
}
