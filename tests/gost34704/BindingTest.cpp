// The plug-in's binding loads the real library from the program's folder and calls it. Both bindings'
// headers compile together: each library's Normalize stays out of the other's way.
#include <gtest/gtest.h>

#include <type_traits>

#include "calc/bindings/Gost31371Binding.h"
#include "calc/bindings/Gost34704Binding.h"
#include "gost34704/Gost34704Gases.h"

namespace {
using namespace gost34704_test;

TEST(Gost34704Binding, LoadsTheLibraryBesideTheProgram) {
    const Gost34704Binding& binding = Gost34704();
    ASSERT_TRUE(binding.loaded);
    EXPECT_NE(binding.Calc3470420, nullptr);
    EXPECT_NE(binding.VolumeFraction, nullptr);
    EXPECT_NE(binding.SimpleMix, nullptr);
    EXPECT_NE(binding.ChooseMix, nullptr);
    EXPECT_NE(binding.ThreeMix, nullptr);
    EXPECT_NE(binding.CalcMN, nullptr);
    EXPECT_NE(binding.Normalize, nullptr);
    EXPECT_NE(binding.GetFraction, nullptr);
    EXPECT_EQ(&Gost34704(), &binding) << "loaded once";
}

// The two libraries' Normalize functions have different types; the binding's is the methane-number one.
TEST(Gost34704Binding, NormalizeTypesStayApart) {
    static_assert(
        !std::is_same_v<Gost34704Binding::NormalizeFunction, decltype(Gost31371Binding::Normalize)>);
    const Gost34704Binding& binding = Gost34704();
    ASSERT_TRUE(binding.loaded);
    double values[4] = {1.0, 1.0, 1.0, 1.0};
    EXPECT_DOUBLE_EQ(binding.Normalize(values, 4), 4.0);
    EXPECT_DOUBLE_EQ(values[2], 25.0);
}

// The stage's sequence through the loaded entries, on EN 16726 Table A.10 mix 5 (published 70.02).
TEST(Gost34704Binding, StageSequenceReachesTheLibrary) {
    const Gost34704Binding& binding = Gost34704();
    ASSERT_TRUE(binding.loaded);
    const auto gas = FromVolume({{u"carbon_dioxide", 2.0},
                                 {u"nitrogen", 0.74},
                                 {u"methane", 87.34},
                                 {u"ethane", 7.0},
                                 {u"propane", 2.2},
                                 {u"n_butane", 0.41},
                                 {u"n_pentane", 0.11},
                                 {u"c6plus", 0.2}});
    const auto count = static_cast<unsigned int>(gas.size());
    MetanNumber_t result{};
    EXPECT_EQ(binding.Calc3470420(gas.data(), count, &result, false), 0);
    EXPECT_NEAR(result.second, 70.02, 0.25);

    std::vector<Fraction_t> volume(gas.size());
    binding.VolumeFraction(gas.data(), volume.data(), count);
    EXPECT_NEAR(binding.GetFraction(volume.data(), count, u"carbon_dioxide"), 2.0, 1e-12);
    double simple[4] = {};
    binding.SimpleMix(volume.data(), count, simple);
    const int choice = binding.ChooseMix(simple);
    EXPECT_EQ(choice, 0);
    double mixes[3][4] = {};
    binding.ThreeMix(simple, choice, mixes);
    double numbers[3] = {};
    binding.CalcMN(numbers, mixes, choice);
    binding.CalcMN(numbers, mixes, choice);
    EXPECT_NEAR(numbers[0], result.first, 1e-6);
    double reordered[4] = {simple[3], simple[1], simple[0], simple[2]};
    const double total = binding.Normalize(reordered, 4);
    EXPECT_NEAR(total, 87.34 + 7.0 + 2.2 + 0.41 + 2.3 * 0.11 + 5.3 * 0.2, 1e-9);
    EXPECT_NEAR(reordered[0], 100.0 * 87.34 / total, 1e-9) << "methane first on the page";
}

} // namespace
