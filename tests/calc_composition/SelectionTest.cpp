#include <gtest/gtest.h>

#include <vector>

#include "CompositionTestSupport.h"
#include "calc/Status.h"
#include "calc/composition/MeasurementSelection.h"

namespace {

using comptest::ListedAssay;

TEST(SelectAnalysisAssays, TakesTheFirstIncludedAnalysisChromatogramsInListOrder) {
    CalcContext context;
    context.assays = {ListedAssay(1, AssayRole::Calibration),
                      ListedAssay(2, AssayRole::Analysis, false),
                      ListedAssay(3),
                      ListedAssay(4, AssayRole::Control),
                      ListedAssay(5),
                      ListedAssay(6)};
    std::vector<int64_t> ids;
    EXPECT_EQ(SelectAnalysisAssays(context, ids), Status::Ok);
    EXPECT_EQ(ids, (std::vector<int64_t>{3, 5}));
    EXPECT_TRUE(context.journal.entries.empty());

    context.settings.clcDeviceType = 1; // process chromatograph: one measurement
    EXPECT_EQ(SelectAnalysisAssays(context, ids), Status::Ok);
    EXPECT_EQ(ids, (std::vector<int64_t>{3}));
}

TEST(SelectAnalysisAssays, NoAnalysisChromatogramEndsQuietly) {
    CalcContext context;
    context.assays = {ListedAssay(1, AssayRole::Calibration), ListedAssay(2, AssayRole::Analysis, false)};
    std::vector<int64_t> ids;
    EXPECT_EQ(SelectAnalysisAssays(context, ids), Status::NoAnalysis);
    EXPECT_TRUE(ids.empty());
    EXPECT_TRUE(context.journal.entries.empty());

    context.settings.clcDeviceType = 1;
    EXPECT_EQ(SelectAnalysisAssays(context, ids), Status::NoAnalysis);
    EXPECT_TRUE(context.journal.entries.empty());
}

TEST(SelectAnalysisAssays, OneChromatogramIsTooFewForALaboratoryChromatograph) {
    CalcContext context;
    context.assays = {ListedAssay(7)};
    std::vector<int64_t> ids;
    EXPECT_EQ(SelectAnalysisAssays(context, ids), Status::Failed);
    ASSERT_EQ(context.journal.entries.size(), 1u);
    EXPECT_EQ(context.journal.entries[0].category, JournalCategory::Comp);
    EXPECT_EQ(context.journal.entries[0].text, u"Для анализа выбрано менее 2 хроматограмм.");
    EXPECT_EQ(context.journal.entries[0].text,
              LoadMessageText(StringId::NotEnoughAnalysisChromatograms, {2}));

    CalcContext process;
    process.settings.clcDeviceType = 1;
    process.assays = {ListedAssay(7)};
    EXPECT_EQ(SelectAnalysisAssays(process, ids), Status::Ok);
    EXPECT_EQ(ids, (std::vector<int64_t>{7}));
}

} // namespace
