// The methane-number page: the fixed rows of the two methane numbers (GOST 34704-2020 gives them as
// whole numbers) and the intermediate tables each view setting adds.
#include <gtest/gtest.h>

#include "PageTestSupport.h"
#include "calc/CalcContext.h"
#include "support/ContextText.h"
#include "text/StringTable.h"
#include "ui/models/MethaneNumberPageModel.h"

namespace {

using testsupport::ApplyContextText;
using testsupport::ContextFromText;
using Row = std::vector<std::u16string>;

std::u16string T(uint32_t id) {
    return std::u16string(LoadText(id));
}

// The methane numbers of a run with the tables behind them, under the given view settings.
CalcContext MethaneContext(std::string_view settings = {}) {
    CalcContext context = ContextFromText(R"(
methaneNumber 82.456 81.5
simplifiedMixture normalised=95.38264 raw=94.06721
simplifiedMixture normalised=3.0027 raw=2.9613
simplifiedMixture normalised=0.8985 raw=0.8861
simplifiedMixture normalised=0.7162 raw=0.7064
motorFuelMixture share=99.4452 value=98.6209
motorFuelMixture share=0.5548 value=0.5502
motorFuelMixture share=0.0 value=1.0563
initialMethaneNumber methaneNumber=83.856 mixtureNumber=1
initialMethaneNumber methaneNumber=82.51394 mixtureNumber=2
initialMethaneNumber methaneNumber=79.2372 mixtureNumber=3
componentFraction component=methane volumeFraction=94.0672 molarFraction=94.0093
componentFraction component=hydrogen volumeFraction=0.0 molarFraction=0.0082
componentFraction component=c6 volumeFraction=-1.0 molarFraction=0.0
)");
    ApplyContextText(context, settings);
    return context;
}

TEST(MethaneNumberPage, ThreeColumnsWithTheirWidths) {
    const PageTable page = BuildMethaneNumberPage(MethaneContext());
    EXPECT_EQ(pagetest::HeaderIds(page), (std::vector<uint32_t>{222, 223, 224}));
    ASSERT_EQ(page.columns.size(), 3u);
    EXPECT_EQ(page.columns[0].widthPixels, 430);
    EXPECT_EQ(page.columns[1].widthPixels, 100);
    EXPECT_EQ(page.columns[2].widthPixels, 100);
    EXPECT_TRUE(page.rowMarks.empty());
}

TEST(MethaneNumberPage, DefaultRowsAreTheTitlesAndTheTwoNumbersInWholeUnits) {
    const PageTable page = BuildMethaneNumberPage(MethaneContext());
    const std::vector<Row> expected = {
        {T(222), T(223), T(224)},
        {T(168), u"82", u"1"},
        {T(169), u"82", u"1"}, // 81.5 rounds half away from zero
    };
    EXPECT_EQ(page.rows, expected);
}

TEST(MethaneNumberPage, WithoutGostTheScaleDecimals) {
    const PageTable page =
        BuildMethaneNumberPage(MethaneContext("settings viewMethaneGostMn=0 viewMethaneScaleMn=2"));
    EXPECT_EQ(page.rows[1][1], u"82.46");
    EXPECT_EQ(page.rows[2][1], u"81.50");
    EXPECT_EQ(page.rows[2][2], u"1");
}

// A run without methane numbers (the stage did not run or failed) shows the em dash, its stated
// uncertainty too; a computed methane number of zero is a number.
TEST(MethaneNumberPage, NoResultIsWrittenAsADashAZeroResultAsZero) {
    CalcContext context;
    PageTable page = BuildMethaneNumberPage(context);
    EXPECT_EQ(page.rows[1][1], u"\u2014");
    EXPECT_EQ(page.rows[1][2], u"\u2014");
    EXPECT_EQ(page.rows[2][1], u"\u2014");
    EXPECT_EQ(page.rows[2][2], u"\u2014");
    context.methaneNumber = {0.0, 0.0};
    page = BuildMethaneNumberPage(context);
    EXPECT_EQ(page.rows[1][1], u"0");
    EXPECT_EQ(page.rows[1][2], u"1");
}

TEST(MethaneNumberPage, SimplifiedAndMotorFuelMixtures) {
    const PageTable page =
        BuildMethaneNumberPage(MethaneContext("settings viewMethaneShowArr=1 viewMethaneScaleArr=3"));
    const std::vector<Row> expected = {
        {T(222), T(223), T(224)},     {T(168), u"82", u"1"},          {T(169), u"82", u"1"},
        {T(208), T(165), T(166)},     {T(209), u"94.067", u"95.383"}, {T(210), u"2.961", u"3.003"},
        {T(211), u"0.886", u"0.899"}, // 0.8985 rounds half away from zero
        {T(212), u"0.706", u"0.716"}, {T(214), T(165), T(166)},       {T(215), u"98.621", u"99.445"},
        {T(216), u"0.550", u"0.555"}, {T(217), u"1.056", u"0.000"},
    };
    EXPECT_EQ(page.rows, expected);
}

TEST(MethaneNumberPage, InitialMethaneNumbersAreNumberedFromOne) {
    const PageTable page =
        BuildMethaneNumberPage(MethaneContext("settings viewMethaneShowMnb=1 viewMethaneScaleMnb=1"));
    ASSERT_EQ(page.rows.size(), 7u);
    EXPECT_EQ(page.rows[3], (Row{T(226), T(223), u""}));
    EXPECT_EQ(page.rows[4], (Row{u"Mix2", u"83.9", u""}));
    EXPECT_EQ(page.rows[5], (Row{u"Mix3", u"82.5", u""}));
    EXPECT_EQ(page.rows[6], (Row{u"Mix4", u"79.2", u""}));
}

// A fraction at or below zero stays blank.
TEST(MethaneNumberPage, ComponentsWithTheirPositiveFractions) {
    const PageTable page =
        BuildMethaneNumberPage(MethaneContext("settings viewMethaneShowComp=1 viewMethaneScaleComp=2"));
    ASSERT_EQ(page.rows.size(), 7u);
    EXPECT_EQ(page.rows[3], (Row{T(219), T(220), T(221)}));
    EXPECT_EQ(page.rows[4], (Row{u"Метан", u"94.01", u"94.07"}));
    EXPECT_EQ(page.rows[5], (Row{u"Водород", u"0.01", u""}));
    EXPECT_EQ(page.rows[6], (Row{u"С6", u"", u""}));
}

TEST(MethaneNumberPage, AllTablesInTheirOrder) {
    const PageTable page = BuildMethaneNumberPage(
        MethaneContext("settings viewMethaneShowArr=1 viewMethaneShowMnb=1 viewMethaneShowComp=1"));
    ASSERT_EQ(page.rows.size(), 3u + 9u + 4u + 4u);
    EXPECT_EQ(page.rows[3][0], T(208));
    EXPECT_EQ(page.rows[12][0], T(226));
    EXPECT_EQ(page.rows[16][0], T(219));
}

// Without a calculated methane number the tables have their headings only.
TEST(MethaneNumberPage, EmptyListsGiveHeadingsOnly) {
    const CalcContext context =
        ContextFromText("settings viewMethaneShowArr=1 viewMethaneShowMnb=1 viewMethaneShowComp=1");
    EXPECT_EQ(pagetest::FirstCells(BuildMethaneNumberPage(context)),
              (std::vector<std::u16string>{T(222), T(168), T(169), T(208), T(214), T(226), T(219)}));
}

} // namespace
