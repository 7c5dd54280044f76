// Dialog 204 "Представление: Расчёт": the ideal-gas switch and the rows of the physical properties.
#include "ResourceIds.h"
#include "ui/win32/ViewSettingsRows.h"

namespace {
using S = CalcSettings;

constexpr ViewRow kRows[] = {
    {IDC_VIEW_CALC_PERFECT_GAS, &S::viewCalculationPerfectGas, 0, nullptr, 0, nullptr},
    {IDC_VIEW_CALC_SHOW_MM, &S::viewCalculationShowMm, IDC_VIEW_CALC_GOST_MM, &S::viewCalculationGostMm,
     IDC_VIEW_CALC_SCALE_MM, &S::viewCalculationScaleMm},
    {IDC_VIEW_CALC_SHOW_Z, &S::viewCalculationShowZ, IDC_VIEW_CALC_GOST_Z, &S::viewCalculationGostZ,
     IDC_VIEW_CALC_SCALE_Z, &S::viewCalculationScaleZ},
    {IDC_VIEW_CALC_SHOW_HMOL, &S::viewCalculationShowHmol, IDC_VIEW_CALC_GOST_HMOL,
     &S::viewCalculationGostHmol, IDC_VIEW_CALC_SCALE_HMOL, &S::viewCalculationScaleHmol},
    {IDC_VIEW_CALC_SHOW_HMASS, &S::viewCalculationShowHmass, IDC_VIEW_CALC_GOST_HMASS,
     &S::viewCalculationGostHmass, IDC_VIEW_CALC_SCALE_HMASS, &S::viewCalculationScaleHmass},
    {IDC_VIEW_CALC_SHOW_HVOL, &S::viewCalculationShowHvol, IDC_VIEW_CALC_GOST_HVOL,
     &S::viewCalculationGostHvol, IDC_VIEW_CALC_SCALE_HVOL, &S::viewCalculationScaleHvol},
    {IDC_VIEW_CALC_SHOW_HVOL_KCAL, &S::viewCalculationShowHvolkcalm3, IDC_VIEW_CALC_GOST_HVOL_KCAL,
     &S::viewCalculationGostHvolkcalm3, IDC_VIEW_CALC_SCALE_HVOL_KCAL, &S::viewCalculationScaleHvolkcalm3},
    {IDC_VIEW_CALC_SHOW_D, &S::viewCalculationShowD, IDC_VIEW_CALC_GOST_D, &S::viewCalculationGostD,
     IDC_VIEW_CALC_SCALE_D, &S::viewCalculationScaleD},
    {IDC_VIEW_CALC_SHOW_WOBBE, &S::viewCalculationShowWobbe, IDC_VIEW_CALC_GOST_WOBBE,
     &S::viewCalculationGostWobbe, IDC_VIEW_CALC_SCALE_WOBBE, &S::viewCalculationScaleWobbe},
    {IDC_VIEW_CALC_SHOW_WOBBE_KCAL, &S::viewCalculationShowWobbekcalm3, IDC_VIEW_CALC_GOST_WOBBE_KCAL,
     &S::viewCalculationGostWobbekcalm3, IDC_VIEW_CALC_SCALE_WOBBE_KCAL, &S::viewCalculationScaleWobbekcalm3},
};
} // namespace

std::span<const ViewRow> CalculationViewRows() {
    return kRows;
}
