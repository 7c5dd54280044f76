// The configured template folder in the registry: the lookup only reads the user's key (it never
// creates it) and reads a folder longer than a short buffer whole.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "output/report/ReportRendering.h"
#include "output_report/TemplateSetting.h"
#include "platform/Platform.h"
#include "platform/TemplateFolder.h"

namespace {

const wchar_t kKey[] = L"Software\\Quenta\\Orlisk4";

bool KeyExists() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

TEST(TemplateFolderRegistry, TheLookupLeavesNoKeyBehind) {
    ClearConfiguredTemplateFolder();
    RegDeleteKeyW(HKEY_CURRENT_USER, kKey); // empty once its value is gone
    ASSERT_FALSE(KeyExists());
    EXPECT_EQ(platform::ConfiguredTemplateFolder(), u"");
    EXPECT_EQ(FindReportTemplatePath(), platform::ProgramDirectory() + u"Templates\\FerrowReportTmpl.xsl");
    EXPECT_FALSE(KeyExists());
}

TEST(TemplateFolderRegistry, ALongFolderIsReadWhole) {
    // 200 characters: longer than 260 bytes, and with the template's name still within the path limit.
    const std::u16string folder = u"C:\\" + std::u16string(196, u'п') + u"\\";
    ASSERT_EQ(folder.size(), 200u);
    SetConfiguredTemplateFolder(folder);
    EXPECT_EQ(platform::ConfiguredTemplateFolder(), folder);
    ClearConfiguredTemplateFolder();
    EXPECT_EQ(platform::ConfiguredTemplateFolder(), u"");
}

} // namespace
