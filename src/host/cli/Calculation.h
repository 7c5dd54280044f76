// The calculation as the main window runs it, for the commands that calculate.
#pragma once

#include <cstdint>

struct CalcContext;

// Refreshes the chromatogram list from the host database, as the chromatograms page does when the
// window opens on it, then runs the calculation. False when a database failure stopped it (printed).
bool RefreshAndCalculate(CalcContext& context, int32_t& status);

// Runs the calculation on the list as it is. False when a database failure stopped it (printed).
bool Calculate(CalcContext& context, int32_t& status);
