// Dialog 210 "Представление: Компоненты": the columns of the components page.
#include "ResourceIds.h"
#include "ui/win32/ViewSettingsRows.h"

namespace {
using S = CalcSettings;

constexpr ViewRow kRows[] = {
    {IDC_VIEW_COMP_SHOW_TIME, &S::viewComponentsShowTime, IDC_VIEW_COMP_GOST_TIME, &S::viewComponentsGostTime,
     IDC_VIEW_COMP_SCALE_TIME, &S::viewComponentsScaleTime},
    {IDC_VIEW_COMP_SHOW_AREA, &S::viewComponentsShowArea, IDC_VIEW_COMP_GOST_AREA, &S::viewComponentsGostArea,
     IDC_VIEW_COMP_SCALE_AREA, &S::viewComponentsScaleArea},
    {IDC_VIEW_COMP_SHOW_HEIGHT, &S::viewComponentsShowHeight, IDC_VIEW_COMP_GOST_HEIGHT,
     &S::viewComponentsGostHeight, IDC_VIEW_COMP_SCALE_HEIGHT, &S::viewComponentsScaleHeight},
    {IDC_VIEW_COMP_SHOW_BASE_CONC, &S::viewComponentsShowBaseConc, IDC_VIEW_COMP_GOST_BASE_CONC,
     &S::viewComponentsGostBaseConc, IDC_VIEW_COMP_SCALE_BASE_CONC, &S::viewComponentsScaleBaseConc},
    {IDC_VIEW_COMP_SHOW_CONC_MOL, &S::viewComponentsShowConcMol, IDC_VIEW_COMP_GOST_CONC_MOL,
     &S::viewComponentsGostConcMol, IDC_VIEW_COMP_SCALE_CONC_MOL, &S::viewComponentsScaleConcMol},
    {IDC_VIEW_COMP_SHOW_CONC_MASS, &S::viewComponentsShowConcMass, IDC_VIEW_COMP_GOST_CONC_MASS,
     &S::viewComponentsGostConcMass, IDC_VIEW_COMP_SCALE_CONC_MASS, &S::viewComponentsScaleConcMass},
    {IDC_VIEW_COMP_SHOW_CONC_VOL, &S::viewComponentsShowConcVol, IDC_VIEW_COMP_GOST_CONC_VOL,
     &S::viewComponentsGostConcVol, IDC_VIEW_COMP_SCALE_CONC_VOL, &S::viewComponentsScaleConcVol},
    {IDC_VIEW_COMP_SHOW_MIXTURE, &S::viewComponentsShowMixture, 0, nullptr, 0, nullptr},
    {IDC_VIEW_COMP_SHOW_DIFF, &S::viewComponentsShowDiff, IDC_VIEW_COMP_GOST_DIFF, &S::viewComponentsGostDiff,
     IDC_VIEW_COMP_SCALE_DIFF, &S::viewComponentsScaleDiff},
    {IDC_VIEW_COMP_SHOW_X1X2, &S::viewComponentsShowX1X2, IDC_VIEW_COMP_GOST_X1X2, &S::viewComponentsGostX1X2,
     IDC_VIEW_COMP_SCALE_X1X2, &S::viewComponentsScaleX1X2},
};
} // namespace

std::span<const ViewRow> ComponentViewRows() {
    return kRows;
}
