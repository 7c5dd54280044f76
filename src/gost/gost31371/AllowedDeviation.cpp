#include "gost/gost31371/AllowedDeviation.h"

#include <iterator>

#include "gost/gost31371/Numbers.h"

namespace gost31371 {
namespace {

struct AllowedBand {
    double upperMolPct; // the band holds fractions above the previous band's bound, up to this one inclusive
    double allowedRelativeSdPct;
};

// Designed values (the official band table was not available; README.md, "Allowed relative standard
// deviation"): roughly halving per decade of the fraction, as the repeatability of a thermal-conductivity
// or flame-ionisation detector does; the first band also serves fractions below 0.001 mol %. The tables of
// metrological characteristics are built on the same bands (data/design_metrology_tables.py).
constexpr AllowedBand kAllowedBands[] = {
    {0.01, 5.0},  // up to 0.01 mol %
    {0.1, 2.0},   // above 0.01 up to 0.1 mol %
    {1.0, 1.0},   // above 0.1 up to 1 mol %
    {10.0, 0.5},  // above 1 up to 10 mol %
    {100.0, 0.2}, // above 10 up to 100 mol %
};

// ISO 5725-6:1994 Table 1, critical-range factors f(n) for n = 2 … 20 at the 95 % probability level
// (the 95 % quantile of the range of n standard normal values, rounded to one decimal as printed).
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

} // namespace

double AllowedRelativeDeviationPct(double moleFractionPct) {
    if (!IsAboveZero(moleFractionPct) || moleFractionPct > kWholeMolPct) {
        return 0.0;
    }
    for (const AllowedBand& band : kAllowedBands) {
        if (moleFractionPct <= band.upperMolPct) {
            return band.allowedRelativeSdPct;
        }
    }
    return 0.0;
}

double CriticalRangeFactor(int n) {
    const int index = n - kFirstCriticalRangeN;
    if (index < 0 || index >= static_cast<int>(std::size(kCriticalRangeFactors))) {
        return 0.0;
    }
    return kCriticalRangeFactors[index];
}

} // namespace gost31371
