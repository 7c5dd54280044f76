// The boundary guard of every window, dialog, subclass and timer procedure of the plug-in: the system
// that calls a procedure cannot unwind a C++ exception. A failure is recorded and shown in an error box
// owned by the window ("Ошибка" with the database's or the failure's own message); the procedure then
// returns its default value and the window stays usable.
#pragma once

#include <windows.h>

#include "plugin/CallGuard.h"

// The error box of a failed window operation.
void ShowFailureBox(HWND owner, const BoundaryFailure& failure) noexcept;

template <class Result, class Body>
Result GuardedProcedure(HWND window, const char* where, Result failureValue, Body&& body) noexcept {
    return GuardedCall(where, failureValue, std::forward<Body>(body),
                       [window](const BoundaryFailure& failure) { ShowFailureBox(window, failure); });
}
