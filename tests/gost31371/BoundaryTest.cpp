// The boundary guard: with the floating-point exceptions unmasked, as a host written in Delphi runs,
// inputs that overflow, divide by zero or compare NaNs inside the library raise no trap in the caller,
// give the documented 0/false results, and leave the caller's floating-point environment as it was.
#include <gtest/gtest.h>

#include <cfenv>
#include <functional>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <float.h>
#endif

#include "Gost31371TestSupport.h"

using namespace gost31371_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kHuge = 1e308;

// Unmasks division by zero, invalid operation and overflow for its lifetime.
class TrappingFloatingPoint {
public:
    TrappingFloatingPoint() {
        std::feclearexcept(FE_ALL_EXCEPT);
#if defined(_WIN32)
        saved_ = _controlfp(0, 0);
        _controlfp(_EM_INEXACT | _EM_UNDERFLOW | _EM_DENORMAL, _MCW_EM);
#elif defined(__GLIBC__)
        saved_ = static_cast<unsigned int>(fegetexcept());
        feenableexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
#endif
    }
    ~TrappingFloatingPoint() {
#if defined(_WIN32)
        _controlfp(saved_, _MCW_EM);
#elif defined(__GLIBC__)
        fedisableexcept(FE_ALL_EXCEPT);
        feenableexcept(static_cast<int>(saved_));
#endif
    }
    TrappingFloatingPoint(const TrappingFloatingPoint&) = delete;
    TrappingFloatingPoint& operator=(const TrappingFloatingPoint&) = delete;

    // The traps this object set are still set.
    static bool TrapsStillSet() {
#if defined(_WIN32)
        return (_controlfp(0, 0) & (_EM_ZERODIVIDE | _EM_INVALID | _EM_OVERFLOW)) == 0;
#elif defined(__GLIBC__)
        return (fegetexcept() & (FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW)) ==
               (FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
#else
        return true;
#endif
    }

private:
    unsigned int saved_ = 0;
};

} // namespace

// Every call runs with the traps set, on inputs that overflow or produce NaNs inside the library; a trap
// would end the test program. Results are compared only after the traps are cleared again.
TEST(BoundaryGuard, NoTrapCrossesTheInterface) {
    const double hugeAreas[5] = {kHuge, kHuge, kHuge, kHuge, kHuge};
    const double smallAreas[3] = {1e-10, 1e-10, 1e-10};
    const double nanAreas[5] = {kNaN, 1.0, 1.0, 1.0, 1.0};
    const double zeroAreas[5] = {0, 0, 0, 0, 0};
    std::vector<FractionEntry> hugeEntries = {Entry(u"ethane", kHuge), Entry(u"propane", kHuge)};
    std::vector<FractionEntry> nanEntries = {Entry(u"ethane", kNaN), Entry(u"propane", 1.0)};
    const MetrologyRow overflowingRow[] = {Row(u"ethane", 0.0, 100.0, kHuge, kHuge)};
    const MetrologyRow nanRow[] = {Row(u"ethane", kNaN, kNaN, kNaN, kNaN)};
    double k = -1;
    double rate = -1;
    double a = -1;
    double b = -1;
    double lower = -1;
    double upper = -1;

    struct Call {
        const char* name;
        std::function<double()> run; // booleans as 0/1, statuses as they are
        double expected;
    };
    const Call calls[] = {
        {"CalcRQRate overflow", [] { return CalcRQRate(1e-300, 20.0); }, 0.0},
        {"CalcRQRate cold", [] { return CalcRQRate(101.325, -kHuge); }, 0.0},
        {"CalcNormArea", [] { return CalcNormArea(kHuge, kHuge); }, 0.0},
        {"CalcCalibFactorDiv", [] { return CalcCalibFactorDiv(kHuge, 1e-300); }, 0.0},
        {"CalcCalibFactorMCnt", [&] { return double(CalcCalibFactorMCnt(smallAreas, 3, kHuge, &k, &rate)); },
         -1.0},
        {"CalcCalibFactorMVrb",
         [&] { return double(CalcCalibFactorMVrb(hugeAreas, hugeAreas, 5, 1e-15, 1e-15, &a, nullptr)); },
         -1.0},
        {"CalcCalibFactorMVrbLS",
         [&] { return double(CalcCalibFactorMVrbLS(hugeAreas, zeroAreas, 5, 1e-300, 1.0, &a, &b, nullptr)); },
         -1.0},
        {"CalcConcentrationMCnt", [] { return CalcConcentrationMCnt(kHuge, kHuge); }, 0.0},
        {"CalcConcentrationMVrb", [] { return CalcConcentrationMVrb(kHuge, 1e-10, -kHuge); }, 0.0},
        {"AreasRelativeStandardDeviation", [&] { return AreasRelativeStandardDeviation(hugeAreas, 5); }, 0.0},
        {"AreasRelativeRange", [&] { return AreasRelativeRange(nanAreas, 5); }, 0.0},
        {"GetAllowedValue", [] { return GetAllowedValue(kNaN); }, 0.0},
        {"CalibrationCheck", [&] { return double(CalibrationCheck(nanAreas, 5, 1.0)); }, 0.0},
        {"ControlCheck", [&] { return double(ControlCheck(zeroAreas, 3, kNaN)); }, 0.0},
        {"CalcMethane huge", [&] { return CalcMethane(hugeEntries.data(), 2); }, 0.0},
        {"CalcMethane NaN", [&] { return CalcMethane(nanEntries.data(), 2); }, 0.0},
        {"CalcMethaneU", [&] { return CalcMethaneU(hugeEntries.data(), 2); }, 0.0},
        {"Normalize huge", [&] { return Normalize(hugeEntries.data(), 2, 100.0); }, 0.0},
        {"Normalize NaN", [&] { return Normalize(nanEntries.data(), 2, 100.0); }, 0.0},
        {"CalcU overflow", [&] { return CalcU(overflowingRow, 1, u"ethane", kHuge); }, 0.0},
        {"CalcU NaN row", [&] { return CalcU(nanRow, 1, u"ethane", 1.0); }, 0.0},
        {"CalcLimitValue", [&] { return CalcLimitValue(nanRow, 1, u"ethane", kNaN); }, 0.0},
        {"CheckMoleFactor NaN", [&] { return double(CheckMoleFactor(kNaN, kNaN, &lower, &upper)); }, 0.0},
        {"CheckMoleFactor huge", [&] { return double(CheckMoleFactor(kHuge, kInf, &lower, &upper)); }, 0.0},
    };
    std::vector<double> results;
    bool trapsKept = false;
    {
        TrappingFloatingPoint traps;
        for (const Call& call : calls) {
            results.push_back(call.run());
        }
        trapsKept = TrappingFloatingPoint::TrapsStillSet();
    }
    EXPECT_TRUE(trapsKept);
    ASSERT_EQ(results.size(), std::size(calls));
    for (size_t i = 0; i < results.size(); ++i) {
        EXPECT_EQ(results[i], calls[i].expected) << calls[i].name;
    }
    EXPECT_EQ(k, 0.0);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(b, 0.0);
    EXPECT_EQ(lower, 0.0);
    EXPECT_EQ(upper, 0.0);
    // A normalisation that failed leaves the entries as they were.
    EXPECT_EQ(hugeEntries[0].value, kHuge);
}

// Inputs near the ends of the double range that once came back infinite under a success: each call gives
// a finite result, or fails with 0 and leaves its entries as they were.
TEST(BoundaryGuard, ExtremeInputsGiveFiniteResultsOrFail) {
    const double farApart[2] = {1e200, 1e-200};
    const double nearMax[3] = {1.7e308, 1.7e308, 1e-300};
    std::vector<FractionEntry> withNegative = {Entry(u"ethane", 1e10), Entry(u"propane", -1e10 + 1.0)};
    const std::vector<FractionEntry> negativeBefore = withNegative;
    std::vector<FractionEntry> ordinary = {Entry(u"ethane", 3.0), Entry(u"propane", 1.0)};
    double rsd = -1;
    double range = -1;
    double rsdNearMax = -1;
    double hugeTotal = -1;
    double negative = -1;
    {
        TrappingFloatingPoint traps;
        rsd = AreasRelativeStandardDeviation(farApart, 2);
        range = AreasRelativeRange(nearMax, 3);
        rsdNearMax = AreasRelativeStandardDeviation(nearMax, 3);
        hugeTotal = Normalize(ordinary.data(), 2, 1e300);
        negative = Normalize(withNegative.data(), 2, 1e300);
    }
    // Two areas, one negligible: the relative standard deviation is sqrt(2) · 100 %.
    EXPECT_NEAR(rsd, 141.42135623730951, 1e-9);
    EXPECT_NEAR(range, 150.0, 1e-9);
    EXPECT_NEAR(rsdNearMax, 86.602540378443862, 1e-9);
    EXPECT_EQ(hugeTotal, 4.0);
    EXPECT_DOUBLE_EQ(ordinary[0].value, 0.75e300);
    EXPECT_DOUBLE_EQ(ordinary[1].value, 0.25e300);
    EXPECT_EQ(negative, 0.0);
    for (size_t i = 0; i < withNegative.size(); ++i) {
        EXPECT_EQ(withNegative[i].value, negativeBefore[i].value);
    }
}

// The caller's floating-point environment comes back whole: its rounding mode and the absence of raised
// flags, even when the library raised some inside.
TEST(BoundaryGuard, CallerEnvironmentIsRestored) {
    std::feclearexcept(FE_ALL_EXCEPT);
    EXPECT_EQ(CalcNormArea(kHuge, kHuge), 0.0);
    EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_DIVBYZERO | FE_INVALID), 0);
    const int rounding = std::fegetround();
    ASSERT_EQ(std::fesetround(FE_UPWARD), 0);
    EXPECT_EQ(CalcRQRate(101.325, 20.0), 1.0);
    EXPECT_EQ(std::fegetround(), FE_UPWARD);
    std::fesetround(rounding);
}
