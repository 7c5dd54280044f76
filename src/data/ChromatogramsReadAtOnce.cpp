#include "data/ChromatogramsReadAtOnce.h"

#include <memory>
#include <unordered_map>

#include "data/SqlException.h"

namespace {

struct RowsById {
    std::unordered_map<int64_t, std::vector<HostPeakRow>> peaks;
    std::unordered_map<int64_t, std::vector<double>> pressures;
};

bool ReadsAtOnce(const HostSources& sources) {
    return sources.peakAreasOf && sources.pressuresOf;
}

} // namespace

ChromatogramRows ReadChromatogramsAtOnce(const HostSources& sources, std::span<const int64_t> assayIds) {
    ChromatogramRows rows;
    if (!ReadsAtOnce(sources)) {
        return rows;
    }
    try {
        if (!sources.pressuresOf(assayIds, rows.pressures) || !sources.peakAreasOf(assayIds, rows.peaks)) {
            return ChromatogramRows{};
        }
    } catch (const DataBase::SqlException&) {
        // A failure that is not the reading at once's own comes back from the first read one at a time.
        return ChromatogramRows{};
    }
    rows.ids.assign(assayIds.begin(), assayIds.end());
    rows.readAtOnce = true;
    return rows;
}

HostSources AnsweringFrom(const HostSources& sources, const ChromatogramRows& rows) {
    auto byId = std::make_shared<RowsById>();
    for (const int64_t id : rows.ids) {
        // An id the database does not know reads as no peaks and no pressure, as its own reads give.
        if (id > 0) {
            byId->peaks[id];
            byId->pressures[id];
        }
    }
    for (const HostAssayPressureRow& row : rows.pressures) {
        byId->pressures[row.assayId].push_back(row.pressureKPa);
    }
    for (const HostAssayPeakRow& row : rows.peaks) {
        byId->peaks[row.assayId].push_back(row.peak);
    }

    HostSources answering = sources;
    answering.peakAreas = [byId, own = sources.peakAreas](int64_t assayId, std::vector<HostPeakRow>& peaks) {
        const auto found = byId->peaks.find(assayId);
        if (found == byId->peaks.end()) {
            own(assayId, peaks);
            return;
        }
        peaks = found->second;
    };
    answering.pressures = [byId, own = sources.pressures](int64_t assayId,
                                                          std::vector<double>& pressuresKPa) {
        const auto found = byId->pressures.find(assayId);
        if (found == byId->pressures.end()) {
            own(assayId, pressuresKPa);
            return;
        }
        pressuresKPa = found->second;
    };
    return answering;
}
