#include "data/HeavyGrouping.h"

#include <array>

#include "data/MolarMass.h"
#include "data/ZeroTolerance.h"

namespace {
constexpr std::array<std::u16string_view, 3> kCarbonNumberGroups = {u"c6", u"c7", u"c8"};
constexpr std::array<std::u16string_view, 1> kC6PlusGroup = {u"c6plus"};

using Slots = std::array<double, kAreaSeriesSlots>;

bool AnySlotNonZero(const Slots& slots) {
    for (const double value : slots) {
        if (!NotAboveZeroTolerance(value)) {
            return true;
        }
    }
    return false;
}
} // namespace

std::span<const std::u16string_view> HeavyGroupIds(HeavyGroupMode mode) {
    if (mode == HeavyGroupMode::C6Plus) {
        return kC6PlusGroup;
    }
    return kCarbonNumberGroups;
}

int HeavyGroupOf(std::u16string_view componentId, HeavyGroupMode mode) {
    const double molarMass = MolarMassOf(componentId);
    if (mode == HeavyGroupMode::C6Plus) {
        // Everything heavier than the pentanes, the aromatics included.
        static const double pentane = MolarMassOf(u"n_pentane");
        return molarMass > pentane ? 0 : -1;
    }
    if (componentId == u"benzene" || componentId == u"toluene") {
        return -1;
    }
    // The bounds are the molar masses of the normal alkanes С6, С7, С8 and С9.
    static const std::array<double, 4> bounds = {MolarMassOf(u"c6"), MolarMassOf(u"c7"), MolarMassOf(u"c8"),
                                                 MolarMassOf(u"c9plus")};
    for (size_t group = 0; group + 1 < bounds.size(); ++group) {
        if (molarMass >= bounds[group] && molarMass < bounds[group + 1]) {
            return static_cast<int>(group);
        }
    }
    return -1;
}

void GroupHeavyAreas(std::vector<AreaSeries>& series, HeavyGroupMode mode) {
    const std::span<const std::u16string_view> groupIds = HeavyGroupIds(mode);
    std::vector<Slots> sums(groupIds.size(), Slots{});
    std::vector<AreaSeries> kept;
    kept.reserve(series.size() + groupIds.size());
    for (auto& record : series) {
        const int group = HeavyGroupOf(record.id, mode);
        if (group < 0) {
            kept.push_back(std::move(record));
            continue;
        }
        Slots& sum = sums[static_cast<size_t>(group)];
        for (size_t slot = 0; slot < kAreaSeriesSlots; ++slot) {
            sum[slot] += record.areas[slot];
        }
    }
    for (size_t group = 0; group < groupIds.size(); ++group) {
        if (AnySlotNonZero(sums[group])) {
            kept.push_back(AreaSeries{std::u16string(groupIds[group]), sums[group]});
        }
    }
    series = std::move(kept);
}
