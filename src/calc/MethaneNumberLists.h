// The intermediate quantities of the methane number (GOST 34704-2020) that the methane-number page
// shows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ComponentFractionRow {
    double volumeFraction = 0.0; // %
    double molarFraction = 0.0;  // %
    std::u16string component;
};

// Rows methane, ethane, propane, butane (equivalents) of the simplified mixture.
struct SimplifiedMixtureRow {
    double normalised = 0.0; // volume %, normalised to 100
    double raw = 0.0;        // volume % before normalisation
};

// Rows: simplified mixture, carbon dioxide, nitrogen of the gas-motor-fuel mixture.
struct MotorFuelRow {
    double share = 0.0; // %
    double value = 0.0; // %
};

struct InitialMethaneNumberRow {
    double methaneNumber = 0.0;
    int32_t mixtureNumber = 0; // 0..3, the left-out partial mixture skipped
};

struct MethaneNumberLists {
    std::vector<ComponentFractionRow> componentFractions;
    std::vector<SimplifiedMixtureRow> simplifiedMixture;
    std::vector<MotorFuelRow> motorFuelMixture;
    std::vector<InitialMethaneNumberRow> initialMethaneNumbers;
};
