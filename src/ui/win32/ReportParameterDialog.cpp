// Dialog 216: the name and the value of one report parameter.
#include "ResourceIds.h"
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
            const auto* pair = reinterpret_cast<Pair*>(GetWindowLongPtrW(dialog, DWLP_USER));
            *pair->name = ItemText(dialog, IDC_REPORT_PARAMETER_NAME);
            *pair->value = ItemText(dialog, IDC_REPORT_PARAMETER_VALUE);
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
