#include "ModalDialogs.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "UiDriver.h"

namespace ui {
namespace {

struct PendingScript {
    const std::function<bool(HWND)>* matches = nullptr;
    const std::function<void(HWND)>* script = nullptr;
    UINT_PTR timer = 0;
    bool ran = false;
};
PendingScript g_pending;

BOOL CALLBACK FindDialog(HWND window, LPARAM found) {
    if (IsWindowVisible(window) && (*g_pending.matches)(window)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr || g_pending.ran) {
        return;
    }
    KillTimer(nullptr, g_pending.timer);
    g_pending.ran = true;
    (*g_pending.script)(dialog);
    if (IsWindow(dialog)) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

} // namespace

bool WithModalWindow(const std::function<void()>& open, const std::function<bool(HWND window)>& matches,
                     const std::function<void(HWND dialog)>& script) {
    g_pending = PendingScript{&matches, &script, 0, false};
    g_pending.timer = SetTimer(nullptr, 0, 50, &RunScript);
    open();
    KillTimer(nullptr, g_pending.timer);
    return g_pending.ran;
}

bool WithModalAction(const std::function<void()>& open, const std::wstring& caption,
                     const std::function<void(HWND dialog)>& script) {
    return WithModalWindow(
        open,
        [&caption](HWND window) {
            wchar_t text[128] = {};
            GetWindowTextW(window, text, 128);
            return caption == text;
        },
        script);
}

bool WithModalDialog(HWND window, int button, const std::wstring& caption,
                     const std::function<void(HWND dialog)>& script) {
    return WithModalAction(
        [&] {
            SendMessageW(window, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, button)));
        },
        caption, script);
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message{};
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(5);
    }
}

void ClickRow(HWND list, int row, WPARAM keys) {
    RECT rectangle{};
    ListView_GetItemRect(list, row, &rectangle, LVIR_LABEL);
    const LPARAM point =
        MAKELPARAM((rectangle.left + rectangle.right) / 2, (rectangle.top + rectangle.bottom) / 2);
    SendMessageW(list, WM_LBUTTONDOWN, keys | MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, keys, point);
    PumpMessages();
}

void PressKey(HWND window, UINT key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    if (key == VK_SPACE) {
        SendMessageW(window, WM_CHAR, L' ', 1);
    }
    SendMessageW(window, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
    PumpMessages();
}

} // namespace ui
