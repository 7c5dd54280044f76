// The C interface of Tarvel3470420: each function checks its arguments, guards the caller's
// floating-point environment and carries out one step of the method (or all of them).
#include "gost/gost34704/include/Tarvel3470420.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "gost/common/BoundaryGuard.h"
#include "gost/gost34704/Balancing.h"
#include "gost/gost34704/GasSums.h"
#include "gost/gost34704/MethaneNumber.h"
#include "gost/gost34704/PartialMethaneNumber.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

using namespace gost34704;

void FillNaN(double* values, int count) {
    for (int i = 0; i < count; ++i) {
        values[i] = kNaN;
    }
}

// Copies an identifier with the record's capacity, always terminated; the rows may be the same.
void CopyIdentifier(const char16_t (&source)[kIdentifierCapacity], char16_t (&target)[kIdentifierCapacity]) {
    std::memmove(target, source, sizeof target);
    target[kIdentifierCapacity - 1] = u'\0';
}

} // namespace

extern "C" {

TARVEL_EXPORT int Calc3470420(const Fraction_t* molarFractions, unsigned int count, MetanNumber_t* result,
                              bool /*reserved*/) {
    return gost::GuardedCall(int{kMethaneNumberInvalidInput}, [&]() -> int {
        if (result == nullptr) {
            return kMethaneNumberInvalidInput;
        }
        const MethaneNumberResult numbers = CalculateMethaneNumber(molarFractions, count);
        result->first = numbers.simplifiedMixture;
        result->second = numbers.motorFuel;
        return numbers.status;
    });
}

TARVEL_EXPORT void VolumeFraction(const Fraction_t* molarFractions, Fraction_t* volumeFractions,
                                  unsigned int count) {
    gost::GuardedCall([&] {
        if (molarFractions == nullptr || volumeFractions == nullptr) {
            return;
        }
        GasSums sums;
        const bool valid = SumGas(molarFractions, count, true, sums) == 0 && std::isfinite(sums.total) &&
                           sums.total > kZeroTolerance;
        for (unsigned int i = 0; i < count; ++i) {
            double volume = kNaN;
            if (valid) {
                // The share first: a fraction near the largest double times 100 would overflow, while
                // its share of the finite total is at most one.
                const ComponentData* component = FindComponent(molarFractions[i].component);
                volume = 100.0 * (molarFractions[i].fraction * CompressionFactor0C(*component) / sums.total);
            }
            CopyIdentifier(molarFractions[i].component, volumeFractions[i].component);
            volumeFractions[i].fraction = volume;
        }
    });
}

TARVEL_EXPORT void SimpleMix(const Fraction_t* volumeFractions, unsigned int count, double* simple4) {
    gost::GuardedCall([&] {
        if (simple4 == nullptr) {
            return;
        }
        GasSums sums;
        if ((volumeFractions == nullptr && count > 0) ||
            (count > 0 && SumGas(volumeFractions, count, false, sums) != 0)) {
            FillNaN(simple4, kSimplifiedCount);
            return;
        }
        for (int i = 0; i < kSimplifiedCount; ++i) {
            simple4[i] = sums.simplified[i];
        }
    });
}

TARVEL_EXPORT int ChooseMix(const double* simple4) {
    return gost::GuardedCall(
        -1, [&] { return IsValidSimplifiedMixture(simple4) ? ChooseLeftOutMixture(simple4) : -1; });
}

TARVEL_EXPORT void ThreeMix(const double* simple4, int choice, double (&mixes)[3][4]) {
    gost::GuardedCall([&] {
        if (!IsValidChoice(choice) || !IsValidSimplifiedMixture(simple4)) {
            FillNaN(&mixes[0][0], kUsedMixtureCount * kSimplifiedCount);
            return;
        }
        InitialSplit(simple4, choice, mixes);
    });
}

TARVEL_EXPORT void CalcMN(double (&methaneNumbers)[3], double (&mixes)[3][4], int choice) {
    gost::GuardedCall([&] {
        if (!IsValidChoice(choice)) {
            FillNaN(methaneNumbers, kUsedMixtureCount);
            return;
        }
        bool allValid = true;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            methaneNumbers[row] = PartialMethaneNumber(UsedMixtureNumber(choice, row), mixes[row]);
            allValid = allValid && !std::isnan(methaneNumbers[row]);
        }
        if (allValid) {
            BalanceSplit(mixes, choice);
        }
    });
}

TARVEL_EXPORT double Normalize(double* values, unsigned int count) {
    return gost::GuardedCall(0.0, [&] {
        if (values == nullptr) {
            return 0.0;
        }
        double sum = 0.0;
        for (unsigned int i = 0; i < count; ++i) {
            sum += values[i];
        }
        // A sum that overflows cannot be computed: NaN, as everywhere in this interface.
        if (!std::isfinite(sum)) {
            return kNaN;
        }
        if (!(sum > kZeroTolerance)) {
            return sum;
        }
        // Every share is checked before any is written: beside negative values the sum can be small
        // while a value is not, and its share would overflow.
        for (unsigned int i = 0; i < count; ++i) {
            if (!std::isfinite(100.0 * (values[i] / sum))) {
                return kNaN;
            }
        }
        for (unsigned int i = 0; i < count; ++i) {
            values[i] = 100.0 * (values[i] / sum);
        }
        return sum;
    });
}

TARVEL_EXPORT double GetFraction(const Fraction_t* fractions, unsigned int count, const char16_t* component) {
    return gost::GuardedCall(0.0, [&] {
        if (fractions == nullptr || component == nullptr) {
            return 0.0;
        }
        double sum = 0.0;
        for (unsigned int i = 0; i < count; ++i) {
            if (SameIdentifier(fractions[i].component, component)) {
                sum += fractions[i].fraction;
            }
        }
        return sum;
    });
}

} // extern "C"
