// The physical properties of ISO 6976:2016 (GOST 31369-2021) from the composition: compression factor,
// molar mass, calorific values on molar, mass and volume basis, relative density, density and Wobbe
// indices, for the ideal and the real gas.
#pragma once

#include <cstdint>

#include "gost/gost6976/Composition.h"

namespace gost6976 {

// The properties with the sums they are built from, which the uncertainties reuse.
struct PropertyState {
    double pressureRatio = 0.0;        // p2/p0
    double summation = 0.0;            // Σ x_j·s_j(t2)
    double sigma = 0.0;                // (p2/p0)·Σ x_j·s_j, so that Z = 1 − σ²·p0/p2
    double compressionFactor = 0.0;    // Z
    double compressionFactorAir = 0.0; // Z_air at p2 and t2
    double molarMass = 0.0;            // M, kg/kmol
    double grossMolar = 0.0;           // Hc,G, kJ/mol
    double netMolar = 0.0;             // Hc,N, kJ/mol
    double hydrogenPairs = 0.0;        // Σ x_j·b_j/2: moles of water formed per mole of gas
    double vaporisationEnthalpy = 0.0; // L(t1), kJ/mol
    double molarConcentration = 0.0;   // p2/(R·T2) of the ideal gas, mol/dm³ = kmol/m³
    double value[kPhysicalPropertyCount] = {};
};

// Status3136921 as int32_t: fails only when the compression factor is not positive.
int32_t ComputeProperties(const Gas& gas, const Conditions& conditions, PropertyState& state);

} // namespace gost6976
