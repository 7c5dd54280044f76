// The library's table of component constants: layout, identifiers, and internal consistency of the
// transcribed ISO 6976:2016 data, which catches a mistyped digit.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <span>
#include <string>

#include "gost6976/Gost6976TestSupport.h"

namespace {

std::span<const PropertyConstantsRow> Table() {
    int32_t rows = 0;
    const auto* table = static_cast<const PropertyConstantsRow*>(GetDefaultConstTable3136921(&rows));
    return {table, static_cast<size_t>(rows)};
}

TEST(Gost6976ComponentTable, HasSixtyComponentsOfTheStandardAndDryAir) {
    const auto table = Table();
    ASSERT_EQ(table.size(), 61u);
    EXPECT_EQ(std::u16string(table.front().component), u"methane");
    EXPECT_EQ(std::u16string(table[59].component), u"n_pentadecane");
    EXPECT_EQ(std::u16string(table.back().component), u"air");
    std::set<std::u16string> identifiers;
    for (const PropertyConstantsRow& row : table) {
        EXPECT_TRUE(identifiers.insert(row.component).second) << "duplicate identifier";
        EXPECT_EQ(row.reserved, 0);
    }
}

// Every molar mass is the sum of its atomic weights (IUPAC 2005, as ISO 6976:2016 uses them).
TEST(Gost6976ComponentTable, MolarMassesAreTheSumsOfTheAtomicWeights) {
    const double atomicWeight[9] = {12.0107,  1.00794, 14.0067, 15.9994, 32.065,
                                    4.002602, 20.1797, 39.948,  28.96546};
    for (const PropertyConstantsRow& row : Table()) {
        double sum = 0.0;
        for (int e = 0; e < 9; ++e) {
            sum += row.atomCount[e] * atomicWeight[e];
        }
        EXPECT_NEAR(row.molarMassKgPerKmol, sum, 5e-6) << std::string(row.component, row.component + 8);
    }
}

// Summation factors do not grow with temperature; the 60 °F calorific value lies within 0.01 kJ/mol of
// the linear interpolation between 15 °C and 20 °C, and calorific values fall with temperature for
// hydrocarbons.
TEST(Gost6976ComponentTable, TemperatureColumnsRunSmoothly) {
    for (const PropertyConstantsRow& row : Table()) {
        const std::string name(row.component, row.component + 12);
        for (int t = 1; t < 4; ++t) {
            EXPECT_LE(row.summationFactor[t], row.summationFactor[t - 1]) << name;
        }
        const double* h = row.grossCalorificValueKJPerMol;
        const double interpolated = h[1] + (h[3] - h[1]) * 0.55 / 5.0;
        EXPECT_NEAR(h[2], interpolated, 0.01) << name;
        if (row.atomCount[0] > 1 && row.atomCount[1] > 0 && row.atomCount[4] == 0) {
            EXPECT_GT(h[0], h[4]) << name;
        }
        EXPECT_GE(row.summationFactorUncertainty, 0.0);
        EXPECT_GE(row.grossCalorificValueUncertainty, 0.0);
    }
}

TEST(Gost6976ComponentTable, LayoutMatchesTheInterface) {
    EXPECT_EQ(sizeof(PropertyEntry), 144u);
    EXPECT_EQ(offsetof(PropertyEntry, fraction), 128u);
    EXPECT_EQ(offsetof(PropertyEntry, standardUncertainty), 136u);
    EXPECT_EQ(sizeof(PhysicalProperties), 18 * sizeof(double));
    EXPECT_EQ(sizeof(PropertyConstantsRow), 264u);
    EXPECT_EQ(offsetof(PropertyConstantsRow, molarMassKgPerKmol), 128u);
    EXPECT_EQ(offsetof(PropertyConstantsRow, summationFactorUncertainty), 168u);
    EXPECT_EQ(offsetof(PropertyConstantsRow, grossCalorificValueKJPerMol), 176u);
    EXPECT_EQ(offsetof(PropertyConstantsRow, grossCalorificValueUncertainty), 216u);
}

} // namespace
