// The rows of the five view-settings dialogs. Each row binds the controls of one quantity of a result
// page to its view settings: a "show" box, a "ГОСТ" box (rounding by the rule of the standard) and an
// edit with the decimals used when ГОСТ is off. A control id of 0 means the row has no such control.
#pragma once

#include <cstdint>
#include <span>

#include "calc/CalcSettings.h"

struct ViewRow {
    int showId;
    bool CalcSettings::*show;
    int gostId;
    bool CalcSettings::*gost;
    int scaleId;
    int32_t CalcSettings::*scale;
};

std::span<const ViewRow> CalculationViewRows(); // dialog 204
std::span<const ViewRow> AssayViewRows();       // dialog 206
std::span<const ViewRow> CalibrationViewRows(); // dialog 208
std::span<const ViewRow> ComponentViewRows();   // dialog 210
std::span<const ViewRow> MethaneViewRows();     // dialog 212
