#include "Batches.h"

namespace sim {

namespace {
AssayRow RowOf(const RunContext& run, std::u16string sample, std::u16string mixture, bool calibration) {
    AssayRow row;
    row.sample = std::move(sample);
    row.method = run.method;
    row.date = run.date;
    row.mixture = std::move(mixture);
    row.atmpressureKPa = run.atmpressureKPa;
    row.atmpressureNull = run.atmpressureNull;
    row.calibration = calibration;
    row.operatorId = run.operatorId;
    row.stationId = run.stationId;
    row.placeId = run.placeId;
    return row;
}
} // namespace

std::vector<Chromatogram> WriteCalibrationBatch(HostWriter& writer, const ReferenceMixture& mixture,
                                                int32_t count, const RunContext& run,
                                                const ChromatographModel& model,
                                                const ChromatogramOptions& options, Random& random) {
    return WriteSeries(writer, RowOf(run, u"Градуировка", mixture.name, true), count, run.intervalSeconds,
                       GasOf(mixture), model, options, random);
}

std::vector<Chromatogram> WriteControlBatch(HostWriter& writer, const ReferenceMixture& mixture,
                                            int32_t count, const RunContext& run,
                                            const ChromatographModel& model,
                                            const ChromatogramOptions& options, Random& random) {
    return WriteSeries(writer, RowOf(run, u"Контроль", mixture.name, true), count, run.intervalSeconds,
                       GasOf(mixture), model, options, random);
}

std::vector<Chromatogram> WriteAnalyses(HostWriter& writer, const GasComposition& gas, std::u16string sample,
                                        std::u16string mixtureName, int32_t count, const RunContext& run,
                                        const ChromatographModel& model, const ChromatogramOptions& options,
                                        Random& random) {
    return WriteSeries(writer, RowOf(run, std::move(sample), std::move(mixtureName), false), count,
                       run.intervalSeconds, gas, model, options, random);
}

} // namespace sim
