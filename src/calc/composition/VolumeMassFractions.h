// Volume and mass fractions of the components from their molar fractions (GOST 31369-2021,
// ISO 6976:2016): x_i·Z_i and x_i·M_i, each normalised to 100 %.
#pragma once

#include <cstdint>
#include <vector>

#include "data/ComponentResult.h"

// volumeFraction = Z × molarFraction with Z at the metering temperature ("Tarvel/clcMeasureTemp"), then
// scaled to sum to 100 % when the sum is above zero (else left unscaled: no division by zero).
void ComputeVolumeFractions(int32_t meteringTemperature, std::vector<ComponentResult>& table);

// massFraction = M × molarFraction, then scaled to sum to 100 % when the sum is above zero.
void ComputeMassFractions(std::vector<ComponentResult>& table);
