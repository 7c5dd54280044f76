// The aliases page and its in-place editor: the keys that accept and cancel, focus loss, scrolling,
// every alias the lookup or the settings store could not use refused with its notice, and methane
// renamed to CH4 found again by the next calculation on a database that names it so.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <sqlite3.h>

#include <map>

#include "ModalDriver.h"
#include "ResourceIds.h"
#include "WindowFixture.h"

namespace ui {
namespace {

constexpr int kComponentsTab = 2;
constexpr int kAliasesTab = 8;
constexpr int kMethaneRow = 0;
constexpr int kEthaneRow = 1;

class AliasesPageTest : public WindowTest {
protected:
    std::map<std::u16string, std::u16string>& Profile() { return hosted->Host().Host().profile; }
    HWND OpenAliases() {
        HWND main = Open();
        if (main != nullptr) {
            SelectTab(main, kAliasesTab);
        }
        return main;
    }
    // A double click on the alias of a row, which first focuses the row as the first click does.
    HWND OpenEditor(HWND main, int row) {
        HWND list = PageList(main);
        ListView_SetItemState(list, row, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        NMITEMACTIVATE activate{};
        activate.hdr = {list, IDC_PAGE_LIST, static_cast<UINT>(NM_DBLCLK)};
        activate.iItem = row;
        activate.iSubItem = 1;
        SendMessageW(CurrentPage(main), WM_NOTIFY, IDC_PAGE_LIST, reinterpret_cast<LPARAM>(&activate));
        return GetDlgItem(list, IDC_ALIAS_EDITOR);
    }
    static void Type(HWND editor, const std::wstring& text, UINT key) {
        SetWindowTextW(editor, text.c_str());
        SendMessageW(editor, WM_KEYDOWN, key, 1);
        PumpMessages();
    }
    std::wstring Alias(HWND main, int row) { return Rows(PageList(main))[static_cast<size_t>(row)][1]; }
};

TEST_F(AliasesPageTest, TheEditorCoversTheCellWithItsTextAndFollowsItsKeys) {
    HWND main = OpenAliases();
    ASSERT_NE(main, nullptr);
    HWND list = PageList(main);
    EXPECT_EQ(HeaderTexts(list), (std::vector<std::wstring>{L"Компонент", L"Псевдоним"}));
    EXPECT_EQ(Rows(list)[kMethaneRow], (std::vector<std::wstring>{L"methane", L"Метан"}));

    HWND editor = OpenEditor(main, kEthaneRow);
    ASSERT_NE(editor, nullptr);
    RECT cell{};
    ListView_GetSubItemRect(list, kEthaneRow, 1, LVIR_LABEL, &cell);
    const RECT shown = ChildRectangle(editor);
    EXPECT_EQ(shown.left, cell.left - 2);
    EXPECT_EQ(shown.top, cell.top - 2);
    EXPECT_EQ(shown.right, cell.right + 2);
    EXPECT_EQ(shown.bottom, cell.bottom + 2);
    wchar_t text[64] = {};
    GetWindowTextW(editor, text, 64);
    EXPECT_STREQ(text, L"Этан");
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 4u);
    Screenshot(main, "page08_aliases_editor");

    Type(editor, L"C2H6", VK_ESCAPE);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Alias(main, kEthaneRow), L"Этан");

    Type(OpenEditor(main, kEthaneRow), L"C2H6", VK_RETURN);
    EXPECT_EQ(Alias(main, kEthaneRow), L"C2H6");
    Type(OpenEditor(main, kEthaneRow), L"Этан-2", VK_TAB);
    EXPECT_EQ(Alias(main, kEthaneRow), L"Этан-2");

    // Focus elsewhere accepts; scrolling the list cancels.
    editor = OpenEditor(main, 2);
    SetWindowTextW(editor, L"C3H8");
    SetFocus(list);
    PumpMessages();
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Alias(main, 2), L"C3H8");
    editor = OpenEditor(main, 3);
    SetWindowTextW(editor, L"iC4");
    SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Alias(main, 3), L"И-бутан");

    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Aliase001"], u"ethane/Этан-2");
    EXPECT_EQ(Profile()[u"Tarvel/Aliase002"], u"propane/C3H8");
    EXPECT_EQ(Profile()[u"Tarvel/Aliase003"], u"2_methylpropane/И-бутан");
}

TEST_F(AliasesPageTest, AliasesTheLookupOrTheStoreCannotUseAreRefusedWithTheirNotices) {
    HWND main = OpenAliases();
    ASSERT_NE(main, nullptr);
    struct Refused {
        std::wstring typed;
        std::wstring notice;
    };
    const Refused refused[] = {
        {L"", L"Псевдоним компонента \"methane\" не может быть пустым."},
        {L"Ме/тан", L"Имя \"Ме/тан\" не может содержать символ \"/\"."},
        {L"эТаН", L"Псевдоним \"эТаН\" уже есть у компонента \"ethane\"."},
        {std::wstring(248, L'м'), L"Текст длиннее 247 символов не может быть сохранён."},
    };
    HWND editor = OpenEditor(main, kMethaneRow);
    for (const Refused& input : refused) {
        BoxCatcher catcher;
        Type(editor, input.typed, VK_RETURN);
        ASSERT_EQ(catcher.boxes.size(), 1u);
        EXPECT_EQ(catcher.boxes[0].text, input.notice);
        EXPECT_TRUE(IsWindow(editor)); // Enter on a refused alias keeps the editor for a correction
        EXPECT_EQ(Alias(main, kMethaneRow), L"Метан");
    }
    Type(editor, std::wstring(247, L'м'), VK_RETURN);
    EXPECT_FALSE(IsWindow(editor));
    // Refused on focus loss: the notice, and the cell keeps its text.
    editor = OpenEditor(main, kEthaneRow);
    BoxCatcher catcher;
    SetWindowTextW(editor, L"");
    SetFocus(PageList(main));
    PumpMessages();
    EXPECT_EQ(catcher.boxes.size(), 1u);
    EXPECT_FALSE(IsWindow(editor));
    EXPECT_EQ(Alias(main, kEthaneRow), L"Этан");
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Aliase000"], u"methane/" + std::u16string(247, u'м'));
    EXPECT_EQ(Profile()[u"Tarvel/Aliase001"], u"ethane/Этан");
}

TEST_F(AliasesPageTest, MethaneRenamedToCH4IsFoundByTheNextCalculation) {
    const std::u16string copy = folder + u"ch4.db";
    ASSERT_TRUE(CopyFileTo(database, copy));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open16(copy.c_str(), &db), SQLITE_OK);
    for (const char* sql : {"UPDATE peak SET name = 'CH4' WHERE name = 'Метан';",
                            "UPDATE mixturecomp SET name = 'CH4' WHERE name = 'Метан';"}) {
        EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    }
    sqlite3_close(db);
    UseDatabase(copy);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    {
        // Under the alias Метан the database has no methane: the calculation fails.
        BoxCatcher catcher;
        SelectTab(main, kComponentsTab);
        EXPECT_EQ(catcher.boxes.size(), 1u);
    }
    SelectTab(main, kAliasesTab);
    Type(OpenEditor(main, kMethaneRow), L"CH4", VK_RETURN);
    {
        BoxCatcher catcher;
        SelectTab(main, kComponentsTab);
        EXPECT_TRUE(catcher.boxes.empty());
    }
    bool listed = false;
    for (const auto& row : Rows(PageList(main))) {
        listed = listed || row[0] == L"CH4";
    }
    EXPECT_TRUE(listed);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Aliase000"], u"methane/CH4");
}

} // namespace
} // namespace ui
