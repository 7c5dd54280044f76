// The four result pages (calibration, components, calculation, methane number): one list that fills
// the page, built from the page model of the context's last run when the page is created.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/journal/Journal.h"
#include "text/StringIds.gen.h"
#include "text/StringTable.h"
#include "ui/models/CalculationPageModel.h"
#include "ui/models/CalibrationPageModel.h"
#include "ui/models/ComponentsPageModel.h"
#include "ui/models/MethaneNumberPageModel.h"
#include "ui/win32/CalculationRun.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/StabilityDialog.h"

namespace {

using PageBuilder = PageTable (*)(const CalcContext&);

// The 16-pixel state images (0 not accepted, 1 accepted), magenta transparent; the list owns them.
HIMAGELIST LoadStateImages() {
    return ImageList_LoadImageW(PluginModule(), MAKEINTRESOURCEW(IDB_STATE_IMAGES), 16, 0, RGB(255, 0, 255),
                                IMAGE_BITMAP, LR_CREATEDIBSECTION);
}

// An empty page says why it is empty, in its first column.
void ShowReasonRow(HWND list, const std::u16string& reason) {
    std::wstring text(reason.begin(), reason.end());
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE;
    item.iImage = -1;
    item.pszText = text.data();
    ListView_InsertItem(list, &item);
    FitColumns(list);
}

void InitializeListPage(HWND page, LPARAM parameter, PageBuilder build, bool withImages) {
    const CalcContext* context = InitializePage(page, parameter);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    SetListStyles(list);
    if (withImages) {
        ListView_SetImageList(list, LoadStateImages(), LVSIL_SMALL);
    }
    if (context != nullptr) {
        const PageTable table = build(*context);
        AddColumns(list, table);
        FillRows(list, table, withImages);
        if (build == &BuildComponentsPage && table.rows.empty() && !HasTickedAnalysis(*context)) {
            ShowReasonRow(list, LoadMessageText(StringId::NoAnalysisTicked));
        }
    }
    ListViewSubclass(list);
    SetFocus(list);
}

INT_PTR ListPageProcedure(HWND page, UINT message, WPARAM, LPARAM lParam, PageBuilder build,
                          bool withImages) {
    switch (message) {
    case WM_INITDIALOG:
        InitializeListPage(page, lParam, build, withImages);
        return FALSE; // the focus is on the list
    case WM_WINDOWPOSCHANGING:
        LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom != IDC_PAGE_LIST) {
            return FALSE;
        }
        if (PaintStripedRows(page, header)) {
            return TRUE;
        }
        if (static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(page, *reinterpret_cast<NMKEY*>(lParam));
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

// The calibration page adds one button: the calibration's stability over its history.
INT_PTR CALLBACK CalibrationPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "CalibrationPage", message, [&] {
        if (message == WM_INITDIALOG) {
            SetDlgItemTextW(page, IDC_CALIBRATION_STABILITY,
                            Wide(std::u16string(LoadText(StringId::StabilityButton))));
        }
        if (message == WM_COMMAND && LOWORD(wParam) == IDC_CALIBRATION_STABILITY) {
            if (const CalcContext* context = PageContext(page)) {
                ShowStabilityDialog(page, *context);
            }
            return INT_PTR{TRUE};
        }
        return ListPageProcedure(page, message, wParam, lParam, &BuildCalibrationPage, true);
    });
}

INT_PTR CALLBACK ComponentsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "ComponentsPage", message, [&] {
        return ListPageProcedure(page, message, wParam, lParam, &BuildComponentsPage, true);
    });
}

INT_PTR CALLBACK CalculationPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "CalculationPage", message, [&] {
        return ListPageProcedure(page, message, wParam, lParam, &BuildCalculationPage, false);
    });
}

INT_PTR CALLBACK MethaneNumberPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "MethaneNumberPage", message, [&] {
        return ListPageProcedure(page, message, wParam, lParam, &BuildMethaneNumberPage, false);
    });
}
