// The reference mixtures assigned to a component (or, with an empty identifier, to every component).
#pragma once

#include <cstdint>
#include <string>

enum class MixtureType : int32_t {
    Ipg = 0, // СО-ИПГ
    Pgm = 1, // СО-ПГМ
};

struct ComponentMixtures {
    std::u16string component; // identifier; empty = the general assignment
    std::u16string first;     // first reference mixture name
    std::u16string second;    // second reference mixture name (methods В1, В2)
    int32_t firstType = 0;    // MixtureType; other values are kept as stored
    int32_t secondType = 0;
};
