// Files numbered from the tick count (platform/TempFiles.h), the one way the report's and the browser
// window's files are made: the first free number after the wrap at 100000, and a folder that refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/TempFiles.h"
#include "platform/TemplateFolder.h"
#include "support/TempNames.h"
#include "text/Utf.h"

namespace {

namespace fs = std::filesystem;

TEST(TickNumberedFiles, TheFirstFreeNameIsCreatedEmptyAndARefusingFolderEndsTheSearch) {
    const std::u16string folder =
        Utf8ToUtf16(testsupport::UniqueTempPath("tick-numbered", "")) + platform::PathSeparator();
    fs::create_directories(fs::path(folder));
    std::ofstream(fs::path(folder + u"wbf99999.html")) << "taken";
    fs::create_directories(fs::path(folder + u"wbf0.html")); // a folder takes the name too

    const platform::TickNumberedFile made =
        platform::CreateTickNumberedFile(folder, u"wbf", u".html", 9999900);
    EXPECT_EQ(made.result, platform::NewFileResult::Created);
    EXPECT_EQ(made.path, folder + u"wbf1.html");
    EXPECT_EQ(fs::file_size(fs::path(made.path)), 0u);
    EXPECT_EQ(platform::CreateTickNumberedFile(folder, u"wbf", u".html", 9999900).path,
              folder + u"wbf2.html");
    EXPECT_EQ(platform::TickNumberedName(u"web", UINT32_MAX, 99999, u".html"), u"web49671.html");

    const std::u16string missing = folder + u"missing" + platform::PathSeparator();
    const platform::TickNumberedFile refused =
        platform::CreateTickNumberedFile(missing, u"web", u".html", 500);
    EXPECT_EQ(refused.result, platform::NewFileResult::Failed);
    EXPECT_EQ(refused.path, missing + u"web5.html") << "the name that could not be made";
    std::error_code ignored;
    fs::remove_all(fs::path(folder), ignored);
}

} // namespace
