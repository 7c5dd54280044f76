// The chromatograms of a laboratory's day: calibration and control batches of reference mixtures and
// analyses of the gas.
#pragma once

#include <cstdint>
#include <vector>

#include "Chromatograph.h"
#include "ReferenceMixtures.h"

namespace sim {

// What the chromatograms of one batch share.
struct RunContext {
    int64_t date = 0;                // first chromatogram, seconds since 1970-01-01 UTC
    int64_t intervalSeconds = 900;   // between consecutive chromatograms
    double atmpressureKPa = 101.325; // drifts by up to ±0.05 kPa between runs
    bool atmpressureNull = false;    // the chromatograms are stored without their pressure
    std::u16string method;           // the host's method name
    int64_t operatorId = 0;
    int64_t stationId = 0;
    int64_t placeId = 0;
};

// count consecutive calibration chromatograms of the mixture (3, 5 or 7 in practice), recorded with the
// mixture's name and the sample "Градуировка".
std::vector<Chromatogram> WriteCalibrationBatch(HostWriter& writer, const ReferenceMixture& mixture,
                                                int32_t count, const RunContext& run,
                                                const ChromatographModel& model,
                                                const ChromatogramOptions& options, Random& random);

// count control chromatograms of the mixture (sample "Контроль"); the host files them with the
// calibration chromatograms.
std::vector<Chromatogram> WriteControlBatch(HostWriter& writer, const ReferenceMixture& mixture,
                                            int32_t count, const RunContext& run,
                                            const ChromatographModel& model,
                                            const ChromatogramOptions& options, Random& random);

// count analysis chromatograms of the gas under the sample name, recorded with mixtureName (empty for a
// gas; the name of a reference mixture analysed as a sample for the control of the result).
std::vector<Chromatogram> WriteAnalyses(HostWriter& writer, const GasComposition& gas, std::u16string sample,
                                        std::u16string mixtureName, int32_t count, const RunContext& run,
                                        const ChromatographModel& model, const ChromatogramOptions& options,
                                        Random& random);

} // namespace sim
