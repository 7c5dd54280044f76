#include "gost/gost31371/Composition.h"

#include <algorithm>
#include <cmath>

#include "gost/gost31371/ComponentId.h"
#include "gost/gost31371/Numbers.h"

namespace gost31371 {
namespace {

bool IsMethane(const FractionEntry& entry) {
    return FieldIs(entry.component, "methane");
}

bool AllValuesFinite(std::span<const FractionEntry> entries) {
    return std::all_of(entries.begin(), entries.end(),
                       [](const FractionEntry& entry) { return std::isfinite(entry.value); });
}

} // namespace

SumResult MethaneByDifferencePct(std::span<const FractionEntry> entries) {
    if (!AllValuesFinite(entries)) {
        return {false, 0.0};
    }
    double others = 0.0;
    for (const FractionEntry& entry : entries) {
        if (!IsMethane(entry)) {
            others += entry.value;
        }
    }
    const double methane = kWholeMolPct - others;
    return {std::isfinite(methane), std::isfinite(methane) ? methane : 0.0};
}

SumResult MethaneUncertaintyPct(std::span<const FractionEntry> entries) {
    if (!AllValuesFinite(entries)) {
        return {false, 0.0};
    }
    double squares = 0.0;
    for (const FractionEntry& entry : entries) {
        if (!IsMethane(entry)) {
            squares += entry.value * entry.value;
        }
    }
    const double uncertainty = std::sqrt(squares);
    return {std::isfinite(uncertainty), std::isfinite(uncertainty) ? uncertainty : 0.0};
}

SumResult NormalizeFractions(std::span<FractionEntry> entries, double total) {
    // A negative amount has no share of a whole; with one among them the sum can be near zero while the
    // values are not, and the scaled values would overflow.
    const bool usable = std::all_of(entries.begin(), entries.end(),
                                    [](const FractionEntry& entry) { return IsNotNegative(entry.value); });
    if (!IsAboveZero(total) || !usable) {
        return {false, 0.0};
    }
    double sum = 0.0;
    for (const FractionEntry& entry : entries) {
        sum += entry.value;
    }
    if (!IsAboveZero(sum)) {
        return {false, 0.0};
    }
    const double scale = total / sum;
    if (!std::isfinite(scale)) {
        return {false, 0.0};
    }
    // Every scaled value is checked before any is written, so that a rejection leaves all of them as
    // they were.
    for (const FractionEntry& entry : entries) {
        if (!std::isfinite(entry.value * scale)) {
            return {false, 0.0};
        }
    }
    for (FractionEntry& entry : entries) {
        entry.value *= scale;
    }
    return {true, sum};
}

} // namespace gost31371
