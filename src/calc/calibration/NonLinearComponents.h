// Carbon dioxide, nitrogen and oxygen may respond non-linearly at low fractions. When the user does not
// treat such a component as linear ("Tarvel/clbrCarbonDioxide", "Tarvel/clbrNitrogen",
// "Tarvel/clbrOxygen" off), methods В1 and В2 give it a separate calibration line for the low range
// 0.005 to 0.025 mol % (the low gas range of the table of reference-mixture ranges of methods В1, В2).
#pragma once

#include <string_view>

#include "calc/CalcSettings.h"

inline constexpr double kLowRangeLowerMolPct = 0.005;
inline constexpr double kLowRangeUpperMolPct = 0.025;

// Whether the concentration lies in the low range, both bounds included.
bool InLowRange(double concentrationMolPct);

// Whether the component is carbon dioxide, nitrogen or oxygen and its linear setting is off.
bool IsNonLinearComponent(const CalcSettings& settings, std::u16string_view componentId);
