#include <gtest/gtest.h>

#include <vector>

#include "data/HeavyGrouping.h"
#include "text/Utf.h"

namespace {

AreaSeries Series(std::u16string_view id, std::initializer_list<double> areas) {
    AreaSeries record;
    record.id = std::u16string(id);
    size_t slot = 0;
    for (const double area : areas) {
        record.areas[slot++] = area;
    }
    return record;
}

struct Expected {
    std::u16string_view id;
    std::vector<double> areas;
};

void ExpectSeries(const std::vector<AreaSeries>& series, const std::vector<Expected>& expected) {
    ASSERT_EQ(series.size(), expected.size());
    for (size_t i = 0; i < series.size(); ++i) {
        EXPECT_EQ(series[i].id, expected[i].id) << i;
        for (size_t k = 0; k < kAreaSeriesSlots; ++k) {
            const double want = k < expected[i].areas.size() ? expected[i].areas[k] : 0.0;
            EXPECT_DOUBLE_EQ(series[i].areas[k], want) << Utf16ToUtf8(series[i].id) << " slot " << k;
        }
    }
}

TEST(GroupHeavyAreas, C6PlusTakesEverythingHeavierThanThePentanes) {
    std::vector<AreaSeries> series = {
        Series(u"methane", {100, 101, 102}),
        Series(u"n_hexane", {1, 2, 3}),
        Series(u"2_2_dimethylpropane", {5, 5, 5}), // 72.14878, not heavier than n-pentane
        Series(u"benzene", {0.5, 0.5, 0.5}),
        Series(u"cyclopentane", {7, 7, 7}), // 70.1329
        Series(u"c6plus", {10, 0, 0}),      // an earlier group peak joins its own group
        Series(u"? Пик 3", {9, 9, 9}),      // unknown: molar mass 0
        Series(u"n_pentadecane", {0, 0, 0.25}),
        Series(u"cyclohexane", {1, 1, 1}),
    };
    GroupHeavyAreas(series, HeavyGroupMode::C6Plus);
    ExpectSeries(series, {{u"methane", {100, 101, 102}},
                          {u"2_2_dimethylpropane", {5, 5, 5}},
                          {u"cyclopentane", {7, 7, 7}},
                          {u"? Пик 3", {9, 9, 9}},
                          {u"c6plus", {12.5, 3.5, 4.75}}});
}

TEST(GroupHeavyAreas, C6C7C8ByCarbonNumberWithTheAromaticsApart) {
    std::vector<AreaSeries> series = {
        Series(u"n_octane", {1, 0, 0, 0, 0, 0, 0, 0, 0, 8}), // all ten slots of method В take part
        Series(u"toluene", {2, 2, 2}),
        Series(u"methylcyclohexane", {1, 1, 1}), // 98.18606, seven carbons: С7
        Series(u"n_heptane", {3, 3, 3}),
        Series(u"ethylbenzene", {1, 0, 0}), // 106.165, eight carbons: С8
        Series(u"benzene", {4, 4, 4}),
        Series(u"nonane", {6, 6, 6}),          // nine carbons: with the heaviest group, С8
        Series(u"cyclohexane", {5, 5, 5}),     // 84.15948, six carbons: С6
        Series(u"c6plus", {1, 1, 1}),          // 86.17536: falls in С6
        Series(u"2-butanethiol", {0.5, 0, 0}), // 90.187, a sulphur compound: stays
        Series(u"n_hexane", {2, 2, 2}),
    };
    GroupHeavyAreas(series, HeavyGroupMode::C6C7C8);
    ExpectSeries(series, {{u"toluene", {2, 2, 2}},
                          {u"benzene", {4, 4, 4}},
                          {u"2-butanethiol", {0.5, 0, 0}},
                          {u"c6", {8, 8, 8}},
                          {u"c7", {4, 4, 4}},
                          {u"c8", {8, 6, 6, 0, 0, 0, 0, 0, 0, 8}}});
}

TEST(GroupHeavyAreas, GroupsWhoseSumIsZeroVanishWithTheirMembers) {
    std::vector<AreaSeries> series = {
        Series(u"n_hexane", {0, 0, 0}),
        Series(u"n_heptane", {1e-17, 0, 0}), // not above 2^-52
        Series(u"n_octane", {-2, 0, 0}),     // a negative sum is not zero
        Series(u"methane", {1, 1, 1}),
    };
    GroupHeavyAreas(series, HeavyGroupMode::C6C7C8);
    ExpectSeries(series, {{u"methane", {1, 1, 1}}, {u"c8", {-2, 0, 0}}});

    std::vector<AreaSeries> cancelling = {Series(u"n_hexane", {1, 0, 0}), Series(u"n_heptane", {-1, 0, 0})};
    GroupHeavyAreas(cancelling, HeavyGroupMode::C6Plus);
    EXPECT_TRUE(cancelling.empty());
}

TEST(GroupHeavyAreas, AnEmptyListStaysEmpty) {
    std::vector<AreaSeries> series;
    GroupHeavyAreas(series, HeavyGroupMode::C6Plus);
    GroupHeavyAreas(series, HeavyGroupMode::C6C7C8);
    EXPECT_TRUE(series.empty());
}

} // namespace
