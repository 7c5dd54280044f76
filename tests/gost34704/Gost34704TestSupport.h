// What the Tarvel3470420 tests share besides the gases: the calculation and the step-by-step
// calculation through the library's step functions, as the methane-number stage calls them.
#pragma once

#include "gost/gost34704/include/Tarvel3470420.h"
#include "gost34704/Gost34704Gases.h"

namespace gost34704_test {

inline int Calculate(const std::vector<Fraction_t>& gas, MetanNumber_t& result) {
    return Calc3470420(gas.data(), static_cast<unsigned int>(gas.size()), &result, false);
}

// The intermediate quantities as the methane-number stage obtains them.
struct Steps {
    std::vector<Fraction_t> volume;
    double simple[4] = {};
    int choice = -1;
    double initial[3][4] = {};
    double initialMethaneNumbers[3] = {};
    double balanced[3][4] = {};
    double balancedMethaneNumbers[3] = {};
};

inline Steps RunSteps(const std::vector<Fraction_t>& gas) {
    Steps steps;
    const auto count = static_cast<unsigned int>(gas.size());
    steps.volume.resize(gas.size());
    VolumeFraction(gas.data(), steps.volume.data(), count);
    SimpleMix(steps.volume.data(), count, steps.simple);
    steps.choice = ChooseMix(steps.simple);
    ThreeMix(steps.simple, steps.choice, steps.initial);
    double(&mixes)[3][4] = steps.balanced;
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            mixes[row][column] = steps.initial[row][column];
        }
    }
    CalcMN(steps.initialMethaneNumbers, mixes, steps.choice);
    double again[3][4];
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            again[row][column] = mixes[row][column];
        }
    }
    CalcMN(steps.balancedMethaneNumbers, again, steps.choice);
    return steps;
}

// Positions in the simplified mixture.
inline constexpr int kPropane = 0;
inline constexpr int kEthane = 1;
inline constexpr int kButane = 2;
inline constexpr int kMethane = 3;

} // namespace gost34704_test
