#include "ui/models/CalculationPageModel.h"

#include <array>

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "output/report/ReportValues.h"
#include "text/StringTable.h"

namespace {

using S = CalcSettings;
using P = PhysicalPropertyIndex;

enum class Gas { Both, IdealOnly };
enum class Unit { Native, KilocaloriesPerCubicMetre };

// One or two rows of the page (superior and inferior calorific values, or the relative density and the
// density) that share a view quantity.
struct PropertyRows {
    std::array<uint32_t, 2> labels; // 0: a single row
    std::array<P, 2> values;
    Gas gas;
    Unit unit;
    bool S::*show;
    bool S::*gost;
    int32_t S::*scale;
};

constexpr uint32_t kNone = 0;

const std::array<PropertyRows, 14> kRows = {{
    {{StringId::PropertyMolarMass, kNone},
     {P::MolarMass, P::MolarMass},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowMm,
     &S::viewCalculationGostMm,
     &S::viewCalculationScaleMm},
    {{StringId::PropertyCompressibilityFactor, kNone},
     {P::CompressionFactor, P::CompressionFactor},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowZ,
     &S::viewCalculationGostZ,
     &S::viewCalculationScaleZ},
    {{StringId::PropertySuperiorMolarCalorificValue, StringId::PropertyInferiorMolarCalorificValue},
     {P::SuperiorMolarCalorificValue, P::InferiorMolarCalorificValue},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowHmol,
     &S::viewCalculationGostHmol,
     &S::viewCalculationScaleHmol},
    {{StringId::PropertySuperiorMassCalorificValue, StringId::PropertyInferiorMassCalorificValue},
     {P::SuperiorMassCalorificValue, P::InferiorMassCalorificValue},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowHmass,
     &S::viewCalculationGostHmass,
     &S::viewCalculationScaleHmass},
    {{StringId::PropertySuperiorVolumetricCalorificValueIdeal,
      StringId::PropertyInferiorVolumetricCalorificValueIdeal},
     {P::SuperiorVolumetricIdeal, P::InferiorVolumetricIdeal},
     Gas::IdealOnly,
     Unit::Native,
     &S::viewCalculationShowHvol,
     &S::viewCalculationGostHvol,
     &S::viewCalculationScaleHvol},
    {{StringId::PropertySuperiorVolumetricCalorificValueIdealKcal,
      StringId::PropertyInferiorVolumetricCalorificValueIdealKcal},
     {P::SuperiorVolumetricIdeal, P::InferiorVolumetricIdeal},
     Gas::IdealOnly,
     Unit::KilocaloriesPerCubicMetre,
     &S::viewCalculationShowHvolkcalm3,
     &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3},
    {{StringId::PropertySuperiorVolumetricCalorificValueReal,
      StringId::PropertyInferiorVolumetricCalorificValueReal},
     {P::SuperiorVolumetricReal, P::InferiorVolumetricReal},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowHvol,
     &S::viewCalculationGostHvol,
     &S::viewCalculationScaleHvol},
    {{StringId::PropertySuperiorVolumetricCalorificValueRealKcal,
      StringId::PropertyInferiorVolumetricCalorificValueRealKcal},
     {P::SuperiorVolumetricReal, P::InferiorVolumetricReal},
     Gas::Both,
     Unit::KilocaloriesPerCubicMetre,
     &S::viewCalculationShowHvolkcalm3,
     &S::viewCalculationGostHvolkcalm3,
     &S::viewCalculationScaleHvolkcalm3},
    {{StringId::PropertyRelativeDensityIdeal, StringId::PropertyDensityIdeal},
     {P::RelativeDensityIdeal, P::DensityIdeal},
     Gas::IdealOnly,
     Unit::Native,
     &S::viewCalculationShowD,
     &S::viewCalculationGostD,
     &S::viewCalculationScaleD},
    {{StringId::PropertyRelativeDensityReal, StringId::PropertyDensityReal},
     {P::RelativeDensityReal, P::DensityReal},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowD,
     &S::viewCalculationGostD,
     &S::viewCalculationScaleD},
    {{StringId::PropertySuperiorWobbeIndexIdeal, StringId::PropertyInferiorWobbeIndexIdeal},
     {P::SuperiorWobbeIdeal, P::InferiorWobbeIdeal},
     Gas::IdealOnly,
     Unit::Native,
     &S::viewCalculationShowWobbe,
     &S::viewCalculationGostWobbe,
     &S::viewCalculationScaleWobbe},
    {{StringId::PropertySuperiorWobbeIndexIdealKcal, StringId::PropertyInferiorWobbeIndexIdealKcal},
     {P::SuperiorWobbeIdeal, P::InferiorWobbeIdeal},
     Gas::IdealOnly,
     Unit::KilocaloriesPerCubicMetre,
     &S::viewCalculationShowWobbekcalm3,
     &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3},
    {{StringId::PropertySuperiorWobbeIndexReal, StringId::PropertyInferiorWobbeIndexReal},
     {P::SuperiorWobbeReal, P::InferiorWobbeReal},
     Gas::Both,
     Unit::Native,
     &S::viewCalculationShowWobbe,
     &S::viewCalculationGostWobbe,
     &S::viewCalculationScaleWobbe},
    {{StringId::PropertySuperiorWobbeIndexRealKcal, StringId::PropertyInferiorWobbeIndexRealKcal},
     {P::SuperiorWobbeReal, P::InferiorWobbeReal},
     Gas::Both,
     Unit::KilocaloriesPerCubicMetre,
     &S::viewCalculationShowWobbekcalm3,
     &S::viewCalculationGostWobbekcalm3,
     &S::viewCalculationScaleWobbekcalm3},
}};

std::vector<std::u16string> PropertyCells(uint32_t label, double value, double uncertainty, bool gost,
                                          int32_t scale) {
    // The uncertainty is written to the place of its own second significant digit.
    return {std::u16string(LoadText(label)),
            ViewRuleText(value, uncertainty, gost, scale, &ToUncertaintyDigitsRule),
            ViewRuleText(uncertainty, uncertainty, gost, scale, &ToUncertaintyDigitsRule)};
}

} // namespace

PageTable BuildCalculationPage(const CalcContext& context) {
    const S& view = context.settings;
    PageTable page;
    page.columns = {MakePageColumn(StringId::CalculationColumnName, true),
                    MakePageColumn(StringId::CalculationColumnValue, true),
                    MakePageColumn(StringId::CalculationColumnUncertainty, true)};
    for (const PropertyRows& rows : kRows) {
        if (!(view.*rows.show) || (rows.gas == Gas::IdealOnly && !view.viewCalculationPerfectGas)) {
            continue;
        }
        const double divisor = rows.unit == Unit::KilocaloriesPerCubicMetre ? kMegajoulesPerKilocalorie : 1.0;
        for (size_t i = 0; i < rows.labels.size() && rows.labels[i] != kNone; ++i) {
            const auto index = static_cast<size_t>(rows.values[i]);
            page.rows.push_back(PropertyCells(rows.labels[i], context.properties.value[index] / divisor,
                                              context.propertiesU.value[index] / divisor, view.*rows.gost,
                                              view.*rows.scale));
        }
    }
    return page;
}
