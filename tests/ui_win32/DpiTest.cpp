// The window at the resolution of the screen it is shown on: run at 96 dots per inch with the other
// window tests, and at 144 by the test "ui_win32_dpi144" (the prefix's screen set to 144, the resolution
// expected in TARVEL_EXPECTED_DPI). Columns hold their texts with margins of the same physical size,
// the splitter reaches as far, and screenshots show the pages at that resolution.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "ModalDialogs.h"
#include "ModalDriver.h"
#include "WindowFixture.h"
#include "ui/models/ComponentsPageModel.h"

namespace ui {
namespace {

constexpr int kJournal = 1078;
// The splitter of the main window: 3 pixels above the journal, reaching 2 pixels either way, at 96.
constexpr int kSplitterOffset = 3;
constexpr int kSplitterReach = 2;

bool SizingCursorAt(HWND main, int clientY) {
    POINT point{200, clientY};
    ClientToScreen(main, &point);
    SetCursorPos(point.x, point.y);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(main, WM_SETCURSOR, reinterpret_cast<WPARAM>(main), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    return GetCursor() == LoadCursorW(nullptr, IDC_SIZENS);
}

using DpiTest = WindowTest;

TEST_F(DpiTest, PixelSizesFollowTheScreensResolution) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    const int dpi = ScreenDpi(main);
    if (const char* expected = std::getenv("TARVEL_EXPECTED_DPI")) {
        ASSERT_EQ(dpi, std::atoi(expected)) << "the prefix's screen resolution was not taken";
    }
    const std::string suffix = "_dpi" + std::to_string(dpi);
    const CalcContext expected = CalculateLikeTheWindow(profile, database);
    for (const int tab : {0, 2}) {
        {
            BoxCatcher catcher;
            SelectTab(main, tab);
        }
        HWND list = PageList(main);
        std::vector<int> shown;
        for (const int width : ColumnWidths(list)) {
            shown.push_back(width); // the columns the page shows (0: hidden)
        }
        if (tab == 2) {
            shown.clear();
            for (const PageColumn& column : BuildComponentsPage(expected).columns) {
                shown.push_back(column.widthPixels);
            }
        }
        SCOPED_TRACE(tab);
        ExpectColumnsFit(list, shown);
        Screenshot(main, "main_page" + std::to_string(tab) + suffix);
    }
    ExpectColumnsFit(GetDlgItem(main, kJournal), {1, 1});

    RECT journal = ChildRectangle(GetDlgItem(main, kJournal));
    const int splitter = journal.top - MulDiv(kSplitterOffset, dpi, 96);
    const int reach = MulDiv(kSplitterReach, dpi, 96);
    EXPECT_TRUE(SizingCursorAt(main, splitter));
    EXPECT_TRUE(SizingCursorAt(main, splitter - reach));
    EXPECT_TRUE(SizingCursorAt(main, splitter + reach));
    EXPECT_FALSE(SizingCursorAt(main, splitter - reach - 1));
    EXPECT_FALSE(SizingCursorAt(main, splitter + reach + 1));

    SelectTab(main, 0);
    ASSERT_TRUE(WithModalDialog(CurrentPage(main), 1101, L"Выбор хроматограм", [&](HWND dialog) {
        std::vector<int> shown(4, 1);
        ExpectColumnsFit(GetDlgItem(dialog, 1013), shown);
        Screenshot(dialog, "dialog196" + suffix);
    }));
}

} // namespace
} // namespace ui
