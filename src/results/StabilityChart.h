// The layout of one component's stability chart: where its points, centre line and limits lie in a
// frame of the caller's size, with the date and value labels. The dialog draws it with GDI, tarvel
// writes it as SVG and the report hands it to the style sheet, so every chart has the same geometry.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calc/CalibrationStability.h"

struct ChartFrame {
    double width = 480.0; // the whole chart, pixels
    double height = 200.0;
    double left = 64.0; // room for the value labels
    double right = 12.0;
    double top = 10.0;
    double bottom = 24.0; // room for the date labels

    double plotLeft() const { return left; }
    double plotRight() const { return width - right; }
    double plotTop() const { return top; }
    double plotBottom() const { return height - bottom; }
};

enum class ChartRuleKind : int32_t { Centre = 0, Warning = 1, Action = 2 };

struct ChartMark {
    double x = 0.0;
    double y = 0.0;
    int32_t zone = 0; // ZoneOf: 0 inside, ±1 beyond a warning limit, ±2 beyond an action limit
    bool current = false;
    std::u16string date;  // "dd.mm.yyyy" (UTC)
    std::u16string value; // six significant digits
};

struct ChartRule {
    double y = 0.0;
    double value = 0.0;
    ChartRuleKind kind = ChartRuleKind::Centre;
    std::u16string label; // the value
};

struct ChartTick {
    double position = 0.0; // x of a date tick, y of a value tick
    std::u16string label;
};

struct StabilityChart {
    ChartFrame frame;
    std::vector<ChartMark> points; // in time order
    std::vector<ChartRule> rules;  // centre, then the warning and the action limits (none without history)
    std::vector<ChartTick> dateTicks;
    std::vector<ChartTick> valueTicks;
};

StabilityChart LayoutStabilityChart(const ComponentStability& component, const ChartFrame& frame);

// "dd.mm.yyyy" and "dd.mm" of a date (seconds since 1970-01-01 UTC), in UTC as the calibrations are
// grouped.
std::u16string ChartDateText(int64_t date);
std::u16string ChartShortDateText(int64_t date);

// The index of the point nearest to x (by x alone), or -1 without points; for the value under the mouse.
int32_t NearestChartPoint(const StabilityChart& chart, double x);
