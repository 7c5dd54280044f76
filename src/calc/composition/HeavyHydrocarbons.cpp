#include "calc/composition/HeavyHydrocarbons.h"

#include <array>
#include <string_view>

#include "calc/rounding/ZeroTolerance.h"
#include "data/MolarMass.h"

namespace {
struct PeakGroup {
    std::u16string_view id;
    double area = 0.0;
    double time = 0.0;
    double height = 0.0;
};

void AddMember(PeakGroup& group, const ComponentResult& peak) {
    if (CountsAsZero(group.area)) {
        group.time = peak.time;
        group.height = peak.height;
    }
    group.area += peak.area;
}

// Removes the members (groupOf gives the index of a peak's group, or -1 for a peak that stays) and
// appends the groups that got a retention time.
template <size_t N, typename GroupOf>
void Regroup(std::vector<ComponentResult>& peaks, std::array<PeakGroup, N> groups, GroupOf groupOf) {
    std::vector<ComponentResult> kept;
    kept.reserve(peaks.size() + N);
    for (auto& peak : peaks) {
        const int index = groupOf(peak);
        if (index < 0) {
            kept.push_back(std::move(peak));
            continue;
        }
        AddMember(groups[static_cast<size_t>(index)], peak);
    }
    for (const PeakGroup& group : groups) {
        if (!(group.time > kZeroTolerance)) {
            continue;
        }
        ComponentResult record;
        record.id = std::u16string(group.id);
        record.time = group.time;
        record.area = group.area;
        record.height = group.height;
        kept.push_back(std::move(record));
    }
    peaks = std::move(kept);
}
} // namespace

void GroupHeavyHydrocarbons(std::vector<ComponentResult>& peaks, HeavyGroupMode mode) {
    if (mode == HeavyGroupMode::C6Plus) {
        const double pentane = MolarMassOf(u"n_pentane");
        Regroup(peaks, std::array<PeakGroup, 1>{PeakGroup{u"c6plus"}},
                [pentane](const ComponentResult& peak) { return MolarMassOf(peak.id) > pentane ? 0 : -1; });
        return;
    }
    // The bounds are the molar masses of the normal alkanes С6 to С9. Toluene falls among them but is
    // determined as a component of its own; benzene lies below С6.
    const std::array<double, 4> bounds = {MolarMassOf(u"c6"), MolarMassOf(u"c7"), MolarMassOf(u"c8"),
                                          MolarMassOf(u"c9plus")};
    Regroup(peaks, std::array<PeakGroup, 3>{PeakGroup{u"c6"}, PeakGroup{u"c7"}, PeakGroup{u"c8"}},
            [&bounds](const ComponentResult& peak) {
                if (peak.id == u"toluene") {
                    return -1;
                }
                const double molarMass = MolarMassOf(peak.id);
                for (size_t group = 0; group + 1 < bounds.size(); ++group) {
                    if (molarMass >= bounds[group] && molarMass < bounds[group + 1]) {
                        return static_cast<int>(group);
                    }
                }
                return -1;
            });
}
