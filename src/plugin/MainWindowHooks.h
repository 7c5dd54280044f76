// The single main window as the plug-in frame sees it. The user interface registers these functions;
// the menu command handler uses them to keep one window at a time. Without registered functions (the
// command-line host) the menu command creates nothing.
#pragma once

#include <cstdint>
#include <string_view>

struct MainWindowHooks {
    // Creates the main window owned by owner; returns its handle, or 0 when creation fails.
    intptr_t (*create)(intptr_t owner) = nullptr;
    void (*show)(intptr_t window) = nullptr;
    // Shows the existing window and makes it the active window.
    void (*activate)(intptr_t window) = nullptr;
    // Destroys the window; its final destruction calls MainWindowDestroyed.
    void (*destroy)(intptr_t window) = nullptr;
    // An error box owned by window.
    void (*showError)(intptr_t window, std::u16string_view caption, std::u16string_view text) = nullptr;
};

void SetMainWindowHooks(const MainWindowHooks& hooks);
// The stored handle of the main window, 0 when none is open.
intptr_t MainWindowHandle();
// Called by the window on its final destruction, so that the next menu command creates a new one.
void MainWindowDestroyed();
