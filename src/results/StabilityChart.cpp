#include "results/StabilityChart.h"

#include <algorithm>
#include <cmath>

#include "calc/stability/CalibrationGroups.h"
#include "results/StabilityTable.h"
#include "text/Format.h"

namespace {
constexpr int32_t kDateTicks = 5;
constexpr int32_t kValueTicks = 5;
constexpr double kRangeMargin = 0.05; // of the value range, above and below

// Civil date of a day count (days since 1970-01-01), after H. Hinnant's days_from_civil inverse.
void CivilDate(int64_t days, int32_t& year, int32_t& month, int32_t& day) {
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<uint32_t>(days - era * 146097);
    const uint32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const uint32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const uint32_t monthIndex = (5 * dayOfYear + 2) / 153;
    day = static_cast<int32_t>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    month = static_cast<int32_t>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    year = static_cast<int32_t>(static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0));
}
} // namespace

std::u16string ChartDateText(int64_t date) {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;
    CivilDate(UtcDayOf(date), year, month, day);
    return FormatText(u"%02d.%02d.%04d", {day, month, year});
}

std::u16string ChartShortDateText(int64_t date) {
    return ChartDateText(date).substr(0, 5);
}

StabilityChart LayoutStabilityChart(const ComponentStability& component, const ChartFrame& frame) {
    StabilityChart chart;
    chart.frame = frame;
    if (component.points.empty()) {
        return chart;
    }
    double low = component.points.front().value;
    double high = low;
    for (const StabilityPoint& point : component.points) {
        low = std::min(low, point.value);
        high = std::max(high, point.value);
    }
    if (component.limits.valid) {
        low = std::min(low, component.limits.actionLow);
        high = std::max(high, component.limits.actionHigh);
    }
    const double spread = high - low > 0.0 ? high - low : std::max(std::fabs(high), 1e-300);
    low -= kRangeMargin * spread;
    high += kRangeMargin * spread;
    const int64_t firstDate = component.points.front().date;
    const int64_t lastDate = component.points.back().date;
    const double dateSpan = lastDate > firstDate ? static_cast<double>(lastDate - firstDate) : 1.0;

    const double plotWidth = frame.plotRight() - frame.plotLeft();
    const double plotHeight = frame.plotBottom() - frame.plotTop();
    const auto xOf = [&](int64_t date) {
        return lastDate > firstDate
                   ? frame.plotLeft() + plotWidth * static_cast<double>(date - firstDate) / dateSpan
                   : frame.plotLeft() + plotWidth / 2.0;
    };
    const auto yOf = [&](double value) {
        return frame.plotBottom() - plotHeight * (value - low) / (high - low);
    };

    for (const StabilityPoint& point : component.points) {
        chart.points.push_back(ChartMark{xOf(point.date), yOf(point.value), point.zone, point.current,
                                         ChartDateText(point.date), StabilityValueText(point.value)});
    }
    if (component.limits.valid) {
        const ChartLimits& limits = component.limits;
        const std::pair<double, ChartRuleKind> rules[] = {
            {limits.centre, ChartRuleKind::Centre},       {limits.warningLow, ChartRuleKind::Warning},
            {limits.warningHigh, ChartRuleKind::Warning}, {limits.actionLow, ChartRuleKind::Action},
            {limits.actionHigh, ChartRuleKind::Action},
        };
        for (const auto& [value, kind] : rules) {
            chart.rules.push_back(ChartRule{yOf(value), value, kind, StabilityValueText(value)});
        }
    }
    const int32_t dateTicks = lastDate > firstDate ? kDateTicks : 1;
    for (int32_t k = 0; k < dateTicks; ++k) {
        const int64_t date =
            dateTicks == 1 ? firstDate
                           : firstDate + static_cast<int64_t>(std::llround(dateSpan * k / (dateTicks - 1)));
        chart.dateTicks.push_back(ChartTick{xOf(date), ChartShortDateText(date)});
    }
    for (int32_t k = 0; k < kValueTicks; ++k) {
        const double value = low + (high - low) * k / (kValueTicks - 1);
        chart.valueTicks.push_back(ChartTick{yOf(value), StabilityValueText(value)});
    }
    return chart;
}

int32_t NearestChartPoint(const StabilityChart& chart, double x) {
    int32_t nearest = -1;
    double distance = 0.0;
    for (size_t k = 0; k < chart.points.size(); ++k) {
        const double d = std::fabs(chart.points[k].x - x);
        if (nearest < 0 || d < distance) {
            nearest = static_cast<int32_t>(k);
            distance = d;
        }
    }
    return nearest;
}
