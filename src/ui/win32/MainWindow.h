// The plug-in's main window: a modeless, resizable dialog owned by the host window, with the twelve tab
// pages, the journal of the last calculation and its status strip. It owns the CalcContext while it
// exists.
#pragma once

#include <windows.h>

// Registers the window with the plug-in frame (MainWindowHooks), so the menu command creates it.
void RegisterMainWindow();

// Creates the window from template 101 owned by owner; null when creation fails.
HWND CreateMainWindow(HWND owner);

struct UserColumnWidths;
// The column widths the user dragged in the main window that window belongs to: the main window itself,
// a control or page inside it, or a dialog it owns, directly or through other dialogs. Null for a window
// outside any main window, and while the main window has no state.
UserColumnWidths* MainWindowColumnWidths(HWND window);

// Status strip colours: no journal entry, at least one.
inline constexpr COLORREF kStripColourClean = RGB(67, 162, 30);
inline constexpr COLORREF kStripColourJournal = RGB(194, 16, 16);

// Smallest heights, in pixels, the splitter leaves to the tab control and to the journal list.
inline constexpr int kMinimumTabsHeight = 120;
inline constexpr int kMinimumJournalHeight = 48;

// Profile key of the window's placement.
inline constexpr char16_t kPlacementKey[] = u"Tarvel/WState";
