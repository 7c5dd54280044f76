// The components page: column visibility under the view settings and the chromatograph type, and the
// texts of the molar fractions (rounded by their uncertainty, "< limit" below the measuring range), the
// mark of components left out of the physical properties and the dash of missing values.
#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "PageTestSupport.h"
#include "calc/CalcContext.h"
#include "support/ContextText.h"
#include "ui/models/ComponentsPageModel.h"

namespace {

using pagetest::kDash;
using pagetest::VisibleColumns;
using testsupport::ApplyContextText;
using testsupport::ContextFromText;
using C = ComponentsColumn;

int32_t I(C column) {
    return static_cast<int32_t>(column);
}

ComponentResult Row(const char16_t* id, double molarFraction, double uncertainty) {
    ComponentResult row;
    row.id = id;
    row.accepted = true;
    row.molarFraction = molarFraction;
    row.uncertainty = uncertainty;
    return row;
}

CalcContext ContextWith(std::vector<ComponentResult> rows) {
    CalcContext context;
    context.components = std::move(rows);
    return context;
}

std::u16string Cell(const CalcContext& context, C column, size_t row = 0) {
    return BuildComponentsPage(context).rows.at(row).at(I(column));
}

TEST(ComponentsPage, HeadersInListOrder) {
    const PageTable page = BuildComponentsPage(CalcContext{});
    const std::vector<uint32_t> expected = {135, 136, 137, 138, 159, 139, 301, 140,
                                            251, 252, 253, 254, 180, 181, 277, 278};
    EXPECT_EQ(pagetest::HeaderIds(page), expected);
    EXPECT_EQ(page.columns[I(C::MolarFraction)].header, u"Концентрация (мол.%)");
    EXPECT_EQ(page.columns[I(C::Reference)].header, u"ГСО");
}

TEST(ComponentsPage, DefaultSettingsShowTimeAreaHeightAndTheMolarFraction) {
    const std::vector<int32_t> expected = {I(C::Component), I(C::Time),          I(C::Area),
                                           I(C::Height),    I(C::MolarFraction), I(C::Uncertainty)};
    EXPECT_EQ(VisibleColumns(BuildComponentsPage(CalcContext{})), expected);
}

struct ShowCase {
    const char* name;
    bool CalcSettings::*show;
    bool initially;
    std::vector<C> columns;
};

// Each Show setting flipped alone shows or hides exactly its columns on a laboratory chromatograph with
// normalisation (methane not by difference).
TEST(ComponentsPage, EachShowSettingTogglesItsColumns) {
    const std::vector<ShowCase> cases = {
        {"Time", &CalcSettings::viewComponentsShowTime, true, {C::Time}},
        {"Area", &CalcSettings::viewComponentsShowArea, true, {C::Area}},
        {"Height", &CalcSettings::viewComponentsShowHeight, true, {C::Height}},
        {"BaseConc", &CalcSettings::viewComponentsShowBaseConc, true, {C::RawFraction}},
        {"ConcMol", &CalcSettings::viewComponentsShowConcMol, true, {C::MolarFraction, C::Uncertainty}},
        {"Mixture", &CalcSettings::viewComponentsShowMixture, false, {C::Reference}},
        {"ConcVol", &CalcSettings::viewComponentsShowConcVol, false, {C::VolumeFraction}},
        {"ConcMass", &CalcSettings::viewComponentsShowConcMass, false, {C::MassFraction}},
        {"Diff", &CalcSettings::viewComponentsShowDiff, false, {C::Difference, C::AcceptLimit}},
        {"X1X2", &CalcSettings::viewComponentsShowX1X2, false, {C::X1, C::X2}},
    };
    for (const ShowCase& test : cases) {
        SCOPED_TRACE(test.name);
        CalcContext context;
        context.settings.clcMethaneDiff = false;
        EXPECT_EQ(context.settings.*test.show, test.initially);
        const PageTable before = BuildComponentsPage(context);
        context.settings.*test.show = !test.initially;
        const PageTable after = BuildComponentsPage(context);
        for (int32_t column = 0; column < kComponentsColumnCount; ++column) {
            const bool own = std::find(test.columns.begin(), test.columns.end(), static_cast<C>(column)) !=
                             test.columns.end();
            EXPECT_EQ(before.columns[column].visible(),
                      own ? test.initially : before.columns[column].visible());
            EXPECT_EQ(after.columns[column].visible(),
                      own ? !test.initially : before.columns[column].visible())
                << column;
        }
    }
}

TEST(ComponentsPage, ValuesBeforeNormalisationOnlyWithoutMethaneByDifference) {
    CalcContext context;
    context.settings.clcMethaneDiff = true;
    EXPECT_FALSE(BuildComponentsPage(context).columns[I(C::RawFraction)].visible());
    context.settings.clcMethaneDiff = false;
    EXPECT_TRUE(BuildComponentsPage(context).columns[I(C::RawFraction)].visible());
}

TEST(ComponentsPage, TheUncertaintiesOfVolumeAndMassFractionsAreNeverShown) {
    const CalcContext context = ContextFromText(R"(
settings viewComponentsShowConcVol=1 viewComponentsShowConcMass=1 viewComponentsShowMixture=1
settings viewComponentsShowDiff=1 viewComponentsShowX1X2=1 clcMethaneDiff=0
component id=ethane accepted=1 molarFraction=3.0 uncertainty=0.07 volumeFraction=2.9 massFraction=5.1
)");
    const PageTable page = BuildComponentsPage(context);
    EXPECT_EQ(VisibleColumns(page).size(), static_cast<size_t>(kComponentsColumnCount - 2));
    EXPECT_FALSE(page.columns[I(C::VolumeUncertainty)].visible());
    EXPECT_FALSE(page.columns[I(C::MassUncertainty)].visible());
    EXPECT_EQ(page.rows[0][I(C::VolumeUncertainty)], u"");
    EXPECT_EQ(page.rows[0][I(C::MassUncertainty)], u"");
}

// A process chromatograph measures once: no acceptability of a pair and no second measurement, even with
// their settings on; X1 stays.
TEST(ComponentsPage, ProcessChromatographHidesThePairColumns) {
    CalcContext context =
        ContextFromText("settings viewComponentsShowDiff=1 viewComponentsShowX1X2=1 clcDeviceType=1");
    PageTable page = BuildComponentsPage(context);
    EXPECT_FALSE(page.columns[I(C::Difference)].visible());
    EXPECT_FALSE(page.columns[I(C::AcceptLimit)].visible());
    EXPECT_FALSE(page.columns[I(C::X2)].visible());
    EXPECT_TRUE(page.columns[I(C::X1)].visible());
    context.settings.clcDeviceType = 0;
    page = BuildComponentsPage(context);
    EXPECT_TRUE(page.columns[I(C::Difference)].visible());
    EXPECT_TRUE(page.columns[I(C::AcceptLimit)].visible());
    EXPECT_TRUE(page.columns[I(C::X2)].visible());
}

// The molar fraction to the last digit of its rounded uncertainty (GOST 31371.7-2020), or with the
// Scale decimals.
TEST(ComponentsPage, MolarFractionRoundedByItsUncertainty) {
    struct Case {
        double x;
        double u;
        const char16_t* gost;
        const char16_t* scale4;
    };
    const Case cases[] = {
        {95.1234, 0.0456, u"95.12", u"95.1234"},
        {95.1234, 0.0256, u"95.123", u"95.1234"},
        {95.1234, 35.0, u"100", u"95.1234"},
        {1.054321, 0.024, u"1.054", u"1.0543"},
        {0.0312, 0.0019, u"0.0312", u"0.0312"},
        {2.5, 0.0, u"2.5", u"2.5000"}, // no uncertainty: the value rounded as one
    };
    for (const Case& test : cases) {
        CalcContext context = ContextWith({Row(u"ethane", test.x, test.u)});
        EXPECT_EQ(Cell(context, C::MolarFraction), test.gost) << test.x << " " << test.u;
        context.settings.viewComponentsGostConcMol = false;
        EXPECT_EQ(Cell(context, C::MolarFraction), test.scale4) << test.x << " " << test.u;
    }
}

// Below its lower limit a fraction is no result: the limit is shown, under either setting.
TEST(ComponentsPage, BelowTheLowerLimitTheLimitIsShown) {
    CalcContext context = ContextFromText(
        "component id=n_octane accepted=1 molarFraction=0.004 uncertainty=0.0005 lowerLimit=0.005");
    EXPECT_EQ(Cell(context, C::MolarFraction), u"< 0.005");
    context.settings.viewComponentsGostConcMol = false;
    EXPECT_EQ(Cell(context, C::MolarFraction), u"< 0.005");
    context.components[0].molarFraction = 0.005; // at the limit: a result
    EXPECT_EQ(Cell(context, C::MolarFraction), u"0.0050");
    context.components[0].molarFraction = 0.0123;
    context.components[0].lowerLimit = 0.025; // the limit written as an uncertainty: two digits
    EXPECT_EQ(Cell(context, C::MolarFraction), u"< 0.025");
}

// The values before normalisation are rounded by the uncertainty of the normalised fraction.
TEST(ComponentsPage, RawFractionUsesTheUncertaintyOfTheResult) {
    CalcContext context = ContextFromText("component id=ethane accepted=1 molarFraction=2.98 "
                                          "uncertainty=0.0256 rawFraction=1.23456 rawUncertainty=0.5");
    EXPECT_EQ(Cell(context, C::RawFraction), u"1.235");
    context.settings.viewComponentsGostBaseConc = false;
    context.settings.viewComponentsScaleBaseConc = 2;
    EXPECT_EQ(Cell(context, C::RawFraction), u"1.23");
}

TEST(ComponentsPage, OtherNumbersByTheUncertaintyRuleOrTheirScale) {
    CalcContext context = ContextFromText(R"(
component id=ethane accepted=1 molarFraction=2.98 uncertainty=0.0734 time=3.456 area=152345.0 height=19876.0 volumeFraction=2.9613 massFraction=5.2011 difference=0.0090 acceptLimit=0.0936 x1=2.9866 x2=2.9775
settings viewComponentsGostConcVol=1 viewComponentsGostConcMass=1 viewComponentsGostDiff=1 viewComponentsGostX1X2=1
)");
    PageTable page = BuildComponentsPage(context);
    EXPECT_EQ(page.rows[0][I(C::Time)], u"3");
    EXPECT_EQ(page.rows[0][I(C::Area)], u"150000"); // leading digits 15: two kept
    EXPECT_EQ(page.rows[0][I(C::Height)], u"20000");
    EXPECT_EQ(page.rows[0][I(C::Uncertainty)], u"0.07");
    EXPECT_EQ(page.rows[0][I(C::VolumeFraction)], u"3.0");
    EXPECT_EQ(page.rows[0][I(C::MassFraction)], u"5");
    EXPECT_EQ(page.rows[0][I(C::Difference)], u"0.009");
    EXPECT_EQ(page.rows[0][I(C::AcceptLimit)], u"0.09");
    EXPECT_EQ(page.rows[0][I(C::X1)], u"3.0");
    EXPECT_EQ(page.rows[0][I(C::X2)], u"3.0");

    ApplyContextText(context, R"(
settings viewComponentsGostTime=0 viewComponentsGostArea=0 viewComponentsGostHeight=0 viewComponentsGostConcMol=0
settings viewComponentsGostConcVol=0 viewComponentsGostConcMass=0 viewComponentsGostDiff=0 viewComponentsGostX1X2=0
settings viewComponentsScaleTime=2 viewComponentsScaleArea=0 viewComponentsScaleHeight=1 viewComponentsScaleConcMol=3
settings viewComponentsScaleConcVol=2 viewComponentsScaleConcMass=1 viewComponentsScaleDiff=3 viewComponentsScaleX1X2=2
)");
    page = BuildComponentsPage(context);
    EXPECT_EQ(page.rows[0][I(C::Time)], u"3.46");
    EXPECT_EQ(page.rows[0][I(C::Area)], u"152345");
    EXPECT_EQ(page.rows[0][I(C::Height)], u"19876.0");
    EXPECT_EQ(page.rows[0][I(C::Uncertainty)], u"0.073");
    EXPECT_EQ(page.rows[0][I(C::VolumeFraction)], u"2.96");
    EXPECT_EQ(page.rows[0][I(C::MassFraction)], u"5.2");
    EXPECT_EQ(page.rows[0][I(C::Difference)], u"0.009");
    EXPECT_EQ(page.rows[0][I(C::AcceptLimit)], u"0.094");
    EXPECT_EQ(page.rows[0][I(C::X1)], u"2.99");
    EXPECT_EQ(page.rows[0][I(C::X2)], u"2.98");
}

TEST(ComponentsPage, MissingValuesShowAnEmDash) {
    for (double missing : {0.0, std::numeric_limits<double>::quiet_NaN()}) {
        ComponentResult row = Row(u"methane", missing, 0.0);
        CalcContext context = ContextWith({row});
        const PageTable page = BuildComponentsPage(context);
        for (C column :
             {C::Time, C::Area, C::Height, C::RawFraction, C::MolarFraction, C::Reference, C::Uncertainty,
              C::VolumeFraction, C::MassFraction, C::Difference, C::AcceptLimit, C::X1, C::X2}) {
            EXPECT_EQ(page.rows[0][I(column)], kDash) << I(column);
        }
    }
}

TEST(ComponentsPage, ReferenceValueOfTheControlMixture) {
    CalcContext context = ContextFromText("component id=ethane accepted=1 molarFraction=3.0 uncertainty=0.07 "
                                          "referenceValue=3.112 referenceDecimals=2");
    EXPECT_EQ(Cell(context, C::Reference), u"3.11");
    context.components[0].referenceDecimals = -1;
    EXPECT_EQ(Cell(context, C::Reference), u"3.112");
}

// Components below 0.005 mol % do not enter the physical properties and carry " *".
TEST(ComponentsPage, NamesOfComponentsLeftOutOfThePropertiesAreMarked) {
    struct Case {
        double x;
        const char16_t* name;
    };
    const Case cases[] = {
        {0.004, u"С8 *"}, {0.0049999, u"С8 *"}, {0.005, u"С8"},
        {0.0051, u"С8"},  {0.0, u"С8 *"},       {std::numeric_limits<double>::quiet_NaN(), u"С8 *"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(Cell(ContextWith({Row(u"c8", test.x, 0.0005)}), C::Component), test.name) << test.x;
    }
}

TEST(ComponentsPage, RowsInTableOrderWithTheirAcceptance) {
    const CalcContext context = ContextFromText(R"(
component id=methane accepted=1 molarFraction=94.0 uncertainty=0.08
component id=propane accepted=0 molarFraction=0.9 uncertainty=0.03
component id=nitrogen accepted=1 molarFraction=1.05 uncertainty=0.024
)");
    const PageTable page = BuildComponentsPage(context);
    EXPECT_EQ(pagetest::FirstCells(page), (std::vector<std::u16string>{u"Метан", u"Пропан", u"Азот"}));
    EXPECT_EQ(page.rowMarks, (std::vector<int32_t>{1, 0, 1}));
}

} // namespace
