// What the Tarvel3136921 tests share: gases written as lists of (identifier, fraction,
// standard uncertainty) and one-line calls of the library's functions.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "gost/gost6976/include/Tarvel3136921.h"

namespace gost6976_test {

struct Component {
    std::u16string_view id;
    double fraction;    // mol/mol
    double uncertainty; // standard, mol/mol
};

inline std::vector<PropertyEntry> Entries(std::initializer_list<Component> components) {
    std::vector<PropertyEntry> entries;
    for (const Component& component : components) {
        PropertyEntry entry{};
        for (size_t i = 0; i < component.id.size() && i < 63; ++i) {
            entry.component[i] = component.id[i];
        }
        entry.fraction = component.fraction;
        entry.standardUncertainty = component.uncertainty;
        entries.push_back(entry);
    }
    return entries;
}

inline constexpr double kPressureKPa = 101.325;

inline double At(const PhysicalProperties& record, PhysicalPropertyIndex index) {
    return record.value[static_cast<int32_t>(index)];
}

struct Result {
    int32_t status = -1;
    PhysicalProperties record{};
};

inline Result Values(const std::vector<PropertyEntry>& entries, int32_t metering, int32_t combustion,
                     double pressureKPa = kPressureKPa) {
    int32_t rows = 0;
    const void* table = GetDefaultConstTable3136921(&rows);
    Result result;
    result.status = Calc3136921(table, rows, entries.data(), static_cast<int32_t>(entries.size()),
                                pressureKPa, metering, combustion, &result.record);
    return result;
}

inline Result Uncertainties(const std::vector<PropertyEntry>& raw, const std::vector<PropertyEntry>& final,
                            int32_t metering, int32_t combustion, CorrelationMode3136921 mode) {
    int32_t rows = 0;
    const void* table = GetDefaultConstTable3136921(&rows);
    const Result values = Values(final, metering, combustion);
    Result result;
    result.status =
        Calc3136921U(table, rows, raw.data(), final.data(), static_cast<int32_t>(final.size()), kPressureKPa,
                     metering, combustion, static_cast<int32_t>(mode), &values.record, &result.record);
    return result;
}

inline Result Uncertainties(const std::vector<PropertyEntry>& final, int32_t metering, int32_t combustion,
                            CorrelationMode3136921 mode) {
    return Uncertainties(final, final, metering, combustion, mode);
}

// Metering and combustion temperature indices of the library.
inline constexpr int32_t kMetering0C = 0, kMetering15C = 1, kMetering60F = 2, kMetering20C = 3;
inline constexpr int32_t kCombustion0C = 0, kCombustion15C = 1, kCombustion60F = 2, kCombustion20C = 3,
                         kCombustion25C = 4;

// A 12-component natural gas in mol/mol with standard uncertainties, summing to one.
inline std::vector<PropertyEntry> TwelveComponentGas() {
    return Entries({{u"methane", 0.8850, 0.00040},
                    {u"ethane", 0.0520, 0.00025},
                    {u"propane", 0.0180, 0.00015},
                    {u"2_methylpropane", 0.0030, 0.00004},
                    {u"n_butane", 0.0040, 0.00005},
                    {u"2_methylbutane", 0.0010, 0.00002},
                    {u"n_pentane", 0.0008, 0.00002},
                    {u"c6plus", 0.0007, 0.00003},
                    {u"nitrogen", 0.0200, 0.00020},
                    {u"carbon_dioxide", 0.0140, 0.00012},
                    {u"helium", 0.0005, 0.00001},
                    {u"oxygen", 0.0010, 0.00002}});
}

} // namespace gost6976_test
