#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "CompositionTestSupport.h"
#include "calc/composition/FractionEntries.h"
#include "calc/composition/LowerLimits.h"
#include "calc/composition/MethaneBalance.h"

namespace {

using comptest::RangeInTable;
using comptest::RowOf;

ComponentResult Row(std::u16string_view id, double fraction, double lowerLimit = 0.0, bool fixed = false) {
    ComponentResult row;
    row.id = id;
    row.molarFraction = fraction;
    row.rawFraction = fraction;
    row.lowerLimit = lowerLimit;
    row.fixed = fixed;
    return row;
}

class LowerLimitsAndBalance : public ::testing::Test {
protected:
    void SetUp() override { comptest::RequireLibrary(); }
    CalcSettings settings_;
};

TEST_F(LowerLimitsAndBalance, LowerLimitIsTheSmallestLowerBoundOfTheMethodsTable) {
    settings_.clbrCalcMethod = 0;
    settings_.clcMethaneDiff = true;
    std::vector<ComponentResult> table = {Row(u"methane", 94.0), Row(u"ethane", 3.0), Row(u"? Пик 1", 0.0),
                                          Row(u"helium", 0.02, 0.0, true)};
    table[0].lowerLimit = 7.0; // methane by difference: not touched
    table[3].lowerLimit = 5.0; // fixed: not touched
    AssignLowerLimits(settings_, table);
    EXPECT_EQ(table[0].lowerLimit, 7.0);
    ASSERT_TRUE(RangeInTable(0, u"ethane").found);
    EXPECT_EQ(table[1].lowerLimit, RangeInTable(0, u"ethane").lower);
    EXPECT_EQ(table[2].lowerLimit, 0.0);
    EXPECT_EQ(table[3].lowerLimit, 5.0);

    settings_.clcMethaneDiff = false;
    AssignLowerLimits(settings_, table);
    EXPECT_EQ(table[0].lowerLimit, RangeInTable(0, u"methane").lower);
}

TEST_F(LowerLimitsAndBalance, ExtendedRangeOfMethodBTakesMethodAsLowerBound) {
    settings_.clbrCalcMethod = 1;
    const double lowerB = RangeInTable(1, u"ethane").lower;
    const double lowerA = RangeInTable(0, u"ethane").lower;
    ASSERT_LT(lowerA, lowerB); // the premise of the extended range
    ASSERT_FALSE(RangeInTable(0, u"c6plus").found);

    std::vector<ComponentResult> table = {Row(u"ethane", 3.0), Row(u"c6plus", 0.05)};
    AssignLowerLimits(settings_, table);
    EXPECT_EQ(table[0].lowerLimit, lowerB);

    settings_.clcExtRange = true;
    AssignLowerLimits(settings_, table);
    EXPECT_EQ(table[0].lowerLimit, lowerA);
    EXPECT_EQ(table[1].lowerLimit, RangeInTable(1, u"c6plus").lower); // method А has no С6+

    settings_.clbrCalcMethod = 2; // the extended range belongs to method Б only
    AssignLowerLimits(settings_, table);
    EXPECT_EQ(table[0].lowerLimit, RangeInTable(2, u"ethane").lower);
}

TEST_F(LowerLimitsAndBalance, MethaneByDifferenceSumsRowsNotBelowTheirLimitFixedIncluded) {
    settings_.clcMethaneDiff = true;
    std::vector<ComponentResult> table = {Row(u"ethane", 3.0, 0.001),      Row(u"methane", 93.0),
                                          Row(u"hydrogen", 0.0005, 0.001), Row(u"nitrogen", 1.5, 0.005),
                                          Row(u"helium", 0.02, 0.0, true), Row(u"methane", 1.0)};
    BalanceMethane(settings_, table);
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(RowOf(table, u"ethane")->molarFraction, 3.0);
    const ComponentResult& methane = table.back();
    EXPECT_EQ(methane.id, u"methane");
    EXPECT_DOUBLE_EQ(methane.molarFraction, 100.0 - 3.0 - 1.5 - 0.02); // hydrogen is below its limit
    EXPECT_EQ(methane.rawFraction, methane.molarFraction);
    EXPECT_FALSE(methane.fixed);
    EXPECT_EQ(methane.x1, 0.0);
    EXPECT_EQ(methane.difference, 0.0);
    EXPECT_EQ(methane.lowerLimit, 0.0);
    EXPECT_EQ(methane.referenceDecimals, -1);
    // A fraction exactly at its limit is not below it.
    std::vector<ComponentResult> atLimit = {Row(u"ethane", 0.001, 0.001)};
    BalanceMethane(settings_, atLimit);
    EXPECT_DOUBLE_EQ(atLimit.back().molarFraction, 99.999);
}

TEST_F(LowerLimitsAndBalance, NormalisationScalesMeasuredRowsToWhatTheFixedLeave) {
    settings_.clcMethaneDiff = false;
    std::vector<ComponentResult> table = {Row(u"methane", 92.0, 40.0), Row(u"ethane", 3.5, 0.001),
                                          Row(u"hydrogen", 0.0005, 0.001), Row(u"helium", 0.02, 0.0, true),
                                          Row(u"nitrogen", 1.48, 0.005)};
    BalanceMethane(settings_, table);
    ASSERT_EQ(table.size(), 5u);
    const double measured = 92.0 + 3.5 + 1.48;
    const double scale = (100.0 - 0.02) / measured;
    EXPECT_DOUBLE_EQ(table[0].molarFraction, 92.0 * scale);
    EXPECT_DOUBLE_EQ(table[1].molarFraction, 3.5 * scale);
    EXPECT_EQ(table[2].molarFraction, 0.0005); // below its limit: unnormalised
    EXPECT_EQ(table[3].molarFraction, 0.02);
    EXPECT_DOUBLE_EQ(table[4].molarFraction, 1.48 * scale);
    EXPECT_NEAR(table[0].molarFraction + table[1].molarFraction + table[3].molarFraction +
                    table[4].molarFraction,
                100.0, 1e-12);
    // rawFraction is never changed.
    EXPECT_EQ(table[0].rawFraction, 92.0);
    EXPECT_EQ(table[1].rawFraction, 3.5);
}

TEST_F(LowerLimitsAndBalance, NormalisationGivesEachOfTwoSameNamedRowsItsOwnValue) {
    settings_.clcMethaneDiff = false;
    std::vector<ComponentResult> table = {Row(u"methane", 90.0), Row(u"ethane", 4.0), Row(u"ethane", 1.0)};
    BalanceMethane(settings_, table);
    EXPECT_DOUBLE_EQ(table[1].molarFraction, 4.0 * 100.0 / 95.0);
    EXPECT_DOUBLE_EQ(table[2].molarFraction, 1.0 * 100.0 / 95.0);
}

TEST(FractionEntries, IdentifierIsCutToSixtyThreeUnitsAndTerminated) {
    const std::u16string longId(70, u'x');
    const FractionEntry entry = MakeFractionEntry(longId, 1.25);
    EXPECT_EQ(std::u16string_view(entry.component), std::u16string(63, u'x'));
    EXPECT_EQ(entry.component[63], u'\0');
    EXPECT_EQ(entry.value, 1.25);

    const FractionEntry anonymous = MakeFractionEntry(std::u16string_view(), 2.0);
    for (const char16_t unit : anonymous.component) {
        EXPECT_EQ(unit, u'\0');
    }
    EXPECT_EQ(std::u16string_view(MakeFractionEntry(u"methane", 0.0).component), u"methane");
}

} // namespace
