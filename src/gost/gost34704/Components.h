// How each component identifier enters the method of GOST 34704-2020: its summation factor at 0 °C for
// the conversion to volume fractions, and its place in the simplified mixture (README.md gives the rules
// and their reasons).
#pragma once

#include <string_view>

namespace gost34704 {

enum class MethodRole {
    Methane,
    Ethane,
    Propane,
    ButaneEquivalent, // counted into the butane equivalents with butaneEquivalentFactor
    CarbonDioxide,    // the inert step
    SetAside,         // takes part only in the conversion to volume fractions
};

struct ComponentData {
    std::u16string_view id;
    double summationFactor0C; // s at 0 °C and 101.325 kPa; the component's Z = 1 − s²
    MethodRole role;
    double butaneEquivalentFactor; // volumes of butane per volume of the component (ButaneEquivalent only)
};

// Longest identifier with its terminator, as the interface's records hold it.
inline constexpr int kIdentifierCapacity = 64;

// The component with that identifier (ASCII letters compared without regard to case); null when the
// identifier is unknown, null, or not terminated within kIdentifierCapacity characters.
const ComponentData* FindComponent(const char16_t* identifier);

// True when both identifiers are terminated within kIdentifierCapacity characters and equal without
// regard to the case of ASCII letters.
bool SameIdentifier(const char16_t* left, const char16_t* right);

} // namespace gost34704
