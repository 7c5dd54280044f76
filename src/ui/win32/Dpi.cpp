#include "ui/win32/Dpi.h"

namespace {

constexpr int kDesignDpi = 96;

// The per-monitor functions exist from Windows 10 1607 on; older systems have the system's resolution
// only.
using DpiForWindow = UINT(WINAPI*)(HWND);
using AwarenessContextOfWindow = HANDLE(WINAPI*)(HWND);
using AwarenessOfContext = int(WINAPI*)(HANDLE);
constexpr int kPerMonitorAware = 2; // DPI_AWARENESS_PER_MONITOR_AWARE

template <class Function>
Function UserFunction(const char* name) {
    HMODULE user = GetModuleHandleW(L"user32.dll");
    return user != nullptr ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user, name)))
                           : nullptr;
}

// The system's resolution is fixed for the life of the process: asked once.
UINT SystemDpi() {
    static const UINT dpi = [] {
        HDC screen = GetDC(nullptr);
        const int dots = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSX) : kDesignDpi;
        if (screen != nullptr) {
            ReleaseDC(nullptr, screen);
        }
        return dots > 0 ? static_cast<UINT>(dots) : static_cast<UINT>(kDesignDpi);
    }();
    return dpi;
}

} // namespace

UINT WindowDpi(HWND window) {
    static const auto dpiForWindow = UserFunction<DpiForWindow>("GetDpiForWindow");
    static const auto contextOfWindow =
        UserFunction<AwarenessContextOfWindow>("GetWindowDpiAwarenessContext");
    static const auto awarenessOf = UserFunction<AwarenessOfContext>("GetAwarenessFromDpiAwarenessContext");
    if (dpiForWindow != nullptr && contextOfWindow != nullptr && awarenessOf != nullptr &&
        window != nullptr && awarenessOf(contextOfWindow(window)) == kPerMonitorAware) {
        const UINT dpi = dpiForWindow(window);
        if (dpi > 0) {
            return dpi;
        }
    }
    return SystemDpi();
}

int ScaleToDpi(HWND window, int pixels96) {
    return MulDiv(pixels96, static_cast<int>(WindowDpi(window)), kDesignDpi);
}
