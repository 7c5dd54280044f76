#include "ui/win32/MainWindowLayout.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

#include "ResourceIds.h"
#include "plugin/Host.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/MainWindow.h"

namespace {
// The grip lies this many pixels above the journal list and answers this far around.
constexpr int kSplitterOffset = 3;
constexpr int kSplitterReach = 2;

// The screen rectangle of the window as the user left it: a minimised or maximised window is stored
// with its normal placement, so that the next opening does not restore an icon's position.
RECT PlacementToStore(HWND window) {
    RECT rectangle{};
    GetWindowRect(window, &rectangle);
    if (IsIconic(window) || IsZoomed(window)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof(placement);
        if (GetWindowPlacement(window, &placement)) {
            rectangle = placement.rcNormalPosition;
        }
    }
    return rectangle;
}
} // namespace

void FitPage(HWND tabs, HWND page) {
    if (page == nullptr) {
        return;
    }
    RECT area{};
    GetWindowRect(tabs, &area);
    TabCtrl_AdjustRect(tabs, FALSE, &area);
    MapWindowPoints(nullptr, tabs, reinterpret_cast<POINT*>(&area), 2);
    SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void RestorePlacement(HWND window, SIZE minimum) {
    ProfileRect stored{};
    if (!ProfileGetRect(kPlacementKey, stored)) {
        return;
    }
    const RECT rectangle{stored.left, stored.top, stored.right, stored.bottom};
    if (rectangle.right <= rectangle.left || rectangle.bottom <= rectangle.top ||
        MonitorFromRect(&rectangle, MONITOR_DEFAULTTONULL) == nullptr) {
        return;
    }
    const int width = std::max<int>(rectangle.right - rectangle.left, minimum.cx);
    const int height = std::max<int>(rectangle.bottom - rectangle.top, minimum.cy);
    SetWindowPos(window, nullptr, rectangle.left, rectangle.top, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int SplitterDistance(HWND window, int mouseY) {
    RECT list{};
    GetWindowRect(GetDlgItem(window, IDC_MAIN_JOURNAL), &list);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&list), 2);
    return static_cast<int>(list.top) - mouseY - ScaleToDpi(window, kSplitterOffset);
}

void MoveSplitter(HWND window, HWND page, int distance) {
    HWND tabs = GetDlgItem(window, IDC_MAIN_TABS);
    HWND journal = GetDlgItem(window, IDC_MAIN_JOURNAL);
    RECT tabRect{};
    RECT listRect{};
    GetWindowRect(tabs, &tabRect);
    GetWindowRect(journal, &listRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&tabRect), 2);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&listRect), 2);
    // Both keep a usable height: the move stops at either minimum.
    const int tabHeight = static_cast<int>(tabRect.bottom - tabRect.top);
    const int listHeight = static_cast<int>(listRect.bottom - listRect.top);
    distance = std::min(distance, tabHeight - ScaleToDpi(window, kMinimumTabsHeight));
    distance = std::max(distance, ScaleToDpi(window, kMinimumJournalHeight) - listHeight);
    if (distance == 0) {
        return;
    }
    HDWP batch = BeginDeferWindowPos(2);
    if (batch != nullptr) {
        batch = DeferWindowPos(batch, journal, nullptr, listRect.left, listRect.top - distance,
                               listRect.right - listRect.left, listHeight + distance,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch != nullptr) {
        batch = DeferWindowPos(batch, tabs, nullptr, tabRect.left, tabRect.top, tabRect.right - tabRect.left,
                               tabHeight - distance, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
    FitPage(tabs, page);
}

bool OverSplitter(HWND window, int mouseY) {
    return std::abs(SplitterDistance(window, mouseY)) <= ScaleToDpi(window, kSplitterReach);
}

void StorePlacement(HWND window) {
    const RECT rectangle = PlacementToStore(window);
    const ProfileRect stored{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom};
    ProfileSetRect(kPlacementKey, stored);
}
