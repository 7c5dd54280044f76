// The composition handed to the methane-number library: hydrocarbons heavier than n-pentane lumped into
// C6+ (GOST 34704-2020 treats them as one component) and the array of molar fractions.
#include "calc/methane/MethaneInput.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

ComponentResult Row(std::u16string id, double molarFraction, double time = 0.0, double area = 0.0,
                    double height = 0.0) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = molarFraction;
    row.time = time;
    row.area = area;
    row.height = height;
    return row;
}

std::vector<std::u16string> IdsOf(const std::vector<ComponentResult>& rows) {
    std::vector<std::u16string> ids;
    for (const ComponentResult& row : rows) {
        ids.push_back(row.id);
    }
    return ids;
}

} // namespace

TEST(MethaneInput, HeavierThanPentaneJoinsOneC6PlusRowAtTheEnd) {
    const std::vector<ComponentResult> rows = {
        Row(u"methane", 94.0, 1.0, 9400.0, 10.0),
        Row(u"n_hexane", 0.03, 8.0, 30.0, 3.0),
        Row(u"2_2_dimethylpropane", 0.002, 5.0, 2.0, 0.2), // 72.14878, as n-pentane: not above it
        Row(u"n_pentane", 0.01, 6.0, 10.0, 1.0),
        Row(u"benzene", 0.004, 9.0, 4.0, 0.4), // 78.11 kg/kmol
        Row(u"n_heptane", 0.02, 10.0, 20.0, 2.0),
        Row(u"? Пик 1", 0.001, 11.0, 1.0, 0.1), // unknown: molar mass 0
        Row(u"nitrogen", 1.0, 0.5, 100.0, 5.0),
    };
    const std::vector<ComponentResult> lumped = LumpHeavyHydrocarbons(rows);

    EXPECT_EQ(IdsOf(lumped), (std::vector<std::u16string>{u"methane", u"2_2_dimethylpropane", u"n_pentane",
                                                          u"? Пик 1", u"nitrogen", u"c6plus"}));
    const ComponentResult& heavy = lumped.back();
    EXPECT_DOUBLE_EQ(heavy.molarFraction, 0.054);
    EXPECT_DOUBLE_EQ(heavy.area, 54.0);
    EXPECT_EQ(heavy.time, 8.0);
    EXPECT_EQ(heavy.height, 3.0);
    EXPECT_FALSE(heavy.fixed);
    // The rows that stay are copied as they were.
    EXPECT_EQ(lumped[0].area, 9400.0);
    EXPECT_EQ(lumped[4].molarFraction, 1.0);
}

TEST(MethaneInput, WithoutHeavyHydrocarbonsC6PlusIsPassedWithZero) {
    const std::vector<ComponentResult> lumped =
        LumpHeavyHydrocarbons({Row(u"methane", 98.0), Row(u"ethane", 2.0)});

    ASSERT_EQ(lumped.size(), 3u);
    EXPECT_EQ(lumped[2].id, u"c6plus");
    EXPECT_EQ(lumped[2].molarFraction, 0.0);
    EXPECT_EQ(lumped[2].area, 0.0);
    EXPECT_EQ(lumped[2].time, 0.0);

    const std::vector<ComponentResult> empty = LumpHeavyHydrocarbons({});
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].id, u"c6plus");
}

TEST(MethaneInput, AnExistingC6PlusRowIsLumpedLikeTheOthers) {
    const std::vector<ComponentResult> lumped =
        LumpHeavyHydrocarbons({Row(u"c6plus", 0.05, 7.0), Row(u"methane", 99.0), Row(u"c7", 0.01, 9.0)});

    EXPECT_EQ(IdsOf(lumped), (std::vector<std::u16string>{u"methane", u"c6plus"}));
    EXPECT_DOUBLE_EQ(lumped[1].molarFraction, 0.06);
    EXPECT_EQ(lumped[1].time, 7.0);
}

TEST(MethaneInput, MolarFractionsKeepRowOrderAndCutIdentifiers) {
    const std::u16string longId(80, u'y');
    const std::vector<Fraction_t> fractions =
        MakeMolarFractions({Row(u"methane", 97.5), Row(longId, 0.5), Row(u"c6plus", 0.0)});

    ASSERT_EQ(fractions.size(), 3u);
    EXPECT_EQ(std::u16string(fractions[0].component), u"methane");
    EXPECT_EQ(fractions[0].fraction, 97.5);
    EXPECT_EQ(std::u16string(fractions[1].component), std::u16string(63, u'y'));
    EXPECT_EQ(fractions[1].fraction, 0.5);
    EXPECT_EQ(std::u16string(fractions[2].component), u"c6plus");
    for (size_t i = 6; i < 64; ++i) {
        EXPECT_EQ(fractions[2].component[i], u'\0') << i;
    }
}
