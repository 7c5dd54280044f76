// What the fuzz drivers share: reading component identifiers from the fuzzer's bytes, the floating-point
// traps a Delphi host runs with, and a check that aborts (so the fuzzer records the input) with a reason.
#pragma once

#include <cfenv>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fuzzer/FuzzedDataProvider.h>

namespace fuzz {

// Stops the run with the reason; libFuzzer keeps the input that led here.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

inline void Require(bool condition, const char* what) {
    if (!condition) {
        Fail(what);
    }
}

// Every identifier the libraries know, and some they do not, so that most inputs reach the formulas.
inline const char16_t* const kIdentifiers[] = {
    u"methane",         u"ethane",         u"propane",          u"n_butane",
    u"2_methylpropane", u"n_pentane",      u"2_methylbutane",   u"2_2_dimethylpropane",
    u"n_hexane",        u"n_heptane",      u"n_octane",         u"c6plus",
    u"nitrogen",        u"carbon_dioxide", u"oxygen",           u"helium",
    u"hydrogen",        u"argon",          u"hydrogen_sulfide", u"water",
    u"benzene",         u"toluene",        u"unknown",          u"",
};

// A zero-terminated identifier of at most 63 characters into a 64-character field.
inline void TakeIdentifier(FuzzedDataProvider& data, char16_t (&field)[64]) {
    std::u16string text;
    if (data.ConsumeBool()) {
        text = data.PickValueInArray(kIdentifiers);
    } else {
        const std::string bytes = data.ConsumeRandomLengthString(80);
        text.assign(bytes.begin(), bytes.end());
    }
    text.resize(std::min<size_t>(text.size(), 63));
    std::fill(std::begin(field), std::end(field), u'\0');
    std::copy(text.begin(), text.end(), field);
}

// Any double, the extremes and the special values included.
inline double TakeDouble(FuzzedDataProvider& data) {
    static constexpr double kSpecial[] = {0.0,
                                          -0.0,
                                          1.0,
                                          100.0,
                                          1e-306,
                                          1e-200,
                                          1e160,
                                          1e200,
                                          1e300,
                                          -1.0,
                                          5e-324,
                                          1.7976931348623157e308,
                                          __builtin_nan(""),
                                          __builtin_inf(),
                                          -__builtin_inf()};
    return data.ConsumeBool() ? data.PickValueInArray(kSpecial) : data.ConsumeFloatingPoint<double>();
}

// The traps of a host that unmasks floating-point exceptions, for the duration of a library call. The
// library must neither trap (the process would get SIGFPE) nor leave the traps changed.
class HostTraps {
public:
    static constexpr int kTraps = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
    HostTraps() {
        std::feclearexcept(FE_ALL_EXCEPT);
        feenableexcept(kTraps);
    }
    ~HostTraps() { fedisableexcept(FE_ALL_EXCEPT); }
    HostTraps(const HostTraps&) = delete;
    HostTraps& operator=(const HostTraps&) = delete;

    // After the call: the caller's traps are as they were.
    static void RequireRestored() {
        Require(fegetexcept() == kTraps, "the library changed the caller's traps");
    }
};

} // namespace fuzz
