#include "gost/gost6976/Composition.h"

#include <cmath>

#include "gost/gost6976/ComponentMapping.h"
#include "gost/gost6976/Constants.h"

namespace gost6976 {
namespace {

constexpr double kFractionSumTolerance = 0.05;

int32_t Fail(Status3136921 status) {
    return static_cast<int32_t>(status);
}

bool IsUncertainty(double value) {
    return std::isfinite(value) && value >= 0.0;
}

} // namespace

int32_t ReadConditions(double pressureKPa, int32_t meteringIndex, int32_t combustionIndex,
                       Conditions& conditions) {
    if (meteringIndex < 0 || meteringIndex >= kMeteringTemperatureCount || combustionIndex < 0 ||
        combustionIndex >= kCombustionTemperatureCount) {
        return Fail(Status3136921::InvalidTemperatureIndex);
    }
    // The comparison is false for NaN, which is rejected with the out-of-range pressures.
    if (!(pressureKPa >= kMinimumPressureKPa && pressureKPa <= kMaximumPressureKPa)) {
        return Fail(Status3136921::InvalidPressure);
    }
    conditions = {pressureKPa, meteringIndex, combustionIndex};
    return 0;
}

int32_t ReadGas(const void* table, int32_t rowCount, const PropertyEntry* entries, int32_t count, Gas& gas) {
    if (table == nullptr || rowCount <= 0) {
        return Fail(Status3136921::InvalidTable);
    }
    if (count <= 0) {
        return Fail(Status3136921::EmptyComposition);
    }
    if (entries == nullptr) {
        return Fail(Status3136921::NullArgument);
    }
    const auto* rows = static_cast<const PropertyConstantsRow*>(table);
    const auto size = static_cast<size_t>(count);
    gas.rows.resize(size);
    gas.fraction.resize(size);
    gas.uncertainty.resize(size);
    double sum = 0.0;
    for (size_t i = 0; i < size; ++i) {
        const PropertyEntry& entry = entries[i];
        gas.rows[i] = FindComponentRow(rows, rowCount, IdentifierOf(entry.component));
        if (gas.rows[i] == nullptr) {
            return Fail(Status3136921::UnknownComponent);
        }
        if (!(entry.fraction >= 0.0 && entry.fraction <= 1.0)) {
            return Fail(Status3136921::InvalidFraction);
        }
        if (!IsUncertainty(entry.standardUncertainty)) {
            return Fail(Status3136921::InvalidUncertainty);
        }
        gas.fraction[i] = entry.fraction;
        gas.uncertainty[i] = entry.standardUncertainty;
        sum += entry.fraction;
    }
    if (std::fabs(sum - 1.0) > kFractionSumTolerance) {
        return Fail(Status3136921::FractionsDoNotSumToOne);
    }
    return 0;
}

int32_t ReadRawAmounts(const PropertyEntry* raw, const PropertyEntry* final, int32_t count,
                       std::vector<double>& amount, std::vector<double>& uncertainty) {
    if (raw == nullptr) {
        return Fail(Status3136921::NullArgument);
    }
    const auto size = static_cast<size_t>(count);
    amount.resize(size);
    uncertainty.resize(size);
    double sum = 0.0;
    for (size_t i = 0; i < size; ++i) {
        if (IdentifierOf(raw[i].component) != IdentifierOf(final[i].component)) {
            return Fail(Status3136921::EntriesDiffer);
        }
        if (!(std::isfinite(raw[i].fraction) && raw[i].fraction >= 0.0)) {
            return Fail(Status3136921::InvalidFraction);
        }
        if (!IsUncertainty(raw[i].standardUncertainty)) {
            return Fail(Status3136921::InvalidUncertainty);
        }
        amount[i] = raw[i].fraction;
        uncertainty[i] = raw[i].standardUncertainty;
        sum += raw[i].fraction;
    }
    if (!(sum > 0.0 && std::isfinite(sum))) {
        return Fail(Status3136921::InvalidFraction);
    }
    return 0;
}

} // namespace gost6976
