// Every window, page and dialog of the plug-in keeps what it needs between messages in one state record
// of its own; the record's address is the window's user data from creation (WM_INITDIALOG, WM_NCCREATE)
// on. Nothing of a window is kept in statics or window properties.
#pragma once

#include <windows.h>

template <class State>
void AttachWindowState(HWND window, State* state) {
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state));
}

// Null before the state is attached (messages before WM_INITDIALOG) and after it is detached.
template <class State>
State* WindowState(HWND window) {
    return reinterpret_cast<State*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}
