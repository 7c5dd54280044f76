#include "Random.h"

namespace sim {

namespace {
uint64_t SplitMix64(uint64_t& state) {
    uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

uint64_t RotateLeft(uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}
} // namespace

Random::Random(uint64_t seed) {
    for (auto& word : state_) {
        word = SplitMix64(seed);
    }
}

uint64_t Random::Next() {
    const uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const uint64_t t = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= t;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

double Random::Uniform() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

int64_t Random::Integer(int64_t low, int64_t high) {
    if (high <= low) {
        return low;
    }
    const uint64_t span = static_cast<uint64_t>(high) - static_cast<uint64_t>(low) + 1;
    const uint64_t offset = span == 0 ? Next() : Next() % span;
    return static_cast<int64_t>(static_cast<uint64_t>(low) + offset);
}

double Random::Normal() {
    double sum = 0.0;
    for (int i = 0; i < 12; ++i) {
        sum += Uniform();
    }
    return sum - 6.0;
}

} // namespace sim
