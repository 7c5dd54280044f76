#include "UiDriver.h"

#include <algorithm>

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <cstdio>
#include <set>

#include "platform/Platform.h"
#include "text/Utf.h"

namespace ui {
namespace {

constexpr int kMessageBoxTextId = 0xFFFF;
BoxCatcher* g_catcher = nullptr;
std::set<HWND> g_caught;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return text;
}

bool IsMessageBox(HWND window) {
    return ClassOf(window) == L"#32770" && GetDlgItem(window, kMessageBoxTextId) != nullptr;
}

BOOL CALLBACK CatchBox(HWND window, LPARAM) {
    if (g_catcher != nullptr && IsWindowVisible(window) && IsMessageBox(window) &&
        g_caught.insert(window).second) {
        g_catcher->boxes.push_back({TextOf(window), TextOf(GetDlgItem(window, kMessageBoxTextId))});
        PostMessageW(window, WM_COMMAND, IDOK, 0);
    }
    return TRUE;
}

void CALLBACK LookForBoxes(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), &CatchBox, 0);
}

UINT_PTR g_timer = 0;

struct Search {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindMain(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (ClassOf(window) == L"#32770" && !IsMessageBox(window) &&
        GetWindow(window, GW_OWNER) == search.owner && TextOf(window) == L"Природный газ") {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

std::u16string ToU16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

} // namespace

std::string Narrow(const std::wstring& text) {
    return Utf16ToUtf8(ToU16(text));
}

std::u16string BinaryFolder() {
    return platform::DirectoryOf(platform::ModulePath());
}

std::u16string DemoFolder() {
    return BinaryFolder() + u"..\\ui_demo\\";
}

std::u16string ScratchFolder(const std::string& name) {
    const std::u16string root = BinaryFolder() + u"..\\ui_scratch\\";
    CreateDirectoryW(reinterpret_cast<const wchar_t*>(root.c_str()), nullptr);
    const std::u16string folder = root + Utf8ToUtf16(name) + u"\\";
    CreateDirectoryW(reinterpret_cast<const wchar_t*>(folder.c_str()), nullptr);
    return folder;
}

bool CopyFileTo(const std::u16string& from, const std::u16string& to) {
    return CopyFileW(reinterpret_cast<const wchar_t*>(from.c_str()),
                     reinterpret_cast<const wchar_t*>(to.c_str()), FALSE) != FALSE;
}

BoxCatcher::BoxCatcher() {
    g_catcher = this;
    g_timer = SetTimer(nullptr, 0, 20, &LookForBoxes);
}

BoxCatcher::~BoxCatcher() {
    KillTimer(nullptr, g_timer);
    g_catcher = nullptr;
}

HostedPlugin::HostedPlugin(const std::u16string& profilePath, const std::u16string& databasePath,
                           const std::u16string& pluginFolder)
    : host_(std::make_unique<TestHost>(Utf16ToUtf8(profilePath), databasePath)) {
    std::string error;
    loaded_ = host_->LoadPlugin(pluginFolder + u"TarvelPlugin.dll", error);
    if (loaded_ && host_->CreateHostWindow() != nullptr) {
        ShowWindow(host_->Window(), SW_SHOWNOACTIVATE);
        PumpMessages();
    }
}

HostedPlugin::~HostedPlugin() {
    Unload();
}

HWND HostedPlugin::ChooseMenuItem() {
    host_->ChooseMenuItem(0);
    PumpMessages();
    return FindMainWindow(host_->Window());
}

void HostedPlugin::Unload() {
    host_->UnloadPlugin();
    PumpMessages();
}

HWND FindMainWindow(HWND owner) {
    Search search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindMain, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND TabControl(HWND main) {
    return GetDlgItem(main, 1001);
}

HWND JournalList(HWND main) {
    return GetDlgItem(main, 1078);
}

HWND CurrentPage(HWND main) {
    for (HWND child = GetWindow(TabControl(main), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == L"#32770") {
            return child;
        }
    }
    return nullptr;
}

HWND PageList(HWND main) {
    return GetDlgItem(CurrentPage(main), 1013);
}

void SelectTab(HWND main, int index) {
    HWND tabs = TabControl(main);
    NMHDR header{tabs, 1001, static_cast<UINT>(TCN_SELCHANGING)};
    SendMessageW(main, WM_NOTIFY, 1001, reinterpret_cast<LPARAM>(&header));
    TabCtrl_SetCurSel(tabs, index);
    header.code = static_cast<UINT>(TCN_SELCHANGE);
    SendMessageW(main, WM_NOTIFY, 1001, reinterpret_cast<LPARAM>(&header));
    PumpMessages();
}

void ClickTab(HWND tabs, int index) {
    RECT item{};
    TabCtrl_GetItemRect(tabs, index, &item);
    const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    SendMessageW(tabs, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(tabs, WM_LBUTTONUP, 0, point);
}

std::vector<int> WidestTexts(HWND list) {
    std::vector<int> widest(static_cast<size_t>(ColumnCount(list)), 0);
    HDC dc = GetDC(list);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    const auto measure = [dc](const std::wstring& text) {
        SIZE size{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    const std::vector<std::wstring> headers = HeaderTexts(list);
    for (size_t column = 0; column < widest.size() && column < headers.size(); ++column) {
        widest[column] = measure(headers[column]);
    }
    for (const auto& row : Rows(list)) {
        for (size_t column = 0; column < widest.size() && column < row.size(); ++column) {
            widest[column] = std::max(widest[column], measure(row[column]));
        }
    }
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    return widest;
}

int ColumnCount(HWND list) {
    return Header_GetItemCount(ListView_GetHeader(list));
}

std::vector<int> ColumnWidths(HWND list) {
    std::vector<int> widths;
    for (int column = 0; column < ColumnCount(list); ++column) {
        widths.push_back(ListView_GetColumnWidth(list, column));
    }
    return widths;
}

void DragColumnDivider(HWND list, int column, int pixels) {
    HWND header = ListView_GetHeader(list);
    RECT item{};
    Header_GetItemRect(header, column, &item);
    const int y = (item.top + item.bottom) / 2;
    const int from = item.right - 1;
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, y));
    SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from + pixels, y));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(from + pixels, y));
}

std::vector<std::wstring> HeaderTexts(HWND list) {
    std::vector<std::wstring> texts;
    for (int column = 0; column < ColumnCount(list); ++column) {
        wchar_t buffer[260] = {};
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT;
        item.pszText = buffer;
        item.cchTextMax = 260;
        ListView_GetColumn(list, column, &item);
        texts.push_back(buffer);
    }
    return texts;
}

std::vector<std::vector<std::wstring>> Rows(HWND list) {
    std::vector<std::vector<std::wstring>> rows;
    const int columns = ColumnCount(list);
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        std::vector<std::wstring> cells;
        for (int column = 0; column < columns; ++column) {
            wchar_t buffer[1024] = {};
            ListView_GetItemText(list, row, column, buffer, 1024);
            cells.push_back(buffer);
        }
        rows.push_back(cells);
    }
    return rows;
}

int RowImage(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    ListView_GetItem(list, &item);
    return item.iImage;
}

void SelectRows(HWND list, const std::vector<int>& rows) {
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    for (int row : rows) {
        ListView_SetItemState(list, row, LVIS_SELECTED, LVIS_SELECTED);
    }
}

int SelectedCount(HWND list) {
    return static_cast<int>(ListView_GetSelectedCount(list));
}

namespace {
constexpr wchar_t kCounterProperty[] = L"ui.MessageCounter";
}

MessageCounter::MessageCounter(HWND window, UINT message, WPARAM wParam)
    : window_(window), message_(message), wParam_(wParam) {
    SetPropW(window_, kCounterProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MessageCounter::Procedure)));
}

MessageCounter::~MessageCounter() {
    if (IsWindow(window_)) {
        SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropW(window_, kCounterProperty);
    }
}

LRESULT CALLBACK MessageCounter::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* counter = static_cast<MessageCounter*>(GetPropW(window, kCounterProperty));
    if (message == counter->message_ && wParam == counter->wParam_) {
        ++counter->count_;
    }
    const WNDPROC previous = counter->previous_;
    if (message == WM_NCDESTROY) {
        // The window goes before the counter: put its procedure back while it can still be called.
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropW(window, kCounterProperty);
    }
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

void PressCtrlKey(HWND window, UINT key) {
    BYTE state[256] = {};
    GetKeyboardState(state);
    const BYTE saved = state[VK_CONTROL];
    state[VK_CONTROL] = 0x80;
    SetKeyboardState(state);
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    state[VK_CONTROL] = saved;
    SetKeyboardState(state);
    PumpMessages();
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) {
        return text;
    }
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void EmptyTheClipboard() {
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        CloseClipboard();
    }
}

void PumpMessages() {
    MSG message{};
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

bool SaveScreenshot(HWND window, const std::u16string& path) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpMessages();
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    HDC source = GetDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
    SelectObject(memory, previous);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
    const int lines = GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                                reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, source);
    if (!copied || lines != height) {
        return false;
    }
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(info);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* out = _wfopen(reinterpret_cast<const wchar_t*>(path.c_str()), L"wb");
    if (out == nullptr) {
        return false;
    }
    bool written = fwrite(&file, sizeof(file), 1, out) == 1 && fwrite(&info, sizeof(info), 1, out) == 1 &&
                   fwrite(pixels.data(), 1, pixels.size(), out) == pixels.size();
    written = fclose(out) == 0 && written;
    return written;
}

RECT WindowRectangle(HWND window) {
    RECT rectangle{};
    GetWindowRect(window, &rectangle);
    return rectangle;
}

RECT ChildRectangle(HWND child) {
    RECT rectangle = WindowRectangle(child);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rectangle), 2);
    return rectangle;
}

} // namespace ui
