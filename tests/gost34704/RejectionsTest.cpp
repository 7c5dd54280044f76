// What the library does with input it cannot compute: documented statuses and NaN results, never a
// crash, and nothing written through a null pointer.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "gost34704/Gost34704TestSupport.h"

namespace {
using namespace gost34704_test;

constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(Gost34704Rejections, Calc3470420StatusesAndNaN) {
    struct Case {
        const char* name;
        std::vector<Fraction_t> gas;
        int status;
    };
    Fraction_t unterminated = Row(u"methane", 90.0);
    for (char16_t& c : unterminated.component) {
        c = u'm';
    }
    const Case cases[] = {
        {"no rows", {}, kMethaneNumberInvalidInput},
        {"NaN fraction", Gas({{u"methane", 90.0}, {u"ethane", NAN}}), kMethaneNumberInvalidInput},
        {"infinite fraction", Gas({{u"methane", kInfinity}}), kMethaneNumberInvalidInput},
        {"negative fraction", Gas({{u"methane", 101.0}, {u"ethane", -1.0}}), kMethaneNumberInvalidInput},
        {"fractions summing to zero", Gas({{u"methane", 0.0}, {u"ethane", 0.0}}), kMethaneNumberInvalidInput},
        {"unknown identifier", Gas({{u"methane", 90.0}, {u"kryptonite", 10.0}}),
         kMethaneNumberUnknownComponent},
        {"empty identifier", Gas({{u"methane", 90.0}, {u"", 10.0}}), kMethaneNumberUnknownComponent},
        {"identifier without terminator",
         {Row(u"ethane", 10.0), unterminated},
         kMethaneNumberUnknownComponent},
        {"no hydrocarbon", Gas({{u"nitrogen", 60.0}, {u"carbon_dioxide", 40.0}}),
         kMethaneNumberNoHydrocarbon},
        {"only set-aside combustibles", Gas({{u"hydrogen", 50.0}, {u"carbon_monoxide", 50.0}}),
         kMethaneNumberNoHydrocarbon},
        {"fractions whose sum overflows", Gas({{u"methane", 1e308}, {u"ethane", 1e308}}),
         kMethaneNumberInvalidInput},
        {"butane equivalents that overflow", Gas({{u"methane", 1.0}, {u"n_hexane", 1e308}}),
         kMethaneNumberInvalidInput},
    };
    for (const Case& c : cases) {
        MetanNumber_t result{1.0, 2.0};
        EXPECT_EQ(Calc3470420(c.gas.data(), static_cast<unsigned int>(c.gas.size()), &result, false),
                  c.status)
            << c.name;
        EXPECT_TRUE(std::isnan(result.first)) << c.name;
        EXPECT_TRUE(std::isnan(result.second)) << c.name;
    }
}

// Huge but finite fractions are still proportions of one gas: a success comes with finite methane
// numbers. The first gas is the one a fuzzing campaign found, whose carbon dioxide share overflowed when
// multiplied by 100 before the division by the total. Hydrocarbons that are a vanishing share of such a
// gas are no hydrocarbons.
TEST(Gost34704Rejections, HugeFractionsGiveFiniteMethaneNumbersOrNone) {
    struct Case {
        std::vector<Fraction_t> gas;
        int status;
    };
    const Case cases[] = {
        {Gas({{u"n_butane", 19.932598039215687},
              {u"methane", 8.079833984375},
              {u"n_butane", 20.000000000000099},
              {u"ethane", 72.770194616146753},
              {u"n_pentane", 1e300},
              {u"carbon_dioxide", 3.1753028156680438e307}}),
         kMethaneNumberNotBalanced},
        {Gas({{u"methane", 1.5e308}, {u"carbon_dioxide", 1e307}}), kMethaneNumberNotBalanced},
        {Gas({{u"methane", 90.0}, {u"carbon_dioxide", 1.7e308}}), kMethaneNumberNoHydrocarbon},
    };
    for (const Case& c : cases) {
        MetanNumber_t result{};
        EXPECT_EQ(Calculate(c.gas, result), c.status) << c.gas.back().fraction;
        EXPECT_EQ(std::isfinite(result.first), c.status >= 0) << c.gas.back().fraction;
        EXPECT_EQ(std::isfinite(result.second), c.status >= 0) << c.gas.back().fraction;
    }
}

TEST(Gost34704Rejections, Calc3470420NullPointers) {
    const auto gas = Gas({{u"methane", 100.0}});
    EXPECT_EQ(Calc3470420(gas.data(), 1, nullptr, false), kMethaneNumberInvalidInput);
    MetanNumber_t result{};
    EXPECT_EQ(Calc3470420(nullptr, 5, &result, false), kMethaneNumberInvalidInput);
    EXPECT_TRUE(std::isnan(result.first));
}

TEST(Gost34704Rejections, VolumeFractionOfAnInvalidGasIsNaN) {
    const auto gas = Gas({{u"methane", 90.0}, {u"unobtainium", 10.0}});
    Fraction_t volume[2] = {};
    VolumeFraction(gas.data(), volume, 2);
    for (const Fraction_t& row : volume) {
        EXPECT_TRUE(std::isnan(row.fraction));
    }
    EXPECT_EQ(std::u16string_view(volume[1].component), u"unobtainium") << "identifiers are still copied";

    const auto zero = Gas({{u"methane", 0.0}});
    Fraction_t zeroVolume[1] = {};
    VolumeFraction(zero.data(), zeroVolume, 1);
    EXPECT_TRUE(std::isnan(zeroVolume[0].fraction));

    Fraction_t untouched[1] = {Row(u"ethane", 42.0)};
    VolumeFraction(nullptr, untouched, 1);
    EXPECT_EQ(untouched[0].fraction, 42.0);
    VolumeFraction(gas.data(), nullptr, 2); // no crash
}

TEST(Gost34704Rejections, SimpleMixOfAnInvalidGas) {
    double simple[4] = {};
    const auto withNaN = Gas({{u"methane", NAN}});
    SimpleMix(withNaN.data(), 1, simple);
    for (double value : simple) {
        EXPECT_TRUE(std::isnan(value));
    }
    SimpleMix(nullptr, 0, simple);
    for (double value : simple) {
        EXPECT_EQ(value, 0.0) << "no rows: no hydrocarbon";
    }
    SimpleMix(nullptr, 3, simple);
    EXPECT_TRUE(std::isnan(simple[0]));
    SimpleMix(withNaN.data(), 1, nullptr); // no crash
}

TEST(Gost34704Rejections, ChooseMixOfAnInvalidMixture) {
    const double zeros[4] = {};
    const double negative[4] = {1.0, -0.5, 0.0, 99.5};
    const double withNaN[4] = {1.0, NAN, 0.0, 99.0};
    const double infinite[4] = {1.0, 0.0, 0.0, kInfinity};
    EXPECT_EQ(ChooseMix(zeros), -1);
    EXPECT_EQ(ChooseMix(negative), -1);
    EXPECT_EQ(ChooseMix(withNaN), -1);
    EXPECT_EQ(ChooseMix(infinite), -1);
    EXPECT_EQ(ChooseMix(nullptr), -1);
}

TEST(Gost34704Rejections, ThreeMixAndCalcMNOfAnInvalidChoice) {
    const double simple[4] = {1.0, 3.0, 0.5, 95.5};
    for (int choice : {-1, 4}) {
        double mixes[3][4] = {};
        ThreeMix(simple, choice, mixes);
        for (const auto& row : mixes) {
            for (double value : row) {
                EXPECT_TRUE(std::isnan(value)) << choice;
            }
        }
        double numbers[3] = {};
        double valid[3][4] = {};
        ThreeMix(simple, 0, valid);
        CalcMN(numbers, valid, choice);
        for (double number : numbers) {
            EXPECT_TRUE(std::isnan(number)) << choice;
        }
    }
    double mixes[3][4] = {};
    ThreeMix(nullptr, 0, mixes);
    EXPECT_TRUE(std::isnan(mixes[0][0]));
}

// A row that is empty, negative or holds a component its mixture lacks has no methane number; the split
// is then left as it is.
TEST(Gost34704Rejections, CalcMNOfInvalidRows) {
    double mixes[3][4] = {
        {0.5, 1.5, 0.0, 30.0}, // mixture 1: propane, ethane, methane
        {0.0, 0.0, 0.0, 0.0},  // mixture 2: empty
        {0.0, 1.5, 0.3, 30.0}, // mixture 3
    };
    double numbers[3] = {};
    CalcMN(numbers, mixes, 0);
    EXPECT_FALSE(std::isnan(numbers[0]));
    EXPECT_TRUE(std::isnan(numbers[1]));
    EXPECT_FALSE(std::isnan(numbers[2]));
    EXPECT_EQ(mixes[0][1], 1.5) << "not rebalanced";

    double foreign[3][4] = {
        {0.5, 1.5, 0.2, 30.0}, // mixture 1 holds no butane
        {0.5, 0.0, 0.2, 30.0},
        {0.0, 1.5, 0.2, 30.0},
    };
    CalcMN(numbers, foreign, 0);
    EXPECT_TRUE(std::isnan(numbers[0]));

    double negative[3][4] = {
        {0.5, 1.5, 0.0, 30.0},
        {-0.5, 0.0, 0.2, 30.0},
        {0.0, 1.5, 0.2, 30.0},
    };
    CalcMN(numbers, negative, 0);
    EXPECT_TRUE(std::isnan(numbers[1]));
}

} // namespace
