// The twelve pages of the main window in tab order, and the procedures and layouts of their dialogs.
// Every page is created with a pointer to the window's CalcContext as creation parameter, receives its
// template id as control id, and commits its edits into the context when it is destroyed.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>

#include "ui/win32/AnchorLayout.h"

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

// Common work of every page: the themed tab background, the context as window data. Returns it.
struct CalcContext;
CalcContext* InitializePage(HWND page, LPARAM parameter);
CalcContext* PageContext(HWND page);
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
