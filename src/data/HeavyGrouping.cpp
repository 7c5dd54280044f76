#include "data/HeavyGrouping.h"

#include <array>
#include <cmath>
#include <string_view>

#include "data/MolarMass.h"

namespace {
constexpr double kZeroTolerance = 2.220446049250313e-16; // 2^-52
using Slots = std::array<double, kAreaSeriesSlots>;

bool AnySlotNonZero(const Slots& slots) {
    for (const double value : slots) {
        if (std::fabs(value) > kZeroTolerance) {
            return true;
        }
    }
    return false;
}

// Removes the members of the groups (groupOf gives a group index, or -1 for a record that stays) and
// appends the group records in the order of groupIds.
template <size_t N, typename GroupOf>
void Regroup(std::vector<AreaSeries>& series, const std::array<std::u16string_view, N>& groupIds,
             GroupOf groupOf) {
    std::array<Slots, N> sums{};
    std::vector<AreaSeries> kept;
    kept.reserve(series.size() + N);
    for (auto& record : series) {
        const int group = groupOf(record);
        if (group < 0) {
            kept.push_back(std::move(record));
            continue;
        }
        Slots& sum = sums[static_cast<size_t>(group)];
        for (size_t slot = 0; slot < kAreaSeriesSlots; ++slot) {
            sum[slot] += record.areas[slot];
        }
    }
    for (size_t group = 0; group < N; ++group) {
        if (AnySlotNonZero(sums[group])) {
            kept.push_back(AreaSeries{std::u16string(groupIds[group]), sums[group]});
        }
    }
    series = std::move(kept);
}
} // namespace

void GroupHeavyAreas(std::vector<AreaSeries>& series, HeavyGroupMode mode) {
    if (mode == HeavyGroupMode::C6Plus) {
        // Everything heavier than the pentanes, the aromatics included.
        const double pentane = MolarMassOf(u"n_pentane");
        const std::array<std::u16string_view, 1> ids = {u"c6plus"};
        Regroup(series, ids,
                [pentane](const AreaSeries& record) { return MolarMassOf(record.id) > pentane ? 0 : -1; });
        return;
    }
    // Bounds are the molar masses of the normal alkanes С6, С7, С8 and С9; benzene and toluene, which
    // fall among them, are calibrated as components of their own.
    const std::array<double, 4> bounds = {MolarMassOf(u"c6"), MolarMassOf(u"c7"), MolarMassOf(u"c8"),
                                          MolarMassOf(u"c9plus")};
    const std::array<std::u16string_view, 3> ids = {u"c6", u"c7", u"c8"};
    Regroup(series, ids, [&bounds](const AreaSeries& record) {
        if (record.id == u"benzene" || record.id == u"toluene") {
            return -1;
        }
        const double molarMass = MolarMassOf(record.id);
        for (size_t group = 0; group + 1 < bounds.size(); ++group) {
            if (molarMass >= bounds[group] && molarMass < bounds[group + 1]) {
                return static_cast<int>(group);
            }
        }
        return -1;
    });
}
