// The platform services of the exports: the ANSI code page and the reserved unique file names.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "ExportTestFolder.h"
#include "platform/TempFiles.h"
#include "platform/TextEncoding.h"

namespace {
// Windows-1251 positions of the Russian letters, Ё, ё and the em dash (the code page's table).
TEST(AnsiCodePage, RussianTextInWindows1251) {
    if (platform::AnsiCodePage() != 1251) {
        GTEST_SKIP() << "the system's ANSI code page is " << platform::AnsiCodePage();
    }
    EXPECT_EQ(platform::ToAnsiCodePage(u"АЯаяЁё — Ok=1\n"), "\xC0\xDF\xE0\xFF\xA8\xB8 \x97 Ok=1\n");
    EXPECT_EQ(platform::ToAnsiCodePage(u"Метан"), "\xCC\xE5\xF2\xE0\xED");
    // The euro sign and the numero sign are in the code page too.
    EXPECT_EQ(platform::ToAnsiCodePage(u"\u20AC\u2116"), "\x88\xB9");
}

TEST(AnsiCodePage, MissingCharactersBecomeDefaultCharacter) {
    EXPECT_EQ(platform::ToAnsiCodePage(u""), "");
    EXPECT_EQ(platform::ToAnsiCodePage(u"a\u4E2Db"), "a?b");
    EXPECT_EQ(platform::ToAnsiCodePage(u"x\u0001\t\r\ny"), "x\x01\t\r\ny");
    // Letters with accents that Windows-1251 lacks: no best-fit look-alike on either build.
    if (platform::AnsiCodePage() == 1251) {
        EXPECT_EQ(platform::ToAnsiCodePage(u"Caf\u00E9 \u00C5ngstr\u00F6m \u0107"), "Caf? ?ngstr?m ?");
    }
    // A character outside the basic plane (a surrogate pair) and an unpaired surrogate.
    const std::string pair = platform::ToAnsiCodePage(u"[\U0001F600]");
    EXPECT_TRUE(pair == "[?]" || pair == "[??]") << pair;
    EXPECT_EQ(platform::ToAnsiCodePage(std::u16string(u"[") + char16_t(0xD800) + u"]"), "[?]");
}

TEST(UniqueTempFile, ReservedDistinctNamesWithPrefix) {
    ExportTestFolder folder;
    const std::u16string first = platform::CreateUniqueTempFile(folder.Text(), u"EXP");
    const std::u16string second = platform::CreateUniqueTempFile(folder.Text(), u"EXP");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_NE(first, second);
    for (const std::u16string& path : {first, second}) {
        const std::filesystem::path file(path);
        EXPECT_EQ(file.parent_path(), folder.Path());
        EXPECT_EQ(file.filename().u16string().rfind(u"EXP", 0), 0u);
        EXPECT_EQ(file.extension().u16string(), u".tmp");
        EXPECT_TRUE(std::filesystem::is_regular_file(file));
        EXPECT_EQ(std::filesystem::file_size(file), 0u);
    }
    // The folder given without its trailing separator works the same.
    EXPECT_FALSE(platform::CreateUniqueTempFile(folder.Path().u16string(), u"EXP").empty());
}

TEST(UniqueTempFile, NoNameInMissingFolder) {
    ExportTestFolder folder;
    EXPECT_TRUE(platform::CreateUniqueTempFile((folder.Path() / "missing").u16string(), u"EXP").empty());
    EXPECT_TRUE(platform::CreateUniqueTempFile(u"", u"EXP").empty());
}
} // namespace
