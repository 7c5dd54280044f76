// Compression factors Z of the pure components at 101.325 kPa and the four metering temperatures of the
// volume fractions (0 °C, 15 °C, 15.55 °C, 20 °C), by which molar fractions become volume fractions.
#pragma once

#include <cstdint>
#include <string_view>

// Column of the metering temperature ("Tarvel/clcMeasureTemp"): 0 → 0 °C, 1 → 15 °C, 2 → 15.55 °C,
// 3 → 20 °C.
inline constexpr int32_t kMeteringTemperatureCount = 4;

// Z of the component at the metering temperature, exactly as the table lists it; 0 for a component the
// table does not know and for a column outside 0..3.
double CompressionFactorOf(std::u16string_view componentId, int32_t meteringTemperature);
