// Reading the peaks of chromatograms from the host's database into per-component records: the peaks of
// an analysis chromatogram for the composition, and the areas of calibration and control chromatograms
// side by side for the calibration and its checks, from the rows the sources give.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "data/AreaSeries.h"
#include "data/ComponentCatalogue.h"
#include "data/ComponentResult.h"
#include "data/HostSources.h"
#include "data/PressureCorrection.h"

// Appends the peaks of one chromatogram, in order of retention time: a record per named peak
// (identifier by the aliases, area corrected by the library, for pressure when "Tarvel/clcPressure" is on),
// except that the peaks of a carbon-number group add their areas into one record that keeps the time and
// height of the group's first peak that has a time (of its first peak while none has one). Peaks without
// a name are skipped; those whose corrected area is above zero are appended to unnamed, when given, for
// the journal. Returns the size of the list. Raises what the
// sources raise.
int32_t LoadAssayPeaks(const HostSources& sources, const AliasList& aliases, const AreaCorrection& correction,
                       int64_t assayId, std::vector<ComponentResult>& peaks,
                       std::vector<HostPeakRow>* unnamed = nullptr);

// Adds the areas of the chromatograms assayIds[k] into slot k of the record of each component (3 or 5
// chromatograms; at most kAreaSeriesSlots are read). Areas of one component in one chromatogram are
// summed. Returns the number of records. Raises what the sources raise.
int32_t LoadAreaSeries(const HostSources& sources, const AliasList& aliases, const AreaCorrection& correction,
                       std::span<const int64_t> assayIds, std::vector<AreaSeries>& series);
