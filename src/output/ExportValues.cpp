#include "output/ExportValues.h"

#include <utility>

#include "calc/rounding/Rounding.h"

std::u16string MissingOr(double value, std::u16string text) {
    return IsMissingValue(value) ? std::u16string(kMissingValueText) : std::move(text);
}

std::u16string CalibrationValueText(const CalibrationMember& member, const CalibrationResult& row,
                                    const CalcSettings& settings) {
    const double value = row.*member.value;
    if (member.ownDigits != nullptr) {
        return FormatReference(value, row.*member.ownDigits);
    }
    return MissingOr(value, settings.*member.gost ? FormatUncertainty(value)
                                                  : FormatFixed(value, settings.*member.scale));
}

std::u16string ComponentValueText(const ComponentMember& member, const ComponentResult& row,
                                  const CalcSettings& settings) {
    const double value = row.*member.value;
    switch (member.rule) {
    case ComponentRule::Reference:
        return MissingOr(value, FormatReference(value, row.referenceDecimals));
    case ComponentRule::RawFraction:
        return settings.*member.gost ? FormatByUncertainty(value, row.uncertainty)
                                     : FormatFixed(value, settings.*member.scale);
    case ComponentRule::MolarFraction:
        if (IsMissingValue(value)) {
            return std::u16string(kMissingValueText);
        }
        if (value < row.lowerLimit) {
            return FormatBelowLimit(row.lowerLimit);
        }
        return settings.*member.gost ? FormatByUncertainty(value, row.uncertainty)
                                     : FormatFixed(value, settings.*member.scale);
    case ComponentRule::ByUncertaintyRounding:
        break;
    }
    return MissingOr(value, settings.*member.gost ? FormatUncertainty(value)
                                                  : FormatFixed(value, settings.*member.scale));
}

std::u16string PropertyValueText(const CalculationQuantity& quantity) {
    return MissingOr(quantity.value, FormatToUncertaintyDigits(quantity.value, quantity.uncertainty));
}

std::u16string PropertyUncertaintyText(const CalculationQuantity& quantity) {
    return MissingOr(quantity.uncertainty, FormatTwoSignificant(quantity.uncertainty));
}

std::u16string MethaneNumberText(double methaneNumber, const CalcSettings& settings) {
    return FormatFixed(methaneNumber, settings.viewMethaneGostMn ? 0 : settings.viewMethaneScaleMn);
}

std::u16string AtmosphericPressureText(double pressureKPa, const CalcSettings& settings) {
    return MissingOr(pressureKPa, FormatFixed(pressureKPa, settings.viewAnalysisScaleAtmPressure));
}
