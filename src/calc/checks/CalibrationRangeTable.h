// GOST 31371.7-2020, methods В1 and В2: the two reference mixtures of a calibration line must bracket
// the analysed gas. For each component and range of its molar fraction in the gas, the table gives the
// range its certified fraction must have in the first (lower) and in the second (upper) mixture. Carbon
// dioxide, nitrogen and oxygen have a low gas range of their own (0.005 to 0.025 mol %).
#pragma once

#include <span>
#include <string_view>

#include "calc/checks/DigitRange.h"

struct CalibrationRangeRow {
    std::u16string_view component; // identifier
    DigitRange gas;                // range of the fraction in the analysed gas, mol %
    DigitRange firstMixture;       // certified fraction required of the first mixture, mol %
    DigitRange secondMixture;      // of the second mixture
};

// The 26 rows in the order of the standard.
std::span<const CalibrationRangeRow> CalibrationRangeTable();

// The first row of the component (exact comparison) whose gas range holds the fraction, each bound
// compared at its own digits; null when none does.
const CalibrationRangeRow* FindCalibrationRangeRow(std::u16string_view component, double gasMolPct);
