// The about page: the logo, the plug-in's name and description, the module table and the legal notice.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <uxtheme.h>

#include "ResourceIds.h"
#include "plugin/PluginInfo.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/ModuleTable.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr int kChecksumColumn = 3;

// The logo is drawn on magenta; the page paints it on its own background colour instead.
HBITMAP LoadLogo() {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(PluginModule(), MAKEINTRESOURCEW(IDB_LOGO), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION section{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) ||
        section.dsBm.bmBitsPixel != 24 || section.dsBm.bmBits == nullptr) {
        return bitmap;
    }
    const COLORREF face = GetSysColor(IsAppThemed() ? COLOR_WINDOW : COLOR_BTNFACE);
    auto* bits = static_cast<BYTE*>(section.dsBm.bmBits);
    for (LONG y = 0; y < section.dsBm.bmHeight; ++y) {
        BYTE* pixel = bits + y * section.dsBm.bmWidthBytes;
        for (LONG x = 0; x < section.dsBm.bmWidth; ++x, pixel += 3) {
            if (pixel[0] == 255 && pixel[1] == 0 && pixel[2] == 255) {
                pixel[0] = GetBValue(face);
                pixel[1] = GetGValue(face);
                pixel[2] = GetRValue(face);
            }
        }
    }
    return bitmap;
}

void Initialize(HWND page, LPARAM parameter) {
    InitializePage(page, parameter);
    const HBITMAP logo = LoadLogo();
    const auto previous = reinterpret_cast<HBITMAP>(SendDlgItemMessageW(
        page, IDC_ABOUT_LOGO, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo)));
    if (previous != nullptr && previous != logo) {
        DeleteObject(previous);
    }
    const PluginInfo& info = ThePluginInfo();
    SetDlgItemTextW(page, IDC_ABOUT_DESCRIPTION, reinterpret_cast<const wchar_t*>(info.description));
    SetDlgItemTextW(page, IDC_ABOUT_LEGAL_NOTICE, reinterpret_cast<const wchar_t*>(info.rights));

    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    SetListStyles(list);
    const PageTable table = BuildModuleTable(platform::DirectoryOf(platform::ModulePath()));
    AddColumns(list, table);
    FillRows(list, table, false);
    ListViewSubclass(list);
    FitLastColumn(list, kChecksumColumn);
    SetFocus(list);
}

void ReleaseLogo(HWND page) {
    const auto logo =
        reinterpret_cast<HBITMAP>(SendDlgItemMessageW(page, IDC_ABOUT_LOGO, STM_SETIMAGE, IMAGE_BITMAP, 0));
    if (logo != nullptr) {
        DeleteObject(logo);
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
    case WM_SIZE:
        FitLastColumn(GetDlgItem(page, IDC_PAGE_LIST), kChecksumColumn);
        return FALSE;
    case WM_DESTROY:
        ReleaseLogo(page);
        return FALSE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom == IDC_PAGE_LIST && static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(page, *reinterpret_cast<NMKEY*>(lParam));
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK AboutPageProcedure(HWND page, UINT message, WPARAM, LPARAM lParam) {
    return GuardedPageProcedure(page, "AboutPage", message, [&] { return Procedure(page, message, lParam); });
}
