#include "data/HeavyGrouping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "data/MolarMass.h"
#include "data/ZeroTolerance.h"

namespace {
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
void Regroup(std::vector<AreaSeries>& series, std::span<const std::u16string_view> groupIds,
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
    for (size_t group = 0; group < N && group < groupIds.size(); ++group) {
        if (AnySlotNonZero(sums[group])) {
            kept.push_back(AreaSeries{std::u16string(groupIds[group]), sums[group]});
        }
    }
    series = std::move(kept);
}
} // namespace

std::span<const std::u16string_view> HeavyGroupIds(HeavyGroupMode mode) {
    static constexpr std::array<std::u16string_view, 1> kC6Plus = {u"c6plus"};
    static constexpr std::array<std::u16string_view, 3> kC6C7C8 = {u"c6", u"c7", u"c8"};
    if (mode == HeavyGroupMode::C6Plus) {
        return kC6Plus;
    }
    return kC6C7C8;
}

int HeavyGroupOf(std::u16string_view componentId, HeavyGroupMode mode) {
    // The sulphur compounds of the catalogue heavier than the pentanes are no hydrocarbons: the groups do
    // not take them, and they stay components of their own.
    static constexpr std::array<std::u16string_view, 7> kNotHydrocarbons = {
        u"carbon_disulfide", u"1-propanethiol",          u"2-propanethiol",         u"1-butanethiol",
        u"2-butanethiol",    u"2-methyl-2-propanethiol", u"2-methyl-1-propanethiol"};
    const double molarMass = MolarMassOf(componentId);
    if (!(molarMass > MolarMassOf(u"n_pentane")) ||
        std::find(kNotHydrocarbons.begin(), kNotHydrocarbons.end(), componentId) != kNotHydrocarbons.end()) {
        return -1;
    }
    if (mode == HeavyGroupMode::C6Plus) {
        return 0;
    }
    // Benzene and toluene are determined as components of their own by the methods that determine С6,
    // С7 and С8.
    if (componentId == u"benzene" || componentId == u"toluene") {
        return -1;
    }
    // A hydrocarbon of n carbon atoms is heavier than the normal alkane of n − 1 and at most as heavy as
    // that of n (the alkane holds the most hydrogen), so the molar mass gives the carbon number of
    // cyclic and aromatic hydrocarbons as well. Nonane and heavier join С8, the heaviest group the
    // methods determine.
    if (molarMass <= MolarMassOf(u"n_hexane")) {
        return 0;
    }
    if (molarMass <= MolarMassOf(u"n_heptane")) {
        return 1;
    }
    return 2;
}

void GroupHeavyAreas(std::vector<AreaSeries>& series, HeavyGroupMode mode) {
    const std::span<const std::u16string_view> ids = HeavyGroupIds(mode);
    if (mode == HeavyGroupMode::C6Plus) {
        Regroup<1>(series, ids,
                   [](const AreaSeries& record) { return HeavyGroupOf(record.id, HeavyGroupMode::C6Plus); });
        return;
    }
    Regroup<3>(series, ids,
               [](const AreaSeries& record) { return HeavyGroupOf(record.id, HeavyGroupMode::C6C7C8); });
}
