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
    const auto count = static_cast<double>(values.size());
    double sum = 0.0;
    for (const double value : values) {
        sum += value;
    }
    if (std::isfinite(sum)) {
        return sum / count;
    }
    // Values near the largest double overflow the plain sum; their shares of the mean do not.
    double mean = 0.0;
    for (const double value : values) {
        mean += value / count;
    }
    return mean;
}

double RelativeStandardDeviationPct(std::span<const double> areas) {
    if (!AreJudgeable(areas)) {
        return 0.0;
    }
    // Deviations relative to the mean: areas that differ by hundreds of orders of magnitude would
    // overflow the squares of the plain deviations, while relative ones stay bounded by the count.
    const double mean = Mean(areas);
    double squares = 0.0;
    for (const double area : areas) {
        const double relative = area / mean - 1.0;
        squares += relative * relative;
    }
    const double deviation = std::sqrt(squares / static_cast<double>(areas.size() - 1)) * 100.0;
    return std::isfinite(deviation) ? deviation : 0.0;
}

double RelativeRangePct(std::span<const double> areas) {
    if (!AreJudgeable(areas)) {
        return 0.0;
    }
    const auto [smallest, largest] = std::minmax_element(areas.begin(), areas.end());
    const double range = (*largest - *smallest) / Mean(areas) * 100.0;
    return std::isfinite(range) ? range : 0.0;
}

} // namespace gost31371
