// Start-up and unload of the plug-in driven through the substitute host, as the host drives it.
#include <gtest/gtest.h>

#include "data/DataBaseConnection.h"
#include "host/substitute/SubstituteHost.h"
#include "platform/Platform.h"
#include "plugin/Lifecycle.h"
#include "plugin/PluginExports.h"

namespace {

TEST(PluginInfoRecord, IsCompleteBeforeLoad) {
    const PluginInfo* info = GetPluginInfo();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->size, static_cast<int32_t>(sizeof(PluginInfo)));
    if (sizeof(void*) == 4) {
        EXPECT_EQ(info->size, 48);
    }
    EXPECT_EQ(info->version, 0x01000615u);
    EXPECT_EQ(std::u16string(info->name), u"Орлиск: Природный газ");
    const std::u16string description(info->description);
    EXPECT_TRUE(
        description.starts_with(u"Определение состава с оценкой неопределённости (ГОСТ 31371-2020). "));
    EXPECT_TRUE(description.ends_with(u"Определение метанового числа(ГОСТ 34704 - 2020)"));
    for (const char16_t* text : {info->company, info->email, info->rights, info->website}) {
        ASSERT_NE(text, nullptr);
        EXPECT_NE(text[0], u'\0');
    }
    EXPECT_NE(info->guid.data1, 0u);
}

TEST(PluginLifecycle, StartsRegistersAndUnloadsWithTheSameIds) {
    SubstituteHost host;
    host.databaseUri = u"file:/data/Хроматограммы.db";
    ASSERT_EQ(Load(host.Services()), 0);
    ASSERT_EQ(host.subscriptions.size(), 1u);
    EXPECT_EQ(host.subscriptions[0].topic, "System/ModulesLoaded");
    const int32_t subscriptionId = host.subscriptions[0].id;
    EXPECT_TRUE(host.commands.empty()) << "nothing is registered before the start-up event";

    host.calls.clear();
    EXPECT_EQ(host.RaiseEvent("System/ModulesLoaded"), 1);
    ASSERT_EQ(host.commands.size(), 1u);
    EXPECT_EQ(host.commands[0].topic, "Tarvel/MenuCommand");
    const int32_t commandId = host.commands[0].id;
    ASSERT_EQ(host.menu.size(), 1u);
    EXPECT_EQ(host.menu[0].path, u"Данные/Расчёты/Природный газ");
    EXPECT_EQ(host.menu[0].commandTopic, "Tarvel/MenuCommand");
    const std::vector<std::string> expectedCalls = {"MainMenu/CreateNewMenu", "DB/GetConnectionUri"};
    EXPECT_EQ(host.calls, expectedCalls);
    EXPECT_EQ(DataBaseConnection::Uri(), u"file:/data/Хроматограммы.db");

    // The URI is a copy: the host may free or reuse its text.
    host.databaseUri = u"changed";
    EXPECT_EQ(DataBaseConnection::Uri(), u"file:/data/Хроматограммы.db");

    ASSERT_EQ(Unload(), 0);
    EXPECT_EQ(host.unsubscribed, std::vector<int32_t>{subscriptionId});
    EXPECT_EQ(host.unregistered, std::vector<int32_t>{commandId});
    EXPECT_TRUE(host.subscriptions.empty());
    EXPECT_TRUE(host.commands.empty());
}

TEST(PluginLifecycle, EachStartUpReplacesTheDatabaseUri) {
    SubstituteHost host;
    host.databaseUri = u"first.db";
    Load(host.Services());
    host.RaiseEvent("System/ModulesLoaded");
    host.databaseUri = u"second.db";
    host.RaiseEvent("System/ModulesLoaded");
    EXPECT_EQ(DataBaseConnection::Uri(), u"second.db");
    Unload();
}

TEST(PluginLifecycle, RussianHostAsksForNoLanguageLibrary) {
    SubstituteHost host;
    host.language = 1049;
    Load(host.Services());
    EXPECT_EQ(PluginLifecycleState().hostLanguage, 1049);
    EXPECT_TRUE(PluginLifecycleState().languageLibraryPath.empty());
    EXPECT_FALSE(PluginLifecycleState().languageLibraryLoaded);
    Unload();
}

TEST(PluginLifecycle, OnlyTheLowWordOfTheLanguageCounts) {
    SubstituteHost host;
    host.language = 0x7A0000 | 1049;
    Load(host.Services());
    EXPECT_EQ(PluginLifecycleState().hostLanguage, 1049);
    Unload();
}

TEST(PluginLifecycle, HostWithoutLanguageTopicIsNeverAsked) {
    SubstituteHost host;
    host.language.reset();
    Load(host.Services());
    EXPECT_EQ(PluginLifecycleState().hostLanguage, 0);
    EXPECT_TRUE(PluginLifecycleState().languageLibraryPath.empty());
    for (const auto& call : host.calls) {
        EXPECT_NE(call, "System/GetLanguage") << "the topic is asked for with IsTopicAvailable only";
    }
    Unload();
}

TEST(PluginLifecycle, EnglishHostAsksForTheLanguageLibraryBesideThePlugin) {
    SubstituteHost host;
    host.language = 1033;
    Load(host.Services());
    const auto& state = PluginLifecycleState();
    EXPECT_EQ(state.hostLanguage, 1033);
    const std::u16string abbreviation = platform::LocaleLanguageAbbreviation();
    if (abbreviation.empty()) {
        EXPECT_TRUE(state.languageLibraryPath.empty());
    } else {
        const std::u16string module = platform::ModulePath();
        EXPECT_EQ(platform::DirectoryOf(state.languageLibraryPath), platform::DirectoryOf(module));
        EXPECT_TRUE(state.languageLibraryPath.ends_with(abbreviation +
                                                        std::u16string(platform::SharedLibraryExtension())));
        EXPECT_FALSE(state.languageLibraryLoaded) << "no language library is installed beside the tests";
    }
    Unload();
}

struct LanguagePathCase {
    std::u16string plugin;
    std::u16string abbreviation;
    std::u16string expectedStem;
};

TEST(LanguageLibraryPath, ReplacesTheExtensionFromTheLastPointOfTheFileName) {
    const LanguagePathCase cases[] = {
        {u"C:\\Orlisk\\Plugins\\TarvelPlugin.dll", u"ENU", u"C:\\Orlisk\\Plugins\\TarvelPluginENU"},
        {u"/opt/host/TarvelPlugin.so", u"DEU", u"/opt/host/TarvelPluginDEU"},
        {u"C:\\dir.v2\\TarvelPlugin", u"ENU", u"C:\\dir.v2\\TarvelPluginENU"},
        {u"C:\\a\\Tarvel.Plugin.dll", u"FRA", u"C:\\a\\Tarvel.PluginFRA"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LanguageLibraryPath(c.plugin, c.abbreviation),
                  c.expectedStem + std::u16string(platform::SharedLibraryExtension()));
    }
}

} // namespace
