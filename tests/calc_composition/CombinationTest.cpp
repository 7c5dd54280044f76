#include <gtest/gtest.h>

#include <vector>

#include "CompositionTestSupport.h"
#include "calc/composition/ConditionallyConstant.h"
#include "calc/composition/MeasurementCombination.h"

namespace {

ComponentResult Peak(std::u16string_view id, double time, double area, double height, double fraction) {
    ComponentResult peak;
    peak.id = id;
    peak.time = time;
    peak.area = area;
    peak.height = height;
    peak.molarFraction = fraction;
    peak.rawFraction = fraction;
    return peak;
}

Measurement MeasurementOf(int64_t id, std::vector<ComponentResult> peaks) {
    Measurement measurement;
    measurement.assayId = id;
    measurement.peaks = std::move(peaks);
    return measurement;
}

void ExpectFreshRest(const ComponentResult& row) {
    EXPECT_FALSE(row.accepted);
    EXPECT_FALSE(row.fixed);
    EXPECT_EQ(row.uncertainty, 0.0);
    EXPECT_EQ(row.rawUncertainty, 0.0);
    EXPECT_EQ(row.lowerLimit, 0.0);
    EXPECT_EQ(row.referenceDecimals, -1);
}

TEST(CombineMeasurements, OneMeasurementGivesOneRowPerPeak) {
    std::vector<ComponentResult> table;
    CombineMeasurements({MeasurementOf(1, {Peak(u"methane", 2.0, 900.0, 90.0, 94.0),
                                           Peak(u"ethane", 3.4, 150.0, 15.0, 3.0)})},
                        table);
    ASSERT_EQ(table.size(), 2u);
    EXPECT_EQ(table[1].id, u"ethane");
    EXPECT_EQ(table[1].time, 3.4);
    EXPECT_EQ(table[1].area, 150.0);
    EXPECT_EQ(table[1].height, 15.0);
    EXPECT_EQ(table[1].molarFraction, 3.0);
    EXPECT_EQ(table[1].rawFraction, 3.0);
    EXPECT_EQ(table[1].x1, 3.0);
    EXPECT_EQ(table[1].x2, 0.0);
    EXPECT_EQ(table[1].difference, 3.0);
    ExpectFreshRest(table[1]);
}

// A peak integrated by hand may be stored without its time (0): the mean is the other peak's time, not
// half of it.
TEST(CombineMeasurements, ATimeMissingFromOneMeasurementIsTheOthers) {
    const struct {
        double first;
        double second;
        double mean;
    } cases[] = {{13.8, 0.0, 13.8}, {0.0, 13.9, 13.9}, {0.0, 0.0, 0.0}, {13.8, 14.0, 13.9}};
    for (const auto& c : cases) {
        std::vector<ComponentResult> table;
        CombineMeasurements({MeasurementOf(1, {Peak(u"c7", c.first, 1410.0, 0.0, 0.0118)}),
                             MeasurementOf(2, {Peak(u"c7", c.second, 1420.0, 0.0, 0.0119)})},
                            table);
        ASSERT_EQ(table.size(), 1u);
        EXPECT_DOUBLE_EQ(table[0].time, c.mean) << c.first << " " << c.second;
        EXPECT_DOUBLE_EQ(table[0].area, 1415.0);
    }
}

TEST(CombineMeasurements, TwoMeasurementsAverageNamesakesAndKeepLoners) {
    std::vector<ComponentResult> table;
    CombineMeasurements(
        {MeasurementOf(1, {Peak(u"methane", 2.0, 900.0, 90.0, 94.0), Peak(u"ethane", 3.4, 150.0, 15.0, 3.0),
                           Peak(u"helium", 0.6, 8.0, 1.0, 0.02)}),
         MeasurementOf(2, {Peak(u"ethane", 3.5, 152.0, 16.0, 3.04), Peak(u"propane", 5.4, 60.0, 6.0, 1.2),
                           Peak(u"methane", 2.1, 910.0, 92.0, 93.0)})},
        table);
    ASSERT_EQ(table.size(), 4u);
    // In the order of the first measurement, then the second's own.
    EXPECT_EQ(table[0].id, u"methane");
    EXPECT_EQ(table[1].id, u"ethane");
    EXPECT_EQ(table[2].id, u"helium");
    EXPECT_EQ(table[3].id, u"propane");

    EXPECT_DOUBLE_EQ(table[1].time, 3.45);
    EXPECT_DOUBLE_EQ(table[1].area, 151.0);
    EXPECT_DOUBLE_EQ(table[1].height, 15.5);
    EXPECT_DOUBLE_EQ(table[1].molarFraction, 3.02);
    EXPECT_DOUBLE_EQ(table[1].rawFraction, 3.02);
    EXPECT_EQ(table[1].x1, 3.0);
    EXPECT_EQ(table[1].x2, 3.04);
    EXPECT_NEAR(table[1].difference, 0.04, 1e-15);
    EXPECT_DOUBLE_EQ(table[0].difference, 1.0);

    // Only in the first: its values as they are.
    EXPECT_EQ(table[2].molarFraction, 0.02);
    EXPECT_EQ(table[2].x1, 0.02);
    EXPECT_EQ(table[2].x2, 0.0);
    EXPECT_EQ(table[2].difference, 0.02);
    // Only in the second: its value, not halved.
    EXPECT_EQ(table[3].time, 5.4);
    EXPECT_EQ(table[3].molarFraction, 1.2);
    EXPECT_EQ(table[3].rawFraction, 1.2);
    EXPECT_EQ(table[3].x1, 0.0);
    EXPECT_EQ(table[3].x2, 1.2);
    EXPECT_EQ(table[3].difference, 1.2);
    for (const ComponentResult& row : table) {
        ExpectFreshRest(row);
    }
}

TEST(CombineMeasurements, MeansOfHugeValuesStayFinite) {
    const double huge = 1.5e308;
    std::vector<ComponentResult> table;
    CombineMeasurements({MeasurementOf(1, {Peak(u"ethane", huge, huge, huge, 1.0)}),
                         MeasurementOf(2, {Peak(u"ethane", huge, huge, huge, 1.0)})},
                        table);
    ASSERT_EQ(table.size(), 1u);
    EXPECT_EQ(table[0].time, huge);
    EXPECT_EQ(table[0].area, huge);
    EXPECT_EQ(table[0].height, huge);
}

TEST(AddConstantComponents, ReplaceMeasuredRowsByFixedRowsAtTheEnd) {
    std::vector<ComponentResult> table = {Peak(u"helium", 0.6, 8.0, 1.0, 0.02),
                                          Peak(u"methane", 2.0, 9.0, 9.0, 94.0),
                                          Peak(u"helium", 0.7, 1.0, 1.0, 0.001)};
    table[1].x1 = 94.0;
    const std::vector<MixtureComponent> constants = {{u"helium", 0.015, 0.0012, 3, 4},
                                                     {u"water", 0.001, 0.0002}};
    AddConstantComponents(constants, table);
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0].id, u"methane");
    EXPECT_EQ(table[0].x1, 94.0);
    EXPECT_EQ(table[1].id, u"helium");
    EXPECT_EQ(table[2].id, u"water");

    const ComponentResult& helium = table[1];
    EXPECT_TRUE(helium.fixed);
    EXPECT_FALSE(helium.accepted);
    EXPECT_EQ(helium.molarFraction, 0.015);
    EXPECT_EQ(helium.rawFraction, 0.015);
    EXPECT_EQ(helium.uncertainty, 0.0012);
    EXPECT_EQ(helium.rawUncertainty, 0.0012);
    EXPECT_EQ(helium.time, 0.0);
    EXPECT_EQ(helium.area, 0.0);
    EXPECT_EQ(helium.x1, 0.0);
    EXPECT_EQ(helium.difference, 0.0);
    EXPECT_EQ(helium.referenceDecimals, -1);
}

} // namespace
