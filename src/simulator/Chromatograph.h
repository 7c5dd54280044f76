// A simulated gas chromatograph: the peaks it reports for a gas, and the chromatograms (assay rows with
// their peaks) it leaves in the host's database.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "GasComposition.h"
#include "HostWriter.h"
#include "Random.h"
#include "data/ComponentCatalogue.h"

namespace sim {

// Areas grow in proportion to the amount of gas in the sample loop, that is to the absolute pressure
// at which the loop is filled (the atmospheric pressure); the library's correction divides this out.
double ProportionalPressureEffect(double pressureKPa);

struct ChromatographModel {
    // Area per mol % at 101.325 kPa for the components that differ from the built-in detector table.
    std::vector<std::pair<std::u16string, double>> responses;
    double relativeNoise = 0.0015; // relative standard deviation of an area
    double baselineNoise = 0.5;    // standard deviation added to every area, area units
    double timeJitterMin = 0.002;  // standard deviation of a retention time, min
    std::function<double(double pressureKPa)> pressureEffect = ProportionalPressureEffect;

    double ResponseOf(std::u16string_view id) const;
};

// Retention time (min) of a component on the simulated columns.
double RetentionTimeOf(std::u16string_view id);

enum class HeavyPeaks {
    Individual, // every hydrocarbon its own peak
    C6Plus,     // one back-flushed peak "С6+" for everything above the pentanes
    C6C7C8,     // group peaks "С6", "С7", "С8" by carbon number; benzene and toluene apart
};

enum class PeakOrder {
    ByTime,   // as a chromatograph reports them
    Shuffled, // stored out of order, for readers that must sort
};

struct ChromatogramOptions {
    HeavyPeaks heavyPeaks = HeavyPeaks::Individual;
    PeakOrder order = PeakOrder::ByTime;
    int32_t unnamedPeaks = 0;      // small unidentified peaks, stored with an empty name
    int32_t unknownNamedPeaks = 0; // peaks named "Пик N", which no alias knows
    // Factors applied to the areas of single components (faults such as a leaking valve).
    std::vector<std::pair<std::u16string, double>> areaFactors;
    AliasList aliases = DefaultAliasList(); // the names written are the display names
};

struct SimulatedPeak {
    std::u16string id; // component or group identifier; empty for an unknown peak
    PeakRow row;
};

// The peaks of one chromatogram of the gas sampled at pressureKPa.
std::vector<SimulatedPeak> SimulatePeaks(const GasComposition& gas, double pressureKPa,
                                         const ChromatographModel& model, const ChromatogramOptions& options,
                                         Random& random);

struct Chromatogram {
    int64_t assayId = 0;
    AssayRow assay;
    std::vector<SimulatedPeak> peaks; // in the order written
};

// Writes one chromatogram: the assay row (file name and UUID made up when empty) and its peaks.
Chromatogram WriteChromatogram(HostWriter& writer, AssayRow assay, const GasComposition& gas,
                               const ChromatographModel& model, const ChromatogramOptions& options,
                               Random& random);

// count consecutive chromatograms of one gas, intervalSeconds apart from assay.date; the atmospheric
// pressure drifts by up to ±0.05 kPa between runs.
std::vector<Chromatogram> WriteSeries(HostWriter& writer, const AssayRow& assay, int32_t count,
                                      int64_t intervalSeconds, const GasComposition& gas,
                                      const ChromatographModel& model, const ChromatogramOptions& options,
                                      Random& random);

// Ids of the chromatograms.
std::vector<int64_t> IdsOf(const std::vector<Chromatogram>& chromatograms);

// "YYYY-MM-DD hh:mm:ss" of seconds since 1970-01-01 UTC.
std::u16string UtcText(int64_t seconds);

} // namespace sim
