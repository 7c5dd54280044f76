// What the fuzz drivers share: reading numbers and identifiers out of the fuzzer's bytes, running a call
// with the floating-point traps unmasked as a host written in Delphi runs, and stopping the program with
// a readable reason when a promise of the interface is broken (the fuzzer then keeps the input).
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace fuzzsupport {

inline constexpr int kTraps = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

inline void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken promise: %s\n", what);
        std::abort();
    }
}

// Unmasks division by zero, invalid operation and overflow for its lifetime. A trap inside a call ends
// the program with SIGFPE, which the fuzzer reports; a call that leaves the traps changed is reported by
// the destructor.
class Traps {
public:
    Traps() {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(kTraps);
    }
    ~Traps() {
        const bool kept = fegetexcept() == kTraps;
        fedisableexcept(FE_ALL_EXCEPT);
        Require(kept, "the caller's floating-point traps were changed");
    }
    Traps(const Traps&) = delete;
    Traps& operator=(const Traps&) = delete;
};

// Doubles of every kind: ordinary magnitudes, the ends of the range, zeros, infinities and NaN.
inline double AnyDouble(FuzzedDataProvider& data) {
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return data.ConsumeFloatingPoint<double>();
    case 1:
        return data.ConsumeFloatingPointInRange<double>(-1e3, 1e3);
    case 2:
        return data.PickValueInArray(
            {0.0, -0.0, 1e-306, 1e-200, 1e160, 1e300, 1.7e308, HUGE_VAL, -HUGE_VAL, std::nan("")});
    default:
        return data.ConsumeFloatingPointInRange<double>(0.0, 100.0);
    }
}

// A component identifier: mostly one the libraries know, sometimes bytes of any kind (no terminator
// within the 64 units included).
template <size_t N>
void FillIdentifier(FuzzedDataProvider& data, char16_t (&field)[N]) {
    static const char* const kKnown[] = {"methane",   "ethane",   "propane", "n_butane", "2_methylpropane",
                                         "n_pentane", "c6plus",   "c6",      "nitrogen", "carbon_dioxide",
                                         "helium",    "hydrogen", "oxygen",  "water",    "benzene"};
    for (char16_t& unit : field) {
        unit = 0;
    }
    if (data.ConsumeBool()) {
        const std::string id = data.PickValueInArray(kKnown);
        for (size_t i = 0; i < id.size() && i + 1 < N; ++i) {
            field[i] = static_cast<char16_t>(id[i]);
        }
        return;
    }
    const size_t length = data.ConsumeIntegralInRange<size_t>(0, N);
    for (size_t i = 0; i < length; ++i) {
        field[i] = data.ConsumeIntegral<char16_t>();
    }
}

} // namespace fuzzsupport
