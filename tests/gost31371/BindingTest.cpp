// The plug-in's binding: it loads the library file from the program's own folder by name, resolves every
// entry, and selects the tables by calculation method.
#include "calc/bindings/Gost31371Binding.h"

#include <gtest/gtest.h>

#include <vector>

#include "Gost31371TestSupport.h"

using namespace gost31371_test;

TEST(Gost31371Binding, LoadsTheLibraryBesideTheProgram) {
    const Gost31371Binding& binding = Gost31371();
    ASSERT_TRUE(binding.loaded);
    EXPECT_NE(binding.GetDefaultConstTableMethodA, nullptr);
    EXPECT_NE(binding.GetDefaultConstTableMethodB, nullptr);
    EXPECT_NE(binding.GetDefaultConstTableMethodC1, nullptr);
    EXPECT_NE(binding.GetDefaultConstTableMethodC2, nullptr);
    EXPECT_NE(binding.CalcRQRate, nullptr);
    EXPECT_NE(binding.CalcNormArea, nullptr);
    EXPECT_NE(binding.CalcCalibFactorDiv, nullptr);
    EXPECT_NE(binding.CalcCalibFactorMCnt, nullptr);
    EXPECT_NE(binding.CalcLimitValue, nullptr);
    EXPECT_NE(binding.CalcCalibFactorMVrb, nullptr);
    EXPECT_NE(binding.CalcCalibFactorMVrbLS, nullptr);
    EXPECT_NE(binding.CalcConcentrationMCnt, nullptr);
    EXPECT_NE(binding.CalcConcentrationMVrb, nullptr);
    EXPECT_NE(binding.AreasRelativeStandardDeviation, nullptr);
    EXPECT_NE(binding.AreasRelativeRange, nullptr);
    EXPECT_NE(binding.GetAllowedValue, nullptr);
    EXPECT_NE(binding.CalibrationCheck, nullptr);
    EXPECT_NE(binding.ControlCheck, nullptr);
    EXPECT_NE(binding.CalcMethane, nullptr);
    EXPECT_NE(binding.CalcMethaneU, nullptr);
    EXPECT_NE(binding.Normalize, nullptr);
    EXPECT_NE(binding.CalcU, nullptr);
    EXPECT_NE(binding.CheckMoleFactor, nullptr);
    EXPECT_EQ(&Gost31371(), &binding); // loaded once
}

TEST(Gost31371Binding, TablesByCalculationMethod) {
    for (int32_t method = 0; method < 4; ++method) {
        int32_t count = -1;
        const MetrologyRow* rows = MetrologyTableForMethod(method, &count);
        const std::span<const MetrologyRow> direct = DefaultRows(method);
        EXPECT_EQ(rows, direct.data()) << method;
        EXPECT_EQ(count, static_cast<int32_t>(direct.size())) << method;
    }
    for (const int32_t method : {-1, 4, 100}) {
        int32_t count = -1;
        EXPECT_EQ(MetrologyTableForMethod(method, &count), nullptr);
        EXPECT_EQ(count, 0);
    }
    EXPECT_NE(MetrologyTableForMethod(0, nullptr), nullptr);
}

// The calls a caller makes through the binding: the pressure factor of the areas, and this library's
// Normalize (entries of 136 bytes), not another library's function of that name.
TEST(Gost31371Binding, CallsReachTheLibrary) {
    const Gost31371Binding& binding = Gost31371();
    ASSERT_TRUE(binding.loaded);
    const double factor = binding.CalcRQRate(100.0, 20.0);
    EXPECT_DOUBLE_EQ(factor, 1.01325);
    EXPECT_DOUBLE_EQ(binding.CalcNormArea(1000.0, factor), 1013.25);
    std::vector<FractionEntry> entries = {Entry(u"ethane", 3.0), Entry(u"propane", 1.0)};
    EXPECT_DOUBLE_EQ(binding.Normalize(entries.data(), 2, 100.0), 4.0);
    EXPECT_DOUBLE_EQ(entries[0].value, 75.0);
    EXPECT_DOUBLE_EQ(entries[1].value, 25.0);
    int32_t count = 0;
    const MetrologyRow* rows = MetrologyTableForMethod(3, &count);
    EXPECT_GT(binding.CalcU(rows, count, u"c6plus", 0.5), 0.0);
    EXPECT_EQ(binding.CalcU(rows, count, u"c6", 0.5), 0.0);
}
