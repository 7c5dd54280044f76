// The calculation page: which property rows each view setting and the ideal-gas switch give, in which
// order, and how values and uncertainties are written (GOST 31369-2021 rounding or fixed decimals; the
// kcal/m³ rows converted from MJ/m³).
#include <gtest/gtest.h>

#include <limits>

#include "PageTestSupport.h"
#include "calc/CalcContext.h"
#include "support/ContextText.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "ui/models/CalculationPageModel.h"

namespace {

using pagetest::kDash;
using testsupport::ContextFromText;
using P = PhysicalPropertyIndex;

std::vector<std::u16string> Labels(std::initializer_list<uint32_t> ids) {
    std::vector<std::u16string> labels;
    for (uint32_t id : ids) {
        labels.emplace_back(LoadText(id));
    }
    return labels;
}

void Set(CalcContext& context, P index, double value, double uncertainty) {
    context.properties.value[static_cast<int>(index)] = value;
    context.propertiesU.value[static_cast<int>(index)] = uncertainty;
}

// The row whose label is the text of id.
const std::vector<std::u16string>& RowOf(const PageTable& page, uint32_t id) {
    for (const auto& row : page.rows) {
        if (row[0] == LoadText(id)) {
            return row;
        }
    }
    static const std::vector<std::u16string> none(3);
    ADD_FAILURE() << "no row " << id;
    return none;
}

TEST(CalculationPage, ThreeColumnsAlwaysShown) {
    const PageTable page = BuildCalculationPage(CalcContext{});
    EXPECT_EQ(pagetest::HeaderIds(page), (std::vector<uint32_t>{130, 131, 132}));
    EXPECT_EQ(pagetest::VisibleColumns(page), (std::vector<int32_t>{0, 1, 2}));
    EXPECT_EQ(page.columns[2].header, u"Расширенная неопределенность");
    // The property names get the room the methane-number page gives its names.
    EXPECT_EQ(page.columns[0].widthPixels, 430);
    EXPECT_EQ(page.columns[1].widthPixels, 100);
    EXPECT_EQ(page.columns[2].widthPixels, 100);
}

TEST(CalculationPage, DefaultRowsIdealAndRealInMegajoules) {
    const PageTable page = BuildCalculationPage(CalcContext{});
    EXPECT_EQ(pagetest::FirstCells(page), Labels({141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152,
                                                  153, 154, 155, 156, 157, 158}));
}

TEST(CalculationPage, WithoutIdealGasOnlyTheRealGasRows) {
    const CalcContext context =
        ContextFromText("settings viewCalculationPerfectGas=0 viewCalculationShowHvolkcalm3=1 "
                        "viewCalculationShowWobbekcalm3=1");
    EXPECT_EQ(pagetest::FirstCells(BuildCalculationPage(context)),
              Labels({141, 142, 143, 144, 145, 146, 149, 150, 259, 260, 153, 154, 157, 158, 263, 264}));
}

TEST(CalculationPage, KilocalorieRowsFollowTheirMegajouleRows) {
    const CalcContext context =
        ContextFromText("settings viewCalculationShowHvolkcalm3=1 viewCalculationShowWobbekcalm3=1");
    EXPECT_EQ(pagetest::FirstCells(BuildCalculationPage(context)),
              Labels({141, 142, 143, 144, 145, 146, 147, 148, 257, 258, 149, 150, 259,
                      260, 151, 152, 153, 154, 155, 156, 261, 262, 157, 158, 263, 264}));
}

TEST(CalculationPage, EachShowSettingRemovesItsRows) {
    struct Case {
        bool CalcSettings::*show;
        std::vector<std::u16string> remaining;
    };
    const std::vector<Case> cases = {
        {&CalcSettings::viewCalculationShowMm,
         Labels({142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158})},
        {&CalcSettings::viewCalculationShowZ,
         Labels({141, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158})},
        {&CalcSettings::viewCalculationShowHmol,
         Labels({141, 142, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158})},
        {&CalcSettings::viewCalculationShowHmass,
         Labels({141, 142, 143, 144, 147, 148, 149, 150, 151, 152, 153, 154, 155, 156, 157, 158})},
        {&CalcSettings::viewCalculationShowHvol,
         Labels({141, 142, 143, 144, 145, 146, 151, 152, 153, 154, 155, 156, 157, 158})},
        {&CalcSettings::viewCalculationShowD,
         Labels({141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 155, 156, 157, 158})},
        {&CalcSettings::viewCalculationShowWobbe,
         Labels({141, 142, 143, 144, 145, 146, 147, 148, 149, 150, 151, 152, 153, 154})},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        CalcContext context;
        context.settings.*cases[i].show = false;
        EXPECT_EQ(pagetest::FirstCells(BuildCalculationPage(context)), cases[i].remaining) << i;
    }
}

// Each row shows its own property of the 18.
TEST(CalculationPage, EachRowShowsItsProperty) {
    // Property i is 10 + i: two significant digits under the rule without uncertainty.
    const CalcContext context =
        ContextFromText("properties 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 25 26 27");
    const std::vector<std::pair<uint32_t, int>> rows = {
        {141, 1}, {142, 0},  {143, 2},  {144, 3},  {145, 4},  {146, 5},  {147, 6},  {148, 7},  {149, 8},
        {150, 9}, {151, 10}, {152, 11}, {153, 12}, {154, 13}, {155, 14}, {156, 15}, {157, 16}, {158, 17},
    };
    const PageTable page = BuildCalculationPage(context);
    for (const auto& [label, index] : rows) {
        EXPECT_EQ(RowOf(page, label)[1], FormatText(u"%d", {10 + index})) << label;
        EXPECT_EQ(RowOf(page, label)[2], kDash) << label;
    }
}

// Value to the place of the second significant digit of its uncertainty, and the uncertainty to its
// own second significant digit.
TEST(CalculationPage, GostRoundingByTheUncertainty) {
    struct Case {
        double value;
        double uncertainty;
        const char16_t* valueText;
        const char16_t* uncertaintyText;
    };
    const Case cases[] = {
        {38.2306, 0.0641, u"38.231", u"0.064"},
        {917.68, 1.53, u"917.7", u"1.5"},
        {0.9978961, 0.0000871, u"0.997896", u"0.000087"},
        {38.2306, 0.1, u"38.231", u"0.100"}, // 0.1 has its second significant digit in the third place
        {1234.5, 350.0, u"1230", u"350"},
    };
    for (const Case& test : cases) {
        CalcContext context;
        Set(context, P::SuperiorVolumetricReal, test.value, test.uncertainty);
        const PageTable page = BuildCalculationPage(context);
        const auto& row = RowOf(page, 149);
        EXPECT_EQ(row[1], test.valueText) << test.value;
        EXPECT_EQ(row[2], test.uncertaintyText) << test.uncertainty;
    }
}

TEST(CalculationPage, FixedDecimalsOfTheScaleSetting) {
    CalcContext context = ContextFromText("settings viewCalculationGostZ=0 viewCalculationScaleZ=3");
    Set(context, P::CompressionFactor, 0.9978961, 0.0000871);
    const PageTable page = BuildCalculationPage(context);
    const auto& row = RowOf(page, 142);
    EXPECT_EQ(row[1], u"0.998");
    EXPECT_EQ(row[2], u"0.000");
}

// kcal/m³ = MJ/m³ / 0.0041868 (international table calorie), value and uncertainty alike.
TEST(CalculationPage, KilocaloriesConvertedFromMegajoules) {
    CalcContext context =
        ContextFromText("settings viewCalculationShowHvolkcalm3=1 viewCalculationShowWobbekcalm3=1");
    Set(context, P::SuperiorVolumetricIdeal, 4.1868, 0.0041868); // 1000 and 1 kcal/m³
    Set(context, P::InferiorWobbeReal, 37.0, 0.05);              // 8837.298... and 11.942... kcal/m³
    PageTable page = BuildCalculationPage(context);
    EXPECT_EQ(RowOf(page, 257)[1], u"1000.0");
    EXPECT_EQ(RowOf(page, 257)[2], u"1.0");
    EXPECT_EQ(RowOf(page, 147)[1], u"4.1868");
    EXPECT_EQ(RowOf(page, 264)[1], u"8837");
    EXPECT_EQ(RowOf(page, 264)[2], u"12");
    EXPECT_EQ(RowOf(page, 158)[1], u"37.000");
    EXPECT_EQ(RowOf(page, 158)[2], u"0.050");

    context.settings.viewCalculationGostWobbekcalm3 = false; // Scale 7 by default
    page = BuildCalculationPage(context);
    EXPECT_EQ(RowOf(page, 264)[1], u"8837.2981752");
    EXPECT_EQ(RowOf(page, 264)[2], u"11.9422948");
    EXPECT_EQ(RowOf(page, 158)[1], u"37.000"); // the MJ row keeps its own setting
}

TEST(CalculationPage, MissingValuesShowAnEmDash) {
    CalcContext context;
    Set(context, P::MolarMass, std::numeric_limits<double>::quiet_NaN(), 0.031);
    Set(context, P::DensityReal, 0.0, 0.0);
    PageTable page = BuildCalculationPage(context);
    EXPECT_EQ(RowOf(page, 141)[1], kDash);
    EXPECT_EQ(RowOf(page, 141)[2], u"0.031");
    EXPECT_EQ(RowOf(page, 154)[1], kDash);
    EXPECT_EQ(RowOf(page, 154)[2], kDash);
    context.settings.viewCalculationGostD = false;
    page = BuildCalculationPage(context);
    EXPECT_EQ(RowOf(page, 154)[2], kDash);
}

} // namespace
