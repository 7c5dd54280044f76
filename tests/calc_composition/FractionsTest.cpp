#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

#include "calc/composition/VolumeMassFractions.h"

namespace {

ComponentResult Row(std::u16string_view id, double molarFraction) {
    ComponentResult row;
    row.id = id;
    row.molarFraction = molarFraction;
    return row;
}

std::vector<ComponentResult> GasWithOddRows() {
    return {Row(u"methane", 90.0), Row(u"ethane", 5.0), Row(u"n_pentadecane", 1.0),
            Row(u"water", 2.0),    Row(u"air", 1.5),    Row(u"? Пик 1", 0.5)};
}

// Z of the rows above at 0, 15, 15.55 and 20 °C as the compression-factor table lists them.
constexpr std::array<std::array<double, 4>, 6> kZ = {{
    {0.99762, 0.99802, 0.99804, 0.99814},
    {0.99001, 0.99153, 0.99158, 0.99197},
    {0.24903, 0.02997, 0.03882, 0.10527},
    {0.93, 0.945, 0.0, 0.952},
    {0.0, 0.0, 0.0, 0.0},
    {0.0, 0.0, 0.0, 0.0},
}};

TEST(ComputeVolumeFractions, ZTimesMolarFractionScaledToOneHundredAtEachTemperature) {
    for (int32_t column = 0; column < 4; ++column) {
        std::vector<ComponentResult> table = GasWithOddRows();
        ComputeVolumeFractions(column, table);
        double sumZx = 0.0;
        for (size_t i = 0; i < table.size(); ++i) {
            sumZx += kZ[i][static_cast<size_t>(column)] * table[i].molarFraction;
        }
        double total = 0.0;
        for (size_t i = 0; i < table.size(); ++i) {
            const double expected =
                kZ[i][static_cast<size_t>(column)] * table[i].molarFraction * 100.0 / sumZx;
            EXPECT_NEAR(table[i].volumeFraction, expected, 1e-12) << "row " << i << " column " << column;
            EXPECT_TRUE(std::isfinite(table[i].volumeFraction));
            total += table[i].volumeFraction;
        }
        EXPECT_NEAR(total, 100.0, 1e-12);
        EXPECT_EQ(table[4].volumeFraction, 0.0); // air
        EXPECT_EQ(table[5].volumeFraction, 0.0); // unknown
    }
    std::vector<ComponentResult> table = GasWithOddRows();
    ComputeVolumeFractions(2, table);
    EXPECT_EQ(table[3].volumeFraction, 0.0); // water at 15.55 °C
    // n_pentadecane: larger at 0 °C than at 15 °C.
    std::vector<ComponentResult> cold = GasWithOddRows();
    std::vector<ComponentResult> warm = GasWithOddRows();
    ComputeVolumeFractions(0, cold);
    ComputeVolumeFractions(1, warm);
    EXPECT_GT(cold[2].volumeFraction, 8.0 * warm[2].volumeFraction);
}

TEST(ComputeVolumeFractions, NothingWithACompressionFactorLeavesZerosNotNaN) {
    for (const int32_t column : {2, 3, 4, -1}) {
        std::vector<ComponentResult> table = {Row(u"air", 60.0), Row(u"? Пик 1", 40.0)};
        if (column == 2) {
            table.push_back(Row(u"water", 1.0));
        }
        ComputeVolumeFractions(column, table);
        for (const ComponentResult& row : table) {
            EXPECT_EQ(row.volumeFraction, 0.0) << "column " << column;
        }
    }
    // A column outside 0..3 gives every component Z = 0.
    std::vector<ComponentResult> table = {Row(u"methane", 100.0)};
    ComputeVolumeFractions(4, table);
    EXPECT_EQ(table[0].volumeFraction, 0.0);
}

TEST(ComputeMassFractions, MolarMassTimesMolarFractionScaledToOneHundred) {
    std::vector<ComponentResult> table = {Row(u"methane", 90.0), Row(u"ethane", 5.0), Row(u"nitrogen", 4.5),
                                          Row(u"? Пик 1", 0.5)};
    ComputeMassFractions(table);
    // Molar masses of ISO 6976:2016 Table 1, kg/kmol.
    const double m[] = {16.04246 * 90.0, 30.06904 * 5.0, 28.0134 * 4.5, 0.0};
    const double sum = m[0] + m[1] + m[2];
    for (size_t i = 0; i < table.size(); ++i) {
        EXPECT_NEAR(table[i].massFraction, m[i] * 100.0 / sum, 1e-12) << "row " << i;
    }
    std::vector<ComponentResult> unknown = {Row(u"? Пик 1", 100.0)};
    ComputeMassFractions(unknown);
    EXPECT_EQ(unknown[0].massFraction, 0.0);
}

} // namespace
