// The aliases page: the name under which each component appears in the host's data, edited in place.
// A double click on the alias of the focused row opens an edit over that cell: Tab and Enter accept,
// Escape cancels, losing the focus accepts, scrolling the list cancels. An alias the lookup or the
// settings store could not use is refused with a notice. The page edits a copy of the alias list and
// writes it back when it closes.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <memory>
#include <optional>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "plugin/SettingsStore.h"
#include "text/CaseFold.h"
#include "text/StringIds.gen.h"
#include "ui/models/InputRules.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Notices.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr int32_t kColumnWidth = 300;
constexpr int kAliasColumn = 1;
// The editor holds at most this many characters.
constexpr int kEditorLimit = 260;
// The editor covers the cell and this many pixels around it.
constexpr int kEditorMargin = 2;
constexpr UINT_PTR kSubclassId = 1;

struct AliasesPageState {
    AliasList aliases;
    HWND editor = nullptr;
    int row = -1;
    bool ending = false; // a notice or the editor's destruction must not end it a second time
};

// The page's state: the editing state from initialisation with a context to the commit.
struct AliasesPage : PageState {
    std::optional<AliasesPageState> editing;
};

AliasesPageState* StateOf(HWND page) {
    AliasesPage* own = PageStateOf<AliasesPage>(page);
    return own != nullptr && own->editing.has_value() ? &*own->editing : nullptr;
}

PageTable BuildRows(const AliasList& aliases) {
    PageTable table;
    table.columns = {MakePageColumn(StringId::AliasesColumnComponent, true, kColumnWidth),
                     MakePageColumn(StringId::AliasesColumnAlias, true, kColumnWidth)};
    for (const AliasEntry& entry : aliases) {
        table.rows.push_back({entry.id, entry.alias});
    }
    return table;
}

enum class Ending { Accept, Cancel, AcceptOrKeepOpen };

// Ends the open editor. An accepted alias that is refused shows its notice; with AcceptOrKeepOpen (Tab
// and Enter) the editor then stays open for a correction, otherwise the cell keeps its text.
void EndEditing(HWND page, Ending how) {
    AliasesPageState* state = StateOf(page);
    if (state == nullptr || state->editor == nullptr || state->ending) {
        return;
    }
    state->ending = true;
    HWND editor = state->editor;
    const size_t row = static_cast<size_t>(state->row);
    if (how != Ending::Cancel && row < state->aliases.size()) {
        const std::u16string text = ControlText(editor);
        if (const uint32_t refusal = CheckAlias(state->aliases, row, text)) {
            const std::u16string& id = state->aliases[row].id;
            switch (refusal) {
            case StringId::TextTooLongRefused:
                ShowNotice(page, refusal, {static_cast<int>(SettingsStore::kMaxValueLength - id.size() - 1)});
                break;
            case StringId::AliasInUseRefused: {
                std::u16string other;
                for (const AliasEntry& entry : state->aliases) {
                    other = EqualsIgnoreCase(entry.alias, text) && entry.id != id ? entry.id : other;
                }
                ShowNotice(page, refusal, {text, other});
                break;
            }
            case StringId::EmptyAliasRefused:
                ShowNotice(page, refusal, {id});
                break;
            default:
                ShowNotice(page, refusal, {text});
                break;
            }
            if (how == Ending::AcceptOrKeepOpen && IsWindow(editor)) {
                state->ending = false;
                SetFocus(editor);
                SendMessageW(editor, EM_SETSEL, 0, -1);
                return;
            }
        } else {
            state->aliases[row].alias = text;
            ListView_SetItemText(GetDlgItem(page, IDC_PAGE_LIST), static_cast<int>(row), kAliasColumn,
                                 const_cast<wchar_t*>(Wide(text)));
        }
    }
    state->editor = nullptr;
    state->row = -1;
    DestroyWindow(editor);
    state->ending = false;
}

LRESULT CALLBACK EditorProcedure(HWND editor, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR page) {
    return GuardedProcedure(editor, "AliasEditor", LRESULT{0}, [&]() -> LRESULT {
        HWND owner = reinterpret_cast<HWND>(page);
        switch (message) {
        case WM_GETDLGCODE:
            return DLGC_WANTALLKEYS | DefSubclassProc(editor, message, wParam, lParam);
        case WM_KEYDOWN:
            if (wParam == VK_TAB || wParam == VK_RETURN) {
                EndEditing(owner, Ending::AcceptOrKeepOpen);
                return 0;
            }
            if (wParam == VK_ESCAPE) {
                EndEditing(owner, Ending::Cancel);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == L'\t' || wParam == L'\r' || wParam == 0x1B) {
                return 0; // handled on the key press; no beep
            }
            break;
        case WM_KILLFOCUS:
            DefSubclassProc(editor, message, wParam, lParam);
            EndEditing(owner, Ending::Accept);
            return 0;
        case WM_NCDESTROY:
            RemoveWindowSubclass(editor, &EditorProcedure, kSubclassId);
            break;
        default:
            break;
        }
        return DefSubclassProc(editor, message, wParam, lParam);
    });
}

// Scrolling moves the cell away from the editor: the edit is cancelled first.
LRESULT CALLBACK ListProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                               DWORD_PTR page) {
    return GuardedProcedure(list, "AliasList", LRESULT{0}, [&]() -> LRESULT {
        if (message == WM_VSCROLL || message == WM_HSCROLL || message == WM_MOUSEWHEEL ||
            message == WM_MOUSEHWHEEL) {
            EndEditing(reinterpret_cast<HWND>(page), Ending::Cancel);
        } else if (message == WM_NCDESTROY) {
            RemoveWindowSubclass(list, &ListProcedure, kSubclassId);
        }
        return DefSubclassProc(list, message, wParam, lParam);
    });
}

void BeginEditing(HWND page, int row) {
    AliasesPageState* state = StateOf(page);
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    if (state == nullptr || row < 0 || static_cast<size_t>(row) >= state->aliases.size()) {
        return;
    }
    EndEditing(page, Ending::Accept);
    RECT cell{};
    ListView_GetSubItemRect(list, row, kAliasColumn, LVIR_LABEL, &cell);
    InflateRect(&cell, kEditorMargin, kEditorMargin);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT;
    ListView_GetColumn(list, kAliasColumn, &column);
    const DWORD alignment = (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_RIGHT    ? ES_RIGHT
                            : (column.fmt & LVCFMT_JUSTIFYMASK) == LVCFMT_CENTER ? ES_CENTER
                                                                                 : ES_LEFT;
    HWND editor = CreateWindowExW(0, L"EDIT", Wide(state->aliases[static_cast<size_t>(row)].alias),
                                  WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL | alignment, cell.left,
                                  cell.top, cell.right - cell.left, cell.bottom - cell.top, list,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_ALIAS_EDITOR)),
                                  PluginModule(), nullptr);
    if (editor == nullptr) {
        return;
    }
    SendMessageW(editor, WM_SETFONT, SendMessageW(list, WM_GETFONT, 0, 0), TRUE);
    SendMessageW(editor, EM_SETLIMITTEXT, kEditorLimit, 0);
    SetWindowSubclass(editor, &EditorProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(page));
    state->editor = editor;
    state->row = row;
    SetFocus(editor);
    SendMessageW(editor, EM_SETSEL, 0, -1);
}

void Initialize(HWND page, LPARAM parameter) {
    CalcContext* context = InitializePage(page, parameter, std::make_unique<AliasesPage>());
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    SetListStyles(list);
    if (context == nullptr) {
        return;
    }
    PageStateOf<AliasesPage>(page)->editing = AliasesPageState{context->aliases};
    const PageTable table = BuildRows(context->aliases);
    AddColumns(list, table);
    FillRows(list, table, false);
    SetWindowSubclass(list, &ListProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(page));
}

void Commit(HWND page) {
    // An open editor loses its focus when the page closes: its text is accepted.
    EndEditing(page, Ending::Accept);
    CalcContext* context = PageContext(page);
    if (AliasesPageState* state = StateOf(page); state != nullptr && context != nullptr) {
        context->aliases = state->aliases;
    }
    if (AliasesPage* own = PageStateOf<AliasesPage>(page)) {
        own->editing.reset();
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
        if (header.idFrom != IDC_PAGE_LIST) {
            return FALSE;
        }
        if (PaintStripedRows(page, header)) {
            return TRUE;
        }
        if (header.code == NM_DBLCLK) {
            const auto& activate = *reinterpret_cast<NMITEMACTIVATE*>(lParam);
            HWND list = GetDlgItem(page, IDC_PAGE_LIST);
            // Only the focused row opens its editor; on another row the click just focuses it.
            if (activate.iSubItem == kAliasColumn && activate.iItem >= 0 &&
                ListView_GetNextItem(list, -1, LVNI_FOCUSED) == activate.iItem) {
                BeginEditing(page, activate.iItem);
            }
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK AliasesPageProcedure(HWND page, UINT message, WPARAM, LPARAM lParam) {
    return GuardedPageProcedure(page, "AliasesPage", message,
                                [&] { return Procedure(page, message, lParam); });
}
