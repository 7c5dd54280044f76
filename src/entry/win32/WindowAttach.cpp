// The window's part of the Windows library's life. Kept out of DllMain: COM must not be initialised
// under the loader lock, and a class registered there outlives a library the host releases without
// calling Unload.
#include "entry/UserInterface.h"

#include <windows.h>

#include <optional>

#include "platform/win32/Com.h"
#include "plugin/MainWindowHooks.h"
#include "ui/win32/MainWindow.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/SolidBrushes.h"
#include "ui/win32/WebformWindow.h"

namespace {
// COM for the host's user-interface thread between Load and Unload: the browser control of the report
// page and the transformation of the report need it.
std::optional<platform::ComScope> g_com;
} // namespace

void AttachUserInterface() {
    if (g_com) {
        return;
    }
    g_com.emplace();
    RegisterMainWindow();
    RegisterWebformClass(PluginModule());
}

void DetachUserInterface() {
    if (!g_com) {
        return;
    }
    SetMainWindowHooks(MainWindowHooks{});
    UnregisterWebformClass(PluginModule());
    DeleteSharedSolidBrushes();
    ReleaseManifestContext();
    g_com.reset();
}
