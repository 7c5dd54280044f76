#include "ui/win32/WebformWindow.h"

#include <string>

#include "platform/win32/Com.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/WebBrowserHost.h"
#include "ui/win32/WindowState.h"

namespace {

// Creation: the scroll-bar styles become the host's wish for scroll bars inside the page; the window
// keeps a host object only when the browser control could be created.
void Create(HWND window, const CREATESTRUCTW& creation) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const bool scrollBars = (style & (WS_HSCROLL | WS_VSCROLL)) != 0;
    SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    auto host = platform::ComPtr<TWebf>::Adopt(new TWebf(window, scrollBars));
    if (!host->CreateBrowser()) {
        return;
    }
    // The window keeps the object's first reference until it is destroyed.
    TWebf* kept = host.Detach();
    AttachWindowState(window, kept);
    if (creation.lpszName != nullptr && creation.lpszName[0] != L'\0') {
        kept->Go(creation.lpszName);
    }
}

void Destroy(HWND window, TWebf* host) {
    AttachWindowState<TWebf>(window, nullptr);
    const auto kept = platform::ComPtr<TWebf>::Adopt(host);
    kept->CloseBrowser();
}

LRESULT Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE) {
        Create(window, *reinterpret_cast<CREATESTRUCTW*>(lParam));
        return 0;
    }
    TWebf* host = WebformHost(window);
    if (host == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
    case WM_SETTEXT: {
        const auto* text = reinterpret_cast<const wchar_t*>(lParam);
        host->Go(text != nullptr ? std::wstring(text) : std::wstring());
        return TRUE;
    }
    case WM_SIZE:
        host->Resize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case kWebformReady:
        return reinterpret_cast<LRESULT>(host->Ready());
    case kWebformSet:
        return static_cast<LRESULT>(host->Set(reinterpret_cast<const wchar_t*>(lParam)));
    case kWebformAddress:
        return reinterpret_cast<LRESULT>(host->CapturedAddress().c_str());
    case kWebformField:
        return reinterpret_cast<LRESULT>(host->CapturedField(reinterpret_cast<const wchar_t*>(lParam)));
    case kWebformDocument:
        return reinterpret_cast<LRESULT>(host->Document());
    case kWebformBrowser:
        return reinterpret_cast<LRESULT>(host->Browser());
    case kWebformElement:
        return reinterpret_cast<LRESULT>(host->Element(reinterpret_cast<const wchar_t*>(lParam)));
    case WM_DESTROY:
        Destroy(window, host);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK WebformProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(window, "Webform", LRESULT{0},
                            [&] { return Procedure(window, message, wParam, lParam); });
}

} // namespace

bool RegisterWebformClass(HINSTANCE module) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = &WebformProcedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWebformClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

void UnregisterWebformClass(HINSTANCE module) {
    UnregisterClassW(kWebformClassName, module);
}

TWebf* WebformHost(HWND window) {
    return WindowState<TWebf>(window);
}
