// Attach and detach of the plug-in library: the module handle every resource is loaded from, and the C
// runtime locale ("rus" characters, "en" numbers, so every number is read and written with a point).
// Nothing else runs under the loader lock: COM and the window classes wait for Load (WindowAttach.cpp).
#include <windows.h>

#include <clocale>

#include "ui/win32/PluginModule.h"

// The thread-detach callback of the POSIX threads library linked into this one: C++ synchronisation on
// the host's thread makes it keep a handle of that thread and an event, which it gives back only when a
// thread ends. The host's thread outlives the library, so they are given back when the library goes.
extern "C" PIMAGE_TLS_CALLBACK __xl_f;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetPluginModule(instance);
        std::setlocale(LC_CTYPE, "rus");
        std::setlocale(LC_NUMERIC, "en");
    } else if (reason == DLL_PROCESS_DETACH && reserved == nullptr && __xl_f != nullptr) {
        // Released by FreeLibrary while the process goes on (reserved is set when it ends).
        __xl_f(instance, DLL_THREAD_DETACH, nullptr);
    }
    return TRUE;
}
