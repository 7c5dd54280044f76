// Compression factors Z of the pure components at 101.325 kPa and the four metering temperatures of the
// volume fractions (0 °C, 15 °C, 15.55 °C, 20 °C), by which molar fractions become volume fractions.
#pragma once

#include <cstdint>
#include <string_view>

#include "calc/ReferenceTemperatures.h"

// Z of the component at the metering temperature (its index, "Tarvel/clcMeasureTemp"), exactly as the table
// lists it; 0 for a component the table does not know and for a column outside 0..3.
double CompressionFactorOf(std::u16string_view componentId, int32_t meteringTemperature);
