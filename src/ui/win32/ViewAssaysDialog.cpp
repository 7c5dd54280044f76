// Dialog 206 "Представление: Хроматограммы": the columns of the chromatogram list and the decimals of
// the atmospheric pressure, editable while its column is shown.
#include "ResourceIds.h"
#include "ui/win32/ViewSettingsRows.h"

namespace {
using S = CalcSettings;

constexpr ViewRow kRows[] = {
    {IDC_VIEW_ASSAY_UUID, &S::viewAnalysisShowUUID, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_SAMPLE, &S::viewAnalysisShowSample, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_MIXTURE, &S::viewAnalysisShowMixture, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_DATETIME, &S::viewAnalysisShowDatetime, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_METHOD, &S::viewAnalysisShowMethod, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_PRESSURE, &S::viewAnalysisShowAtmPressure, 0, nullptr, IDC_VIEW_ASSAY_SCALE_PRESSURE,
     &S::viewAnalysisScaleAtmPressure},
};
} // namespace

std::span<const ViewRow> AssayViewRows() {
    return kRows;
}
