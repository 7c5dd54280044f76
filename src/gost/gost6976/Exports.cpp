// The C interface of Tarvel3136921. Every function runs inside gost::GuardedCall: no C++ exception and no
// floating-point trap reaches the caller, whose floating-point environment is restored on return.
#include "gost/gost6976/include/Tarvel3136921.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "gost/common/BoundaryGuard.h"
#include "gost/gost6976/ComponentTable.h"
#include "gost/gost6976/Composition.h"
#include "gost/gost6976/CompositionCovariance.h"
#include "gost/gost6976/Properties.h"
#include "gost/gost6976/Uncertainty.h"

namespace {

constexpr auto kInternalFailure = static_cast<int32_t>(Status3136921::InternalFailure);

int32_t Fail(Status3136921 status) {
    return static_cast<int32_t>(status);
}

void Clear(PhysicalProperties* record) {
    std::fill(std::begin(record->value), std::end(record->value), 0.0);
}

// Inputs that pass every check one by one can still combine into a result that is not finite (a
// caller's table with a molar mass near zero, an uncertainty of 1e160): such a call fails rather than
// hand infinities to the caller as a success.
bool AllFinite(const double (&values)[kPhysicalPropertyCount]) {
    return std::all_of(std::begin(values), std::end(values),
                       [](double value) { return std::isfinite(value); });
}

bool IsCorrelationMode(int32_t mode) {
    return mode == static_cast<int32_t>(CorrelationMode3136921::Identity) ||
           mode == static_cast<int32_t>(CorrelationMode3136921::MethaneByDifference) ||
           mode == static_cast<int32_t>(CorrelationMode3136921::Normalised);
}

// The covariance of the final fractions in the given mode; the normalised mode reads the raw amounts.
int32_t BuildCovariance(CorrelationMode3136921 mode, const PropertyEntry* raw, const PropertyEntry* final,
                        int32_t count, const gost6976::Gas& gas,
                        gost6976::CompositionCovariance& covariance) {
    covariance.mode = mode;
    switch (mode) {
    case CorrelationMode3136921::Identity:
        covariance.uncertainty = gas.uncertainty;
        return 0;
    case CorrelationMode3136921::MethaneByDifference:
        covariance.uncertainty = gas.uncertainty;
        covariance.balance = gost6976::BalanceComponent(std::span(final, static_cast<size_t>(count)));
        return 0;
    case CorrelationMode3136921::Normalised: {
        std::vector<double> amount;
        if (const int32_t status =
                gost6976::ReadRawAmounts(raw, final, count, amount, covariance.uncertainty)) {
            return status;
        }
        double sum = 0.0;
        for (const double y : amount) {
            sum += y;
        }
        covariance.amountSum = sum;
        covariance.normalised.resize(amount.size());
        for (size_t k = 0; k < amount.size(); ++k) {
            covariance.normalised[k] = amount[k] / sum;
        }
        return 0;
    }
    }
    return Fail(Status3136921::InvalidCorrelationMode);
}

} // namespace

extern "C" {

TARVEL_EXPORT const void* GetDefaultConstTable3136921(int32_t* rowCount) {
    return gost::GuardedCall<const void*>(nullptr, [&]() -> const void* {
        const auto table = gost6976::DefaultComponentTable();
        if (rowCount != nullptr) {
            *rowCount = static_cast<int32_t>(table.size());
        }
        return table.data();
    });
}

TARVEL_EXPORT int32_t Calc3136921(const void* table, int32_t rowCount, const PropertyEntry* entries,
                                  int32_t count, double pressureKPa, int32_t meteringTemperatureIndex,
                                  int32_t combustionTemperatureIndex, PhysicalProperties* values) {
    return gost::GuardedCall<int32_t>(kInternalFailure, [&]() -> int32_t {
        if (values == nullptr) {
            return Fail(Status3136921::NullArgument);
        }
        Clear(values);
        gost6976::Conditions conditions;
        if (const int32_t status = gost6976::ReadConditions(pressureKPa, meteringTemperatureIndex,
                                                            combustionTemperatureIndex, conditions)) {
            return status;
        }
        gost6976::Gas gas;
        if (const int32_t status = gost6976::ReadGas(table, rowCount, entries, count, gas)) {
            return status;
        }
        gost6976::PropertyState state;
        if (const int32_t status = gost6976::ComputeProperties(gas, conditions, state)) {
            return status;
        }
        if (!AllFinite(state.value)) {
            return Fail(Status3136921::NonFiniteResult);
        }
        std::copy(std::begin(state.value), std::end(state.value), values->value);
        return 0;
    });
}

TARVEL_EXPORT int32_t Calc3136921U(const void* table, int32_t rowCount, const PropertyEntry* raw,
                                   const PropertyEntry* final, int32_t count, double pressureKPa,
                                   int32_t meteringTemperatureIndex, int32_t combustionTemperatureIndex,
                                   int32_t correlationMode, const PhysicalProperties* /*values*/,
                                   PhysicalProperties* expandedUncertainties) {
    return gost::GuardedCall<int32_t>(kInternalFailure, [&]() -> int32_t {
        if (expandedUncertainties == nullptr) {
            return Fail(Status3136921::NullArgument);
        }
        Clear(expandedUncertainties);
        if (!IsCorrelationMode(correlationMode)) {
            return Fail(Status3136921::InvalidCorrelationMode);
        }
        gost6976::Conditions conditions;
        if (const int32_t status = gost6976::ReadConditions(pressureKPa, meteringTemperatureIndex,
                                                            combustionTemperatureIndex, conditions)) {
            return status;
        }
        gost6976::Gas gas;
        if (const int32_t status = gost6976::ReadGas(table, rowCount, final, count, gas)) {
            return status;
        }
        gost6976::PropertyState state;
        if (const int32_t status = gost6976::ComputeProperties(gas, conditions, state)) {
            return status;
        }
        gost6976::CompositionCovariance covariance;
        if (const int32_t status = BuildCovariance(static_cast<CorrelationMode3136921>(correlationMode), raw,
                                                   final, count, gas, covariance)) {
            return status;
        }
        double expanded[kPhysicalPropertyCount];
        gost6976::ComputeExpandedUncertainties(gas, conditions, state, covariance, expanded);
        if (!AllFinite(state.value) || !AllFinite(expanded)) {
            return Fail(Status3136921::NonFiniteResult);
        }
        std::copy(std::begin(expanded), std::end(expanded), expandedUncertainties->value);
        return 0;
    });
}

} // extern "C"
