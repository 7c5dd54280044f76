#include "calc/composition/HeavyHydrocarbons.h"

#include <string_view>

#include "data/ZeroTolerance.h"

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
} // namespace

void GroupHeavyHydrocarbons(std::vector<ComponentResult>& peaks, HeavyGroupMode mode) {
    std::vector<PeakGroup> groups;
    for (const std::u16string_view id : HeavyGroupIds(mode)) {
        groups.push_back(PeakGroup{id});
    }
    std::vector<ComponentResult> kept;
    kept.reserve(peaks.size() + groups.size());
    for (auto& peak : peaks) {
        const int index = HeavyGroupOf(peak.id, mode);
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
