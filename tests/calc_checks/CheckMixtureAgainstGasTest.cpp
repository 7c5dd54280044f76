// Methods А and Б: the calibration mixture against the analysed gas, component by component, by the
// calculation library's rule (its README: the certified fraction must lie in [x/2, 2x], at most 100).
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "CheckTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "support/JournalExpectations.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using checkstest::MixtureRecords;
using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;

constexpr uint32_t kMix = JournalCategory::Mix;

ComponentResult GasRow(std::u16string id, double x, double uncertainty, double lowerLimit = 0.001) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = x;
    row.uncertainty = uncertainty;
    row.lowerLimit = lowerLimit;
    return row;
}

class CheckMixtureAgainstGasTest : public ::testing::Test {
protected:
    CheckMixtureAgainstGasTest() {
        host_.Attach(context_);
        host_.Add(u"ГСО", {{u"methane", 80.0, 0.2},
                           {u"ethane", 4.5, 0.08},
                           {u"propane", 2.5, 0.05},
                           {u"n_hexane", 0.3, 0.01},
                           {u"nitrogen", 1.0, 0.03},
                           {u"helium", 0.01, 0.001}});
        context_.mixtures = {ComponentMixtures{u"nitrogen", u"Другая", u"", 0, 0},
                             ComponentMixtures{u"", u"ГСО", u"", 0, 0},
                             ComponentMixtures{u"", u"Третья", u"", 0, 0}};
        context_.components = {GasRow(u"methane", 92.0, 0.3), GasRow(u"ethane", 4.0, 0.06),
                               GasRow(u"propane", 2.0, 0.03), GasRow(u"c6plus", 0.2, 0.01),
                               GasRow(u"nitrogen", 1.5, 0.04)};
    }

    void SetUp() override {
        ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library is not beside the tests";
    }

    MixtureRecords host_;
    CalcContext context_;
};

TEST_F(CheckMixtureAgainstGasTest, MixtureWithinAFactorOfTwoOfTheGasPasses) {
    for (const int32_t method : {0, 1}) {
        context_.settings.clbrCalcMethod = method;
        EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Ok) << method;
        ExpectJournal(context_.journal, {});
    }
    EXPECT_EQ(context_.components[0].uncertainty, 0.3);
}

TEST_F(CheckMixtureAgainstGasTest, ComponentThatTheMixtureDoesNotSuitLosesItsUncertainty) {
    // Propane: 2.5 mol % certified against 1 mol % in the gas, above 2·1. С6+, certified as n-hexane
    // 0.3 mol %, against 0.1 mol %: above 0.2.
    context_.components[2].molarFraction = 1.0;
    context_.components[3].molarFraction = 0.1;
    for (const int32_t method : {0, 1}) {
        CalcContext context = context_;
        context.settings.clbrCalcMethod = method;
        EXPECT_EQ(CheckMixtureAgainstGas(context), Status::Failed) << method;
        ExpectJournal(context.journal, {Message(kMix, StringId::CalibrationMixtureDoesNotSuitGas,
                                                {u"ГСО", DisplayName(u"propane"), 2.5, 0.5, 2.0}),
                                        Message(kMix, StringId::CalibrationMixtureDoesNotSuitGas,
                                                {u"ГСО", DisplayName(u"c6plus"), 0.3, 0.05, 0.2})});
        EXPECT_EQ(Utf16ToUtf8(context.journal.entries[0].text),
                  "Градуировочная смесь \"ГСО\" не соответствует анализируемому газу, компонент \"Пропан\" "
                  "[2.500000] вне диапазона [0.500000-2.000000].");
        const double expected[] = {0.0, 0.06, 0.0, 0.0, 0.04}; // methane by difference loses it too
        for (size_t i = 0; i < std::size(expected); ++i) {
            EXPECT_EQ(context.components[i].uncertainty, expected[i])
                << Utf16ToUtf8(context.components[i].id);
        }
    }
}

TEST_F(CheckMixtureAgainstGasTest, NormalisedMethaneKeepsItsUncertainty) {
    context_.settings.clcMethaneDiff = false;
    context_.components[2].molarFraction = 5.5; // 2.5 < 5.5 / 2
    EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Failed);
    ExpectJournal(context_.journal, {Message(kMix, StringId::CalibrationMixtureDoesNotSuitGas,
                                             {u"ГСО", DisplayName(u"propane"), 2.5, 2.75, 11.0})});
    EXPECT_EQ(context_.components[0].uncertainty, 0.3);
    EXPECT_EQ(context_.components[2].uncertainty, 0.0);
}

TEST_F(CheckMixtureAgainstGasTest, RowsThatAreNotJudged) {
    context_.components = {
        GasRow(u"methane", 20.0, 0.3),          // methane is never judged
        GasRow(u"ethane", 40.0, 0.3, 0.0),      // fixed
        GasRow(u"propane", 0.0009, 0.0, 0.001), // below its lower limit
        GasRow(u"n_butane", 5.0, 0.1),          // not in the mixture
        GasRow(u"helium", 0.01, 0.001, 0.01),   // on its lower limit: judged, and suits
    };
    context_.components[1].fixed = true;
    EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_EQ(context_.components[1].uncertainty, 0.3);
}

TEST_F(CheckMixtureAgainstGasTest, RunsOnlyForMethodsAAndBWithItsSetting) {
    context_.components[2].molarFraction = 10.0; // would fail
    context_.mixtures[1].first = u"Нет в базе";  // and would be read
    int reads = 0;
    context_.sources = checkstest::CountingSources(reads);
    for (const int32_t method : {2, 3, 4, -1}) {
        context_.settings.clbrCalcMethod = method;
        EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Ok) << method;
    }
    context_.settings.clbrCalcMethod = 0;
    context_.settings.clcMixtureConformity = false;
    EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Ok);
    // Without a general assignment there is nothing to check.
    context_.settings.clcMixtureConformity = true;
    context_.mixtures = {ComponentMixtures{u"propane", u"ГСО", u"", 0, 0}};
    EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_EQ(context_.components[2].uncertainty, 0.03);
    EXPECT_EQ(reads, 0);
}

TEST_F(CheckMixtureAgainstGasTest, MixtureMissingFromTheDatabaseChecksNothing) {
    context_.mixtures[1].first = u"Нет в базе";
    context_.components[2].molarFraction = 10.0;
    EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
}

TEST_F(CheckMixtureAgainstGasTest, ValuesThatAreNotNumbersOrZeroFail) {
    // The library cannot judge a fraction that is not a positive number: false with both bounds 0.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    context_.components = {GasRow(u"ethane", nan, 0.06), GasRow(u"propane", 0.0, 0.03, 0.0),
                           GasRow(u"nitrogen", std::numeric_limits<double>::infinity(), 0.04)};
    EXPECT_EQ(CheckMixtureAgainstGas(context_), Status::Failed);
    ExpectJournal(context_.journal, {Message(kMix, StringId::CalibrationMixtureDoesNotSuitGas,
                                             {u"ГСО", DisplayName(u"ethane"), 4.5, 0.0, 0.0}),
                                     Message(kMix, StringId::CalibrationMixtureDoesNotSuitGas,
                                             {u"ГСО", DisplayName(u"propane"), 2.5, 0.0, 0.0}),
                                     Message(kMix, StringId::CalibrationMixtureDoesNotSuitGas,
                                             {u"ГСО", DisplayName(u"nitrogen"), 1.0, 0.0, 0.0})});
    for (const ComponentResult& row : context_.components) {
        EXPECT_EQ(row.uncertainty, 0.0) << Utf16ToUtf8(row.id);
    }
}

} // namespace
