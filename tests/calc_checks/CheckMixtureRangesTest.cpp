// Methods В1 and В2: each calibration mixture against the range the analysed gas lies in.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "CheckTestSupport.h"
#include "calc/Stages.h"
#include "support/JournalExpectations.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using checkstest::Certified;
using checkstest::MixtureRecords;
using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;

constexpr uint32_t kCalib = JournalCategory::Calib;
const ComponentMixtures kGeneral{};

ComponentResult GasRow(std::u16string id, double x, double lowerLimit = 0.0, double area = 0.0) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = x;
    row.lowerLimit = lowerLimit;
    row.area = area;
    return row;
}

class CheckMixtureRangesTest : public ::testing::Test {
protected:
    CheckMixtureRangesTest() {
        host_.Attach(context_);
        context_.settings.clbrCalcMethod = 2;
    }

    bool Check(std::u16string_view mixture, const std::vector<Certified>& components, int32_t which,
               const ComponentMixtures& assignment = kGeneral) {
        const std::u16string name(mixture);
        host_.Add(name, components);
        context_.journal.entries.clear();
        return CheckMixtureRanges(context_, name, which, assignment);
    }

    MixtureRecords host_;
    CalcContext context_;
};

TEST_F(CheckMixtureRangesTest, FirstAndSecondMixtureEachHaveTheirRange) {
    context_.components = {GasRow(u"methane", 90.0), GasRow(u"ethane", 5.0), GasRow(u"propane", 1.0)};
    EXPECT_TRUE(Check(u"Первая", {{u"methane", 88.0}, {u"ethane", 7.0}, {u"propane", 3.0}}, 0));
    ExpectJournal(context_.journal, {});
    EXPECT_TRUE(Check(u"Вторая", {{u"methane", 80.0}, {u"ethane", 13.0}, {u"propane", 5.5}}, 1));
    ExpectJournal(context_.journal, {});

    // The first mixture judged as a second one: both components are reported.
    context_.journal.entries.clear();
    EXPECT_FALSE(CheckMixtureRanges(context_, u"Первая", 1, kGeneral));
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                                             {u"Первая", DisplayName(u"ethane"), 7.0, 12.0, 15.0}),
                                     Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                                             {u"Первая", DisplayName(u"propane"), 3.0, 5.0, 6.0})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "В смеси \"Первая\" компонент \"Этан\" [7.000000] вне диапазона [12.000000-15.000000] "
              "допустимых концентраций.");
}

TEST_F(CheckMixtureRangesTest, CertifiedValueIsComparedAtTheDigitsOfEachBound) {
    struct Case {
        std::u16string component;
        double certified;
        bool inside;
        double lower, upper; // the first mixture's range
    };
    const Case cases[] = {
        {u"ethane", 8.4, true, 6, 8},
        {u"ethane", 8.5, false, 6, 8},
        {u"ethane", 5.5, true, 6, 8},
        {u"ethane", 5.4, false, 6, 8},
        {u"propane", 2.45, true, 2.5, 3.5},
        {u"propane", 2.44, false, 2.5, 3.5},
        {u"propane", 3.549, true, 2.5, 3.5},
        {u"propane", 3.55, false, 2.5, 3.5},
        {u"2_methylpropane", 1.5, true, 2, 2.5},
        {u"2_methylpropane", 1.49, false, 2, 2.5},
        {u"2_methylpropane", 2.54, true, 2, 2.5},
        {u"2_methylpropane", 2.55, false, 2, 2.5},
        {u"helium", 0.05, true, 0.1, 0.2},
        {u"helium", 0.204, true, 0.1, 0.2},
        {u"helium", 0.205, false, 0.1, 0.2},
    };
    int index = 0;
    for (const Case& c : cases) {
        context_.components = {GasRow(c.component, 0.3)};
        const std::u16string name = u"Смесь " + Utf8ToUtf16(std::to_string(index++));
        EXPECT_EQ(Check(name, {{c.component, c.certified}}, 0), c.inside)
            << Utf16ToUtf8(c.component) << " " << c.certified;
        if (c.inside) {
            ExpectJournal(context_.journal, {});
        } else {
            ExpectJournal(context_.journal,
                          {Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                                   {name, DisplayName(c.component), c.certified, c.lower, c.upper})});
        }
    }
}

TEST_F(CheckMixtureRangesTest, GasOutsideEveryRangeOfItsComponent) {
    context_.components = {GasRow(u"ethane", 20.0), GasRow(u"argon", 1.0), GasRow(u"propane", 1.0)};
    EXPECT_FALSE(Check(u"Первая", {{u"ethane", 7.0}, {u"argon", 1.0}, {u"propane", 3.0}}, 0));
    ExpectJournal(context_.journal,
                  {Message(kCalib, StringId::ComponentNotInMixtureRangeTable, {DisplayName(u"ethane")}),
                   Message(kCalib, StringId::ComponentNotInMixtureRangeTable, {DisplayName(u"argon")})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "Компонент \"Этан\" не соответствует требованиям метрологических характеристик стандартных "
              "образцов состава природного газа.");
}

TEST_F(CheckMixtureRangesTest, TheGasFractionChoosesTheRowOfCarbonDioxide) {
    // Linear carbon dioxide (the default): no low-range line is involved.
    const std::vector<Certified> lowMixture = {{u"carbon_dioxide", 0.006}};
    context_.components = {GasRow(u"carbon_dioxide", 0.02)};
    EXPECT_TRUE(Check(u"Низкая", lowMixture, 0));
    context_.components = {GasRow(u"carbon_dioxide", 0.03)};
    EXPECT_FALSE(CheckMixtureRanges(context_, u"Низкая", 0, kGeneral));
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                                             {u"Низкая", DisplayName(u"carbon_dioxide"), 0.006, 6.0, 7.0})});
}

TEST_F(CheckMixtureRangesTest, RowsThatAreNotJudged) {
    context_.components = {
        GasRow(u"methane", 20.0),           // methane: never here
        GasRow(u"ethane", 20.0),            // would fail: not the assignment's component
        GasRow(u"propane", 0.004, 0.005),   // below its lower limit
        GasRow(u"n_butane", 20.0),          // absent from the mixture
        GasRow(u"helium", 20.0),            // fixed
        GasRow(u"nitrogen", 1.0),           // the assignment's component, passes
        GasRow(u"n_pentane", 0.005, 0.005), // on its lower limit: judged by the general assignment
    };
    context_.components[4].fixed = true;
    const ComponentMixtures nitrogen{u"nitrogen", u"Азотная", u"", 0, 0};
    EXPECT_TRUE(Check(u"Азотная",
                      {{u"methane", 10.0},
                       {u"ethane", 1.0},
                       {u"propane", 9.0},
                       {u"helium", 3.0},
                       {u"nitrogen", 7.0},
                       {u"n_pentane", 0.7}},
                      0, nitrogen));
    ExpectJournal(context_.journal, {});
    // The general assignment judges ethane (gas 20 mol %: no row) and n-pentane (0.7 below 0.8) too.
    EXPECT_FALSE(CheckMixtureRanges(context_, u"Азотная", 0, kGeneral));
    ExpectJournal(context_.journal,
                  {Message(kCalib, StringId::ComponentNotInMixtureRangeTable, {DisplayName(u"ethane")}),
                   Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                           {u"Азотная", DisplayName(u"n_pentane"), 0.7, 0.8, 1.0})});
}

TEST_F(CheckMixtureRangesTest, EmptyOrMissingMixturePasses) {
    context_.components = {GasRow(u"ethane", 20.0)};
    EXPECT_TRUE(CheckMixtureRanges(context_, u"Нет такой", 0, kGeneral));
    ExpectJournal(context_.journal, {});
}

TEST(CheckMixtureRangesWithoutDatabase, EmptyNameIsNotLookedUp) {
    CalcContext context;
    int reads = 0;
    context.sources = checkstest::CountingSources(reads);
    context.components = {GasRow(u"ethane", 20.0)};
    EXPECT_TRUE(CheckMixtureRanges(context, u"", 1, kGeneral));
    EXPECT_TRUE(context.journal.entries.empty());
    EXPECT_EQ(reads, 0);
}

class NonLinearNitrogenTest : public CheckMixtureRangesTest {
protected:
    NonLinearNitrogenTest() {
        context_.settings.clbrNitrogen = false;
        CalibrationResult high;
        high.component = u"nitrogen";
        high.conc1 = 7.0;
        high.conc2 = 13.0;
        high.inka = 1000.0;
        CalibrationResult low;
        low.component = u"nitrogen";
        low.conc1 = 0.006;
        low.conc2 = 0.022;
        low.inka = 800.0; // the low line reaches 0.025 mol % at an area of 800·0.025 + 4 = 24
        low.inkb = 4.0;
        context_.calibration = {high, low};
        host_.Add(u"Низкая", {{u"nitrogen", 0.006}});
        host_.Add(u"Высокая", {{u"nitrogen", 7.0}});
        host_.Add(u"Высокая, вне диапазона", {{u"nitrogen", 9.0}});
        host_.Add(u"Низкая, вне диапазона", {{u"nitrogen", 0.0075}});
        host_.Add(u"Ниже низкого диапазона", {{u"nitrogen", 0.0045}});
    }
    bool CheckGas(double x, double area, std::u16string_view mixture) {
        context_.components = {GasRow(u"nitrogen", x, 0.005, area)};
        context_.journal.entries.clear();
        return CheckMixtureRanges(context_, std::u16string(mixture), 0, kGeneral);
    }
};

TEST_F(NonLinearNitrogenTest, LowMixturesAreJudgedForALowGasAndHigherOnesForAHigherGas) {
    // Low gas (area 20, not above 24).
    EXPECT_TRUE(CheckGas(0.015, 20.0, u"Низкая"));
    EXPECT_TRUE(CheckGas(0.015, 20.0, u"Высокая, вне диапазона")); // passed over: serves higher gases
    EXPECT_TRUE(CheckGas(0.015, 24.0, u"Высокая, вне диапазона")); // area on the limit is still low
    EXPECT_FALSE(CheckGas(0.015, 20.0, u"Низкая, вне диапазона")); // rounds to 0.008 (three decimals)
    ExpectJournal(context_.journal,
                  {Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                           {u"Низкая, вне диапазона", DisplayName(u"nitrogen"), 0.0075, 0.005, 0.007})});
    // A mixture below 0.005 mol % lies outside the low range, so it counts as a higher one.
    EXPECT_TRUE(CheckGas(0.015, 20.0, u"Ниже низкого диапазона"));
    ExpectJournal(context_.journal, {});
    // Higher gas (area 30).
    EXPECT_TRUE(CheckGas(1.0, 30.0, u"Высокая"));
    EXPECT_TRUE(CheckGas(1.0, 30.0, u"Низкая, вне диапазона")); // passed over: serves low gases
    EXPECT_FALSE(CheckGas(1.0, 30.0, u"Высокая, вне диапазона"));
    ExpectJournal(context_.journal,
                  {Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                           {u"Высокая, вне диапазона", DisplayName(u"nitrogen"), 9.0, 6.0, 8.0})});
    // Judged by its own fraction, not by the area: a low-area gas at 1 mol % and a low mixture.
    EXPECT_FALSE(CheckGas(1.0, 20.0, u"Низкая"));
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                                             {u"Низкая", DisplayName(u"nitrogen"), 0.006, 6.0, 8.0})});
}

TEST_F(NonLinearNitrogenTest, WithoutALowRangeLineTheComponentIsNotJudged) {
    context_.calibration.pop_back();
    EXPECT_TRUE(CheckGas(1.0, 30.0, u"Высокая, вне диапазона"));
    EXPECT_TRUE(CheckGas(0.015, 20.0, u"Низкая, вне диапазона"));
    ExpectJournal(context_.journal, {});
    // Treated as linear, the same mixture is judged.
    context_.settings.clbrNitrogen = true;
    EXPECT_FALSE(CheckGas(1.0, 30.0, u"Высокая, вне диапазона"));
}

TEST_F(CheckMixtureRangesTest, ValuesThatAreNotNumbersFail) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    context_.components = {GasRow(u"ethane", nan), GasRow(u"propane", inf), GasRow(u"n_butane", 1.0),
                           GasRow(u"n_pentane", 0.5, nan)};
    EXPECT_FALSE(
        Check(u"Первая", {{u"ethane", 7.0}, {u"propane", 3.0}, {u"n_butane", 0.0}, {u"n_pentane", 0.9}}, 0));
    ExpectJournal(context_.journal,
                  {Message(kCalib, StringId::ComponentNotInMixtureRangeTable, {DisplayName(u"ethane")}),
                   Message(kCalib, StringId::ComponentNotInMixtureRangeTable, {DisplayName(u"propane")}),
                   Message(kCalib, StringId::MixtureComponentOutOfGasRange,
                           {u"Первая", DisplayName(u"n_butane"), 0.0, 2.0, 2.5})});
}

} // namespace
