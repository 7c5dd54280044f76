// Pages whose behaviour is not built yet show their template with every control disabled, and lay
// themselves out like the finished pages. They commit nothing.
#include "ui/win32/Pages.h"
#include "ui/win32/ProcedureGuard.h"

namespace {
BOOL CALLBACK DisableControl(HWND control, LPARAM) {
    EnableWindow(control, FALSE);
    return TRUE;
}
} // namespace

INT_PTR CALLBACK InertPageProcedure(HWND page, UINT message, WPARAM, LPARAM lParam) {
    return GuardedProcedure(page, "InertPage", INT_PTR{FALSE}, [&]() -> INT_PTR {
        if (message == WM_INITDIALOG) {
            InitializePage(page, lParam);
            EnumChildWindows(page, &DisableControl, 0);
        } else if (message == WM_WINDOWPOSCHANGING) {
            LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        }
        return FALSE;
    });
}
