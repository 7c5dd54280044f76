#include "ui/win32/ProcedureGuard.h"

#include "text/StringTable.h"
#include "text/Utf.h"
#include "ui/win32/Notices.h"

void ShowFailureBox(HWND owner, const BoundaryFailure& failure) noexcept {
    try {
        ShowErrorBox(owner, Utf8ToUtf16(failure.reason));
    } catch (...) {
        // Out of memory while reporting: nothing more can be shown.
    }
}
