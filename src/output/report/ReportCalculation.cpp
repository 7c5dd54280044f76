// The physical properties of GOST 31369-2021 (ISO 6976:2016) with their expanded uncertainties, and the
// methane numbers of GOST 34704-2020.
#include <array>

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "output/report/ReportSections.h"
#include "output/report/ReportValues.h"
#include "text/StringTable.h"

namespace {

using P = PhysicalPropertyIndex;
using S = CalcSettings;

struct PropertyRow {
    uint32_t title;
    PhysicalPropertyIndex index;
    bool kilocalories; // shown in kcal/m³: the MJ/m³ value and uncertainty divided by 0.0041868
    bool idealGas;     // an ideal-gas row, shown only with "Tarvel/viewCalculationPerfectGas"
    bool CalcSettings::*show;
    bool CalcSettings::*gost;
    int32_t CalcSettings::*scale;
};

// In document order.
constexpr std::array<PropertyRow, 26> kRows = {{
    {StringId::PropertyMolarMass, P::MolarMass, false, false, &S::viewCalculationShowMm,
     &S::viewCalculationGostMm, &S::viewCalculationScaleMm},
    {StringId::PropertyCompressibilityFactor, P::CompressionFactor, false, false, &S::viewCalculationShowZ,
     &S::viewCalculationGostZ, &S::viewCalculationScaleZ},
    {StringId::PropertySuperiorMolarCalorificValue, P::SuperiorMolarCalorificValue, false, false,
     &S::viewCalculationShowHmol, &S::viewCalculationGostHmol, &S::viewCalculationScaleHmol},
    {StringId::PropertyInferiorMolarCalorificValue, P::InferiorMolarCalorificValue, false, false,
     &S::viewCalculationShowHmol, &S::viewCalculationGostHmol, &S::viewCalculationScaleHmol},
    {StringId::PropertySuperiorMassCalorificValue, P::SuperiorMassCalorificValue, false, false,
     &S::viewCalculationShowHmass, &S::viewCalculationGostHmass, &S::viewCalculationScaleHmass},
    {StringId::PropertyInferiorMassCalorificValue, P::InferiorMassCalorificValue, false, false,
     &S::viewCalculationShowHmass, &S::viewCalculationGostHmass, &S::viewCalculationScaleHmass},
    {StringId::PropertyRelativeDensityIdeal, P::RelativeDensityIdeal, false, true, &S::viewCalculationShowD,
     &S::viewCalculationGostD, &S::viewCalculationScaleD},
    {StringId::PropertyDensityIdeal, P::DensityIdeal, false, true, &S::viewCalculationShowD,
     &S::viewCalculationGostD, &S::viewCalculationScaleD},
    {StringId::PropertyRelativeDensityReal, P::RelativeDensityReal, false, false, &S::viewCalculationShowD,
     &S::viewCalculationGostD, &S::viewCalculationScaleD},
    {StringId::PropertyDensityReal, P::DensityReal, false, false, &S::viewCalculationShowD,
     &S::viewCalculationGostD, &S::viewCalculationScaleD},
    {StringId::PropertySuperiorVolumetricCalorificValueIdeal, P::SuperiorVolumetricIdeal, false, true,
     &S::viewCalculationShowHvol, &S::viewCalculationGostHvol, &S::viewCalculationScaleHvol},
    {StringId::PropertyInferiorVolumetricCalorificValueIdeal, P::InferiorVolumetricIdeal, false, true,
     &S::viewCalculationShowHvol, &S::viewCalculationGostHvol, &S::viewCalculationScaleHvol},
    {StringId::PropertySuperiorVolumetricCalorificValueReal, P::SuperiorVolumetricReal, false, false,
     &S::viewCalculationShowHvol, &S::viewCalculationGostHvol, &S::viewCalculationScaleHvol},
    {StringId::PropertyInferiorVolumetricCalorificValueReal, P::InferiorVolumetricReal, false, false,
     &S::viewCalculationShowHvol, &S::viewCalculationGostHvol, &S::viewCalculationScaleHvol},
    {StringId::PropertySuperiorWobbeIndexIdeal, P::SuperiorWobbeIdeal, false, true,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe},
    {StringId::PropertyInferiorWobbeIndexIdeal, P::InferiorWobbeIdeal, false, true,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe},
    {StringId::PropertySuperiorWobbeIndexReal, P::SuperiorWobbeReal, false, false,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe},
    {StringId::PropertyInferiorWobbeIndexReal, P::InferiorWobbeReal, false, false,
     &S::viewCalculationShowWobbe, &S::viewCalculationGostWobbe, &S::viewCalculationScaleWobbe},
    {StringId::PropertySuperiorVolumetricCalorificValueIdealKcal, P::SuperiorVolumetricIdeal, true, true,
     &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3},
    {StringId::PropertyInferiorVolumetricCalorificValueIdealKcal, P::InferiorVolumetricIdeal, true, true,
     &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3},
    {StringId::PropertySuperiorVolumetricCalorificValueRealKcal, P::SuperiorVolumetricReal, true, false,
     &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3},
    {StringId::PropertyInferiorVolumetricCalorificValueRealKcal, P::InferiorVolumetricReal, true, false,
     &S::viewCalculationShowHvolkcalm3, &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3},
    {StringId::PropertySuperiorWobbeIndexIdealKcal, P::SuperiorWobbeIdeal, true, true,
     &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3},
    {StringId::PropertyInferiorWobbeIndexIdealKcal, P::InferiorWobbeIdeal, true, true,
     &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3},
    {StringId::PropertySuperiorWobbeIndexRealKcal, P::SuperiorWobbeReal, true, false,
     &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3},
    {StringId::PropertyInferiorWobbeIndexRealKcal, P::InferiorWobbeReal, true, false,
     &S::viewCalculationShowWobbekcalm3, &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3},
}};

} // namespace

void AddCalculationSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const CalcSettings& view = context.settings;
    pugi::xml_node section = AddElement(tree, root, "calculation");
    AddString(tree, section, "title", StringId::TabCalculation);
    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::CalculationColumnName);
    AddString(tree, head, "value", StringId::CalculationColumnValue);
    AddString(tree, head, "uvalue", StringId::CalculationColumnUncertainty);

    for (const PropertyRow& row : kRows) {
        if (!(view.*row.show) || (row.idealGas && !view.viewCalculationPerfectGas)) {
            continue;
        }
        const size_t index = static_cast<size_t>(row.index);
        double value = context.properties.value[index];
        double uncertainty = context.propertiesU.value[index];
        if (row.kilocalories) {
            value /= kMegajoulesPerKilocalorie;
            uncertainty /= kMegajoulesPerKilocalorie;
        }
        const bool gost = view.*row.gost;
        const int32_t scale = view.*row.scale;
        pugi::xml_node body = AddElement(tree, section, "body");
        AddString(tree, body, "name", row.title);
        AddText(tree, body, "value", ViewRuleText(value, uncertainty, gost, scale, &ToUncertaintyDigitsRule));
        AddText(tree, body, "uvalue", ViewRuleText(uncertainty, 0.0, gost, scale, &TwoSignificantRule));
    }
}

void AddMethaneSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const CalcSettings& view = context.settings;
    // Under the GOST setting the methane number is given as a whole number, matching its stated absolute
    // expanded uncertainty of one unit.
    const int32_t decimals = view.viewMethaneGostMn ? 0 : view.viewMethaneScaleMn;
    pugi::xml_node section = AddElement(tree, root, "methane");
    AddString(tree, section, "title", StringId::TabMethaneNumber);
    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::MethaneColumnName);
    AddString(tree, head, "value", StringId::MethaneColumnValue);
    AddString(tree, head, "uvalue", StringId::MethaneColumnUncertainty);

    const struct {
        uint32_t title;
        double value;
    } numbers[] = {
        {StringId::MethaneNumberSimplifiedMixture, context.methaneNumber.first},
        {StringId::MethaneNumberMotorFuel, context.methaneNumber.second},
    };
    for (const auto& number : numbers) {
        pugi::xml_node body = AddElement(tree, section, "body");
        AddString(tree, body, "name", number.title);
        AddText(tree, body, "value", FormatFixed(number.value, decimals));
        AddText(tree, body, "uvalue", u"1");
    }
}
