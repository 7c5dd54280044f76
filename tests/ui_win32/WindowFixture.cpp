#include "WindowFixture.h"

#include <algorithm>

#include "calc/Stages.h"
#include "data/DataBaseConnection.h"
#include "data/DataBaseHandle.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"
#include "text/Utf.h"
#include "ui/models/AssayBatches.h"

namespace ui {

CalcContext CalculateLikeTheWindow(const std::u16string& profilePath, const std::u16string& databasePath) {
    SubstituteHost host;
    host.LoadProfileFile(Utf16ToUtf8(profilePath));
    SetHostServices(host.Services());
    DataBaseConnection::SetUri(databasePath);
    CalcContext context;
    SettingsStore::Load(context);
    {
        // What page 0 does when the window opens: the chromatograms' fields from the database.
        DataBase::Handle handle;
        RefreshAssayList(context, handle);
    }
    RunCalculation(context);
    SetHostServices(nullptr);
    return context;
}

void WindowTest::SetUp() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    std::replace(name.begin(), name.end(), '/', '_'); // parameterised tests
    folder = ScratchFolder(name);
    profile = folder + u"profile.txt";
    database = DemoFolder() + u"demo.db";
    ASSERT_TRUE(CopyFileTo(DemoFolder() + u"profile.txt", profile)) << "the demo fixture has not run";
    hosted = std::make_unique<HostedPlugin>(profile, database);
    ASSERT_TRUE(hosted->Loaded());
}

void WindowTest::TearDown() {
    hosted.reset();
}

void WindowTest::UseDatabase(const std::u16string& databasePath) {
    hosted.reset();
    database = databasePath;
    hosted = std::make_unique<HostedPlugin>(profile, database);
    ASSERT_TRUE(hosted->Loaded());
}

HWND WindowTest::Open() {
    BoxCatcher catcher;
    HWND main = hosted->ChooseMenuItem();
    openingBoxes = catcher.boxes;
    return main;
}

std::u16string WindowTest::Screenshot(HWND window, const std::string& name) {
    const std::u16string shots = BinaryFolder() + u"..\\ui_screenshots\\";
    CreateDirectoryW(reinterpret_cast<const wchar_t*>(shots.c_str()), nullptr);
    const std::u16string path = shots + Utf8ToUtf16(name) + u".bmp";
    EXPECT_TRUE(SaveScreenshot(window, path)) << name;
    return path;
}

int ScreenDpi(HWND window) {
    HDC dc = GetDC(window);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(window, dc);
    return dpi;
}

void ExpectColumnsFit(HWND list, const std::vector<int>& modelWidths) {
    const std::vector<int> widths = ColumnWidths(list);
    const std::vector<int> widest = WidestTexts(list);
    ASSERT_EQ(widths.size(), modelWidths.size());
    int last = -1;
    int total = 0;
    for (size_t column = 0; column < widths.size(); ++column) {
        total += widths[column];
        if (modelWidths[column] == 0) {
            EXPECT_EQ(widths[column], 0) << column;
            continue;
        }
        last = static_cast<int>(column);
        EXPECT_GE(widths[column], widest[column] + MulDiv(kColumnTextMargin, ScreenDpi(list), 96)) << column;
    }
    RECT client{};
    GetClientRect(list, &client);
    if (last >= 0) {
        EXPECT_GE(total, client.right - GetSystemMetrics(SM_CXVSCROLL));
    }
}

} // namespace ui
