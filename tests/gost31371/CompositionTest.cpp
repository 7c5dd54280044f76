// Composition functions: methane by difference and its uncertainty, normalisation, and the expanded
// uncertainty read from a table (the row rule on hand-made tables).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
#include <numeric>
#include <vector>

#include "Gost31371TestSupport.h"

using namespace gost31371_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

double Sum(const std::vector<FractionEntry>& entries) {
    double sum = 0;
    for (const FractionEntry& entry : entries) {
        sum += entry.value;
    }
    return sum;
}

} // namespace

// Synthetic vector "methane_by_difference" (invented numbers): x(CH4) = 100 − Σ x_i, U(CH4) = sqrt(Σ U_i²).
TEST(MethaneByDifference, ReproducesTheSyntheticVector) {
    const std::vector<FractionEntry> fractions = {Entry(u"ethane", 3.0), Entry(u"propane", 1.0),
                                                  Entry(u"nitrogen", 0.8), Entry(u"carbon_dioxide", 0.5),
                                                  Entry(u"2_methylpropane", 0.1)};
    const std::vector<FractionEntry> uncertainties = {
        Entry(u"ethane", 0.03), Entry(u"propane", 0.012), Entry(u"nitrogen", 0.016),
        Entry(u"carbon_dioxide", 0.01), Entry(u"2_methylpropane", 0.003)};
    EXPECT_NEAR(CalcMethane(fractions.data(), 5), 94.6, 1e-12);
    EXPECT_NEAR(CalcMethaneU(uncertainties.data(), 5), 0.037536648758246915, 1e-16);
}

// The caller passes fractions without identifiers; methane's own entry, when named, takes no part.
TEST(MethaneByDifference, IdentityAndMethaneOwnEntry) {
    std::vector<FractionEntry> anonymous;
    for (const double value : {4.1325, 0.9871, 0.21, 0.1903, 0.0442, 1.731, 0.862}) {
        anonymous.push_back(Entry(u"", value));
    }
    EXPECT_DOUBLE_EQ(CalcMethane(anonymous.data(), static_cast<int32_t>(anonymous.size())),
                     100 - Sum(anonymous));

    const std::vector<FractionEntry> withMethane = {Entry(u"methane", 91.0), Entry(u"ethane", 5.0),
                                                    Entry(u"nitrogen", 1.5)};
    EXPECT_DOUBLE_EQ(CalcMethane(withMethane.data(), 3), 93.5);
    const std::vector<FractionEntry> uncertainties = {Entry(u"methane", 0.0), Entry(u"ethane", 0.3),
                                                      Entry(u"nitrogen", 0.4)};
    EXPECT_DOUBLE_EQ(CalcMethaneU(uncertainties.data(), 3), 0.5);
    const std::vector<FractionEntry> methaneGiven = {Entry(u"methane", 7.0), Entry(u"ethane", 0.3),
                                                     Entry(u"nitrogen", 0.4)};
    EXPECT_DOUBLE_EQ(CalcMethaneU(methaneGiven.data(), 3), 0.5);
}

TEST(MethaneByDifference, OthersAboveTheWholeGiveANegativeFraction) {
    const std::vector<FractionEntry> fractions = {Entry(u"", 60.0), Entry(u"", 45.0)};
    EXPECT_DOUBLE_EQ(CalcMethane(fractions.data(), 2), -5.0);
}

TEST(MethaneByDifference, NothingElseMeasuredIsAllMethane) {
    EXPECT_EQ(CalcMethane(nullptr, 0), 100.0);
    EXPECT_EQ(CalcMethaneU(nullptr, 0), 0.0);
}

TEST(MethaneByDifference, Rejections) {
    const std::vector<FractionEntry> withNaN = {Entry(u"ethane", 3.0), Entry(u"propane", kNaN)};
    const std::vector<FractionEntry> withInf = {Entry(u"ethane", kInf), Entry(u"propane", 1.0)};
    const std::vector<FractionEntry> huge = {Entry(u"ethane", 1e200), Entry(u"propane", 1e200)};
    EXPECT_EQ(CalcMethane(nullptr, 2), 0.0);
    EXPECT_EQ(CalcMethane(withNaN.data(), -1), 0.0);
    EXPECT_EQ(CalcMethane(withNaN.data(), 2), 0.0);
    EXPECT_EQ(CalcMethane(withInf.data(), 2), 0.0);
    EXPECT_EQ(CalcMethaneU(nullptr, 2), 0.0);
    EXPECT_EQ(CalcMethaneU(withNaN.data(), 2), 0.0);
    EXPECT_EQ(CalcMethaneU(withInf.data(), 2), 0.0);
    EXPECT_EQ(CalcMethaneU(huge.data(), 2), 0.0); // the sum of squares overflows
    EXPECT_EQ(CalcMethaneU(withNaN.data(), 0), 0.0);
}

// Synthetic vector "sample_single_point" (invented numbers): raw fractions scaled to 100 mol %; Normalize
// returns the sum before scaling.
TEST(Normalisation, ReproducesTheSyntheticVector) {
    std::vector<FractionEntry> entries = {Entry(u"methane", 95.53095297156221),
                                          Entry(u"ethane", 2.293905622622612),
                                          Entry(u"nitrogen", 1.338652036632242)};
    EXPECT_NEAR(Normalize(entries.data(), 3, 100.0), 99.16351063081707, 1e-12);
    EXPECT_NEAR(entries[0].value, 96.3368000626977, 1e-12);
    EXPECT_NEAR(entries[1].value, 2.3132557611466154, 1e-13);
    EXPECT_NEAR(entries[2].value, 1.3499441761556885, 1e-13);
    EXPECT_EQ(std::u16string(entries[1].component), u"ethane");
}

// Normalised rows sum to the total, and keep their proportions.
TEST(Normalisation, RowsSumToTheTotal) {
    const std::vector<double> raw = {93.912, 3.415,  0.9921, 0.153, 0.1712,
                                     0.0301, 0.0289, 0.0453, 0.874, 0.341};
    for (const double total : {100.0, 99.31, 97.5, 1.0}) {
        std::vector<FractionEntry> entries;
        for (const double value : raw) {
            entries.push_back(Entry(u"", value));
        }
        const double rawSum = std::accumulate(raw.begin(), raw.end(), 0.0);
        EXPECT_DOUBLE_EQ(Normalize(entries.data(), static_cast<int32_t>(entries.size()), total), rawSum);
        EXPECT_NEAR(Sum(entries), total, 1e-13 * total);
        for (size_t i = 0; i < raw.size(); ++i) {
            EXPECT_NEAR(entries[i].value / entries[0].value, raw[i] / raw[0], 1e-15);
        }
    }
}

TEST(Normalisation, RejectionsLeaveTheEntriesUnchanged) {
    const std::vector<FractionEntry> original = {Entry(u"ethane", 3.0), Entry(u"propane", 1.0)};
    struct Case {
        std::vector<FractionEntry> entries;
        int32_t count;
        double total;
    };
    const Case cases[] = {
        {original, 0, 100.0},
        {original, -2, 100.0},
        {original, 2, 0.0},
        {original, 2, -3.0},
        {original, 2, kNaN},
        {original, 2, kInf},
        {{Entry(u"ethane", 3.0), Entry(u"propane", kNaN)}, 2, 100.0},
        {{Entry(u"ethane", 3.0), Entry(u"propane", -3.0)}, 2, 100.0},
        {{Entry(u"ethane", 0.0), Entry(u"propane", 0.0)}, 2, 100.0},
        {{Entry(u"ethane", 1e308), Entry(u"propane", 1e308)}, 2, 100.0},
    };
    for (const Case& c : cases) {
        std::vector<FractionEntry> entries = c.entries;
        EXPECT_EQ(Normalize(entries.data(), c.count, c.total), 0.0);
        for (size_t i = 0; i < entries.size(); ++i) {
            EXPECT_EQ(std::memcmp(&entries[i], &c.entries[i], sizeof(FractionEntry)), 0);
        }
    }
    EXPECT_EQ(Normalize(nullptr, 2, 100.0), 0.0);
}

// The row rule on a hand-made table: a bound shared by two rows belongs to the row with the smaller lower
// bound ("up to 0.01 inclusive" / "above 0.01"), whatever the order of the rows.
TEST(TableUncertainty, SharedBoundBelongsToTheLowerRow) {
    const MetrologyRow rows[] = {Row(u"ethane", 0.01, 0.1, 2.0, 0.0), Row(u"ethane", 0.001, 0.01, 1.0, 0.0),
                                 Row(u"propane", 0.001, 6.0, 0.03, 0.001)};
    EXPECT_DOUBLE_EQ(CalcU(rows, 3, u"ethane", 0.01), 0.01);
    EXPECT_DOUBLE_EQ(CalcU(rows, 3, u"ethane", std::nextafter(0.01, 1.0)), 2.0 * std::nextafter(0.01, 1.0));
    EXPECT_DOUBLE_EQ(CalcU(rows, 3, u"ethane", 0.1), 0.2);
    EXPECT_DOUBLE_EQ(CalcU(rows, 3, u"propane", 2.0), 0.061);
    EXPECT_EQ(CalcU(rows, 3, u"ethane", 0.2), 0.0);
    EXPECT_EQ(CalcU(rows, 2, u"propane", 2.0), 0.0); // the row count limits the rows read
}

TEST(TableUncertainty, RowsAndIdentifiersThatMatchNothing) {
    MetrologyRow unterminated = Row(u"", 0.001, 1.0, 0.1, 0.0);
    std::fill(std::begin(unterminated.component), std::end(unterminated.component), u'x');
    const std::u16string longName(64, u'x');
    const MetrologyRow rows[] = {
        Row(u"ethane", kNaN, 1.0, 0.1, 0.0),    // unusable bound
        Row(u"ethane", 1.0, 0.5, 0.1, 0.0),     // inverted range
        Row(u"propane", 0.001, 1.0, -1.0, 0.0), // expression below zero
        Row(u"butane", 0.001, 1.0, 0.1, 0.0),   unterminated,
    };
    EXPECT_EQ(CalcU(rows, 5, u"ethane", 0.7), 0.0);
    EXPECT_EQ(CalcU(rows, 5, u"propane", 0.5), 0.0);
    EXPECT_DOUBLE_EQ(CalcU(rows, 5, u"butane", 0.5), 0.05);
    EXPECT_EQ(CalcU(rows, 5, u"Butane", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 5, u"butane ", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 5, u"butan", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 5, longName.c_str(), 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 5, u"", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 5, nullptr, 0.5), 0.0);
    EXPECT_EQ(CalcU(nullptr, 5, u"butane", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 0, u"butane", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, -1, u"butane", 0.5), 0.0);
    EXPECT_EQ(CalcU(rows, 5, u"butane", kNaN), 0.0);
}

// Uncertainties of the default table of method А at points inside its rows, against a·x + b of the row
// that holds them.
TEST(TableUncertainty, DefaultTableGivesTheRowExpression) {
    const std::span<const MetrologyRow> table = DefaultRows(0);
    const auto count = static_cast<int32_t>(table.size());
    for (const MetrologyRow& row : table) {
        const double inside = (row.lower + row.upper) / 2;
        EXPECT_DOUBLE_EQ(CalcU(table.data(), count, IdOf(row).c_str(), inside), row.a * inside + row.b);
    }
}

// A getter given no place for the row count returns no table.
TEST(TableUncertainty, GettersRejectANullCount) {
    EXPECT_EQ(GetDefaultConstTableMethodA(nullptr), nullptr);
    EXPECT_EQ(GetDefaultConstTableMethodB(nullptr), nullptr);
    EXPECT_EQ(GetDefaultConstTableMethodC1(nullptr), nullptr);
    EXPECT_EQ(GetDefaultConstTableMethodC2(nullptr), nullptr);
    for (int method = 0; method < 4; ++method) {
        EXPECT_GT(DefaultRows(method).size(), 20u);
    }
}
