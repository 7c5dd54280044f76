// The settings page: the calibration and calculation options of the context, shown when the page opens
// and written back when it closes, and the five buttons that open the view-settings dialogs.
#include <windows.h>

#include <array>
#include <cstdint>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/ReferenceTemperatures.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

struct BoxSetting {
    int id;
    bool CalcSettings::*field;
};

// The disabled box of the calibration's mixture conformity and the hidden one of the concentration
// range are shown from their settings and written back unchanged, since the user cannot click them.
constexpr BoxSetting kBoxes[] = {
    {IDC_SETTINGS_CARBON_DIOXIDE, &CalcSettings::clbrCarbonDioxide},
    {IDC_SETTINGS_NITROGEN, &CalcSettings::clbrNitrogen},
    {IDC_SETTINGS_OXYGEN, &CalcSettings::clbrOxygen},
    {IDC_SETTINGS_CALIBRATION_CONTROL, &CalcSettings::clbrControl},
    {IDC_SETTINGS_CALIBRATION_CONFORMITY, &CalcSettings::clbrMixtureConformity},
    {IDC_SETTINGS_PRESSURE, &CalcSettings::clcPressure},
    {IDC_SETTINGS_METHANE_DIFF, &CalcSettings::clcMethaneDiff},
    {IDC_SETTINGS_IDENTITY_MATRIX, &CalcSettings::clcIdentityMatrix},
    {IDC_SETTINGS_MIXTURE_CONFORMITY, &CalcSettings::clcMixtureConformity},
    {IDC_SETTINGS_RESULT_CONTROL, &CalcSettings::clcControl},
    {IDC_SETTINGS_EXT_RANGE, &CalcSettings::clcExtRange},
    {IDC_SETTINGS_CTL_RANGE, &CalcSettings::clcCtlRange},
};

struct ListSetting {
    int id;
    int32_t CalcSettings::*field;
};
constexpr ListSetting kLists[] = {
    {IDC_SETTINGS_METHOD, &CalcSettings::clbrCalcMethod},
    {IDC_SETTINGS_MEASURE_TEMP, &CalcSettings::clcMeasureTemp},
    {IDC_SETTINGS_BURNOUT_TEMP, &CalcSettings::clcBurnoutTemp},
    {IDC_SETTINGS_DEVICE, &CalcSettings::clcDeviceType},
};

constexpr std::array<std::pair<int, int>, 5> kViewButtons = {{
    {IDC_SETTINGS_VIEW_CALCULATION, IDD_VIEW_CALCULATION},
    {IDC_SETTINGS_VIEW_ASSAYS, IDD_VIEW_ASSAYS},
    {IDC_SETTINGS_VIEW_CALIBRATION, IDD_VIEW_CALIBRATION},
    {IDC_SETTINGS_VIEW_COMPONENTS, IDD_VIEW_COMPONENTS},
    {IDC_SETTINGS_VIEW_METHANE, IDD_VIEW_METHANE},
}};

void AddResourceItems(HWND combo, std::initializer_list<uint32_t> ids) {
    for (const uint32_t id : ids) {
        AddComboItem(combo, FromWide(ResourceText(id)));
    }
}

// The first count reference temperatures, in the order the setting indexes them.
void AddTemperatures(HWND combo, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        const double t = kReferenceTemperaturesC[static_cast<size_t>(i)];
        // Only 15.55 °C has decimals.
        AddComboItem(combo, FormatText(t == 15.55 ? u"%.2f" : u"%.0f", {t}));
    }
}

void Initialize(HWND page, LPARAM parameter) {
    CalcContext* context = InitializePage(page, parameter);
    AddResourceItems(GetDlgItem(page, IDC_SETTINGS_METHOD),
                     {StringId::CalibrationMethodA, StringId::CalibrationMethodB,
                      StringId::CalibrationMethodC1, StringId::CalibrationMethodC2});
    AddTemperatures(GetDlgItem(page, IDC_SETTINGS_MEASURE_TEMP), kMeteringTemperatureCount);
    AddTemperatures(GetDlgItem(page, IDC_SETTINGS_BURNOUT_TEMP), kCombustionTemperatureCount);
    AddResourceItems(GetDlgItem(page, IDC_SETTINGS_DEVICE),
                     {StringId::DeviceLaboratory, StringId::DeviceProcess});
    if (context == nullptr) {
        return;
    }
    const CalcSettings& settings = context->settings;
    for (const BoxSetting& box : kBoxes) {
        SetCheck(page, box.id, settings.*box.field);
    }
    // A stored index outside the list shows no selection.
    for (const ListSetting& list : kLists) {
        SendDlgItemMessageW(page, list.id, CB_SETCURSEL, static_cast<WPARAM>(settings.*list.field), 0);
    }
}

void Commit(HWND page) {
    CalcContext* context = PageContext(page);
    if (context == nullptr) {
        return;
    }
    CalcSettings& settings = context->settings;
    for (const BoxSetting& box : kBoxes) {
        settings.*box.field = IsChecked(page, box.id);
    }
    // A list without a selection keeps the stored value: writing -1 would change a setting the user
    // never touched.
    for (const ListSetting& list : kLists) {
        const LRESULT selected = SendDlgItemMessageW(page, list.id, CB_GETCURSEL, 0, 0);
        if (selected != CB_ERR) {
            settings.*list.field = static_cast<int32_t>(selected);
        }
    }
}

INT_PTR Procedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialize(page, lParam);
        return FALSE;
    case WM_WINDOWPOSCHANGING:
        LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_DESTROY:
        Commit(page);
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && PageContext(page) != nullptr) {
            for (const auto& [button, dialog] : kViewButtons) {
                if (LOWORD(wParam) == button) {
                    OpenViewSettingsDialog(page, dialog, *PageContext(page));
                    return TRUE;
                }
            }
        }
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK SettingsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "SettingsPage", message,
                                [&] { return Procedure(page, message, wParam, lParam); });
}
