// The keyboard of the main window in two hosts: one whose message loop hands messages to the dialog
// manager (IsDialogMessage) as the command-line host does, and one that only translates and dispatches.
// Keys are posted to the control with the focus, as the keyboard queues them, and reach the window
// through the host's loop: Tab moves the focus, Enter in an edit, a combo box or a list leaves the window
// open, Enter on "OK" and Escape close it.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "ModalDialogs.h"
#include "ModalDriver.h"
#include "WindowFixture.h"

namespace ui {
namespace {

constexpr int kChromatogramsTab = 0;
constexpr int kExportTab = 6;
constexpr int kExportFormat = 1115;
constexpr int kExportCommand = 1127;
constexpr int kExportParameters = 1128;

// The host's message loop for a few rounds, with or without the dialog manager.
void RunHostLoop(HWND main, bool dialogManager) {
    MSG message{};
    for (int round = 0; round < 3; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (dialogManager && IsWindow(main) && IsDialogMessageW(main, &message)) {
                continue;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

// A key as the keyboard queues it for the focused control, run through the host's loop.
void TypeKey(HWND main, bool dialogManager, UINT key) {
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
    PostMessageW(focus, WM_KEYDOWN, key, static_cast<LPARAM>(1u | (scan << 16)));
    PostMessageW(focus, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u | (scan << 16)));
    RunHostLoop(main, dialogManager);
}

class KeyboardTest : public WindowTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        main = Open();
        ASSERT_NE(main, nullptr);
        SetForegroundWindow(main);
        SetActiveWindow(main);
        RunHostLoop(main, GetParam());
    }
    HWND main = nullptr;
};

TEST_P(KeyboardTest, EnterInAPageControlLeavesTheWindowOpenAndTabMovesTheFocus) {
    const bool dialogManager = GetParam();
    struct Case {
        const char* name;
        int tab;
        int control; // 0: the page's list
    };
    const Case cases[] = {
        {"edit of the additional parameters", kExportTab, kExportParameters},
        {"edit of the program", kExportTab, kExportCommand},
        {"combo box of the format", kExportTab, kExportFormat},
        {"chromatogram list", kChromatogramsTab, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        SelectTab(main, test.tab);
        HWND page = CurrentPage(main);
        HWND control = test.control == 0 ? PageList(main) : GetDlgItem(page, test.control);
        ASSERT_NE(control, nullptr);
        SetFocus(control);
        const std::wstring before = Text(page, kExportParameters);
        TypeKey(main, dialogManager, VK_RETURN);
        ASSERT_TRUE(IsWindow(main));
        EXPECT_TRUE(IsWindowVisible(main));
        EXPECT_EQ(GetFocus(), control);
        EXPECT_EQ(Text(page, kExportParameters), before);
        // Tab goes on to another control of the window, without the host's help too.
        TypeKey(main, dialogManager, VK_TAB);
        ASSERT_TRUE(IsWindow(main));
        EXPECT_NE(GetFocus(), control);
        EXPECT_TRUE(IsChild(main, GetFocus()));
    }
    Screenshot(main, dialogManager ? "keyboard_enter_host_dialog_manager" : "keyboard_enter_plain_host");
}

TEST_P(KeyboardTest, EnterOnOkAndEscapeCloseTheWindow) {
    const bool dialogManager = GetParam();
    SetFocus(GetDlgItem(main, IDOK));
    TypeKey(main, dialogManager, VK_RETURN);
    EXPECT_FALSE(IsWindow(main));
    main = Open();
    ASSERT_NE(main, nullptr);
    SetFocus(PageList(main));
    TypeKey(main, dialogManager, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(main));
}

// In a modal dialog Enter still means OK: its own loop hands it to the dialog manager.
TEST_P(KeyboardTest, EnterInAModalDialogMeansOk) {
    constexpr int kSettingsTab = 10;
    constexpr int kComponentsViewButton = 1161;
    constexpr int kShowTime = 1052;
    constexpr wchar_t kCaption[] = L"Представление: Компоненты";
    SelectTab(main, kSettingsTab);
    HWND page = CurrentPage(main);
    bool chosen = false;
    ASSERT_TRUE(WithModalDialog(page, kComponentsViewButton, kCaption, [&](HWND dialog) {
        Click(dialog, kShowTime);
        chosen = Checked(dialog, kShowTime);
        SetFocus(GetDlgItem(dialog, kShowTime));
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 1);
    }));
    ASSERT_TRUE(IsWindow(main));
    ASSERT_TRUE(WithModalDialog(page, kComponentsViewButton, kCaption,
                                [&](HWND dialog) { EXPECT_EQ(Checked(dialog, kShowTime), chosen); }));
}

INSTANTIATE_TEST_SUITE_P(Hosts, KeyboardTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                             return info.param ? std::string("WithDialogManager") : std::string("PlainLoop");
                         });

} // namespace
} // namespace ui
