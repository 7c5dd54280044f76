#include "output/report/ReportValues.h"

#include <cmath>

#include "calc/rounding/Rounding.h"

std::u16string UncertaintyRule(double value, double /*uncertainty*/) {
    return FormatUncertainty(value);
}

std::u16string ByUncertaintyRule(double value, double uncertainty) {
    return FormatByUncertainty(value, uncertainty);
}

std::u16string ToUncertaintyDigitsRule(double value, double uncertainty) {
    return FormatToUncertaintyDigits(value, uncertainty);
}

std::u16string TwoSignificantRule(double value, double /*uncertainty*/) {
    return FormatTwoSignificant(value);
}

std::u16string ViewRuleText(double value, double uncertainty, bool gost, int32_t scale, GostRule rule) {
    if (IsMissingValue(value)) {
        return std::u16string(kMissingValueText);
    }
    return gost ? rule(value, uncertainty) : FormatFixed(value, scale);
}

std::u16string FixedOrMissingText(double value, int32_t decimals) {
    if (IsMissingValue(value)) {
        return std::u16string(kMissingValueText);
    }
    return FormatFixed(value, decimals);
}

std::u16string MolarFractionText(double molarFraction, double uncertainty, double lowerLimit, bool gost,
                                 int32_t scale) {
    if (IsMissingValue(molarFraction)) {
        return std::u16string(kMissingValueText);
    }
    if (molarFraction < lowerLimit) {
        return FormatBelowLimit(lowerLimit);
    }
    return ViewRuleText(molarFraction, uncertainty, gost, scale, &ByUncertaintyRule);
}

bool IsBelowPropertiesThreshold(double molarFraction) {
    // The footnote of the components table tells the reader that such components are left out of the
    // physical properties of GOST 31369-2021.
    return std::isnan(molarFraction) || molarFraction < 0.005;
}
