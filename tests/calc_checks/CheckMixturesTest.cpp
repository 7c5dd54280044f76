// The mixtures assigned to the calibration: existence, sum, certified characteristics by type, the
// general-assignment requirements of methods Б, В1, В2 and the own mixtures of non-linear components.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "CheckTestSupport.h"
#include "HostWriter.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "support/JournalExpectations.h"
#include "support/TempHostDatabase.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using checkstest::Certified;
using checkstest::MixtureRecords;
using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;

constexpr uint32_t kCalib = JournalCategory::Calib;

// A mixture meeting the requirements of both types, in stored order: methane first, as the balance.
// Permitted uncertainties: ethane 0.08, propane 0.03, nitrogen 0.04, carbon dioxide 0.05.
std::vector<Certified> GoodMixture(double methaneMolPct = 91.5) {
    return {{u"methane", methaneMolPct, 0.1},
            {u"ethane", 4.0, 0.08},
            {u"propane", 1.0, 0.03},
            {u"nitrogen", 2.0, 0.04},
            {u"carbon_dioxide", 1.5, 0.04}};
}

ComponentMixtures General(std::u16string first, int32_t firstType, std::u16string second = {},
                          int32_t secondType = 0) {
    return ComponentMixtures{u"", std::move(first), std::move(second), firstType, secondType};
}

class CheckMixturesTest : public ::testing::Test {
protected:
    CheckMixturesTest() { host_.Attach(context_); }

    int32_t Run(int32_t method) {
        context_.settings.clbrCalcMethod = method;
        return CheckMixtures(context_);
    }

    MixtureRecords host_;
    CalcContext context_;
};

TEST_F(CheckMixturesTest, DoesNothingWhenTheConformityCheckIsOff) {
    context_.settings.clbrMixtureConformity = false;
    context_.mixtures = {General(u"Нет такой смеси", 2, u"И такой нет", 1)};
    context_.settings.clbrNitrogen = false;
    int reads = 0;
    context_.sources = checkstest::CountingSources(reads);
    EXPECT_EQ(Run(2), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_EQ(reads, 0);
}

TEST_F(CheckMixturesTest, MixturesMeetingTheRequirementsPassWithEveryMethod) {
    host_.Add(u"ГСО ИПГ-1", GoodMixture());
    host_.Add(u"ГСО ИПГ-2", GoodMixture());
    for (const int32_t method : {0, 1, 2, 3}) {
        context_.journal.entries.clear();
        context_.mixtures = {General(u"ГСО ИПГ-1", 0, method >= 2 ? u"ГСО ИПГ-2" : u"", 0)};
        EXPECT_EQ(Run(method), Status::Ok) << "method " << method;
        ExpectJournal(context_.journal, {});
    }
}

TEST_F(CheckMixturesTest, MissingMixtureIsReportedOnceAndCheckedNoFurther) {
    // With method В1 both mixtures would also be of the wrong type (СО-ПГМ); a missing one is not judged.
    context_.mixtures = {General(u"ГСО-1", 1, u"ГСО-2", 1)};
    EXPECT_EQ(Run(2), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureDescriptionNotFound, {u"ГСО-1"}),
                                     Message(kCalib, StringId::MixtureDescriptionNotFound, {u"ГСО-2"})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text), "Описание смеси \"ГСО-1\" не найдено.");
}

TEST_F(CheckMixturesTest, MissingPgmOfMethodBGivesNoSecondMessage) {
    context_.mixtures = {General(u"ГСО-ПГМ", 1)};
    EXPECT_EQ(Run(1), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureDescriptionNotFound, {u"ГСО-ПГМ"})});
}

TEST_F(CheckMixturesTest, SumWithinFiveHundredthsOf100Passes) {
    struct Case {
        double methane;
        double sum;
        bool passes;
    };
    const Case cases[] = {
        {91.55, 100.05, true},
        {91.45, 99.95, true},
        {91.551, 100.051, false},
        {91.449, 99.949, false},
    };
    for (const Case& c : cases) {
        const std::u16string name = u"Смесь " + Utf8ToUtf16(std::to_string(c.sum));
        host_.Add(name, GoodMixture(c.methane));
        context_.journal.entries.clear();
        context_.mixtures = {General(name, 0)};
        EXPECT_EQ(Run(0), c.passes ? Status::Ok : Status::Failed) << c.sum;
        if (c.passes) {
            ExpectJournal(context_.journal, {});
        } else {
            ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureSumNot100, {name, c.sum})});
        }
    }
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries.at(0).text),
              "В смеси \"Смесь 99.949000\" суммарное значение молярных долей всех компонентов 99.949000 не "
              "соответствует 100%.");
}

TEST_F(CheckMixturesTest, SumOnTheToleranceIsNotPushedOverItByBinaryAddition) {
    // These certified values add up to exactly 100.05; added as doubles in stored order they give
    // 100.05000000000001.
    const std::vector<Certified> mixture = {{u"methane", 89.5789, 0.1},
                                            {u"ethane", 4.478, 0.08},
                                            {u"propane", 2.504, 0.03},
                                            {u"nitrogen", 2.5391, 0.04},
                                            {u"carbon_dioxide", 0.95, 0.02}};
    double binarySum = 0.0;
    for (const Certified& component : mixture) {
        binarySum += component.concentrationMolPct;
    }
    ASSERT_GT(binarySum - 100.0, 0.05);
    host_.Add(u"Ровно 100.05", mixture);
    context_.mixtures = {General(u"Ровно 100.05", 0)};
    EXPECT_EQ(Run(0), Status::Ok);
    ExpectJournal(context_.journal, {});
}

TEST_F(CheckMixturesTest, PermittedUncertaintyIsTheRoundedExpression) {
    // Ethane at 4 mol % in СО-ИПГ: 0.02·4 + 0.00008 = 0.08008, stated as 0.08.
    std::vector<Certified> passing = GoodMixture();
    passing[1].deviationMolPct = 0.08;
    std::vector<Certified> failing = GoodMixture();
    failing[1].deviationMolPct = 0.081;
    host_.Add(u"0.08", passing);
    host_.Add(u"0.081", failing);
    context_.mixtures = {General(u"0.08", 0), General(u"0.081", 0)};
    EXPECT_EQ(Run(0), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"0.081", DisplayName(u"ethane"), 0.081, 0.08})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "В смеси \"0.081\" расширенная абсолютная неопределенность для компонент \"Этан\" не "
              "соответствует требованиям [0.081 > 0.08].");
}

TEST_F(CheckMixturesTest, CertifiedValueIsComparedAtTheDigitsOfEachBound) {
    // Ethane: upper bound 15 at no decimals, lower bound 0.001 at four.
    struct Case {
        std::u16string name;
        double ethane;
        double deviation;
        bool inside;
    };
    const Case cases[] = {
        {u"15.4", 15.4, 0.3, true},          {u"15.5", 15.5, 0.3, false},
        {u"0.00095", 0.00095, 0.0001, true}, {u"0.00094", 0.00094, 0.0001, false},
        {u"0", 0.0, 0.00008, false},
    };
    for (const Case& c : cases) {
        std::vector<Certified> mixture = GoodMixture(95.5 - c.ethane);
        mixture[1] = {u"ethane", c.ethane, c.deviation};
        host_.Add(c.name, mixture);
        context_.journal.entries.clear();
        context_.mixtures = {General(c.name, 0)};
        EXPECT_EQ(Run(0), c.inside ? Status::Ok : Status::Failed) << Utf16ToUtf8(c.name);
        if (c.inside) {
            ExpectJournal(context_.journal, {});
        } else {
            ExpectJournal(context_.journal,
                          {Message(kCalib, StringId::MixtureComponentOutOfReferenceRange,
                                   {c.name, DisplayName(u"ethane"), c.ethane, 0.001, 15.0})});
        }
    }
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries.at(0).text),
              "В смеси \"0\" компонент \"Этан\" [0.000000] вне диапазона [0.001000-15.000000] допустимых "
              "концентраций.");
}

TEST_F(CheckMixturesTest, RangeAndUncertaintyAreJudgedIndependently) {
    std::vector<Certified> mixture = GoodMixture(91.5);
    mixture[2] = {u"propane", 7.0, 0.5}; // above 6 mol %, and 0.5 > 0.21 (0.03·7 + 0.00008)
    mixture[0].concentrationMolPct = 85.5;
    host_.Add(u"Пропан 7", mixture);
    context_.mixtures = {General(u"Пропан 7", 0)};
    EXPECT_EQ(Run(0), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfReferenceRange,
                                             {u"Пропан 7", DisplayName(u"propane"), 7.0, 0.001, 6.0}),
                                     Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"Пропан 7", DisplayName(u"propane"), 0.5, 0.21})});
}

TEST_F(CheckMixturesTest, TypesWithoutRequirementsFailEveryJudgedComponent) {
    // "СО Метана в Гелии/Азоте" (2) and an unknown stored type: no table, so every component other than
    // methane and the conditionally constant ones gets message 227, in stored order.
    std::vector<Certified> mixture = GoodMixture(91.45);
    mixture.push_back({u"helium", 0.05, 0.002});
    host_.Add(u"Метан в азоте", mixture);
    context_.constants = {MixtureComponent{u"helium", 0.05, 0.002, 2, 3}};
    for (const int32_t type : {2, 7}) {
        context_.journal.entries.clear();
        context_.mixtures = {General(u"Метан в азоте", type)};
        EXPECT_EQ(Run(0), Status::Failed);
        std::vector<testsupport::Entry> expected;
        for (const char16_t* id : {u"ethane", u"propane", u"nitrogen", u"carbon_dioxide"}) {
            expected.push_back(Message(kCalib, StringId::MixtureComponentNotInReferenceTable,
                                       {u"Метан в азоте", DisplayName(id)}));
        }
        ExpectJournal(context_.journal, expected);
    }
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "В смеси \"Метан в азоте\" компонент \"Этан\" не соответствует требованиям метрологических "
              "характеристик стандартных образцов состава природного газа.");
}

TEST_F(CheckMixturesTest, HexaneIsJudgedAsC6PlusByMethodsBAndC2) {
    // n-Hexane 1.2 mol %: above the n-hexane row (up to 1) but within С6+ (up to 1.5). Its uncertainty
    // 0.05 exceeds the n-hexane requirement (0.03·1.2 + 0.00008 -> 0.04) but not that of С6+ of СО-ПГМ
    // (0.05·1.2 + 0.0005 -> 0.06).
    std::vector<Certified> mixture = GoodMixture(89.1);
    mixture.push_back({u"n_hexane", 1.2, 0.05});
    mixture.push_back({u"c6plusstar", 1.2, 0.05});
    host_.Add(u"ПГМ", mixture);
    context_.mixtures = {General(u"ПГМ", 1)};
    EXPECT_EQ(Run(1), Status::Ok);
    ExpectJournal(context_.journal, {});

    context_.journal.entries.clear();
    EXPECT_EQ(Run(0), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfReferenceRange,
                                             {u"ПГМ", DisplayName(u"n_hexane"), 1.2, 0.001, 1.0}),
                                     Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"ПГМ", DisplayName(u"n_hexane"), 0.05, 0.04})});

    // Method В2 reads n-hexane as С6+ too (СО-ИПГ С6+: up to 1.5, 0.03·1.2 + 0.00008 -> 0.04); the
    // assignment of n-hexane judges it alone.
    context_.journal.entries.clear();
    context_.mixtures = {ComponentMixtures{u"n_hexane", u"ПГМ", u"", 0, 0}};
    EXPECT_EQ(Run(3), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"ПГМ", DisplayName(u"n_hexane"), 0.05, 0.04})});
}

TEST_F(CheckMixturesTest, ComponentAssignmentJudgesOnlyItsComponent) {
    // Ethane at 20 mol % is outside both tables; only the general assignment judges it. The sum is
    // judged for every assignment.
    host_.Add(u"Азотная", {{u"methane", 78.0, 0.1}, {u"ethane", 20.0, 0.3}, {u"nitrogen", 2.0, 0.04}});
    host_.Add(u"Неполная", {{u"methane", 78.0, 0.1}, {u"nitrogen", 2.0, 0.5}});
    context_.mixtures = {ComponentMixtures{u"nitrogen", u"Азотная", u"", 0, 0}};
    EXPECT_EQ(Run(0), Status::Ok);
    ExpectJournal(context_.journal, {});

    context_.journal.entries.clear();
    context_.mixtures = {ComponentMixtures{u"nitrogen", u"Азотная", u"", 0, 0}, General(u"Азотная", 0),
                         ComponentMixtures{u"ethane", u"Неполная", u"", 0, 0}};
    EXPECT_EQ(Run(0), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfReferenceRange,
                                             {u"Азотная", DisplayName(u"ethane"), 20.0, 0.001, 15.0}),
                                     Message(kCalib, StringId::MixtureSumNot100, {u"Неполная", 80.0})});
}

TEST_F(CheckMixturesTest, ConditionallyConstantComponentsAreNotJudged) {
    host_.Add(u"Азотная", {{u"methane", 78.0, 0.1}, {u"ethane", 4.0, 0.08}, {u"nitrogen", 18.0, 1.0}});
    context_.mixtures = {General(u"Азотная", 0)};
    EXPECT_EQ(Run(0), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentOutOfReferenceRange,
                                             {u"Азотная", DisplayName(u"nitrogen"), 18.0, 0.005, 15.0}),
                                     Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"Азотная", DisplayName(u"nitrogen"), 1.0, 0.4})});
    context_.journal.entries.clear();
    context_.constants = {MixtureComponent{u"nitrogen", 1.0, 0.01, 2, 2}};
    EXPECT_EQ(Run(0), Status::Ok);
    ExpectJournal(context_.journal, {});
}

TEST_F(CheckMixturesTest, MethodBNeedsC6PlusStarInTheGeneralPgm) {
    host_.Add(u"ПГМ без С6+*", GoodMixture());
    context_.mixtures = {General(u"ПГМ без С6+*", 1)};
    EXPECT_EQ(Run(1), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureComponentMissing,
                                             {u"ПГМ без С6+*", DisplayName(u"c6plusstar")})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "В смеси \"ПГМ без С6+*\" отсутствует компонент \"С6+*\".");

    // Not with СО-ИПГ, not with method А, not for an assignment of one component.
    for (const auto& [method, assignment] :
         {std::pair{1, General(u"ПГМ без С6+*", 0)}, std::pair{0, General(u"ПГМ без С6+*", 1)},
          std::pair{1, ComponentMixtures{u"ethane", u"ПГМ без С6+*", u"", 1, 1}}}) {
        context_.journal.entries.clear();
        context_.mixtures = {assignment};
        EXPECT_EQ(Run(method), Status::Ok);
        ExpectJournal(context_.journal, {});
    }
}

TEST_F(CheckMixturesTest, TwoMixtureMethodsNeedIpgInTheGeneralAssignment) {
    host_.Add(u"Первая", GoodMixture());
    host_.Add(u"Вторая", GoodMixture());
    context_.mixtures = {General(u"Первая", 1, u"Вторая", 2)};
    EXPECT_EQ(Run(2), Status::Failed);
    ExpectJournal(
        context_.journal,
        {Message(kCalib, StringId::MixtureTypeNotSuitable, {u"Первая"}),
         Message(kCalib, StringId::MixtureComponentNotInReferenceTable, {u"Вторая", DisplayName(u"ethane")}),
         Message(kCalib, StringId::MixtureComponentNotInReferenceTable, {u"Вторая", DisplayName(u"propane")}),
         Message(kCalib, StringId::MixtureComponentNotInReferenceTable,
                 {u"Вторая", DisplayName(u"nitrogen")}),
         Message(kCalib, StringId::MixtureComponentNotInReferenceTable,
                 {u"Вторая", DisplayName(u"carbon_dioxide")}),
         Message(kCalib, StringId::MixtureTypeNotSuitable, {u"Вторая"})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "Тип смеси \"Первая\" не соответствует требованиям.");

    // An assignment of one component may use another type; methods А and Б take any type.
    for (const auto& [method, assignment] :
         {std::pair{3, ComponentMixtures{u"ethane", u"Первая", u"Первая", 1, 1}},
          std::pair{0, General(u"Первая", 1, u"Первая", 1)}}) {
        context_.journal.entries.clear();
        context_.mixtures = {assignment};
        EXPECT_EQ(Run(method), Status::Ok) << method;
        ExpectJournal(context_.journal, {});
    }
}

TEST_F(CheckMixturesTest, NonLinearComponentsNeedAMixtureOfTheirOwnWithTwoMixtureMethods) {
    host_.Add(u"Первая", GoodMixture());
    context_.settings.clbrCarbonDioxide = false;
    context_.settings.clbrNitrogen = false;
    context_.settings.clbrOxygen = false;
    context_.mixtures = {General(u"Первая", 0, u"Первая", 0)};
    EXPECT_EQ(Run(3), Status::Failed);
    ExpectJournal(
        context_.journal,
        {Message(kCalib, StringId::NoAdditionalCalibrationMixture, {DisplayName(u"carbon_dioxide")}),
         Message(kCalib, StringId::NoAdditionalCalibrationMixture, {DisplayName(u"nitrogen")}),
         Message(kCalib, StringId::NoAdditionalCalibrationMixture, {DisplayName(u"oxygen")})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[1].text),
              "Не указана дополнительная смесь для градуировки по компоненту \"Азот\".");

    // An assignment naming the component is enough, with or without mixtures; linear components need none.
    context_.journal.entries.clear();
    context_.settings.clbrOxygen = true;
    context_.mixtures.push_back(ComponentMixtures{u"nitrogen", u"", u"", 0, 0});
    context_.mixtures.push_back(ComponentMixtures{u"carbon_dioxide", u"Первая", u"Первая", 0, 0});
    EXPECT_EQ(Run(2), Status::Ok);
    ExpectJournal(context_.journal, {});

    // Methods А and Б never ask for them.
    context_.journal.entries.clear();
    context_.settings.clbrOxygen = false;
    EXPECT_EQ(Run(0), Status::Ok);
    ExpectJournal(context_.journal, {});
}

TEST_F(CheckMixturesTest, EveryAssignmentIsWalkedAfterAFailure) {
    host_.Add(u"Хорошая", GoodMixture());
    context_.mixtures = {General(u"Нет-1", 0), ComponentMixtures{u"ethane", u"Хорошая", u"Нет-2", 0, 0},
                         ComponentMixtures{u"propane", u"Нет-3", u"", 0, 0}};
    EXPECT_EQ(Run(2), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureDescriptionNotFound, {u"Нет-1"}),
                                     Message(kCalib, StringId::MixtureDescriptionNotFound, {u"Нет-2"}),
                                     Message(kCalib, StringId::MixtureDescriptionNotFound, {u"Нет-3"})});
}

TEST_F(CheckMixturesTest, InfiniteCertifiedValuesFailWithTheirMessages) {
    // The host's database keeps infinities (a NaN is stored as NULL and reads 0).
    const double inf = std::numeric_limits<double>::infinity();
    host_.Add(
        u"Бесконечная",
        {{u"methane", 91.5, 0.1}, {u"ethane", 4.0, inf}, {u"propane", -inf, 0.03}, {u"nitrogen", 2.0, 0.04}});
    context_.mixtures = {General(u"Бесконечная", 0)};
    EXPECT_EQ(Run(0), Status::Failed);
    ExpectJournal(context_.journal, {Message(kCalib, StringId::MixtureSumNot100, {u"Бесконечная", -inf}),
                                     Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"Бесконечная", DisplayName(u"ethane"), inf, 0.08}),
                                     Message(kCalib, StringId::MixtureComponentOutOfReferenceRange,
                                             {u"Бесконечная", DisplayName(u"propane"), -inf, 0.001, 6.0}),
                                     Message(kCalib, StringId::MixtureUncertaintyTooLarge,
                                             {u"Бесконечная", DisplayName(u"propane"), 0.03, -inf})});
}

TEST(CheckMixturesOfADatabase, MixtureWithoutComponentsFailsTheSumAndItsEmptyRow) {
    // The host's outer join gives one row of NULLs, read as "? " and zeros.
    testsupport::TempHostDatabase file("checks-empty-mixture");
    {
        sim::HostWriter writer(file.path());
        writer.CreateSchema(sim::SchemaOptions{24, true});
        writer.AddMixture(u"Пустая");
    }
    const testsupport::UseHostDatabase use(file);
    CalcContext context;
    context.mixtures = {General(u"Пустая", 0)};
    EXPECT_EQ(CheckMixtures(context), Status::Failed);
    ExpectJournal(context.journal,
                  {Message(kCalib, StringId::MixtureSumNot100, {u"Пустая", 0.0}),
                   Message(kCalib, StringId::MixtureComponentNotInReferenceTable, {u"Пустая", u"? "})});
}

} // namespace
