// The guard every boundary of the plug-in runs its body in: the exported entry points, the host's
// callbacks, and (in the Windows build) every window, dialog, subclass and timer procedure. Nothing may
// cross such a boundary as an exception: the 32-bit host, and the system code that calls a window
// procedure, cannot unwind a C++ exception and would terminate.
//
// GuardedCall runs body; when it throws, the reason is recorded (LastBoundaryFailure) and passed to the
// failure handler of the boundary, if any, and the boundary's documented value is returned instead.
#pragma once

#include <exception>
#include <new>
#include <string>
#include <utility>

#include "data/SqlException.h"

// Why the last guarded call failed; empty when none has.
struct BoundaryFailure {
    std::string where;     // the boundary's name, e.g. "Load"
    std::string reason;    // UTF-8: the exception's text
    bool database = false; // a DataBase::SqlException: a problem with the host's database
};

// The last failure recorded by any guard (one UI thread: no locking).
const BoundaryFailure& LastBoundaryFailure();
void RecordBoundaryFailure(BoundaryFailure failure) noexcept;
void ClearBoundaryFailure() noexcept;

// Turns the exception being handled into a recorded failure; must be called inside a catch block.
BoundaryFailure CurrentBoundaryFailure(const char* where) noexcept;

template <class Result, class Body>
Result GuardedCall(const char* where, Result failureValue, Body&& body) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        RecordBoundaryFailure(CurrentBoundaryFailure(where));
        return failureValue;
    }
}

// The same, with a handler that is told about the failure (for example a window that shows an error
// box). The handler must not throw; if it does, its exception is swallowed too.
template <class Result, class Body, class OnFailure>
Result GuardedCall(const char* where, Result failureValue, Body&& body, OnFailure&& onFailure) noexcept {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        const BoundaryFailure failure = CurrentBoundaryFailure(where);
        // Copying the texts can run out of memory, which must not escape this noexcept function either:
        // the failure then stays unrecorded, and the handler is still told.
        try {
            RecordBoundaryFailure(BoundaryFailure(failure));
        } catch (...) {
        }
        try {
            std::forward<OnFailure>(onFailure)(failure);
        } catch (...) {
        }
        return failureValue;
    }
}
