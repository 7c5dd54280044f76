#include "gost/gost31371/TableLookup.h"

#include <cmath>

#include "gost/gost31371/ComponentId.h"
#include "gost/gost31371/Numbers.h"

namespace gost31371 {
namespace {

bool HasUsableRange(const MetrologyRow& row) {
    return std::isfinite(row.lower) && std::isfinite(row.upper) && row.lower <= row.upper;
}

} // namespace

const MetrologyRow* RowContaining(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                                  double moleFractionPct) {
    if (table == nullptr || rowCount <= 0 || component == nullptr || !std::isfinite(moleFractionPct)) {
        return nullptr;
    }
    const MetrologyRow* found = nullptr;
    for (int32_t i = 0; i < rowCount; ++i) {
        const MetrologyRow& row = table[i];
        if (!HasUsableRange(row) || !SameComponent(row.component, component)) {
            continue;
        }
        if (moleFractionPct < row.lower || moleFractionPct > row.upper) {
            continue;
        }
        if (found == nullptr || row.lower < found->lower) {
            found = &row;
        }
    }
    return found;
}

double ExpandedUncertaintyPct(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                              double moleFractionPct) {
    const MetrologyRow* row = RowContaining(table, rowCount, component, moleFractionPct);
    if (row == nullptr) {
        return 0.0;
    }
    const double uncertainty = row->a * moleFractionPct + row->b;
    return IsAboveZero(uncertainty) ? uncertainty : 0.0;
}

} // namespace gost31371
