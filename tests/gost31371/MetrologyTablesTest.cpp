// The default tables of metrological characteristics: which components each method measures and over
// which range, how the rows of a component tile that range, the range edges seen through CalcU and
// CalcLimitValue, and the design rules of the coefficients.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "Gost31371TestSupport.h"
#include "calc/ComponentMixtures.h"
#include "calc/checks/ReferenceMaterialTables.h"

using namespace gost31371_test;

namespace {

struct ExpectedRange {
    const char16_t* component;
    double lowerMolPct;
    double upperMolPct;
};

// Measuring ranges, mol %. Sources: GOST 31371.7-2020 Table 1 as transcribed by a chromatograph
// distributor (T1); permitted ranges of reference mixtures СО-ИПГ/СО-ПГМ (RM) where T1 is doubtful or cut
// off (2_2_dimethylpropane upper, nitrogen lower, toluene, methanol, c6plusstar); method Б starts at
// 0.005 mol % (its 0.001-0.005 mol % extension is method А's row).
const std::vector<ExpectedRange> kMethodA = {
    {u"methane", 40, 99.97},        {u"ethane", 0.001, 15},     {u"propane", 0.001, 6},
    {u"2_methylpropane", 0.001, 4}, {u"n_butane", 0.001, 4},    {u"2_2_dimethylpropane", 0.001, 0.05},
    {u"2_methylbutane", 0.001, 2},  {u"n_pentane", 0.001, 2},   {u"c6", 0.001, 1},
    {u"c7", 0.001, 0.25},           {u"c8", 0.001, 0.05},       {u"benzene", 0.001, 0.05},
    {u"toluene", 0.001, 0.05},      {u"methanol", 0.001, 0.05}, {u"helium", 0.001, 0.5},
    {u"hydrogen", 0.001, 0.5},      {u"oxygen", 0.005, 2},      {u"nitrogen", 0.005, 15},
    {u"carbon_dioxide", 0.005, 10},
};
const std::vector<ExpectedRange> kMethodB = {
    {u"methane", 40, 99.97},        {u"ethane", 0.005, 15},     {u"propane", 0.005, 6},
    {u"2_methylpropane", 0.005, 4}, {u"n_butane", 0.005, 4},    {u"2_2_dimethylpropane", 0.005, 0.05},
    {u"2_methylbutane", 0.005, 2},  {u"n_pentane", 0.005, 2},   {u"c6plus", 0.005, 1.5},
    {u"c6plusstar", 0.005, 1.5},    {u"methanol", 0.005, 0.05}, {u"helium", 0.005, 0.5},
    {u"hydrogen", 0.005, 0.5},      {u"oxygen", 0.005, 2},      {u"nitrogen", 0.005, 15},
    {u"carbon_dioxide", 0.005, 10},
};
// Methods В1 and В2: the ranges of the analysed gas in the table of reference-mixture ranges of these
// methods (the two gas ranges of carbon_dioxide, nitrogen and oxygen joined).
const std::vector<ExpectedRange> kMethodC1 = {
    {u"methane", 40, 99.97},        {u"ethane", 0.005, 15},     {u"propane", 0.005, 6},
    {u"2_methylpropane", 0.005, 4}, {u"n_butane", 0.005, 4},    {u"2_2_dimethylpropane", 0.005, 0.05},
    {u"2_methylbutane", 0.005, 2},  {u"n_pentane", 0.005, 2},   {u"c6", 0.005, 1},
    {u"c7", 0.005, 0.25},           {u"c8", 0.005, 0.05},       {u"benzene", 0.005, 0.05},
    {u"toluene", 0.005, 0.05},      {u"methanol", 0.005, 0.05}, {u"helium", 0.005, 0.5},
    {u"hydrogen", 0.005, 0.5},      {u"oxygen", 0.005, 2},      {u"nitrogen", 0.005, 15},
    {u"carbon_dioxide", 0.005, 10},
};
const std::vector<ExpectedRange> kMethodC2 = {
    {u"methane", 40, 99.97},        {u"ethane", 0.005, 15},   {u"propane", 0.005, 6},
    {u"2_methylpropane", 0.005, 4}, {u"n_butane", 0.005, 4},  {u"2_2_dimethylpropane", 0.005, 0.05},
    {u"2_methylbutane", 0.005, 2},  {u"n_pentane", 0.005, 2}, {u"c6plus", 0.005, 1.5},
    {u"methanol", 0.005, 0.05},     {u"helium", 0.005, 0.5},  {u"hydrogen", 0.005, 0.5},
    {u"oxygen", 0.005, 2},          {u"nitrogen", 0.005, 15}, {u"carbon_dioxide", 0.005, 10},
};

const std::vector<ExpectedRange>& ExpectedFor(int method) {
    static const std::vector<const std::vector<ExpectedRange>*> all = {&kMethodA, &kMethodB, &kMethodC1,
                                                                       &kMethodC2};
    return *all[static_cast<size_t>(method)];
}

const char* kMethodNames[] = {"А", "Б", "В1", "В2"};

double Below(double value) {
    return std::nextafter(value, 0.0);
}

double Above(double value) {
    return std::nextafter(value, std::numeric_limits<double>::infinity());
}

} // namespace

TEST(MetrologyTables, EachMethodMeasuresExactlyItsComponents) {
    for (int method = 0; method < 4; ++method) {
        SCOPED_TRACE(kMethodNames[method]);
        std::set<std::u16string> expected;
        for (const ExpectedRange& range : ExpectedFor(method)) {
            expected.insert(range.component);
        }
        std::set<std::u16string> actual;
        for (const MetrologyRow& row : DefaultRows(method)) {
            actual.insert(IdOf(row));
        }
        EXPECT_EQ(actual, expected);
    }
}

TEST(MetrologyTables, RowsOfAComponentTileItsMeasuringRange) {
    for (int method = 0; method < 4; ++method) {
        for (const ExpectedRange& range : ExpectedFor(method)) {
            SCOPED_TRACE(std::string(kMethodNames[method]) + " " + Ascii(range.component));
            const std::vector<MetrologyRow> rows = RowsOf(DefaultRows(method), range.component);
            ASSERT_FALSE(rows.empty());
            EXPECT_DOUBLE_EQ(rows.front().lower, range.lowerMolPct);
            EXPECT_DOUBLE_EQ(rows.back().upper, range.upperMolPct);
            for (size_t i = 0; i < rows.size(); ++i) {
                EXPECT_LT(rows[i].lower, rows[i].upper);
                if (i > 0) {
                    EXPECT_EQ(rows[i].lower, rows[i - 1].upper) << "gap or overlap between rows";
                }
            }
        }
    }
}

TEST(MetrologyTables, IdentifiersAreTerminatedWithinTheirField) {
    for (int method = 0; method < 4; ++method) {
        for (const MetrologyRow& row : DefaultRows(method)) {
            const std::u16string id = IdOf(row);
            EXPECT_LT(id.size(), 64u);
            EXPECT_FALSE(id.empty());
        }
    }
}

TEST(MetrologyTables, LowRangeComponentsOfMethodsCHaveARowEndingAt0025) {
    for (int method = 2; method < 4; ++method) {
        for (const char16_t* component : {u"carbon_dioxide", u"nitrogen", u"oxygen"}) {
            const std::vector<MetrologyRow> rows = RowsOf(DefaultRows(method), component);
            const bool split = std::any_of(rows.begin(), rows.end(),
                                           [](const MetrologyRow& row) { return row.upper == 0.025; });
            EXPECT_TRUE(split) << kMethodNames[method];
        }
    }
}

// The edges of every measuring range: inside (the bounds themselves) an answer, one ulp outside none.
TEST(MetrologyTables, RangeEdgesThroughCalcUAndCalcLimitValue) {
    for (int method = 0; method < 4; ++method) {
        const std::span<const MetrologyRow> table = DefaultRows(method);
        const auto count = static_cast<int32_t>(table.size());
        for (const ExpectedRange& range : ExpectedFor(method)) {
            SCOPED_TRACE(std::string(kMethodNames[method]) + " " + Ascii(range.component));
            const double lower = range.lowerMolPct;
            const double upper = range.upperMolPct;
            EXPECT_GT(CalcU(table.data(), count, range.component, lower), 0.0);
            EXPECT_GT(CalcU(table.data(), count, range.component, upper), 0.0);
            EXPECT_EQ(CalcU(table.data(), count, range.component, Below(lower)), 0.0);
            EXPECT_EQ(CalcU(table.data(), count, range.component, Above(upper)), 0.0);
            EXPECT_GT(CalcLimitValue(table.data(), count, range.component, lower), 0.0);
            EXPECT_GT(CalcLimitValue(table.data(), count, range.component, upper), 0.0);
            EXPECT_EQ(CalcLimitValue(table.data(), count, range.component, Below(lower)), 0.0);
            EXPECT_EQ(CalcLimitValue(table.data(), count, range.component, Above(upper)), 0.0);
        }
    }
}

// Method Б ends at 0.005 mol %; a caller that extends it downwards asks method А's table, which answers.
TEST(MetrologyTables, MethodBBelow0005IsAnsweredByMethodA) {
    const std::span<const MetrologyRow> tableA = DefaultRows(0);
    const std::span<const MetrologyRow> tableB = DefaultRows(1);
    for (const char16_t* component : {u"ethane", u"propane", u"n_butane", u"2_methylbutane", u"helium",
                                      u"hydrogen", u"methanol", u"2_2_dimethylpropane"}) {
        EXPECT_EQ(CalcU(tableB.data(), static_cast<int32_t>(tableB.size()), component, 0.003), 0.0);
        EXPECT_GT(CalcU(tableA.data(), static_cast<int32_t>(tableA.size()), component, 0.003), 0.0);
        EXPECT_EQ(CalcLimitValue(tableB.data(), static_cast<int32_t>(tableB.size()), component, 0.001), 0.0);
        EXPECT_GT(CalcLimitValue(tableA.data(), static_cast<int32_t>(tableA.size()), component, 0.001), 0.0);
    }
}

// Design rules of the coefficients (README.md): over every row the uncertainty is not below the
// permitted uncertainty of the reference mixture, U_RM = a·c + b, nor below m times the allowed standard
// deviation of the areas (m = 2 for the single-point methods, 3 for the calibration lines).
TEST(MetrologyTables, UncertaintiesCoverTheReferenceMixtureAndTheAllowedRepeatability) {
    // Permitted expanded uncertainty of reference mixtures, from the calculation's table of type СО-ИПГ;
    // c6plus and c6plusstar of method Б from type СО-ПГМ.
    const auto referenceMaterialRow = [](int method, const std::u16string& id) {
        const bool pgm = method == 1 && (id == u"c6plus" || id == u"c6plusstar");
        return FindReferenceMaterialRow(static_cast<int32_t>(pgm ? MixtureType::Pgm : MixtureType::Ipg), id);
    };
    const double multiple[] = {2.0, 2.0, 3.0, 3.0};
    int checked = 0;
    for (int method = 0; method < 4; ++method) {
        const std::span<const MetrologyRow> table = DefaultRows(method);
        for (const MetrologyRow& row : table) {
            const std::u16string id = IdOf(row);
            const ReferenceMaterialRow* rm = referenceMaterialRow(method, id);
            ASSERT_NE(rm, nullptr) << kMethodNames[method] << " " << Ascii(id);
            for (const double x : {row.lower, (row.lower + row.upper) / 2, row.upper}) {
                const double u = CalcU(table.data(), static_cast<int32_t>(table.size()), id.c_str(), x);
                EXPECT_GE(u, rm->a * x + rm->b) << kMethodNames[method] << " " << Ascii(id) << " at " << x;
                EXPECT_GE(u, multiple[method] * GetAllowedValue(x) * x / 100 * (1 - 1e-12))
                    << kMethodNames[method] << " " << Ascii(id) << " at " << x;
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 600);
}

// The published shape of such tables: the relative uncertainty falls as the fraction grows.
TEST(MetrologyTables, RelativeUncertaintyFallsAcrossTheRangeOfEthane) {
    const std::span<const MetrologyRow> table = DefaultRows(0);
    const auto count = static_cast<int32_t>(table.size());
    double previous = std::numeric_limits<double>::infinity();
    for (const double x : {0.001, 0.01, 0.1, 1.0, 10.0, 15.0}) {
        const double relative = CalcU(table.data(), count, u"ethane", x) / x;
        EXPECT_LT(relative, previous) << x;
        previous = relative;
    }
}
