#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "CompositionTestSupport.h"
#include "calc/composition/ComponentUncertainty.h"

namespace {

using comptest::RangeInTable;
using comptest::TableRange;
using comptest::TableRuleUncertainty;
using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;

// a·x + b of the component's row with the greatest lower bound above zero.
double UppermostRowUncertainty(int32_t method, std::u16string_view id, double x) {
    int32_t count = 0;
    const MetrologyRow* rows = MetrologyTableForMethod(method, &count);
    const MetrologyRow* uppermost = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        if (comptest::RowIs(rows[i], id) && rows[i].lower > 0.0 &&
            (uppermost == nullptr || rows[i].lower > uppermost->lower)) {
            uppermost = &rows[i];
        }
    }
    return uppermost != nullptr ? uppermost->a * x + uppermost->b : 0.0;
}

ComponentResult Row(std::u16string_view id, double raw, double molar) {
    ComponentResult row;
    row.id = id;
    row.rawFraction = raw;
    row.molarFraction = molar;
    return row;
}

class Uncertainty : public ::testing::Test {
protected:
    void SetUp() override { comptest::RequireLibrary(); }
    CalcContext context_;
};

TEST_F(Uncertainty, ByTheRowOfTheMethodsTableThatHoldsTheFraction) {
    struct Case {
        int32_t method;
        std::u16string_view id;
        double x;
    };
    const Case cases[] = {{0, u"ethane", 3.0},   {0, u"ethane", 0.1},    {0, u"propane", 0.853},
                          {1, u"c6plus", 0.05},  {2, u"nitrogen", 0.02}, {3, u"carbon_dioxide", 2.5},
                          {0, u"methane", 94.0}, {2, u"helium", 0.0163}};
    for (const Case& c : cases) {
        context_.settings.clbrCalcMethod = c.method;
        const double expected = TableRuleUncertainty(c.method, c.id, c.x);
        ASSERT_GT(expected, 0.0);
        EXPECT_DOUBLE_EQ(UncertaintyByMethod(context_, std::u16string(c.id), c.x), expected)
            << comptest::Narrow(c.id) << " at " << c.x << " by method " << c.method;
    }
    EXPECT_TRUE(context_.journal.entries.empty());
}

TEST_F(Uncertainty, ExtendedRangeOfMethodBFallsBackToMethodA) {
    context_.settings.clbrCalcMethod = 1;
    context_.settings.clcExtRange = true;
    ASSERT_EQ(TableRuleUncertainty(1, u"ethane", 0.003), 0.0);
    ASSERT_GT(TableRuleUncertainty(0, u"ethane", 0.003), 0.0);
    EXPECT_DOUBLE_EQ(UncertaintyByMethod(context_, u"ethane", 0.003),
                     TableRuleUncertainty(0, u"ethane", 0.003));
    EXPECT_DOUBLE_EQ(UncertaintyByMethod(context_, u"ethane", 0.001),
                     TableRuleUncertainty(0, u"ethane", 0.001));
    // Method Б answers at 0.005 itself.
    EXPECT_DOUBLE_EQ(UncertaintyByMethod(context_, u"ethane", 0.005),
                     TableRuleUncertainty(1, u"ethane", 0.005));
    EXPECT_TRUE(context_.journal.entries.empty());

    // Below 0.001 mol % no table answers; below the range there is no message.
    EXPECT_EQ(UncertaintyByMethod(context_, u"ethane", 0.0009), 0.0);
    context_.settings.clcExtRange = false;
    EXPECT_EQ(UncertaintyByMethod(context_, u"ethane", 0.003), 0.0);
    EXPECT_TRUE(context_.journal.entries.empty());
}

TEST_F(Uncertainty, WithoutRangeControlTheUppermostRowAnswersEverywhere) {
    context_.settings.clcCtlRange = false;
    for (const double x : {0.005, 3.0, 20.0}) {
        EXPECT_DOUBLE_EQ(UncertaintyByMethod(context_, u"ethane", x),
                         UppermostRowUncertainty(0, u"ethane", x));
    }
    EXPECT_NE(UppermostRowUncertainty(0, u"ethane", 3.0), TableRuleUncertainty(0, u"ethane", 3.0));
    EXPECT_TRUE(context_.journal.entries.empty()); // 20 mol % has an uncertainty now
    // A component without rows still has none.
    EXPECT_EQ(UncertaintyByMethod(context_, u"? Пик 1", 1.0), 0.0);
    ASSERT_EQ(context_.journal.entries.size(), 1u);
    EXPECT_EQ(context_.journal.entries[0].text, u"Компонент \"? Пик 1\" не найден в таблице метрологических "
                                                u"характеристик методики измерений.");
}

TEST_F(Uncertainty, AboveTheRangeOrOutsideTheTableIsReported) {
    const TableRange range = RangeInTable(0, u"ethane");
    ASSERT_TRUE(range.found);
    EXPECT_EQ(UncertaintyByMethod(context_, u"ethane", 20.0), 0.0);
    EXPECT_GT(UncertaintyByMethod(context_, u"ethane", range.upper), 0.0); // the bound belongs to the range
    ASSERT_FALSE(RangeInTable(0, u"n_hexane").found);                      // method А has С6 instead
    EXPECT_EQ(UncertaintyByMethod(context_, u"n_hexane", 0.03), 0.0);
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(UncertaintyByMethod(context_, u"ethane", notANumber), 0.0);

    const std::vector<testsupport::Entry> expected = {
        {JournalCategory::Comp,
         u"Компонент \"Этан\" [20.000000] вне диапазона [0.0010-15.0000] допустимых концентраций."},
        {JournalCategory::Comp,
         u"Компонент \"н-Гексан\" не найден в таблице метрологических характеристик методики измерений."},
        Message(JournalCategory::Comp, StringId::ComponentOutOfMethodRange,
                {DisplayName(u"ethane"), notANumber, range.lower, range.upper}),
    };
    ExpectJournal(context_.journal, expected);
    EXPECT_EQ(expected[0].text, LoadMessageText(StringId::ComponentOutOfMethodRange,
                                                {DisplayName(u"ethane"), 20.0, range.lower, range.upper}));
}

TEST_F(Uncertainty, RawUncertaintyOfMeasuredRowsAndOfMethaneByDifference) {
    context_.settings.clcMethaneDiff = true;
    std::vector<ComponentResult> table = {Row(u"ethane", 3.0, 3.0), Row(u"nitrogen", 1.0, 1.0),
                                          Row(u"helium", 0.02, 0.02), Row(u"methane", 95.98, 95.98)};
    table[2].fixed = true;
    table[2].rawUncertainty = 0.003;
    ComputeRawUncertainty(context_, table);
    const double ethane = TableRuleUncertainty(0, u"ethane", 3.0);
    const double nitrogen = TableRuleUncertainty(0, u"nitrogen", 1.0);
    EXPECT_DOUBLE_EQ(table[0].rawUncertainty, ethane);
    EXPECT_DOUBLE_EQ(table[1].rawUncertainty, nitrogen);
    EXPECT_EQ(table[2].rawUncertainty, 0.003);
    // Uncorrelated components: the square root of the sum of squares, the fixed row included.
    EXPECT_DOUBLE_EQ(table[3].rawUncertainty,
                     std::sqrt(ethane * ethane + nitrogen * nitrogen + 0.003 * 0.003));
    for (const ComponentResult& row : table) {
        EXPECT_EQ(row.uncertainty, 0.0);
    }
}

TEST_F(Uncertainty, RawUncertaintyOfMethaneMeasuredWhenNormalised) {
    context_.settings.clcMethaneDiff = false;
    std::vector<ComponentResult> table = {Row(u"methane", 94.0, 94.5), Row(u"ethane", 3.0, 3.02)};
    ComputeRawUncertainty(context_, table);
    EXPECT_DOUBLE_EQ(table[0].rawUncertainty, TableRuleUncertainty(0, u"methane", 94.0));
    EXPECT_DOUBLE_EQ(table[1].rawUncertainty, TableRuleUncertainty(0, u"ethane", 3.0));
}

TEST_F(Uncertainty, FinalUncertaintyWithMethaneByDifference) {
    context_.settings.clcMethaneDiff = true;
    std::vector<ComponentResult> table = {Row(u"ethane", 3.0, 3.0), Row(u"propane", 1.0, 1.0),
                                          Row(u"helium", 0.02, 0.02), Row(u"methane", 95.98, 95.98)};
    table[0].accepted = true;
    table[1].accepted = false;
    table[2].fixed = true;
    table[2].accepted = true;
    table[2].uncertainty = 0.003;
    table[3].accepted = true;

    std::vector<ComponentResult> failed = table;
    ComputeUncertainty(context_, failed, false);
    const double ethane = TableRuleUncertainty(0, u"ethane", 3.0);
    EXPECT_DOUBLE_EQ(failed[0].uncertainty, ethane);
    EXPECT_EQ(failed[1].uncertainty, 0.0); // not accepted
    EXPECT_EQ(failed[2].uncertainty, 0.003);
    EXPECT_EQ(failed[3].uncertainty, 0.0); // the check failed: methane has none

    ComputeUncertainty(context_, table, true);
    EXPECT_DOUBLE_EQ(table[0].uncertainty, ethane);
    EXPECT_EQ(table[1].uncertainty, 0.0);
    EXPECT_DOUBLE_EQ(table[3].uncertainty, std::sqrt(ethane * ethane + 0.003 * 0.003));
}

TEST_F(Uncertainty, FinalUncertaintyWhenNormalisedNeedsThePassedCheck) {
    context_.settings.clcMethaneDiff = false;
    std::vector<ComponentResult> table = {Row(u"methane", 94.0, 94.5), Row(u"ethane", 3.0, 3.02),
                                          Row(u"helium", 0.02, 0.02)};
    table[2].fixed = true;
    table[2].uncertainty = 0.003;
    std::vector<ComponentResult> failed = table;
    ComputeUncertainty(context_, failed, false);
    for (const ComponentResult& row : failed) {
        EXPECT_EQ(row.uncertainty, row.fixed ? 0.003 : 0.0);
    }
    ComputeUncertainty(context_, table, true);
    // From the normalised fraction, and also for a row that is not accepted.
    EXPECT_DOUBLE_EQ(table[0].uncertainty, TableRuleUncertainty(0, u"methane", 94.5));
    EXPECT_DOUBLE_EQ(table[1].uncertainty, TableRuleUncertainty(0, u"ethane", 3.02));
    EXPECT_EQ(table[2].uncertainty, 0.003);
}

} // namespace
