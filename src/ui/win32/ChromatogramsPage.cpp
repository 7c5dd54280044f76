// The chromatograms page as far as it is built: the chromatograms of the next calculation, refreshed
// from the host database when the page opens, with their check boxes committed when it closes. Adding,
// deleting and opening chromatograms are not built yet: those buttons are shown disabled.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "data/DataBaseHandle.h"
#include "ui/models/AssayBatches.h"
#include "ui/models/AssayListModel.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Pages.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr int kInertButtons[] = {IDC_ASSAYS_REFRESH, IDC_ASSAYS_ANALYSIS, IDC_ASSAYS_CALIBRATION,
                                 IDC_ASSAYS_CONTROL, IDC_PAGE_DELETE};

void Initialize(HWND page, LPARAM parameter) {
    CalcContext* context = InitializePage(page, parameter);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_CHECKBOXES);
    for (int id : kInertButtons) {
        EnableWindow(GetDlgItem(page, id), FALSE);
    }
    if (context == nullptr) {
        return;
    }
    // A database failure is shown by the guard; the list then shows the records as stored.
    GuardedProcedure(page, "ChromatogramsPage.Refresh", false, [&] {
        if (!context->assays.empty()) {
            DataBase::Handle handle; // one connection for the whole refresh
            RefreshAssayList(*context, handle);
        }
        return true;
    });
    const PageTable table = BuildAssayList(*context);
    AddColumns(list, table);
    FillRows(list, table, false);
    for (size_t row = 0; row < table.rowMarks.size(); ++row) {
        ListView_SetCheckState(list, static_cast<int>(row), table.rowMarks[row] != 0);
    }
    ListViewSubclass(list);
    SetFocus(list);
}

void Commit(HWND page) {
    CalcContext* context = PageContext(page);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    if (context == nullptr || list == nullptr) {
        return;
    }
    const size_t rows = static_cast<size_t>(ListView_GetItemCount(list));
    for (size_t row = 0; row < rows && row < context->assays.size(); ++row) {
        context->assays[row].included = ListView_GetCheckState(list, static_cast<int>(row)) != 0;
    }
}

INT_PTR Procedure(HWND page, UINT message, LPARAM lParam) {
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
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom == IDC_PAGE_LIST && header.code == NM_CUSTOMDRAW) {
            SetWindowLongPtrW(page, DWLP_MSGRESULT,
                              PaintStripedRow(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam)));
            return TRUE;
        }
        if (header.idFrom == IDC_PAGE_LIST && static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(page, *reinterpret_cast<NMKEY*>(lParam));
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK ChromatogramsPageProcedure(HWND page, UINT message, WPARAM, LPARAM lParam) {
    return GuardedProcedure(page, "ChromatogramsPage", INT_PTR{FALSE},
                            [&] { return Procedure(page, message, lParam); });
}
