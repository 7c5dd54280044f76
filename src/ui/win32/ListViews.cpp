#include "ui/win32/ListViews.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <tuple>

#include "ui/win32/Dpi.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

// Room around a cell's text and a header's text beside the text itself: the list's label margins and
// the header's, with a pixel to spare (the list's own auto-size leaves a header one pixel short under
// some systems, which cuts the last letter).
constexpr int kCellPadding = 16;
constexpr int kHeaderPadding = 18;
// The header's check box of a list with check boxes, and a row's state or small image.
constexpr int kHeaderCheckBoxWidth = 20;
constexpr int kLastColumnGap = 4;

std::tuple<LONG_PTR, int, int> KeyOfColumn(HWND list, int column) {
    return {GetWindowLongPtrW(GetParent(list), DWLP_DLGPROC), GetDlgCtrlID(list), column};
}

// The width the user dragged the column to while the main window is open; none for a column the user
// left alone and for a list outside the main window.
std::optional<int> UserWidth(HWND list, int column) {
    const UserColumnWidths* widths = MainWindowColumnWidths(list);
    if (widths == nullptr) {
        return std::nullopt;
    }
    const auto found = widths->byColumn.find(KeyOfColumn(list, column));
    return found != widths->byColumn.end() ? std::optional<int>(found->second) : std::nullopt;
}

void RememberUserWidth(HWND list, int column, int width) {
    if (UserColumnWidths* widths = MainWindowColumnWidths(list)) {
        widths->byColumn[KeyOfColumn(list, column)] = width;
    }
}

WNDPROC PreviousProcedure(HWND list) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(list, GWLP_USERDATA));
}

int ColumnCount(HWND list) {
    return Header_GetItemCount(ListView_GetHeader(list));
}

// Header notifications reach the list, the header's parent. Hidden columns (width 0) stay hidden: no
// drag and no double click on their divider; a column dragged to 4 pixels or less gets 5.
bool RefuseHeaderNotification(HWND list, const NMHDR& header, LPARAM lParam) {
    if (header.hwndFrom != ListView_GetHeader(list)) {
        return false;
    }
    const auto& notice = *reinterpret_cast<const NMHEADERW*>(lParam);
    switch (header.code) {
    case HDN_ENDTRACKA:
    case HDN_ENDTRACKW:
        if (notice.pitem != nullptr && (notice.pitem->mask & HDI_WIDTH) != 0) {
            const bool tooNarrow = notice.pitem->cxy <= kMinimumDraggedColumnWidth - 1;
            RememberUserWidth(list, notice.iItem, tooNarrow ? kMinimumDraggedColumnWidth : notice.pitem->cxy);
            if (tooNarrow) {
                ListView_SetColumnWidth(list, notice.iItem, kMinimumDraggedColumnWidth);
                return true;
            }
        }
        return false;
    case HDN_BEGINTRACKA:
    case HDN_BEGINTRACKW:
    case HDN_DIVIDERDBLCLICKA:
    case HDN_DIVIDERDBLCLICKW:
        return ListView_GetColumnWidth(list, notice.iItem) == 0;
    default:
        return false;
    }
}

std::wstring HeaderText(HWND list, int column);

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

int LastShownColumn(HWND list) {
    for (int column = ColumnCount(list) - 1; column >= 0; --column) {
        if (ListView_GetColumnWidth(list, column) != 0) {
            return column;
        }
    }
    return -1;
}

// The width the list leaves for its columns: the client width less a small gap (a right-aligned header
// text is otherwise drawn against the border), less the vertical scroll bar when the rows do not fit
// (the client area shrinks by it once it shows).
int AvailableWidth(HWND list) {
    RECT client{};
    GetClientRect(list, &client);
    int available = static_cast<int>(client.right - client.left) - ScaleToDpi(list, kLastColumnGap);
    if ((GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL) == 0 &&
        ListView_GetItemCount(list) > ListView_GetCountPerPage(list)) {
        available -= GetSystemMetrics(SM_CXVSCROLL);
    }
    return available;
}

// Widest text of a column, header and cells, with the room around it.
int ContentWidth(HWND list, HDC dc, int column) {
    int widest = TextWidth(dc, HeaderText(list, column)) + ScaleToDpi(list, kHeaderPadding);
    if (column == 0 && (GetWindowLongPtrW(ListView_GetHeader(list), GWL_STYLE) & HDS_CHECKBOXES) != 0) {
        widest += ScaleToDpi(list, kHeaderCheckBoxWidth);
    }
    int imageRoom = 0;
    if (column == 0) {
        for (const int kind : {LVSIL_STATE, LVSIL_SMALL}) {
            int width = 0;
            int height = 0;
            if (HIMAGELIST images = ListView_GetImageList(list, kind);
                images != nullptr && ImageList_GetIconSize(images, &width, &height)) {
                imageRoom += width + ScaleToDpi(list, 4);
            }
        }
    }
    const int rows = ListView_GetItemCount(list);
    const int cellPadding = ScaleToDpi(list, kCellPadding);
    for (int row = 0; row < rows; ++row) {
        widest = std::max(widest, TextWidth(dc, CellText(list, row, column)) + cellPadding + imageRoom);
    }
    return widest;
}

void FitLastShownColumn(HWND list) {
    const int last = LastShownColumn(list);
    if (last < 0 || UserWidth(list, last).has_value()) {
        return;
    }
    int others = 0;
    for (int column = 0; column < last; ++column) {
        others += ListView_GetColumnWidth(list, column);
    }
    HDC dc = GetDC(list);
    HGDIOBJ previousFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    const int content = ContentWidth(list, dc, last);
    SelectObject(dc, previousFont);
    ReleaseDC(list, dc);
    const int width = std::max(content, AvailableWidth(list) - others);
    if (ListView_GetColumnWidth(list, last) != width) {
        ListView_SetColumnWidth(list, last, width);
    }
}

// Keys with which the list changes its selection itself: moving, the space bar, Ctrl+A.
bool ChangesSelection(WPARAM key) {
    switch (key) {
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_HOME:
    case VK_END:
    case VK_SPACE:
    case 'A':
        return true;
    default:
        return false;
    }
}

// Tells the parent that the list has settled its selection after a click or a key.
void NotifySelectionSettled(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    NMITEMACTIVATE settled{};
    settled.hdr.hwndFrom = list;
    settled.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    settled.hdr.code = kListSelectionSettled;
    settled.iItem = -1;
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP) {
        LVHITTESTINFO hit{};
        hit.pt = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        settled.ptAction = hit.pt;
        if (ListView_HitTest(list, &hit) >= 0 && (hit.flags & LVHT_ONITEM) != 0) {
            settled.iItem = hit.iItem;
        }
        settled.uKeyFlags =
            ((wParam & MK_CONTROL) != 0 ? LVKF_CONTROL : 0u) | ((wParam & MK_SHIFT) != 0 ? LVKF_SHIFT : 0u);
    }
    SendMessageW(GetParent(list), WM_NOTIFY, settled.hdr.idFrom, reinterpret_cast<LPARAM>(&settled));
}

LRESULT CALLBACK ListSubclassProcedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC previous = PreviousProcedure(list);
    return GuardedProcedure(list, "ListViewSubclass", LRESULT{0}, [&]() -> LRESULT {
        if (message == WM_NOTIFY &&
            RefuseHeaderNotification(list, *reinterpret_cast<NMHDR*>(lParam), lParam)) {
            return TRUE;
        }
        if (message == WM_KEYDOWN) {
            NMKEY key{};
            key.hdr.hwndFrom = list;
            key.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
            key.hdr.code = static_cast<UINT>(kListKeyDown);
            key.nVKey = static_cast<UINT>(wParam);
            key.uFlags = HIWORD(lParam);
            SendMessageW(GetParent(list), WM_NOTIFY, key.hdr.idFrom, reinterpret_cast<LPARAM>(&key));
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        }
        const LRESULT result = CallWindowProcW(previous, list, message, wParam, lParam);
        if (message == WM_SIZE) {
            FitLastShownColumn(list);
        }
        if ((message == WM_LBUTTONDOWN || message == WM_LBUTTONUP ||
             (message == WM_KEYDOWN && ChangesSelection(wParam))) &&
            IsWindow(list)) {
            NotifySelectionSettled(list, message, wParam, lParam);
        }
        return result;
    });
}

std::wstring HeaderText(HWND list, int column) {
    wchar_t buffer[260] = {};
    LVCOLUMNW item{};
    item.mask = LVCF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    ListView_GetColumn(list, column, &item);
    return buffer;
}

} // namespace

void ListViewSubclass(HWND list) {
    const LONG_PTR previous = GetWindowLongPtrW(list, GWLP_WNDPROC);
    SetWindowLongPtrW(list, GWLP_USERDATA, previous);
    SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ListSubclassProcedure));
}

std::wstring CellText(HWND list, int row, int column) {
    // The list copies at most the given capacity; grow until the text fits.
    for (int capacity = 256;; capacity *= 4) {
        std::wstring text(static_cast<size_t>(capacity), L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text.data();
        item.cchTextMax = capacity;
        const auto length = static_cast<int>(
            SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length < capacity - 1 || capacity >= (1 << 20)) {
            text.resize(static_cast<size_t>(length));
            return text;
        }
    }
}

std::wstring ListViewText(HWND list) {
    // Built without a fixed capacity, so a long list is never cut.
    std::wstring text;
    const int columns = ColumnCount(list);
    for (int column = 0; column < columns; ++column) {
        if (ListView_GetColumnWidth(list, column) != 0) {
            text += HeaderText(list, column);
            text += L'\t';
        }
    }
    text += L'\n';
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        for (int column = 0; column < columns; ++column) {
            if (ListView_GetColumnWidth(list, column) != 0) {
                text += CellText(list, row, column);
                text += L'\t';
            }
        }
        text += L'\n';
    }
    return text;
}

bool ListViewCopy(HWND owner, HWND list) {
    const std::wstring text = ListViewText(list);
    if (!OpenClipboard(owner)) {
        return false;
    }
    bool placed = false;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void* target = GlobalLock(memory)) {
            std::memcpy(target, text.c_str(), bytes);
            GlobalUnlock(memory);
            placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
        }
        if (!placed) {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
    return placed;
}

void SelectAllRows(HWND list) {
    ListView_SetItemState(list, -1, LVIS_SELECTED, LVIS_SELECTED);
}

std::vector<bool> RowSelection(HWND list) {
    std::vector<bool> selected(static_cast<size_t>(ListView_GetItemCount(list)), false);
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        selected[static_cast<size_t>(row)] = true;
    }
    return selected;
}

void SetRowSelection(HWND list, const std::vector<bool>& selected) {
    for (size_t row = 0; row < selected.size(); ++row) {
        const bool now = ListView_GetItemState(list, static_cast<int>(row), LVIS_SELECTED) != 0;
        if (now != selected[row]) {
            ListView_SetItemState(list, static_cast<int>(row), selected[row] ? LVIS_SELECTED : 0,
                                  LVIS_SELECTED);
        }
    }
}

bool HandleListShortcut(HWND owner, const NMKEY& key) {
    if ((GetKeyState(VK_CONTROL) & 0x8000) == 0) {
        return false;
    }
    if (key.nVKey == 'A') {
        SelectAllRows(key.hdr.hwndFrom);
        return true;
    }
    if (key.nVKey == 'C') {
        ListViewCopy(owner, key.hdr.hwndFrom);
        return true;
    }
    return false;
}

void FitColumns(HWND list) {
    const int columns = ColumnCount(list);
    const int last = LastShownColumn(list);
    HDC dc = GetDC(list);
    HGDIOBJ previousFont = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    for (int column = 0; column < columns; ++column) {
        if (ListView_GetColumnWidth(list, column) == 0 || column == last) {
            continue;
        }
        const std::optional<int> user = UserWidth(list, column);
        ListView_SetColumnWidth(list, column, user.has_value() ? *user : ContentWidth(list, dc, column));
    }
    SelectObject(dc, previousFont);
    ReleaseDC(list, dc);
    if (last >= 0) {
        if (const std::optional<int> user = UserWidth(list, last)) {
            ListView_SetColumnWidth(list, last, *user);
        } else {
            FitLastShownColumn(list);
        }
    }
}

void FitLastColumn(HWND list, int column) {
    RECT window{};
    GetWindowRect(list, &window);
    int available = static_cast<int>(window.right - window.left) - ScaleToDpi(list, 7);
    if (ListView_GetItemCount(list) > ListView_GetCountPerPage(list)) {
        available -= GetSystemMetrics(SM_CXVSCROLL);
    }
    int others = 0;
    const int columns = ColumnCount(list);
    for (int index = 0; index < columns; ++index) {
        if (index != column) {
            others += ListView_GetColumnWidth(list, index);
        }
    }
    if (others < available) {
        ListView_SetColumnWidth(list, column, available - others);
    }
}

namespace {
LRESULT StripedRowAnswer(NMLVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw.nmcd.dwDrawStage == CDDS_ITEMPREPAINT) {
        if (draw.nmcd.dwItemSpec % 2 == 0) {
            draw.clrTextBk = GetSysColor(COLOR_BTNFACE);
        }
        return CDRF_NEWFONT;
    }
    return CDRF_DODEFAULT;
}
} // namespace

bool PaintStripedRows(HWND dialog, const NMHDR& header) {
    if (header.code != NM_CUSTOMDRAW) {
        return false;
    }
    // A list view's custom-draw notification carries the whole NMLVCUSTOMDRAW, which the answer fills.
    auto& draw = *reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header));
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, StripedRowAnswer(draw));
    return true;
}

void SetListStyles(HWND list) {
    ListView_SetExtendedListViewStyle(list, LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
}

void AddColumns(HWND list, const PageTable& table) {
    for (size_t index = 0; index < table.columns.size(); ++index) {
        const PageColumn& column = table.columns[index];
        std::wstring header(column.header.begin(), column.header.end());
        LVCOLUMNW item{};
        item.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
        item.fmt = column.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        item.cx = column.widthPixels;
        item.pszText = header.data();
        item.iSubItem = static_cast<int>(index);
        ListView_InsertColumn(list, static_cast<int>(index), &item);
    }
}

void FillRows(HWND list, const PageTable& table, bool withImages) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ListView_DeleteAllItems(list);
    for (size_t row = 0; row < table.rows.size(); ++row) {
        const auto& cells = table.rows[row];
        std::wstring first = cells.empty() ? std::wstring() : std::wstring(cells[0].begin(), cells[0].end());
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(row);
        item.pszText = first.data();
        if (withImages && row < table.rowMarks.size()) {
            item.mask |= LVIF_IMAGE;
            item.iImage = table.rowMarks[row];
        }
        const int index = ListView_InsertItem(list, &item);
        for (size_t column = 1; column < cells.size(); ++column) {
            std::wstring text(cells[column].begin(), cells[column].end());
            ListView_SetItemText(list, index, static_cast<int>(column), text.data());
        }
    }
    FitColumns(list);
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}
