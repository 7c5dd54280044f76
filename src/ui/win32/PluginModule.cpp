#include "ui/win32/PluginModule.h"

#include <commctrl.h>

#include "ResourceIds.h"

namespace {
HINSTANCE g_module = nullptr;

// One activation context for the life of the library: created on first use, never released (the
// process keeps the library's manifest mapped while the library is loaded).
HANDLE ManifestContext() {
    static HANDLE context = [] {
        ACTCTXW description{};
        description.cbSize = sizeof(description);
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = g_module;
        description.lpResourceName = MAKEINTRESOURCEW(IDR_TARVEL_MANIFEST);
        return CreateActCtxW(&description);
    }();
    return context;
}
} // namespace

void SetPluginModule(HINSTANCE module) {
    g_module = module;
}

HINSTANCE PluginModule() {
    return g_module;
}

std::wstring ResourceText(uint32_t id) {
    const wchar_t* text = nullptr;
    // With a zero capacity LoadStringW returns a pointer into the resource itself.
    const int length = LoadStringW(g_module, id, reinterpret_cast<wchar_t*>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

bool RegisterCommonControls() {
    ManifestActivation activation;
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    return InitCommonControlsEx(&controls) != FALSE;
}

ManifestActivation::ManifestActivation() {
    const HANDLE context = ManifestContext();
    if (context != INVALID_HANDLE_VALUE) {
        active_ = ActivateActCtx(context, &cookie_) != FALSE;
    }
}

ManifestActivation::~ManifestActivation() {
    if (active_) {
        DeactivateActCtx(0, cookie_);
    }
}
