// The chart's limits and rules against values computed by hand: twenty factors K of a baseline with the
// s-form limits, and z sequences (centre 0, s 1) for rules 1 and 2 with the boundaries.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "calc/stability/ControlChart.h"

namespace {

// Twenty calibration factors about 2.0501 (an invented baseline); mean, s and limits by hand.
const std::vector<double> kBaseline = {2.0537, 2.0529, 2.0459, 2.0442, 2.0497, 2.0523, 2.0496,
                                       2.0456, 2.0485, 2.0543, 2.0459, 2.0531, 2.0516, 2.0514,
                                       2.0523, 2.0484, 2.0496, 2.0554, 2.0488, 2.0487};

TEST(ControlChart, LimitsOfTheBaselineAreMeanPlusMinusTwoAndThreeS) {
    const ChartLimits limits = LimitsOf(kBaseline);
    ASSERT_TRUE(limits.valid);
    EXPECT_EQ(limits.count, 20u);
    EXPECT_NEAR(limits.centre, 2.050095, 1e-6);
    EXPECT_NEAR(limits.sigma, 0.003156026, 1e-9);
    EXPECT_NEAR(limits.actionLow, 2.040627, 1e-6);
    EXPECT_NEAR(limits.actionHigh, 2.059563, 1e-6);
    EXPECT_NEAR(limits.warningLow, 2.043783, 1e-6);
    EXPECT_NEAR(limits.warningHigh, 2.056407, 1e-6);
}

TEST(ControlChart, FiveValuesGiveLimitsFourDoNot) {
    const std::vector<double> five = {1.0, 2.0, 3.0, 4.0, 5.0};
    const ChartLimits enough = LimitsOf(five);
    EXPECT_TRUE(enough.valid);
    EXPECT_DOUBLE_EQ(enough.centre, 3.0);
    EXPECT_DOUBLE_EQ(enough.sigma, std::sqrt(2.5));
    // A value that is not a number does not count towards the five.
    const std::vector<double> fourAndNaN = {1.0, 2.0, std::nan(""), 4.0, 5.0};
    EXPECT_FALSE(LimitsOf(fourAndNaN).valid);
    const std::vector<double> withCurrent = {1.0, 2.0, 4.0, 5.0, 100.0};
    const ChartLimits fromFour = LimitsOf(std::span<const double>(withCurrent).first(4));
    EXPECT_FALSE(fromFour.valid);
    const PointJudgement judgement = JudgeLastPoint(fromFour, withCurrent);
    EXPECT_EQ(judgement.status, ChartStatus::NotEnoughHistory);
    EXPECT_FALSE(judgement.rule1);
}

ChartLimits UnitLimits() {
    const std::vector<double> unit = {-1.0, 1.0, -1.0, 1.0, 0.0}; // centre 0, s = 1
    ChartLimits limits = LimitsOf(unit);
    EXPECT_DOUBLE_EQ(limits.sigma, 1.0);
    return limits;
}

struct RuleCase {
    const char* name;
    std::vector<double> z; // the last one is judged
    ChartStatus status;
    bool rule1;
    bool rule2;
};

TEST(ControlChart, RulesOneAndTwoOnTheLastPoint) {
    const RuleCase cases[] = {
        {"inside", {0.5, -0.3, 1.9}, ChartStatus::InControl, false, false},
        {"on the warning limit is inside", {0.5, 2.0, 2.0}, ChartStatus::InControl, false, false},
        {"one beyond 2s alone warns", {0.5, -0.3, 2.1}, ChartStatus::Warning, false, false},
        {"beyond 3s", {0.5, -0.3, 3.4}, ChartStatus::Action, true, false},
        {"below -3s", {0.5, -0.3, -3.01}, ChartStatus::Action, true, false},
        {"on the action limit is a warning", {0.5, -0.3, 3.0}, ChartStatus::Warning, false, false},
        {"two of three beyond +2s", {0.2, 2.3, 0.5, 2.5}, ChartStatus::Warning, false, true},
        {"two in a row beyond -2s", {0.2, -2.3, -2.5}, ChartStatus::Warning, false, true},
        {"two of three on opposite sides", {0.2, -2.3, 0.5, 2.5}, ChartStatus::Warning, false, false},
        {"the third point back does not count", {2.6, 0.1, 0.5, 2.5}, ChartStatus::Warning, false, false},
        {"rule 2 needs the last point beyond", {2.3, 2.5, 0.1}, ChartStatus::InControl, false, false},
        {"rule 1 and rule 2 together", {0.0, 2.4, 3.2}, ChartStatus::Action, true, true},
    };
    const ChartLimits limits = UnitLimits();
    for (const RuleCase& c : cases) {
        const PointJudgement judgement = JudgeLastPoint(limits, c.z);
        EXPECT_EQ(judgement.status, c.status) << c.name;
        EXPECT_EQ(judgement.rule1, c.rule1) << c.name;
        EXPECT_EQ(judgement.rule2, c.rule2) << c.name;
    }
}

TEST(ControlChart, NewPointsAfterTheBaseline) {
    const ChartLimits limits = LimitsOf(kBaseline);
    // 2.0600 lies beyond the upper action limit 2.059563.
    std::vector<double> next = kBaseline;
    next.push_back(2.0600);
    EXPECT_EQ(JudgeLastPoint(limits, next).status, ChartStatus::Action);
    // 2.0570, 2.0500, 2.0580: points 21 and 23 above the upper warning limit 2.056407, 23 fires rule 2.
    std::vector<double> run = kBaseline;
    run.push_back(2.0570);
    EXPECT_FALSE(JudgeLastPoint(limits, run).rule2);
    EXPECT_EQ(JudgeLastPoint(limits, run).status, ChartStatus::Warning);
    run.push_back(2.0500);
    EXPECT_EQ(JudgeLastPoint(limits, run).status, ChartStatus::InControl);
    run.push_back(2.0580);
    const PointJudgement third = JudgeLastPoint(limits, run);
    EXPECT_TRUE(third.rule2);
    EXPECT_FALSE(third.rule1);
}

TEST(ControlChart, RelativeChange) {
    EXPECT_DOUBLE_EQ(RelativeChangePercent(2.02, 2.0), 1.0000000000000009);
    EXPECT_NEAR(RelativeChangePercent(1.97, 2.0), -1.5, 1e-12);
    EXPECT_TRUE(std::isnan(RelativeChangePercent(1.0, 0.0)));
    EXPECT_TRUE(std::isnan(RelativeChangePercent(std::nan(""), 1.0)));
}

} // namespace
