// tarvel-host: the test host as a program.
//
//     tarvel-host --db FILE [--profile FILE] [--plugin FILE]
//
// The profile defaults to "profile.txt" beside the database and the plug-in to TarvelPlugin.dll beside
// the program. The plug-in's menu item opens its window; closing the host unloads the plug-in and writes
// the profile back.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>
#include <vector>

#include "host/win32host/TestHost.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace {
int Fail(const std::wstring& text) {
    MessageBoxW(nullptr, text.c_str(), L"tarvel-host", MB_OK | MB_ICONERROR);
    return 1;
}

std::u16string Argument(const wchar_t* text) {
    return reinterpret_cast<const char16_t*>(text);
}
} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::u16string database;
    std::u16string profile;
    std::u16string plugin = platform::DirectoryOf(platform::ModulePath()) + u"TarvelPlugin.dll";
    for (int index = 1; index + 1 < count; index += 2) {
        const std::u16string name = Argument(arguments[index]);
        const std::u16string value = Argument(arguments[index + 1]);
        if (name == u"--db") {
            database = value;
        } else if (name == u"--profile") {
            profile = value;
        } else if (name == u"--plugin") {
            plugin = value;
        } else {
            return Fail(L"usage: tarvel-host --db FILE [--profile FILE] [--plugin FILE]");
        }
    }
    LocalFree(arguments);
    if (database.empty()) {
        return Fail(L"usage: tarvel-host --db FILE [--profile FILE] [--plugin FILE]");
    }
    if (profile.empty()) {
        profile = platform::DirectoryOf(database) + u"profile.txt";
    }
    TestHost host(Utf16ToUtf8(profile), database);
    host.QuitWhenClosed(true);
    std::string error;
    if (!host.LoadPlugin(plugin, error)) {
        return Fail(std::wstring(error.begin(), error.end()));
    }
    HWND window = host.CreateHostWindow();
    if (window == nullptr) {
        return Fail(L"the host window cannot be created");
    }
    ShowWindow(window, show);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        // The plug-in's window is a modeless dialog: its keys (Tab, Escape, Enter) go through the dialog
        // manager while it is active.
        HWND active = GetActiveWindow();
        if (active != nullptr && active != window && IsDialogMessageW(active, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
