#include "calc/composition/MeasurementLoading.h"

#include "calc/ContextLoading.h"
#include "calc/MethodTable.h"
#include "calc/Status.h"
#include "calc/composition/HeavyHydrocarbons.h"

HeavyGroupMode HeavyGroupModeOf(int32_t calibrationKind) {
    return IsC6PlusMethod(calibrationKind) ? HeavyGroupMode::C6Plus : HeavyGroupMode::C6C7C8;
}

int32_t LoadMeasurements(const CalcContext& context, std::span<const int64_t> assayIds,
                         C6PlusFactor c6plusFactor, std::vector<Measurement>& measurements) {
    for (const int64_t assayId : assayIds) {
        Measurement measurement;
        measurement.assayId = assayId;
        const int32_t loaded = LoadAssayPeaks(context, assayId, measurement.peaks, &measurement.unnamedPeaks);
        if (loaded < 0) {
            return loaded;
        }
        GroupHeavyHydrocarbons(measurement.peaks, HeavyGroupModeOf(context.calibrationKind));
        ComputePeakConcentrations(context, measurement.peaks, c6plusFactor);
        measurements.push_back(std::move(measurement));
    }
    return Status::Ok;
}
