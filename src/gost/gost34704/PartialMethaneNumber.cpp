#include "gost/gost34704/PartialMethaneNumber.h"

#include <cmath>
#include <limits>

#include "gost/gost34704/GasSums.h"

namespace gost34704 {
namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
} // namespace

double MemberTotal(const PartialMixture& mixture, const double (&row)[kSimplifiedCount]) {
    return row[mixture.components[0]] + row[mixture.components[1]] + row[mixture.components[2]];
}

// x and y are the volume % of the diagram's first two components within the partial mixture, so the
// derivative of the methane number with respect to the amount of component c is
// ∂MN/∂x·(100·[c = x] − x)/T + ∂MN/∂y·(100·[c = y] − y)/T, T the partial mixture's total.
PartialSlope PartialMethaneNumberWithSlope(const PartialMixture& mixture,
                                           const double (&row)[kSimplifiedCount]) {
    const int xComponent = mixture.components[0];
    const int yComponent = mixture.components[1];
    const double total = MemberTotal(mixture, row);
    const double x = 100.0 * row[xComponent] / total;
    const double y = 100.0 * row[yComponent] / total;
    const PolynomialValue polynomial = EvaluatePolynomialWithSlope(mixture.terms, x, y);
    PartialSlope result;
    result.value = polynomial.value;
    for (int component : mixture.components) {
        const double dx = ((component == xComponent ? 100.0 : 0.0) - x) / total;
        const double dy = ((component == yComponent ? 100.0 : 0.0) - y) / total;
        result.slope[component] = polynomial.dx * dx + polynomial.dy * dy;
    }
    return result;
}

double PartialMethaneNumber(int number, const double (&row)[kSimplifiedCount]) {
    const PartialMixture& mixture = PartialMixtureAt(number);
    for (int component = 0; component < kSimplifiedCount; ++component) {
        const double amount = row[component];
        if (!std::isfinite(amount) || amount < 0.0) {
            return kNaN;
        }
        if (!Contains(mixture, component) && amount > kZeroTolerance) {
            return kNaN;
        }
    }
    if (!(MemberTotal(mixture, row) > kZeroTolerance)) {
        return kNaN;
    }
    return PartialMethaneNumberWithSlope(mixture, row).value;
}

double SplitMethaneNumber(const Split& mixes, int choice) {
    double weighted = 0.0;
    double total = 0.0;
    for (int row = 0; row < kUsedMixtureCount; ++row) {
        bool empty = true;
        double rowTotal = 0.0;
        for (int component = 0; component < kSimplifiedCount; ++component) {
            const double amount = mixes[row][component];
            empty = empty && amount >= 0.0 && amount <= kZeroTolerance;
            rowTotal += amount;
        }
        if (empty) {
            continue;
        }
        weighted += rowTotal * PartialMethaneNumber(UsedMixtureNumber(choice, row), mixes[row]);
        total += rowTotal;
    }
    return total > 0.0 ? weighted / total : kNaN;
}

} // namespace gost34704
