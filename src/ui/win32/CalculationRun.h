// The calculation as the main window starts it: a database failure during the run ends the run as a
// failure with the database's message in the journal, instead of leaving the window.
#pragma once

#include <cstdint>

struct CalcContext;

int32_t RunCalculationForWindow(CalcContext& context);

// Whether an analysis chromatogram takes part in the next run: without one there is no composition.
bool HasTickedAnalysis(const CalcContext& context);
