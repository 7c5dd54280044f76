// The pages inside the main window: the four result pages show exactly their page models of the
// window's run, with state images, striped rows, Ctrl+A and Ctrl+C; the about page lists the modules;
// every page opens and is laid out (its screenshot is kept in the build folder).
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include "WindowFixture.h"
#include "platform/Platform.h"
#include "text/Utf.h"
#include "ui/models/CalculationPageModel.h"
#include "ui/models/CalibrationPageModel.h"
#include "ui/models/ComponentsPageModel.h"
#include "ui/models/MethaneNumberPageModel.h"
#include "ui/win32/ModuleTable.h"

namespace ui {
namespace {

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

struct ResultPage {
    int tab;
    const char* name;
    PageTable (*build)(const CalcContext&);
    bool images;
};

const ResultPage kResultPages[] = {
    {1, "calibration", &BuildCalibrationPage, true},
    {2, "components", &BuildComponentsPage, true},
    {3, "calculation", &BuildCalculationPage, false},
    {4, "methane_number", &BuildMethaneNumberPage, false},
};

std::string JournalText(const CalcContext& context) {
    std::string text;
    for (const JournalEntry& entry : context.journal.entries) {
        text += Utf16ToUtf8(entry.text) + "\n";
    }
    return text;
}

// The text Ctrl+C must give for the selected rows of a model.
std::wstring CopiedText(const PageTable& table, const std::vector<int>& rows) {
    std::wstring text;
    for (const PageColumn& column : table.columns) {
        if (column.visible()) {
            text += Wide(column.header) + L"\t";
        }
    }
    text += L"\n";
    for (int row : rows) {
        for (size_t column = 0; column < table.columns.size(); ++column) {
            if (table.columns[column].visible()) {
                text += Wide(table.rows[static_cast<size_t>(row)][column]) + L"\t";
            }
        }
        text += L"\n";
    }
    return text;
}

// A column the user drags wider keeps its width when the page comes back while the window is open, and
// the next window fits it to its texts again.
TEST_F(WindowTest, AColumnTheUserSizedKeepsItsWidthWhileTheWindowIsOpen) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, 2);
    HWND header = ListView_GetHeader(PageList(main));
    const int fitted = ListView_GetColumnWidth(PageList(main), 1);
    RECT item{};
    Header_GetItemRect(header, 1, &item);
    const int y = (item.top + item.bottom) / 2;
    SendMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(item.right - 1, y));
    SendMessageW(header, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(item.right + 39, y));
    SendMessageW(header, WM_LBUTTONUP, 0, MAKELPARAM(item.right + 39, y));
    PumpMessages();
    const int dragged = ListView_GetColumnWidth(PageList(main), 1);
    EXPECT_EQ(dragged, fitted + 40);
    SelectTab(main, 3);
    SelectTab(main, 2);
    EXPECT_EQ(ListView_GetColumnWidth(PageList(main), 1), dragged);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    PumpMessages();
    main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, 2);
    EXPECT_EQ(ListView_GetColumnWidth(PageList(main), 1), fitted);
}

TEST_F(WindowTest, ResultPagesShowTheirModelsOfTheWindowsRun) {
    const CalcContext expected = CalculateLikeTheWindow(profile, database);
    ASSERT_FALSE(expected.components.empty()) << JournalText(expected);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    for (const ResultPage& page : kResultPages) {
        SCOPED_TRACE(page.name);
        BoxCatcher catcher;
        SelectTab(main, page.tab);
        EXPECT_TRUE(catcher.boxes.empty()); // the demo calculation passes
        const PageTable table = page.build(expected);
        HWND list = PageList(main);
        ASSERT_NE(list, nullptr);
        std::vector<std::wstring> headers;
        std::vector<int> widths;
        for (const PageColumn& column : table.columns) {
            headers.push_back(Wide(column.header));
            widths.push_back(column.widthPixels);
        }
        EXPECT_EQ(HeaderTexts(list), headers);
        ExpectColumnsFit(list, widths);
        Screenshot(main, std::string("columns_fit_") + page.name);
        const auto rows = Rows(list);
        ASSERT_EQ(rows.size(), table.rows.size());
        for (size_t row = 0; row < rows.size(); ++row) {
            for (size_t column = 0; column < table.columns.size(); ++column) {
                EXPECT_EQ(rows[row][column], Wide(table.rows[row][column]))
                    << "row " << row << " column " << column;
            }
            if (page.images) {
                EXPECT_EQ(RowImage(list, static_cast<int>(row)), table.rowMarks[row]) << "row " << row;
            }
        }
        Screenshot(main, std::string("page0") + std::to_string(page.tab) + "_" + page.name);
    }
    // The journal of a passing demo run is empty and the strip stays green.
    EXPECT_EQ(ListView_GetItemCount(JournalList(main)), static_cast<int>(expected.journal.entries.size()));
}

TEST_F(WindowTest, ResultListsStripeTheirRowsAndCopyWithCtrlC) {
    const CalcContext expected = CalculateLikeTheWindow(profile, database);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, 2);
    HWND list = PageList(main);
    const PageTable table = BuildComponentsPage(expected);
    ASSERT_GE(table.rows.size(), 3u);

    // Even rows on the button face, odd rows on the window colour (a point right of every column).
    RECT row0{};
    RECT row1{};
    ListView_GetItemRect(list, 0, &row0, LVIR_BOUNDS);
    ListView_GetItemRect(list, 1, &row1, LVIR_BOUNDS);
    SelectRows(list, {});
    const int x = row0.left + ListView_GetColumnWidth(list, 0) - 6;
    EXPECT_EQ(ScreenPixel(list, x, (row0.top + row0.bottom) / 2), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(ScreenPixel(list, x, (row1.top + row1.bottom) / 2), GetSysColor(COLOR_WINDOW));

    EmptyTheClipboard();
    PressCtrlKey(list, 'C');
    EXPECT_EQ(ClipboardText(), CopiedText(table, {})); // the header line only

    SelectRows(list, {0, 2});
    PressCtrlKey(list, 'C');
    EXPECT_EQ(ClipboardText(), CopiedText(table, {0, 2}));

    PressCtrlKey(list, 'A');
    EXPECT_EQ(SelectedCount(list), static_cast<int>(table.rows.size()));
    PressCtrlKey(list, 'C');
    std::vector<int> all;
    for (size_t row = 0; row < table.rows.size(); ++row) {
        all.push_back(static_cast<int>(row));
    }
    const std::wstring text = ClipboardText();
    EXPECT_EQ(text, CopiedText(table, all));
    // Longer than a capacity of 80 characters per cell would allow for a short list: nothing is cut.
    EXPECT_GT(text.size(), 200u);

    // The journal list copies too (its header line when it is empty).
    PressCtrlKey(JournalList(main), 'C');
    EXPECT_EQ(ClipboardText(), L"Раздел\tОписание\t\n");
}

TEST_F(WindowTest, AboutPageListsTheFourModulesWithVersionsAndIdentifiers) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, 11);
    HWND list = PageList(main);
    EXPECT_EQ(HeaderTexts(list),
              (std::vector<std::wstring>{L"Имя файла", L"Версия", L"Алгоритм", L"Контрольная сумма"}));
    const auto rows = Rows(list);
    const std::wstring names[] = {L"TarvelPlugin.dll", L"Tarvel31371720.dll", L"Tarvel3136921.dll",
                                  L"Tarvel3470420.dll"};
    // The four modules, then the table of metrological characteristics in force (no file beside the
    // library: the built-in table, without a file to identify).
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[4], (std::vector<std::wstring>{L"Tarvel31371720.tsv", L"встроенная", L"", L""}));
    for (size_t row = 0; row < std::size(names); ++row) {
        SCOPED_TRACE(Narrow(names[row]));
        EXPECT_EQ(rows[row][0], names[row]);
        EXPECT_EQ(rows[row][1], L"1.0.6.21");
        EXPECT_EQ(rows[row][2], L"SHA1");
        const std::wstring& identifier = rows[row][3];
        ASSERT_EQ(identifier.size(), 44u);
        for (size_t position : {8u, 17u, 26u, 35u}) {
            EXPECT_EQ(identifier[position], L'-') << position;
        }
        platform::Sha1Digest digest{};
        ASSERT_TRUE(platform::Sha1OfFile(
            BinaryFolder() + std::u16string(names[row].begin(), names[row].end()), digest));
        EXPECT_EQ(identifier, Wide(ModuleIdentifier(digest)));
    }
    wchar_t description[1024] = {};
    GetDlgItemTextW(CurrentPage(main), 1050, description, 1024);
    EXPECT_EQ(std::wstring(description).rfind(L"Определение состава с оценкой неопределённости", 0), 0u);
    // The checksum column takes the rest of the list's width.
    RECT client{};
    GetWindowRect(list, &client);
    int sum = 0;
    for (int width : ColumnWidths(list)) {
        sum += width;
    }
    EXPECT_EQ(sum, client.right - client.left - 7);
    Screenshot(main, "page11_about");
}

TEST(ModuleIdentifier, GroupsTheDigestInFivesOfEightHexadecimalDigits) {
    platform::Sha1Digest digest{};
    for (size_t index = 0; index < digest.size(); ++index) {
        digest[index] = static_cast<uint8_t>(index * 17 + 1);
    }
    EXPECT_EQ(ModuleIdentifier(digest), u"01122334-45566778-899aabbc-cddeef00-11223344");
}

TEST_F(WindowTest, EveryPageOpensInsideTheTabsDisplayArea) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    const int templates[] = {109, 111, 119, 117, 123, 195, 198, 107, 121, 126, 105, 125};
    const char* names[] = {"chromatograms",  "calibration", "components", "calculation",
                           "methane_number", "report",      "export",     "mixtures",
                           "aliases",        "constants",   "settings",   "about"};
    for (int tab = 11; tab >= 0; --tab) {
        SCOPED_TRACE(names[tab]);
        SelectTab(main, tab);
        HWND page = CurrentPage(main);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(GetDlgCtrlID(page), templates[tab]);
        RECT area = WindowRectangle(TabControl(main));
        TabCtrl_AdjustRect(TabControl(main), FALSE, &area);
        const RECT placed = WindowRectangle(page);
        EXPECT_TRUE(EqualRect(&placed, &area));
        // No control reaches beyond the page.
        RECT client{};
        GetClientRect(page, &client);
        for (HWND control = GetWindow(page, GW_CHILD); control != nullptr;
             control = GetWindow(control, GW_HWNDNEXT)) {
            if (!IsWindowVisible(control)) {
                continue;
            }
            const RECT rectangle = ChildRectangle(control);
            EXPECT_LE(rectangle.right, client.right) << GetDlgCtrlID(control);
            EXPECT_LE(rectangle.bottom, client.bottom) << GetDlgCtrlID(control);
        }
        if (tab >= 5 && tab != 11) {
            Screenshot(main, (tab < 10 ? "page0" : "page") + std::to_string(tab) + "_" + names[tab]);
        }
    }
}

} // namespace
} // namespace ui
