// The plug-in library as the host sees it: a file loaded by path, three functions looked up by name.
#include <gtest/gtest.h>

#include "host/substitute/SubstituteHost.h"
#include "platform/Platform.h"
#include "plugin/HostServices.h"
#include "plugin/PluginInfo.h"

namespace {

using GetPluginInfoFunction = const PluginInfo* (*)();
using LoadFunction = int32_t (*)(const HostServices*);
using UnloadFunction = int32_t (*)();

TEST(PluginLibrary, LoadsStartsAndUnloadsThroughItsExports) {
    const std::u16string path = platform::DirectoryOf(platform::ModulePath()) + u"TarvelPlugin" +
                                std::u16string(platform::SharedLibraryExtension());
    platform::DynamicLibrary library(path);
    ASSERT_TRUE(library.IsLoaded());
    auto getInfo = reinterpret_cast<GetPluginInfoFunction>(library.Symbol("GetPluginInfo"));
    auto load = reinterpret_cast<LoadFunction>(library.Symbol("Load"));
    auto unload = reinterpret_cast<UnloadFunction>(library.Symbol("Unload"));
    ASSERT_TRUE(getInfo && load && unload);

    const PluginInfo* info = getInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->version, 0x01000615u);
    EXPECT_EQ(std::u16string(info->name), u"Орлиск: Природный газ");

    SubstituteHost host;
    host.databaseUri = u"C:\\ProgramData\\Host\\data.sqlite";
    ASSERT_EQ(load(host.Services()), 0);
    ASSERT_EQ(host.subscriptions.size(), 1u);
    const int32_t subscription = host.subscriptions[0].id;
    host.RaiseEvent("System/ModulesLoaded");
    ASSERT_EQ(host.commands.size(), 1u);
    const int32_t command = host.commands[0].id;
    ASSERT_EQ(host.menu.size(), 1u);
    EXPECT_EQ(host.menu[0].path, u"Данные/Расчёты/Природный газ");
    EXPECT_NE(std::find(host.calls.begin(), host.calls.end(), "DB/GetConnectionUri"), host.calls.end());

    // Without a user interface the command opens nothing and returns normally.
    EXPECT_TRUE(host.RunCommand("Tarvel/MenuCommand", 0));

    ASSERT_EQ(unload(), 0);
    EXPECT_EQ(host.unsubscribed, std::vector<int32_t>{subscription});
    EXPECT_EQ(host.unregistered, std::vector<int32_t>{command});
}

TEST(PluginLibrary, ExportsNothingElseTheHostCouldCall) {
    const std::u16string path = platform::DirectoryOf(platform::ModulePath()) + u"TarvelPlugin" +
                                std::u16string(platform::SharedLibraryExtension());
    platform::DynamicLibrary library(path);
    ASSERT_TRUE(library.IsLoaded());
    for (const char* name :
         {"PluginLoad", "OnMenuCommand", "SetHostServices", "_Z10PluginLoadPK12HostServices"}) {
        EXPECT_EQ(library.Symbol(name), nullptr) << name;
    }
}

} // namespace
