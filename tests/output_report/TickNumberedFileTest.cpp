// Files numbered from the tick count (platform/TempFiles.h), the one way the report and the browser
// window's ready files are named: the number, its wrap at 100000, the names taken, a folder that refuses.
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

TEST(TickNumberedFiles, NameIsTheTickHundredsPlusTheStepModulo100000) {
    struct Case {
        uint32_t tick;
        uint32_t step;
        const char16_t* name;
    };
    const Case cases[] = {
        {1234567, 0, u"web12345.html"}, {599, 0, u"web5.html"},
        {0, 0, u"web0.html"},           {UINT32_MAX, 0, u"web49672.html"}, // 42949672 modulo 100000
        {9999900, 1, u"web0.html"},     {UINT32_MAX, 99999, u"web49671.html"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(platform::TickNumberedName(u"web", test.tick, test.step, u".html"), test.name)
            << test.tick << " + " << test.step;
    }
}

TEST(TickNumberedFiles, TheFirstFreeNameIsCreatedEmpty) {
    const std::u16string folder =
        Utf8ToUtf16(testsupport::UniqueTempPath("tick-numbered", "")) + platform::PathSeparator();
    fs::create_directories(fs::path(folder));
    std::ofstream(fs::path(folder + u"wbf99999.html")) << "taken";
    fs::create_directories(fs::path(folder + u"wbf0.html")); // a folder takes the name too

    const platform::TickNumberedFile made =
        platform::CreateTickNumberedFile(folder, u"wbf", u".html", 9999900);
    EXPECT_EQ(made.result, platform::NewFileResult::Created);
    EXPECT_EQ(made.path, folder + u"wbf1.html");
    EXPECT_TRUE(fs::is_regular_file(fs::path(made.path)));
    EXPECT_EQ(fs::file_size(fs::path(made.path)), 0u);
    EXPECT_EQ(platform::CreateTickNumberedFile(folder, u"wbf", u".html", 9999900).path,
              folder + u"wbf2.html");

    const std::u16string missing = folder + u"missing" + platform::PathSeparator();
    const platform::TickNumberedFile refused =
        platform::CreateTickNumberedFile(missing, u"web", u".html", 500);
    EXPECT_EQ(refused.result, platform::NewFileResult::Failed);
    EXPECT_EQ(refused.path, missing + u"web5.html") << "the name that could not be made";
    std::error_code ignored;
    fs::remove_all(fs::path(folder), ignored);
}

} // namespace
