// Gases for the Tarvel3470420 tests, written as lists of (identifier, %), and the conversion of a published
// volume composition into the molar fractions the library takes. Needs only the library's records, so a
// file that also includes Tarvel31371720's header can use it.
#pragma once

#include <cmath>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "gost/gost34704/include/Tarvel3470420Types.h"

namespace gost34704_test {

struct Component {
    std::u16string_view id;
    double percent;
};

// An ASCII identifier for test messages.
inline std::string Utf16Name(std::u16string_view id) {
    return std::string(id.begin(), id.end());
}

inline Fraction_t Row(std::u16string_view id, double percent) {
    Fraction_t row{};
    for (size_t i = 0; i < id.size() && i < 63; ++i) {
        row.component[i] = id[i];
    }
    row.fraction = percent;
    return row;
}

inline std::vector<Fraction_t> Gas(std::initializer_list<Component> components) {
    std::vector<Fraction_t> rows;
    for (const Component& component : components) {
        rows.push_back(Row(component.id, component.percent));
    }
    return rows;
}

// Summation factors at 0 °C, 101.325 kPa, ISO 6976:2016 Table 2, of the components the published gases
// hold; Z = 1 − s².
struct SummationFactor {
    std::u16string_view id;
    double s0C;
};
inline constexpr SummationFactor kSummationFactors[] = {
    {u"methane", 0.04886},        {u"ethane", 0.0997},         {u"propane", 0.1465}, {u"n_butane", 0.2022},
    {u"2_methylpropane", 0.1885}, {u"n_pentane", 0.2586},      {u"c6plus", 0.3319},  {u"n_hexane", 0.3319},
    {u"nitrogen", 0.0214},        {u"carbon_dioxide", 0.0821}, {u"hydrogen", -0.01},
};

inline double CompressionFactor(std::u16string_view id) {
    for (const SummationFactor& factor : kSummationFactors) {
        if (factor.id == id) {
            return 1.0 - factor.s0C * factor.s0C;
        }
    }
    return NAN;
}

// Molar fractions (%) of a gas published as volume fractions: x_i ∝ r_i / Z_i, the inverse of the
// conversion of GOST 34704-2020.
inline std::vector<Fraction_t> FromVolume(std::initializer_list<Component> volume) {
    double total = 0.0;
    for (const Component& component : volume) {
        total += component.percent / CompressionFactor(component.id);
    }
    std::vector<Fraction_t> rows;
    for (const Component& component : volume) {
        rows.push_back(
            Row(component.id, 100.0 * component.percent / CompressionFactor(component.id) / total));
    }
    return rows;
}

} // namespace gost34704_test
