// The calculation as the main window shows it after a run: the chromatogram list, the four result
// pages, the journal under the tabs and, for a failed run, message 231.
#pragma once

#include <cstdint>

struct CalcContext;

void PrintCalculation(const CalcContext& context, int32_t status);

// The stability table of the calibration with the period it looked at; false, with a line saying so,
// when no history was read.
bool PrintStability(const CalcContext& context);
