#include "gost/gost34704/Selection.h"

#include <algorithm>
#include <cmath>

#include "gost/gost34704/GasSums.h"

namespace gost34704 {

bool IsValidSimplifiedMixture(const double* simple4) {
    if (simple4 == nullptr) {
        return false;
    }
    bool anyPresent = false;
    for (int i = 0; i < kSimplifiedCount; ++i) {
        if (!std::isfinite(simple4[i]) || simple4[i] < 0.0) {
            return false;
        }
        anyPresent = anyPresent || simple4[i] > kZeroTolerance;
    }
    return anyPresent;
}

int ChooseLeftOutMixture(const double* simple4) {
    int leftOut = 0;
    int fewestPresent = kSimplifiedCount + 1;
    double leastAffinity = 0.0;
    for (int number = 0; number < kPartialMixtureCount; ++number) {
        const PartialMixture& mixture = PartialMixtureAt(number);
        int present = 0;
        double affinity = 0.0;
        for (int component : mixture.components) {
            if (simple4[component] > kZeroTolerance) {
                ++present;
            }
            affinity += simple4[component] * mixture.affinityWeight[component];
        }
        if (present < fewestPresent || (present == fewestPresent && affinity < leastAffinity)) {
            leftOut = number;
            fewestPresent = present;
            leastAffinity = affinity;
        }
    }
    return leftOut;
}

bool IsValidChoice(int choice) {
    return choice >= 0 && choice < kPartialMixtureCount;
}

int UsedMixtureNumber(int choice, int row) {
    return row < choice ? row : row + 1;
}

void InitialSplit(const double* simple4, int choice, Split& mixes) {
    // Amounts relative to the largest one: amounts near the largest double would overflow their sum and
    // the shares, while the relative ones sum to at least one and at most four.
    double largest = 0.0;
    for (int i = 0; i < kSimplifiedCount; ++i) {
        largest = std::max(largest, simple4[i]);
    }
    double total = 0.0;
    for (int i = 0; i < kSimplifiedCount; ++i) {
        total += simple4[i] / largest;
    }
    for (int component = 0; component < kSimplifiedCount; ++component) {
        int holders = 0;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            if (Contains(PartialMixtureAt(UsedMixtureNumber(choice, row)), component)) {
                ++holders;
            }
        }
        const double share = 100.0 * (simple4[component] / largest) / total / holders;
        for (int row = 0; row < kUsedMixtureCount; ++row) {
            const bool holds = Contains(PartialMixtureAt(UsedMixtureNumber(choice, row)), component);
            mixes[row][component] = holds ? share : 0.0;
        }
    }
}

} // namespace gost34704
