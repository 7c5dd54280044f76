#include "calc/stability/ControlChart.h"

#include <cmath>
#include <limits>

ChartLimits LimitsOf(std::span<const double> values) {
    ChartLimits limits;
    double sum = 0.0;
    for (const double value : values) {
        if (std::isfinite(value)) {
            sum += value;
            ++limits.count;
        }
    }
    if (limits.count < kMinimumHistory) {
        return limits;
    }
    const double mean = sum / static_cast<double>(limits.count);
    double squares = 0.0;
    for (const double value : values) {
        if (std::isfinite(value)) {
            squares += (value - mean) * (value - mean);
        }
    }
    limits.valid = true;
    limits.centre = mean;
    limits.sigma = std::sqrt(squares / static_cast<double>(limits.count - 1));
    limits.warningLow = mean - kWarningSigmas * limits.sigma;
    limits.warningHigh = mean + kWarningSigmas * limits.sigma;
    limits.actionLow = mean - kActionSigmas * limits.sigma;
    limits.actionHigh = mean + kActionSigmas * limits.sigma;
    return limits;
}

int32_t ZoneOf(const ChartLimits& limits, double value) {
    if (!limits.valid || !std::isfinite(value)) {
        return 0;
    }
    if (value > limits.actionHigh) {
        return 2;
    }
    if (value < limits.actionLow) {
        return -2;
    }
    if (value > limits.warningHigh) {
        return 1;
    }
    if (value < limits.warningLow) {
        return -1;
    }
    return 0;
}

PointJudgement JudgeLastPoint(const ChartLimits& limits, std::span<const double> values) {
    PointJudgement judgement;
    if (!limits.valid || values.empty()) {
        return judgement;
    }
    const size_t last = values.size() - 1;
    const int32_t zone = ZoneOf(limits, values[last]);
    judgement.rule1 = zone == 2 || zone == -2;
    if (zone != 0) {
        const bool above = zone > 0;
        for (size_t back = 1; back <= 2 && back <= last; ++back) {
            const int32_t before = ZoneOf(limits, values[last - back]);
            if (before != 0 && (before > 0) == above) {
                judgement.rule2 = true;
            }
        }
    }
    if (judgement.rule1) {
        judgement.status = ChartStatus::Action;
    } else if (judgement.rule2 || zone != 0) {
        judgement.status = ChartStatus::Warning;
    } else {
        judgement.status = ChartStatus::InControl;
    }
    return judgement;
}

double RelativeChangePercent(double value, double reference) {
    if (!std::isfinite(reference) || reference == 0.0 || !std::isfinite(value)) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return (value - reference) / reference * 100.0;
}
