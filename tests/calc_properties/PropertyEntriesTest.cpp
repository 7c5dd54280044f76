// The composition handed to the GOST 31369-2021 library: which table, which rows, the conversion of mol %
// and expanded uncertainties into fractions of one and standard uncertainties, and the correlation mode.
#include "calc/properties/PropertyEntries.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

ComponentResult Row(std::u16string id, double molarFraction, double uncertainty, double rawFraction,
                    double rawUncertainty) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = molarFraction;
    row.uncertainty = uncertainty;
    row.rawFraction = rawFraction;
    row.rawUncertainty = rawUncertainty;
    return row;
}

std::u16string IdOf(const PropertyEntry& entry) {
    return std::u16string(entry.component);
}

} // namespace

TEST(PropertyEntries, TheSecondComponentTableIsTheSourceWhenItHasRows) {
    CalcContext context;
    context.components = {Row(u"methane", 95.0, 0.1, 95.0, 0.1)};
    EXPECT_EQ(&PropertySourceTable(context), &context.components);

    context.components2 = {Row(u"methane", 94.0, 0.1, 94.0, 0.1)};
    EXPECT_EQ(&PropertySourceTable(context), &context.components2);
}

TEST(PropertyEntries, RowsBelowFiveThousandthsOfAPercentAreLeftOutOfBothArrays) {
    const std::vector<ComponentResult> rows = {
        Row(u"methane", 95.0, 0.2, 94.8, 0.3),        Row(u"helium", 0.004, 0.001, 0.004, 0.001),
        Row(u"ethane", 0.005, 0.002, 0.0051, 0.003),  Row(u"hydrogen", 0.0049999, 0.001, 0.006, 0.001),
        Row(u"propane", std::nan(""), 0.1, 1.0, 0.1), Row(u"nitrogen", 4.0, 0.04, 4.1, 0.05),
    };
    const PropertyEntries entries = MakePropertyEntries(rows);

    ASSERT_EQ(entries.finalEntries.size(), 3u);
    ASSERT_EQ(entries.rawEntries.size(), 3u);
    const std::u16string expected[] = {u"methane", u"ethane", u"nitrogen"};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(IdOf(entries.finalEntries[i]), expected[i]);
        EXPECT_EQ(IdOf(entries.rawEntries[i]), expected[i]);
    }
}

TEST(PropertyEntries, FractionsAreOfOneAndUncertaintiesStandard) {
    const std::vector<ComponentResult> rows = {Row(u"methane", 93.3212, 0.0692, 93.5, 0.0714),
                                               Row(u"ethane", 2.5656, 0.0486, 2.57, 0.05)};
    const PropertyEntries entries = MakePropertyEntries(rows);

    ASSERT_EQ(entries.finalEntries.size(), 2u);
    EXPECT_DOUBLE_EQ(entries.finalEntries[0].fraction, 0.933212);
    EXPECT_DOUBLE_EQ(entries.finalEntries[0].standardUncertainty, 0.000346);
    EXPECT_DOUBLE_EQ(entries.rawEntries[0].fraction, 0.935);
    EXPECT_DOUBLE_EQ(entries.rawEntries[0].standardUncertainty, 0.000357);
    EXPECT_DOUBLE_EQ(entries.finalEntries[1].fraction, 0.025656);
    EXPECT_DOUBLE_EQ(entries.finalEntries[1].standardUncertainty, 0.000243);
    EXPECT_DOUBLE_EQ(entries.rawEntries[1].fraction, 0.0257);
    EXPECT_DOUBLE_EQ(entries.rawEntries[1].standardUncertainty, 0.00025);
}

TEST(PropertyEntries, IdentifiersAreCutToSixtyThreeCharactersAndTerminated) {
    const std::u16string longId(70, u'x');
    const PropertyEntries entries = MakePropertyEntries({Row(longId, 1.0, 0.0, 1.0, 0.0)});

    ASSERT_EQ(entries.finalEntries.size(), 1u);
    EXPECT_EQ(IdOf(entries.finalEntries[0]), std::u16string(63, u'x'));
    EXPECT_EQ(entries.finalEntries[0].component[63], u'\0');

    const PropertyEntries shortEntries = MakePropertyEntries({Row(u"co", 1.0, 0.0, 1.0, 0.0)});
    for (size_t i = 2; i < 64; ++i) {
        EXPECT_EQ(shortEntries.finalEntries[0].component[i], u'\0') << i;
    }
}

TEST(PropertyEntries, TheCorrelationModeFollowsTheIdentityMatrixFirst) {
    struct Case {
        bool identityMatrix;
        bool methaneByDifference;
        int32_t mode;
    };
    const Case cases[] = {
        {true, true, -1},
        {true, false, -1},
        {false, true, 1},
        {false, false, 0},
    };
    for (const Case& c : cases) {
        CalcSettings settings;
        settings.clcIdentityMatrix = c.identityMatrix;
        settings.clcMethaneDiff = c.methaneByDifference;
        EXPECT_EQ(PropertyCorrelationMode(settings), c.mode) << c.identityMatrix << c.methaneByDifference;
    }
}
