// The mixtures page and dialog 200: rows of the stored records, a visit that stores every record as it
// was read (type 2 included), the dialog choosing the exact mixture and component names before a longer
// name they begin, adding, deleting, and a name the settings store cannot keep refused where chosen.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <sqlite3.h>

#include <map>

#include "ModalDriver.h"
#include "ResourceIds.h"
#include "WindowFixture.h"
#include "text/Utf.h"

namespace ui {
namespace {

constexpr int kMixturesTab = 7;
constexpr int kAliasesTab = 8;

class MixturesPageTest : public WindowTest {
protected:
    std::map<std::u16string, std::u16string>& Profile() { return hosted->Host().Host().profile; }
    // The demo database with further mixtures appended (after the demo's own, in the order given).
    void UseDatabaseWithMixtures(const std::vector<std::string>& names) {
        const std::u16string copy = folder + u"mixtures.db";
        ASSERT_TRUE(CopyFileTo(database, copy));
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open16(copy.c_str(), &db), SQLITE_OK);
        for (const std::string& name : names) {
            const std::string sql = "INSERT INTO mixture (name) VALUES ('" + name + "');";
            EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << name;
        }
        sqlite3_close(db);
        UseDatabase(copy);
    }
    void DoubleClickRow(HWND page, int row) {
        NMITEMACTIVATE activate{};
        activate.hdr = {PageList(GetAncestor(page, GA_ROOT)), IDC_PAGE_LIST, static_cast<UINT>(NM_DBLCLK)};
        activate.iItem = row;
        SendMessageW(page, WM_NOTIFY, IDC_PAGE_LIST, reinterpret_cast<LPARAM>(&activate));
    }
};

TEST_F(MixturesPageTest, AVisitStoresEveryRecordAsItWasReadTypeTwoIncluded) {
    Profile()[u"Tarvel/Mixtures000"] = u"-/СО-ИПГ № 0417-23/СО-ПГМ № 1182-23/0/2";
    Profile()[u"Tarvel/Mixtures001"] = u"ethane/СО-ИПГ № 0521-23 (1)/-/1/0";
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kMixturesTab);
    const std::vector<std::vector<std::wstring>> expected = {
        {L"*", L"СО-ИПГ № 0417-23", L"СО-ПГМ № 1182-23", L"СО-ИПГ", L"СО-ПГМ"},
        {L"Этан", L"СО-ИПГ № 0521-23 (1)", L"—", L"СО-ПГМ", L"—"},
    };
    EXPECT_EQ(Rows(PageList(main)), expected);
    EXPECT_EQ(HeaderTexts(PageList(main)),
              (std::vector<std::wstring>{L"Компонент", L"ГСО1", L"ГСО2", L"Тип ГСО1", L"Тип ГСО2"}));
    Screenshot(main, "page07_mixtures");
    SelectTab(main, kAliasesTab);
    SelectTab(main, kMixturesTab);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Mixtures000"], u"-/СО-ИПГ № 0417-23/СО-ПГМ № 1182-23/0/2");
    EXPECT_EQ(Profile()[u"Tarvel/Mixtures001"], u"ethane/СО-ИПГ № 0521-23 (1)/-/1/0");
}

TEST_F(MixturesPageTest, TheDialogChoosesTheExactNameBeforeALongerOneItBegins) {
    // "СО-ИПГ № 0417" begins the demo's first mixture, listed before it; the alias "Этан" begins
    // methane's alias "Этан1", listed before ethane.
    UseDatabaseWithMixtures({"СО-ИПГ № 0417"});
    Profile()[u"Tarvel/Aliase000"] = u"methane/Этан1";
    Profile()[u"Tarvel/Mixtures000"] = u"ethane/СО-ИПГ № 0417/-/1/0";
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kMixturesTab);
    ModalActor actor(L"ГСО", [&](HWND dialog) {
        Screenshot(dialog, "mixture_entry_dialog");
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_COMPONENT), L"Этан");
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_MIXTURE1_NAME), L"СО-ИПГ № 0417");
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_MIXTURE2_NAME), L"—");
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_MIXTURE1_TYPE), L"СО-ПГМ");
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_MIXTURE2_TYPE), L"СО-ИПГ");
        Click(dialog, IDOK);
    });
    DoubleClickRow(CurrentPage(main), 0);
    ASSERT_TRUE(actor.Acted());
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Mixtures000"], u"ethane/СО-ИПГ № 0417/-/1/0");
}

TEST_F(MixturesPageTest, AddingForEveryComponentRefusesANameWithASlashAndDeletingRemovesRows) {
    UseDatabaseWithMixtures({"ГСО 1/2"});
    Profile()[u"Tarvel/Mixtures000"] = u"-/СО-ИПГ № 0417-23/-/0/0";
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kMixturesTab);
    BoxCatcher catcher;
    bool refusedStayedOpen = false;
    ModalActor actor(L"ГСО", [&](HWND dialog) {
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_COMPONENT), L"*");
        const int slashed = static_cast<int>(SendDlgItemMessageW(dialog, IDC_ENTRY_MIXTURE2_NAME,
                                                                 CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                                                 reinterpret_cast<LPARAM>(L"ГСО 1/2")));
        ASSERT_GT(slashed, 0);
        SelectComboIndex(dialog, IDC_ENTRY_MIXTURE2_NAME, slashed);
        SelectComboIndex(dialog, IDC_ENTRY_MIXTURE1_NAME, 1);
        SelectComboIndex(dialog, IDC_ENTRY_MIXTURE2_TYPE, 1);
        Click(dialog, IDOK);
        refusedStayedOpen = IsWindowVisible(dialog) != FALSE;
        SelectComboIndex(dialog, IDC_ENTRY_MIXTURE2_NAME, 3); // after "—"
        Click(dialog, IDOK);
    });
    Click(CurrentPage(main), IDC_PAGE_ADD);
    ASSERT_TRUE(actor.Acted());
    EXPECT_TRUE(refusedStayedOpen);
    ASSERT_EQ(catcher.boxes.size(), 1u);
    EXPECT_EQ(catcher.boxes[0].text, L"Имя \"ГСО 1/2\" не может содержать символ \"/\".");
    const auto rows = Rows(PageList(main));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (std::vector<std::wstring>{L"*", L"СО-ПГМ № 1182-23", L"СО-ИПГ № 0521-23 (1)",
                                                  L"СО-ИПГ", L"СО-ПГМ"}));
    SelectRows(PageList(main), {0});
    Click(CurrentPage(main), IDC_PAGE_DELETE);
    EXPECT_EQ(Rows(PageList(main)).size(), 1u);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Mixtures000"], u"-/СО-ПГМ № 1182-23/СО-ИПГ № 0521-23 (1)/0/1");
    EXPECT_EQ(Profile().count(u"Tarvel/Mixtures001"), 0u);
}

} // namespace
} // namespace ui
