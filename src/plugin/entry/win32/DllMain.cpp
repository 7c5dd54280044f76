// Attach and detach of the plug-in library: the module handle every resource is loaded from, the main
// window for the menu command, the C runtime locale ("rus" characters, "en" numbers, so every number is
// read and written with a point) and COM for the loading thread.
#include <windows.h>
// objbase.h needs the types of windows.h.
#include <objbase.h>

#include <clocale>

#include "ui/win32/MainWindow.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/WebformWindow.h"

namespace {
HRESULT g_comResult = E_FAIL;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetPluginModule(instance);
        RegisterMainWindow();
        RegisterWebformClass(instance);
        std::setlocale(LC_CTYPE, "rus");
        std::setlocale(LC_NUMERIC, "en");
        g_comResult = CoInitialize(nullptr);
    } else if (reason == DLL_PROCESS_DETACH) {
        UnregisterWebformClass(instance);
        if (SUCCEEDED(g_comResult)) {
            CoUninitialize();
        }
    }
    return TRUE;
}
