// The chromatograms page: the chromatograms of the next calculation. Batches are added through the
// selection dialog, deleted and selected as a whole; the records are refreshed from the host database,
// their peaks copied, and the host asked to open them. The check boxes are committed into the context
// before every change of the list and when the page closes.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "data/DataBaseHandle.h"
#include "plugin/Host.h"
#include "text/StringIds.gen.h"
#include "ui/models/AssayBatches.h"
#include "ui/models/AssayListModel.h"
#include "ui/models/BatchSelection.h"
#include "ui/models/PeakTablesText.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Notices.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/SelectionDialog.h"

namespace {

constexpr char kOpenAssayTopic[] = "Main/OpenAssayFile";

// Check-box changes made by the page itself (filling, propagating) are not user changes.
bool g_settingChecks = false;

HWND List(HWND page) {
    return GetDlgItem(page, IDC_PAGE_LIST);
}

std::vector<int> SelectedRows(HWND list) {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

const Assay* RecordOfRow(const CalcContext& context, int row) {
    return row >= 0 && static_cast<size_t>(row) < context.assays.size()
               ? &context.assays[static_cast<size_t>(row)]
               : nullptr;
}

void SetHeaderCheck(HWND list, bool checked) {
    HWND header = ListView_GetHeader(list);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header, 0, &item);
    item.fmt = (item.fmt & ~HDF_CHECKED) | HDF_CHECKBOX | (checked ? HDF_CHECKED : 0);
    Header_SetItem(header, 0, &item);
}

bool HeaderChecked(HWND list) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(list), 0, &item);
    return (item.fmt & HDF_CHECKED) != 0;
}

// The header box is ticked exactly when no row is unticked.
void UpdateHeaderCheck(HWND list) {
    const int rows = ListView_GetItemCount(list);
    bool all = true;
    for (int row = 0; row < rows && all; ++row) {
        all = ListView_GetCheckState(list, row) != 0;
    }
    SetHeaderCheck(list, all);
}

void SetChecks(HWND list, const std::vector<int>& rows, bool checked) {
    g_settingChecks = true;
    for (int row : rows) {
        ListView_SetCheckState(list, row, checked ? TRUE : FALSE);
    }
    g_settingChecks = false;
}

void FillList(HWND page, const CalcContext& context) {
    HWND list = List(page);
    const PageTable table = BuildAssayList(context);
    FillRows(list, table, false);
    std::vector<int> checked;
    for (size_t row = 0; row < table.rowMarks.size(); ++row) {
        if (table.rowMarks[row] != 0) {
            checked.push_back(static_cast<int>(row));
        }
    }
    SetChecks(list, checked, true);
    UpdateHeaderCheck(list);
    SetFocus(list);
}

void Commit(HWND page) {
    CalcContext* context = PageContext(page);
    HWND list = List(page);
    if (context == nullptr || list == nullptr) {
        return;
    }
    const size_t rows = static_cast<size_t>(ListView_GetItemCount(list));
    for (size_t row = 0; row < rows && row < context->assays.size(); ++row) {
        context->assays[row].included = ListView_GetCheckState(list, static_cast<int>(row)) != 0;
    }
}

void Refresh(CalcContext& context) {
    if (!context.assays.empty()) {
        DataBase::Handle handle; // one connection for the whole refresh
        RefreshAssayList(context, handle);
    }
}

void AddBatch(HWND page, CalcContext& context, AssayRole role) {
    Commit(page);
    SelectionRequest request;
    request.calibration = role != AssayRole::Analysis;
    request.count = RequiredBatchSize(context.settings, role);
    request.settings = &context.settings;
    if (!RunSelectionDialog(page, request)) {
        SetFocus(List(page));
        return;
    }
    const auto now = static_cast<uint32_t>(std::time(nullptr));
    DataBase::Handle handle;
    if (AddAssayBatch(context, handle, request.ids, role, NextGroupStamp(context, now)) ==
        AddBatchResult::AlreadyListed) {
        ShowNotice(page, StringId::ChromatogramsAlreadyListed);
    }
    FillList(page, context);
}

void DeleteSelectedBatches(HWND page, CalcContext& context) {
    Commit(page);
    std::vector<uint32_t> stamps;
    for (int row : SelectedRows(List(page))) {
        if (const Assay* record = RecordOfRow(context, row)) {
            stamps.push_back(record->groupStamp);
        }
    }
    DeleteBatches(context, stamps);
    FillList(page, context);
}

// Each row's batch: the group stamp and role of its record (a row without a record is a batch alone).
std::vector<uint64_t> BatchOfRows(HWND list, const CalcContext& context) {
    std::vector<uint64_t> batches(static_cast<size_t>(ListView_GetItemCount(list)));
    for (size_t row = 0; row < batches.size(); ++row) {
        const Assay* record = RecordOfRow(context, static_cast<int>(row));
        batches[row] = record != nullptr ? (static_cast<uint64_t>(record->groupStamp) << 8) |
                                               static_cast<uint8_t>(record->role)
                                         : (uint64_t{1} << 63) | row;
    }
    return batches;
}

// After the list's own click or key handling: whole batches only.
void SettleSelection(HWND page, const CalcContext& context, const NMITEMACTIVATE& settled) {
    HWND list = List(page);
    const SelectionGesture gesture{settled.iItem, (settled.uKeyFlags & LVKF_CONTROL) != 0,
                                   (settled.uKeyFlags & LVKF_SHIFT) != 0};
    SetRowSelection(list, SelectWholeBatches(BatchOfRows(list, context), RowSelection(list), gesture));
}

void OpenInHost(HWND page, const CalcContext& context) {
    if (!IsHostTopicAvailable(kOpenAssayTopic)) {
        return;
    }
    for (int row : SelectedRows(List(page))) {
        const Assay* record = RecordOfRow(context, row);
        if (record != nullptr && !record->filename.empty()) {
            CallHostTopic(kOpenAssayTopic, 0, reinterpret_cast<intptr_t>(record->filename.c_str()));
        }
    }
}

bool PutOnClipboard(HWND owner, const std::u16string& text) {
    if (!OpenClipboard(owner)) {
        return false;
    }
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    bool placed = false;
    if (memory != nullptr) {
        if (void* target = GlobalLock(memory)) {
            std::copy_n(text.c_str(), text.size() + 1, static_cast<char16_t*>(target));
            GlobalUnlock(memory);
            placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return placed;
}

void CopyPeaks(HWND page, const CalcContext& context) {
    std::vector<int64_t> ids;
    for (int row : SelectedRows(List(page))) {
        if (const Assay* record = RecordOfRow(context, row)) {
            ids.push_back(record->id);
        }
    }
    DataBase::Handle handle;
    PutOnClipboard(page, PeakTablesText(handle, ids));
}

// Button commands and their keys (with Ctrl).
void RunCommand(HWND page, int command) {
    CalcContext* context = PageContext(page);
    if (context == nullptr) {
        return;
    }
    switch (command) {
    case IDC_ASSAYS_REFRESH:
        // The ticks are committed first: a refresh must not tick again what the user excluded.
        Commit(page);
        Refresh(*context);
        FillList(page, *context);
        break;
    case IDC_ASSAYS_ANALYSIS:
        AddBatch(page, *context, AssayRole::Analysis);
        break;
    case IDC_ASSAYS_CALIBRATION:
        AddBatch(page, *context, AssayRole::Calibration);
        break;
    case IDC_ASSAYS_CONTROL:
        AddBatch(page, *context, AssayRole::Control);
        break;
    case IDC_PAGE_DELETE:
        DeleteSelectedBatches(page, *context);
        break;
    default:
        break;
    }
}

void HandleKey(HWND page, const NMKEY& key) {
    if (HandleListShortcut(page, key) || (GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        return;
    }
    CalcContext* context = PageContext(page);
    if (context == nullptr) {
        return;
    }
    switch (key.nVKey) {
    case 'D':
        RunCommand(page, IDC_PAGE_DELETE);
        break;
    case 'G':
        RunCommand(page, IDC_ASSAYS_CALIBRATION);
        break;
    case 'H':
        RunCommand(page, IDC_ASSAYS_ANALYSIS);
        break;
    case 'J':
        RunCommand(page, IDC_ASSAYS_CONTROL);
        break;
    case 'R':
        RunCommand(page, IDC_ASSAYS_REFRESH);
        break;
    case 'T':
        OpenInHost(page, *context);
        break;
    case 'E':
        CopyPeaks(page, *context);
        break;
    default:
        break;
    }
}

// A row's check box changed: its whole batch follows it, and the selected rows when it is one of them,
// so that no batch enters the calculation in part.
void CheckChanged(HWND page, const CalcContext& context, const NMLISTVIEW& change) {
    if (g_settingChecks || (change.uChanged & LVIF_STATE) == 0 ||
        ((change.uNewState ^ change.uOldState) & LVIS_STATEIMAGEMASK) == 0 || change.iItem < 0) {
        return;
    }
    HWND list = List(page);
    const bool checked = ListView_GetCheckState(list, change.iItem) != 0;
    const std::vector<uint64_t> batches = BatchOfRows(list, context);
    std::vector<int> rows;
    const bool fromSelection = ListView_GetItemState(list, change.iItem, LVIS_SELECTED) != 0;
    for (size_t row = 0; row < batches.size(); ++row) {
        const bool sameBatch = batches[row] == batches[static_cast<size_t>(change.iItem)];
        if (sameBatch ||
            (fromSelection && ListView_GetItemState(list, static_cast<int>(row), LVIS_SELECTED) != 0)) {
            rows.push_back(static_cast<int>(row));
        }
    }
    SetChecks(list, rows, checked);
    UpdateHeaderCheck(list);
}

void HeaderCheckClicked(HWND page) {
    HWND list = List(page);
    const bool checkAll = !HeaderChecked(list);
    std::vector<int> rows(static_cast<size_t>(ListView_GetItemCount(list)));
    for (size_t row = 0; row < rows.size(); ++row) {
        rows[row] = static_cast<int>(row);
    }
    SetChecks(list, rows, checkAll);
    SetHeaderCheck(list, checkAll);
}

void Initialize(HWND page, LPARAM parameter) {
    CalcContext* context = InitializePage(page, parameter);
    HWND list = List(page);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES |
                                                LVS_EX_DOUBLEBUFFER);
    HWND header = ListView_GetHeader(list);
    SetWindowLongPtrW(header, GWL_STYLE, GetWindowLongPtrW(header, GWL_STYLE) | HDS_CHECKBOXES);
    if (context == nullptr) {
        return;
    }
    AddColumns(list, BuildAssayList(*context));
    ListViewSubclass(list);
    // A database failure is shown by the guard; the list then shows the records as stored.
    GuardedProcedure(page, "ChromatogramsPage.Refresh", false, [&] {
        Refresh(*context);
        return true;
    });
    FillList(page, *context);
}

INT_PTR OnNotify(HWND page, LPARAM lParam) {
    const auto& header = *reinterpret_cast<NMHDR*>(lParam);
    CalcContext* context = PageContext(page);
    if (header.code == HDN_ITEMSTATEICONCLICK) {
        HeaderCheckClicked(page);
        return FALSE;
    }
    if (header.idFrom != IDC_PAGE_LIST || context == nullptr) {
        return FALSE;
    }
    if (PaintStripedRows(page, header)) {
        return TRUE;
    }
    switch (static_cast<int>(header.code)) {
    case kListKeyDown:
        HandleKey(page, *reinterpret_cast<NMKEY*>(lParam));
        return FALSE;
    case static_cast<int>(LVN_ITEMCHANGED):
        CheckChanged(page, *context, *reinterpret_cast<NMLISTVIEW*>(lParam));
        return FALSE;
    case static_cast<int>(kListSelectionSettled):
        SettleSelection(page, *context, *reinterpret_cast<NMITEMACTIVATE*>(lParam));
        return FALSE;
    case static_cast<int>(NM_DBLCLK):
    case static_cast<int>(NM_RDBLCLK):
        OpenInHost(page, *context);
        return FALSE;
    default:
        return FALSE;
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
        if (HIWORD(wParam) == BN_CLICKED) {
            RunCommand(page, LOWORD(wParam));
        }
        return TRUE;
    case WM_NOTIFY:
        return OnNotify(page, lParam);
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK ChromatogramsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "ChromatogramsPage", message,
                                [&] { return Procedure(page, message, wParam, lParam); });
}
