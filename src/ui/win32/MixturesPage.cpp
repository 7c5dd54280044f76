// The mixtures page: which reference mixtures calibrate which component. The page works on a copy of
// the context's list, shown row by row, and writes the copy back when it closes, so a record the user
// did not edit is stored again exactly as it was read.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/ComponentMixtures.h"
#include "data/AliasLookup.h"
#include "text/StringIds.gen.h"
#include "text/StringTable.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Pages.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr int32_t kComponentColumnWidth = 250;
constexpr int32_t kMixtureColumnWidth = 150;
constexpr std::u16string_view kEveryComponent = u"*";
constexpr std::u16string_view kNoMixture = u"\u2014";

std::u16string MixtureText(const std::u16string& name) {
    return name.empty() ? std::u16string(kNoMixture) : name;
}

// Type 0 is СО-ИПГ; every other stored type is shown as СО-ПГМ.
std::u16string TypeText(const std::u16string& name, int32_t type) {
    if (name.empty()) {
        return std::u16string(kNoMixture);
    }
    return std::u16string(LoadText(type == 0 ? StringId::MixtureTypeNgs : StringId::MixtureTypeMng));
}

PageTable BuildRows(const CalcContext& context, const std::vector<ComponentMixtures>& mixtures) {
    PageTable table;
    table.columns = {
        MakePageColumn(StringId::MixturesColumnComponent, true, kComponentColumnWidth),
        MakePageColumn(StringId::MixturesColumnMixture1, true, kMixtureColumnWidth),
        MakePageColumn(StringId::MixturesColumnMixture2, true, kMixtureColumnWidth),
        MakePageColumn(StringId::MixturesColumnType1, true, kMixtureColumnWidth),
        MakePageColumn(StringId::MixturesColumnType2, true, kMixtureColumnWidth),
    };
    for (const ComponentMixtures& m : mixtures) {
        table.rows.push_back({m.component.empty() ? std::u16string(kEveryComponent)
                                                  : DisplayNameForComponent(context.aliases, m.component),
                              MixtureText(m.first), MixtureText(m.second), TypeText(m.first, m.firstType),
                              TypeText(m.second, m.secondType)});
    }
    return table;
}

void ShowRows(HWND page) {
    const CalcContext* context = PageContext(page);
    FillRows(GetDlgItem(page, IDC_PAGE_LIST), BuildRows(*context, WorkingCopy<ComponentMixtures>(page)),
             false);
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
    WorkingCopy<ComponentMixtures>(page) = context->mixtures;
    AddColumns(list, BuildRows(*context, {}));
    ShowRows(page);
}

void Add(HWND page) {
    ComponentMixtures entry;
    if (OpenMixtureEntryDialog(page, *PageContext(page), entry) == IDOK) {
        WorkingCopy<ComponentMixtures>(page).push_back(std::move(entry));
        ShowRows(page);
    }
}

void Edit(HWND page, int row) {
    if (EditWorkingRecord<ComponentMixtures>(page, row, [page](ComponentMixtures& entry) {
            return OpenMixtureEntryDialog(page, *PageContext(page), entry);
        })) {
        ShowRows(page);
    }
}

void DeleteSelected(HWND page) {
    EraseSelectedRecords<ComponentMixtures>(page, GetDlgItem(page, IDC_PAGE_LIST));
    ShowRows(page);
}

void Commit(HWND page) {
    if (CalcContext* context = PageContext(page)) {
        context->mixtures = WorkingCopy<ComponentMixtures>(page);
    }
    ReleaseWorkingCopy<ComponentMixtures>(page);
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

INT_PTR CALLBACK MixturesPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(page, "MixturesPage", INT_PTR{FALSE},
                            [&] { return Procedure(page, message, wParam, lParam); });
}
