// How the host's calibration chromatograms make up calibrations, the way a laboratory runs them: one
// reference mixture, one day (UTC), consecutive chromatograms. Chromatograms of one mixture that follow
// one another on one day with no chromatogram of another mixture between them form a run; a run is cut
// into groups of the method's count from its first chromatogram on, and the chromatograms left at its
// end, fewer than the count, belong to no calibration. A deleted chromatogram is not there at all (the
// host's query leaves it out): its neighbours count as consecutive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "data/HostSources.h"

inline constexpr int64_t kSecondsPerDay = 86400;

struct CalibrationGroup {
    std::u16string mixture;
    int64_t date = 0; // of its first chromatogram
    std::vector<int64_t> ids;
};

struct CalibrationGrouping {
    std::vector<CalibrationGroup> groups; // in date order
    int32_t leftOver = 0;                 // chromatograms of the wanted mixtures in no group
};

// The groups of count chromatograms of the wanted mixtures among rows (in date order, all mixtures).
CalibrationGrouping GroupCalibrationRuns(std::span<const HostCalibrationRow> rows, size_t count,
                                         std::span<const std::u16string> mixtures);

// A calibration of methods В1 and В2: a group of the first mixture and one of the second, made on the
// same day. The k-th group of each mixture on a day are paired; an unpaired group makes no calibration,
// and its chromatograms are counted in unpaired.
struct CalibrationPair {
    int64_t date = 0; // the earlier of the two groups
    std::vector<int64_t> first;
    std::vector<int64_t> second;
};
std::vector<CalibrationPair> PairCalibrationGroups(const CalibrationGrouping& grouping,
                                                   std::u16string_view firstMixture,
                                                   std::u16string_view secondMixture, int32_t& unpaired);

// The UTC day of a date (days since 1970-01-01), also for dates before 1970.
int64_t UtcDayOf(int64_t date);
