#include "results/PropertiesTable.h"

#include <array>

#include "calc/CalcContext.h"
#include "results/ValueRules.h"
#include "text/StringTable.h"

namespace {

using P = PhysicalPropertyIndex;
using S = CalcSettings;
using W = ShownWhen;

constexpr std::array<PropertiesTableRow, 26> kRows = {{
    {StringId::PropertyMolarMass, "mm", P::MolarMass, false, W::Always, &S::viewCalculationShowMm,
     &S::viewCalculationGostMm, &S::viewCalculationScaleMm, 0},
    {StringId::PropertyCompressibilityFactor, "z", P::CompressionFactor, false, W::Always,
     &S::viewCalculationShowZ, &S::viewCalculationGostZ, &S::viewCalculationScaleZ, 1},
    {StringId::PropertySuperiorMolarCalorificValue, "hmolh", P::SuperiorMolarCalorificValue, false, W::Always,
     &S::viewCalculationShowHmol, &S::viewCalculationGostHmol, &S::viewCalculationScaleHmol, 2},
    {StringId::PropertyInferiorMolarCalorificValue, "hmoll", P::InferiorMolarCalorificValue, false, W::Always,
     &S::viewCalculationShowHmol, &S::viewCalculationGostHmol, &S::viewCalculationScaleHmol, 3},
    {StringId::PropertySuperiorMassCalorificValue, "hmassh", P::SuperiorMassCalorificValue, false, W::Always,
     &S::viewCalculationShowHmass, &S::viewCalculationGostHmass, &S::viewCalculationScaleHmass, 4},
    {StringId::PropertyInferiorMassCalorificValue, "hmassl", P::InferiorMassCalorificValue, false, W::Always,
     &S::viewCalculationShowHmass, &S::viewCalculationGostHmass, &S::viewCalculationScaleHmass, 5},
    {StringId::PropertyRelativeDensityIdeal, "g0", P::RelativeDensityIdeal, false, W::IdealGas,
     &S::viewCalculationShowD, &S::viewCalculationGostD, &S::viewCalculationScaleD, 14},
    {StringId::PropertyDensityIdeal, "d0", P::DensityIdeal, false, W::IdealGas, &S::viewCalculationShowD,
     &S::viewCalculationGostD, &S::viewCalculationScaleD, 15},
    {StringId::PropertyRelativeDensityReal, "g", P::RelativeDensityReal, false, W::Always,
     &S::viewCalculationShowD, &S::viewCalculationGostD, &S::viewCalculationScaleD, 16},
    {StringId::PropertyDensityReal, "d", P::DensityReal, false, W::Always, &S::viewCalculationShowD,
     &S::viewCalculationGostD, &S::viewCalculationScaleD, 17},
    {StringId::PropertySuperiorVolumetricCalorificValueIdeal, "hvolh0_mjm3", P::SuperiorVolumetricIdeal,
     false, W::IdealGas, &S::viewCalculationShowHvol, &S::viewCalculationGostHvol,
     &S::viewCalculationScaleHvol, 6},
    {StringId::PropertyInferiorVolumetricCalorificValueIdeal, "hvoll0_mjm3", P::InferiorVolumetricIdeal,
     false, W::IdealGas, &S::viewCalculationShowHvol, &S::viewCalculationGostHvol,
     &S::viewCalculationScaleHvol, 7},
    {StringId::PropertySuperiorVolumetricCalorificValueReal, "hvolh_mjm3", P::SuperiorVolumetricReal, false,
     W::Always, &S::viewCalculationShowHvol, &S::viewCalculationGostHvol, &S::viewCalculationScaleHvol, 10},
    {StringId::PropertyInferiorVolumetricCalorificValueReal, "hvoll_mjm3", P::InferiorVolumetricReal, false,
     W::Always, &S::viewCalculationShowHvol, &S::viewCalculationGostHvol, &S::viewCalculationScaleHvol, 11},
    {StringId::PropertySuperiorWobbeIndexIdeal, "wobbeh0_mjm3", P::SuperiorWobbeIdeal, false, W::IdealGas,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe, 18},
    {StringId::PropertyInferiorWobbeIndexIdeal, "wobbel0_mjm3", P::InferiorWobbeIdeal, false, W::IdealGas,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe, 19},
    {StringId::PropertySuperiorWobbeIndexReal, "wobbeh_mjm3", P::SuperiorWobbeReal, false, W::Always,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe, 22},
    {StringId::PropertyInferiorWobbeIndexReal, "wobbel_mjm3", P::InferiorWobbeReal, false, W::Always,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe, 23},
    {StringId::PropertySuperiorVolumetricCalorificValueIdealKcal, "hvolh0_kcalm3", P::SuperiorVolumetricIdeal,
     true, W::IdealGas, &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3, 8},
    {StringId::PropertyInferiorVolumetricCalorificValueIdealKcal, "hvoll0_kcalm3", P::InferiorVolumetricIdeal,
     true, W::IdealGas, &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3, 9},
    {StringId::PropertySuperiorVolumetricCalorificValueRealKcal, "hvolh_kcalm3", P::SuperiorVolumetricReal,
     true, W::Always, &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3, 12},
    {StringId::PropertyInferiorVolumetricCalorificValueRealKcal, "hvoll_kcalm3", P::InferiorVolumetricReal,
     true, W::Always, &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3, 13},
    {StringId::PropertySuperiorWobbeIndexIdealKcal, "wobbeh0_kcalm3", P::SuperiorWobbeIdeal, true,
     W::IdealGas, &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3, 20},
    {StringId::PropertyInferiorWobbeIndexIdealKcal, "wobbel0_kcalm3", P::InferiorWobbeIdeal, true,
     W::IdealGas, &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3, 21},
    {StringId::PropertySuperiorWobbeIndexRealKcal, "wobbeh_kcalm3", P::SuperiorWobbeReal, true, W::Always,
     &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3, 24},
    {StringId::PropertyInferiorWobbeIndexRealKcal, "wobbel_kcalm3", P::InferiorWobbeReal, true, W::Always,
     &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3, 25},
}};

} // namespace

std::span<const PropertiesTableRow> PropertiesTable() {
    return kRows;
}

bool IsShown(const PropertiesTableRow& row, const TableView& view) {
    return IsShown(row.when, row.show, view);
}

PropertyValue ValueOf(const PropertiesTableRow& row, const CalcContext& context) {
    const auto index = static_cast<size_t>(row.index);
    const double divisor = row.kilocalories ? kMegajoulesPerKilocalorie : 1.0;
    return PropertyValue{context.properties.value[index] / divisor,
                         context.propertiesU.value[index] / divisor};
}

std::u16string ValueText(const PropertiesTableRow& row, const PropertyValue& property,
                         const CalcSettings& settings) {
    return ViewRuleText(property.value, property.uncertainty, settings.*row.gost, settings.*row.scale,
                        GostRule::ToUncertaintyDigits);
}

std::u16string UncertaintyText(const PropertiesTableRow& row, const PropertyValue& property,
                               const CalcSettings& settings) {
    return ViewRuleText(property.uncertainty, 0.0, settings.*row.gost, settings.*row.scale,
                        GostRule::TwoSignificant);
}

std::u16string ExportValueText(const PropertyValue& property) {
    return MissingOr(property.value,
                     GostRuleText(GostRule::ToUncertaintyDigits, property.value, property.uncertainty));
}

std::u16string ExportUncertaintyText(const PropertyValue& property) {
    return MissingOr(property.uncertainty, GostRuleText(GostRule::TwoSignificant, property.uncertainty, 0.0));
}
