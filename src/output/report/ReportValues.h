// The texts of the numbers in the report document: the same rules the result pages apply, so the
// report shows each number exactly as its page does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// A GOST rounding rule of a column: the value's text from the value and the row's absolute expanded
// uncertainty (rules that need no uncertainty ignore it).
using GostRule = std::u16string (*)(double value, double uncertainty);

// FormatUncertainty of the value: calibration values, retention times, areas, heights, volume and
// mass fractions, differences, limits, x1 and x2 and the uncertainties of the molar fractions.
std::u16string UncertaintyRule(double value, double uncertainty);
// FormatByUncertainty: molar fractions, normalised or not (GOST 31371.7-2020).
std::u16string ByUncertaintyRule(double value, double uncertainty);
// FormatToUncertaintyDigits: physical property values (GOST 31369-2021).
std::u16string ToUncertaintyDigitsRule(double value, double uncertainty);
// FormatTwoSignificant of the value: the uncertainties of the physical properties.
std::u16string TwoSignificantRule(double value, double uncertainty);

// The view rule of a column with its Gost and Scale settings, after the missing test: an em dash for
// a value that is not a number or counts as zero; otherwise the GOST rule when gost is on, else the
// value with scale decimals.
std::u16string ViewRuleText(double value, double uncertainty, bool gost, int32_t scale, GostRule rule);

// The missing test, then the value with the given decimals.
std::u16string FixedOrMissingText(double value, int32_t decimals);

// The molar fraction of a component row: the missing test first, then "< " and the lower limit of the
// measuring range when the fraction lies below it, else the view rule.
std::u16string MolarFractionText(double molarFraction, double uncertainty, double lowerLimit, bool gost,
                                 int32_t scale);

// The marker behind the name of a component that does not enter the calculation of the physical
// properties: a molar fraction below 0.005 mol % or not a number.
bool IsBelowPropertiesThreshold(double molarFraction);
inline constexpr std::u16string_view kExcludedComponentMark = u" *";

// Values in kcal/m³ are the MJ/m³ values divided by this factor (MJ per kcal, international table
// calorie: 4.1868 kJ).
inline constexpr double kMegajoulesPerKilocalorie = 0.0041868;
