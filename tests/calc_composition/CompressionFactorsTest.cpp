#include <gtest/gtest.h>

#include <array>
#include <string_view>

#include "calc/composition/CompressionFactors.h"

namespace {

struct ZCase {
    std::u16string_view id;
    std::array<double, 4> z; // 0 °C, 15 °C, 15.55 °C, 20 °C
};

// Rows of the laboratories' table, the odd ones among them.
constexpr ZCase kListedRows[] = {
    {u"methane", {0.99762, 0.99802, 0.99804, 0.99814}},
    {u"2_methylpropane", {0.96428, 0.9703, 0.97049, 0.97199}},
    {u"n_tetradecane", {0.02718, 0.20076, 0.2079, 0.26229}},
    {u"n_pentadecane", {0.24903, 0.02997, 0.03882, 0.10527}},
    {u"hydrogen", {1.00061, 1.0006, 1.0006, 1.00059}},
    {u"water", {0.93, 0.945, 0.0, 0.952}},
    {u"air", {0.0, 0.0, 0.0, 0.0}},
    {u"sulphur_dioxide", {0.97509, 0.98024, 0.9804, 0.98161}},
    {u"c6plusstar", {0.88984, 0.90994, 0.9106, 0.91549}},
    {u"c9plus", {0.68449, 0.74699, 0.749, 0.76419}},
};

TEST(CompressionFactors, ListedValuesAtEachMeteringTemperature) {
    for (const ZCase& row : kListedRows) {
        for (int32_t column = 0; column < 4; ++column) {
            EXPECT_EQ(CompressionFactorOf(row.id, column), row.z[static_cast<size_t>(column)])
                << std::string(row.id.begin(), row.id.end()) << " column " << column;
        }
    }
}

TEST(CompressionFactors, PentadecaneAtZeroIsAboveItsWarmerValues) {
    const double atZero = CompressionFactorOf(u"n_pentadecane", 0);
    for (int32_t column = 1; column < 4; ++column) {
        EXPECT_GT(atZero, CompressionFactorOf(u"n_pentadecane", column));
    }
}

// Independent check of rows derived from ISO 6976:2016 Table 2: Z = 1 - s² with its summation factors s;
// n_pentadecane at 0 °C is the magnitude of that (negative) value.
TEST(CompressionFactors, AgreeWithTheSummationFactorsOfIso6976) {
    struct SCase {
        std::u16string_view id;
        std::array<double, 4> s;
        double tolerance;
    };
    const SCase cases[] = {
        {u"methane", {0.04886, 0.04452, 0.04437, 0.04317}, 1.5e-5},
        {u"n_pentane", {0.2586, 0.2361, 0.2354, 0.2295}, 1e-5},
        {u"n_hexane", {0.3319, 0.3001, 0.299, 0.2907}, 1e-5},
        {u"benzene", {0.2752, 0.2527, 0.252, 0.246}, 1e-5},
        {u"nitrogen", {0.0214, 0.017, 0.0169, 0.0156}, 1e-5},
        {u"carbon_dioxide", {0.0821, 0.0752, 0.0749, 0.073}, 1.5e-5},
        {u"n_pentadecane", {1.1176, 0.9849, 0.9804, 0.9459}, 1e-5},
    };
    for (const SCase& c : cases) {
        for (int32_t column = 0; column < 4; ++column) {
            const double s = c.s[static_cast<size_t>(column)];
            EXPECT_NEAR(CompressionFactorOf(c.id, column), std::abs(1.0 - s * s), c.tolerance)
                << std::string(c.id.begin(), c.id.end()) << " column " << column;
        }
    }
}

TEST(CompressionFactors, GroupsTakeTheRowOfTheirNormalAlkane) {
    for (int32_t column = 0; column < 4; ++column) {
        EXPECT_EQ(CompressionFactorOf(u"c6", column), CompressionFactorOf(u"n_hexane", column));
        EXPECT_EQ(CompressionFactorOf(u"c6plus", column), CompressionFactorOf(u"n_hexane", column));
        EXPECT_EQ(CompressionFactorOf(u"c7", column), CompressionFactorOf(u"n_heptane", column));
        EXPECT_EQ(CompressionFactorOf(u"c8", column), CompressionFactorOf(u"n_octane", column));
        EXPECT_EQ(CompressionFactorOf(u"c9plus", column), CompressionFactorOf(u"nonane", column));
    }
}

TEST(CompressionFactors, UnknownComponentOrColumnGivesZero) {
    EXPECT_EQ(CompressionFactorOf(u"? Пик 1", 1), 0.0);
    EXPECT_EQ(CompressionFactorOf(u"Methane", 1), 0.0); // identifiers compare exactly
    EXPECT_EQ(CompressionFactorOf(u"ethanethiol", 1), 0.0);
    EXPECT_EQ(CompressionFactorOf(u"methane", 4), 0.0);
    EXPECT_EQ(CompressionFactorOf(u"methane", -1), 0.0);
}

} // namespace
