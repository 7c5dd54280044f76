// The constants page and dialog 202: numbers shown with their stored digits or "%g", a visit that keeps
// every record as read, notice 185 for a component added twice, numbers that keep their typed decimals
// through the profile, and every number the store could not keep refused with its notice.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <map>

#include "ModalDriver.h"
#include "ResourceIds.h"
#include "WindowFixture.h"

namespace ui {
namespace {

constexpr int kAliasesTab = 8;
constexpr int kConstantsTab = 9;

class ConstantsPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        for (auto it = Profile().begin(); it != Profile().end();) {
            it = it->first.starts_with(u"Tarvel/Constant") ? Profile().erase(it) : std::next(it);
        }
    }
    std::map<std::u16string, std::u16string>& Profile() { return hosted->Host().Host().profile; }
    HWND OpenConstants() {
        HWND main = Open();
        if (main != nullptr) {
            SelectTab(main, kConstantsTab);
        }
        return main;
    }
    // Adds a constant with the numbers typed; the boxes shown meanwhile are in boxes.
    void AddTyped(HWND main, const std::wstring& fraction, const std::wstring& uncertainty, bool& saved) {
        ModalActor actor(L"Компонент", [&](HWND dialog) {
            SetText(dialog, IDC_ENTRY_FRACTION, fraction);
            SetText(dialog, IDC_ENTRY_UNCERTAINTY, uncertainty);
            Click(dialog, IDOK);
            saved = !IsWindowVisible(dialog);
        });
        Click(CurrentPage(main), IDC_PAGE_ADD);
        EXPECT_TRUE(actor.Acted());
    }
};

TEST_F(ConstantsPageTest, AVisitKeepsRecordsAsReadAndShowsThemWithTheirDigits) {
    Profile()[u"Tarvel/Constant000"] = u"water/0.500000/0.050000";
    Profile()[u"Tarvel/Constant001"] = u"helium/0.012000/0.001000/3/4";
    HWND main = OpenConstants();
    ASSERT_NE(main, nullptr);
    const std::vector<std::vector<std::wstring>> expected = {
        {L"вода", L"0.5", L"0.05"},
        {L"Гелий", L"0.012", L"0.0010"},
    };
    EXPECT_EQ(Rows(PageList(main)), expected);
    EXPECT_EQ(HeaderTexts(PageList(main)),
              (std::vector<std::wstring>{L"Компонент", L"Концентрация", L"Расширенная неопределенность"}));
    Screenshot(main, "page09_constants");
    SelectTab(main, kAliasesTab);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Constant000"], u"water/0.500000/0.050000/-1/-1");
    EXPECT_EQ(Profile()[u"Tarvel/Constant001"], u"helium/0.012000/0.001000/3/4");
}

TEST_F(ConstantsPageTest, AddingAComponentTwiceShowsNotice185AndTypedDecimalsSurviveTheProfile) {
    HWND main = OpenConstants();
    ASSERT_NE(main, nullptr);
    bool saved = false;
    ModalActor actor(L"Компонент", [&](HWND dialog) {
        Screenshot(dialog, "constant_entry_dialog");
        EXPECT_EQ(ComboSelection(dialog, IDC_ENTRY_COMPONENT), L"вода");
        EXPECT_EQ(Text(dialog, IDC_ENTRY_FRACTION), L"0");
        // A decimal comma, as Russian users type it, is stored and shown with a point.
        SetText(dialog, IDC_ENTRY_FRACTION, L"0,0004");
        SetText(dialog, IDC_ENTRY_UNCERTAINTY, L" 0,00000004 ");
        Click(dialog, IDOK);
    });
    Click(CurrentPage(main), IDC_PAGE_ADD);
    ASSERT_TRUE(actor.Acted());
    {
        BoxCatcher catcher;
        AddTyped(main, L"0.50", L"0.05", saved);
        EXPECT_TRUE(saved);
        ASSERT_EQ(catcher.boxes.size(), 1u);
        EXPECT_EQ(catcher.boxes[0].caption, L"Предупреждение");
        EXPECT_EQ(catcher.boxes[0].text,
                  L"Вы пытаетесь добавить компонент \"вода\", который уже есть в списке.");
    }
    EXPECT_EQ(Rows(PageList(main)),
              (std::vector<std::vector<std::wstring>>{{L"вода", L"0.0004", L"0.00000004"}}));
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Profile()[u"Tarvel/Constant000"], u"water/0.000400/0.00000004/4/8");

    // The window opened again reads the numbers back as typed.
    main = OpenConstants();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Rows(PageList(main)),
              (std::vector<std::vector<std::wstring>>{{L"вода", L"0.0004", L"0.00000004"}}));
}

TEST_F(ConstantsPageTest, NumbersTheStoreCannotKeepAreRefusedWithTheirNotices) {
    HWND main = OpenConstants();
    ASSERT_NE(main, nullptr);
    struct Refused {
        std::wstring fraction;
        std::wstring uncertainty;
        std::wstring notice;
    };
    const Refused refused[] = {
        {L"abc", L"0.1", L"Значение \"abc\" не является числом."},
        {L"", L"0.1", L"Значение \"\" не является числом."},
        {L"0,5,1", L"0.1", L"Значение \"0,5,1\" не является числом."},
        {L"0.5", L"0,1.", L"Значение \"0,1.\" не является числом."},
        {L"1e-5", L"0.1", L"Значение \"1e-5\" не является числом."},
        {L"-1", L"0.1", L"Значение \"-1\" не может быть отрицательным."},
        {L"0.5", L"-0.01", L"Значение \"-0.01\" не может быть отрицательным."},
        {L"100.01", L"0.1", L"Молярная доля 100.01 больше 100 мол. %."},
        {L"0.1234567890123456", L"0.1",
         L"Число знаков после запятой должно быть целым числом от 0 до 15, введено \"0.1234567890123456\"."},
        {L"0.5", std::wstring(250, L'9'), L"Текст длиннее 255 символов не может быть сохранён."},
    };
    for (const Refused& input : refused) {
        BoxCatcher catcher;
        bool saved = true;
        AddTyped(main, input.fraction, input.uncertainty, saved);
        EXPECT_FALSE(saved) << Narrow(input.fraction);
        ASSERT_EQ(catcher.boxes.size(), 1u) << Narrow(input.fraction);
        EXPECT_EQ(catcher.boxes[0].text, input.notice);
    }
    EXPECT_EQ(ListView_GetItemCount(PageList(main)), 0);
    bool saved = false;
    AddTyped(main, L"100", L"0", saved);
    EXPECT_TRUE(saved);
    EXPECT_EQ(Rows(PageList(main)), (std::vector<std::vector<std::wstring>>{{L"вода", L"100", L"0"}}));
}

} // namespace
} // namespace ui
