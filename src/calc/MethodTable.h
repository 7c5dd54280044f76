// The tables of metrological characteristics of the calculation methods of GOST 31371.7-2020 as the
// calibration and the composition read them: measuring ranges and U = a·x + b per component, owned by
// the calculation library.
#pragma once

#include <cstdint>

#include "calc/CalcSettings.h"
#include "gost/gost31371/include/Tarvel31371720.h"

struct MethodTable {
    const MetrologyRow* rows = nullptr;
    int32_t rowCount = 0;
};

// The table of method 0 А, 1 Б, 2 В1 or 3 В2; any other method, or a missing library, gives no rows.
MethodTable MethodTableOf(int32_t method);

inline constexpr int32_t kMethodA = static_cast<int32_t>(CalibrationMethod::A);
inline constexpr int32_t kMethodB = static_cast<int32_t>(CalibrationMethod::B);
inline constexpr int32_t kMethodC1 = static_cast<int32_t>(CalibrationMethod::C1);
inline constexpr int32_t kMethodC2 = static_cast<int32_t>(CalibrationMethod::C2);

// Method Б's table starts at 0.005 mol %. With "Tarvel/clcExtRange" it is extended below that by the
// rows of method А: a molar fraction from 0.001 to 0.005 mol % that method Б's table does not cover takes
// method А's uncertainty, limit and lower bound.
inline constexpr double kExtendedRangeLowerMolPct = 0.001;
inline constexpr double kExtendedRangeUpperMolPct = 0.005;
inline bool InExtendedRange(double molPct) {
    return molPct >= kExtendedRangeLowerMolPct && molPct <= kExtendedRangeUpperMolPct;
}
