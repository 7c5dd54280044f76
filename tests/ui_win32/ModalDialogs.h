// Driving a modal dialog of the plug-in from a test: the command that opens it blocks in the dialog's own
// message loop, so a timer of the test thread finds the dialog there and runs the test's script on it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

// Sends the button command to window and runs script on the dialog titled caption once it shows; when
// the script leaves the dialog open, it is cancelled. False when no such dialog appeared.
bool WithModalDialog(HWND window, int button, const std::wstring& caption,
                     const std::function<void(HWND dialog)>& script);

// The same for any action that opens the dialog (a key, a notification).
bool WithModalAction(const std::function<void()>& open, const std::wstring& caption,
                     const std::function<void(HWND dialog)>& script);

// The same for the first shown top-level window of the thread that matches: the system's own dialogs,
// whose captions are in the system's language.
bool WithModalWindow(const std::function<void()>& open, const std::function<bool(HWND window)>& matches,
                     const std::function<void(HWND dialog)>& script);

// Runs the thread's messages for the given time (timers included).
void PumpFor(DWORD milliseconds);

// A left click on a row of a list view as the mouse gives it: button down and up at the middle of the
// row's first cell, to the list itself; keys are MK_CONTROL and MK_SHIFT held with it.
void ClickRow(HWND list, int row, WPARAM keys = 0);
// A key pressed and released in a window (the space bar also types its character).
void PressKey(HWND window, UINT key);

} // namespace ui
