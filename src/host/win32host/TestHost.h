// A host program for trying the plug-in on Windows (and under Wine): a top-level window whose menu is
// built from the items the plug-in asks for with "MainMenu/CreateNewMenu". It loads TarvelPlugin.dll by
// path as the host program does (GetPluginInfo, Load, "System/ModulesLoaded"), serves every topic from
// the substitute host with the profile file and the database path it was given, raises the command of a
// chosen menu item, and unloads the plug-in and writes the profile back when it closes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/substitute/SubstituteHost.h"
#include "platform/Platform.h"
#include "plugin/PluginInfo.h"

class TestHost {
public:
    // profilePath: UTF-8 path of the profile file (it need not exist yet); databasePath: the address
    // "DB/GetConnectionUri" answers.
    TestHost(std::string profilePath, std::u16string databasePath);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    // Loads the plug-in library and starts it; false with the reason in error.
    bool LoadPlugin(const std::u16string& libraryPath, std::string& error);
    // Unload, then the library is released and the profile written back. Safe to call twice.
    void UnloadPlugin();

    // The host window with its menu; null when it cannot be created.
    HWND CreateHostWindow();
    HWND Window() const { return window_; }

    // Raises the command of the plug-in's menu item (index in the order the items were added), as a
    // click on it does.
    bool ChooseMenuItem(size_t index);
    // Menu command id of item index.
    static UINT MenuCommandId(size_t index);

    // A program ends its message loop when the host window closes; a test keeps its thread's queue.
    void QuitWhenClosed(bool quit) { quitWhenClosed_ = quit; }

    SubstituteHost& Host() { return host_; }
    const PluginInfo* Info() const { return info_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void BuildMenu();

    SubstituteHost host_;
    std::string profilePath_;
    platform::DynamicLibrary library_;
    const PluginInfo* info_ = nullptr;
    int32_t (*unload_)() = nullptr;
    HWND window_ = nullptr;
    bool quitWhenClosed_ = false;
};

// The menu path of an item split at "/": the popups, then the item itself.
std::vector<std::u16string> MenuPathParts(const std::u16string& path);
