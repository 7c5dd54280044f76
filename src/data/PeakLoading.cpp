#include "data/PeakLoading.h"

#include <string>
#include <unordered_map>

#include "data/AliasLookup.h"
#include "data/HostSources.h"
#include "data/PeakGroups.h"
#include "data/PressureCorrection.h"
#include "data/ZeroTolerance.h"

namespace {
// Position of the first record with each identifier. A chromatogram may hold thousands of peaks; a
// linear search per peak would make reading it quadratic.
class RecordIndex {
public:
    template <typename Record>
    explicit RecordIndex(const std::vector<Record>& records) {
        for (size_t i = 0; i < records.size(); ++i) {
            positions_.emplace(records[i].id, i); // keeps the first of equal identifiers
        }
    }
    const size_t* Find(const std::u16string& id) const {
        const auto it = positions_.find(id);
        return it == positions_.end() ? nullptr : &it->second;
    }
    void Add(const std::u16string& id, size_t position) { positions_.emplace(id, position); }

private:
    std::unordered_map<std::u16string, size_t> positions_;
};
} // namespace

int32_t LoadAssayPeaks(const HostSources& sources, const AliasList& aliases, const AreaCorrection& correction,
                       int64_t assayId, std::vector<ComponentResult>& peaks,
                       std::vector<HostPeakRow>* unnamed) {
    const PeakGroupNames groups = MakePeakGroupNames(aliases);
    const double factor = AssayPressureFactor(sources, assayId, correction);
    std::vector<HostPeakRow> rows;
    sources.peaksByTime(assayId, rows);

    // Only group identifiers are looked up (in the whole list, records of earlier calls included);
    // every other peak is appended as a record of its own.
    RecordIndex records(peaks);

    for (const HostPeakRow& row : rows) {
        if (row.name.empty()) {
            const double area = correction.correctedArea(row.area, factor);
            if (unnamed != nullptr && area > kZeroTolerance) {
                unnamed->push_back(HostPeakRow{row.name, row.time, area, row.height});
            }
            continue;
        }
        const double area = correction.correctedArea(row.area, factor);
        const std::u16string_view group = PeakGroupOf(groups, row.name);
        if (!group.empty()) {
            const std::u16string groupId(group);
            if (const size_t* position = records.Find(groupId)) {
                ComponentResult& record = peaks[*position];
                record.area += area;
                // Peaks integrated by hand may be stored without a time (they come first): the group
                // takes the time of its first peak that has one.
                if (!(record.time > kZeroTolerance) && row.time > kZeroTolerance) {
                    record.time = row.time;
                    record.height = row.height;
                }
                continue;
            }
            records.Add(groupId, peaks.size());
            ComponentResult record;
            record.id = groupId;
            record.time = row.time;
            record.area = area;
            record.height = row.height;
            peaks.push_back(std::move(record));
            continue;
        }
        ComponentResult record;
        record.id = ComponentIdForAlias(aliases, row.name);
        record.time = row.time;
        record.area = area;
        record.height = row.height;
        records.Add(record.id, peaks.size());
        peaks.push_back(std::move(record));
    }
    return static_cast<int32_t>(peaks.size());
}

int32_t LoadAreaSeries(const HostSources& sources, const AliasList& aliases, const AreaCorrection& correction,
                       std::span<const int64_t> assayIds, std::vector<AreaSeries>& series) {
    const PeakGroupNames groups = MakePeakGroupNames(aliases);
    RecordIndex index(series);
    std::vector<HostPeakRow> rows;
    const size_t count = assayIds.size() < kAreaSeriesSlots ? assayIds.size() : kAreaSeriesSlots;
    for (size_t slot = 0; slot < count; ++slot) {
        const double factor = AssayPressureFactor(sources, assayIds[slot], correction);
        sources.peakAreas(assayIds[slot], rows);
        for (const HostPeakRow& row : rows) {
            if (row.name.empty()) {
                continue;
            }
            const double area = correction.correctedArea(row.area, factor);
            const std::u16string_view group = PeakGroupOf(groups, row.name);
            const std::u16string id =
                group.empty() ? ComponentIdForAlias(aliases, row.name) : std::u16string(group);
            if (const size_t* position = index.Find(id)) {
                series[*position].areas[slot] += area;
                continue;
            }
            index.Add(id, series.size());
            AreaSeries record;
            record.id = id;
            record.areas[slot] = area;
            series.push_back(std::move(record));
        }
    }
    return static_cast<int32_t>(series.size());
}
