// The chromatograms of the host's assay table grouped into calibrations: runs of one mixture on one day,
// cut into groups of the method's count, what is left over, and the pairs of methods В1 and В2.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/stability/CalibrationGroups.h"

namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kMonday = 1709510400; // 2024-03-04 00:00 UTC

// "X" and "Y" are two mixtures; each row: mixture, day, minutes after 06:00.
struct Row {
    const char16_t* mixture;
    int64_t day;
    int64_t minutes;
};

std::vector<HostCalibrationRow> RowsOf(const std::vector<Row>& rows) {
    std::vector<HostCalibrationRow> result;
    int64_t id = 100;
    for (const Row& row : rows) {
        result.push_back({++id, kMonday + row.day * kDay + 6 * 3600 + row.minutes * 60, row.mixture});
    }
    return result;
}

struct GroupingCase {
    const char* name;
    std::vector<Row> rows;
    size_t count;
    std::vector<std::vector<int64_t>> groups; // ids of the groups of mixture X
    int32_t leftOver;
};

TEST(CalibrationGroups, RunsOfOneMixtureOnOneDayCutIntoGroups) {
    const std::vector<std::u16string> wanted = {u"X"};
    const GroupingCase cases[] = {
        {"one calibration", {{u"X", 0, 0}, {u"X", 0, 10}, {u"X", 0, 20}}, 3, {{101, 102, 103}}, 0},
        {"a partial group is left over",
         {{u"X", 0, 0}, {u"X", 0, 10}, {u"X", 0, 20}, {u"X", 0, 30}, {u"X", 0, 40}},
         3,
         {{101, 102, 103}},
         2},
        {"two full groups in a run",
         {{u"X", 0, 0}, {u"X", 0, 1}, {u"X", 0, 2}, {u"X", 0, 3}},
         2,
         {{101, 102}, {103, 104}},
         0},
        {"another mixture between breaks the run",
         {{u"X", 0, 0}, {u"X", 0, 10}, {u"Y", 0, 20}, {u"X", 0, 30}, {u"X", 0, 40}, {u"X", 0, 50}},
         3,
         {{104, 105, 106}},
         2},
        {"two mixtures in one day, one after the other",
         {{u"X", 0, 0}, {u"X", 0, 10}, {u"X", 0, 20}, {u"Y", 0, 30}, {u"Y", 0, 40}, {u"Y", 0, 50}},
         3,
         {{101, 102, 103}},
         0},
        {"midnight ends a run",
         {{u"X", 0, 17 * 60 + 50},
          {u"X", 0, 17 * 60 + 59},
          {u"X", 1, -6 * 60 + 5},
          {u"X", 1, 0},
          {u"X", 1, 10}},
         3,
         {{103, 104, 105}},
         2},
        {"days apart",
         {{u"X", 0, 0}, {u"X", 0, 10}, {u"X", 3, 0}, {u"X", 3, 10}},
         2,
         {{101, 102}, {103, 104}},
         0},
        {"nothing of the mixture", {{u"Y", 0, 0}, {u"Y", 0, 10}, {u"Y", 0, 20}}, 3, {}, 0},
    };
    for (const GroupingCase& c : cases) {
        const std::vector<HostCalibrationRow> rows = RowsOf(c.rows);
        const CalibrationGrouping grouping = GroupCalibrationRuns(rows, c.count, wanted);
        std::vector<std::vector<int64_t>> ids;
        for (const CalibrationGroup& group : grouping.groups) {
            EXPECT_EQ(group.mixture, u"X") << c.name;
            ids.push_back(group.ids);
        }
        EXPECT_EQ(ids, c.groups) << c.name;
        EXPECT_EQ(grouping.leftOver, c.leftOver) << c.name;
    }
}

TEST(CalibrationGroups, GroupsAreDatedByTheirFirstChromatogram) {
    const std::vector<HostCalibrationRow> rows = RowsOf({{u"X", 2, 5}, {u"X", 2, 15}});
    const std::vector<std::u16string> wanted = {u"X"};
    const CalibrationGrouping grouping = GroupCalibrationRuns(rows, 2, wanted);
    ASSERT_EQ(grouping.groups.size(), 1u);
    EXPECT_EQ(grouping.groups[0].date, kMonday + 2 * kDay + 6 * 3600 + 5 * 60);
}

TEST(CalibrationGroups, TwoMixtureCalibrationsPairOnTheSameDay) {
    // Day 0: X, Y, X, Y (two calibrations); day 1: X alone; day 2: Y, X (one, dated by Y).
    const std::vector<HostCalibrationRow> rows = RowsOf({{u"X", 0, 0},
                                                         {u"X", 0, 1},
                                                         {u"Y", 0, 2},
                                                         {u"Y", 0, 3},
                                                         {u"X", 0, 4},
                                                         {u"X", 0, 5},
                                                         {u"Y", 0, 6},
                                                         {u"Y", 0, 7},
                                                         {u"X", 1, 0},
                                                         {u"X", 1, 1},
                                                         {u"Y", 2, 0},
                                                         {u"Y", 2, 1},
                                                         {u"X", 2, 2},
                                                         {u"X", 2, 3}});
    const std::vector<std::u16string> wanted = {u"X", u"Y"};
    const CalibrationGrouping grouping = GroupCalibrationRuns(rows, 2, wanted);
    int32_t unpaired = -1;
    const std::vector<CalibrationPair> pairs = PairCalibrationGroups(grouping, u"X", u"Y", unpaired);
    ASSERT_EQ(pairs.size(), 3u);
    EXPECT_EQ(pairs[0].first, (std::vector<int64_t>{101, 102}));
    EXPECT_EQ(pairs[0].second, (std::vector<int64_t>{103, 104}));
    EXPECT_EQ(pairs[1].first, (std::vector<int64_t>{105, 106}));
    EXPECT_EQ(pairs[1].second, (std::vector<int64_t>{107, 108}));
    EXPECT_EQ(pairs[2].first, (std::vector<int64_t>{113, 114}));
    EXPECT_EQ(pairs[2].date, rows[10].date);
    EXPECT_EQ(unpaired, 2);
}

TEST(CalibrationGroups, UtcDaysBeforeNineteenSeventy) {
    EXPECT_EQ(UtcDayOf(0), 0);
    EXPECT_EQ(UtcDayOf(kDay - 1), 0);
    EXPECT_EQ(UtcDayOf(-1), -1);
    EXPECT_EQ(UtcDayOf(-kDay), -1);
    EXPECT_EQ(UtcDayOf(-kDay - 1), -2);
}

} // namespace
