// Conventions shared by every list view of the window: the subclass that keeps hidden columns hidden
// and reports key presses to the parent, copying the selected rows, stretching the last column, striped
// rows, and filling a list from a page model.
#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "ui/models/PageTable.h"

// Notification code of a key pressed in a subclassed list (NM_KEYDOWN): an NMKEY with the list's
// handle and id, the virtual key and the high word of the key data.
inline constexpr int kListKeyDown = -15;
// Notification code sent to the parent of a subclassed list once the list has done its own handling of
// a mouse button press or release or of a key that moves the selection (arrows, pages, Home, End, the
// space bar, Ctrl+A): an NMITEMACTIVATE with the row under the mouse (-1 for a
// key or a click beside the rows) and LVKF_CONTROL / LVKF_SHIFT as the mouse message carried them. Pages
// whose rows go in batches mend the selection here: the list's own click handling runs after NM_CLICK
// (a click on a selected row selects that row alone when the button goes up), so NM_CLICK is too early.
inline constexpr UINT kListSelectionSettled = 1750;
// Widest a column dragged narrower may become: columns of 4 pixels or less are widened to this.
inline constexpr int kMinimumDraggedColumnWidth = 5;

// Column widths the user dragged, kept in the main window's state for as long as the window is open: by
// the kind of dialog that owns the list (its dialog procedure), the list's id and the column. Pages are
// created anew on every tab switch and modal dialogs on every opening; their lists find the widths here.
struct UserColumnWidths {
    std::map<std::tuple<LONG_PTR, int, int>, int> byColumn;
};

// Installs the list subclass; the previous procedure is kept in the list's window data.
void ListViewSubclass(HWND list);

// The text ListViewCopy puts on the clipboard: the header texts of the columns of non-zero width,
// each followed by a tab, a line feed, then the same columns of every selected row in row order.
std::wstring ListViewText(HWND list);
// Puts ListViewText on the clipboard as Unicode text; false when the clipboard refused it.
bool ListViewCopy(HWND owner, HWND list);
void SelectAllRows(HWND list);
// The rows' selection states, and setting them (one change per row that differs).
std::vector<bool> RowSelection(HWND list);
void SetRowSelection(HWND list, const std::vector<bool>& selected);
// Ctrl+A selects every row, Ctrl+C copies; true when the key was one of them.
bool HandleListShortcut(HWND owner, const NMKEY& key);

// Widens column to the list's free width (the window width less 7 pixels and less the vertical scroll
// bar when the rows do not fit), when the other columns leave room.
void FitLastColumn(HWND list, int column);

// Sizes every shown column to its widest text, header included, in the list's font; hidden columns
// (width 0) stay hidden, a column the user sized keeps the user's width while the main window is open
// (UserColumnWidths of the main window the list belongs to), and the last shown column takes the width
// the others leave. FillRows ends with it; a subclassed list refits its last column whenever its size
// changes.
void FitColumns(HWND list);

// Answers a list's custom-draw notification to a dialog so that the rows of even index are painted on
// the button-face colour; true when header was that notification (the dialog procedure then returns
// TRUE), false for any other.
bool PaintStripedRows(HWND dialog, const NMHDR& header);

// Extended styles: grid lines, full-row selection, and drawing through a buffer (no flicker).
void SetListStyles(HWND list);
// Columns of a page model (left- or right-aligned as the model says, its widths, its header texts).
void AddColumns(HWND list, const PageTable& table);
// Replaces the rows with those of the model; withImages puts rowMarks as the images of the first column.
void FillRows(HWND list, const PageTable& table, bool withImages);
// Text of one cell.
std::wstring CellText(HWND list, int row, int column);
