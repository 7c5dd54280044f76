// The order of the calibration table, the readings of a table of metrological characteristics and the
// comparisons of the checks.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/CalibrationOrder.h"
#include "calc/calibration/MethodTableRanges.h"
#include "calc/calibration/NonLinearComponents.h"

namespace {

CalibrationResult Result(std::u16string component, double tag) {
    CalibrationResult result;
    result.component = std::move(component);
    result.conc1 = tag; // tells equal components apart
    return result;
}

TEST(CalibrationOrder, AscendingMolarMassWithEqualMassesInTheirOrder) {
    // Molar masses (ISO 6976:2016 Table 1): n_butane = 2_methylpropane = 58.1222, the pentanes 72.14878,
    // n_hexane = c6plus = c6plusstar = 86.17536; an identifier without a molar mass counts 0.
    std::vector<CalibrationResult> results = {
        Result(u"c6plusstar", 1), Result(u"n_pentane", 2),      Result(u"n_butane", 3),
        Result(u"methane", 4),    Result(u"c6plus", 5),         Result(u"2_methylpropane", 6),
        Result(u"? Пик", 7),      Result(u"2_methylbutane", 8), Result(u"nitrogen", 9),
        Result(u"nitrogen", 10),  Result(u"helium", 11),
    };
    SortCalibrationByMolarMass(results);
    const std::vector<std::pair<std::u16string, double>> expected = {
        {u"? Пик", 7},          {u"helium", 11},    {u"methane", 4},         {u"nitrogen", 9},
        {u"nitrogen", 10},      {u"n_butane", 3},   {u"2_methylpropane", 6}, {u"n_pentane", 2},
        {u"2_methylbutane", 8}, {u"c6plusstar", 1}, {u"c6plus", 5},
    };
    ASSERT_EQ(results.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(results[i].component, expected[i].first) << i;
        EXPECT_EQ(results[i].conc1, expected[i].second) << i;
    }
}

TEST(CalibrationOrder, LongListsStayStableToo) {
    // Far more than 32 results, in blocks of equal molar mass given in reverse: each block keeps the
    // order in which its results came.
    const std::u16string components[] = {u"n_pentane", u"2_methylbutane", u"2_2_dimethylpropane",
                                         u"ethane",    u"n_butane",       u"2_methylpropane"};
    std::vector<CalibrationResult> results;
    for (int i = 0; i < 120; ++i) {
        results.push_back(Result(components[i % 6], i));
    }
    SortCalibrationByMolarMass(results);
    ASSERT_EQ(results.size(), 120u);
    // Ethane (30.06904) first, then the butanes (58.1222) and the pentanes (72.14878), 20, 40 and 60.
    for (size_t i = 0; i < results.size(); ++i) {
        const std::u16string& component = results[i].component;
        if (i < 20) {
            EXPECT_EQ(component, u"ethane") << i;
        } else if (i < 60) {
            EXPECT_TRUE(component == u"n_butane" || component == u"2_methylpropane") << i;
        } else {
            EXPECT_TRUE(component == u"n_pentane" || component == u"2_methylbutane" ||
                        component == u"2_2_dimethylpropane")
                << i;
        }
        // Inside a block the results keep the order in which they came, isomers mixed.
        if (i != 0 && i != 20 && i != 60) {
            EXPECT_LT(results[i - 1].conc1, results[i].conc1) << i;
        }
    }
    EXPECT_EQ(results[20].conc1, 4);
    EXPECT_EQ(results[21].conc1, 5);
    EXPECT_EQ(results[22].conc1, 10);
    EXPECT_EQ(results[60].conc1, 0);
    EXPECT_EQ(results[61].conc1, 1);
    EXPECT_EQ(results[62].conc1, 2);
    EXPECT_EQ(results[63].conc1, 6);
}

MetrologyRow Row(std::u16string_view component, double lower, double upper, double a, double b) {
    MetrologyRow row{};
    for (size_t i = 0; i < component.size(); ++i) {
        row.component[i] = component[i];
    }
    row.lower = lower;
    row.upper = upper;
    row.a = a;
    row.b = b;
    return row;
}

TEST(MethodTableRanges, WholeRangeOfAComponentOverItsRows) {
    const MetrologyRow table[] = {
        Row(u"ethane", 1, 10, 0.02, 0.001),
        Row(u"propane", 0.001, 6, 0.03, 0.0),
        Row(u"ethane", 0.01, 1, 0.04, 0.0),
        Row(u"ethane", 10, 15, 0.01, 0.002),
    };
    const ComponentMeasuringRange ethane = MeasuringRangeOf(table, 4, u"ethane");
    EXPECT_TRUE(ethane.found);
    EXPECT_EQ(ethane.lowerMolPct, 0.01);
    EXPECT_EQ(ethane.upperMolPct, 15);
    EXPECT_FALSE(MeasuringRangeOf(table, 4, u"eth").found);
    EXPECT_FALSE(MeasuringRangeOf(table, 4, u"ethane_").found);
    EXPECT_FALSE(MeasuringRangeOf(nullptr, 4, u"ethane").found);
    EXPECT_FALSE(MeasuringRangeOf(table, 0, u"ethane").found);
}

TEST(MethodTableRanges, UncertaintyByTheRowWithTheGreatestPositiveLowerBound) {
    const MetrologyRow table[] = {
        Row(u"ethane", 0, 20, 9, 9),         // a lower bound of zero does not count
        Row(u"ethane", 10, 15, 0.02, 0.001), // taken: the first of the greatest lower bounds
        Row(u"ethane", 1, 10, 0.5, 0.5),     Row(u"ethane", 10, 12, 0.7, 0.7), // the same lower bound, later
        Row(u"nitrogen", 0, 0.5, 1, 1), // only a row from zero: no answer
    };
    EXPECT_DOUBLE_EQ(UncertaintyByUppermostRange(table, 5, u"ethane", 5.0), 0.02 * 5.0 + 0.001);
    // The row is chosen by its bounds, not by the concentration.
    EXPECT_DOUBLE_EQ(UncertaintyByUppermostRange(table, 5, u"ethane", 2.0), 0.02 * 2.0 + 0.001);
    EXPECT_EQ(UncertaintyByUppermostRange(table, 5, u"nitrogen", 0.2), 0.0);
    EXPECT_EQ(UncertaintyByUppermostRange(table, 5, u"oxygen", 0.2), 0.0);
}

TEST(MethodTableRanges, AnIdentifierWithoutTerminatorMatchesNothing) {
    MetrologyRow row = Row(u"", 1, 2, 0.1, 0.1);
    std::u16string full(64, u'x');
    for (size_t i = 0; i < 64; ++i) {
        row.component[i] = full[i];
    }
    EXPECT_FALSE(MeasuringRangeOf(&row, 1, full).found);
    EXPECT_FALSE(MeasuringRangeOf(&row, 1, std::u16string_view(full).substr(0, 63)).found);
}

TEST(CalibrationComparisons, LimitsAndUndefinedValues) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    constexpr double inf = std::numeric_limits<double>::infinity();
    // A rate equal to its limit passes the calibration checks; a control deviation equal to its limit
    // fails.
    EXPECT_TRUE(NotAboveLimit(1.65, 1.65));
    EXPECT_FALSE(NotAboveLimit(std::nextafter(1.65, 2.0), 1.65));
    EXPECT_FALSE(BelowLimit(1.4, 1.4));
    EXPECT_TRUE(BelowLimit(std::nextafter(1.4, 0.0), 1.4));
    // Nothing that is not a finite number passes, in either direction.
    for (const double odd : {nan, inf, -inf}) {
        EXPECT_FALSE(NotAboveLimit(odd, 5.0));
        EXPECT_FALSE(NotAboveLimit(0.0, odd));
        EXPECT_FALSE(BelowLimit(odd, 5.0));
        EXPECT_FALSE(BelowLimit(0.0, odd));
    }
    EXPECT_FALSE(NotAboveLimit(nan, nan));
    EXPECT_FALSE(NotAboveLimit(-inf, inf));
}

TEST(CalibrationComparisons, RelativeDeviationNeedsACertifiedConcentrationAboveZero) {
    EXPECT_EQ(RelativeDeviationPercent(2.0, 2.5), 25.0);
    EXPECT_EQ(RelativeDeviationPercent(2.0, 1.5), 25.0);
    const double tolerance = std::ldexp(1.0, -52);
    for (const double certified : {0.0, -0.0, tolerance, -1.0, std::numeric_limits<double>::infinity(),
                                   std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_TRUE(std::isnan(RelativeDeviationPercent(certified, 1.0))) << certified;
    }
    EXPECT_TRUE(std::isfinite(RelativeDeviationPercent(std::nextafter(tolerance, 1.0), 0.0)));
    // The calibration's zero includes the bound 2^-52 itself.
    EXPECT_TRUE(IsCalibrationZero(tolerance));
    EXPECT_TRUE(IsCalibrationZero(-tolerance));
    EXPECT_FALSE(IsCalibrationZero(std::nextafter(tolerance, 1.0)));
    EXPECT_FALSE(IsCalibrationZero(std::numeric_limits<double>::quiet_NaN()));
}

TEST(NonLinearComponents, LowRangeAndSettings) {
    EXPECT_TRUE(InLowRange(0.005));
    EXPECT_TRUE(InLowRange(0.025));
    EXPECT_FALSE(InLowRange(std::nextafter(0.005, 0.0)));
    EXPECT_FALSE(InLowRange(std::nextafter(0.025, 1.0)));
    CalcSettings settings;
    EXPECT_FALSE(IsNonLinearComponent(settings, u"nitrogen")); // linear by default
    settings.clbrNitrogen = false;
    EXPECT_TRUE(IsNonLinearComponent(settings, u"nitrogen"));
    EXPECT_FALSE(IsNonLinearComponent(settings, u"oxygen"));
    EXPECT_FALSE(IsNonLinearComponent(settings, u"carbon_dioxide"));
    settings.clbrOxygen = false;
    settings.clbrCarbonDioxide = false;
    EXPECT_TRUE(IsNonLinearComponent(settings, u"oxygen"));
    EXPECT_TRUE(IsNonLinearComponent(settings, u"carbon_dioxide"));
    EXPECT_FALSE(IsNonLinearComponent(settings, u"methane"));
    EXPECT_FALSE(IsNonLinearComponent(settings, u"Nitrogen"));
}

} // namespace
