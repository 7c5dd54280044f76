#include "plugin/Lifecycle.h"

#include "data/DataBaseConnection.h"
#include "platform/Platform.h"
#include "plugin/CallGuard.h"
#include "plugin/Host.h"
#include "plugin/IntegrityCheck.h"
#include "plugin/MainWindowHooks.h"
#include "text/StringTable.h"

namespace {
LifecycleState g_state;
platform::DynamicLibrary g_languageLibrary;
MainWindowHooks g_windowHooks;
intptr_t g_mainWindow = 0;

const char16_t kMenuPath[] = u"Данные/Расчёты/Природный газ";
} // namespace

const LifecycleState& PluginLifecycleState() {
    return g_state;
}

std::u16string LanguageLibraryPath(const std::u16string& pluginPath, const std::u16string& abbreviation) {
    const size_t separator = pluginPath.find_last_of(u"/\\");
    const size_t nameStart = separator == std::u16string::npos ? 0 : separator + 1;
    size_t point = pluginPath.find_last_of(u'.');
    if (point == std::u16string::npos || point < nameStart) {
        point = pluginPath.size();
    }
    std::u16string path = pluginPath.substr(0, point);
    path += abbreviation;
    path += platform::SharedLibraryExtension();
    return path;
}

int32_t PluginLoad(const HostServices* services) {
    SetHostServices(services);
    g_state = LifecycleState{};
    if (services != nullptr && services->SubscribeEvent != nullptr) {
        g_state.subscriptionId = services->SubscribeEvent(topic::ModulesLoaded, &OnModulesLoaded);
    }
    g_languageLibrary.Reset();

    if (!IsHostTopicAvailable(topic::GetLanguage)) {
        return 0;
    }
    g_state.hostLanguage = static_cast<uint16_t>(CallHostTopic(topic::GetLanguage, 0, 0) & 0xFFFF);
    if (g_state.hostLanguage == kLanguageRussian) {
        return 0;
    }
    const std::u16string pluginPath = platform::ModulePath();
    const std::u16string abbreviation = platform::LocaleLanguageAbbreviation();
    if (pluginPath.empty() || abbreviation.empty()) {
        return 0;
    }
    g_state.languageLibraryPath = LanguageLibraryPath(pluginPath, abbreviation);
    g_languageLibrary = platform::DynamicLibrary(g_state.languageLibraryPath);
    g_state.languageLibraryLoaded = g_languageLibrary.IsLoaded();
    return 0;
}

int32_t PluginUnload() {
    // No window may outlive the code of its procedures: an open main window is destroyed first, and
    // saves its settings while the host still serves the profile.
    if (g_mainWindow != 0 && g_windowHooks.destroy != nullptr) {
        g_windowHooks.destroy(g_mainWindow);
    }
    g_mainWindow = 0;
    const HostServices* services = GetHostServices();
    if (services != nullptr) {
        if (services->UnsubscribeEvent != nullptr) {
            services->UnsubscribeEvent(g_state.subscriptionId);
        }
        if (services->UnregisterCommand != nullptr) {
            services->UnregisterCommand(g_state.commandId);
        }
    }
    g_languageLibrary.Reset();
    g_state.languageLibraryLoaded = false;
    return 0;
}

namespace {
int32_t StartUp() {
    const HostServices* services = GetHostServices();
    if (services != nullptr && services->RegisterCommand != nullptr) {
        g_state.commandId = services->RegisterCommand(topic::MenuCommand, &OnMenuCommand);
    }
    NewMenuRequest request{16, kMenuPath, 0, topic::MenuCommand};
    CallHostTopic(topic::CreateNewMenu, 0, reinterpret_cast<intptr_t>(&request));

    const intptr_t uri = CallHostTopic(topic::GetConnectionUri, 0, 0);
    DataBaseConnection::SetUri(reinterpret_cast<const char16_t*>(uri));
    return 0;
}
} // namespace

int32_t OnModulesLoaded(intptr_t, intptr_t) {
    return GuardedCall("OnModulesLoaded", int32_t{0}, [] { return StartUp(); });
}

void SetMainWindowHooks(const MainWindowHooks& hooks) {
    g_windowHooks = hooks;
}

intptr_t MainWindowHandle() {
    return g_mainWindow;
}

void MainWindowDestroyed() {
    g_mainWindow = 0;
}

namespace {
int32_t OpenMainWindow(intptr_t owner) {
    if (g_mainWindow != 0) {
        if (g_windowHooks.activate != nullptr) {
            g_windowHooks.activate(g_mainWindow);
        }
        return 0;
    }
    if (g_windowHooks.create == nullptr) {
        return 0;
    }
    g_mainWindow = g_windowHooks.create(owner);
    if (g_mainWindow == 0) {
        return 0;
    }
    if (g_windowHooks.show != nullptr) {
        g_windowHooks.show(g_mainWindow);
    }
    const std::u16string failed = FirstLibraryFailingIntegrity(CalculationLibraryFolder());
    if (!failed.empty()) {
        const intptr_t window = g_mainWindow;
        if (g_windowHooks.showError != nullptr) {
            g_windowHooks.showError(window, LoadText(StringId::IntegrityCheckCaption), failed);
        }
        if (g_windowHooks.destroy != nullptr) {
            g_windowHooks.destroy(window);
        }
        // The next menu command tries again, whether or not the window reported its destruction.
        g_mainWindow = 0;
    }
    return 0;
}
} // namespace

int32_t OnMenuCommand(intptr_t owner, intptr_t) {
    return GuardedCall("OnMenuCommand", int32_t{0}, [owner] { return OpenMainWindow(owner); });
}
