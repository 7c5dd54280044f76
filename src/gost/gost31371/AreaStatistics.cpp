#include "gost/gost31371/AreaStatistics.h"

#include <algorithm>
#include <cmath>

#include "gost/gost31371/Numbers.h"

namespace gost31371 {

bool AreJudgeable(std::span<const double> areas) {
    if (areas.size() < 2) {
        return false;
    }
    if (!std::all_of(areas.begin(), areas.end(), IsNotNegative)) {
        return false;
    }
    return IsAboveZero(Mean(areas));
}

double Mean(std::span<const double> values) {
    if (values.empty()) {
        return 0.0;
    }
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    return sum / static_cast<double>(values.size());
}

double RelativeStandardDeviationPct(std::span<const double> areas) {
    if (!AreJudgeable(areas)) {
        return 0.0;
    }
    const double mean = Mean(areas);
    double squares = 0.0;
    for (const double area : areas) {
        squares += (area - mean) * (area - mean);
    }
    const double deviation = std::sqrt(squares / static_cast<double>(areas.size() - 1));
    return deviation / mean * 100.0;
}

double RelativeRangePct(std::span<const double> areas) {
    if (!AreJudgeable(areas)) {
        return 0.0;
    }
    const auto [smallest, largest] = std::minmax_element(areas.begin(), areas.end());
    return (*largest - *smallest) / Mean(areas) * 100.0;
}

} // namespace gost31371
