#include "calc/composition/HeavyHydrocarbons.h"

#include <array>
#include <span>
#include <string_view>

#include "data/ZeroTolerance.h"

namespace {
struct PeakGroup {
    std::u16string_view id;
    double area = 0.0;
    double time = 0.0;
    double height = 0.0;
    int standing = -1; // StandingOf the member that gave the time and height; -1: no member yet
};

// A host stores a peak integrated by hand without its retention time (NULL or 0).
bool HasRetentionTime(double time) {
    return time > kZeroTolerance;
}

// How well a member stands for its group: one with an area and a retention time best, then one with a
// retention time, then one with an area.
int StandingOf(const ComponentResult& peak) {
    return (HasRetentionTime(peak.time) ? 2 : 0) + (CountsAsZero(peak.area) ? 0 : 1);
}

// The group takes the time and height of its first member of the best standing; the peaks come in
// order of time, those without one first.
void AddMember(PeakGroup& group, const ComponentResult& peak) {
    const int standing = StandingOf(peak);
    if (standing > group.standing) {
        group.time = peak.time;
        group.height = peak.height;
        group.standing = standing;
    }
    group.area += peak.area;
}

// A group without a retention time is still a measured amount: it stays while its area is above zero.
bool IsKept(const PeakGroup& group) {
    return HasRetentionTime(group.time) || group.area > kZeroTolerance;
}

// Removes the members (groupOf gives the index of a peak's group, or -1 for a peak that stays) and
// appends the groups that are kept.
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
        if (!IsKept(group)) {
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
    const std::span<const std::u16string_view> ids = HeavyGroupIds(mode);
    const auto groupOf = [mode](const ComponentResult& peak) { return HeavyGroupOf(peak.id, mode); };
    if (mode == HeavyGroupMode::C6Plus) {
        Regroup(peaks, std::array<PeakGroup, 1>{PeakGroup{ids[0]}}, groupOf);
        return;
    }
    Regroup(peaks, std::array<PeakGroup, 3>{PeakGroup{ids[0]}, PeakGroup{ids[1]}, PeakGroup{ids[2]}},
            groupOf);
}
