// Dialog 214: the report parameters as a list of (name, value) rows, added, edited (double click) and
// deleted here and written back in list order when the dialog closes with OK.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "text/StringIds.gen.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/ReportParameterDialogs.h"
#include "ui/win32/WindowState.h"

namespace {

constexpr int kNameWidth = 150;
constexpr int kValueWidth = 280;

void AddColumn(HWND list, int index, uint32_t titleId, int width) {
    std::wstring title = ResourceText(titleId);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title.data();
    column.cx = width;
    column.iSubItem = index;
    ListView_InsertColumn(list, index, &column);
}

void SetRow(HWND list, int row, const std::wstring& name, const std::wstring& value) {
    ListView_SetItemText(list, row, 0, const_cast<wchar_t*>(name.c_str()));
    ListView_SetItemText(list, row, 1, const_cast<wchar_t*>(value.c_str()));
}

void AppendRow(HWND list, const std::wstring& name, const std::wstring& value) {
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = ListView_GetItemCount(list);
    item.pszText = const_cast<wchar_t*>(name.c_str());
    const int row = ListView_InsertItem(list, &item);
    if (row >= 0) {
        SetRow(list, row, name, value);
    }
}

std::u16string Limited(const std::wstring& text) {
    return FromWide(text.substr(0, kReportParameterLength));
}

void Initialize(HWND dialog, const std::vector<ReportProp>& props) {
    HWND list = GetDlgItem(dialog, IDC_REPORT_PARAMETER_LIST);
    SetListStyles(list);
    AddColumn(list, 0, StringId::ReportParameterColumnName, kNameWidth);
    AddColumn(list, 1, StringId::ReportParameterColumnValue, kValueWidth);
    for (const ReportProp& prop : props) {
        AppendRow(list, std::wstring(prop.name.begin(), prop.name.end()),
                  std::wstring(prop.value.begin(), prop.value.end()));
    }
    ListViewSubclass(list);
}

void Add(HWND dialog) {
    std::wstring name;
    std::wstring value;
    if (EditReportParameter(dialog, name, value) && !name.empty()) {
        AppendRow(GetDlgItem(dialog, IDC_REPORT_PARAMETER_LIST), name, value);
    }
}

void DeleteSelected(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_REPORT_PARAMETER_LIST);
    for (int row = ListView_GetItemCount(list) - 1; row >= 0; --row) {
        if (ListView_GetItemState(list, row, LVIS_SELECTED) != 0) {
            ListView_DeleteItem(list, row);
        }
    }
}

// An empty name is accepted here: the row stays where it is, as the user left it.
void Edit(HWND dialog, int row) {
    HWND list = GetDlgItem(dialog, IDC_REPORT_PARAMETER_LIST);
    if (row < 0 || row >= ListView_GetItemCount(list)) {
        return;
    }
    std::wstring name = CellText(list, row, 0);
    std::wstring value = CellText(list, row, 1);
    if (EditReportParameter(dialog, name, value)) {
        SetRow(list, row, name, value);
    }
}

void Commit(HWND dialog, std::vector<ReportProp>& props) {
    HWND list = GetDlgItem(dialog, IDC_REPORT_PARAMETER_LIST);
    std::vector<ReportProp> rows;
    const int count = ListView_GetItemCount(list);
    for (int row = 0; row < count; ++row) {
        rows.push_back({Limited(CellText(list, row, 0)), Limited(CellText(list, row, 1))});
    }
    props = std::move(rows);
}

INT_PTR Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* props = WindowState<std::vector<ReportProp>>(dialog);
    switch (message) {
    case WM_INITDIALOG:
        AttachWindowState(dialog, reinterpret_cast<std::vector<ReportProp>*>(lParam));
        Initialize(dialog, *reinterpret_cast<std::vector<ReportProp>*>(lParam));
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_REPORT_PARAMETER_ADD:
            Add(dialog);
            return TRUE;
        case IDC_REPORT_PARAMETER_DELETE:
            DeleteSelected(dialog);
            return TRUE;
        case IDOK:
            Commit(dialog, *props);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom != IDC_REPORT_PARAMETER_LIST) {
            return FALSE;
        }
        if (header.code == NM_DBLCLK) {
            Edit(dialog, reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
        } else if (static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(dialog, *reinterpret_cast<NMKEY*>(lParam));
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK ReportParametersProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "ReportParameters", INT_PTR{FALSE},
                            [&] { return Procedure(dialog, message, wParam, lParam); });
}

} // namespace

bool EditReportParameters(HWND owner, std::vector<ReportProp>& props) {
    ManifestActivation activation;
    return DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(IDD_REPORT_PARAMETERS), owner,
                           &ReportParametersProcedure, reinterpret_cast<LPARAM>(&props)) == IDOK;
}
