// Keyboard navigation of the modeless main window in any host: while the window lives, a message hook
// of its thread passes the window's keyboard messages through the dialog manager (Tab, arrows,
// Escape), whether or not the host's message loop calls IsDialogMessage. Enter never closes the window:
// in an edit, list or combo box it goes to that control alone, on a push button it presses that button.
#pragma once

#include <windows.h>

// Starts routing the keyboard messages of window's thread; one window at a time.
void StartKeyboardRouting(HWND window);
// Stops it (the window is being destroyed).
void StopKeyboardRouting(HWND window);
