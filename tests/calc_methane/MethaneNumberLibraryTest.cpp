// The stage through the GOST 34704-2020 library loaded from the program's folder. The intermediate lists
// are checked against an independent calculation: volume fractions r_i = 100·x_i·Z_i / Σ x_j·Z_j with
// Z_i = 1 − s_i² from the summation factors at 0 °C of ISO 6976:2016 Table 2, and the butane equivalents
// of GOST 34704-2020 (butanes + 2.3·pentanes + 5.3·C6+).
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost34704Binding.h"

namespace {

// ISO 6976:2016 Table 2, summation factor at 0 °C; C6+ is taken as n-hexane.
const std::map<std::u16string, double> kSummationFactor0C = {
    {u"methane", 0.04886}, {u"ethane", 0.0997},         {u"propane", 0.1465}, {u"n_butane", 0.2022},
    {u"nitrogen", 0.0214}, {u"carbon_dioxide", 0.0821}, {u"c6plus", 0.3319},
};

ComponentResult Row(std::u16string id, double molarFraction) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = molarFraction;
    return row;
}

// The expected volume fractions of the rows (with a C6+ row appended), in row order.
std::vector<double> VolumeFractions(const std::vector<ComponentResult>& rows) {
    double total = 0.0;
    std::vector<double> weighted;
    for (const ComponentResult& row : rows) {
        const double s = kSummationFactor0C.at(row.id);
        weighted.push_back(row.molarFraction * (1.0 - s * s));
        total += weighted.back();
    }
    for (double& value : weighted) {
        value = 100.0 * value / total;
    }
    return weighted;
}

CalcContext Gas(std::vector<ComponentResult> rows) {
    CalcContext context;
    context.components = std::move(rows);
    return context;
}

} // namespace

TEST(MethaneNumberLibrary, AGasWithoutCarbonDioxideAndHeavyHydrocarbons) {
    ASSERT_TRUE(Gost34704().loaded);
    CalcContext context = Gas({Row(u"methane", 95.2), Row(u"ethane", 2.6), Row(u"propane", 0.9),
                               Row(u"n_butane", 0.3), Row(u"nitrogen", 1.0)});

    ASSERT_EQ(RunMethaneNumber(context), Status::Ok);

    const MethaneNumberLists& lists = context.methaneNumberLists;
    // The C6+ row goes to the library with 0.
    std::vector<ComponentResult> expectedRows = context.components;
    expectedRows.push_back(Row(u"c6plus", 0.0));
    const std::vector<double> volume = VolumeFractions(expectedRows);
    ASSERT_EQ(lists.componentFractions.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(lists.componentFractions[i].component, expectedRows[i].id);
        EXPECT_EQ(lists.componentFractions[i].molarFraction, expectedRows[i].molarFraction);
        EXPECT_NEAR(lists.componentFractions[i].volumeFraction, volume[i], 1e-9);
    }

    // Methane, ethane, propane, butane equivalents, volume %.
    const double simplified[] = {volume[0], volume[1], volume[2], volume[3]};
    const double sum = simplified[0] + simplified[1] + simplified[2] + simplified[3];
    ASSERT_EQ(lists.simplifiedMixture.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(lists.simplifiedMixture[i].raw, simplified[i], 1e-9) << i;
        EXPECT_NEAR(lists.simplifiedMixture[i].normalised, simplified[i] * 100.0 / sum, 1e-9) << i;
    }

    // {100, S}, {0, 0}, {0, N}.
    ASSERT_EQ(lists.motorFuelMixture.size(), 3u);
    EXPECT_NEAR(lists.motorFuelMixture[0].share, 100.0, 1e-12);
    EXPECT_NEAR(lists.motorFuelMixture[0].value, sum, 1e-9);
    EXPECT_EQ(lists.motorFuelMixture[1].share, 0.0);
    EXPECT_EQ(lists.motorFuelMixture[1].value, 0.0);
    EXPECT_EQ(lists.motorFuelMixture[2].share, 0.0);
    EXPECT_NEAR(lists.motorFuelMixture[2].value, volume[4], 1e-9);

    // For natural gas the partial mixture without methane is left out: mixtures 1, 2, 3 are used.
    ASSERT_EQ(lists.initialMethaneNumbers.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lists.initialMethaneNumbers[i].mixtureNumber, i + 1);
        EXPECT_GT(lists.initialMethaneNumbers[i].methaneNumber, 10.0);
        EXPECT_LT(lists.initialMethaneNumbers[i].methaneNumber, 100.0);
    }

    // A lean pipeline gas lies in the 70s to 80s; without carbon dioxide there is no correction.
    EXPECT_GT(context.methaneNumber.first, 60.0);
    EXPECT_LT(context.methaneNumber.first, 95.0);
    EXPECT_NEAR(context.methaneNumber.second, context.methaneNumber.first, 1e-3);
}

TEST(MethaneNumberLibrary, CarbonDioxideTakesItsShareOfTheMotorFuel) {
    CalcContext context = Gas({Row(u"methane", 93.0), Row(u"ethane", 3.0), Row(u"propane", 1.0),
                               Row(u"carbon_dioxide", 2.0), Row(u"nitrogen", 1.0)});

    ASSERT_EQ(RunMethaneNumber(context), Status::Ok);

    std::vector<ComponentResult> rows = context.components;
    rows.push_back(Row(u"c6plus", 0.0));
    const std::vector<double> volume = VolumeFractions(rows);
    const double sum = volume[0] + volume[1] + volume[2];
    const double total = sum + volume[3];
    const auto& fuel = context.methaneNumberLists.motorFuelMixture;
    ASSERT_EQ(fuel.size(), 3u);
    EXPECT_NEAR(fuel[0].share, sum * 100.0 / total, 1e-9);
    EXPECT_NEAR(fuel[0].value, sum, 1e-9);
    EXPECT_NEAR(fuel[1].share, volume[3] * 100.0 / total, 1e-9);
    EXPECT_NEAR(fuel[1].value, volume[3], 1e-9);
    EXPECT_NEAR(fuel[2].value, volume[4], 1e-9);
    // Carbon dioxide raises the methane number of the gas motor fuel (EN 16726 Annex A inert diagram).
    EXPECT_GT(context.methaneNumber.second, context.methaneNumber.first);
}

TEST(MethaneNumberLibrary, HeavyHydrocarbonsCountAsC6PlusButaneEquivalents) {
    CalcContext separate = Gas({Row(u"methane", 96.0), Row(u"ethane", 2.0), Row(u"n_hexane", 0.03),
                                Row(u"propane", 0.9), Row(u"n_heptane", 0.02), Row(u"nitrogen", 1.05)});
    CalcContext lumped = Gas({Row(u"methane", 96.0), Row(u"ethane", 2.0), Row(u"propane", 0.9),
                              Row(u"nitrogen", 1.05), Row(u"c6plus", 0.05)});

    ASSERT_EQ(RunMethaneNumber(separate), Status::Ok);
    ASSERT_EQ(RunMethaneNumber(lumped), Status::Ok);

    const auto& fractions = separate.methaneNumberLists.componentFractions;
    ASSERT_EQ(fractions.size(), 5u);
    EXPECT_EQ(fractions.back().component, u"c6plus");
    EXPECT_DOUBLE_EQ(fractions.back().molarFraction, 0.05);
    const std::vector<double> volume = VolumeFractions(lumped.components);
    // Butane equivalents = 5.3 · C6+ here (no butanes or pentanes).
    EXPECT_NEAR(separate.methaneNumberLists.simplifiedMixture[3].raw, 5.3 * volume[4], 1e-9);
    EXPECT_DOUBLE_EQ(separate.methaneNumber.first, lumped.methaneNumber.first);
    EXPECT_DOUBLE_EQ(separate.methaneNumber.second, lumped.methaneNumber.second);
}
