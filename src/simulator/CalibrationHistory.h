// A laboratory's calibration history: daily calibrations of one method's reference mixtures over a
// period, with the day-to-day scatter of a real chromatograph (run noise, the atmospheric pressure of
// the day) and, optionally, a slow drift of one component's response (a detector losing sensitivity for
// it, a leaking sample loop), for the stability charts of the calibration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Batches.h"

namespace sim {

struct HistoryPlan {
    std::u16string method;                  // the host's method name
    std::vector<ReferenceMixture> mixtures; // written already; each calibrated every day, in this order
    int32_t runsPerMixture = 3;             // consecutive calibration chromatograms of a mixture a day
    HeavyPeaks heavyPeaks = HeavyPeaks::Individual;
    int64_t firstDay = 0;            // 00:00 UTC of the first day
    int32_t days = 0;                // one calibration a day
    int64_t startSeconds = 6 * 3600; // time of day of the first chromatogram
    int64_t intervalSeconds = 600;
    double pressureKPa = 101.325;     // mean atmospheric pressure of the days
    double pressureScatterKPa = 0.15; // standard deviation of a day's pressure about the mean
    // From day driftStartDay (0 = the first day) on, the areas of driftComponent are multiplied by
    // 1 − driftPerDay · (d − driftStartDay + 1): a response falling by driftPerDay a day.
    std::u16string driftComponent;
    int32_t driftStartDay = -1; // -1: no drift
    double driftPerDay = 0.0;
};

struct HistoryDay {
    int64_t date = 0;                          // first chromatogram of the day
    double responseFactor = 1.0;               // the drift factor of the day (1 without drift)
    std::vector<std::vector<int64_t>> batches; // per mixture, in run order
};

// Writes the plan's calibrations into an open transaction of the writer.
std::vector<HistoryDay> WriteCalibrationHistory(HostWriter& writer, const HistoryPlan& plan,
                                                const ChromatographModel& model, Random& random);

} // namespace sim
