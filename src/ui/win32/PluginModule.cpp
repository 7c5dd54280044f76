#include "ui/win32/PluginModule.h"

#include <commctrl.h>

#include <memory>

#include "ResourceIds.h"

namespace {
HINSTANCE g_module = nullptr;

struct ActivationContextRelease {
    void operator()(HANDLE context) const { ReleaseActCtx(context); }
};
// The activation context of the library's manifest: made on first use, released on unload.
std::unique_ptr<void, ActivationContextRelease> g_manifestContext;

HANDLE ManifestContext() {
    if (!g_manifestContext) {
        ACTCTXW description{};
        description.cbSize = sizeof(description);
        description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        description.hModule = g_module;
        description.lpResourceName = MAKEINTRESOURCEW(IDR_TARVEL_MANIFEST);
        const HANDLE context = CreateActCtxW(&description);
        if (context != INVALID_HANDLE_VALUE) {
            g_manifestContext.reset(context);
        }
    }
    return g_manifestContext ? g_manifestContext.get() : INVALID_HANDLE_VALUE;
}
} // namespace

void ReleaseManifestContext() {
    g_manifestContext.reset();
}

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
