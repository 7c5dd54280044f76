// Placement of the main window's parts: the page inside the tab control, the splitter between the tabs
// and the journal, and the window's own placement kept in the host profile.
#pragma once

#include <windows.h>

// The page fills the tab control's display area.
void FitPage(HWND tabs, HWND page);

// The splitter is the gap between the tab control and the journal list: the distance of the mouse
// (client y) from its grip, 3 pixels above the list; the grip answers within 2 pixels.
int SplitterDistance(HWND window, int mouseY);
bool OverSplitter(HWND window, int mouseY);
// Moves the list's top edge up by distance (keeping its bottom) and shortens the tabs as much, in one
// batch; both keep their minimum heights. The page is fitted again.
void MoveSplitter(HWND window, HWND page, int distance);

// Applies the placement stored under "Tarvel/WState": only where a monitor shows it, never below the
// minimum size.
void RestorePlacement(HWND window, SIZE minimum);
// Stores the window's placement under "Tarvel/WState".
void StorePlacement(HWND window);
