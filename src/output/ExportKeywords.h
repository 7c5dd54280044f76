// The fixed words the exports write for coded settings and records. The XML and JSON exports write
// them as given here, the TXT export in capitals.
#pragma once

#include <cstdint>
#include <string_view>

// "calibration" for role 1, "control" for role 2, "assay" for any other role.
std::u16string_view AssayKindKeyword(int32_t role);

// The calibration method as a Latin letter: "A" (А), "B" (Б), "C" (В1 and В2); empty for other values.
std::u16string_view CalibrationMethodLetter(int32_t method);

// The metering temperature of index 0 to 3, °C: "0.0", "15.0", "15.55", "20.0"; empty otherwise.
std::u16string_view MeasureTemperatureText(int32_t index);

// The combustion temperature of index 0 to 4, °C: "0.0", "15.0", "15.55", "20.0", "25.0"; empty
// otherwise.
std::u16string_view BurnoutTemperatureText(int32_t index);

// The type of a reference mixture: "NGS" (СО-ИПГ, type 0), "MNG" (СО-ПГМ, type 1); empty otherwise.
std::u16string_view MixtureTypeKeyword(int32_t type);

// "true" or "false".
std::u16string_view BooleanWord(bool value);
