// Dialog 216: the name and the value of one report parameter.
#include "ResourceIds.h"
#include "plugin/SettingsStore.h"
#include "ui/models/InputRules.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/ReportParameterDialogs.h"

namespace {

struct Pair {
    std::wstring* name;
    std::wstring* value;
};

std::wstring ItemText(HWND dialog, int id) {
    wchar_t buffer[kReportParameterLength + 1] = {};
    GetDlgItemTextW(dialog, id, buffer, kReportParameterLength + 1);
    return buffer;
}

// The settings store keeps a parameter as name, "/" and value in one entry: the name ends at the first
// slash, and the entry has a length limit. What it could not give back whole is refused here.
bool Acceptable(HWND dialog, const std::wstring& name, const std::wstring& value) {
    if (const uint32_t refusal = CheckListField(FromWide(name))) {
        ShowNotice(dialog, refusal, {FromWide(name)});
        return false;
    }
    if (const uint32_t refusal = CheckListValueLength(name.size() + 1 + value.size())) {
        ShowNotice(dialog, refusal, {static_cast<int>(SettingsStore::kMaxValueLength)});
        return false;
    }
    return true;
}

INT_PTR Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* pair = reinterpret_cast<Pair*>(lParam);
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        SendDlgItemMessageW(dialog, IDC_REPORT_PARAMETER_NAME, EM_LIMITTEXT, kReportParameterLength, 0);
        SendDlgItemMessageW(dialog, IDC_REPORT_PARAMETER_VALUE, EM_LIMITTEXT, kReportParameterLength, 0);
        SetDlgItemTextW(dialog, IDC_REPORT_PARAMETER_NAME, pair->name->c_str());
        SetDlgItemTextW(dialog, IDC_REPORT_PARAMETER_VALUE, pair->value->c_str());
        return TRUE;
    }
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
        if (LOWORD(wParam) == IDOK) {
            const std::wstring name = ItemText(dialog, IDC_REPORT_PARAMETER_NAME);
            const std::wstring value = ItemText(dialog, IDC_REPORT_PARAMETER_VALUE);
            if (!Acceptable(dialog, name, value)) {
                return TRUE;
            }
            const auto* pair = reinterpret_cast<Pair*>(GetWindowLongPtrW(dialog, DWLP_USER));
            *pair->name = name;
            *pair->value = value;
        }
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK ReportParameterProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "ReportParameter", INT_PTR{FALSE},
                            [&] { return Procedure(dialog, message, wParam, lParam); });
}

} // namespace

bool EditReportParameter(HWND owner, std::wstring& name, std::wstring& value) {
    Pair pair{&name, &value};
    ManifestActivation activation;
    return DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(IDD_REPORT_PARAMETER), owner,
                           &ReportParameterProcedure, reinterpret_cast<LPARAM>(&pair)) == IDOK;
}
