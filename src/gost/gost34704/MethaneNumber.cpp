#include "gost/gost34704/MethaneNumber.h"

#include <cmath>
#include <limits>

#include "gost/gost34704/Balancing.h"
#include "gost/gost34704/GasSums.h"
#include "gost/gost34704/PartialMethaneNumber.h"

namespace gost34704 {

double CarbonDioxideCorrection(double simplifiedTotal, double carbonDioxide) {
    const double total = simplifiedTotal + carbonDioxide;
    const double x = 100.0 * simplifiedTotal / total;
    const double y = 100.0 * carbonDioxide / total;
    return EvaluatePolynomial(InertTerms(), x, y) - EvaluatePolynomial(InertTerms(), 100.0, 0.0);
}

MethaneNumberResult CalculateMethaneNumber(const Fraction_t* molarFractions, unsigned int count) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    if (molarFractions == nullptr || count == 0) {
        return {kMethaneNumberInvalidInput, kNaN, kNaN};
    }
    GasSums sums;
    const int status = SumGas(molarFractions, count, true, sums);
    if (status != 0) {
        return {status, kNaN, kNaN};
    }
    // Fractions so large that a sum overflows (the butane equivalents weigh up to 5.3 times) have no
    // shares to compute.
    bool finiteSums = std::isfinite(sums.total) && std::isfinite(sums.carbonDioxide);
    for (const double sum : sums.simplified) {
        finiteSums = finiteSums && std::isfinite(sum);
    }
    if (!(sums.total > kZeroTolerance) || !finiteSums) {
        return {kMethaneNumberInvalidInput, kNaN, kNaN};
    }

    // Steps 1-2: the simplified mixture in volume %, as SimpleMix gives it from VolumeFraction's output.
    // The share first: a sum near the largest double times 100 would overflow.
    double simplified[kSimplifiedCount];
    double simplifiedTotal = 0.0;
    for (int i = 0; i < kSimplifiedCount; ++i) {
        simplified[i] = 100.0 * (sums.simplified[i] / sums.total);
        simplifiedTotal += simplified[i];
    }
    const double carbonDioxide = 100.0 * (sums.carbonDioxide / sums.total);
    if (!IsValidSimplifiedMixture(simplified)) {
        return {kMethaneNumberNoHydrocarbon, kNaN, kNaN};
    }

    // Steps 3-7.
    const int choice = ChooseLeftOutMixture(simplified);
    Split mixes;
    InitialSplit(simplified, choice, mixes);
    const BalanceOutcome outcome = BalanceSplit(mixes, choice);
    const double simplifiedMixture = SplitMethaneNumber(mixes, choice);

    // Step 8.
    const double motorFuel = simplifiedMixture + CarbonDioxideCorrection(simplifiedTotal, carbonDioxide);
    const int result =
        outcome == BalanceOutcome::Balanced ? kMethaneNumberBalanced : kMethaneNumberNotBalanced;
    return {result, simplifiedMixture, motorFuel};
}

} // namespace gost34704
