// The twelve pages of the main window in tab order, and the procedures and layouts of their dialogs.
// Every page is created with a pointer to the window's CalcContext as creation parameter, receives its
// template id as control id, and commits its edits into the context when it is destroyed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>

#include "ui/win32/AnchorLayout.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/WindowState.h"

struct MainWindowPage {
    uint32_t titleId; // string-table text of the tab
    int templateId;   // dialog resource of the page
    bool input;       // the page takes data from the user: leaving it for another page recalculates
    DLGPROC procedure;
};

inline constexpr int kMainWindowPageCount = 12;
std::span<const MainWindowPage, kMainWindowPageCount> MainWindowPages();

// Anchors of the controls of a page template (AnchorLayout); empty for an unknown template.
std::span<const AnchoredControl> PageAnchors(int templateId);

struct CalcContext;

// What a page keeps between messages, owned by the page from WM_INITDIALOG to WM_NCDESTROY (released by
// GuardedPageProcedure). A page that keeps more than the context derives its own state from it.
struct PageState {
    virtual ~PageState() = default;
    CalcContext* context = nullptr;
};

// Common work of every page: the themed tab background, and its state (a plain one when none is given)
// attached with the context the page was created with. Returns the context.
CalcContext* InitializePage(HWND page, LPARAM parameter, std::unique_ptr<PageState> state = nullptr);
CalcContext* PageContext(HWND page);
// The page's own state; null before WM_INITDIALOG, after WM_NCDESTROY, or when it is of another kind.
template <class State>
State* PageStateOf(HWND page) {
    return dynamic_cast<State*>(WindowState<PageState>(page));
}

// A page's window procedure body run inside the guard of ProcedureGuard.h; the page's state is released
// after the body has seen WM_NCDESTROY.
template <class Body>
INT_PTR GuardedPageProcedure(HWND page, const char* name, UINT message, Body body) {
    const INT_PTR result = GuardedProcedure(page, name, INT_PTR{FALSE}, body);
    if (message == WM_NCDESTROY) {
        delete WindowState<PageState>(page);
        AttachWindowState<PageState>(page, nullptr);
    }
    return result;
}
// Moves the page's controls by its anchors before its new size takes effect.
void LayOutPage(HWND page, const WINDOWPOS& position);

INT_PTR CALLBACK CalibrationPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ComponentsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK CalculationPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MethaneNumberPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ChromatogramsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ReportPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK MixturesPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AliasesPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ConstantsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK SettingsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ExportPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK AboutPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
