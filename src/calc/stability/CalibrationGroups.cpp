#include "calc/stability/CalibrationGroups.h"

#include <algorithm>
#include <map>
#include <utility>

int64_t UtcDayOf(int64_t date) {
    return date >= 0 ? date / kSecondsPerDay : -((-date + kSecondsPerDay - 1) / kSecondsPerDay);
}

CalibrationGrouping GroupCalibrationRuns(std::span<const HostCalibrationRow> rows, size_t count,
                                         std::span<const std::u16string> mixtures) {
    CalibrationGrouping grouping;
    if (count == 0) {
        return grouping;
    }
    size_t start = 0;
    while (start < rows.size()) {
        size_t end = start + 1;
        while (end < rows.size() && rows[end].mixture == rows[start].mixture &&
               UtcDayOf(rows[end].date) == UtcDayOf(rows[start].date)) {
            ++end;
        }
        const bool wanted =
            std::find(mixtures.begin(), mixtures.end(), rows[start].mixture) != mixtures.end();
        if (wanted) {
            size_t first = start;
            for (; first + count <= end; first += count) {
                CalibrationGroup group;
                group.mixture = rows[first].mixture;
                group.date = rows[first].date;
                for (size_t k = first; k < first + count; ++k) {
                    group.ids.push_back(rows[k].id);
                }
                grouping.groups.push_back(std::move(group));
            }
            grouping.leftOver += static_cast<int32_t>(end - first);
        }
        start = end;
    }
    return grouping;
}

std::vector<CalibrationPair> PairCalibrationGroups(const CalibrationGrouping& grouping,
                                                   std::u16string_view firstMixture,
                                                   std::u16string_view secondMixture, int32_t& unpaired) {
    // Per day, the groups of each mixture in date order.
    std::map<int64_t, std::pair<std::vector<const CalibrationGroup*>, std::vector<const CalibrationGroup*>>>
        days;
    for (const CalibrationGroup& group : grouping.groups) {
        auto& day = days[UtcDayOf(group.date)];
        if (group.mixture == firstMixture) {
            day.first.push_back(&group);
        } else if (group.mixture == secondMixture) {
            day.second.push_back(&group);
        }
    }
    std::vector<CalibrationPair> pairs;
    unpaired = 0;
    for (const auto& [day, groups] : days) {
        const size_t paired = std::min(groups.first.size(), groups.second.size());
        for (size_t k = 0; k < paired; ++k) {
            CalibrationPair pair;
            pair.date = std::min(groups.first[k]->date, groups.second[k]->date);
            pair.first = groups.first[k]->ids;
            pair.second = groups.second[k]->ids;
            pairs.push_back(std::move(pair));
        }
        for (size_t k = paired; k < groups.first.size(); ++k) {
            unpaired += static_cast<int32_t>(groups.first[k]->ids.size());
        }
        for (size_t k = paired; k < groups.second.size(); ++k) {
            unpaired += static_cast<int32_t>(groups.second[k]->ids.size());
        }
    }
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const CalibrationPair& a, const CalibrationPair& b) { return a.date < b.date; });
    return pairs;
}
