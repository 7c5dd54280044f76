// The entry dialogs of the input pages edit a state they are given when they open. OK keeps the edits
// when the dialog's save accepts them (a refusal is shown by save, and the dialog stays open for a
// correction); Cancel keeps nothing.
#pragma once

#include <windows.h>

#include "ui/win32/WindowState.h"

// The window procedure of such a dialog (inside the caller's guard).
template <class State>
INT_PTR EntryDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam,
                             void (*initialize)(HWND dialog, State& state),
                             bool (*save)(HWND dialog, State& state)) {
    if (message == WM_INITDIALOG) {
        AttachWindowState(dialog, reinterpret_cast<State*>(lParam));
        initialize(dialog, *reinterpret_cast<State*>(lParam));
        return TRUE;
    }
    auto* state = WindowState<State>(dialog);
    if (message != WM_COMMAND || state == nullptr) {
        return FALSE;
    }
    if (LOWORD(wParam) == IDOK) {
        if (save(dialog, *state)) {
            EndDialog(dialog, IDOK);
        }
        return TRUE;
    }
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}
