// Choosing a batch of calibration or control chromatograms of a mixture from the chromatogram list.
#include <gtest/gtest.h>

#include <vector>

#include "CalibrationTestSupport.h"
#include "calc/calibration/CalibrationAssays.h"

namespace {

using calibtest::AddToList;

constexpr uint32_t kMorning = 1700000000;
constexpr uint32_t kNoon = 1700010000;
constexpr uint32_t kEvening = 1700020000;

std::vector<int64_t> Ids(int64_t first, int64_t count) {
    std::vector<int64_t> ids;
    for (int64_t id = first; id < first + count; ++id) {
        ids.push_back(id);
    }
    return ids;
}

TEST(AssaySelection, TakesTheFirstFullBatchOfOneStamp) {
    CalcContext context;
    AddToList(context, Ids(1, 3), AssayRole::Calibration, u"ГСО-1", kMorning);
    AddToList(context, Ids(10, 6), AssayRole::Calibration, u"ГСО-1", kNoon);
    AddToList(context, Ids(20, 5), AssayRole::Calibration, u"ГСО-1", kEvening);
    // The morning's three are dropped when the noon batch begins; the noon batch fills five first.
    EXPECT_EQ(SelectCalibrationAssays(context, u"ГСО-1", AssayRole::Calibration, 5), Ids(10, 5));
    EXPECT_EQ(SelectCalibrationAssays(context, u"ГСО-1", AssayRole::Calibration, 7), Ids(20, 5));
}

TEST(AssaySelection, WithoutAFullBatchTakesTheMatchesOfTheLastStamp) {
    CalcContext context;
    AddToList(context, Ids(1, 4), AssayRole::Calibration, u"ГСО-1", kMorning);
    AddToList(context, Ids(10, 2), AssayRole::Calibration, u"ГСО-1", kNoon);
    EXPECT_EQ(SelectCalibrationAssays(context, u"ГСО-1", AssayRole::Calibration, 5), Ids(10, 2));
    // Four chromatograms of which the last has another stamp: only that one counts.
    CalcContext four;
    AddToList(four, Ids(1, 3), AssayRole::Calibration, u"ГСО-1", kMorning);
    AddToList(four, Ids(4, 1), AssayRole::Calibration, u"ГСО-1", kNoon);
    EXPECT_EQ(SelectCalibrationAssays(four, u"ГСО-1", AssayRole::Calibration, 5), Ids(4, 1));
}

TEST(AssaySelection, MatchesTheMixtureNameExactly) {
    CalcContext context;
    AddToList(context, {1}, AssayRole::Calibration, u"ГСО-1", kMorning);
    AddToList(context, {2}, AssayRole::Calibration, u"гсо-1", kMorning);  // other letter case
    AddToList(context, {3}, AssayRole::Calibration, u"ГСО-1 ", kMorning); // longer
    AddToList(context, {4}, AssayRole::Calibration, u"ГСО-", kMorning);   // shorter
    AddToList(context, {5}, AssayRole::Calibration, u"ГСО-1", kMorning);
    EXPECT_EQ(SelectCalibrationAssays(context, u"ГСО-1", AssayRole::Calibration, 5),
              (std::vector<int64_t>{1, 5}));
    EXPECT_TRUE(SelectCalibrationAssays(context, u"", AssayRole::Calibration, 5).empty());
}

TEST(AssaySelection, SkipsExcludedEntriesAndOtherRolesWithoutBreakingTheBatch) {
    CalcContext context;
    AddToList(context, {1, 2}, AssayRole::Calibration, u"ГСО-1", kMorning);
    // Neither an excluded chromatogram nor one of another list starts a new batch, whatever its stamp.
    AddToList(context, {3}, AssayRole::Calibration, u"ГСО-1", kNoon, false);
    AddToList(context, {4}, AssayRole::Control, u"ГСО-1", kNoon);
    AddToList(context, {5}, AssayRole::Analysis, u"ГСО-1", kEvening);
    AddToList(context, {6}, AssayRole::Calibration, u"ГСО-2", kEvening);
    AddToList(context, {7}, AssayRole::Calibration, u"ГСО-1", kMorning);
    EXPECT_EQ(SelectCalibrationAssays(context, u"ГСО-1", AssayRole::Calibration, 5),
              (std::vector<int64_t>{1, 2, 7}));
    EXPECT_EQ(SelectCalibrationAssays(context, u"ГСО-1", AssayRole::Control, 5), (std::vector<int64_t>{4}));
}

TEST(AssaySelection, StopsAtTheMaximum) {
    CalcContext context;
    AddToList(context, Ids(1, 9), AssayRole::Control, u"ПГМ", kMorning);
    EXPECT_EQ(SelectCalibrationAssays(context, u"ПГМ", AssayRole::Control, 5), Ids(1, 5));
    EXPECT_EQ(SelectCalibrationAssays(context, u"ПГМ", AssayRole::Control, 7), Ids(1, 7));
    EXPECT_TRUE(SelectCalibrationAssays(CalcContext{}, u"ПГМ", AssayRole::Control, 5).empty());
}

TEST(AssaySelection, UsedWindowsAccumulateInCalibrationAssays) {
    CalcContext context;
    const std::vector<int64_t> first = {4, 5, 6};
    const std::vector<int64_t> second = {6, 9};
    AddCalibrationAssays(context, first);
    AddCalibrationAssays(context, second);
    EXPECT_EQ(context.calibrationAssays, (std::set<int64_t>{4, 5, 6, 9}));
}

} // namespace
