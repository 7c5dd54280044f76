// The stability dialog of the calibration page under Wine: opened by the page's button, it lists the
// components with their statuses as tarvel's stability table gives them, and the down key moves the
// selection and with it the chart and its figures. The time from the click to the painted dialog is
// printed (an upper bound: the dialog is reached by a 30 ms timer), and the time of a whole repaint.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <chrono>
#include <cstdio>

#include "ModalDriver.h"
#include "ResourceIds.h"
#include "WindowFixture.h"
#include "text/StringTable.h"
#include "ui/models/StabilityPageModel.h"

namespace ui {
namespace {

constexpr int kCalibrationTab = 1;

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

// A key pressed in a window as the keyboard sends it.
void PressKey(HWND window, UINT key) {
    SendMessageW(window, WM_KEYDOWN, key, 1);
    SendMessageW(window, WM_KEYUP, key, 0xC0000001);
}

TEST_F(WindowTest, StabilityDialogListsTheStatusesAndTheDownKeyChangesTheChart) {
    const CalcContext expected = CalculateLikeTheWindow(profile, database);
    ASSERT_TRUE(expected.stability.read);
    const PageTable table = BuildStabilityPage(expected);
    ASSERT_GT(table.rows.size(), 2u);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kCalibrationTab);
    PumpMessages();
    HWND page = CurrentPage(main);
    ASSERT_NE(page, nullptr);
    HWND button = GetDlgItem(page, IDC_CALIBRATION_STABILITY);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(WindowText(button), L"Стабильность...");
    Screenshot(main, "stability_calibration_page");

    std::vector<std::vector<std::wstring>> rows;
    std::wstring firstNote;
    std::wstring secondNote;
    std::wstring caption;
    double firstPaintMs = 0.0;
    double repaintMs = 0.0;
    const auto clicked = std::chrono::steady_clock::now();
    ModalActor actor(Wide(std::u16string(LoadText(StringId::StabilityTitle))), [&](HWND dialog) {
        const auto painting = std::chrono::steady_clock::now();
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        const auto painted = std::chrono::steady_clock::now();
        firstPaintMs = std::chrono::duration<double, std::milli>(painted - clicked).count();
        repaintMs = std::chrono::duration<double, std::milli>(painted - painting).count();
        caption = WindowText(dialog);
        HWND list = GetDlgItem(dialog, IDC_STABILITY_LIST);
        rows = Rows(list);
        firstNote = WindowText(GetDlgItem(dialog, IDC_STABILITY_NOTE));
        Screenshot(dialog, "stability_dialog_first");
        // Down to propane, whose history holds the demo's drift.
        for (int row = 1; row < static_cast<int>(rows.size()); ++row) {
            PressKey(list, VK_DOWN);
            PumpMessages();
            if (row == 1) {
                secondNote = WindowText(GetDlgItem(dialog, IDC_STABILITY_NOTE));
            }
            if (rows[static_cast<size_t>(row)][0] == L"Пропан") {
                break;
            }
        }
        RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        Screenshot(dialog, "stability_dialog_propane");
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    SendMessageW(button, BM_CLICK, 0, 0);
    PumpMessages();
    ASSERT_TRUE(actor.Acted());
    std::printf("stability dialog: painted within %.1f ms of the click (a whole repaint: %.1f ms)\n",
                firstPaintMs, repaintMs);

    EXPECT_EQ(caption, L"Стабильность градуировки");
    ASSERT_EQ(rows.size(), table.rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(rows[row][0], Wide(table.rows[row][0])) << row;
        EXPECT_EQ(rows[row][6], Wide(table.rows[row][6])) << row;
    }
    // The figures below the chart follow the selection: first the first component's, then the second's.
    EXPECT_NE(firstNote.find(Wide(table.rows[0][1])), std::wstring::npos);
    EXPECT_NE(secondNote.find(Wide(table.rows[1][1])), std::wstring::npos);
    EXPECT_NE(firstNote, secondNote);
    // Opening the dialog ran no calculation: the page still shows the same calibration.
    EXPECT_EQ(Rows(PageList(main)).size(), expected.calibration.size());
}

} // namespace
} // namespace ui
