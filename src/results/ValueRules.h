// The one vocabulary of value rules of the result tables: how the result pages, the report and the XML
// and TXT exports turn a number into text, on the formatting rules of calc/rounding/Rounding.h. A column
// names the GOST rule it is rounded by; its Gost and Scale view settings choose between that rule and
// fixed decimals.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The rounding rule of the standard a column follows when its Gost setting is on.
enum class GostRule : int32_t {
    Uncertainty,         // FormatUncertainty of the value: calibration values, times, areas, heights,
                         // volume and mass fractions, differences, limits, x1, x2, uncertainties of the
                         // molar fractions
    ByUncertainty,       // FormatByUncertainty with the row's uncertainty: molar fractions (GOST 31371.7)
    ToUncertaintyDigits, // FormatToUncertaintyDigits: physical property values (GOST 31369-2021)
    TwoSignificant,      // FormatTwoSignificant of the value: uncertainties of the physical properties
};

// The text of value under rule; uncertainty is the absolute expanded uncertainty the rule rounds by
// (rules that need none ignore it).
std::u16string GostRuleText(GostRule rule, double value, double uncertainty);

// The em dash when value is not a number or counts as zero; otherwise text.
std::u16string MissingOr(double value, std::u16string text);

// The view rule of a column with its Gost and Scale settings, after the missing test: the GOST rule
// when gost is on, else the value with scale decimals.
std::u16string ViewRuleText(double value, double uncertainty, bool gost, int32_t scale, GostRule rule);

// The missing test, then the value with the given decimals.
std::u16string FixedOrMissingText(double value, int32_t decimals);

// The molar fraction of a component row: the missing test first, then "< " and the lower limit of the
// measuring range when the fraction lies below it, else the view rule (GostRule::ByUncertainty).
std::u16string MolarFractionText(double molarFraction, double uncertainty, double lowerLimit, bool gost,
                                 int32_t scale);

// A certified value of a reference mixture: the missing test, then its stored decimals.
std::u16string ReferenceOrMissingText(double value, int32_t decimals);

// The marker behind the name of a component that does not enter the calculation of the physical
// properties: a molar fraction below 0.005 mol % or not a number.
bool IsBelowPropertiesThreshold(double molarFraction);
inline constexpr std::u16string_view kExcludedComponentMark = u" *";

// Values in kcal/m³ are the MJ/m³ values divided by this factor (MJ per kcal, international table
// calorie: 4.1868 kJ).
inline constexpr double kMegajoulesPerKilocalorie = 0.0041868;
