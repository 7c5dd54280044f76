// The C boundary: the caller's floating-point status flags come back as they were, whatever the call
// raised inside, and a caller-supplied table is used instead of the library's.
#include <gtest/gtest.h>

#include <cfenv>
#include <cstring>
#include <limits>

#include "gost6976/Gost6976TestSupport.h"

namespace {
using namespace gost6976_test;
using P = PhysicalPropertyIndex;

TEST(Gost6976Boundary, CallerFloatingPointFlagsAreRestored) {
    const auto gas = TwelveComponentGas();
    auto invalid = gas;
    invalid[0].fraction = std::numeric_limits<double>::quiet_NaN();
    int32_t rows = 0;
    const void* table = GetDefaultConstTable3136921(&rows);
    PhysicalProperties values{};
    PhysicalProperties expanded{};

    std::feclearexcept(FE_ALL_EXCEPT);
    const int32_t status = Calc3136921(table, rows, gas.data(), 12, kPressureKPa, 3, 4, &values);
    const int32_t statusU =
        Calc3136921U(table, rows, gas.data(), gas.data(), 12, kPressureKPa, 3, 4, 0, &values, &expanded);
    const int32_t statusInvalid = Calc3136921(table, rows, invalid.data(), 12, kPressureKPa, 3, 4, &values);
    const int raisedInside = std::fetestexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(statusU, 0);
    EXPECT_NE(statusInvalid, 0);
    // The calculations round (inexact) and compare with NaN, yet no flag reaches the caller.
    EXPECT_EQ(raisedInside, 0);

    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(FE_DIVBYZERO);
    Calc3136921(table, rows, gas.data(), 12, kPressureKPa, 3, 4, &values);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), FE_DIVBYZERO) << "the caller's own flag survives";
    std::feclearexcept(FE_ALL_EXCEPT);
}

// A laboratory may pass its own table: here the default one with methane's calorific value raised by
// 1 kJ/mol at 25 °C, which raises the gas's by the methane fraction.
TEST(Gost6976Boundary, CallerTableIsUsed) {
    int32_t rows = 0;
    const auto* defaults = static_cast<const PropertyConstantsRow*>(GetDefaultConstTable3136921(&rows));
    std::vector<PropertyConstantsRow> own(defaults, defaults + rows);
    own[0].grossCalorificValueKJPerMol[4] += 1.0;
    const auto gas = TwelveComponentGas();
    PhysicalProperties standard{};
    PhysicalProperties changed{};
    ASSERT_EQ(Calc3136921(defaults, rows, gas.data(), 12, kPressureKPa, 3, 4, &standard), 0);
    ASSERT_EQ(Calc3136921(own.data(), rows, gas.data(), 12, kPressureKPa, 3, 4, &changed), 0);
    EXPECT_NEAR(At(changed, P::SuperiorMolarCalorificValue) - At(standard, P::SuperiorMolarCalorificValue),
                gas[0].fraction, 1e-9);
    // A table without the component refuses it.
    ASSERT_EQ(Calc3136921(own.data() + 1, rows - 1, gas.data(), 12, kPressureKPa, 3, 4, &changed),
              static_cast<int32_t>(Status3136921::UnknownComponent));
}

} // namespace

// Inputs that are each acceptable but combine into results that would not be finite: the call fails
// with its status and leaves zeros, never infinities under status 0.
TEST(Gost6976Boundary, ResultsThatWouldNotBeFiniteFail) {
    int32_t rows = 0;
    const auto* defaults = static_cast<const PropertyConstantsRow*>(GetDefaultConstTable3136921(&rows));
    std::vector<PropertyConstantsRow> tinyMass(defaults, defaults + rows);
    for (PropertyConstantsRow& row : tinyMass) {
        row.molarMassKgPerKmol = 1e-306; // the mass calorific values H/M overflow
    }
    const auto gas = TwelveComponentGas();
    auto hugeUncertainty = gas;
    hugeUncertainty[1].standardUncertainty = 1e160;

    PhysicalProperties values{};
    PhysicalProperties expanded{};
    EXPECT_EQ(Calc3136921(tinyMass.data(), rows, gas.data(), 12, kPressureKPa, 3, 4, &values),
              static_cast<int32_t>(Status3136921::NonFiniteResult));
    for (const double value : values.value) {
        EXPECT_EQ(value, 0.0);
    }
    for (const int32_t mode : {-1, 0, 1}) {
        SCOPED_TRACE(mode);
        std::fill(std::begin(expanded.value), std::end(expanded.value), 1.0);
        EXPECT_EQ(Calc3136921U(defaults, rows, hugeUncertainty.data(), hugeUncertainty.data(), 12,
                               kPressureKPa, 3, 4, mode, &values, &expanded),
                  static_cast<int32_t>(Status3136921::NonFiniteResult));
        for (const double value : expanded.value) {
            EXPECT_EQ(value, 0.0);
        }
    }
}
