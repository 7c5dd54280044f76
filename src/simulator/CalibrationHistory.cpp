#include "CalibrationHistory.h"

namespace sim {

std::vector<HistoryDay> WriteCalibrationHistory(HostWriter& writer, const HistoryPlan& plan,
                                                const ChromatographModel& model, Random& random) {
    constexpr int64_t kDay = 86400;
    std::vector<HistoryDay> days;
    for (int32_t d = 0; d < plan.days; ++d) {
        HistoryDay day;
        day.date = plan.firstDay + d * kDay + plan.startSeconds;
        ChromatogramOptions options;
        options.heavyPeaks = plan.heavyPeaks;
        if (plan.driftStartDay >= 0 && d >= plan.driftStartDay) {
            day.responseFactor = 1.0 - plan.driftPerDay * static_cast<double>(d - plan.driftStartDay + 1);
            options.areaFactors.emplace_back(plan.driftComponent, day.responseFactor);
        }
        RunContext run;
        run.method = plan.method;
        run.date = day.date;
        run.intervalSeconds = plan.intervalSeconds;
        run.atmpressureKPa = plan.pressureKPa + plan.pressureScatterKPa * random.Normal();
        for (const ReferenceMixture& mixture : plan.mixtures) {
            day.batches.push_back(IdsOf(
                WriteCalibrationBatch(writer, mixture, plan.runsPerMixture, run, model, options, random)));
            run.date += plan.runsPerMixture * plan.intervalSeconds;
        }
        days.push_back(std::move(day));
    }
    return days;
}

} // namespace sim
