// The Shewhart chart of individual values (ISO 7870-2:2013 = ГОСТ Р ИСО 7870-2-2015) that judges a
// calibration characteristic against the laboratory's own earlier calibrations: the centre line and the
// limits come from the earlier values alone, with s the standard deviation of single calibrations; the
// current value is then judged by Western Electric rules 1 and 2.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Fewer earlier calibrations than this give no limits ("not enough history").
inline constexpr size_t kMinimumHistory = 5;
// Warning limits at ±2s, action limits at ±3s (ISO 7870-2, the warning and action limits: about 4.6 % and
// 0.27 % of an in-control normal statistic fall beyond them).
inline constexpr double kWarningSigmas = 2.0;
inline constexpr double kActionSigmas = 3.0;

enum class ChartStatus : int32_t {
    InControl = 0,
    Warning = 1,          // beyond a warning limit, or Western Electric rule 2
    Action = 2,           // beyond an action limit (Western Electric rule 1)
    NotEnoughHistory = 3, // fewer than kMinimumHistory earlier values: no limits
};

struct ChartLimits {
    bool valid = false; // at least kMinimumHistory values
    size_t count = 0;   // values the limits were computed from
    double centre = 0.0;
    double sigma = 0.0; // sample standard deviation (n − 1) of the values
    double warningLow = 0.0;
    double warningHigh = 0.0;
    double actionLow = 0.0;
    double actionHigh = 0.0;
};

// The limits from earlier values. Non-finite values are left out.
ChartLimits LimitsOf(std::span<const double> values);

// Where one value lies: 0 inside the warning limits, ±1 beyond a warning limit (above / below), ±2 beyond
// an action limit. "Beyond" is strict: a value on a limit is inside it. 0 without valid limits.
int32_t ZoneOf(const ChartLimits& limits, double value);

struct PointJudgement {
    ChartStatus status = ChartStatus::NotEnoughHistory;
    bool rule1 = false; // the value lies beyond an action limit
    bool rule2 = false; // it and one of the two values before it lie beyond the same warning limit
};

// The last of values judged against limits (made from the values before it, or any other baseline);
// the two values before it take part in rule 2.
PointJudgement JudgeLastPoint(const ChartLimits& limits, std::span<const double> values);

// (value − reference) / reference · 100, %; not a number when reference is zero or not finite.
double RelativeChangePercent(double value, double reference);
