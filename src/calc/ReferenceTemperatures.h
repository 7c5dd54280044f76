// The reference temperatures of GOST 31369-2021 (ISO 6976:2016, 5.2), °C, as the settings index them:
// the combustion temperature ("Tarvel/clcBurnoutTemp") any of the five, the metering temperature
// ("Tarvel/clcMeasureTemp") one of the first four (there is no metering at 25 °C).
#pragma once

#include <array>
#include <cstdint>

inline constexpr int32_t kCombustionTemperatureCount = 5;
inline constexpr int32_t kMeteringTemperatureCount = 4;
inline constexpr std::array<double, kCombustionTemperatureCount> kReferenceTemperaturesC = {0.0, 15.0, 15.55,
                                                                                            20.0, 25.0};
