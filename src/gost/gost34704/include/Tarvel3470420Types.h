// The records and status values of the Tarvel3470420 interface (GOST 34704-2020, methane number of natural
// gas), kept apart from the function declarations so that a caller binding the library explicitly can use
// them without declaring the library's functions (Tarvel31371720 exports another function named Normalize).
#pragma once

#include <cstddef>

extern "C" {

// One component of a gas: identifier (zero-terminated UTF-16, at most 63 characters) and its fraction
// in % (molar fraction, or volume fraction in the output of VolumeFraction).
struct Fraction_t {
    char16_t component[64];
    double fraction;
};
static_assert(sizeof(Fraction_t) == 136, "the record layout is part of the interface");
static_assert(offsetof(Fraction_t, component) == 0, "the record layout is part of the interface");
static_assert(offsetof(Fraction_t, fraction) == 128, "the record layout is part of the interface");

// The two methane numbers: first of the simplified mixture (the combustible hydrocarbons), second of the
// gas motor fuel (with the correction for carbon dioxide).
struct MetanNumber_t {
    double first;
    double second;
};
static_assert(sizeof(MetanNumber_t) == 16, "the record layout is part of the interface");
static_assert(offsetof(MetanNumber_t, first) == 0, "the record layout is part of the interface");
static_assert(offsetof(MetanNumber_t, second) == 8, "the record layout is part of the interface");

// Status values of Calc3470420.
enum {
    kMethaneNumberBalanced = 0,          // the partial mixtures were brought to one methane number
    kMethaneNumberNotBalanced = 1,       // computed as the volume-weighted mean of the partial mixtures'
                                         // methane numbers without a common value (a gas of one hydrocarbon)
    kMethaneNumberInvalidInput = -1,     // null pointer, no rows, a fraction NaN, infinite or negative, or
                                         // fractions so large that their sum overflows
    kMethaneNumberUnknownComponent = -2, // an identifier the library does not know
    kMethaneNumberNoHydrocarbon = -3,    // the gas holds no hydrocarbon
};

} // extern "C"
