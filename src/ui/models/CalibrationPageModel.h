// The calibration page ("Градуировка"): one row per calibrated component of the last run, with the
// calibration factors of methods А and Б or the calibration line of methods В1 and В2
// (GOST 31371.7-2020), the acceptability of the factors and areas, and the control of the calibration.
#pragma once

#include "ui/models/PageTable.h"

struct CalcContext;

// Columns in list order:
enum class CalibrationColumn : int32_t {
    Component = 0,
    Concentration1 = 1,
    Concentration2 = 2,
    K1 = 3,
    K2 = 4,
    K3 = 5,
    MeanK = 6,
    MeanArea1 = 7,
    MeanArea2 = 8,
    LineA = 9,  // slope of the calibration line area = a·x + b (header "b")
    LineB = 10, // its intercept (header "B")
    Rate1 = 11,
    Norm1 = 12,
    Rate2 = 13,
    Norm2 = 14,
    ControlRange = 15,
    ControlRangeLimit = 16,
    ControlRate = 17,
    ControlNorm = 18,
    AreaRsd1 = 19,
    AreaRsdLimit1 = 20,
    AreaRsd2 = 21,
    AreaRsdLimit2 = 22,
};
inline constexpr int32_t kCalibrationColumnCount = 23;

// The list of context.calibration under the view settings of context.settings; rowMarks is isok. The
// two-mixture columns belong to the method the calibration was computed by (context.calibrationKind,
// which the run takes from the method setting).
PageTable BuildCalibrationPage(const CalcContext& context);
