// The checks on databases of the chromatograph simulator: the reference mixtures it certifies for each
// method meet the requirements, and hostile databases end in clear failures or the loader's exception.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "Databases.h"
#include "ReferenceMixtures.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "data/SqlException.h"
#include "support/JournalExpectations.h"
#include "support/TempHostDatabase.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;
using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

// The journal's texts, one a line, for the message of a failed expectation.
std::string JournalOf(const CalcContext& context) {
    std::string text;
    for (const std::u16string& line : testsupport::JournalTexts(context)) {
        text += "  " + Utf16ToUtf8(line) + "\n";
    }
    return text;
}

std::vector<ComponentResult> RowsOf(const sim::GasComposition& gas, double lowerLimitMolPct = 0.0) {
    std::vector<ComponentResult> rows;
    for (const auto& component : gas) {
        ComponentResult row;
        row.id = component.id;
        row.molarFraction = component.molarPercent;
        row.lowerLimit = lowerLimitMolPct;
        rows.push_back(row);
    }
    return rows;
}

class DemoDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        database_ = new TempHostDatabase("checks-demo");
        manifest_ = new sim::DemoManifest(sim::MakeDemoDatabase(database_->path(), 20240611));
    }
    static void TearDownTestSuite() {
        delete manifest_;
        delete database_;
    }

    static ComponentMixtures GeneralOf(const sim::MethodRuns& runs) {
        ComponentMixtures assignment;
        assignment.first = runs.mixtures.at(0).name;
        assignment.firstType = static_cast<int32_t>(runs.mixtures.at(0).type);
        if (runs.mixtures.size() > 1) {
            assignment.second = runs.mixtures.at(1).name;
            assignment.secondType = static_cast<int32_t>(runs.mixtures.at(1).type);
        }
        return assignment;
    }

    static TempHostDatabase* database_;
    static sim::DemoManifest* manifest_;
    const UseHostDatabase use_{*database_};
};
TempHostDatabase* DemoDatabaseTest::database_ = nullptr;
sim::DemoManifest* DemoDatabaseTest::manifest_ = nullptr;

TEST_F(DemoDatabaseTest, CertifiedMixturesOfEveryMethodMeetTheRequirements) {
    for (int32_t method = 0; method < 4; ++method) {
        CalcContext context;
        context.settings.clbrCalcMethod = method;
        context.mixtures = {GeneralOf(manifest_->methods[static_cast<size_t>(method)])};
        EXPECT_EQ(CheckMixtures(context), Status::Ok) << "method " << method;
        ExpectJournal(context.journal, {});
    }
}

TEST_F(DemoDatabaseTest, CalibrationRangeMixturesBracketTheGas) {
    for (const int32_t method : {2, 3}) {
        CalcContext context;
        context.settings.clbrCalcMethod = method;
        // Methods В measure from 0.005 mol % (n-octane, at 0.0042 mol %, lies below).
        context.components = RowsOf(manifest_->gas[0], 0.005);
        const ComponentMixtures assignment = GeneralOf(manifest_->methods[static_cast<size_t>(method)]);
        EXPECT_TRUE(CheckMixtureRanges(context, assignment.first, 0, assignment)) << method;
        EXPECT_TRUE(CheckMixtureRanges(context, assignment.second, 1, assignment)) << method;
        ExpectJournal(context.journal, {});
        // Swapped, every component that both mixtures certify lies outside.
        EXPECT_FALSE(CheckMixtureRanges(context, assignment.second, 0, assignment)) << method;
    }
}

TEST_F(DemoDatabaseTest, MixtureNearTheGasSuitsIt) {
    ASSERT_TRUE(Gost31371().loaded);
    for (const int32_t method : {0, 1}) {
        CalcContext context;
        context.settings.clbrCalcMethod = method;
        context.components = RowsOf(manifest_->gas[0]);
        context.mixtures = {GeneralOf(manifest_->methods[static_cast<size_t>(method)])};
        EXPECT_EQ(CheckMixtureAgainstGas(context), Status::Ok) << method;
        ExpectJournal(context.journal, {});
    }
}

TEST_F(DemoDatabaseTest, ControlOfTheResultReadsTheMixtureRecordedWithTheAnalysis) {
    const sim::ReferenceMixture& mixture = manifest_->methods[0].mixtures.front();
    CalcContext context;
    for (const int64_t id : manifest_->mixtureAnalyses) {
        Assay assay;
        assay.included = true;
        assay.id = id;
        assay.mixture = mixture.name;
        context.assays.push_back(assay);
        context.measurements.push_back(Measurement{id, {}, {}});
    }
    // Results 0.1 % above the certified values with an uncertainty of 0.2 %; one 1 % above.
    context.settings.clcMethaneDiff = false;
    for (const sim::CertifiedValue& value : mixture.values) {
        ComponentResult row;
        row.id = value.id;
        row.molarFraction = value.concentration * (value.id == u"propane" ? 1.01 : 1.001);
        row.uncertainty = value.concentration * 0.002;
        context.components.push_back(row);
    }
    EXPECT_EQ(RunControlCheck(context), Status::Failed);
    const sim::CertifiedValue* propane = nullptr;
    for (size_t i = 0; i < mixture.values.size(); ++i) {
        const sim::CertifiedValue& value = mixture.values[i];
        const ComponentResult& row = context.components[i];
        EXPECT_EQ(row.referenceValue, value.concentration) << Utf16ToUtf8(value.id);
        EXPECT_EQ(row.referenceDecimals, value.decimals) << Utf16ToUtf8(value.id);
        EXPECT_EQ(row.accepted, value.id != u"propane" && row.molarFraction > 0.01) << Utf16ToUtf8(value.id);
        if (value.id == u"propane") {
            propane = &value;
        }
    }
    ASSERT_NE(propane, nullptr);
    ExpectJournal(context.journal, {Message(JournalCategory::Mix, StringId::ResultControlFailed,
                                            {mixture.name, DisplayName(u"propane"),
                                             propane->concentration * 1.01 - propane->concentration,
                                             propane->concentration * 0.002})});
}

class HostileDatabaseTest : public ::testing::TestWithParam<sim::HostileKind> {};

// Every check either raises the loaders' exception or ends with a status its journal explains.
TEST_P(HostileDatabaseTest, ChecksFailClearlyOrRaiseTheDatabaseException) {
    const TempHostDatabase database("checks-hostile-" + std::string(sim::NameOf(GetParam())));
    sim::MakeHostileDatabase(database.path(), GetParam());
    const UseHostDatabase use(database);
    CalcContext context;
    context.settings.clbrCarbonDioxide = false;
    context.mixtures = {ComponentMixtures{u"", u"Смесь", u"Смесь", 0, 1}};
    Assay assay;
    assay.id = 1;
    assay.mixture = u"Смесь";
    context.assays = {assay};
    context.measurements = {Measurement{1, {}, {}}};
    ComponentResult row;
    row.id = u"nitrogen";
    row.molarFraction = 1.0;
    context.components = {row, row};
    context.components[0].id = u"methane";

    auto judge = [&](const char* check, auto&& run) {
        context.journal.entries.clear();
        try {
            const bool passed = run();
            EXPECT_EQ(passed, context.journal.entries.empty()) << check << "\n" << JournalOf(context);
        } catch (const DataBase::SqlException&) {
            EXPECT_TRUE(context.journal.entries.empty()) << check;
        }
    };
    for (const int32_t method : {0, 1, 2, 3}) {
        context.settings.clbrCalcMethod = method;
        judge("CheckMixtures", [&] { return CheckMixtures(context) == Status::Ok; });
        judge("RunControlCheck", [&] { return RunControlCheck(context) == Status::Ok; });
        judge("CheckMixtureRanges",
              [&] { return CheckMixtureRanges(context, u"Смесь", 0, context.mixtures[0]); });
        judge("CheckMixtureAgainstGas", [&] { return CheckMixtureAgainstGas(context) == Status::Ok; });
    }
}

INSTANTIATE_TEST_SUITE_P(AllKinds, HostileDatabaseTest, ::testing::ValuesIn(sim::kHostileKinds),
                         [](const ::testing::TestParamInfo<sim::HostileKind>& info) {
                             std::string name(sim::NameOf(info.param));
                             for (char& c : name) {
                                 if (c == '-') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

TEST(HostileMixtureTest, InfiniteAndOverflowingCertifiedValuesFailWithTheirMessages) {
    // The mixture "Смесь" of that database: methane +inf, nitrogen -1e308 with an uncertainty of 1e308.
    const TempHostDatabase database("checks-non-finite");
    sim::MakeHostileDatabase(database.path(), sim::HostileKind::NonFiniteNumbers);
    const UseHostDatabase use(database);
    CalcContext context;
    context.mixtures = {ComponentMixtures{u"", u"Смесь", u"", 0, 0}};
    EXPECT_EQ(CheckMixtures(context), Status::Failed);
    const double inf = std::numeric_limits<double>::infinity();
    const uint32_t calib = JournalCategory::Calib;
    ExpectJournal(context.journal, {Message(calib, StringId::MixtureSumNot100, {u"Смесь", inf}),
                                    Message(calib, StringId::MixtureComponentOutOfReferenceRange,
                                            {u"Смесь", DisplayName(u"nitrogen"), -1e308, 0.005, 15.0}),
                                    Message(calib, StringId::MixtureUncertaintyTooLarge,
                                            {u"Смесь", DisplayName(u"nitrogen"), 1e308, -2e306})});
}

} // namespace
