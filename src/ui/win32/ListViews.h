// Conventions shared by every list view of the window: the subclass that keeps hidden columns hidden
// and reports key presses to the parent, copying the selected rows, stretching the last column, striped
// rows, and filling a list from a page model.
#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <string>

#include "ui/models/PageTable.h"

// Notification code of a key pressed in a subclassed list (NM_KEYDOWN): an NMKEY with the list's
// handle and id, the virtual key and the high word of the key data.
inline constexpr int kListKeyDown = -15;
// Widest a column dragged narrower may become: columns of 4 pixels or less are widened to this.
inline constexpr int kMinimumDraggedColumnWidth = 5;

// Installs the list subclass; the previous procedure is kept in the list's window data.
void ListViewSubclass(HWND list);

// The text ListViewCopy puts on the clipboard: the header texts of the columns of non-zero width,
// each followed by a tab, a line feed, then the same columns of every selected row in row order.
std::wstring ListViewText(HWND list);
// Puts ListViewText on the clipboard as Unicode text; false when the clipboard refused it.
bool ListViewCopy(HWND owner, HWND list);
void SelectAllRows(HWND list);
// Ctrl+A selects every row, Ctrl+C copies; true when the key was one of them.
bool HandleListShortcut(HWND owner, const NMKEY& key);

// Widens column to the list's free width (the window width less 7 pixels and less the vertical scroll
// bar when the rows do not fit), when the other columns leave room.
void FitLastColumn(HWND list, int column);

// Answers a list's custom-draw notification to a dialog so that the rows of even index are painted on
// the button-face colour; true when header was that notification (the dialog procedure then returns
// TRUE), false for any other.
bool PaintStripedRows(HWND dialog, const NMHDR& header);

// Extended styles: grid lines and full-row selection.
void SetListStyles(HWND list);
// Columns of a page model (left- or right-aligned as the model says, its widths, its header texts).
void AddColumns(HWND list, const PageTable& table);
// Replaces the rows with those of the model; withImages puts rowMarks as the images of the first column.
void FillRows(HWND list, const PageTable& table, bool withImages);
// Text of one cell.
std::wstring CellText(HWND list, int row, int column);
