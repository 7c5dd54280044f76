// The constants page: components whose molar fraction is taken as a fixed value with its uncertainty.
// The page works on a copy of the context's list and writes it back when it closes, so a record the user
// did not edit keeps its numbers and digit counts exactly as they were read.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/rounding/FixedFormats.h"
#include "data/AliasLookup.h"
#include "data/MixtureComponent.h"
#include "text/StringIds.gen.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Notices.h"
#include "ui/win32/Pages.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr int32_t kColumnWidth = 80;
// The component a new row starts with.
constexpr std::u16string_view kNewComponent = u"water";

PageTable BuildRows(const CalcContext& context, const std::vector<MixtureComponent>& constants) {
    PageTable table;
    table.columns = {MakePageColumn(StringId::ConstantsColumnComponent, true, kColumnWidth),
                     MakePageColumn(StringId::ConstantsColumnConcentration, true, kColumnWidth),
                     MakePageColumn(StringId::ConstantsColumnUncertainty, true, kColumnWidth)};
    table.columns[1].rightAligned = true;
    table.columns[2].rightAligned = true;
    for (const MixtureComponent& c : constants) {
        table.rows.push_back({DisplayNameForComponent(context.aliases, c.name),
                              FormatReference(c.concentration, c.qty_sym_conc),
                              FormatReference(c.deviation, c.qty_sym_dev)});
    }
    return table;
}

void ShowRows(HWND page) {
    FillRows(GetDlgItem(page, IDC_PAGE_LIST),
             BuildRows(*PageContext(page), WorkingCopy<MixtureComponent>(page)), false);
}

void Initialize(HWND page, LPARAM parameter) {
    CalcContext* context = InitializePage(page, parameter);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    SetListStyles(list);
    ListViewSubclass(list);
    if (context == nullptr) {
        EnableWindow(GetDlgItem(page, IDC_PAGE_ADD), FALSE);
        EnableWindow(GetDlgItem(page, IDC_PAGE_DELETE), FALSE);
        return;
    }
    WorkingCopy<MixtureComponent>(page) = context->constants;
    AddColumns(list, BuildRows(*context, {}));
    ShowRows(page);
}

void Add(HWND page) {
    MixtureComponent constant;
    constant.name = std::u16string(kNewComponent);
    if (OpenConstantEntryDialog(page, *PageContext(page), constant) != IDOK) {
        return;
    }
    auto& constants = WorkingCopy<MixtureComponent>(page);
    for (const MixtureComponent& listed : constants) {
        if (listed.name == constant.name) {
            ShowNotice(page, StringId::ConstantAlreadyListed, {constant.name});
            return;
        }
    }
    constants.push_back(std::move(constant));
    ShowRows(page);
}

void Edit(HWND page, int row) {
    if (EditWorkingRecord<MixtureComponent>(page, row, [page](MixtureComponent& constant) {
            return OpenConstantEntryDialog(page, *PageContext(page), constant);
        })) {
        ShowRows(page);
    }
}

void DeleteSelected(HWND page) {
    EraseSelectedRecords<MixtureComponent>(page, GetDlgItem(page, IDC_PAGE_LIST));
    ShowRows(page);
}

void Commit(HWND page) {
    if (CalcContext* context = PageContext(page)) {
        context->constants = WorkingCopy<MixtureComponent>(page);
    }
    ReleaseWorkingCopy<MixtureComponent>(page);
}

INT_PTR Procedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialize(page, lParam);
        return FALSE;
    case WM_WINDOWPOSCHANGING:
        LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_SIZE:
        FitLastColumn(GetDlgItem(page, IDC_PAGE_LIST), 0);
        return FALSE;
    case WM_DESTROY:
        Commit(page);
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && PageContext(page) != nullptr) {
            if (LOWORD(wParam) == IDC_PAGE_ADD) {
                Add(page);
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_PAGE_DELETE) {
                DeleteSelected(page);
                return TRUE;
            }
        }
        return FALSE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom != IDC_PAGE_LIST) {
            return FALSE;
        }
        if (header.code == NM_CUSTOMDRAW) {
            SetWindowLongPtrW(page, DWLP_MSGRESULT,
                              PaintStripedRow(*reinterpret_cast<NMLVCUSTOMDRAW*>(lParam)));
            return TRUE;
        }
        if (static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(page, *reinterpret_cast<NMKEY*>(lParam));
        } else if (header.code == NM_DBLCLK && PageContext(page) != nullptr) {
            Edit(page, reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK ConstantsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(page, "ConstantsPage", INT_PTR{FALSE},
                            [&] { return Procedure(page, message, wParam, lParam); });
}
