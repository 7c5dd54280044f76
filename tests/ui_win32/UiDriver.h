// Driving the plug-in's real windows from a test: the test host loads TarvelPlugin.dll, raises its menu
// command, and the driver sends the messages a user's actions send (tab notifications, keys, mouse,
// commands), reads texts back from the controls, catches message boxes and takes screenshots.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "host/win32host/TestHost.h"

namespace ui {

// The folder of the test program (and of the plug-in and its libraries), with a trailing separator.
std::u16string BinaryFolder();
// The demo database and profile the test fixture wrote ("tarvel demo").
std::u16string DemoFolder();
// A fresh empty folder for one test, under the build folder.
std::u16string ScratchFolder(const std::string& name);
bool CopyFileTo(const std::u16string& from, const std::u16string& to);

std::string Narrow(const std::wstring& text);

// A message box the plug-in showed while an action ran; the box was dismissed by the driver.
struct CaughtBox {
    std::wstring caption;
    std::wstring text;
};

// Catches every message box shown during its lifetime (a timer of the test thread looks for it while the
// box's own message loop runs) and closes it.
class BoxCatcher {
public:
    BoxCatcher();
    ~BoxCatcher();
    BoxCatcher(const BoxCatcher&) = delete;
    BoxCatcher& operator=(const BoxCatcher&) = delete;
    std::vector<CaughtBox> boxes;
};

// The test host with the plug-in loaded from folder (the binary folder by default).
class HostedPlugin {
public:
    HostedPlugin(const std::u16string& profilePath, const std::u16string& databasePath,
                 const std::u16string& pluginFolder = BinaryFolder());
    ~HostedPlugin();

    TestHost& Host() { return *host_; }
    bool Loaded() const { return loaded_; }
    // Chooses the plug-in's menu item; returns the main window (null when none is open).
    HWND ChooseMenuItem();
    // Unloads the plug-in (the host writes the profile back).
    void Unload();

private:
    std::unique_ptr<TestHost> host_;
    bool loaded_ = false;
};

// The plug-in's main window owned by the host window, if one is open.
HWND FindMainWindow(HWND owner);
HWND TabControl(HWND main);
HWND JournalList(HWND main);
// The page currently shown inside the tab control.
HWND CurrentPage(HWND main);
HWND PageList(HWND main);

// Selects a tab as a click does: selection-changing notification, new selection, selection-changed.
void SelectTab(HWND main, int index);
// Clicks a tab with the mouse: the left button pressed and released in the middle of its label.
void ClickTab(HWND tabs, int index);

// Texts of a list view.
int ColumnCount(HWND list);
std::vector<int> ColumnWidths(HWND list);
std::vector<std::wstring> HeaderTexts(HWND list);
std::vector<std::vector<std::wstring>> Rows(HWND list);
int RowImage(HWND list, int row);
void SelectRows(HWND list, const std::vector<int>& rows);
// Per column, the width in pixels of its widest text, header and cells alike, in the list's own font.
std::vector<int> WidestTexts(HWND list);
// Room a column needs beside its widest text so that nothing is cut (the list's label margins).
inline constexpr int kColumnTextMargin = 12;
int SelectedCount(HWND list);
// Drags the divider at the right edge of a column's header by the given pixels, as the mouse does: the
// left button pressed on the divider, moved, released.
void DragColumnDivider(HWND list, int column, int pixels);

// Counts the messages a window receives while it lives (the window's procedure is replaced for that time):
// how often the window's owner refilled a list, for instance, as the owner's actions show it from outside.
class MessageCounter {
public:
    // Counts message with the given wParam arriving at window.
    MessageCounter(HWND window, UINT message, WPARAM wParam);
    ~MessageCounter();
    MessageCounter(const MessageCounter&) = delete;
    MessageCounter& operator=(const MessageCounter&) = delete;
    int Count() const { return count_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    UINT message_;
    WPARAM wParam_;
    WNDPROC previous_ = nullptr;
    int count_ = 0;
};

// Presses a key in a window with Ctrl held (through the window's procedure, as the keyboard does).
void PressCtrlKey(HWND window, UINT key);
std::wstring ClipboardText();
void EmptyTheClipboard();

// Runs the pending messages of the thread (paints, posted messages).
void PumpMessages();
// The colour of a pixel of a window as shown on the screen.
COLORREF ScreenPixel(HWND window, int x, int y);
// Writes the client area of a window, as shown, as a 24-bit BMP; false when it cannot be captured.
bool SaveScreenshot(HWND window, const std::u16string& path);

RECT WindowRectangle(HWND window);
// The rectangle of a child in its parent's client coordinates.
RECT ChildRectangle(HWND child);

} // namespace ui
