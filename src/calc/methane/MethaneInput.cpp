#include "calc/methane/MethaneInput.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "data/MolarMass.h"

namespace {

void CopyIdentifier(std::u16string_view id, char16_t (&target)[64]) {
    std::fill(std::begin(target), std::end(target), u'\0');
    const size_t length = std::min(id.size(), std::size(target) - 1);
    std::copy_n(id.begin(), length, target);
}

} // namespace

std::vector<ComponentResult> LumpHeavyHydrocarbons(const std::vector<ComponentResult>& rows) {
    const double pentaneMolarMass = MolarMassOf(u"n_pentane");
    std::vector<ComponentResult> lumped;
    ComponentResult heavy;
    heavy.id = u"c6plus";
    bool first = true;
    for (const ComponentResult& row : rows) {
        if (!(MolarMassOf(row.id) > pentaneMolarMass)) {
            lumped.push_back(row);
            continue;
        }
        if (first) {
            heavy.time = row.time;
            heavy.height = row.height;
            first = false;
        }
        heavy.molarFraction += row.molarFraction;
        heavy.area += row.area;
    }
    lumped.push_back(heavy);
    return lumped;
}

std::vector<Fraction_t> MakeMolarFractions(const std::vector<ComponentResult>& rows) {
    std::vector<Fraction_t> fractions(rows.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        CopyIdentifier(rows[i].id, fractions[i].component);
        fractions[i].fraction = rows[i].molarFraction;
    }
    return fractions;
}
