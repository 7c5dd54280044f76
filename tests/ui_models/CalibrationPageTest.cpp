// The calibration page: which columns each method and view setting shows, and the texts of the cells
// under the rounding rule of the standard and under fixed decimals.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "PageTestSupport.h"
#include "calc/CalcContext.h"
#include "support/ContextText.h"
#include "ui/models/CalibrationPageModel.h"

namespace {

using pagetest::kDash;
using pagetest::VisibleColumns;
using testsupport::ApplyContextText;
using testsupport::ContextFromText;
using C = CalibrationColumn;

int32_t I(C column) {
    return static_cast<int32_t>(column);
}

// A calibration computed by method (0 А, 1 Б, 2 В1, 3 В2), the method still set, with its rows.
CalcContext ContextOfMethod(int32_t method, std::string_view rows = "calibration component=ethane isok=1") {
    const std::string number = std::to_string(method);
    CalcContext context =
        ContextFromText("settings clbrCalcMethod=" + number + "\ncontext calibrationKind=" + number);
    ApplyContextText(context, rows);
    return context;
}

TEST(CalibrationPage, HeadersComeFromTheStringTableInListOrder) {
    const PageTable page = BuildCalibrationPage(ContextOfMethod(0));
    ASSERT_EQ(page.columns.size(), static_cast<size_t>(kCalibrationColumnCount));
    const std::vector<uint32_t> expected = {110, 111, 163, 187, 188, 189, 115, 190, 191, 113, 114, 116,
                                            117, 192, 193, 249, 250, 194, 195, 245, 246, 247, 248};
    EXPECT_EQ(pagetest::HeaderIds(page), expected);
    EXPECT_EQ(page.columns[I(C::Component)].header, u"Компонент");
    EXPECT_EQ(page.columns[I(C::Rate2)].header, u"Приемлемость  2"); // two spaces, as the resource has it
    EXPECT_EQ(page.columns[I(C::AreaRsd1)].header, u"Площадь ОСКО  1");
    EXPECT_EQ(page.columns[I(C::LineA)].header, u"b");
}

TEST(CalibrationPage, ShownColumnsAreEightyPixelsWideAndHiddenOnesZero) {
    const PageTable page = BuildCalibrationPage(ContextOfMethod(0));
    for (const PageColumn& column : page.columns) {
        EXPECT_TRUE(column.widthPixels == 80 || column.widthPixels == 0);
    }
    EXPECT_EQ(page.columns[I(C::Component)].widthPixels, 80);
    EXPECT_EQ(page.columns[I(C::LineA)].widthPixels, 0);
}

TEST(CalibrationPage, MethodsAAndBShowTheFactorsAndHideEveryTwoMixtureColumn) {
    for (int32_t method : {0, 1}) {
        SCOPED_TRACE(method);
        const std::vector<int32_t> expected = {
            I(C::Component), I(C::Concentration1), I(C::K1),    I(C::K2),   I(C::K3),
            I(C::MeanK),     I(C::MeanArea1),      I(C::Rate1), I(C::Norm1)};
        EXPECT_EQ(VisibleColumns(BuildCalibrationPage(ContextOfMethod(method))), expected);
    }
}

TEST(CalibrationPage, MethodsC1AndC2ShowTheLineAndBothMixtures) {
    for (int32_t method : {2, 3}) {
        SCOPED_TRACE(method);
        std::vector<int32_t> expected = {I(C::Component), I(C::Concentration1), I(C::Concentration2)};
        for (int32_t column = I(C::MeanArea1); column < kCalibrationColumnCount; ++column) {
            expected.push_back(column);
        }
        EXPECT_EQ(VisibleColumns(BuildCalibrationPage(ContextOfMethod(method))), expected);
    }
}

// Each Show setting switched off alone hides exactly its columns, for the factor method А and the line
// method В1; the constants CfAB and CfC have no Show setting.
struct ShowCase {
    const char* name;
    bool CalcSettings::*show;
    int32_t method;
    std::vector<C> hidden;
};

TEST(CalibrationPage, EachShowSettingHidesItsColumns) {
    const std::vector<ShowCase> cases = {
        {"Cnc A", &CalcSettings::viewCalibrationShowCnc, 0, {C::Concentration1}},
        {"Cnc B1", &CalcSettings::viewCalibrationShowCnc, 2, {C::Concentration1, C::Concentration2}},
        {"InK A", &CalcSettings::viewCalibrationShowInK, 0, {C::K1, C::K2, C::K3}},
        {"InK B1", &CalcSettings::viewCalibrationShowInK, 2, {}},
        {"MdA A", &CalcSettings::viewCalibrationShowMdA, 0, {C::MeanArea1}},
        {"MdA B1", &CalcSettings::viewCalibrationShowMdA, 2, {C::MeanArea1, C::MeanArea2}},
        {"Rate A", &CalcSettings::viewCalibrationShowRate, 0, {C::Rate1, C::Norm1}},
        {"Rate B1", &CalcSettings::viewCalibrationShowRate, 2, {C::Rate1, C::Norm1, C::Rate2, C::Norm2}},
        {"CtlRange B1",
         &CalcSettings::viewCalibrationShowCtlRange,
         2,
         {C::ControlRange, C::ControlRangeLimit}},
        {"CtlRate B1", &CalcSettings::viewCalibrationShowCtlRate, 2, {C::ControlRate, C::ControlNorm}},
        {"Arsd B1",
         &CalcSettings::viewCalibrationShowArsd,
         2,
         {C::AreaRsd1, C::AreaRsdLimit1, C::AreaRsd2, C::AreaRsdLimit2}},
        {"Control B2",
         &CalcSettings::clbrControl,
         3,
         {C::ControlRange, C::ControlRangeLimit, C::ControlRate, C::ControlNorm}},
    };
    for (const ShowCase& test : cases) {
        SCOPED_TRACE(test.name);
        CalcContext context = ContextOfMethod(test.method);
        const PageTable before = BuildCalibrationPage(context);
        context.settings.*test.show = false;
        const PageTable after = BuildCalibrationPage(context);
        for (int32_t column = 0; column < kCalibrationColumnCount; ++column) {
            const bool shouldHide = std::find(test.hidden.begin(), test.hidden.end(),
                                              static_cast<C>(column)) != test.hidden.end();
            EXPECT_EQ(after.columns[column].visible(), before.columns[column].visible() && !shouldHide)
                << column;
            if (shouldHide) {
                EXPECT_TRUE(before.columns[column].visible()) << column;
            }
        }
    }
}

// The two-mixture columns follow the method the calibration was computed by.
TEST(CalibrationPage, TheMethodOfTheStoredCalibrationDecides) {
    CalcContext context = ContextOfMethod(2);
    context.settings.clbrCalcMethod = 0;
    EXPECT_TRUE(BuildCalibrationPage(context).columns[I(C::LineA)].visible());
}

CalibrationResult ResultWithEveryNumber(double value) {
    CalibrationResult r;
    r.component = u"methane";
    for (double CalibrationResult::*field :
         {&CalibrationResult::ink1,  &CalibrationResult::ink2,  &CalibrationResult::ink3,
          &CalibrationResult::midk,  &CalibrationResult::mda1,  &CalibrationResult::mda2,
          &CalibrationResult::inka,  &CalibrationResult::inkb,  &CalibrationResult::rate1,
          &CalibrationResult::norm1, &CalibrationResult::rate2, &CalibrationResult::norm2,
          &CalibrationResult::crrng, &CalibrationResult::cvrng, &CalibrationResult::crate,
          &CalibrationResult::cnorm, &CalibrationResult::arsd1, &CalibrationResult::cval1,
          &CalibrationResult::arsd2, &CalibrationResult::cval2}) {
        r.*field = value;
    }
    return r;
}

// Every number column: the uncertainty rule (one or two significant digits) under Gost, else the Scale
// decimals of its own quantity.
TEST(CalibrationPage, NumbersFollowGostOrScaleOfTheirQuantity) {
    CalcContext context = ContextOfMethod(2);
    context.calibration = {ResultWithEveryNumber(0.012345)};
    PageTable page = BuildCalibrationPage(context);
    for (int32_t column = I(C::K1); column < kCalibrationColumnCount; ++column) {
        EXPECT_EQ(page.rows[0][column], u"0.012") << column; // two leading digits 12 < 30: two digits kept
    }

    struct ScaleCase {
        bool CalcSettings::*gost;
        int32_t CalcSettings::*scale;
        std::vector<C> columns;
    };
    const std::vector<ScaleCase> cases = {
        {&CalcSettings::viewCalibrationGostInK,
         &CalcSettings::viewCalibrationScaleInK,
         {C::K1, C::K2, C::K3}},
        {&CalcSettings::viewCalibrationGostCfAB, &CalcSettings::viewCalibrationScaleCfAB, {C::MeanK}},
        {&CalcSettings::viewCalibrationGostCfC, &CalcSettings::viewCalibrationScaleCfC, {C::LineA, C::LineB}},
        {&CalcSettings::viewCalibrationGostMdA,
         &CalcSettings::viewCalibrationScaleMdA,
         {C::MeanArea1, C::MeanArea2}},
        {&CalcSettings::viewCalibrationGostRate,
         &CalcSettings::viewCalibrationScaleRate,
         {C::Rate1, C::Norm1, C::Rate2, C::Norm2}},
        {&CalcSettings::viewCalibrationGostCtlRange,
         &CalcSettings::viewCalibrationScaleCtlRange,
         {C::ControlRange, C::ControlRangeLimit}},
        {&CalcSettings::viewCalibrationGostCtlRate,
         &CalcSettings::viewCalibrationScaleCtlRate,
         {C::ControlRate, C::ControlNorm}},
        {&CalcSettings::viewCalibrationGostArsd,
         &CalcSettings::viewCalibrationScaleArsd,
         {C::AreaRsd1, C::AreaRsdLimit1, C::AreaRsd2, C::AreaRsdLimit2}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        CalcContext fixed = context;
        fixed.settings.*cases[i].gost = false;
        fixed.settings.*cases[i].scale = 5;
        page = BuildCalibrationPage(fixed);
        for (int32_t column = I(C::K1); column < kCalibrationColumnCount; ++column) {
            const bool own = std::find(cases[i].columns.begin(), cases[i].columns.end(),
                                       static_cast<C>(column)) != cases[i].columns.end();
            EXPECT_EQ(page.rows[0][column], own ? u"0.01235" : u"0.012") << column;
        }
    }
}

TEST(CalibrationPage, UncertaintyRuleKeepsOneDigitFromThirtyOn) {
    CalcContext context = ContextOfMethod(0);
    context.calibration = {ResultWithEveryNumber(0.045)};
    EXPECT_EQ(BuildCalibrationPage(context).rows[0][I(C::MeanK)], u"0.05");
    context.calibration = {ResultWithEveryNumber(45.0)};
    EXPECT_EQ(BuildCalibrationPage(context).rows[0][I(C::MeanArea1)], u"50");
}

TEST(CalibrationPage, ZeroAndNotANumberShowAnEmDash) {
    for (double value : {0.0, 1e-17, -1e-17, std::numeric_limits<double>::quiet_NaN()}) {
        CalcContext context = ContextOfMethod(2);
        context.calibration = {ResultWithEveryNumber(value)};
        for (bool gost : {true, false}) {
            context.settings.viewCalibrationGostRate = gost;
            const PageTable page = BuildCalibrationPage(context);
            for (int32_t column = I(C::K1); column < kCalibrationColumnCount; ++column) {
                EXPECT_EQ(page.rows[0][column], kDash) << value << " column " << column;
            }
        }
    }
}

// The certified concentrations are written with the decimals of the certificate, or "%g" without
// them, and never as a dash.
TEST(CalibrationPage, ConcentrationsAsTheCertificateGivesThem) {
    PageTable page = BuildCalibrationPage(ContextOfMethod(
        2, "calibration component=ethane isok=1 conc1=1.5 digits1=3 conc2=0.000123 digits2=-1"));
    EXPECT_EQ(page.rows[0][I(C::Concentration1)], u"1.500");
    EXPECT_EQ(page.rows[0][I(C::Concentration2)], u"0.000123");
    page = BuildCalibrationPage(
        ContextOfMethod(2, "calibration component=ethane isok=1 conc1=0.0 digits1=-1 conc2=0.0 digits2=2"));
    EXPECT_EQ(page.rows[0][I(C::Concentration1)], u"0");
    EXPECT_EQ(page.rows[0][I(C::Concentration2)], u"0.00");
}

TEST(CalibrationPage, RowsInListOrderWithTheirDisplayNamesAndAcceptance) {
    CalcContext context = ContextOfMethod(0, R"(
calibration component=nitrogen isok=1
calibration component=methane isok=0
calibration component=c6 isok=1
)");
    for (AliasEntry& entry : context.aliases) {
        if (entry.id == u"c6") {
            entry.alias = u"Гексаны";
        }
    }
    const PageTable page = BuildCalibrationPage(context);
    EXPECT_EQ(pagetest::FirstCells(page), (std::vector<std::u16string>{u"Азот", u"Метан", u"Гексаны"}));
    EXPECT_EQ(page.rowMarks, (std::vector<int32_t>{1, 0, 1}));
}

TEST(CalibrationPage, NoCalibrationGivesColumnsWithoutRows) {
    CalcContext context;
    const PageTable page = BuildCalibrationPage(context);
    EXPECT_EQ(page.columns.size(), static_cast<size_t>(kCalibrationColumnCount));
    EXPECT_TRUE(page.rows.empty());
    EXPECT_TRUE(page.rowMarks.empty());
}

} // namespace
