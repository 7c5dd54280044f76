#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "calc/composition/HeavyHydrocarbons.h"

namespace {

ComponentResult Peak(std::u16string_view id, double time, double area, double height) {
    ComponentResult peak;
    peak.id = id;
    peak.time = time;
    peak.area = area;
    peak.height = height;
    return peak;
}

struct Expected {
    std::u16string_view id;
    double time;
    double area;
    double height;
};

void ExpectPeaks(const std::vector<ComponentResult>& peaks, const std::vector<Expected>& expected) {
    ASSERT_EQ(peaks.size(), expected.size());
    size_t i = 0;
    for (const Expected& e : expected) {
        EXPECT_EQ(peaks[i].id, e.id) << "peak " << i;
        EXPECT_DOUBLE_EQ(peaks[i].time, e.time) << "peak " << i;
        EXPECT_DOUBLE_EQ(peaks[i].area, e.area) << "peak " << i;
        EXPECT_DOUBLE_EQ(peaks[i].height, e.height) << "peak " << i;
        ++i;
    }
}

TEST(GroupHeavyHydrocarbons, C6PlusTakesEverythingHeavierThanPentane) {
    std::vector<ComponentResult> peaks = {
        Peak(u"methane", 2.0, 1000, 10),      Peak(u"n_pentane", 9.0, 50, 5),
        Peak(u"2_methylpentane", 10.3, 7, 3), Peak(u"benzene", 12.4, 2, 1),
        Peak(u"n_hexane", 11.2, 11, 4),       Peak(u"toluene", 15.1, 1, 0.5),
        Peak(u"? Пик 1", 16.0, 9, 2),         Peak(u"nonane", 18.0, 0.5, 0.1),
    };
    GroupHeavyHydrocarbons(peaks, HeavyGroupMode::C6Plus);
    // Benzene (78.1) and toluene are heavier than n-pentane (72.15); an unknown peak has no molar mass.
    ExpectPeaks(peaks, {{u"methane", 2.0, 1000, 10},
                        {u"n_pentane", 9.0, 50, 5},
                        {u"? Пик 1", 16.0, 9, 2},
                        {u"c6plus", 10.3, 7 + 2 + 11 + 1 + 0.5, 3}});
}

TEST(GroupHeavyHydrocarbons, C6C7C8ByCarbonNumberWithTheAromaticsApart) {
    std::vector<ComponentResult> peaks = {
        Peak(u"cyclohexane", 9.5, 3, 1),         // 84.16, six carbons: С6
        Peak(u"n_octane", 16.7, 4, 2),           // С8
        Peak(u"n_hexane", 11.2, 10, 5),          // С6
        Peak(u"benzene", 12.4, 6, 3),            // determined as itself
        Peak(u"methylcyclohexane", 13.0, 2, 1),  // 98.19, seven carbons: С7
        Peak(u"n_heptane", 13.8, 8, 4),          // С7
        Peak(u"toluene", 15.1, 5, 2),            // determined as itself
        Peak(u"ethylcyclohexane", 16.0, 1, 0.5), // 112.2, eight carbons: С8
        Peak(u"nonane", 18.0, 0.7, 0.2),         // С9: with the heaviest group, С8
        Peak(u"c6", 11.0, 0.25, 0.1),            // an earlier group peak joins its own group
        Peak(u"2-butanethiol", 12.0, 0.3, 0.1),  // 90.19, a sulphur compound: stays
    };
    GroupHeavyHydrocarbons(peaks, HeavyGroupMode::C6C7C8);
    ExpectPeaks(peaks, {{u"benzene", 12.4, 6, 3},
                        {u"toluene", 15.1, 5, 2},
                        {u"2-butanethiol", 12.0, 0.3, 0.1},
                        {u"c6", 9.5, 3 + 10 + 0.25, 1},
                        {u"c7", 13.0, 2 + 8, 1},
                        {u"c8", 16.7, 4 + 1 + 0.7, 2}});
}

TEST(GroupHeavyHydrocarbons, GroupKeepsTimeOfFirstMemberMetWhileItsAreaIsZero) {
    std::vector<ComponentResult> peaks = {
        Peak(u"n_hexane", 11.2, 0.0, 0.0),
        Peak(u"2_methylpentane", 10.3, 5, 2),
        Peak(u"3_methylpentane", 10.6, 6, 3),
    };
    GroupHeavyHydrocarbons(peaks, HeavyGroupMode::C6C7C8);
    ExpectPeaks(peaks, {{u"c6", 10.3, 11, 2}});
}

// Hosts store peaks integrated by hand without a retention time (NULL, read as 0); such peaks come first
// in order of time. Their area still belongs to the group, which takes the first time there is.
TEST(GroupHeavyHydrocarbons, PeaksWithoutRetentionTimeKeepTheirGroup) {
    struct Case {
        const char* name;
        HeavyGroupMode mode;
        std::vector<ComponentResult> peaks;
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {"the only member has no time",
         HeavyGroupMode::C6C7C8,
         {Peak(u"n_heptane", 0.0, 1410, 0), Peak(u"methane", 2.0, 100, 1), Peak(u"n_octane", 16.7, 3, 1)},
         {{u"methane", 2.0, 100, 1}, {u"c7", 0.0, 1410, 0}, {u"c8", 16.7, 3, 1}}},
        {"a later member gives the time",
         HeavyGroupMode::C6C7C8,
         {Peak(u"n_heptane", 0.0, 5, 0), Peak(u"methylcyclohexane", 13.0, 2, 1)},
         {{u"c7", 13.0, 7, 1}}},
        {"a member with a time but no area still gives the time",
         HeavyGroupMode::C6Plus,
         {Peak(u"n_hexane", 0.0, 5, 1), Peak(u"n_heptane", 13.8, 0, 0), Peak(u"ethane", 3.0, 50, 1)},
         {{u"ethane", 3.0, 50, 1}, {u"c6plus", 13.8, 5, 0}}},
        {"neither time nor area: nothing to keep",
         HeavyGroupMode::C6Plus,
         {Peak(u"n_hexane", 0.0, 0, 0), Peak(u"ethane", 3.0, 50, 1)},
         {{u"ethane", 3.0, 50, 1}}},
        {"a time without area is kept as before",
         HeavyGroupMode::C6C7C8,
         {Peak(u"n_octane", 16.7, 0, 0)},
         {{u"c8", 16.7, 0, 0}}},
        {"areas cancelling to zero without a time",
         HeavyGroupMode::C6C7C8,
         {Peak(u"n_hexane", 0.0, 5, 1), Peak(u"cyclohexane", 0.0, -5, 1)},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<ComponentResult> peaks = c.peaks;
        GroupHeavyHydrocarbons(peaks, c.mode);
        ExpectPeaks(peaks, c.expected);
    }
}

TEST(GroupHeavyHydrocarbons, NoHeavyPeaksLeavesTheListAsItIs) {
    std::vector<ComponentResult> peaks = {Peak(u"methane", 2.0, 100, 1), Peak(u"ethane", 3.0, 10, 1)};
    GroupHeavyHydrocarbons(peaks, HeavyGroupMode::C6Plus);
    ExpectPeaks(peaks, {{u"methane", 2.0, 100, 1}, {u"ethane", 3.0, 10, 1}});
    GroupHeavyHydrocarbons(peaks, HeavyGroupMode::C6C7C8);
    ExpectPeaks(peaks, {{u"methane", 2.0, 100, 1}, {u"ethane", 3.0, 10, 1}});
}

} // namespace
