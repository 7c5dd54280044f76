// Reading the page models in the tests: which columns are shown, a column's texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/models/PageTable.h"

namespace pagetest {

inline std::vector<int32_t> VisibleColumns(const PageTable& page) {
    std::vector<int32_t> visible;
    for (size_t i = 0; i < page.columns.size(); ++i) {
        if (page.columns[i].visible()) {
            visible.push_back(static_cast<int32_t>(i));
        }
    }
    return visible;
}

inline std::vector<uint32_t> HeaderIds(const PageTable& page) {
    std::vector<uint32_t> ids;
    for (const PageColumn& column : page.columns) {
        ids.push_back(column.headerId);
    }
    return ids;
}

// The first cell of every row.
inline std::vector<std::u16string> FirstCells(const PageTable& page) {
    std::vector<std::u16string> cells;
    for (const auto& row : page.rows) {
        cells.push_back(row.empty() ? std::u16string() : row.front());
    }
    return cells;
}

inline const std::u16string kDash = u"\u2014";

} // namespace pagetest
