// The built-in designed set of tables and norms.
#include <set>

#include "gost/gost31371/TableSet.h"

namespace gost31371 {
namespace {

// Designed values (the official band table was not available; README.md, "Allowed relative standard
// deviation"): roughly halving per decade of the fraction, as the repeatability of a thermal-conductivity
// or flame-ionisation detector does; the first band also serves fractions below 0.001 mol %. The tables of
// metrological characteristics are built on the same bands (data/design_metrology_tables.py).
constexpr const char* kBandSource = "designed R3: halving per decade of the fraction";
struct BuiltInBand {
    double lower;
    double upper;
    double allowedPct;
};
constexpr BuiltInBand kAllowedBands[] = {
    {0.0, 0.01, 5.0},   // up to 0.01 mol %
    {0.01, 0.1, 2.0},   // above 0.01 up to 0.1 mol %
    {0.1, 1.0, 1.0},    // above 0.1 up to 1 mol %
    {1.0, 10.0, 0.5},   // above 1 up to 10 mol %
    {10.0, 100.0, 0.2}, // above 10 up to 100 mol %
};

// ISO 5725-6:1994 Table 1, critical-range factors f(n) for n = 2 … 20 at the 95 % probability level
// (the 95 % quantile of the range of n standard normal values, rounded to one decimal as printed).
constexpr const char* kCriticalRangeSource = "ISO 5725-6:1994 Table 1";
constexpr double kCriticalRangeFactors[] = {
    2.8, // n = 2
    3.3, // n = 3
    3.6, // n = 4
    3.9, // n = 5
    4.0, // n = 6
    4.2, // n = 7
    4.3, // n = 8
    4.4, // n = 9
    4.5, // n = 10
    4.6, // n = 11
    4.6, // n = 12
    4.7, // n = 13
    4.7, // n = 14
    4.8, // n = 15
    4.8, // n = 16
    4.9, // n = 17
    4.9, // n = 18
    5.0, // n = 19
    5.0, // n = 20
};
constexpr int kFirstCriticalRangeN = 2;

// Ratio of certified to analysed fraction permitted either way for a single-point calibration (designed;
// README.md, "Reference mixture against the analysed gas").
constexpr double kMixtureRatioLimit = 2.0;
constexpr const char* kMixtureRatioSource = "designed R6: within a factor of two of the analysed fraction";

std::string AsciiOf(const char16_t* field) {
    std::string text;
    for (int i = 0; i < 64 && field[i] != u'\0'; ++i) {
        text += static_cast<char>(field[i]);
    }
    return text;
}

} // namespace

TableSet BuiltInTableSet() {
    TableSet tables;
    for (int method = 0; method < kMethodCount; ++method) {
        const TableView view = DefaultTable(static_cast<Method>(method));
        tables.rows[method].assign(view.rows, view.rows + view.count);
        tables.sources[method].assign(view.sources, view.sources + view.count);
    }
    for (const BuiltInBand& band : kAllowedBands) {
        tables.allowedBands.push_back({band.lower, band.upper, band.allowedPct, kBandSource});
    }
    int n = kFirstCriticalRangeN;
    for (double factor : kCriticalRangeFactors) {
        tables.criticalRange.push_back({n++, factor, kCriticalRangeSource});
    }
    tables.mixtureRatio = kMixtureRatioLimit;
    tables.mixtureRatioSource = kMixtureRatioSource;
    return tables;
}

int32_t CoefficientRowCount(const TableSet& tables) {
    size_t count = 0;
    for (const auto& rows : tables.rows) {
        count += rows.size();
    }
    return static_cast<int32_t>(count);
}

bool IsKnownComponent(const std::string& identifier) {
    static const std::set<std::string>* const known = [] {
        auto* made = new std::set<std::string>;
        for (int method = 0; method < kMethodCount; ++method) {
            const TableView view = DefaultTable(static_cast<Method>(method));
            for (int32_t i = 0; i < view.count; ++i) {
                made->insert(AsciiOf(view.rows[i].component));
            }
        }
        return made;
    }();
    return known->count(identifier) != 0;
}

const char* MethodKeyword(int method) {
    static constexpr const char* kKeywords[kMethodCount] = {"A", "B", "C1", "C2"};
    return method >= 0 && method < kMethodCount ? kKeywords[method] : "";
}

} // namespace gost31371
