// The C interface of Tarvel31371720 (GOST 31371.7-2020). Every function checks its pointers and counts,
// then runs its body under gost::GuardedCall: no C++ exception and no floating-point trap reaches the
// caller, whose floating-point environment is restored on return. A result that cannot be computed is 0,
// false or status -1, with every output the function was given set to 0.
#include "gost/gost31371/include/Tarvel31371720.h"

#include <cmath>
#include <cstddef>
#include <span>

#include "gost/common/BoundaryGuard.h"
#include "gost/gost31371/Acceptance.h"
#include "gost/gost31371/AllowedDeviation.h"
#include "gost/gost31371/AreaStatistics.h"
#include "gost/gost31371/Calibration.h"
#include "gost/gost31371/Composition.h"
#include "gost/gost31371/MetrologyTables.h"
#include "gost/gost31371/TableLookup.h"
#include "gost/gost31371/TablesInForce.h"

namespace {

constexpr int32_t kStatusFailed = -1;

template <typename T>
std::span<T> Span(T* values, int32_t count) {
    return std::span<T>(values, static_cast<size_t>(count));
}

const MetrologyRow* TableOf(gost31371::Method method, int32_t* rowCount) {
    if (rowCount == nullptr) {
        return nullptr;
    }
    *rowCount = 0;
    return gost::GuardedCall<const MetrologyRow*>(nullptr, [&] {
        const auto& rows = gost31371::TablesInForce().tables.rows[static_cast<int>(method)];
        *rowCount = static_cast<int32_t>(rows.size());
        return rows.empty() ? nullptr : rows.data();
    });
}

void SetIfGiven(double* output, double value) {
    if (output != nullptr) {
        *output = value;
    }
}

} // namespace

extern "C" {

const MetrologyRow* GetDefaultConstTableMethodA(int32_t* rowCount) {
    return TableOf(gost31371::Method::A, rowCount);
}

const MetrologyRow* GetDefaultConstTableMethodB(int32_t* rowCount) {
    return TableOf(gost31371::Method::B, rowCount);
}

const MetrologyRow* GetDefaultConstTableMethodC1(int32_t* rowCount) {
    return TableOf(gost31371::Method::C1, rowCount);
}

const MetrologyRow* GetDefaultConstTableMethodC2(int32_t* rowCount) {
    return TableOf(gost31371::Method::C2, rowCount);
}

double CalcRQRate(double atmosphericPressureKPa, double temperatureC) {
    return gost::GuardedCall(
        0.0, [&] { return gost31371::PressureCorrectionFactor(atmosphericPressureKPa, temperatureC); });
}

double CalcNormArea(double area, double factor) {
    return gost::GuardedCall(0.0, [&] { return gost31371::CorrectedArea(area, factor); });
}

double CalcCalibFactorDiv(double concentration, double area) {
    return gost::GuardedCall(0.0, [&] { return gost31371::CalibrationFactor(concentration, area); });
}

int32_t CalcCalibFactorMCnt(const double* areas, int32_t n, double concentration, double* k, double* rate) {
    SetIfGiven(k, 0.0);
    SetIfGiven(rate, 0.0);
    if (areas == nullptr || n <= 0 || k == nullptr || rate == nullptr) {
        return kStatusFailed;
    }
    return gost::GuardedCall(kStatusFailed, [&] {
        const gost31371::MeanFactorResult result =
            gost31371::MeanCalibrationFactor(Span(areas, n), concentration);
        *k = result.meanFactor;
        *rate = result.ratePct;
        return result.status;
    });
}

double CalcLimitValue(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                      double concentration) {
    return gost::GuardedCall(
        0.0, [&] { return gost31371::FactorRateLimitPct(table, rowCount, component, concentration); });
}

int32_t CalcCalibFactorMVrb(const double* areas1, const double* areas2, int32_t n, double c1, double c2,
                            double* a, double* /*reserved: neither read nor written*/) {
    SetIfGiven(a, 0.0);
    if (areas1 == nullptr || areas2 == nullptr || n <= 0 || a == nullptr) {
        return kStatusFailed;
    }
    return gost::GuardedCall(kStatusFailed, [&] {
        const gost31371::CalibrationLine line =
            gost31371::LineThroughOrigin(Span(areas1, n), Span(areas2, n), c1, c2);
        *a = line.a;
        return line.status;
    });
}

int32_t CalcCalibFactorMVrbLS(const double* areas1, const double* areas2, int32_t n, double c1, double c2,
                              double* a, double* b, double* /*reserved: neither read nor written*/) {
    SetIfGiven(a, 0.0);
    SetIfGiven(b, 0.0);
    if (areas1 == nullptr || areas2 == nullptr || n <= 0 || a == nullptr || b == nullptr) {
        return kStatusFailed;
    }
    return gost::GuardedCall(kStatusFailed, [&] {
        const gost31371::CalibrationLine line =
            gost31371::LeastSquaresLine(Span(areas1, n), Span(areas2, n), c1, c2);
        *a = line.a;
        *b = line.b;
        return line.status;
    });
}

double CalcConcentrationMCnt(double area, double k) {
    return gost::GuardedCall(0.0, [&] { return gost31371::ConcentrationFromFactor(area, k); });
}

double CalcConcentrationMVrb(double area, double a, double b) {
    return gost::GuardedCall(0.0, [&] { return gost31371::ConcentrationFromLine(area, a, b); });
}

double AreasRelativeStandardDeviation(const double* areas, int32_t n) {
    if (areas == nullptr || n <= 0) {
        return 0.0;
    }
    return gost::GuardedCall(0.0, [&] { return gost31371::RelativeStandardDeviationPct(Span(areas, n)); });
}

double AreasRelativeRange(const double* areas, int32_t n) {
    if (areas == nullptr || n <= 0) {
        return 0.0;
    }
    return gost::GuardedCall(0.0, [&] { return gost31371::RelativeRangePct(Span(areas, n)); });
}

double GetAllowedValue(double concentration) {
    return gost::GuardedCall(0.0, [&] { return gost31371::AllowedRelativeDeviationPct(concentration); });
}

bool CalibrationCheck(const double* areas, int32_t n, double concentration) {
    if (areas == nullptr || n <= 0) {
        return false;
    }
    return gost::GuardedCall(
        false, [&] { return gost31371::CalibrationAreasAcceptable(Span(areas, n), concentration); });
}

bool ControlCheck(const double* areas, int32_t n, double concentration) {
    if (areas == nullptr || n <= 0) {
        return false;
    }
    return gost::GuardedCall(
        false, [&] { return gost31371::ControlAreasAcceptable(Span(areas, n), concentration); });
}

double CalcMethane(const FractionEntry* entries, int32_t count) {
    // No other component measured: the gas is all methane.
    if (count == 0) {
        return 100.0;
    }
    if (entries == nullptr || count < 0) {
        return 0.0;
    }
    return gost::GuardedCall(0.0,
                             [&] { return gost31371::MethaneByDifferencePct(Span(entries, count)).value; });
}

double CalcMethaneU(const FractionEntry* entries, int32_t count) {
    if (entries == nullptr || count <= 0) {
        return 0.0;
    }
    return gost::GuardedCall(0.0,
                             [&] { return gost31371::MethaneUncertaintyPct(Span(entries, count)).value; });
}

double Normalize(FractionEntry* entries, int32_t count, double total) {
    if (entries == nullptr || count <= 0) {
        return 0.0;
    }
    return gost::GuardedCall(
        0.0, [&] { return gost31371::NormalizeFractions(Span(entries, count), total).value; });
}

double CalcU(const MetrologyRow* table, int32_t rowCount, const char16_t* component, double x) {
    return gost::GuardedCall(
        0.0, [&] { return gost31371::ExpandedUncertaintyPct(table, rowCount, component, x); });
}

bool CheckMoleFactor(double x, double c, double* lower, double* upper) {
    SetIfGiven(lower, 0.0);
    SetIfGiven(upper, 0.0);
    if (lower == nullptr || upper == nullptr) {
        return false;
    }
    return gost::GuardedCall(false, [&] {
        const gost31371::MixtureBand band = gost31371::PermittedMixtureBand(x);
        *lower = band.lowerMolPct;
        *upper = band.upperMolPct;
        return band.valid && std::isfinite(c) && c >= band.lowerMolPct && c <= band.upperMolPct;
    });
}

} // extern "C"
