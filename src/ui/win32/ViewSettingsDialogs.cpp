// The five view-settings dialogs: for each quantity of a result page a "show" box, a "ГОСТ" box
// (rounding by the rule of the standard) and the decimals used when ГОСТ is off, bound to the view
// settings of the context. OK stores them; Cancel stores nothing.
#include <windows.h>

#include <cstdint>
#include <span>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "ui/models/InputRules.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

// One row of a dialog; a control id of 0 means the row has no such control.
struct ViewRow {
    int showId;
    bool CalcSettings::*show;
    int gostId;
    bool CalcSettings::*gost;
    int scaleId;
    int32_t CalcSettings::*scale;
};

using S = CalcSettings;

constexpr ViewRow kCalculationRows[] = {
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

constexpr ViewRow kAssayRows[] = {
    {IDC_VIEW_ASSAY_UUID, &S::viewAnalysisShowUUID, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_SAMPLE, &S::viewAnalysisShowSample, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_MIXTURE, &S::viewAnalysisShowMixture, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_DATETIME, &S::viewAnalysisShowDatetime, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_METHOD, &S::viewAnalysisShowMethod, 0, nullptr, 0, nullptr},
    {IDC_VIEW_ASSAY_PRESSURE, &S::viewAnalysisShowAtmPressure, 0, nullptr, IDC_VIEW_ASSAY_SCALE_PRESSURE,
     &S::viewAnalysisScaleAtmPressure},
};

constexpr ViewRow kCalibrationRows[] = {
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

constexpr ViewRow kComponentRows[] = {
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

constexpr ViewRow kMethaneRows[] = {
    {0, nullptr, IDC_VIEW_MN_GOST, &S::viewMethaneGostMn, IDC_VIEW_MN_SCALE, &S::viewMethaneScaleMn},
    {IDC_VIEW_MN_SHOW_ARR, &S::viewMethaneShowArr, 0, nullptr, IDC_VIEW_MN_SCALE_ARR,
     &S::viewMethaneScaleArr},
    {IDC_VIEW_MN_SHOW_MNB, &S::viewMethaneShowMnb, 0, nullptr, IDC_VIEW_MN_SCALE_MNB,
     &S::viewMethaneScaleMnb},
    {IDC_VIEW_MN_SHOW_COMP, &S::viewMethaneShowComp, 0, nullptr, IDC_VIEW_MN_SCALE_COMP,
     &S::viewMethaneScaleComp},
};

std::span<const ViewRow> RowsOf(int templateId) {
    switch (templateId) {
    case IDD_VIEW_CALCULATION:
        return kCalculationRows;
    case IDD_VIEW_ASSAYS:
        return kAssayRows;
    case IDD_VIEW_CALIBRATION:
        return kCalibrationRows;
    case IDD_VIEW_COMPONENTS:
        return kComponentRows;
    case IDD_VIEW_METHANE:
        return kMethaneRows;
    default:
        return {};
    }
}

struct ViewDialogState {
    CalcContext* context;
    std::span<const ViewRow> rows;
};

ViewDialogState* StateOf(HWND dialog) {
    return reinterpret_cast<ViewDialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

// The ГОСТ box is enabled while the row is shown; the decimals while it is shown and not rounded by the
// standard. A row without a show box counts as shown, one without a ГОСТ box as not rounded by it.
void ApplyEnabling(HWND dialog, std::span<const ViewRow> rows) {
    for (const ViewRow& row : rows) {
        const bool shown = row.showId == 0 || IsChecked(dialog, row.showId);
        const bool gost = row.gostId != 0 && IsChecked(dialog, row.gostId);
        if (row.gostId != 0) {
            EnableWindow(GetDlgItem(dialog, row.gostId), shown);
        }
        if (row.scaleId != 0) {
            EnableWindow(GetDlgItem(dialog, row.scaleId), shown && !gost);
        }
    }
}

std::u16string DecimalsText(int32_t decimals) {
    return FormatText(u"%u", {static_cast<unsigned>(decimals)});
}

void Initialize(HWND dialog, ViewDialogState& state) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&state));
    const CalcSettings& settings = state.context->settings;
    for (const ViewRow& row : state.rows) {
        if (row.showId != 0) {
            SetCheck(dialog, row.showId, settings.*row.show);
        }
        if (row.gostId != 0) {
            SetCheck(dialog, row.gostId, settings.*row.gost);
        }
        if (row.scaleId != 0) {
            SetDlgItemTextW(dialog, row.scaleId, Wide(DecimalsText(settings.*row.scale)));
        }
    }
    ApplyEnabling(dialog, state.rows);
}

// Stores every row, or nothing when a changed decimals edit holds what the result formatting cannot
// use: that edit is then refused with a notice and gets the focus. An edit left as it was shown keeps
// its stored value as it is.
bool Store(HWND dialog, ViewDialogState& state) {
    CalcSettings edited = state.context->settings;
    for (const ViewRow& row : state.rows) {
        if (row.scaleId == 0) {
            continue;
        }
        HWND edit = GetDlgItem(dialog, row.scaleId);
        const std::u16string text = ControlText(edit);
        if (text == DecimalsText(edited.*row.scale)) {
            continue;
        }
        const std::optional<int32_t> decimals = ParseViewDecimals(text);
        if (!decimals) {
            ShowNotice(dialog, StringId::ViewDecimalsRefused, {kMaxViewDecimals, text});
            EnableWindow(edit, TRUE);
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return false;
        }
        edited.*row.scale = *decimals;
    }
    for (const ViewRow& row : state.rows) {
        if (row.showId != 0) {
            edited.*row.show = IsChecked(dialog, row.showId);
        }
        if (row.gostId != 0) {
            edited.*row.gost = IsChecked(dialog, row.gostId);
        }
    }
    state.context->settings = std::move(edited);
    return true;
}

INT_PTR Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialize(dialog, *reinterpret_cast<ViewDialogState*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        ViewDialogState* state = StateOf(dialog);
        if (state == nullptr) {
            return FALSE;
        }
        const int id = LOWORD(wParam);
        if (id == IDOK) {
            if (Store(dialog, *state)) {
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED) {
            ApplyEnabling(dialog, state->rows);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK ViewSettingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "ViewSettingsDialog", INT_PTR{FALSE},
                            [&] { return Procedure(dialog, message, wParam, lParam); });
}

} // namespace

INT_PTR OpenViewSettingsDialog(HWND owner, int templateId, CalcContext& context) {
    ViewDialogState state{&context, RowsOf(templateId)};
    return OpenModalDialog(owner, templateId, &ViewSettingsProcedure, reinterpret_cast<LPARAM>(&state));
}
