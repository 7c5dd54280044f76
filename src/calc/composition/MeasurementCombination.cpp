#include "calc/composition/MeasurementCombination.h"

#include <cmath>

#include "data/ZeroTolerance.h"

namespace {
// Halves first, so that two values near the largest double do not overflow into infinity.
double MeanOf(double first, double second) {
    return 0.5 * first + 0.5 * second;
}

// A peak integrated by hand may have no retention time (0): the row then takes the other measurement's.
double MeanTime(double first, double second) {
    const bool firstTimed = first > kZeroTolerance;
    const bool secondTimed = second > kZeroTolerance;
    if (firstTimed != secondTimed) {
        return firstTimed ? first : second;
    }
    return MeanOf(first, second);
}

const ComponentResult* NamesakeIn(const std::vector<ComponentResult>& peaks, const std::u16string& id) {
    for (const ComponentResult& peak : peaks) {
        if (peak.id == id) {
            return &peak;
        }
    }
    return nullptr;
}

ComponentResult RowOfPeak(const ComponentResult& peak) {
    ComponentResult row;
    row.id = peak.id;
    row.time = peak.time;
    row.area = peak.area;
    row.height = peak.height;
    row.molarFraction = peak.molarFraction;
    row.rawFraction = peak.rawFraction;
    return row;
}

ComponentResult RowOfPair(const ComponentResult& first, const ComponentResult& second) {
    ComponentResult row;
    row.id = first.id;
    row.time = MeanTime(first.time, second.time);
    row.area = MeanOf(first.area, second.area);
    row.height = MeanOf(first.height, second.height);
    row.molarFraction = MeanOf(first.molarFraction, second.molarFraction);
    row.rawFraction = MeanOf(first.rawFraction, second.rawFraction);
    row.x1 = first.rawFraction;
    row.x2 = second.rawFraction;
    row.difference = std::fabs(row.x1 - row.x2);
    return row;
}

ComponentResult RowOfFirstOnly(const ComponentResult& peak) {
    ComponentResult row = RowOfPeak(peak);
    row.x1 = peak.rawFraction;
    row.difference = std::fabs(row.x1);
    return row;
}

ComponentResult RowOfSecondOnly(const ComponentResult& peak) {
    ComponentResult row = RowOfPeak(peak);
    row.x2 = peak.rawFraction;
    row.difference = std::fabs(row.x2);
    return row;
}
} // namespace

void CombineMeasurements(const std::vector<Measurement>& measurements, std::vector<ComponentResult>& table) {
    if (measurements.empty()) {
        return;
    }
    const std::vector<ComponentResult>& first = measurements[0].peaks;
    if (measurements.size() == 1) {
        for (const ComponentResult& peak : first) {
            table.push_back(RowOfFirstOnly(peak));
        }
        return;
    }
    const std::vector<ComponentResult>& second = measurements[1].peaks;
    for (const ComponentResult& peak : first) {
        const ComponentResult* namesake = NamesakeIn(second, peak.id);
        table.push_back(namesake != nullptr ? RowOfPair(peak, *namesake) : RowOfFirstOnly(peak));
    }
    for (const ComponentResult& peak : second) {
        if (NamesakeIn(first, peak.id) == nullptr) {
            table.push_back(RowOfSecondOnly(peak));
        }
    }
}
