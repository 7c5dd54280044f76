// The requirements tables of the reference materials (СО-ИПГ, СО-ПГМ) and the table of ranges of the
// calibration mixtures of methods В1 and В2, spot rows against the printed tables of GOST 31371.7-2020.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "calc/ComponentMixtures.h"
#include "calc/checks/CalibrationRangeTable.h"
#include "calc/checks/ReferenceMaterialTables.h"
#include "text/Utf.h"

namespace {

struct MaterialCase {
    int32_t type;
    std::u16string component;
    double lower, upper, a, b;
    int32_t lowerDigits, upperDigits;
};

TEST(ReferenceMaterialTables, SpotRowsOfBothTypes) {
    const MaterialCase cases[] = {
        {0, u"methane", 40, 99.97, -0.0012, 0.15, 0, 2},
        {0, u"ethane", 0.001, 15, 0.02, 8e-05, 4, 0},
        {0, u"propane", 0.001, 6, 0.03, 8e-05, 4, 1},
        {0, u"c6plus", 0.001, 1.5, 0.03, 8e-05, 4, 1},
        {0, u"n_octane", 0.001, 0.05, 0.04, 8e-05, 4, 2},
        {0, u"carbon_dioxide", 0.005, 10, 0.03, 0.0004, 3, 0},
        {0, u"oxygen", 0.005, 2, 0.03, 0.0004, 3, 1},
        {0, u"methanol", 0.001, 0.05, 0.04, 8e-05, 4, 2},
        {1, u"methane", 40, 99.97, -0.0093, 0.939, 0, 2},
        {1, u"propane", 0.001, 6, 0.03, 8e-05, 4, 0},
        {1, u"2_2_dimethylpropane", 0.0005, 0.05, 0.03, 8e-05, 4, 2},
        {1, u"c6plus", 0.005, 1.5, 0.05, 0.0005, 3, 1},
        {1, u"c6plusstar", 0.005, 1.5, 0.05, 0.0005, 3, 1},
        {1, u"nitrogen", 0.005, 15, 0.02, 0.0004, 3, 0},
        {1, u"methanol", 0.001, 0.05, 0.04, 8e-05, 4, 2},
    };
    for (const MaterialCase& c : cases) {
        const ReferenceMaterialRow* row = FindReferenceMaterialRow(c.type, c.component);
        ASSERT_NE(row, nullptr) << Utf16ToUtf8(c.component) << " of type " << c.type;
        EXPECT_EQ(row->certified.lowerMolPct, c.lower) << Utf16ToUtf8(c.component);
        EXPECT_EQ(row->certified.upperMolPct, c.upper) << Utf16ToUtf8(c.component);
        EXPECT_EQ(row->a, c.a) << Utf16ToUtf8(c.component);
        EXPECT_EQ(row->b, c.b) << Utf16ToUtf8(c.component);
        EXPECT_EQ(row->certified.lowerDigits, c.lowerDigits) << Utf16ToUtf8(c.component);
        EXPECT_EQ(row->certified.upperDigits, c.upperDigits) << Utf16ToUtf8(c.component);
    }
}

TEST(ReferenceMaterialTables, RowCountsAndTheComponentsOnlyOneTypeCertifies) {
    EXPECT_EQ(ReferenceMaterialTable(static_cast<int32_t>(MixtureType::Ipg)).size(), 23u);
    EXPECT_EQ(ReferenceMaterialTable(static_cast<int32_t>(MixtureType::Pgm)).size(), 24u);
    EXPECT_EQ(FindReferenceMaterialRow(0, u"c6plusstar"), nullptr);
    EXPECT_NE(FindReferenceMaterialRow(1, u"c6plusstar"), nullptr);
    EXPECT_EQ(FindReferenceMaterialRow(0, u"argon"), nullptr);
    EXPECT_EQ(FindReferenceMaterialRow(0, u"Ethane"), nullptr); // identifiers compare exactly
}

TEST(ReferenceMaterialTables, OtherTypesHaveNoRequirements) {
    // 2 is "СО Метана в Гелии/Азоте"; any other stored value is kept and has no table either.
    for (const int32_t type : {2, 3, -1, 100}) {
        EXPECT_TRUE(ReferenceMaterialTable(type).empty()) << type;
        EXPECT_EQ(FindReferenceMaterialRow(type, u"methane"), nullptr) << type;
    }
}

TEST(ReferenceMaterialTables, PermittedUncertaintyIsRoundedToOneOrTwoSignificantDigits) {
    const ReferenceMaterialRow& ethane = *FindReferenceMaterialRow(0, u"ethane");
    EXPECT_EQ(PermittedUncertainty(ethane, 4.0), 0.08);    // 0.08008: leading digits 80, one digit
    EXPECT_EQ(PermittedUncertainty(ethane, 1.0), 0.020);   // 0.02008: leading digits 20, two digits
    EXPECT_EQ(PermittedUncertainty(ethane, 0.0), 0.00008); // b alone
    const ReferenceMaterialRow& c6plus = *FindReferenceMaterialRow(1, u"c6plus");
    EXPECT_EQ(PermittedUncertainty(c6plus, 1.2), 0.06); // 0.0605
    const ReferenceMaterialRow& methane = *FindReferenceMaterialRow(1, u"methane");
    EXPECT_EQ(PermittedUncertainty(methane, 90.0), 0.1); // 0.939 - 0.837 = 0.102
    // Beyond 0.939 / 0.0093 the expression is negative; the signed value is rounded, always to two digits.
    EXPECT_EQ(PermittedUncertainty(methane, 110.0), -0.084); // 0.939 - 1.023
    // СО-ИПГ methane: -0.0012·125 + 0.15 is zero but for the rounding of binary arithmetic.
    const ReferenceMaterialRow& ipgMethane = *FindReferenceMaterialRow(0, u"methane");
    EXPECT_EQ(PermittedUncertainty(ipgMethane, 125.0), 0.0);
    EXPECT_EQ(PermittedUncertainty(ipgMethane, 130.0), -0.006); // -0.0060
}

struct RangeCase {
    std::u16string component;
    double gas;
    double gasLower, gasUpper, firstLower, firstUpper, secondLower, secondUpper;
    int32_t digits[6];
};

TEST(CalibrationRangeTable, SpotRowsWithAllTheirDigits) {
    const RangeCase cases[] = {
        {u"ethane", 5, 0.005, 15, 6, 8, 12, 15, {3, 0, 0, 0, 0, 0}},
        {u"propane", 1, 0.005, 6, 2.5, 3.5, 5, 6, {3, 1, 1, 1, 0, 0}},
        {u"2_methylpropane", 1, 0.005, 4, 2, 2.5, 3.5, 4, {3, 1, 0, 1, 1, 0}},
        {u"2_2_dimethylpropane", 0.01, 0.005, 0.05, 0.015, 0.02, 0.04, 0.05, {3, 2, 3, 3, 2, 2}},
        {u"c6plus", 0.3, 0.005, 1.5, 0.5, 0.6, 0.8, 1.5, {3, 1, 1, 1, 1, 1}},
        {u"c7", 0.1, 0.005, 0.25, 0.05, 0.1, 0.2, 0.25, {3, 2, 2, 2, 2, 2}},
        {u"carbon_dioxide", 0.02, 0.005, 0.025, 0.005, 0.007, 0.02, 0.025, {3, 3, 3, 3, 3, 3}},
        {u"carbon_dioxide", 0.03, 0.025, 10, 6, 7, 9, 10, {3, 0, 0, 0, 0, 0}},
        {u"helium", 0.1, 0.005, 0.5, 0.1, 0.2, 0.4, 0.5, {3, 1, 1, 2, 1, 1}},
        {u"oxygen", 0.5, 0.025, 2, 0.8, 1, 1.5, 2, {3, 1, 1, 1, 1, 1}},
        {u"nitrogen", 1, 0.025, 15, 6, 8, 12, 15, {3, 0, 0, 0, 0, 0}},
        {u"methanol", 0.01, 0.005, 0.05, 0.01, 0.015, 0.04, 0.05, {3, 2, 3, 3, 2, 2}},
        {u"methane", 90, 40, 99.97, 45, 50, 95, 99, {0, 2, 0, 0, 0, 0}},
    };
    for (const RangeCase& c : cases) {
        const CalibrationRangeRow* row = FindCalibrationRangeRow(c.component, c.gas);
        ASSERT_NE(row, nullptr) << Utf16ToUtf8(c.component) << " at " << c.gas;
        const DigitRange ranges[] = {row->gas, row->firstMixture, row->secondMixture};
        const double bounds[] = {c.gasLower,   c.gasUpper,    c.firstLower,
                                 c.firstUpper, c.secondLower, c.secondUpper};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(ranges[i].lowerMolPct, bounds[2 * i]) << Utf16ToUtf8(c.component) << " range " << i;
            EXPECT_EQ(ranges[i].upperMolPct, bounds[2 * i + 1]) << Utf16ToUtf8(c.component) << " range " << i;
            EXPECT_EQ(ranges[i].lowerDigits, c.digits[2 * i]) << Utf16ToUtf8(c.component) << " range " << i;
            EXPECT_EQ(ranges[i].upperDigits, c.digits[2 * i + 1])
                << Utf16ToUtf8(c.component) << " range " << i;
        }
    }
    EXPECT_EQ(CalibrationRangeTable().size(), 26u);
}

TEST(CalibrationRangeTable, TheGasRangeChoosesTheRowOfComponentsWithTwo) {
    // The two rows share the bound 0.025, compared at three decimals: up to 0.0254999 the gas is in the
    // low range, from 0.0255 in the upper one.
    for (const std::u16string component : {u"carbon_dioxide", u"oxygen", u"nitrogen"}) {
        const CalibrationRangeRow* low = FindCalibrationRangeRow(component, 0.02);
        const CalibrationRangeRow* atBound = FindCalibrationRangeRow(component, 0.025);
        const CalibrationRangeRow* justBelow = FindCalibrationRangeRow(component, 0.0254999);
        const CalibrationRangeRow* high = FindCalibrationRangeRow(component, 0.0255);
        ASSERT_TRUE(low && atBound && justBelow && high) << Utf16ToUtf8(component);
        EXPECT_EQ(low->gas.upperMolPct, 0.025);
        EXPECT_EQ(atBound, low);
        EXPECT_EQ(justBelow, low);
        EXPECT_EQ(high->gas.lowerMolPct, 0.025);
        EXPECT_NE(high, low);
    }
}

TEST(CalibrationRangeTable, FractionsOutsideEveryGasRangeHaveNoRow) {
    EXPECT_EQ(FindCalibrationRangeRow(u"ethane", 20.0), nullptr);
    EXPECT_EQ(FindCalibrationRangeRow(u"ethane", 15.5), nullptr); // rounds to 16 at no decimals
    EXPECT_NE(FindCalibrationRangeRow(u"ethane", 15.4), nullptr);
    EXPECT_EQ(FindCalibrationRangeRow(u"ethane", 0.0044), nullptr);
    EXPECT_NE(FindCalibrationRangeRow(u"ethane", 0.0045), nullptr);
    EXPECT_EQ(FindCalibrationRangeRow(u"methane", 39.49), nullptr);
    EXPECT_EQ(FindCalibrationRangeRow(u"argon", 1.0), nullptr); // not in the table
    EXPECT_EQ(FindCalibrationRangeRow(u"2_methylpentane", 0.1), nullptr);
    EXPECT_EQ(FindCalibrationRangeRow(u"ethane", std::numeric_limits<double>::quiet_NaN()), nullptr);
}

} // namespace
