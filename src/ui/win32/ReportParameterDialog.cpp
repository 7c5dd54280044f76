// Dialog 216: the name and the value of one report parameter.
#include "ResourceIds.h"
#include "plugin/SettingsStore.h"
#include "ui/models/InputRules.h"
#include "ui/win32/EntryDialog.h"
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

void Initialize(HWND dialog, Pair& pair) {
    SendDlgItemMessageW(dialog, IDC_REPORT_PARAMETER_NAME, EM_LIMITTEXT, kReportParameterLength, 0);
    SendDlgItemMessageW(dialog, IDC_REPORT_PARAMETER_VALUE, EM_LIMITTEXT, kReportParameterLength, 0);
    SetDlgItemTextW(dialog, IDC_REPORT_PARAMETER_NAME, pair.name->c_str());
    SetDlgItemTextW(dialog, IDC_REPORT_PARAMETER_VALUE, pair.value->c_str());
}

// The settings store keeps a parameter as name, "/" and value in one entry: the name ends at the first
// slash, and the entry has a length limit. What it could not give back whole is refused.
bool Save(HWND dialog, Pair& pair) {
    const std::wstring name = ItemText(dialog, IDC_REPORT_PARAMETER_NAME);
    const std::wstring value = ItemText(dialog, IDC_REPORT_PARAMETER_VALUE);
    if (const uint32_t refusal = CheckListField(FromWide(name))) {
        ShowNotice(dialog, refusal, {FromWide(name)});
        return false;
    }
    if (const uint32_t refusal = CheckListValueLength(name.size() + 1 + value.size())) {
        ShowNotice(dialog, refusal, {static_cast<int>(SettingsStore::kMaxValueLength)});
        return false;
    }
    *pair.name = name;
    *pair.value = value;
    return true;
}

INT_PTR CALLBACK ReportParameterProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "ReportParameter", INT_PTR{FALSE}, [&] {
        return EntryDialogProcedure<Pair>(dialog, message, wParam, lParam, &Initialize, &Save);
    });
}

} // namespace

bool EditReportParameter(HWND owner, std::wstring& name, std::wstring& value) {
    Pair pair{&name, &value};
    ManifestActivation activation;
    return DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(IDD_REPORT_PARAMETER), owner,
                           &ReportParameterProcedure, reinterpret_cast<LPARAM>(&pair)) == IDOK;
}
