#include "calc/calibration/MethodTableRanges.h"

#include <iterator>

#include "data/ZeroTolerance.h"

namespace {
bool RowIsOf(const MetrologyRow& row, std::u16string_view componentId) {
    const char16_t* const end = std::end(row.component);
    const char16_t* terminator = row.component;
    while (terminator != end && *terminator != u'\0') {
        ++terminator;
    }
    if (terminator == end) {
        return false;
    }
    return std::u16string_view(row.component, static_cast<size_t>(terminator - row.component)) == componentId;
}
} // namespace

ComponentMeasuringRange MeasuringRangeOf(const MetrologyRow* table, int32_t rowCount,
                                         std::u16string_view componentId) {
    ComponentMeasuringRange range;
    if (table == nullptr) {
        return range;
    }
    for (int32_t i = 0; i < rowCount; ++i) {
        const MetrologyRow& row = table[i];
        if (!RowIsOf(row, componentId)) {
            continue;
        }
        if (!range.found || row.lower < range.lowerMolPct) {
            range.lowerMolPct = row.lower;
        }
        if (!range.found || row.upper > range.upperMolPct) {
            range.upperMolPct = row.upper;
        }
        range.found = true;
    }
    return range;
}

double UncertaintyByUppermostRange(const MetrologyRow* table, int32_t rowCount,
                                   std::u16string_view componentId, double concentrationMolPct) {
    if (table == nullptr) {
        return 0.0;
    }
    const MetrologyRow* uppermost = nullptr;
    for (int32_t i = 0; i < rowCount; ++i) {
        const MetrologyRow& row = table[i];
        if (!RowIsOf(row, componentId) || !(row.lower > kZeroTolerance)) {
            continue;
        }
        // Strictly greater: of rows with equal lower bounds the first stays.
        if (uppermost == nullptr || row.lower > uppermost->lower) {
            uppermost = &row;
        }
    }
    if (uppermost == nullptr) {
        return 0.0;
    }
    return uppermost->a * concentrationMolPct + uppermost->b;
}
