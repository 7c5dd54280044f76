// The step functions one by one: the conversion to volume fractions, the simplified mixture with its
// butane equivalents, the choice and the initial split of the partial mixtures, the rescaling and the
// look-up of one fraction.
#include <gtest/gtest.h>

#include <cmath>

#include "data/ComponentCatalogue.h"
#include "gost34704/Gost34704TestSupport.h"

namespace {
using namespace gost34704_test;

TEST(Gost34704VolumeFraction, PureMethaneIsAHundredPercent) {
    const auto gas = Gas({{u"methane", 100.0}});
    Fraction_t volume[1] = {};
    VolumeFraction(gas.data(), volume, 1);
    EXPECT_DOUBLE_EQ(volume[0].fraction, 100.0);
    EXPECT_EQ(std::u16string_view(volume[0].component), u"methane");
}

// r_i = 100·x_i·Z_i / Σ x_j·Z_j with Z = 1 − s² from ISO 6976:2016 Table 2; the identifiers are copied.
TEST(Gost34704VolumeFraction, WeightsByCompressionFactor) {
    const auto gas = Gas({{u"methane", 90.0}, {u"n_butane", 4.0}, {u"nitrogen", 6.0}});
    Fraction_t volume[3] = {};
    VolumeFraction(gas.data(), volume, 3);
    const double weights[3] = {90.0 * (1 - 0.04886 * 0.04886), 4.0 * (1 - 0.2022 * 0.2022),
                               6.0 * (1 - 0.0214 * 0.0214)};
    const double total = weights[0] + weights[1] + weights[2];
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(volume[i].fraction, 100.0 * weights[i] / total, 1e-12) << i;
        EXPECT_EQ(std::u16string_view(volume[i].component), std::u16string_view(gas[i].component));
    }
}

// A published volume composition converted to molar fractions (x ∝ r/Z) comes back unchanged.
TEST(Gost34704VolumeFraction, InvertsTheMolarConversion) {
    const auto gas = FromVolume({{u"methane", 87.34},
                                 {u"ethane", 7.0},
                                 {u"propane", 2.2},
                                 {u"hydrogen", 0.5},
                                 {u"carbon_dioxide", 2.0},
                                 {u"nitrogen", 0.96}});
    const double expected[] = {87.34, 7.0, 2.2, 0.5, 2.0, 0.96};
    std::vector<Fraction_t> volume(gas.size());
    VolumeFraction(gas.data(), volume.data(), static_cast<unsigned int>(gas.size()));
    for (size_t i = 0; i < gas.size(); ++i) {
        EXPECT_NEAR(volume[i].fraction, expected[i], 1e-12) << i;
    }
}

// Which summation factor each identifier takes (the rules of the library's README): the C6+ group as
// n-hexane, air from Z_air, the thiols from the alkane of nearest boiling point. Each is checked in a
// 50/50 molar mixture with methane.
TEST(Gost34704VolumeFraction, RepresentativesOfTheSummationFactors) {
    struct Case {
        std::u16string_view id;
        double s0C; // ISO 6976:2016 Table 2 row used
    };
    const Case cases[] = {
        {u"n_hexane", 0.3319},      {u"c6plus", 0.3319},          {u"c7", 0.3319},
        {u"n_pentadecane", 0.3319}, {u"benzene", 0.3319},         {u"2_methylpropane", 0.1885},
        {u"cyclopentane", 0.2409},  {u"hydrogen", -0.01},         {u"hydrogen_sulphide", 0.1006},
        {u"air", 0.02410},          {u"ethanethiol", 0.2586},     {u"1-butanethiol", 0.4076},
        {u"ethene", 0.0868},        {u"carbon_monoxide", 0.0258}, {u"water", 0.3093},
    };
    const double methaneZ = 1 - 0.04886 * 0.04886;
    for (const Case& c : cases) {
        const auto gas = Gas({{u"methane", 50.0}, {c.id, 50.0}});
        Fraction_t volume[2] = {};
        VolumeFraction(gas.data(), volume, 2);
        const double z = 1 - c.s0C * c.s0C;
        EXPECT_NEAR(volume[1].fraction, 100.0 * z / (z + methaneZ), 1e-9) << Utf16Name(c.id);
    }
}

// Every identifier of the component catalogue is known to the library.
TEST(Gost34704VolumeFraction, KnowsEveryCatalogueIdentifier) {
    for (const CatalogueRow& row : ComponentCatalogue()) {
        const auto gas = Gas({{u"methane", 90.0}, {row.id, 10.0}});
        double simple[4] = {};
        SimpleMix(gas.data(), 2, simple);
        EXPECT_FALSE(std::isnan(simple[kMethane])) << Utf16Name(row.id);
        MetanNumber_t result{};
        EXPECT_GE(Calculate(gas, result), 0) << Utf16Name(row.id);
    }
}

// s[0..3] = propane, ethane, butane equivalents, methane, in volume % as given (not normalised).
TEST(Gost34704SimpleMix, OrderAndButaneEquivalents) {
    const auto volume = Gas({{u"methane", 80.0},
                             {u"ethane", 6.0},
                             {u"propane", 3.0},
                             {u"2_methylpropane", 0.5},
                             {u"n_butane", 0.7},
                             {u"n_pentane", 0.2},
                             {u"2_2_dimethylpropane", 0.1},
                             {u"c6plus", 0.3},
                             {u"ethene", 0.05},
                             {u"1_pentene", 0.01},
                             {u"hydrogen", 1.0},
                             {u"carbon_dioxide", 2.0},
                             {u"nitrogen", 6.14}});
    double simple[4] = {};
    SimpleMix(volume.data(), static_cast<unsigned int>(volume.size()), simple);
    EXPECT_DOUBLE_EQ(simple[kPropane], 3.0);
    EXPECT_DOUBLE_EQ(simple[kEthane], 6.0);
    EXPECT_DOUBLE_EQ(simple[kMethane], 80.0);
    // 0.5 + 0.7 + 2.3·(0.2 + 0.1 + 0.01) + 5.3·0.3 + 0.05 (ethene as butane)
    EXPECT_NEAR(simple[kButane], 0.5 + 0.7 + 2.3 * 0.31 + 5.3 * 0.3 + 0.05, 1e-12);
}

TEST(Gost34704SimpleMix, SetAsideComponentsAddNothing) {
    const auto volume = Gas({{u"hydrogen", 10.0},
                             {u"carbon_monoxide", 1.0},
                             {u"hydrogen_sulphide", 1.0},
                             {u"helium", 1.0},
                             {u"carbon_dioxide", 5.0},
                             {u"nitrogen", 5.0}});
    double simple[4] = {1, 1, 1, 1};
    SimpleMix(volume.data(), static_cast<unsigned int>(volume.size()), simple);
    for (double value : simple) {
        EXPECT_EQ(value, 0.0);
    }
}

// The mixture left out holds the fewest of the gas's components, among equals the least affine one.
TEST(Gost34704ChooseMix, LeavesOutTheLeastFittingMixture) {
    struct Case {
        const char* name;
        double simple[4]; // propane, ethane, butane equivalents, methane
        int choice;
    };
    const Case cases[] = {
        {"natural gas: the mixture without methane", {1.0, 3.0, 0.5, 95.0}, 0},
        {"methane and ethane", {0.0, 4.0, 0.0, 96.0}, 0},
        {"methane and propane", {4.0, 0.0, 0.0, 96.0}, 0},
        {"methane and butane", {0.0, 0.0, 4.0, 96.0}, 0},
        {"propane and butane, more propane", {60.0, 0.0, 40.0, 0.0}, 3},
        {"propane and butane, more butane", {20.0, 0.0, 80.0, 0.0}, 1},
        {"ethane alone", {0.0, 100.0, 0.0, 0.0}, 2},
        {"butane alone", {0.0, 0.0, 100.0, 0.0}, 1},
        {"methane, ethane and butane", {0.0, 5.0, 2.0, 93.0}, 0},
        {"methane and ethane in equal parts: the less affine of the two holding one",
         {0.0, 50.0, 0.0, 50.0},
         2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseMix(c.simple), c.choice) << c.name;
    }
}

TEST(Gost34704ThreeMix, SplitsEachComponentEquallyAmongItsMixtures) {
    const double simple[4] = {2.0, 6.0, 1.0, 91.0}; // sum 100
    double mixes[3][4] = {};
    ThreeMix(simple, 1, mixes); // used: 0, 2, 3
    // Mixture 0 (ethane, propane, butane), 2 (methane, propane, butane), 3 (methane, ethane, butane).
    const double expected[3][4] = {
        {1.0, 3.0, 1.0 / 3.0, 0.0},
        {1.0, 0.0, 1.0 / 3.0, 45.5},
        {0.0, 3.0, 1.0 / 3.0, 45.5},
    };
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            EXPECT_NEAR(mixes[row][column], expected[row][column], 1e-12) << row << "," << column;
        }
    }
}

TEST(Gost34704ThreeMix, NormalisesToAHundredPercent) {
    const double simple[4] = {0.5, 1.5, 0.25, 45.0}; // sum 47.25
    double mixes[3][4] = {};
    ThreeMix(simple, 0, mixes);
    for (int column = 0; column < 4; ++column) {
        const double total = mixes[0][column] + mixes[1][column] + mixes[2][column];
        EXPECT_NEAR(total, 100.0 * simple[column] / 47.25, 1e-12) << column;
    }
}

// CalcMN gives the methane numbers of the rows as passed in and leaves them balanced: the column totals
// kept, no amount negative, and the three methane numbers of the balanced rows equal.
TEST(Gost34704CalcMN, BalancesInPlace) {
    const Steps steps = RunSteps(FromVolume({{u"methane", 87.34},
                                             {u"ethane", 7.0},
                                             {u"propane", 2.2},
                                             {u"n_butane", 0.41},
                                             {u"n_pentane", 0.11},
                                             {u"c6plus", 0.2},
                                             {u"carbon_dioxide", 2.0},
                                             {u"nitrogen", 0.74}}));
    EXPECT_GT(steps.initialMethaneNumbers[0] - steps.initialMethaneNumbers[2], 5.0) << "unbalanced at first";
    for (int column = 0; column < 4; ++column) {
        double before = 0.0;
        double after = 0.0;
        for (int row = 0; row < 3; ++row) {
            before += steps.initial[row][column];
            after += steps.balanced[row][column];
            EXPECT_GE(steps.balanced[row][column], 0.0);
        }
        EXPECT_NEAR(after, before, 1e-12) << column;
    }
    EXPECT_NEAR(steps.balancedMethaneNumbers[0], steps.balancedMethaneNumbers[1], 1e-8);
    EXPECT_NEAR(steps.balancedMethaneNumbers[1], steps.balancedMethaneNumbers[2], 1e-8);
}

// Calc3470420 is the step functions in a row: its first number is the balanced value.
TEST(Gost34704CalcMN, AgreesWithCalc3470420) {
    const auto gas = Gas({{u"methane", 92.0},
                          {u"ethane", 4.0},
                          {u"propane", 1.5},
                          {u"2_methylpropane", 0.3},
                          {u"n_butane", 0.4},
                          {u"n_pentane", 0.1},
                          {u"c6plus", 0.05},
                          {u"carbon_dioxide", 0.65},
                          {u"nitrogen", 1.0}});
    const Steps steps = RunSteps(gas);
    MetanNumber_t result{};
    ASSERT_EQ(Calculate(gas, result), kMethaneNumberBalanced);
    EXPECT_NEAR(result.first, steps.balancedMethaneNumbers[0], 1e-6);
}

TEST(Gost34704Normalize, RescalesToAHundredAndReturnsTheSum) {
    double values[4] = {0.25, 1.5, 0.75, 45.0};
    EXPECT_DOUBLE_EQ(Normalize(values, 4), 47.5);
    EXPECT_NEAR(values[0] + values[1] + values[2] + values[3], 100.0, 1e-12);
    EXPECT_NEAR(values[3], 100.0 * 45.0 / 47.5, 1e-12);
}

TEST(Gost34704Normalize, LeavesAZeroSumAlone) {
    double zeros[4] = {};
    EXPECT_EQ(Normalize(zeros, 4), 0.0);
    for (double value : zeros) {
        EXPECT_EQ(value, 0.0);
    }
    double withNaN[2] = {1.0, NAN};
    EXPECT_TRUE(std::isnan(Normalize(withNaN, 2)));
    EXPECT_EQ(withNaN[0], 1.0);
    EXPECT_EQ(Normalize(nullptr, 4), 0.0);
    EXPECT_EQ(Normalize(zeros, 0), 0.0);
}

TEST(Gost34704GetFraction, FindsSumsOrGivesZero) {
    const auto gas =
        Gas({{u"methane", 90.0}, {u"carbon_dioxide", 2.5}, {u"nitrogen", 7.0}, {u"nitrogen", 0.5}});
    EXPECT_EQ(GetFraction(gas.data(), 4, u"carbon_dioxide"), 2.5);
    EXPECT_EQ(GetFraction(gas.data(), 4, u"Carbon_Dioxide"), 2.5) << "Latin case ignored";
    EXPECT_EQ(GetFraction(gas.data(), 4, u"nitrogen"), 7.5) << "repeated rows add up";
    EXPECT_EQ(GetFraction(gas.data(), 4, u"helium"), 0.0);
    EXPECT_EQ(GetFraction(gas.data(), 4, u"carbon_dioxid"), 0.0);
    EXPECT_EQ(GetFraction(gas.data(), 4, nullptr), 0.0);
    EXPECT_EQ(GetFraction(nullptr, 4, u"methane"), 0.0);
    EXPECT_EQ(GetFraction(gas.data(), 0, u"methane"), 0.0);
}

} // namespace
