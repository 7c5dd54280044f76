// The balancing of the partial mixtures over a grid of natural gases: always balanced, the column totals
// kept, no negative amount, continuous in the composition, and lower for richer gases; and the rules for
// gases the balancing cannot serve as usual (README.md, "Balancing").
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gost34704/Gost34704TestSupport.h"

namespace {
using namespace gost34704_test;

std::vector<Fraction_t> NaturalGas(double ethane, double propane, double butane, double pentane,
                                   double hexanes) {
    const double inerts = 1.2 + 0.8;
    const double methane = 100.0 - ethane - propane - butane - pentane - hexanes - inerts;
    return Gas({{u"methane", methane},
                {u"ethane", ethane},
                {u"propane", propane},
                {u"2_methylpropane", 0.4 * butane},
                {u"n_butane", 0.6 * butane},
                {u"n_pentane", pentane},
                {u"c6plus", hexanes},
                {u"nitrogen", 1.2},
                {u"carbon_dioxide", 0.8}});
}

template <typename Visit>
void ForEachGridGas(Visit visit) {
    for (double ethane : {0.5, 3.0, 8.0}) {
        for (double propane : {0.1, 1.0, 3.0}) {
            for (double butane : {0.01, 0.3, 1.0}) {
                for (double pentane : {0.0, 0.1}) {
                    for (double hexanes : {0.0, 0.05}) {
                        visit(NaturalGas(ethane, propane, butane, pentane, hexanes));
                    }
                }
            }
        }
    }
}

TEST(Gost34704Balancing, EveryGridGasIsBalanced) {
    int gases = 0;
    ForEachGridGas([&](const std::vector<Fraction_t>& gas) {
        ++gases;
        MetanNumber_t result{};
        ASSERT_EQ(Calculate(gas, result), kMethaneNumberBalanced) << gases;
        const Steps steps = RunSteps(gas);
        for (int column = 0; column < 4; ++column) {
            double before = 0.0;
            double after = 0.0;
            for (int row = 0; row < 3; ++row) {
                before += steps.initial[row][column];
                after += steps.balanced[row][column];
                EXPECT_GE(steps.balanced[row][column], 0.0) << gases;
            }
            EXPECT_NEAR(after, before, 1e-10) << gases;
        }
        double lowest = 1e9;
        double highest = -1e9;
        for (double number : steps.balancedMethaneNumbers) {
            if (!std::isnan(number)) {
                lowest = std::min(lowest, number);
                highest = std::max(highest, number);
            }
        }
        EXPECT_LT(highest - lowest, 1e-8) << gases;
        EXPECT_NEAR(result.first, lowest, 1e-6) << gases;
    });
    EXPECT_EQ(gases, 108);
}

// A change of 10⁻⁶ of the propane fraction moves the methane number by far less than its rounding.
TEST(Gost34704Balancing, ContinuousInTheComposition) {
    ForEachGridGas([&](const std::vector<Fraction_t>& gas) {
        std::vector<Fraction_t> nudged = gas;
        nudged[2].fraction *= 1.000001;
        MetanNumber_t base{};
        MetanNumber_t moved{};
        Calculate(gas, base);
        Calculate(nudged, moved);
        EXPECT_LT(std::fabs(moved.first - base.first), 1e-3);
    });
}

// More of a heavier hydrocarbon in the place of methane lowers the methane number.
TEST(Gost34704Balancing, RicherGasHasALowerMethaneNumber) {
    double previous = 1e9;
    for (double butane = 0.05; butane < 3.0; butane += 0.25) {
        MetanNumber_t result{};
        ASSERT_EQ(Calculate(NaturalGas(3.0, 1.0, butane, 0.05, 0.02), result), kMethaneNumberBalanced);
        EXPECT_LT(result.first, previous) << butane;
        previous = result.first;
    }
    previous = 1e9;
    for (double ethane = 0.5; ethane < 15.0; ethane += 1.0) {
        MetanNumber_t result{};
        ASSERT_EQ(Calculate(NaturalGas(ethane, 1.0, 0.3, 0.05, 0.02), result), kMethaneNumberBalanced);
        EXPECT_LT(result.first, previous) << ethane;
        previous = result.first;
    }
}

// Methane with a trace of ethane: the partial mixture of pure methane in diagram A7 keeps its value
// (97.303, the lowest of the three diagrams' values for methane) and the others are balanced to it.
TEST(Gost34704Balancing, LeanGasTakesTheValueOfPureMethaneInA7) {
    MetanNumber_t result{};
    ASSERT_EQ(Calculate(Gas({{u"methane", 99.95}, {u"ethane", 0.05}}), result), kMethaneNumberBalanced);
    EXPECT_NEAR(result.first, 97.303, 1e-3);
}

// A binary gas is served by the two partial mixtures holding both components; the third, of one
// component, is emptied.
TEST(Gost34704Balancing, BinaryGasEmptiesTheMixtureOfOneComponent) {
    const Steps steps = RunSteps(Gas({{u"methane", 95.0}, {u"ethane", 5.0}}));
    ASSERT_EQ(steps.choice, 0);
    EXPECT_TRUE(std::isnan(steps.balancedMethaneNumbers[1])) << "mixture 2 (methane, propane, butane)";
    EXPECT_NEAR(steps.balancedMethaneNumbers[0], steps.balancedMethaneNumbers[2], 1e-8);
}

} // namespace
