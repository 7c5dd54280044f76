#include "ui/win32/MainWindow.h"

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <array>
#include <memory>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/journal/JournalCategory.h"
#include "plugin/MainWindowHooks.h"
#include "plugin/SettingsStore.h"
#include "text/StringIds.gen.h"
#include "ui/win32/AnchorLayout.h"
#include "ui/win32/CalculationRun.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/KeyboardRouting.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/MainWindowLayout.h"
#include "ui/win32/Notices.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/SolidBrushes.h"
#include "ui/win32/WindowState.h"

namespace {

constexpr int kJournalSectionWidth = 100;
constexpr int kJournalDescriptionWidth = 600;

constexpr AnchoredControl kMainAnchors[] = {
    {IDC_MAIN_TABS, AnchorAll},
    {IDC_MAIN_JOURNAL, AnchorLeft | AnchorRight | AnchorBottom},
    {IDC_MAIN_STATUS_STRIP, AnchorLeft | AnchorRight | AnchorBottom},
    {IDOK, AnchorRight | AnchorBottom},
};

struct MainWindowState {
    SIZE minimum{};
    SIZE laidOut{}; // the window size the controls are placed for
    int pageLeft = 0;
    std::array<const DLGTEMPLATE*, kMainWindowPageCount> templates{};
    CalcContext context;
    HWND page = nullptr;
    bool splitting = false;
    UINT dpi = 96; // the resolution minimum was measured at
    // The widths the user dragged in the lists of the window, of its pages and of its dialogs.
    UserColumnWidths columnWidths;
};

MainWindowState* StateOf(HWND window) {
    return WindowState<MainWindowState>(window);
}

HBRUSH StripBrush(bool clean) {
    return SharedSolidBrush(clean ? kStripColourClean : kStripColourJournal);
}

const DLGTEMPLATE* LoadPageTemplate(int id) {
    HRSRC resource =
        FindResourceW(PluginModule(), MAKEINTRESOURCEW(id), reinterpret_cast<LPCWSTR>(RT_DIALOG));
    HGLOBAL loaded = resource != nullptr ? LoadResource(PluginModule(), resource) : nullptr;
    return loaded != nullptr ? static_cast<const DLGTEMPLATE*>(LockResource(loaded)) : nullptr;
}

void DestroyPage(MainWindowState& state) {
    if (state.page != nullptr) {
        HWND page = state.page;
        state.page = nullptr;
        DestroyWindow(page); // the page commits its edits
    }
}

void FillJournal(HWND window, const CalcContext& context) {
    HWND journal = GetDlgItem(window, IDC_MAIN_JOURNAL);
    SendMessageW(journal, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(journal);
    int row = 0;
    for (const JournalEntry& entry : context.journal.entries) {
        const std::u16string_view name = CategoryName(entry.category);
        std::wstring section(name.begin(), name.end());
        std::wstring text(entry.text.begin(), entry.text.end());
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = section.data();
        const int index = ListView_InsertItem(journal, &item);
        ListView_SetItemText(journal, index, 1, text.data());
        ++row;
    }
    FitColumns(journal);
    SendMessageW(journal, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(journal, nullptr, TRUE);
}

void Recalculate(HWND window, MainWindowState& state) {
    const int32_t status = RunCalculationForWindow(state.context);
    FillJournal(window, state.context);
    HWND strip = GetDlgItem(window, IDC_MAIN_STATUS_STRIP);
    SetWindowTextW(strip, L"");
    InvalidateRect(strip, nullptr, TRUE);
    if (status != 0) {
        ShowCalculationFailedBox(window);
    }
}

// The tab control and its page are drawn once per switch: nothing is painted while the old page goes and
// the new one is created and laid out (a blank page, a half-drawn list, an erased piece of the strip),
// then everything at once. Of the tab control only the strip is drawn again (its selection changed; the
// frame did not): a themed tab control draws its whole pane whenever any of it is to be painted, even
// where the page hides it, which under Wine took as long as painting the page's list.
class SuspendedTabRedraw {
public:
    SuspendedTabRedraw(HWND tabs, const HWND& page) : tabs_(tabs), page_(page) {
        SendMessageW(tabs_, WM_SETREDRAW, FALSE, 0);
    }
    ~SuspendedTabRedraw() {
        SendMessageW(tabs_, WM_SETREDRAW, TRUE, 0);
        if (page_ == nullptr) {
            RedrawWindow(tabs_, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return;
        }
        RECT strip{};
        GetClientRect(tabs_, &strip);
        RECT pageRect{};
        GetWindowRect(page_, &pageRect);
        MapWindowPoints(nullptr, tabs_, reinterpret_cast<POINT*>(&pageRect), 2);
        strip.bottom = pageRect.top;
        RedrawWindow(tabs_, &strip, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_NOCHILDREN | RDW_UPDATENOW);
        RedrawWindow(page_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    SuspendedTabRedraw(const SuspendedTabRedraw&) = delete;
    SuspendedTabRedraw& operator=(const SuspendedTabRedraw&) = delete;

private:
    HWND tabs_;
    const HWND& page_; // the state's page: the one shown when the switch ends, if any
};

void ShowSelectedPage(HWND window, MainWindowState& state) {
    HWND tabs = GetDlgItem(window, IDC_MAIN_TABS);
    const SuspendedTabRedraw suspended(tabs, state.page);
    const int selected = TabCtrl_GetCurSel(tabs);
    const auto pages = MainWindowPages();
    if (selected < 0 || selected >= kMainWindowPageCount) {
        return;
    }
    // Leaving an input page for a page that shows results: the results must follow the inputs. The
    // page being left has already committed its edits (it was destroyed when the selection changed).
    const bool leftInput = state.pageLeft >= 0 && state.pageLeft < kMainWindowPageCount &&
                           pages[static_cast<size_t>(state.pageLeft)].input;
    const bool recalculate = leftInput && !pages[static_cast<size_t>(selected)].input;
    DestroyPage(state);
    if (recalculate) {
        Recalculate(window, state);
    }
    const MainWindowPage& entry = pages[static_cast<size_t>(selected)];
    const DLGTEMPLATE* pageTemplate = state.templates[static_cast<size_t>(selected)];
    if (pageTemplate == nullptr) {
        return;
    }
    ManifestActivation activation;
    HWND page = CreateDialogIndirectParamW(PluginModule(), pageTemplate, tabs, entry.procedure,
                                           reinterpret_cast<LPARAM>(&state.context));
    if (page == nullptr) {
        return;
    }
    SetWindowLongPtrW(page, GWLP_ID, entry.templateId);
    state.page = page;
    FitPage(tabs, page);
}

void InitializeJournal(HWND window) {
    HWND journal = GetDlgItem(window, IDC_MAIN_JOURNAL);
    SetListStyles(journal);
    const std::array<std::pair<uint32_t, int>, 2> columns = {
        {{StringId::JournalColumnSection, kJournalSectionWidth},
         {StringId::JournalColumnDescription, kJournalDescriptionWidth}}};
    for (size_t index = 0; index < columns.size(); ++index) {
        std::wstring header = ResourceText(columns[index].first);
        LVCOLUMNW column{};
        column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        column.cx = columns[index].second;
        column.pszText = header.data();
        column.iSubItem = static_cast<int>(index);
        ListView_InsertColumn(journal, static_cast<int>(index), &column);
    }
    ListViewSubclass(journal);
    FitColumns(journal);
}

void SetIcons(HWND window) {
    const auto load = [](int metricX, int metricY) {
        return LoadImageW(PluginModule(), MAKEINTRESOURCEW(IDI_TARVEL), IMAGE_ICON, GetSystemMetrics(metricX),
                          GetSystemMetrics(metricY), LR_SHARED);
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(load(SM_CXSMICON, SM_CYSMICON)));
}

void Initialize(HWND window) {
    if (!RegisterCommonControls()) {
        return; // the window stays empty
    }
    EnableThemeDialogTexture(window, ETDT_ENABLETAB);
    auto owned = std::make_unique<MainWindowState>();
    MainWindowState& state = *owned;
    AttachWindowState(window, owned.release());
    SettingsStore::Load(state.context);
    state.context.stabilityMemory.keep = true;
    SetIcons(window);
    InitializeJournal(window);

    HWND tabs = GetDlgItem(window, IDC_MAIN_TABS);
    const auto pages = MainWindowPages();
    for (size_t index = 0; index < pages.size(); ++index) {
        std::wstring title = ResourceText(pages[index].titleId);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = title.data();
        TabCtrl_InsertItem(tabs, static_cast<int>(index), &item);
        state.templates[index] = LoadPageTemplate(pages[index].templateId);
    }
    TabCtrl_SetCurSel(tabs, 0);
    ShowSelectedPage(window, state);

    RECT bounds{};
    GetWindowRect(window, &bounds);
    state.minimum = {bounds.right - bounds.left, bounds.bottom - bounds.top};
    state.laidOut = state.minimum;
    state.dpi = WindowDpi(window);
    RestorePlacement(window, state.minimum);
    StartKeyboardRouting(window);
}

void Close(HWND window) {
    StopKeyboardRouting(window);
    MainWindowState* state = StateOf(window);
    if (state == nullptr) {
        return;
    }
    DestroyPage(*state);
    SettingsStore::Save(state->context);
    StorePlacement(window);
}

void FinalDestruction(HWND window) {
    delete StateOf(window);
    AttachWindowState<MainWindowState>(window, nullptr);
    MainWindowDestroyed();
}

INT_PTR Notify(HWND window, MainWindowState& state, const NMHDR& header, LPARAM lParam) {
    if (header.idFrom == IDC_MAIN_TABS) {
        if (header.code == TCN_SELCHANGING) {
            state.pageLeft = TabCtrl_GetCurSel(header.hwndFrom);
            DestroyPage(state); // commits the page being left before anything runs
            SetWindowLongPtrW(window, DWLP_MSGRESULT, FALSE);
            return TRUE;
        }
        if (header.code == TCN_SELCHANGE) {
            ShowSelectedPage(window, state);
        }
        return FALSE;
    }
    if (header.idFrom == IDC_MAIN_JOURNAL && static_cast<int>(header.code) == kListKeyDown) {
        HandleListShortcut(window, *reinterpret_cast<const NMKEY*>(lParam));
    }
    return FALSE;
}

INT_PTR OnNotify(HWND window, MainWindowState& state, WPARAM, LPARAM lParam) {
    return Notify(window, state, *reinterpret_cast<NMHDR*>(lParam), lParam);
}

INT_PTR OnControlColour(HWND window, MainWindowState& state, WPARAM, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) == GetDlgItem(window, IDC_MAIN_STATUS_STRIP)) {
        return reinterpret_cast<INT_PTR>(StripBrush(state.context.journal.entries.empty()));
    }
    return FALSE;
}

// The minimum size holds for every move, not only the user's dragging, and the anchors must see the size
// the window will really take. The controls follow the size they were last laid out for, so that
// minimising and restoring (whose sizes are an icon's) leave them alone.
INT_PTR OnPositionChanging(HWND window, MainWindowState& state, WPARAM, LPARAM lParam) {
    auto& position = *reinterpret_cast<WINDOWPOS*>(lParam);
    if ((position.flags & SWP_NOSIZE) == 0 && !IsIconic(window)) {
        position.cx = std::max<int>(position.cx, state.minimum.cx);
        position.cy = std::max<int>(position.cy, state.minimum.cy);
        const RECT laidOut{0, 0, state.laidOut.cx, state.laidOut.cy};
        AnchorLayout(window, laidOut, position.cx, position.cy, kMainAnchors);
        state.laidOut = {position.cx, position.cy};
    }
    return FALSE;
}

INT_PTR OnSize(HWND window, MainWindowState& state, WPARAM, LPARAM) {
    FitPage(GetDlgItem(window, IDC_MAIN_TABS), state.page);
    return FALSE; // the journal's last column follows the list's size by itself
}

// Moved to a monitor of another resolution (a host aware of per-monitor resolution): the minimum
// follows, the window takes the rectangle the system proposes, the lists refit.
INT_PTR OnDpiChanged(HWND window, MainWindowState& state, WPARAM wParam, LPARAM lParam) {
    const UINT dpi = LOWORD(wParam);
    if (dpi > 0 && state.dpi > 0) {
        state.minimum = {MulDiv(state.minimum.cx, static_cast<int>(dpi), static_cast<int>(state.dpi)),
                         MulDiv(state.minimum.cy, static_cast<int>(dpi), static_cast<int>(state.dpi))};
        state.dpi = dpi;
    }
    const RECT& proposed = *reinterpret_cast<const RECT*>(lParam);
    SetWindowPos(window, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                 proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
    FitColumns(GetDlgItem(window, IDC_MAIN_JOURNAL));
    if (state.page != nullptr && GetDlgItem(state.page, IDC_PAGE_LIST) != nullptr) {
        FitColumns(GetDlgItem(state.page, IDC_PAGE_LIST));
    }
    return TRUE;
}

INT_PTR OnGetMinMaxInfo(HWND, MainWindowState& state, WPARAM, LPARAM lParam) {
    auto& limits = *reinterpret_cast<MINMAXINFO*>(lParam);
    if (state.minimum.cx > 0) {
        limits.ptMinTrackSize = {state.minimum.cx, state.minimum.cy};
    }
    return FALSE;
}

INT_PTR OnSetCursor(HWND window, MainWindowState& state, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) == window && LOWORD(lParam) == HTCLIENT) {
        POINT cursor{};
        GetCursorPos(&cursor);
        ScreenToClient(window, &cursor);
        if (state.splitting || OverSplitter(window, cursor.y)) {
            SetCursor(LoadCursorW(nullptr, IDC_SIZENS));
            SetWindowLongPtrW(window, DWLP_MSGRESULT, TRUE);
            return TRUE;
        }
    }
    return FALSE;
}

INT_PTR OnButtonDown(HWND window, MainWindowState& state, WPARAM, LPARAM lParam) {
    if (OverSplitter(window, static_cast<short>(HIWORD(lParam)))) {
        state.splitting = true;
        SetCapture(window);
    }
    return FALSE;
}

INT_PTR OnMouseMove(HWND window, MainWindowState& state, WPARAM wParam, LPARAM lParam) {
    if (state.splitting && (wParam & MK_LBUTTON) != 0) {
        MoveSplitter(window, state.page, SplitterDistance(window, static_cast<short>(HIWORD(lParam))));
    }
    return FALSE;
}

INT_PTR OnButtonUp(HWND, MainWindowState& state, WPARAM, LPARAM) {
    if (state.splitting) {
        state.splitting = false;
        ReleaseCapture();
    }
    return FALSE;
}

INT_PTR OnCaptureChanged(HWND, MainWindowState& state, WPARAM, LPARAM) {
    state.splitting = false;
    return FALSE;
}

// OK, Cancel (Escape) and the close box all close the window; closing needs no state.
bool ClosesWindow(UINT message, WPARAM wParam) {
    return message == WM_CLOSE ||
           (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL));
}

INT_PTR OnDestroy(HWND window, MainWindowState&, WPARAM, LPARAM) {
    Close(window);
    return FALSE;
}

struct MessageRoute {
    UINT message;
    INT_PTR (*handle)(HWND window, MainWindowState& state, WPARAM wParam, LPARAM lParam);
};

// The messages the window answers once its state exists; any other message gets the dialog manager's
// default.
constexpr MessageRoute kMessageRoutes[] = {
    {WM_NOTIFY, OnNotify},
    {WM_CTLCOLORSTATIC, OnControlColour},
    {WM_WINDOWPOSCHANGING, OnPositionChanging},
    {WM_SIZE, OnSize},
    {WM_DPICHANGED, OnDpiChanged},
    {WM_GETMINMAXINFO, OnGetMinMaxInfo},
    {WM_SETCURSOR, OnSetCursor},
    {WM_LBUTTONDOWN, OnButtonDown},
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_LBUTTONUP, OnButtonUp},
    {WM_CAPTURECHANGED, OnCaptureChanged},
    {WM_DESTROY, OnDestroy},
};

INT_PTR Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        Initialize(window);
        return TRUE;
    }
    if (message == WM_NCDESTROY) {
        FinalDestruction(window);
        return FALSE;
    }
    if (ClosesWindow(message, wParam)) {
        DestroyWindow(window);
        return TRUE;
    }
    MainWindowState* state = StateOf(window);
    if (state == nullptr) {
        return FALSE;
    }
    for (const MessageRoute& route : kMessageRoutes) {
        if (route.message == message) {
            return route.handle(window, *state, wParam, lParam);
        }
    }
    return FALSE;
}

INT_PTR CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(window, "MainWindow", INT_PTR{FALSE},
                            [&] { return Procedure(window, message, wParam, lParam); });
}

} // namespace

HWND CreateMainWindow(HWND owner) {
    RegisterCommonControls();
    ManifestActivation activation;
    return CreateDialogParamW(PluginModule(), MAKEINTRESOURCEW(IDD_MAIN_WINDOW), owner, &MainWindowProcedure,
                              0);
}

UserColumnWidths* MainWindowColumnWidths(HWND window) {
    // A page and its controls have the main window as their top-level window; a modal dialog is owned by
    // the top-level window of the page or dialog that opened it.
    for (HWND candidate = GetAncestor(window, GA_ROOT); candidate != nullptr;
         candidate = GetWindow(candidate, GW_OWNER)) {
        if (GetWindowLongPtrW(candidate, DWLP_DLGPROC) == reinterpret_cast<LONG_PTR>(&MainWindowProcedure)) {
            MainWindowState* state = StateOf(candidate);
            return state != nullptr ? &state->columnWidths : nullptr;
        }
    }
    return nullptr;
}

void RegisterMainWindow() {
    MainWindowHooks hooks;
    hooks.create = [](intptr_t owner) {
        return reinterpret_cast<intptr_t>(CreateMainWindow(reinterpret_cast<HWND>(owner)));
    };
    hooks.show = [](intptr_t window) { ShowWindow(reinterpret_cast<HWND>(window), SW_SHOW); };
    hooks.activate = [](intptr_t window) {
        HWND handle = reinterpret_cast<HWND>(window);
        ShowWindow(handle, IsIconic(handle) ? SW_RESTORE : SW_SHOW);
        SetActiveWindow(handle);
        SetForegroundWindow(handle);
    };
    hooks.destroy = [](intptr_t window) { DestroyWindow(reinterpret_cast<HWND>(window)); };
    hooks.showError = [](intptr_t window, std::u16string_view caption, std::u16string_view text) {
        const std::wstring captionText(caption.begin(), caption.end());
        const std::wstring message(text.begin(), text.end());
        ManifestActivation activation;
        MessageBoxW(reinterpret_cast<HWND>(window), message.c_str(), captionText.c_str(),
                    MB_OK | MB_ICONERROR);
    };
    SetMainWindowHooks(hooks);
}
