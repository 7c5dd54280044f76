// Start-up, menu command and unload of the plug-in. The exported entry points forward here.
#pragma once

#include <cstdint>
#include <string>

#include "plugin/HostServices.h"

// Russian, the language of the plug-in's own resources.
inline constexpr uint16_t kLanguageRussian = 1049;

int32_t PluginLoad(const HostServices* services);
int32_t PluginUnload();

// The host's callbacks. Each returns 0 and lets no exception reach the host: a failure is recorded
// (LastBoundaryFailure) instead.
// Handler of "System/ModulesLoaded": registers the command and the menu item, copies the database URI.
int32_t OnModulesLoaded(intptr_t first, intptr_t second);
// Handler of "Tarvel/MenuCommand": first is the host window that owns the main window.
int32_t OnMenuCommand(intptr_t owner, intptr_t second);

// What the plug-in learnt during Load, for diagnostics and tests.
struct LifecycleState {
    int32_t subscriptionId = 0;
    int32_t commandId = 0;
    uint16_t hostLanguage = 0;          // 0 when the host does not serve "System/GetLanguage"
    std::u16string languageLibraryPath; // the file asked for; empty when none was asked for
    bool languageLibraryLoaded = false;
};
const LifecycleState& PluginLifecycleState();

// The language library beside the plug-in: its path with the extension (from the last point of the file
// name) replaced by the three-letter language abbreviation and the platform's library extension.
std::u16string LanguageLibraryPath(const std::u16string& pluginPath, const std::u16string& abbreviation);
