// The chromatograms page and its selection dialog on a simulated database whose chromatograms the tests
// know: batches of each kind added through the real dialog, duplicates, deleting and selecting whole
// batches, the check boxes, refreshing, the search filters and its delay, copying peaks and opening
// chromatograms in the host.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <map>

#include "ModalDialogs.h"
#include "ModalDriver.h"
#include "SelectionDatabase.h"
#include "WindowFixture.h"
#include "text/Format.h"

namespace ui {
namespace {

constexpr wchar_t kSelectionCaption[] = L"Выбор хроматограм";
constexpr int kRefresh = 1044;
constexpr int kAnalysis = 1101;
constexpr int kCalibration = 1102;
constexpr int kControl = 1103;

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

std::vector<std::wstring> ColumnTexts(HWND list, size_t column) {
    std::vector<std::wstring> texts;
    for (const auto& row : Rows(list)) {
        texts.push_back(column < row.size() ? row[column] : std::wstring());
    }
    return texts;
}

std::vector<int> SelectedRowsOf(HWND list) {
    std::vector<int> rows;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        rows.push_back(row);
    }
    return rows;
}

void PressOk(HWND dialog) {
    SendMessageW(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

class SelectionTest : public WindowTest {
protected:
    // The database and an empty list with the calibration method and chromatograph type of the test.
    void Prepare(int32_t calibrationMethod, int32_t deviceType) {
        const std::u16string path = folder + u"selection.db";
        now = static_cast<int64_t>(std::time(nullptr));
        made = MakeSelectionDatabase(path, now);
        hosted.reset(); // the host writes its profile back when it closes
        ASSERT_TRUE(WriteSelectionProfile(profile, calibrationMethod, deviceType));
        UseDatabase(path);
        main = Open();
        ASSERT_NE(main, nullptr);
        page = CurrentPage(main);
        list = PageList(main);
        ASSERT_EQ(ListView_GetItemCount(list), 0);
    }

    // The UUIDs the dialog must list for a role and a filter, newest first.
    std::vector<std::wstring> Expected(bool calibration,
                                       const std::function<bool(const sim::AssayRow&)>& filter) const {
        std::vector<std::wstring> uuids;
        for (const SelectionAssay& assay : made.assays) {
            if (assay.row.calibration == calibration && filter(assay.row)) {
                uuids.push_back(Wide(assay.row.uuid));
            }
        }
        return uuids;
    }

    // Adds the batch the dialog picks with one click on row, with OK.
    void AddBatch(int button, int row) {
        BoxCatcher catcher;
        ASSERT_TRUE(WithModalDialog(page, button, kSelectionCaption, [row](HWND dialog) {
            ClickRow(GetDlgItem(dialog, 1013), row);
            PressOk(dialog);
        }));
        PumpMessages();
        boxes = catcher.boxes;
    }

    const SelectionAssay& AssayOfUuid(const std::wstring& uuid) const {
        for (const SelectionAssay& assay : made.assays) {
            if (Wide(assay.row.uuid) == uuid) {
                return assay;
            }
        }
        ADD_FAILURE() << "no assay " << Narrow(uuid);
        return made.assays.front();
    }

    int64_t now = 0;
    SelectionDatabase made;
    HWND main = nullptr;
    HWND page = nullptr;
    HWND list = nullptr;
    std::vector<CaughtBox> boxes; // shown while the last batch was added
};

bool HeaderChecked(HWND list) {
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(ListView_GetHeader(list), 0, &item);
    return (item.fmt & HDF_CHECKED) != 0;
}

void ClickHeaderCheckBox(HWND page, HWND list) {
    NMHEADERW click{};
    click.hdr.hwndFrom = ListView_GetHeader(list);
    click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(click.hdr.hwndFrom));
    click.hdr.code = HDN_ITEMSTATEICONCLICK;
    click.iItem = 0;
    SendMessageW(page, WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

std::vector<bool> Checks(HWND list) {
    std::vector<bool> checks;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        checks.push_back(ListView_GetCheckState(list, row) != 0);
    }
    return checks;
}

// Method В1 demands five calibration chromatograms; control three; a laboratory chromatograph two.
TEST_F(SelectionTest, AddsEachKindOfBatchThroughTheDialogWithItsRequiredCount) {
    Prepare(2, 0);
    ASSERT_EQ(ListView_GetItemCount(list), 0);
    const std::vector<std::wstring> calibration = Expected(true, [](const sim::AssayRow&) { return true; });
    const std::vector<std::wstring> analysis = Expected(false, [](const sim::AssayRow&) { return true; });
    ASSERT_TRUE(WithModalDialog(page, kCalibration, kSelectionCaption, [&](HWND dialog) {
        HWND results = GetDlgItem(dialog, 1013);
        EXPECT_EQ(ColumnTexts(results, 0), calibration);
        EXPECT_EQ(HeaderTexts(results), (std::vector<std::wstring>{L"UUID", L"Проба", L"Метод", L"Время"}));
        Screenshot(dialog, "dialog196_selection");
        BoxCatcher catcher;
        SelectRows(results, {0, 1, 2, 3});
        PressOk(dialog);
        SelectRows(results, {0, 1, 2, 3, 4, 5});
        PressOk(dialog);
        EXPECT_TRUE(IsWindowVisible(dialog));
        ClickRow(results, 2);
        EXPECT_EQ(SelectedRowsOf(results), (std::vector<int>{2, 3, 4, 5, 6}));
        // Near the end a click picks what is left below it.
        ClickRow(results, 10);
        EXPECT_EQ(SelectedRowsOf(results), (std::vector<int>{10, 11}));
        ClickRow(results, 2);
        PressOk(dialog);
        boxes = catcher.boxes;
    }));
    PumpMessages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, L"Выбрано менее 5 хроматограмм");
    EXPECT_EQ(boxes[1].text, L"Выбрано более 5 хроматограмм");
    EXPECT_EQ(boxes[0].caption, L"Предупреждение");
    EXPECT_EQ(ColumnTexts(list, 1),
              (std::vector<std::wstring>(calibration.begin() + 2, calibration.begin() + 7)));

    AddBatch(kControl, 7);
    EXPECT_TRUE(boxes.empty());
    {
        BoxCatcher catcher;
        ASSERT_TRUE(WithModalDialog(page, kAnalysis, kSelectionCaption, [&](HWND dialog) {
            EXPECT_EQ(ColumnTexts(GetDlgItem(dialog, 1013), 0), analysis);
            ClickRow(GetDlgItem(dialog, 1013), 4);
            PressOk(dialog);
        }));
        PumpMessages();
        EXPECT_TRUE(catcher.boxes.empty());
    }
    const std::vector<std::wstring> roles = ColumnTexts(list, 5);
    ASSERT_EQ(roles.size(), 10u);
    for (size_t row = 0; row < roles.size(); ++row) {
        EXPECT_EQ(roles[row], row < 5 ? L"Градуировка" : row < 8 ? L"Контроль" : L"Анализ") << row;
    }
    EXPECT_EQ(ColumnTexts(list, 1)[8], analysis[4]);
    EXPECT_EQ(ColumnTexts(list, 1)[9], analysis[5]);
    // The record as the database holds it: file name part, mixture, pressure with three decimals.
    const SelectionAssay& first = AssayOfUuid(ColumnTexts(list, 1)[0]);
    const std::vector<std::wstring> row0 = Rows(list)[0];
    EXPECT_EQ(row0[0], Wide(first.row.filename.substr(first.row.filename.rfind(u'\\') + 1)));
    EXPECT_EQ(row0[3], Wide(first.row.mixture));
    EXPECT_EQ(row0[7], Wide(FormatText(u"%.3f", {first.row.atmpressureKPa})));
    EXPECT_EQ(Checks(list), std::vector<bool>(10, true));

    // The same analysis batch again: notice 275, nothing added.
    AddBatch(kAnalysis, 5);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Вы пытаетесь добавить хроматограммы, которые уже есть в списке");
    EXPECT_EQ(ListView_GetItemCount(list), 10);
    // Cancel adds nothing either.
    EXPECT_TRUE(WithModalDialog(page, kControl, kSelectionCaption, [](HWND dialog) {
        ClickRow(GetDlgItem(dialog, 1013), 6);
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    EXPECT_EQ(ListView_GetItemCount(list), 10);
    Screenshot(main, "page00_chromatograms_batches");
}

// A column the user drags wider in the dialog keeps its width each time the dialog opens again while the
// window is open (the dialog's own lists live only while it is shown); the next window fits it again.
TEST_F(SelectionTest, AColumnTheUserSizedInTheDialogKeepsItsWidthWhileTheWindowIsOpen) {
    Prepare(0, 0);
    const auto sampleWidth = [](HWND dialog) { return ListView_GetColumnWidth(GetDlgItem(dialog, 1013), 1); };
    int fitted = -1;
    int dragged = -1;
    ASSERT_TRUE(WithModalDialog(page, kCalibration, kSelectionCaption, [&](HWND dialog) {
        fitted = sampleWidth(dialog);
        DragColumnDivider(GetDlgItem(dialog, 1013), 1, 40);
        dragged = sampleWidth(dialog);
        Screenshot(dialog, "dialog196_dragged_column");
    }));
    EXPECT_EQ(dragged, fitted + 40);
    for (const int button : {kAnalysis, kCalibration}) {
        int reopened = -1;
        ASSERT_TRUE(WithModalDialog(page, button, kSelectionCaption,
                                    [&](HWND dialog) { reopened = sampleWidth(dialog); }));
        EXPECT_EQ(reopened, dragged) << button;
    }
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    PumpMessages();
    main = Open();
    ASSERT_NE(main, nullptr);
    int fresh = -1;
    ASSERT_TRUE(WithModalDialog(CurrentPage(main), kCalibration, kSelectionCaption, [&](HWND dialog) {
        fresh = sampleWidth(dialog);
        Screenshot(dialog, "dialog196_column_fitted_again");
    }));
    EXPECT_EQ(fresh, fitted);
}

// The keys of the buttons, with method В2 and a process chromatograph: Ctrl+G asks for five
// calibration chromatograms, Ctrl+J for three control ones, Ctrl+H for one analysis.
TEST_F(SelectionTest, KeysOpenTheDialogForEachKindOfBatch) {
    Prepare(3, 1);
    struct Case {
        UINT key;
        bool calibration;
        size_t count;
        const wchar_t* role;
    };
    const Case cases[] = {
        {'G', true, 5, L"Градуировка"}, {'J', true, 3, L"Контроль"}, {'H', false, 1, L"Анализ"}};
    int start = 0;
    for (const Case& test : cases) {
        SCOPED_TRACE(static_cast<char>(test.key));
        const int before = ListView_GetItemCount(list);
        const std::vector<std::wstring> listed =
            Expected(test.calibration, [](const sim::AssayRow&) { return true; });
        ASSERT_TRUE(WithModalAction([&] { PressCtrlKey(list, test.key); }, kSelectionCaption,
                                    [&](HWND dialog) {
                                        HWND results = GetDlgItem(dialog, 1013);
                                        EXPECT_EQ(ColumnTexts(results, 0), listed);
                                        ClickRow(results, start);
                                        EXPECT_EQ(static_cast<size_t>(SelectedCount(results)), test.count);
                                        PressOk(dialog);
                                    }));
        PumpMessages();
        ASSERT_EQ(static_cast<size_t>(ListView_GetItemCount(list)), before + test.count);
        EXPECT_EQ(ColumnTexts(list, 5).back(), test.role);
        EXPECT_EQ(ColumnTexts(list, 1)[static_cast<size_t>(before)], listed[static_cast<size_t>(start)]);
        start += static_cast<int>(test.count);
    }
}

// Two batches added within one second get stamps of their own: a click selects one batch, deleting
// one of its rows removes that batch alone.
TEST_F(SelectionTest, BatchesAddedWithinOneSecondAreSelectedAndDeletedApart) {
    Prepare(0, 0);
    AddBatch(kAnalysis, 0);
    AddBatch(kAnalysis, 2);
    AddBatch(kCalibration, 0);
    ASSERT_EQ(ListView_GetItemCount(list), 7);
    const std::vector<std::wstring> uuids = ColumnTexts(list, 1);
    ClickRow(list, 3);
    EXPECT_EQ(SelectedRowsOf(list), (std::vector<int>{2, 3}));
    ClickRow(list, 5);
    EXPECT_EQ(SelectedRowsOf(list), (std::vector<int>{4, 5, 6}));
    SelectRows(list, {1});
    PressCtrlKey(list, 'D');
    EXPECT_EQ(ColumnTexts(list, 1), (std::vector<std::wstring>(uuids.begin() + 2, uuids.end())));
    SelectRows(list, {4});
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(1043, BN_CLICKED), 0);
    EXPECT_EQ(ColumnTexts(list, 1), (std::vector<std::wstring>(uuids.begin() + 2, uuids.begin() + 4)));
}

// Clicks as the mouse gives them, to the lists themselves: a second click on a row of a picked or
// selected batch keeps the whole batch, in the dialog (so OK takes it) and on the page (so the space bar
// unticks the whole batch, never a part of it).
TEST_F(SelectionTest, ASecondClickInsideABatchKeepsTheWholeBatch) {
    Prepare(2, 0); // method В1: batches of five
    BoxCatcher catcher;
    ASSERT_TRUE(WithModalDialog(page, kCalibration, kSelectionCaption, [&](HWND dialog) {
        HWND results = GetDlgItem(dialog, 1013);
        ClickRow(results, 2);
        EXPECT_EQ(SelectedRowsOf(results), (std::vector<int>{2, 3, 4, 5, 6}));
        for (int row : {4, 2, 6}) {
            ClickRow(results, row);
            EXPECT_EQ(SelectedRowsOf(results), (std::vector<int>{2, 3, 4, 5, 6})) << row;
        }
        // After Ctrl+A a click picks anew from the clicked row.
        PressCtrlKey(results, 'A');
        EXPECT_EQ(SelectedCount(results), ListView_GetItemCount(results));
        ClickRow(results, 3);
        EXPECT_EQ(SelectedRowsOf(results), (std::vector<int>{3, 4, 5, 6, 7}));
        ClickRow(results, 5);
        Screenshot(dialog, "dialog196_second_click_keeps_batch");
        PressOk(dialog);
    }));
    PumpMessages();
    EXPECT_TRUE(catcher.boxes.empty());
    ASSERT_EQ(ListView_GetItemCount(list), 5);
    AddBatch(kAnalysis, 0);
    AddBatch(kControl, 0);
    ASSERT_EQ(ListView_GetItemCount(list), 10); // 0-4 calibration, 5-6 analysis, 7-9 control

    struct Step {
        const char* name;
        int row;
        WPARAM keys;
        std::vector<int> selected;
    };
    const std::vector<Step> steps = {
        {"click", 8, 0, {7, 8, 9}},
        {"second click", 9, 0, {7, 8, 9}},
        {"Ctrl-click adds a batch", 5, MK_CONTROL, {5, 6, 7, 8, 9}},
        {"Ctrl-click removes a batch", 8, MK_CONTROL, {5, 6}},
        {"click on the other row of a batch", 6, 0, {5, 6}},
        {"Shift-click", 3, MK_SHIFT, {0, 1, 2, 3, 4, 5, 6}},
        {"click after all", 1, 0, {0, 1, 2, 3, 4}},
    };
    for (const Step& step : steps) {
        ClickRow(list, step.row, step.keys);
        EXPECT_EQ(SelectedRowsOf(list), step.selected) << step.name;
    }
    // The space bar after the second click unticks the whole calibration batch.
    ClickRow(list, 3);
    PressKey(list, VK_SPACE);
    EXPECT_EQ(Checks(list),
              (std::vector<bool>{false, false, false, false, false, true, true, true, true, true}));
    // A row outside the selection ticked alone brings its batch with it.
    ListView_SetCheckState(list, 8, FALSE);
    EXPECT_EQ(Checks(list),
              (std::vector<bool>{false, false, false, false, false, true, true, false, false, false}));
    Screenshot(main, "page00_batch_unticked_whole");
}

TEST_F(SelectionTest, CheckBoxesFollowTheSelectionAndTheHeaderAndSurviveARefresh) {
    Prepare(0, 0);
    AddBatch(kAnalysis, 0);
    AddBatch(kControl, 0);
    ASSERT_EQ(ListView_GetItemCount(list), 5);
    EXPECT_TRUE(HeaderChecked(list));
    ClickRow(list, 0);
    ListView_SetCheckState(list, 0, FALSE);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false, true, true, true}));
    EXPECT_FALSE(HeaderChecked(list));
    // A row outside the selection takes its own batch along, never a part of it.
    ListView_SetCheckState(list, 4, FALSE);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false, false, false, false}));
    ListView_SetCheckState(list, 3, TRUE);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false, true, true, true}));
    // Refreshing commits first: the user's exclusions stay.
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(kRefresh, BN_CLICKED), 0);
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false, true, true, true}));
    PressCtrlKey(list, 'R');
    EXPECT_EQ(Checks(list), (std::vector<bool>{false, false, true, true, true}));
    ClickHeaderCheckBox(page, list);
    EXPECT_EQ(Checks(list), std::vector<bool>(5, true));
    EXPECT_TRUE(HeaderChecked(list));
    ClickHeaderCheckBox(page, list);
    EXPECT_EQ(Checks(list), std::vector<bool>(5, false));
    EXPECT_FALSE(HeaderChecked(list));
    SelectRows(list, {});
    ListView_SetCheckState(list, 2, TRUE);
    EXPECT_FALSE(HeaderChecked(list));
    ListView_SetCheckState(list, 0, TRUE);
    EXPECT_TRUE(HeaderChecked(list));
}

TEST_F(SelectionTest, CopiesPeakTablesWithCtrlEAndOpensChromatogramsInTheHost) {
    Prepare(0, 0);
    AddBatch(kAnalysis, 0);
    AddBatch(kControl, 0);
    const std::vector<std::wstring> uuids = ColumnTexts(list, 1);
    SelectRows(list, {1, 3});
    EmptyTheClipboard();
    PressCtrlKey(list, 'E');
    std::wstring expected;
    for (int row : {1, 3}) {
        if (!expected.empty()) {
            expected += L"\r\n\r\n\r\n";
        }
        const SelectionAssay& assay = AssayOfUuid(uuids[static_cast<size_t>(row)]);
        // The unnamed peak is left out; the others by retention time with 22 decimals.
        expected += L"Метан\t" + Wide(FormatText(u"%.22f", {assay.peaks[0].area})) + L"\r\nЭтан\t" +
                    Wide(FormatText(u"%.22f", {assay.peaks[2].area}));
    }
    EXPECT_EQ(ClipboardText(), expected);
    // 22 decimals after the point.
    const size_t point = expected.find(L'.');
    ASSERT_NE(point, std::wstring::npos);
    EXPECT_EQ(expected.find(L'\r', point), point + 23) << Narrow(expected);

    std::vector<std::u16string>& opened = hosted->Host().Host().openedAssays;
    opened.clear();
    PressCtrlKey(list, 'T');
    const std::u16string first = AssayOfUuid(uuids[1]).row.filename;
    const std::u16string second = AssayOfUuid(uuids[3]).row.filename;
    EXPECT_EQ(opened, (std::vector<std::u16string>{first, second}));
    NMITEMACTIVATE click{};
    click.hdr = {list, 1013, static_cast<UINT>(NM_DBLCLK)};
    SendMessageW(page, WM_NOTIFY, 1013, reinterpret_cast<LPARAM>(&click));
    EXPECT_EQ(opened.size(), 4u);
    // A host without the topic: nothing is asked.
    hosted->Host().Host().servesOpenAssayFile = false;
    PressCtrlKey(list, 'T');
    EXPECT_EQ(opened.size(), 4u);
}

// A database that cannot be opened: each operation shows the error and the page and the dialog stay
// usable with the list as it was.
TEST_F(SelectionTest, DatabaseFailuresAreShownAndLeaveThePageUsable) {
    Prepare(0, 0);
    AddBatch(kAnalysis, 0);
    ASSERT_EQ(ListView_GetItemCount(list), 2);
    const std::wstring path(database.begin(), database.end());
    const std::wstring away = path + L".away";
    DeleteFileW(away.c_str()); // left by an interrupted run
    ASSERT_TRUE(MoveFileW(path.c_str(), away.c_str()));
    {
        BoxCatcher catcher;
        PressCtrlKey(list, 'R');
        SelectRows(list, {0});
        PressCtrlKey(list, 'E');
        ASSERT_EQ(catcher.boxes.size(), 2u);
        for (const CaughtBox& box : catcher.boxes) {
            EXPECT_EQ(box.caption, L"Ошибка");
            EXPECT_FALSE(box.text.empty());
        }
    }
    const std::vector<std::wstring> analysis = Expected(false, [](const sim::AssayRow&) { return true; });
    EXPECT_EQ(ColumnTexts(list, 1), (std::vector<std::wstring>{analysis[0], analysis[1]}));
    {
        BoxCatcher catcher;
        EXPECT_TRUE(WithModalDialog(page, kControl, kSelectionCaption, [](HWND dialog) {
            EXPECT_EQ(ListView_GetItemCount(GetDlgItem(dialog, 1013)), 0);
            SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        }));
        EXPECT_FALSE(catcher.boxes.empty());
    }
    ASSERT_TRUE(MoveFileW(away.c_str(), path.c_str()));
    AddBatch(kControl, 0);
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(ListView_GetItemCount(list), 5);
}

struct FilterCase {
    const char* name;
    int combo;           // 0: the sample field
    const wchar_t* item; // the combo item or the sample text
    std::function<bool(const sim::AssayRow&)> keeps;
};

TEST_F(SelectionTest, EachSearchFilterNarrowsTheResultsToTheMatchingChromatograms) {
    Prepare(0, 0);
    const std::vector<FilterCase> cases = {
        {"mixture", 1093, L"СО-1", [](const sim::AssayRow& row) { return row.mixture == u"СО-1"; }},
        {"method", 1112, L"Метод 2", [](const sim::AssayRow& row) { return row.method == u"Метод 2"; }},
        {"operator", 1109, L"Петров",
         [this](const sim::AssayRow& row) { return row.operatorId == made.operatorIds[1]; }},
        {"station", 1106, L"Пункт 2",
         [this](const sim::AssayRow& row) { return row.stationId == made.stationIds[1]; }},
        {"sample", 0, L"abcde",
         [](const sim::AssayRow& row) { return row.sample.find(u"abcde") != std::u16string::npos; }},
    };
    ASSERT_TRUE(WithModalDialog(page, kCalibration, kSelectionCaption, [&](HWND dialog) {
        HWND results = GetDlgItem(dialog, 1013);
        for (const FilterCase& test : cases) {
            SCOPED_TRACE(test.name);
            if (test.combo == 0) {
                SetDlgItemTextW(dialog, 1105, test.item);
            } else {
                HWND combo = GetDlgItem(dialog, test.combo);
                const auto item =
                    SendMessageW(combo, CB_FINDSTRINGEXACT, 0, reinterpret_cast<LPARAM>(test.item));
                ASSERT_GT(item, 0);
                SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(test.combo, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(combo));
            }
            PumpFor(700);
            const std::vector<std::wstring> expected = Expected(true, test.keeps);
            EXPECT_FALSE(expected.empty());
            EXPECT_EQ(ColumnTexts(results, 0), expected);
            if (test.combo == 0) {
                SetDlgItemTextW(dialog, 1105, L"");
            } else {
                SendMessageW(GetDlgItem(dialog, test.combo), CB_SETCURSEL, 0, 0);
                SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(test.combo, CBN_SELCHANGE),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, test.combo)));
            }
            PumpFor(700);
            EXPECT_EQ(ColumnTexts(results, 0).size(), 12u);
        }
        // A station refills the sampling points with its own; a point narrows further.
        HWND stations = GetDlgItem(dialog, 1106);
        SendMessageW(stations, CB_SETCURSEL, 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1106, CBN_SELCHANGE), reinterpret_cast<LPARAM>(stations));
        HWND places = GetDlgItem(dialog, 1108);
        ASSERT_EQ(SendMessageW(places, CB_GETCOUNT, 0, 0), 3);
        SendMessageW(places, CB_SETCURSEL, 2, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1108, CBN_SELCHANGE), reinterpret_cast<LPARAM>(places));
        PumpFor(700);
        EXPECT_EQ(ColumnTexts(results, 0), Expected(true, [this](const sim::AssayRow& row) {
                      return row.placeId == made.placeIds[1];
                  }));
        // The period: the last five hours.
        SYSTEMTIME from{};
        HWND picker = GetDlgItem(dialog, 1095);
        GetLocalTime(&from);
        SendMessageW(stations, CB_SETCURSEL, 0, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(1106, CBN_SELCHANGE), reinterpret_cast<LPARAM>(stations));
        FILETIME time{};
        SystemTimeToFileTime(&from, &time);
        ULARGE_INTEGER units{{time.dwLowDateTime, time.dwHighDateTime}};
        units.QuadPart -= (5ULL * 3600 + 60) * 10000000ULL;
        time = {units.LowPart, units.HighPart};
        FileTimeToSystemTime(&time, &from);
        DateTime_SetSystemtime(picker, GDT_VALID, &from);
        NMDATETIMECHANGE change{};
        change.nmhdr = {picker, 1095, static_cast<UINT>(DTN_DATETIMECHANGE)};
        change.st = from;
        SendMessageW(dialog, WM_NOTIFY, 1095, reinterpret_cast<LPARAM>(&change));
        PumpFor(700);
        EXPECT_EQ(ColumnTexts(results, 0),
                  Expected(true, [this](const sim::AssayRow& row) { return row.date >= now - 5 * 3600; }));
        // The dialog keeps its starting size as its least.
        const RECT before = WindowRectangle(dialog);
        SetWindowPos(dialog, nullptr, 0, 0, 100, 100, SWP_NOMOVE | SWP_NOZORDER);
        const RECT after = WindowRectangle(dialog);
        EXPECT_EQ(after.right - after.left, before.right - before.left);
        EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
        // Larger: OK and Cancel follow the lower right corner, the list stretches, the filters stay.
        const RECT ok = ChildRectangle(GetDlgItem(dialog, IDOK));
        const RECT listBefore = ChildRectangle(results);
        const RECT filter = ChildRectangle(GetDlgItem(dialog, 1105));
        SetWindowPos(dialog, nullptr, 0, 0, before.right - before.left + 120, before.bottom - before.top + 80,
                     SWP_NOMOVE | SWP_NOZORDER);
        PumpMessages();
        EXPECT_EQ(ChildRectangle(GetDlgItem(dialog, IDOK)).left, ok.left + 120);
        EXPECT_EQ(ChildRectangle(GetDlgItem(dialog, IDOK)).top, ok.top + 80);
        EXPECT_EQ(ChildRectangle(results).right, listBefore.right + 120);
        EXPECT_EQ(ChildRectangle(results).bottom, listBefore.bottom + 80);
        EXPECT_EQ(ChildRectangle(GetDlgItem(dialog, 1105)).left, filter.left);
    }));
}

std::vector<std::wstring> ComboTexts(HWND dialog, int id) {
    std::vector<std::wstring> texts;
    HWND combo = GetDlgItem(dialog, id);
    for (int item = 0; item < SendMessageW(combo, CB_GETCOUNT, 0, 0); ++item) {
        wchar_t text[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text);
    }
    return texts;
}

SYSTEMTIME PickerTime(HWND dialog, int id) {
    SYSTEMTIME shown{};
    DateTime_GetSystemtime(GetDlgItem(dialog, id), &shown);
    return shown;
}

// The local date a number of days before today, at the given time of day.
SYSTEMTIME DaysBefore(int days, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME today{};
    GetLocalTime(&today);
    today.wHour = 12; // midday: a shift of whole days never crosses a date line twice
    FILETIME time{};
    SystemTimeToFileTime(&today, &time);
    ULARGE_INTEGER units{{time.dwLowDateTime, time.dwHighDateTime}};
    units.QuadPart -= static_cast<ULONGLONG>(days) * 86400ULL * 10000000ULL;
    time = {units.LowPart, units.HighPart};
    SYSTEMTIME day{};
    FileTimeToSystemTime(&time, &day);
    day.wHour = hour;
    day.wMinute = minute;
    day.wSecond = second;
    day.wMilliseconds = 0;
    day.wDayOfWeek = 0;
    return day;
}

std::string DateText(const SYSTEMTIME& time) {
    char text[40] = {};
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.wYear, time.wMonth, time.wDay,
                  time.wHour, time.wMinute, time.wSecond);
    return text;
}

// The dialog opens on the first second of the day 365 days back and the last second of today, lists
// every method and mixture of the database (the one of 400 days back too), finds samples in any case,
// and opens again on its last range (whole days) and filters, also after the window is reopened.
TEST_F(SelectionTest, RemembersItsRangeAndFiltersAndSearchesSamplesInAnyCase) {
    Prepare(0, 0);
    const std::vector<std::wstring> abcde = Expected(
        false, [](const sim::AssayRow& row) { return row.sample.find(u"abcde") != std::u16string::npos; });
    const std::vector<std::wstring> abcdeMethod1 = Expected(false, [](const sim::AssayRow& row) {
        return row.sample.find(u"abcde") != std::u16string::npos && row.method == u"Метод 1";
    });
    ASSERT_FALSE(abcdeMethod1.empty());
    ASSERT_TRUE(WithModalDialog(page, kAnalysis, kSelectionCaption, [&](HWND dialog) {
        EXPECT_EQ(DateText(PickerTime(dialog, 1095)), DateText(DaysBefore(365, 0, 0, 0)));
        EXPECT_EQ(DateText(PickerTime(dialog, 1096)), DateText(DaysBefore(0, 23, 59, 59)));
        EXPECT_EQ(ComboTexts(dialog, 1112),
                  (std::vector<std::wstring>{L"--------", L"Метод 1", L"Метод 2", L"Метод прежний"}));
        const std::vector<std::wstring> mixtures = ComboTexts(dialog, 1093);
        EXPECT_NE(std::find(mixtures.begin(), mixtures.end(), L"СО-прежняя"), mixtures.end());
        for (const wchar_t* typed : {L"ГАЗ ABCDE", L"газ AbCdE", L"Газ abcde"}) {
            SetText(dialog, 1105, typed);
            PumpFor(700);
            EXPECT_EQ(ColumnTexts(GetDlgItem(dialog, 1013), 0), abcde) << Narrow(typed);
        }
        SelectComboIndex(dialog, 1112, 1);
        // The user picks a first day; the time of day it carries does not count.
        HWND picker = GetDlgItem(dialog, 1095);
        SYSTEMTIME from = DaysBefore(3, 13, 45, 0);
        DateTime_SetSystemtime(picker, GDT_VALID, &from);
        NMDATETIMECHANGE change{};
        change.nmhdr = {picker, 1095, static_cast<UINT>(DTN_DATETIMECHANGE)};
        change.st = from;
        SendMessageW(dialog, WM_NOTIFY, 1095, reinterpret_cast<LPARAM>(&change));
        PumpFor(700);
        Screenshot(dialog, "dialog196_cyrillic_search");
        SendMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }));
    const auto remembered = [&](HWND dialog) {
        EXPECT_EQ(DateText(PickerTime(dialog, 1095)), DateText(DaysBefore(3, 0, 0, 0)));
        EXPECT_EQ(DateText(PickerTime(dialog, 1096)), DateText(DaysBefore(0, 23, 59, 59)));
        EXPECT_EQ(Text(dialog, 1105), L"Газ abcde");
        EXPECT_EQ(ComboSelection(dialog, 1112), L"Метод 1");
        EXPECT_EQ(ColumnTexts(GetDlgItem(dialog, 1013), 0), abcdeMethod1);
    };
    ASSERT_TRUE(WithModalDialog(page, kAnalysis, kSelectionCaption, remembered));
    // Calibration chromatograms keep filters of their own; the range is shared.
    ASSERT_TRUE(WithModalDialog(page, kCalibration, kSelectionCaption, [&](HWND dialog) {
        EXPECT_EQ(DateText(PickerTime(dialog, 1095)), DateText(DaysBefore(3, 0, 0, 0)));
        EXPECT_EQ(Text(dialog, 1105), L"");
        EXPECT_EQ(ComboSelection(dialog, 1112), L"--------");
    }));
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    PumpMessages();
    std::map<std::u16string, std::u16string>& profile = hosted->Host().Host().profile;
    EXPECT_EQ(profile[u"Tarvel/selAnSample"], u"Газ abcde");
    EXPECT_EQ(profile[u"Tarvel/selAnMethod"], u"Метод 1");
    EXPECT_EQ(profile[u"Tarvel/selToDay"], u"0"); // today, whatever day the window opens on
    main = Open();
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(WithModalDialog(CurrentPage(main), kAnalysis, kSelectionCaption, remembered));
}

std::wstring LocaleFormat(LCTYPE type) {
    wchar_t text[80] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, text, 80);
    return text;
}

// The user's short-date and time formats replaced for a test's length (empty: left as they are).
class UserFormats {
public:
    UserFormats(const std::wstring& date, const std::wstring& time)
        : date_(LocaleFormat(LOCALE_SSHORTDATE)), time_(LocaleFormat(LOCALE_STIMEFORMAT)) {
        if (!date.empty()) {
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, date.c_str());
            SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, time.c_str());
        }
    }
    ~UserFormats() {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, date_.c_str());
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STIMEFORMAT, time_.c_str());
    }
    UserFormats(const UserFormats&) = delete;
    UserFormats& operator=(const UserFormats&) = delete;

private:
    std::wstring date_;
    std::wstring time_;
};

// What the system writes for a picker's date and time in the user's formats, joined by a space.
std::wstring SystemDateTime(const SYSTEMTIME& time) {
    wchar_t date[80] = {};
    wchar_t clock[80] = {};
    GetDateFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, date, 80, nullptr);
    GetTimeFormatEx(LOCALE_NAME_USER_DEFAULT, 0, &time, nullptr, clock, 80);
    return std::wstring(date) + L" " + clock;
}

// Both pickers show their date and time as the system writes them in the user's formats: the
// prefix's Russian ones and formats set for the test that no picker shows by default.
TEST_F(SelectionTest, DatePickersShowTheUsersShortDateAndTimeFormats) {
    Prepare(0, 0);
    struct Case {
        const wchar_t* date;
        const wchar_t* time;
        const wchar_t* sample; // the text of 2026-03-04 05:06:07 in these formats
    };
    const Case cases[] = {
        {L"", L"", L"04.03.2026 05:06:07"},
        {L"yyyy-MM-dd", L"HH'h'mm", L"2026-03-04 05h06"},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(Narrow(test.sample));
        const UserFormats formats(test.date, test.time);
        const SYSTEMTIME sample{2026, 3, 3, 4, 5, 6, 7, 0};
        ASSERT_EQ(SystemDateTime(sample), test.sample);
        ASSERT_TRUE(WithModalDialog(page, kAnalysis, kSelectionCaption, [&](HWND dialog) {
            for (const int id : {1095, 1096}) {
                HWND picker = GetDlgItem(dialog, id);
                SYSTEMTIME shown{};
                ASSERT_EQ(DateTime_GetSystemtime(picker, &shown), GDT_VALID);
                wchar_t text[80] = {};
                GetWindowTextW(picker, text, 80);
                EXPECT_EQ(text, SystemDateTime(shown)) << id;
            }
            Screenshot(dialog, *test.date == 0 ? "dialog196_dates_russian" : "dialog196_dates_user_formats");
        }));
    }
}

// Five keys typed 100 ms apart: one search, 500 ms after the last. Each search refills the result list
// once, with its drawing switched off while the rows go in; the list's own procedure counts the refills.
TEST_F(SelectionTest, TypingInTheSampleFieldSearchesOnceAfterTheLastKey) {
    Prepare(0, 0);
    const std::vector<std::wstring> all = Expected(false, [](const sim::AssayRow&) { return true; });
    const std::vector<std::wstring> matching = Expected(
        false, [](const sim::AssayRow& row) { return row.sample.find(u"abcde") != std::u16string::npos; });
    ASSERT_NE(all.size(), matching.size());
    ASSERT_TRUE(WithModalDialog(page, kAnalysis, kSelectionCaption, [&](HWND dialog) {
        HWND results = GetDlgItem(dialog, 1013);
        HWND sample = GetDlgItem(dialog, 1105);
        const MessageCounter refills(results, WM_SETREDRAW, FALSE);
        for (const wchar_t key : std::wstring(L"abcde")) {
            SendMessageW(sample, WM_CHAR, key, 1);
            PumpFor(100);
            EXPECT_EQ(refills.Count(), 0) << static_cast<char>(key);
            EXPECT_EQ(ColumnTexts(results, 0), all) << static_cast<char>(key);
        }
        EXPECT_EQ(Text(dialog, 1105), L"abcde");
        PumpFor(250);
        EXPECT_EQ(refills.Count(), 0);
        EXPECT_EQ(ColumnTexts(results, 0), all);
        PumpFor(400);
        EXPECT_EQ(refills.Count(), 1);
        EXPECT_EQ(ColumnTexts(results, 0), matching);
        // Nothing runs again while the field rests.
        PumpFor(700);
        EXPECT_EQ(refills.Count(), 1);
        // A change to another filter is searched once as well.
        SelectComboIndex(dialog, 1093, 1);
        PumpFor(700);
        EXPECT_EQ(refills.Count(), 2);
    }));
}

} // namespace
} // namespace ui
