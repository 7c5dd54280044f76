// The simulator's random numbers: the same sequence from the same seed on every compiler and library
// (the standard distributions differ between library implementations, so none of them is used).
#pragma once

#include <cstdint>

namespace sim {

// xoshiro256** (Blackman and Vigna, 2018) seeded through SplitMix64.
class Random {
public:
    explicit Random(uint64_t seed);

    uint64_t Next();
    // Uniform in [0, 1) with 53 random bits.
    double Uniform();
    double Between(double low, double high) { return low + (high - low) * Uniform(); }
    // Uniform integer in [low, high].
    int64_t Integer(int64_t low, int64_t high);
    // Approximately standard normal: the sum of twelve uniforms less six (Irwin-Hall), which needs only
    // additions, so it is reproducible everywhere, and is bounded by ±6.
    double Normal();

private:
    uint64_t state_[4];
};

} // namespace sim
