// A calibration history reads the areas of hundreds of chromatograms. Read one at a time, each read is a
// statement of its own, with the database file locked and unlocked around it, which costs more than the
// reading itself (most of all under Wine); read at once, they are two statements.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/HostSources.h"

// The rows of several chromatograms as the sources' reads of many give them.
struct ChromatogramRows {
    std::vector<int64_t> ids; // the chromatograms read
    std::vector<HostAssayPeakRow> peaks;
    std::vector<HostAssayPressureRow> pressures;
    bool readAtOnce = false; // false: the chromatograms are read one at a time

    bool operator==(const ChromatogramRows&) const = default;
};

// The rows of the chromatograms assayIds; none where the sources cannot read many at once in the order
// of their own reads (a host's view or table without row ids has no row order to give), or where the
// database refuses the reading: the chromatograms are then read one at a time, as their own reads give
// them.
ChromatogramRows ReadChromatogramsAtOnce(const HostSources& sources, std::span<const int64_t> assayIds);

// Sources that answer peakAreas and pressures for the chromatograms of rows from rows, with the very rows
// the per-chromatogram reads of sources give, and pass every other read to sources.
HostSources AnsweringFrom(const HostSources& sources, const ChromatogramRows& rows);
