// The menu command keeps one main window, and refuses to open it over a damaged calculation library.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/substitute/SubstituteHost.h"
#include "platform/Platform.h"
#include "plugin/IntegrityCheck.h"
#include "plugin/Lifecycle.h"
#include "plugin/MainWindowHooks.h"
#include "plugin/PluginExports.h"
#include "text/Utf.h"

namespace {

struct FakeWindows {
    int created = 0;
    int shown = 0;
    int activated = 0;
    int destroyed = 0;
    intptr_t lastOwner = 0;
    bool failCreation = false;
    std::u16string errorCaption;
    std::u16string errorText;
};
FakeWindows* g_fake = nullptr;

MainWindowHooks FakeHooks() {
    MainWindowHooks hooks;
    hooks.create = [](intptr_t owner) -> intptr_t {
        g_fake->lastOwner = owner;
        if (g_fake->failCreation) {
            return 0;
        }
        return ++g_fake->created + 1000;
    };
    hooks.show = [](intptr_t) { ++g_fake->shown; };
    hooks.activate = [](intptr_t) { ++g_fake->activated; };
    hooks.destroy = [](intptr_t) {
        ++g_fake->destroyed;
        MainWindowDestroyed();
    };
    hooks.showError = [](intptr_t, std::u16string_view caption, std::u16string_view text) {
        g_fake->errorCaption = caption;
        g_fake->errorText = text;
    };
    return hooks;
}

class MenuCommand : public ::testing::Test {
protected:
    void SetUp() override {
        g_fake = &fake;
        SetMainWindowHooks(FakeHooks());
        Load(host.Services());
        host.RaiseEvent("System/ModulesLoaded");
    }
    void TearDown() override {
        if (MainWindowHandle() != 0) {
            MainWindowDestroyed();
        }
        Unload();
        SetMainWindowHooks(MainWindowHooks{});
        g_fake = nullptr;
    }
    SubstituteHost host;
    FakeWindows fake;
};

TEST_F(MenuCommand, ChoosingTheItemTwiceOpensOneWindowAndActivatesIt) {
    const bool librariesIntact =
        FirstLibraryFailingIntegrity(platform::DirectoryOf(platform::ModulePath())).empty();
    ASSERT_TRUE(librariesIntact) << "the calculation libraries beside the tests must match their digests";
    ASSERT_TRUE(host.RunCommand("Tarvel/MenuCommand", 77));
    EXPECT_EQ(fake.created, 1);
    EXPECT_EQ(fake.shown, 1);
    EXPECT_EQ(fake.lastOwner, 77);
    EXPECT_NE(MainWindowHandle(), 0);
    ASSERT_TRUE(host.RunCommand("Tarvel/MenuCommand", 77));
    EXPECT_EQ(fake.created, 1);
    EXPECT_EQ(fake.activated, 1);
    EXPECT_EQ(fake.destroyed, 0);

    // Once the window is gone, the next choice creates a new one.
    MainWindowDestroyed();
    host.RunCommand("Tarvel/MenuCommand", 77);
    EXPECT_EQ(fake.created, 2);
}

TEST_F(MenuCommand, FailedCreationDoesNothing) {
    fake.failCreation = true;
    host.RunCommand("Tarvel/MenuCommand", 5);
    EXPECT_EQ(MainWindowHandle(), 0);
    EXPECT_EQ(fake.shown, 0);
    EXPECT_TRUE(fake.errorText.empty());
}

TEST_F(MenuCommand, DamagedLibraryClosesTheWindowAndTheNextChoiceTriesAgain) {
    const std::u16string empty =
        Utf8ToUtf16((std::filesystem::temp_directory_path() / "tarvel-no-libraries/").string());
    SetCalculationLibraryFolder(empty);
    host.RunCommand("Tarvel/MenuCommand", 9);
    EXPECT_EQ(fake.created, 1);
    EXPECT_EQ(fake.shown, 1);
    EXPECT_EQ(fake.errorCaption, u"Контроль целостности");
    EXPECT_EQ(fake.errorText, u"Tarvel31371720" + std::u16string(platform::SharedLibraryExtension()));
    EXPECT_EQ(fake.destroyed, 1);
    EXPECT_EQ(MainWindowHandle(), 0);

    host.RunCommand("Tarvel/MenuCommand", 9);
    EXPECT_EQ(fake.created, 2) << "the next menu command tries again";
    SetCalculationLibraryFolder(u"");
}

TEST(IntegrityCheck, NamesTheFirstMissingOrDamagedLibrary) {
    namespace fs = std::filesystem;
    const fs::path binaries = fs::path(Utf16ToUtf8(platform::DirectoryOf(platform::ModulePath())));
    const fs::path folder = fs::temp_directory_path() / "tarvel-integrity-test";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string extension = Utf16ToUtf8(platform::SharedLibraryExtension());
    for (const auto name : CalculationLibraryNames()) {
        const std::string file = Utf16ToUtf8(name) + extension;
        ASSERT_TRUE(fs::exists(binaries / file)) << file;
        fs::copy_file(binaries / file, folder / file);
    }
    const std::u16string folderText = Utf8ToUtf16(folder.string() + "/");
    EXPECT_EQ(FirstLibraryFailingIntegrity(folderText), u"");

    // One byte appended to the second library.
    {
        std::ofstream damaged(folder / ("Tarvel3136921" + extension), std::ios::binary | std::ios::app);
        damaged.put('\0');
    }
    EXPECT_EQ(FirstLibraryFailingIntegrity(folderText),
              u"Tarvel3136921" + std::u16string(platform::SharedLibraryExtension()));

    // A missing first library is named before the damaged second one.
    fs::remove(folder / ("Tarvel31371720" + extension));
    EXPECT_EQ(FirstLibraryFailingIntegrity(folderText),
              u"Tarvel31371720" + std::u16string(platform::SharedLibraryExtension()));
    fs::remove_all(folder);
}

} // namespace
