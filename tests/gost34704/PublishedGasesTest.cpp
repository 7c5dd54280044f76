// The published gases: EN 16726:2015+A1:2018 Table A.10 (the validation examples of the MWM method that
// GOST 34704-2020 follows), the intermediate quantities of a sample gas computed independently, and the
// values of the diagrams for pure components.
#include <gtest/gtest.h>

#include "gost34704/Gost34704TestSupport.h"

namespace {
using namespace gost34704_test;

struct PublishedCase {
    const char* name;
    std::vector<Fraction_t> gas;
    double published; // methane number of the gas motor fuel
    double tolerance;
};

// EN 16726:2015+A1:2018 Table A.10, compositions in volume %; the mixes within GOST 34704-2020's
// components (methane to C6+, carbon dioxide, nitrogen) whose diagrams it shares.
TEST(Gost34704Published, En16726TableA10WithinAQuarter) {
    const PublishedCase cases[] = {
        {"mix 3",
         FromVolume({{u"carbon_dioxide", 0.2},
                     {u"nitrogen", 0.2},
                     {u"methane", 94.68},
                     {u"ethane", 3.2},
                     {u"propane", 1.05},
                     {u"n_butane", 0.47},
                     {u"n_pentane", 0.2}}),
         80.00, 0.25},
        {"mix 5",
         FromVolume({{u"carbon_dioxide", 2.0},
                     {u"nitrogen", 0.74},
                     {u"methane", 87.34},
                     {u"ethane", 7.0},
                     {u"propane", 2.2},
                     {u"n_butane", 0.41},
                     {u"n_pentane", 0.11},
                     {u"c6plus", 0.2}}),
         70.02, 0.25},
    };
    for (const PublishedCase& c : cases) {
        MetanNumber_t result{};
        EXPECT_EQ(Calculate(c.gas, result), kMethaneNumberBalanced) << c.name;
        EXPECT_NEAR(result.second, c.published, c.tolerance) << c.name;
    }
}

// Mix 1 (N2 13, CH4 83.53, C2H6 3.47 vol-%, published 90.02) is evaluated by EN 16726 in diagram A1
// (methane-hydrogen-ethane), which GOST 34704-2020 lacks. Of its four partial mixtures only A4 and A8
// hold methane and ethane; every balanced split of the two lies between A8 and A4 evaluated for the
// whole gas: 85.782 and 89.331 (x = 96.0115 % methane, y = 3.9885 % ethane, computed independently from
// the EN 16726 coefficients). The least-change split gives 87.726 (same independent calculation).
TEST(Gost34704Published, En16726MixOneLiesBetweenItsTwoDiagrams) {
    const auto gas = FromVolume({{u"nitrogen", 13.0}, {u"methane", 83.53}, {u"ethane", 3.47}});
    MetanNumber_t result{};
    ASSERT_EQ(Calculate(gas, result), kMethaneNumberBalanced);
    EXPECT_GT(result.first, 85.782);
    EXPECT_LT(result.first, 89.331);
    EXPECT_NEAR(result.first, 87.726, 0.002);
    EXPECT_DOUBLE_EQ(result.second, result.first) << "no carbon dioxide: no correction";
}

// A natural gas in mol % (the sample composition used with GOST 34704-2020 programs); expected values
// from an independent calculation with Z rounded to four digits, hence the tolerances.
class Gost34704SampleGas : public ::testing::Test {
protected:
    const std::vector<Fraction_t> gas = Gas({{u"methane", 97.064},
                                             {u"ethane", 1.6758},
                                             {u"propane", 0.2453},
                                             {u"2_methylpropane", 0.0356},
                                             {u"n_butane", 0.0253},
                                             {u"2_2_dimethylpropane", 0.0011},
                                             {u"2_methylbutane", 0.0076},
                                             {u"n_pentane", 0.0132},
                                             {u"c6plus", 0.0091},
                                             {u"carbon_dioxide", 0.053},
                                             {u"nitrogen", 0.87}});
};

TEST_F(Gost34704SampleGas, VolumeFractions) {
    const double expected[] = {97.08376, 1.66354, 0.24065, 0.03443, 0.02433, 0.00105,
                               0.00716,  0.01235, 0.00812, 0.05278, 0.87183};
    const Steps steps = RunSteps(gas);
    for (size_t i = 0; i < gas.size(); ++i) {
        EXPECT_NEAR(steps.volume[i].fraction, expected[i], 1e-4) << i;
    }
}

TEST_F(Gost34704SampleGas, SimplifiedMixtureNormalised) {
    Steps steps = RunSteps(gas);
    Normalize(steps.simple, 4);
    EXPECT_NEAR(steps.simple[kMethane], 97.92887, 2e-4);
    EXPECT_NEAR(steps.simple[kEthane], 1.67802, 2e-4);
    EXPECT_NEAR(steps.simple[kPropane], 0.24275, 2e-4);
    EXPECT_NEAR(steps.simple[kButane], 0.15036, 2e-4);
}

TEST_F(Gost34704SampleGas, InitialPartialMixtures) {
    const Steps steps = RunSteps(gas);
    EXPECT_EQ(steps.choice, 0) << "mixtures 2, 3 and 4 of GOST 34704 are used";
    EXPECT_NEAR(steps.initial[0][kMethane], 32.64296, 2e-4);
    EXPECT_NEAR(steps.initial[0][kEthane], 0.83901, 2e-4);
    EXPECT_NEAR(steps.initial[1][kPropane], 0.12137, 2e-4);
    EXPECT_NEAR(steps.initial[2][kButane], 0.07518, 2e-4);
    EXPECT_NEAR(steps.initialMethaneNumbers[0], 91.4322, 1e-3);
    EXPECT_NEAR(steps.initialMethaneNumbers[1], 93.3809, 1e-3);
    EXPECT_NEAR(steps.initialMethaneNumbers[2], 88.4169, 1e-3);
}

TEST_F(Gost34704SampleGas, BalancedAndCorrected) {
    MetanNumber_t result{};
    ASSERT_EQ(Calculate(gas, result), kMethaneNumberBalanced);
    EXPECT_NEAR(result.first, 90.973, 2e-3);
    EXPECT_NEAR(result.second - result.first, 0.049, 1e-3);
}

// Each diagram evaluated for a pure component (EN 16726 coefficients, computed independently): the
// three used partial mixtures of a one-hydrocarbon gas hold it alone.
TEST(Gost34704Published, PureComponentValuesOfTheDiagrams) {
    struct Case {
        std::u16string_view id;
        int choice;
        double values[3];
    };
    const Case cases[] = {
        {u"methane", 0, {99.869, 97.303, 98.378}},  // A4, A7, A8
        {u"ethane", 2, {43.780, 43.662, 43.556}},   // A2, A4, A8
        {u"propane", 3, {33.587, 33.539, 33.523}},  // A2, A4, A7
        {u"n_butane", 1, {10.245, 10.169, 10.778}}, // A2, A7, A8
    };
    for (const Case& c : cases) {
        const Steps steps = RunSteps({Row(c.id, 100.0)});
        EXPECT_EQ(steps.choice, c.choice);
        for (int row = 0; row < 3; ++row) {
            EXPECT_NEAR(steps.initialMethaneNumbers[row], c.values[row], 1e-3) << row;
        }
        MetanNumber_t result{};
        EXPECT_EQ(Calculate({Row(c.id, 100.0)}, result), kMethaneNumberNotBalanced);
        EXPECT_NEAR(result.first, (c.values[0] + c.values[1] + c.values[2]) / 3.0, 2e-3)
            << "a single hydrocarbon cannot be balanced: the mean of the three";
    }
}

// The inert diagram for 10 % carbon dioxide on the nitrogen-free basis: P(90, 10) − P(100, 0) = 9.790
// (EN 16726 coefficients, computed independently). Nitrogen changes nothing on that basis.
TEST(Gost34704Published, CarbonDioxideCorrection) {
    const auto gas = FromVolume({{u"methane", 90.0}, {u"carbon_dioxide", 10.0}});
    MetanNumber_t result{};
    Calculate(gas, result);
    EXPECT_NEAR(result.second - result.first, 9.790, 1e-3);

    const auto diluted = FromVolume({{u"methane", 45.0}, {u"carbon_dioxide", 5.0}, {u"nitrogen", 50.0}});
    MetanNumber_t withNitrogen{};
    Calculate(diluted, withNitrogen);
    EXPECT_NEAR(withNitrogen.first, result.first, 1e-9);
    EXPECT_NEAR(withNitrogen.second, result.second, 1e-9);
}

} // namespace
