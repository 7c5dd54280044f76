#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "CompositionTestSupport.h"
#include "calc/composition/ComponentOrder.h"
#include "calc/composition/Repeatability.h"
#include "calc/composition/SumCheck.h"

namespace {

using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;

ComponentResult Row(std::u16string_view id, double difference, double rawUncertainty) {
    ComponentResult row;
    row.id = id;
    row.molarFraction = 1.0;
    row.rawFraction = 1.0;
    row.difference = difference;
    row.rawUncertainty = rawUncertainty;
    return row;
}

TEST(CheckRepeatability, DifferenceMustStayStrictlyBelowTheLimit) {
    CalcContext context;
    const double limit = 1.4 * 0.05;
    std::vector<ComponentResult> table = {Row(u"ethane", limit, 0.05), Row(u"propane", 0.0699, 0.05),
                                          Row(u"nitrogen", 0.2, 0.1)};
    EXPECT_FALSE(CheckRepeatability(context, table));
    EXPECT_FALSE(table[0].accepted);
    EXPECT_TRUE(table[1].accepted);
    EXPECT_FALSE(table[2].accepted);
    EXPECT_DOUBLE_EQ(table[0].acceptLimit, 0.07);
    EXPECT_DOUBLE_EQ(table[1].acceptLimit, 0.07);
    EXPECT_DOUBLE_EQ(table[2].acceptLimit, 0.14);
    ExpectJournal(context.journal,
                  {
                      {JournalCategory::Comp,
                       u"Для компонента \"Этан\" не пройдена проверка приемлемость полученных результатов по "
                       u"расхождения двух последовательных измерений [0.0700 > 0.0700]."},
                      Message(JournalCategory::Comp, StringId::RepeatabilityFailed,
                              {DisplayName(u"nitrogen"), 0.2, 1.4 * 0.1}),
                  });
}

TEST(CheckRepeatability, RowsThatAreNotJudged) {
    CalcContext context;
    context.settings.clcMethaneDiff = true;
    std::vector<ComponentResult> table = {Row(u"helium", 5.0, 0.0), Row(u"hydrogen", 5.0, 0.0),
                                          Row(u"methane", 5.0, 0.0)};
    table[0].fixed = true;
    table[1].molarFraction = 0.0005;
    table[1].lowerLimit = 0.001;
    EXPECT_TRUE(CheckRepeatability(context, table));
    for (const ComponentResult& row : table) {
        EXPECT_TRUE(row.accepted);
        EXPECT_EQ(row.acceptLimit, 0.0);
    }
    EXPECT_TRUE(context.journal.entries.empty());

    // Normalised, methane is judged like the others.
    context.settings.clcMethaneDiff = false;
    EXPECT_FALSE(CheckRepeatability(context, table));
    EXPECT_FALSE(table[2].accepted);
    EXPECT_EQ(context.journal.entries.size(), 1u);
}

TEST(CheckRepeatability, ProcessChromatographAcceptsEverything) {
    CalcContext context;
    context.settings.clcDeviceType = 1;
    std::vector<ComponentResult> table = {Row(u"ethane", 3.0, 0.05)};
    EXPECT_TRUE(CheckRepeatability(context, table));
    EXPECT_TRUE(table[0].accepted);
    EXPECT_TRUE(context.journal.entries.empty());
}

TEST(CheckRepeatability, NotANumberFailsTheCheck) {
    CalcContext context;
    const double notANumber = std::numeric_limits<double>::quiet_NaN();
    std::vector<ComponentResult> table = {Row(u"ethane", notANumber, 0.05),
                                          Row(u"propane", 0.01, notANumber)};
    EXPECT_FALSE(CheckRepeatability(context, table));
    EXPECT_FALSE(table[0].accepted);
    EXPECT_FALSE(table[1].accepted);
    EXPECT_EQ(context.journal.entries.size(), 2u);
}

TEST(SortByMolarMass, AscendingAndStableForEqualMasses) {
    std::vector<ComponentResult> table;
    for (const char16_t* id :
         {u"n_butane", u"ethane", u"methane", u"2_methylpropane", u"? Пик 1", u"nitrogen", u"n_pentane",
          u"2_methylbutane", u"c6", u"helium", u"2_2_dimethylpropane"}) {
        ComponentResult row;
        row.id = id;
        table.push_back(row);
    }
    SortByMolarMass(table);
    std::vector<std::u16string> ids;
    for (const ComponentResult& row : table) {
        ids.push_back(row.id);
    }
    const std::vector<std::u16string> expected = {
        u"? Пик 1",  u"helium",          u"methane",   u"nitrogen",       u"ethane",
        u"n_butane", u"2_methylpropane", u"n_pentane", u"2_methylbutane", u"2_2_dimethylpropane",
        u"c6"};
    EXPECT_EQ(ids, expected);
}

TEST(SortByMolarMass, StableBeyondThirtyTwoRows) {
    std::vector<ComponentResult> table;
    for (int i = 0; i < 40; ++i) {
        ComponentResult row;
        row.id = i % 2 == 0 ? u"n_butane" : u"2_methylpropane";
        row.time = i;
        table.push_back(row);
    }
    ComponentResult light;
    light.id = u"methane";
    table.push_back(light);
    SortByMolarMass(table);
    EXPECT_EQ(table[0].id, u"methane");
    for (size_t i = 2; i < table.size(); ++i) {
        EXPECT_LT(table[i - 1].time, table[i].time);
    }
}

TEST(CheckRawFractionSum, BoundsBelongToTheRange) {
    struct Case {
        double sum;
        bool passes;
    };
    const Case cases[] = {{97.999, false}, {98.0, true}, {100.0, true}, {102.0, true}, {102.001, false}};
    for (const Case& c : cases) {
        CalcContext context;
        ComponentResult methane;
        methane.rawFraction = c.sum - 2.0;
        methane.molarFraction = 50.0; // the raw fractions are summed
        ComponentResult ethane;
        ethane.rawFraction = 2.0;
        EXPECT_EQ(CheckRawFractionSum(context, {methane, ethane}), c.passes) << c.sum;
        if (c.passes) {
            EXPECT_TRUE(context.journal.entries.empty());
            continue;
        }
        ASSERT_EQ(context.journal.entries.size(), 1u);
        EXPECT_EQ(context.journal.entries[0].category, JournalCategory::Comp);
        EXPECT_EQ(context.journal.entries[0].text,
                  LoadMessageText(StringId::MolarFractionSumOutOfRange, {c.sum}));
    }
    CalcContext context;
    ComponentResult row;
    row.rawFraction = 97.999;
    EXPECT_FALSE(CheckRawFractionSum(context, {row}));
    EXPECT_EQ(context.journal.entries.at(0).text,
              u"Сумма значений молярной доли компонентов 97.999000 находится вне диапазона от 98% до 102%.");
}

TEST(CheckRawFractionSum, SumThatIsNotANumberFails) {
    CalcContext context;
    ComponentResult row;
    row.rawFraction = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(CheckRawFractionSum(context, {row}));
    EXPECT_EQ(context.journal.entries.size(), 1u);
    row.rawFraction = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(CheckRawFractionSum(context, {row}));
    EXPECT_EQ(context.journal.entries.size(), 2u);
}

} // namespace
