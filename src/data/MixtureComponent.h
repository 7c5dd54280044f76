// One certified component of a reference mixture; the same record holds a conditionally constant
// component entered by the user.
#pragma once

#include <cstdint>
#include <string>

struct MixtureComponent {
    std::u16string name;        // component identifier
    double concentration = 0.0; // certified molar fraction, mol %
    double deviation = 0.0;     // its expanded uncertainty, mol %
    int32_t qty_sym_conc = -1;  // decimals shown for the concentration; -1: not given ("%g")
    int32_t qty_sym_dev = -1;   // decimals shown for the deviation; -1: not given

    bool operator==(const MixtureComponent&) const = default;
};
