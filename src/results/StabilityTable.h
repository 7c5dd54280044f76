// The stability table of the calibration: one row per charted component with its current
// characteristic (K for methods А and Б, the line's response at the first mixture's concentration for
// В1 and В2), the chart's centre line, the relative changes and the status. The dialog of the
// calibration page, the report and tarvel read this one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "calc/CalibrationStability.h"

enum class StabilityColumn : int32_t {
    Component = 0,
    Current = 1,
    Centre = 2,
    ChangeFromPrevious = 3,
    ChangeFromCentre = 4,
    History = 5,
    Status = 6,
};

struct StabilityTableColumn {
    StabilityColumn column;
    uint32_t headerId;   // string-table id of the header
    const char* element; // element of the report
};

// Every column, in the order of the dialog, the report and tarvel.
std::span<const StabilityTableColumn> StabilityTable();

// The text of a cell. The characteristic and the centre line with six significant digits (a factor K of
// a small peak is of the order of 1e-6), the changes in % with two decimals; a missing value is the em
// dash. The component column is left to the reader (it knows the aliases).
std::u16string StabilityCellText(StabilityColumn column, const ComponentStability& row);

// "в пределах", "предупреждение", "выход за границы регулирования", "недостаточно истории".
std::u16string_view StabilityStatusText(ChartStatus status);
// A short code of the status for the report's style sheet: "ok", "warning", "action", "none".
const char* StabilityStatusCode(ChartStatus status);

// The text of a value of the characteristic (six significant digits, the em dash when missing).
std::u16string StabilityValueText(double value);
