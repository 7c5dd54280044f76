#include "ui/win32/KeyboardRouting.h"

#include <cwchar>

namespace {

HWND g_window = nullptr;
HHOOK g_hook = nullptr;

bool IsPushButton(HWND control) {
    wchar_t className[16] = {};
    GetClassNameW(control, className, 16);
    if (_wcsicmp(className, L"Button") != 0) {
        return false;
    }
    const auto type = static_cast<LONG>(GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK);
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

// Enter with the focus inside the window. The dialog manager would press the window's default button
// ("OK", which closes it); instead a push button with the focus is pressed and any other control gets
// the key itself (a list's NM_RETURN, a dropped combo box closing its list).
void RouteEnter(MSG& message) {
    HWND focus = GetFocus();
    if (message.message == WM_KEYDOWN) {
        if (focus != nullptr && IsPushButton(focus)) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        } else if (focus != nullptr) {
            SendMessageW(focus, WM_KEYDOWN, message.wParam, message.lParam);
        }
    }
    message.message = WM_NULL; // the host's loop must not hand it to the dialog manager again
}

bool IsEnter(const MSG& message) {
    return (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) ||
           (message.message == WM_CHAR && message.wParam == L'\r') ||
           (message.message == WM_KEYUP && message.wParam == VK_RETURN);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM parameter) {
    if (code == HC_ACTION && removal == PM_REMOVE && g_window != nullptr) {
        auto& message = *reinterpret_cast<MSG*>(parameter);
        const bool keyboard = message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
        if (keyboard && (message.hwnd == g_window || IsChild(g_window, message.hwnd))) {
            if (IsEnter(message)) {
                RouteEnter(message);
            } else if (IsDialogMessageW(g_window, &message)) {
                message.message = WM_NULL; // handled (and dispatched) by the dialog manager
            }
        }
    }
    return CallNextHookEx(g_hook, code, removal, parameter);
}

} // namespace

void StartKeyboardRouting(HWND window) {
    if (g_hook != nullptr) {
        return;
    }
    g_hook = SetWindowsHookExW(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId());
    g_window = g_hook != nullptr ? window : nullptr;
}

void StopKeyboardRouting(HWND window) {
    if (g_hook != nullptr && g_window == window) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
        g_window = nullptr;
    }
}
