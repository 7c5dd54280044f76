// Dialog 208 "Представление: Градуировка": the columns of the calibration page; the calibration
// factors have no show box.
#include "ResourceIds.h"
#include "ui/win32/ViewSettingsRows.h"

namespace {
using S = CalcSettings;

constexpr ViewRow kRows[] = {
    {IDC_VIEW_CLBR_SHOW_CNC, &S::viewCalibrationShowCnc, 0, nullptr, 0, nullptr},
    {IDC_VIEW_CLBR_SHOW_INK, &S::viewCalibrationShowInK, IDC_VIEW_CLBR_GOST_INK, &S::viewCalibrationGostInK,
     IDC_VIEW_CLBR_SCALE_INK, &S::viewCalibrationScaleInK},
    {0, nullptr, IDC_VIEW_CLBR_GOST_CFAB, &S::viewCalibrationGostCfAB, IDC_VIEW_CLBR_SCALE_CFAB,
     &S::viewCalibrationScaleCfAB},
    {0, nullptr, IDC_VIEW_CLBR_GOST_CFC, &S::viewCalibrationGostCfC, IDC_VIEW_CLBR_SCALE_CFC,
     &S::viewCalibrationScaleCfC},
    {IDC_VIEW_CLBR_SHOW_MDA, &S::viewCalibrationShowMdA, IDC_VIEW_CLBR_GOST_MDA, &S::viewCalibrationGostMdA,
     IDC_VIEW_CLBR_SCALE_MDA, &S::viewCalibrationScaleMdA},
    {IDC_VIEW_CLBR_SHOW_RATE, &S::viewCalibrationShowRate, IDC_VIEW_CLBR_GOST_RATE,
     &S::viewCalibrationGostRate, IDC_VIEW_CLBR_SCALE_RATE, &S::viewCalibrationScaleRate},
    {IDC_VIEW_CLBR_SHOW_CTL_RANGE, &S::viewCalibrationShowCtlRange, IDC_VIEW_CLBR_GOST_CTL_RANGE,
     &S::viewCalibrationGostCtlRange, IDC_VIEW_CLBR_SCALE_CTL_RANGE, &S::viewCalibrationScaleCtlRange},
    {IDC_VIEW_CLBR_SHOW_CTL_RATE, &S::viewCalibrationShowCtlRate, IDC_VIEW_CLBR_GOST_CTL_RATE,
     &S::viewCalibrationGostCtlRate, IDC_VIEW_CLBR_SCALE_CTL_RATE, &S::viewCalibrationScaleCtlRate},
    {IDC_VIEW_CLBR_SHOW_ARSD, &S::viewCalibrationShowArsd, IDC_VIEW_CLBR_GOST_ARSD,
     &S::viewCalibrationGostArsd, IDC_VIEW_CLBR_SCALE_ARSD, &S::viewCalibrationScaleArsd},
};
} // namespace

std::span<const ViewRow> CalibrationViewRows() {
    return kRows;
}
