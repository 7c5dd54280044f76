// One component's stability chart as a standalone SVG document (UTF-8), drawn from the chart's layout:
// the plot frame, the action limits (red, dashed), the warning limits (orange, dashed), the centre line,
// the points joined in time order and coloured by their zone, the current calibration ringed, the dates
// below and the values on the left.
#pragma once

#include <string>

#include "results/StabilityChart.h"

std::string StabilitySvg(const StabilityChart& chart, std::u16string_view title);
