// Control of the result: a reference mixture analysed as a sample, each measured fraction against its
// certified value within the expanded uncertainty.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "CheckTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "support/JournalExpectations.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using checkstest::MixtureRecords;
using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::Message;

constexpr uint32_t kMix = JournalCategory::Mix;

ComponentResult Row(std::u16string id, double x, double uncertainty, bool fixed = false) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = x;
    row.uncertainty = uncertainty;
    row.fixed = fixed;
    return row;
}

Assay AnalysisOf(int64_t id, std::u16string mixture, int32_t role = 0) {
    Assay assay;
    assay.included = true;
    assay.id = id;
    assay.role = role;
    assay.mixture = std::move(mixture);
    return assay;
}

class RunControlCheckTest : public ::testing::Test {
protected:
    RunControlCheckTest() {
        host_.Attach(context_);
        host_.Add(u"Контрольная", {{u"methane", 92.0, 0.2, 2},
                                   {u"ethane", 4.0, 0.08, 2},
                                   {u"propane", 1.0, 0.03, 3},
                                   {u"n_hexane", 1.25, 0.04, 2},
                                   {u"helium", 0.008, 0.001, 4},
                                   {u"nitrogen", 1.742, 0.04, 3}});
        context_.measurements = {Measurement{17, {}, {}}, Measurement{18, {}, {}}};
        context_.assays = {AnalysisOf(16, u"Другая"), AnalysisOf(17, u"Контрольная"), AnalysisOf(18, u"")};
    }

    MixtureRecords host_;
    CalcContext context_;
};

TEST_F(RunControlCheckTest, JudgesEachMeasuredComponentAgainstItsCertifiedValue) {
    context_.components = {
        Row(u"methane", 92.5, 0.0),        // by difference: not judged, no reference value
        Row(u"ethane", 4.02, 0.05),        // |0.02| ≤ 0.05
        Row(u"propane", 1.1, 0.05),        // |0.1| > 0.05
        Row(u"c6", 1.5, 0.25),             // certified as n-hexane: |1.5 − 1.25| = 0.25, equal passes
        Row(u"helium", 0.01, 0.0),         // at 0.01 mol %: never judged, reference value still recorded
        Row(u"nitrogen", 1.0, 0.01, true), // conditionally constant: passed over
        Row(u"argon", 0.5, 0.01),          // not in the mixture
    };
    context_.components[4].accepted = true;
    EXPECT_EQ(RunControlCheck(context_), Status::Failed);
    ExpectJournal(context_.journal, {Message(kMix, StringId::ResultControlFailed,
                                             {u"Контрольная", DisplayName(u"propane"), 0.1, 0.05})});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text),
              "В смеси \"Контрольная\" для компонента \"Пропан\" не пройден контроль правильности результата "
              "измерения молярной доли [0.100000 > 0.050000].");

    struct Expected {
        bool accepted;
        double reference;
        int32_t decimals;
    };
    const Expected expected[] = {
        {false, 0.0, -1}, {true, 4.0, 2},   {false, 1.0, 3},  {true, 1.25, 2},
        {true, 0.008, 4}, {false, 0.0, -1}, {false, 0.0, -1},
    };
    ASSERT_EQ(context_.components.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const ComponentResult& row = context_.components[i];
        EXPECT_EQ(row.accepted, expected[i].accepted) << Utf16ToUtf8(row.id);
        EXPECT_EQ(row.referenceValue, expected[i].reference) << Utf16ToUtf8(row.id);
        EXPECT_EQ(row.referenceDecimals, expected[i].decimals) << Utf16ToUtf8(row.id);
    }
}

TEST_F(RunControlCheckTest, PassingControlOverwritesTheAcceptanceAndSucceeds) {
    context_.components = {Row(u"ethane", 4.05, 0.05), Row(u"propane", 0.98, 0.03)};
    EXPECT_EQ(RunControlCheck(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_TRUE(context_.components[0].accepted);
    EXPECT_TRUE(context_.components[1].accepted);
}

TEST_F(RunControlCheckTest, MethaneIsJudgedWhenNormalised) {
    context_.settings.clcMethaneDiff = false;
    context_.components = {Row(u"methane", 92.5, 0.3)};
    EXPECT_EQ(RunControlCheck(context_), Status::Failed);
    ExpectJournal(context_.journal, {Message(kMix, StringId::ResultControlFailed,
                                             {u"Контрольная", DisplayName(u"methane"), 0.5, 0.3})});
    EXPECT_EQ(context_.components[0].referenceValue, 92.0);
}

TEST_F(RunControlCheckTest, OlderDatabasesGiveNoDecimals) {
    MixtureRecords old(22);
    old.Add(u"Контрольная", {{u"ethane", 4.0, 0.08, 2}});
    old.Attach(context_);
    context_.components = {Row(u"ethane", 4.0, 0.05)};
    EXPECT_EQ(RunControlCheck(context_), Status::Ok);
    EXPECT_EQ(context_.components[0].referenceValue, 4.0);
    EXPECT_EQ(context_.components[0].referenceDecimals, -1);
}

TEST_F(RunControlCheckTest, NothingToControl) {
    context_.components = {Row(u"propane", 1.1, 0.05)};
    // Off.
    context_.settings.clcControl = false;
    EXPECT_EQ(RunControlCheck(context_), Status::Ok);
    context_.settings.clcControl = true;
    // No measurement.
    std::vector<Measurement> measurements = context_.measurements;
    context_.measurements.clear();
    EXPECT_EQ(RunControlCheck(context_), Status::Ok);
    // The first measurement is not in the list of analysis chromatograms (here only as a control one).
    context_.measurements = measurements;
    context_.assays = {AnalysisOf(17, u"Контрольная", 2), AnalysisOf(18, u"Контрольная")};
    EXPECT_EQ(RunControlCheck(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_EQ(context_.components[0].referenceDecimals, -1);
    EXPECT_FALSE(context_.components[0].accepted);
}

TEST_F(RunControlCheckTest, AnalysisWithoutMixtureFails) {
    context_.measurements = {Measurement{18, {}, {}}};
    context_.components = {Row(u"propane", 1.1, 0.05)};
    EXPECT_EQ(RunControlCheck(context_), Status::Failed);
    ExpectJournal(context_.journal, {Message(JournalCategory::Comp, StringId::NoMixtureForAnalysis)});
    EXPECT_EQ(Utf16ToUtf8(context_.journal.entries[0].text), "Для анализа неуказана смесь ГСО");
}

TEST_F(RunControlCheckTest, MixtureMissingFromTheDatabaseControlsNothing) {
    context_.assays[1].mixture = u"Нет такой";
    context_.components = {Row(u"propane", 1.1, 0.05)};
    EXPECT_EQ(RunControlCheck(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_EQ(context_.components[0].referenceDecimals, -1);
}

TEST_F(RunControlCheckTest, ValuesThatAreNotNumbersFailTheControl) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    context_.components = {Row(u"ethane", nan, 0.05), Row(u"propane", 1.0, nan), Row(u"n_hexane", 1.3, inf),
                           Row(u"methane", 92.0, 0.0)};
    context_.settings.clcMethaneDiff = false;
    EXPECT_EQ(RunControlCheck(context_), Status::Failed);
    // Methane, with a zero uncertainty and an exact result, passes.
    ExpectJournal(
        context_.journal,
        {Message(kMix, StringId::ResultControlFailed, {u"Контрольная", DisplayName(u"ethane"), nan, 0.05}),
         Message(kMix, StringId::ResultControlFailed, {u"Контрольная", DisplayName(u"propane"), 0.0, nan}),
         Message(kMix, StringId::ResultControlFailed,
                 {u"Контрольная", DisplayName(u"n_hexane"), 1.3 - 1.25, inf})});
    EXPECT_FALSE(context_.components[0].accepted);
    EXPECT_FALSE(context_.components[1].accepted);
    EXPECT_FALSE(context_.components[2].accepted);
    EXPECT_TRUE(context_.components[3].accepted);
}

} // namespace
