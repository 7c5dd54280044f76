// Shared pieces of the GOST 31371.7-2020 library tests: building entries and reading the default tables.
#pragma once

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "gost/gost31371/include/Tarvel31371720.h"

namespace gost31371_test {

inline FractionEntry Entry(std::u16string_view component, double value) {
    FractionEntry entry{};
    std::copy_n(component.begin(), std::min<size_t>(component.size(), 63), entry.component);
    entry.value = value;
    return entry;
}

inline MetrologyRow Row(std::u16string_view component, double lower, double upper, double a, double b) {
    MetrologyRow row{};
    std::copy_n(component.begin(), std::min<size_t>(component.size(), 63), row.component);
    row.lower = lower;
    row.upper = upper;
    row.a = a;
    row.b = b;
    return row;
}

// 0 А, 1 Б, 2 В1, 3 В2.
inline std::span<const MetrologyRow> DefaultRows(int method) {
    int32_t count = 0;
    const MetrologyRow* rows = nullptr;
    switch (method) {
    case 0:
        rows = GetDefaultConstTableMethodA(&count);
        break;
    case 1:
        rows = GetDefaultConstTableMethodB(&count);
        break;
    case 2:
        rows = GetDefaultConstTableMethodC1(&count);
        break;
    case 3:
        rows = GetDefaultConstTableMethodC2(&count);
        break;
    default:
        break;
    }
    return {rows, static_cast<size_t>(count)};
}

inline std::u16string IdOf(const MetrologyRow& row) {
    return std::u16string(row.component, std::find(row.component, row.component + 64, u'\0'));
}

// Rows of one component, ordered by their lower bound.
inline std::vector<MetrologyRow> RowsOf(std::span<const MetrologyRow> table, std::u16string_view component) {
    std::vector<MetrologyRow> rows;
    for (const MetrologyRow& row : table) {
        if (IdOf(row) == component) {
            rows.push_back(row);
        }
    }
    std::sort(rows.begin(), rows.end(),
              [](const MetrologyRow& l, const MetrologyRow& r) { return l.lower < r.lower; });
    return rows;
}

// An ASCII identifier for test messages.
inline std::string Ascii(std::u16string_view id) {
    return std::string(id.begin(), id.end());
}

inline double RelativeError(double actual, double expected) {
    return std::fabs(actual - expected) / std::fabs(expected);
}

} // namespace gost31371_test
