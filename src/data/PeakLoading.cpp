#include "data/PeakLoading.h"

#include <string>
#include <unordered_map>

#include "data/AliasLookup.h"
#include "data/DataBaseReader.h"
#include "data/PeakGroups.h"
#include "data/PressureCorrection.h"
#include "data/SqlTexts.h"

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

int32_t LoadAssayPeaks(const AliasList& aliases, const AreaCorrection& correction, int64_t assayId,
                       std::vector<ComponentResult>& peaks) {
    const PeakGroupNames groups = MakePeakGroupNames(aliases);
    DataBase::Reader reader;
    const double factor = AssayPressureFactor(reader, assayId, correction);

    // Only group identifiers are looked up (in the whole list, records of earlier calls included);
    // every other peak is appended as a record of its own.
    RecordIndex records(peaks);

    DataBase::Statement& statement = reader.Prepare(HostSql::kAssayPeaks);
    statement.BindAssayId(1, assayId);
    while (statement.Step()) {
        const std::u16string name = statement.ColumnText(0);
        if (name.empty()) {
            continue;
        }
        const double time = statement.ColumnDouble(1);
        const double area = correction.correctedArea(statement.ColumnDouble(2), factor);
        const double height = statement.ColumnDouble(3);

        const std::u16string_view group = PeakGroupOf(groups, name);
        if (!group.empty()) {
            const std::u16string groupId(group);
            if (const size_t* position = records.Find(groupId)) {
                peaks[*position].area += area;
                continue;
            }
            records.Add(groupId, peaks.size());
            ComponentResult record;
            record.id = groupId;
            record.time = time;
            record.area = area;
            record.height = height;
            peaks.push_back(std::move(record));
            continue;
        }
        ComponentResult record;
        record.id = ComponentIdForAlias(aliases, name);
        record.time = time;
        record.area = area;
        record.height = height;
        records.Add(record.id, peaks.size());
        peaks.push_back(std::move(record));
    }
    return static_cast<int32_t>(peaks.size());
}

int32_t LoadAreaSeries(const AliasList& aliases, const AreaCorrection& correction,
                       std::span<const int64_t> assayIds, std::vector<AreaSeries>& series) {
    const PeakGroupNames groups = MakePeakGroupNames(aliases);
    DataBase::Reader reader;
    RecordIndex index(series);
    const size_t count = assayIds.size() < kAreaSeriesSlots ? assayIds.size() : kAreaSeriesSlots;
    for (size_t slot = 0; slot < count; ++slot) {
        const double factor = AssayPressureFactor(reader, assayIds[slot], correction);
        DataBase::Statement& statement = reader.Prepare(HostSql::kAssayPeakAreas);
        statement.BindAssayId(1, assayIds[slot]);
        while (statement.Step()) {
            const std::u16string name = statement.ColumnText(0);
            if (name.empty()) {
                continue;
            }
            const double area = correction.correctedArea(statement.ColumnDouble(1), factor);
            const std::u16string_view group = PeakGroupOf(groups, name);
            const std::u16string id =
                group.empty() ? ComponentIdForAlias(aliases, name) : std::u16string(group);
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
