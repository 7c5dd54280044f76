// The C boundary: record layouts, and the caller's floating-point environment, which hosts written in
// Delphi run with exceptions unmasked.
#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <cstddef>

#include "gost34704/Gost34704TestSupport.h"

namespace {
using namespace gost34704_test;

TEST(Gost34704Boundary, RecordLayouts) {
    EXPECT_EQ(sizeof(Fraction_t), 136u);
    EXPECT_EQ(offsetof(Fraction_t, fraction), 128u);
    EXPECT_EQ(sizeof(MetanNumber_t), 16u);
    EXPECT_EQ(offsetof(MetanNumber_t, second), 8u);
}

// Overflow and invalid operations inside the library leave no flag behind in the caller.
TEST(Gost34704Boundary, RaisesNoFloatingPointFlagInTheCaller) {
    std::feclearexcept(FE_ALL_EXCEPT);
    // A sum that overflows cannot be computed: NaN, and the values stay as they were.
    double huge[2] = {1e308, 1e308};
    EXPECT_TRUE(std::isnan(Normalize(huge, 2)));
    EXPECT_EQ(huge[0], 1e308);
    // Beside a negative value the sum is small while the values are not: their shares would overflow.
    double opposed[3] = {1e300, -1e300, 1e-10};
    EXPECT_TRUE(std::isnan(Normalize(opposed, 3)));
    EXPECT_EQ(opposed[0], 1e300);
    const auto gas = Gas({{u"methane", 1e308}, {u"ethane", 1e308}});
    MetanNumber_t result{};
    Calculate(gas, result);
    double mixes[3][4] = {{1e-320, 0.0, 0.0, 1e-320}, {0.0, 0.0, 0.0, 1.0}, {0.0, 1e300, 0.0, 1e-300}};
    double numbers[3] = {};
    CalcMN(numbers, mixes, 0);
    EXPECT_EQ(std::fetestexcept(FE_ALL_EXCEPT), 0);
}

#if defined(__GLIBC__)
// With traps enabled, as a Delphi host runs, the same calls must not raise SIGFPE; the caller's traps are
// still enabled afterwards.
TEST(Gost34704Boundary, SurvivesUnmaskedExceptions) {
    feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    double huge[2] = {1e308, 1e308};
    const double sum = Normalize(huge, 2);
    const auto gas = Gas({{u"methane", 1e308}, {u"ethane", 1e308}});
    MetanNumber_t result{};
    Calculate(gas, result);
    const int enabled = fegetexcept();
    fedisableexcept(FE_ALL_EXCEPT);
    EXPECT_TRUE(std::isnan(sum)); // an overflowing sum cannot be computed
    EXPECT_EQ(enabled, FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
}
#endif

} // namespace
