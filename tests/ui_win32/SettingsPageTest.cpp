// The settings page and the view-settings dialogs: every control reaches the profile the test host
// records when the window closes, an empty profile shows the defaults, stored list indices out of range
// give the defaults, a visit changes no box that was not touched (the disabled and hidden ones), the
// enabling rules and Cancel
// of a view dialog, refused decimals, and a view change reaching the components page.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <map>

#include "ModalDriver.h"
#include "ResourceIds.h"
#include "WindowFixture.h"
#include "text/Utf.h"
#include "ui/models/ComponentsPageModel.h"

namespace ui {
namespace {

constexpr int kComponentsTab = 2;
constexpr int kMixturesTab = 7;
constexpr int kSettingsTab = 10;

struct BoxCase {
    int id;
    const char16_t* key;
    bool byDefault;
};
// The boxes the user can click.
const BoxCase kBoxes[] = {
    {IDC_SETTINGS_CARBON_DIOXIDE, u"Tarvel/clbrCarbonDioxide", true},
    {IDC_SETTINGS_NITROGEN, u"Tarvel/clbrNitrogen", true},
    {IDC_SETTINGS_OXYGEN, u"Tarvel/clbrOxygen", true},
    {IDC_SETTINGS_CALIBRATION_CONTROL, u"Tarvel/clbrControl", true},
    {IDC_SETTINGS_PRESSURE, u"Tarvel/clcPressure", false},
    {IDC_SETTINGS_METHANE_DIFF, u"Tarvel/clcMethaneDiff", true},
    {IDC_SETTINGS_IDENTITY_MATRIX, u"Tarvel/clcIdentityMatrix", true},
    {IDC_SETTINGS_MIXTURE_CONFORMITY, u"Tarvel/clcMixtureConformity", true},
    {IDC_SETTINGS_RESULT_CONTROL, u"Tarvel/clcControl", true},
    {IDC_SETTINGS_EXT_RANGE, u"Tarvel/clcExtRange", false},
};

struct ListCase {
    int id;
    const char16_t* key;
    const wchar_t* defaultText;
    int chosen;
    const wchar_t* chosenText;
};
const ListCase kLists[] = {
    {IDC_SETTINGS_METHOD, u"Tarvel/clbrCalcMethod", L"Метод А", 2, L"Метод В1"},
    {IDC_SETTINGS_MEASURE_TEMP, u"Tarvel/clcMeasureTemp", L"20", 2, L"15.55"},
    {IDC_SETTINGS_BURNOUT_TEMP, u"Tarvel/clcBurnoutTemp", L"25", 0, L"0"},
    {IDC_SETTINGS_DEVICE, u"Tarvel/clcDeviceType", L"Лабораторный", 1, L"Потоковый"},
};

std::string Key(const char16_t* key) {
    return Utf16ToUtf8(key);
}

class SettingsPageTest : public WindowTest {
protected:
    std::map<std::u16string, std::u16string>& Profile() { return hosted->Host().Host().profile; }
    void Close(HWND main) { SendMessageW(main, WM_COMMAND, IDOK, 0); }
};

TEST_F(SettingsPageTest, AnEmptyProfileShowsTheDefaultsAndStoresThemBack) {
    Profile().clear();
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kSettingsTab);
    HWND page = CurrentPage(main);
    for (const BoxCase& box : kBoxes) {
        EXPECT_EQ(Checked(page, box.id), box.byDefault) << Key(box.key);
    }
    for (const ListCase& list : kLists) {
        EXPECT_EQ(ComboSelection(page, list.id), list.defaultText) << Key(list.key);
    }
    EXPECT_TRUE(Checked(page, IDC_SETTINGS_CALIBRATION_CONFORMITY));
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_CALIBRATION_CONFORMITY));
    EXPECT_FALSE(Checked(page, IDC_SETTINGS_TEMPERATURE));
    EXPECT_FALSE(Enabled(page, IDC_SETTINGS_TEMPERATURE));
    EXPECT_TRUE(Checked(page, IDC_SETTINGS_CTL_RANGE));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_SETTINGS_CTL_RANGE)));
    Screenshot(main, "settings_page_defaults");
    Close(main);
    for (const BoxCase& box : kBoxes) {
        EXPECT_EQ(Profile()[box.key], box.byDefault ? u"1" : u"0") << Key(box.key);
    }
    EXPECT_EQ(Profile()[u"Tarvel/clcMeasureTemp"], u"3");
    EXPECT_EQ(Profile()[u"Tarvel/clcBurnoutTemp"], u"4");
}

TEST_F(SettingsPageTest, EveryControlReachesTheProfile) {
    Profile().clear();
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kSettingsTab);
    HWND page = CurrentPage(main);
    for (const BoxCase& box : kBoxes) {
        Click(page, box.id);
    }
    for (const ListCase& list : kLists) {
        SelectComboIndex(page, list.id, list.chosen);
    }
    // Another input page: the settings are committed and shown again on the next visit.
    SelectTab(main, kMixturesTab);
    SelectTab(main, kSettingsTab);
    page = CurrentPage(main);
    for (const BoxCase& box : kBoxes) {
        EXPECT_EQ(Checked(page, box.id), !box.byDefault) << Key(box.key);
    }
    for (const ListCase& list : kLists) {
        EXPECT_EQ(ComboSelection(page, list.id), list.chosenText) << Key(list.key);
    }
    Close(main);
    for (const BoxCase& box : kBoxes) {
        EXPECT_EQ(Profile()[box.key], box.byDefault ? u"0" : u"1") << Key(box.key);
    }
    for (const ListCase& list : kLists) {
        EXPECT_EQ(Profile()[list.key], Utf8ToUtf16(std::to_string(list.chosen))) << Key(list.key);
    }
}

TEST_F(SettingsPageTest, OutOfRangeIndicesGiveTheDefaultsAndAVisitKeepsTheBoxesTheUserCannotClick) {
    const std::map<std::u16string, std::u16string> stored = {
        {u"Tarvel/clbrCalcMethod", u"9"},        {u"Tarvel/clcMeasureTemp", u"-1"},
        {u"Tarvel/clcBurnoutTemp", u"5"},        {u"Tarvel/clcDeviceType", u"2"},
        {u"Tarvel/clbrMixtureConformity", u"0"}, {u"Tarvel/clcCtlRange", u"0"},
    };
    for (const auto& [key, value] : stored) {
        Profile()[key] = value;
    }
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    for (int visit = 0; visit < 2; ++visit) {
        SelectTab(main, kSettingsTab);
        HWND page = CurrentPage(main);
        for (const ListCase& list : kLists) {
            EXPECT_EQ(ComboSelection(page, list.id), list.defaultText) << Key(list.key);
        }
        EXPECT_FALSE(Checked(page, IDC_SETTINGS_CALIBRATION_CONFORMITY));
        EXPECT_FALSE(Checked(page, IDC_SETTINGS_CTL_RANGE));
        SelectTab(main, kMixturesTab);
    }
    Close(main);
    const std::map<std::u16string, std::u16string> saved = {
        {u"Tarvel/clbrCalcMethod", u"0"},        {u"Tarvel/clcMeasureTemp", u"3"},
        {u"Tarvel/clcBurnoutTemp", u"4"},        {u"Tarvel/clcDeviceType", u"0"},
        {u"Tarvel/clbrMixtureConformity", u"0"}, {u"Tarvel/clcCtlRange", u"0"},
    };
    for (const auto& [key, value] : saved) {
        EXPECT_EQ(Profile()[key], value) << Utf16ToUtf8(key);
    }
}

TEST_F(SettingsPageTest, AViewDialogEnablesItsRowsByTheirBoxesAndCancelStoresNothing) {
    Profile().clear();
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kSettingsTab);
    HWND page = CurrentPage(main);
    ModalActor actor(L"Представление: Компоненты", [&](HWND dialog) {
        Screenshot(dialog, "view_components_dialog");
        // Конц.(мол.%) shown and rounded by the standard: ГОСТ enabled, decimals not.
        EXPECT_TRUE(Checked(dialog, IDC_VIEW_COMP_SHOW_CONC_MOL));
        EXPECT_TRUE(Enabled(dialog, IDC_VIEW_COMP_GOST_CONC_MOL));
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_COMP_SCALE_CONC_MOL));
        EXPECT_EQ(Text(dialog, IDC_VIEW_COMP_SCALE_CONC_MOL), L"4");
        Click(dialog, IDC_VIEW_COMP_SHOW_CONC_MOL);
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_COMP_GOST_CONC_MOL));
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_COMP_SCALE_CONC_MOL));
        Click(dialog, IDC_VIEW_COMP_SHOW_CONC_MOL);
        EXPECT_TRUE(Enabled(dialog, IDC_VIEW_COMP_GOST_CONC_MOL));
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_COMP_SCALE_CONC_MOL));
        Click(dialog, IDC_VIEW_COMP_GOST_CONC_MOL);
        EXPECT_TRUE(Enabled(dialog, IDC_VIEW_COMP_SCALE_CONC_MOL));
        // Конц.(об.%) is hidden by default: both of its other controls are disabled.
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_COMP_GOST_CONC_VOL));
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_COMP_SCALE_CONC_VOL));
        Click(dialog, IDC_VIEW_COMP_SHOW_TIME);
        SetText(dialog, IDC_VIEW_COMP_SCALE_CONC_MOL, L"7");
        Click(dialog, IDCANCEL);
    });
    Click(page, IDC_SETTINGS_VIEW_COMPONENTS);
    EXPECT_TRUE(actor.Acted());
    Close(main);
    EXPECT_EQ(Profile()[u"Tarvel/viewComponentsGostConcMol"], u"1");
    EXPECT_EQ(Profile()[u"Tarvel/viewComponentsScaleConcMol"], u"4");
    EXPECT_EQ(Profile()[u"Tarvel/viewComponentsShowTime"], u"1");
}

TEST_F(SettingsPageTest, AViewChangeShowsOnTheComponentsPageTheNextTimeItIsSelected) {
    CalcContext expected = CalculateLikeTheWindow(profile, database);
    ASSERT_FALSE(expected.components.empty());
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kSettingsTab);
    ModalActor actor(L"Представление: Компоненты", [&](HWND dialog) {
        Click(dialog, IDC_VIEW_COMP_SHOW_AREA);
        if (!Checked(dialog, IDC_VIEW_COMP_SHOW_CONC_VOL)) {
            Click(dialog, IDC_VIEW_COMP_SHOW_CONC_VOL);
        }
        if (Checked(dialog, IDC_VIEW_COMP_GOST_CONC_VOL)) {
            Click(dialog, IDC_VIEW_COMP_GOST_CONC_VOL);
        }
        SetText(dialog, IDC_VIEW_COMP_SCALE_CONC_VOL, L"6");
        Click(dialog, IDOK);
    });
    Click(CurrentPage(main), IDC_SETTINGS_VIEW_COMPONENTS);
    ASSERT_TRUE(actor.Acted());
    {
        BoxCatcher catcher;
        SelectTab(main, kComponentsTab);
    }
    expected.settings.viewComponentsShowArea = !expected.settings.viewComponentsShowArea;
    expected.settings.viewComponentsShowConcVol = true;
    expected.settings.viewComponentsGostConcVol = false;
    expected.settings.viewComponentsScaleConcVol = 6;
    const PageTable table = BuildComponentsPage(expected);
    HWND list = PageList(main);
    std::vector<int> widths;
    for (const PageColumn& column : table.columns) {
        widths.push_back(column.widthPixels);
    }
    ExpectColumnsFit(list, widths);
    const auto rows = Rows(list);
    ASSERT_EQ(rows.size(), table.rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        for (size_t column = 0; column < table.columns.size(); ++column) {
            EXPECT_EQ(rows[row][column],
                      std::wstring(table.rows[row][column].begin(), table.rows[row][column].end()))
                << "row " << row << " column " << column;
        }
    }
    Screenshot(main, "view_change_components_page");
}

TEST_F(SettingsPageTest, DecimalsTheResultsCannotUseAreRefusedWhereTyped) {
    Profile().clear();
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kSettingsTab);
    BoxCatcher catcher;
    bool stayedOpen = true;
    ModalActor actor(L"Представление: Хроматограммы", [&](HWND dialog) {
        Screenshot(dialog, "view_assays_dialog");
        EXPECT_TRUE(Enabled(dialog, IDC_VIEW_ASSAY_SCALE_PRESSURE));
        Click(dialog, IDC_VIEW_ASSAY_PRESSURE);
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_ASSAY_SCALE_PRESSURE));
        Click(dialog, IDC_VIEW_ASSAY_PRESSURE);
        for (const wchar_t* typed : {L"", L"abc", L"16", L"-1"}) {
            SetText(dialog, IDC_VIEW_ASSAY_SCALE_PRESSURE, typed);
            Click(dialog, IDOK);
            stayedOpen = stayedOpen && IsWindowVisible(dialog) != FALSE;
        }
        SetText(dialog, IDC_VIEW_ASSAY_SCALE_PRESSURE, L"15");
        Click(dialog, IDC_VIEW_ASSAY_UUID);
        Click(dialog, IDOK);
    });
    Click(CurrentPage(main), IDC_SETTINGS_VIEW_ASSAYS);
    ASSERT_TRUE(actor.Acted());
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(catcher.boxes.size(), 4u);
    EXPECT_EQ(catcher.boxes[1].caption, L"Предупреждение");
    EXPECT_EQ(catcher.boxes[1].text,
              L"Число знаков после запятой должно быть целым числом от 0 до 15, введено \"abc\".");
    EXPECT_EQ(catcher.boxes[2].text,
              L"Число знаков после запятой должно быть целым числом от 0 до 15, введено \"16\".");
    Close(main);
    EXPECT_EQ(Profile()[u"Tarvel/viewAnalysisScaleAtmPressure"], u"15");
    EXPECT_EQ(Profile()[u"Tarvel/viewAnalysisShowUUID"], u"1");
}

TEST_F(SettingsPageTest, EveryViewDialogOpensFromItsButton) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kSettingsTab);
    Screenshot(main, "page10_settings");
    struct Opening {
        int button;
        const wchar_t* caption;
        const char* screenshot;
    };
    const Opening openings[] = {
        {IDC_SETTINGS_VIEW_CALCULATION, L"Представление: Расчёт", "view_calculation_dialog"},
        {IDC_SETTINGS_VIEW_CALIBRATION, L"Представление: Градуировка", "view_calibration_dialog"},
        {IDC_SETTINGS_VIEW_METHANE, L"Представление: Метановое число", "view_methane_dialog"},
    };
    for (const auto& [button, caption, screenshot] : openings) {
        ModalActor actor(caption, [&](HWND dialog) {
            Screenshot(dialog, screenshot);
            Click(dialog, IDCANCEL);
        });
        Click(CurrentPage(main), button);
        EXPECT_TRUE(actor.Acted()) << button;
    }
    // Dialog 212: the methane number's decimals follow its ГОСТ box, the others their own boxes.
    ModalActor actor(L"Представление: Метановое число", [&](HWND dialog) {
        EXPECT_TRUE(Checked(dialog, IDC_VIEW_MN_GOST));
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_MN_SCALE));
        Click(dialog, IDC_VIEW_MN_GOST);
        EXPECT_TRUE(Enabled(dialog, IDC_VIEW_MN_SCALE));
        EXPECT_FALSE(Enabled(dialog, IDC_VIEW_MN_SCALE_ARR));
        Click(dialog, IDC_VIEW_MN_SHOW_ARR);
        EXPECT_TRUE(Enabled(dialog, IDC_VIEW_MN_SCALE_ARR));
        Click(dialog, IDCANCEL);
    });
    Click(CurrentPage(main), IDC_SETTINGS_VIEW_METHANE);
    EXPECT_TRUE(actor.Acted());
}

} // namespace
} // namespace ui
