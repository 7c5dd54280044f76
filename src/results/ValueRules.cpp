#include "results/ValueRules.h"

#include <cmath>
#include <utility>

#include "calc/rounding/Rounding.h"

std::u16string GostRuleText(GostRule rule, double value, double uncertainty) {
    switch (rule) {
    case GostRule::ByUncertainty:
        return FormatByUncertainty(value, uncertainty);
    case GostRule::ToUncertaintyDigits:
        return FormatToUncertaintyDigits(value, uncertainty);
    case GostRule::TwoSignificant:
        return FormatTwoSignificant(value);
    case GostRule::Uncertainty:
        break;
    }
    return FormatUncertainty(value);
}

std::u16string MissingOr(double value, std::u16string text) {
    return IsMissingValue(value) ? std::u16string(kMissingValueText) : std::move(text);
}

std::u16string ViewRuleText(double value, double uncertainty, bool gost, int32_t scale, GostRule rule) {
    if (IsMissingValue(value)) {
        return std::u16string(kMissingValueText);
    }
    return gost ? GostRuleText(rule, value, uncertainty) : FormatFixed(value, scale);
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
    // Below the lower limit of its measuring range a molar fraction is no result: the limit is shown in
    // its place, whatever the view settings.
    if (molarFraction < lowerLimit) {
        return FormatBelowLimit(lowerLimit);
    }
    return ViewRuleText(molarFraction, uncertainty, gost, scale, GostRule::ByUncertainty);
}

std::u16string ReferenceOrMissingText(double value, int32_t decimals) {
    if (IsMissingValue(value)) {
        return std::u16string(kMissingValueText);
    }
    return FormatReference(value, decimals);
}

bool IsBelowPropertiesThreshold(double molarFraction) {
    // The footnote of the components table tells the reader that such components are left out of the
    // physical properties of GOST 31369-2021.
    return std::isnan(molarFraction) || molarFraction < 0.005;
}
