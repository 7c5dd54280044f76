// The plug-in's binding loads the real library from the program's folder and calls it.
#include <gtest/gtest.h>

#include "calc/bindings/Gost6976Binding.h"
#include "gost6976/Gost6976TestSupport.h"

namespace {
using namespace gost6976_test;

TEST(Gost6976Binding, LoadsTheLibraryBesideTheProgram) {
    const Gost6976Binding& binding = Gost6976();
    ASSERT_TRUE(binding.loaded);
    ASSERT_NE(binding.GetDefaultConstTable3136921, nullptr);
    ASSERT_NE(binding.Calc3136921, nullptr);
    ASSERT_NE(binding.Calc3136921U, nullptr);
    EXPECT_EQ(&Gost6976(), &binding) << "loaded once";
}

// ISO 6976:2016 Annex D, example D.2, through the loaded entries.
TEST(Gost6976Binding, CallsReachTheLibrary) {
    const Gost6976Binding& binding = Gost6976();
    ASSERT_TRUE(binding.loaded);
    int32_t rows = 0;
    const void* table = binding.GetDefaultConstTable3136921(&rows);
    EXPECT_EQ(rows, 61);
    const auto gas = Entries({{u"methane", 0.933212, 0.000346},
                              {u"ethane", 0.025656, 0.000243},
                              {u"propane", 0.015368, 0.000148},
                              {u"nitrogen", 0.010350, 0.000195},
                              {u"carbon_dioxide", 0.015414, 0.000111}});
    PhysicalProperties values{};
    PhysicalProperties expanded{};
    ASSERT_EQ(
        binding.Calc3136921(table, rows, gas.data(), 5, kPressureKPa, kMetering15C, kCombustion15C, &values),
        0);
    ASSERT_EQ(binding.Calc3136921U(table, rows, gas.data(), gas.data(), 5, kPressureKPa, kMetering15C,
                                   kCombustion15C, -1, &values, &expanded),
              0);
    EXPECT_NEAR(At(values, PhysicalPropertyIndex::MolarMass), 17.38843, 5e-6);
    EXPECT_NEAR(At(expanded, PhysicalPropertyIndex::SuperiorMolarCalorificValue) / 2, 0.615609872, 5e-10);
}

} // namespace
