#include "host/win32host/TestHost.h"

#include "plugin/CallGuard.h"
#include "plugin/HostServices.h"

namespace {
constexpr UINT kFirstMenuCommand = 40001;
constexpr wchar_t kWindowClass[] = L"TarvelTestHost";

using GetPluginInfoFunction = const PluginInfo* (*)();
using LoadFunction = int32_t (*)(const HostServices*);
using UnloadFunction = int32_t (*)();

HMENU FindOrAddPopup(HMENU menu, const std::u16string& title) {
    const int count = GetMenuItemCount(menu);
    for (int index = 0; index < count; ++index) {
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(index), text, 256, MF_BYPOSITION);
        HMENU popup = GetSubMenu(menu, index);
        if (popup != nullptr && std::u16string(reinterpret_cast<const char16_t*>(text)) == title) {
            return popup;
        }
    }
    HMENU popup = CreatePopupMenu();
    AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                reinterpret_cast<const wchar_t*>(title.c_str()));
    return popup;
}
} // namespace

std::vector<std::u16string> MenuPathParts(const std::u16string& path) {
    std::vector<std::u16string> parts;
    size_t start = 0;
    while (start <= path.size()) {
        const size_t end = path.find(u'/', start);
        const std::u16string part =
            path.substr(start, end == std::u16string::npos ? std::u16string::npos : end - start);
        if (!part.empty()) {
            parts.push_back(part);
        }
        if (end == std::u16string::npos) {
            break;
        }
        start = end + 1;
    }
    return parts;
}

TestHost::TestHost(std::string profilePath, std::u16string databasePath)
    : profilePath_(std::move(profilePath)) {
    host_.databaseUri = std::move(databasePath);
    host_.accountName = u"Оператор";
    host_.LoadProfileFile(profilePath_);
}

TestHost::~TestHost() {
    UnloadPlugin();
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

bool TestHost::LoadPlugin(const std::u16string& libraryPath, std::string& error) {
    library_ = platform::DynamicLibrary(libraryPath);
    if (!library_.IsLoaded()) {
        error = "the plug-in library cannot be loaded";
        return false;
    }
    auto getInfo = reinterpret_cast<GetPluginInfoFunction>(library_.Symbol("GetPluginInfo"));
    auto load = reinterpret_cast<LoadFunction>(library_.Symbol("Load"));
    unload_ = reinterpret_cast<UnloadFunction>(library_.Symbol("Unload"));
    if (getInfo == nullptr || load == nullptr || unload_ == nullptr) {
        error = "the plug-in library lacks GetPluginInfo, Load or Unload";
        library_.Reset();
        unload_ = nullptr;
        return false;
    }
    info_ = getInfo();
    load(host_.Services());
    host_.RaiseEvent("System/ModulesLoaded");
    return true;
}

void TestHost::UnloadPlugin() {
    if (unload_ != nullptr) {
        unload_();
        unload_ = nullptr;
        host_.SaveProfileFile(profilePath_);
    }
    info_ = nullptr;
    library_.Reset();
}

UINT TestHost::MenuCommandId(size_t index) {
    return kFirstMenuCommand + static_cast<UINT>(index);
}

void TestHost::BuildMenu() {
    HMENU bar = CreateMenu();
    for (size_t index = 0; index < host_.menu.size(); ++index) {
        const std::vector<std::u16string> parts = MenuPathParts(host_.menu[index].path);
        if (parts.empty()) {
            continue;
        }
        HMENU menu = bar;
        for (size_t part = 0; part + 1 < parts.size(); ++part) {
            menu = FindOrAddPopup(menu, parts[part]);
        }
        AppendMenuW(menu, MF_STRING, MenuCommandId(index),
                    reinterpret_cast<const wchar_t*>(parts.back().c_str()));
    }
    SetMenu(window_, bar);
}

HWND TestHost::CreateHostWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &TestHost::WindowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.lpszClassName = kWindowClass;
    RegisterClassExW(&windowClass); // fails harmlessly when already registered
    window_ = CreateWindowExW(0, kWindowClass, L"Хроматограф: рабочее место", WS_OVERLAPPEDWINDOW, 0, 0, 1000,
                              740, nullptr, nullptr, windowClass.hInstance, this);
    if (window_ != nullptr) {
        BuildMenu();
    }
    return window_;
}

bool TestHost::ChooseMenuItem(size_t index) {
    if (index >= host_.menu.size()) {
        return false;
    }
    return host_.RunCommand(host_.menu[index].commandTopic, reinterpret_cast<intptr_t>(window_));
}

LRESULT CALLBACK TestHost::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedCall("TestHostWindow", LRESULT{0}, [&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            const auto* creation = reinterpret_cast<CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
        }
        auto* self = reinterpret_cast<TestHost*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self != nullptr && message == WM_COMMAND && HIWORD(wParam) == 0 &&
            LOWORD(wParam) >= kFirstMenuCommand) {
            self->ChooseMenuItem(LOWORD(wParam) - kFirstMenuCommand);
            return 0;
        }
        if (self != nullptr && message == WM_DESTROY) {
            // The host unloads its plug-ins before its window goes.
            self->UnloadPlugin();
            self->window_ = nullptr;
            if (self->quitWhenClosed_) {
                PostQuitMessage(0);
            }
            return 0;
        }
        return DefWindowProcW(window, message, wParam, lParam);
    });
}
