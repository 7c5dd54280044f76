// The main window driven as a user drives it: opening, tab changes and when they calculate, the journal
// and its status strip, failures of the database, resizing, the splitter, placement and closing.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cwctype>
#include <iterator>
#include <vector>

#include "Databases.h"
#include "WindowFixture.h"
#include "text/Utf.h"

namespace ui {
namespace {

constexpr COLORREF kGreen = RGB(67, 162, 30);
constexpr COLORREF kRed = RGB(194, 16, 16);
const std::wstring kCalculationFailed =
    L"Возникла ошибка. Расчёт невозможен.\nВнимательно ознакомьтесь со списком ошибок ниже.";

COLORREF StripColour(HWND main) {
    return ScreenPixel(GetDlgItem(main, 1092), 3, 3);
}

int CountBoxes(const std::vector<CaughtBox>& boxes, const std::wstring& text) {
    return static_cast<int>(
        std::count_if(boxes.begin(), boxes.end(), [&](const CaughtBox& box) { return box.text == text; }));
}

bool SideBySideCommonControlsLoaded() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, 0);
    MODULEENTRY32W module{};
    module.dwSize = sizeof(module);
    bool found = false;
    for (BOOL more = Module32FirstW(snapshot, &module); more && !found;
         more = Module32NextW(snapshot, &module)) {
        std::wstring path = module.szExePath;
        std::transform(path.begin(), path.end(), path.begin(), [](wchar_t c) { return towlower(c); });
        found = path.find(L"winsxs") != std::wstring::npos &&
                path.find(L"common-controls") != std::wstring::npos && path.ends_with(L"comctl32.dll");
    }
    CloseHandle(snapshot);
    return found;
}

BOOL CALLBACK CountMainWindows(HWND window, LPARAM count) {
    wchar_t caption[64] = {};
    GetWindowTextW(window, caption, 64);
    *reinterpret_cast<int*>(count) += std::wstring(caption) == L"Природный газ";
    return TRUE;
}

TEST_F(WindowTest, OpensOnPageZeroWithAnEmptyJournalAndAGreenStrip) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(openingBoxes.empty());
    EXPECT_EQ(TabCtrl_GetItemCount(TabControl(main)), 12);
    EXPECT_EQ(TabCtrl_GetCurSel(TabControl(main)), 0);
    EXPECT_EQ(GetDlgCtrlID(CurrentPage(main)), 109);
    EXPECT_EQ(HeaderTexts(JournalList(main)), (std::vector<std::wstring>{L"Раздел", L"Описание"}));
    EXPECT_EQ(ListView_GetItemCount(JournalList(main)), 0);
    EXPECT_EQ(StripColour(main), kGreen);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageW(main, WM_GETICON, ICON_SMALL, 0), 0);
    // The library's manifest brings in the common controls of version 6 (the side-by-side assembly),
    // beside the system's version 5 that the test program itself uses.
    EXPECT_TRUE(SideBySideCommonControlsLoaded());
    // The chromatograms of the profile, refreshed from the database: the demo's calibration, control and
    // analysis batches, all included.
    HWND list = PageList(main);
    ASSERT_GT(ListView_GetItemCount(list), 0);
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        EXPECT_TRUE(ListView_GetCheckState(list, row)) << row;
        EXPECT_FALSE(Rows(list)[static_cast<size_t>(row)][0].empty()) << row;
    }
    Screenshot(main, "page00_chromatograms");

    // A second command only brings the window forward.
    EXPECT_EQ(hosted->ChooseMenuItem(), main);
    int windows = 0;
    EnumThreadWindows(GetCurrentThreadId(), &CountMainWindows, reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 1);
}

std::vector<bool> Checks(HWND list) {
    std::vector<bool> checks;
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        checks.push_back(ListView_GetCheckState(list, row) != 0);
    }
    return checks;
}

// The demo's list: three calibration, three control and two analysis chromatograms.
const std::vector<bool> kBatchUnticked = {false, false, false, true, true, true, true, true};

// No analysis ticked: the run has no composition to show, and the window says why instead of a silent
// green strip over an empty components page.
TEST_F(WindowTest, ARunWithoutATickedAnalysisSaysSo) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    const std::wstring reason =
        L"Не отмечена ни одна хроматограмма анализа: состав газа не рассчитан. Отметьте "
        L"хроматограммы анализа на странице «Хроматограммы».";
    ListView_SetCheckState(PageList(main), 7, FALSE); // the analysis batch, rows 6 and 7
    ASSERT_EQ(Checks(PageList(main)), (std::vector<bool>{true, true, true, true, true, true, false, false}));
    {
        BoxCatcher catcher;
        SelectTab(main, 2);
    }
    const auto journal = Rows(JournalList(main));
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.back(), (std::vector<std::wstring>{L"Общая", reason})); // category GENERAL
    EXPECT_EQ(StripColour(main), kRed);
    const auto rows = Rows(PageList(main));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], reason);
    Screenshot(main, "page02_components_without_analysis");
    // Ticked again: the composition, no such line.
    SelectTab(main, 0);
    ListView_SetCheckState(PageList(main), 6, TRUE);
    SelectTab(main, 2);
    EXPECT_GT(ListView_GetItemCount(PageList(main)), 1);
    for (const auto& row : Rows(JournalList(main))) {
        EXPECT_NE(row.back(), reason);
    }
}

TEST_F(WindowTest, PageZeroCommitsItsCheckBoxesWhenLeftAndTheWindowSavesThem) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    ASSERT_GT(ListView_GetItemCount(PageList(main)), 3);
    // Rows 0-2 are the calibration batch, 3-5 the control batch: unticking row 1 unticks its batch.
    ListView_SetCheckState(PageList(main), 1, FALSE);
    // Хроматограммы → Настройки (input to input: no run) → back: the page shows what it committed.
    {
        BoxCatcher catcher;
        SelectTab(main, 10);
        SelectTab(main, 0);
        EXPECT_TRUE(catcher.boxes.empty());
    }
    EXPECT_EQ(Checks(PageList(main)), kBatchUnticked);
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    PumpMessages();
    ASSERT_FALSE(IsWindow(main));
    // Saved with the settings: the next window shows it too.
    main = Open();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(Checks(PageList(main)), kBatchUnticked);
}

// Boxes 231 count the runs: on a database that cannot be read every run fails.
TEST_F(WindowTest, CalculatesOnlyWhenAnInputPageIsLeftForAnOutputPage) {
    const std::u16string broken = folder + u"broken.db";
    sim::MakeHostileDatabase(Utf16ToUtf8(broken), sim::HostileKind::NotADatabase);
    UseDatabase(broken);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    struct Step {
        int to;
        int runs;
    };
    // From page 0 (Хроматограммы, input) on: output to output, output to input, input to input and
    // input to output.
    const Step steps[] = {
        {1, 1},  // Хроматограммы → Градуировка
        {3, 0},  // Градуировка → Расчёт
        {7, 0},  // Расчёт → Смеси
        {5, 1},  // Смеси → Отчёт
        {0, 0},  // Отчёт → Хроматограммы
        {10, 0}, // Хроматограммы → Настройки
        {11, 1}, // Настройки → О Программе
        {11, 0}, // О Программе → О Программе
    };
    for (const Step& step : steps) {
        BoxCatcher catcher;
        SelectTab(main, step.to);
        EXPECT_EQ(CountBoxes(catcher.boxes, kCalculationFailed), step.runs) << "to page " << step.to;
        EXPECT_EQ(TabCtrl_GetCurSel(TabControl(main)), step.to);
        EXPECT_NE(CurrentPage(main), nullptr);
    }
}

// Every WM_PAINT the thread's windows receive while it lives, sent or posted, with the region to paint.
class PaintRecorder {
public:
    struct Paint {
        HWND window;
        std::vector<RECT> region; // the update region's rectangles, client coordinates
    };
    PaintRecorder() {
        paints_.clear();
        sent_ = SetWindowsHookExW(WH_CALLWNDPROC, &Sent, nullptr, GetCurrentThreadId());
        posted_ = SetWindowsHookExW(WH_GETMESSAGE, &Posted, nullptr, GetCurrentThreadId());
    }
    ~PaintRecorder() {
        UnhookWindowsHookEx(sent_);
        UnhookWindowsHookEx(posted_);
    }
    PaintRecorder(const PaintRecorder&) = delete;
    PaintRecorder& operator=(const PaintRecorder&) = delete;
    static std::vector<Paint> Of(HWND window) {
        std::vector<Paint> of;
        std::copy_if(paints_.begin(), paints_.end(), std::back_inserter(of),
                     [window](const Paint& paint) { return paint.window == window; });
        return of;
    }

private:
    static void Record(HWND window, UINT message) {
        if (message != WM_PAINT) {
            return;
        }
        HRGN update = CreateRectRgn(0, 0, 0, 0);
        if (GetUpdateRgn(window, update, FALSE) > NULLREGION) {
            std::vector<BYTE> data(GetRegionData(update, 0, nullptr));
            auto* region = reinterpret_cast<RGNDATA*>(data.data());
            GetRegionData(update, static_cast<DWORD>(data.size()), region);
            const auto* rects = reinterpret_cast<const RECT*>(region->Buffer);
            paints_.push_back({window, std::vector<RECT>(rects, rects + region->rdh.nCount)});
        }
        DeleteObject(update);
    }
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
        const auto& message = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        Record(message.hwnd, message.message);
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Posted(int code, WPARAM wParam, LPARAM lParam) {
        const auto& message = *reinterpret_cast<const MSG*>(lParam);
        if (wParam == PM_REMOVE) {
            Record(message.hwnd, message.message);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::vector<Paint> paints_;
    HHOOK sent_ = nullptr;
    HHOOK posted_ = nullptr;
};

// The lowest edge of what a region asks to be painted outside the rectangle covered; -1 when nothing.
LONG BottomOutside(const std::vector<RECT>& region, const RECT& covered) {
    LONG bottom = -1;
    HRGN hidden = CreateRectRgnIndirect(&covered);
    for (const RECT& rect : region) {
        HRGN part = CreateRectRgnIndirect(&rect);
        RECT box{};
        if (CombineRgn(part, part, hidden, RGN_DIFF) > NULLREGION && GetRgnBox(part, &box) > NULLREGION) {
            bottom = std::max(bottom, box.bottom);
        }
        DeleteObject(part);
    }
    DeleteObject(hidden);
    return bottom;
}

// A click on a tab draws the new page's list once and, of the tab control, nothing but the strip above
// the page: a themed tab control draws its whole pane for any part of its frame, as long again as the
// list takes under Wine.
TEST_F(WindowTest, ATabClickPaintsTheNewListOnceAndOfTheTabControlOnlyItsStrip) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    HWND tabs = TabControl(main);
    PumpMessages();
    for (const int tab : {2, 1, 0}) { // with the run, between result pages, to the input page
        const PaintRecorder recorder;
        ClickTab(tabs, tab);
        PumpMessages();
        ASSERT_EQ(TabCtrl_GetCurSel(tabs), tab);
        EXPECT_EQ(PaintRecorder::Of(PageList(main)).size(), 1u) << "tab " << tab;
        const RECT page = ChildRectangle(CurrentPage(main));
        const auto tabPaints = PaintRecorder::Of(tabs);
        EXPECT_FALSE(tabPaints.empty()) << "the strip shows the new selection";
        for (const auto& paint : tabPaints) {
            EXPECT_LE(BottomOutside(paint.region, page), page.top) << "tab " << tab;
        }
    }
    Screenshot(main, "tab_clicked_back_to_page0");
}

struct BrokenDatabase {
    sim::HostileKind kind;
    const char* name;
};

class DatabaseFailureTest : public WindowTest, public ::testing::WithParamInterface<BrokenDatabase> {};

TEST_P(DatabaseFailureTest, IsShownAndTheWindowStaysUsable) {
    const std::u16string broken = folder + u"broken.db";
    sim::MakeHostileDatabase(Utf16ToUtf8(broken), GetParam().kind);
    UseDatabase(broken);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    // Page 0 refreshes its chromatograms from the database: the failure is one error box with the
    // database's message, and the list shows the records as stored.
    ASSERT_EQ(openingBoxes.size(), 1u);
    EXPECT_EQ(openingBoxes[0].caption, L"Ошибка");
    EXPECT_FALSE(openingBoxes[0].text.empty());
    EXPECT_GT(ListView_GetItemCount(PageList(main)), 0);

    // The calculation fails with the database's message in the journal.
    BoxCatcher catcher;
    SelectTab(main, 2);
    ASSERT_EQ(catcher.boxes.size(), 1u);
    EXPECT_EQ(catcher.boxes[0].caption, L"Предупреждение");
    EXPECT_EQ(catcher.boxes[0].text, kCalculationFailed);
    const auto journal = Rows(JournalList(main));
    ASSERT_FALSE(journal.empty());
    EXPECT_EQ(journal.back()[0], L"Общая");
    EXPECT_EQ(journal.back()[1].rfind(L"Ошибка базы данных: ", 0), 0u) << Narrow(journal.back()[1]);
    EXPECT_GT(journal.back()[1].size(), std::wstring(L"Ошибка базы данных: ").size());
    EXPECT_EQ(StripColour(main), kRed);
    Screenshot(main, std::string("failure_") + GetParam().name);

    // Still usable: another page opens and the window closes normally.
    SelectTab(main, 11);
    EXPECT_EQ(ListView_GetItemCount(PageList(main)), 5); // four modules and the table in force
    SendMessageW(main, WM_COMMAND, IDOK, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(main));
}

INSTANTIATE_TEST_SUITE_P(Databases, DatabaseFailureTest,
                         ::testing::Values(BrokenDatabase{sim::HostileKind::NotADatabase, "NotADatabase"},
                                           BrokenDatabase{sim::HostileKind::NoTables, "NoTables"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowTest, KeepsItsMinimumSizeAndMovesTheControlsByTheirAnchors) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    const RECT initial = WindowRectangle(main);
    const SIZE size{initial.right - initial.left, initial.bottom - initial.top};
    const RECT tabs = ChildRectangle(TabControl(main));
    const RECT journal = ChildRectangle(JournalList(main));
    const RECT strip = ChildRectangle(GetDlgItem(main, 1092));
    const RECT ok = ChildRectangle(GetDlgItem(main, IDOK));

    SetWindowPos(main, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    const RECT shrunk = WindowRectangle(main);
    EXPECT_EQ(shrunk.right - shrunk.left, size.cx);
    EXPECT_EQ(shrunk.bottom - shrunk.top, size.cy);
    MINMAXINFO limits{};
    SendMessageW(main, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, size.cx);
    EXPECT_EQ(limits.ptMinTrackSize.y, size.cy);

    const int dx = 180;
    const int dy = 120;
    SetWindowPos(main, nullptr, 0, 0, size.cx + dx, size.cy + dy, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    struct Expected {
        HWND control;
        RECT before;
        RECT after;
    };
    const Expected expected[] = {
        {TabControl(main), tabs, {tabs.left, tabs.top, tabs.right + dx, tabs.bottom + dy}},
        {JournalList(main),
         journal,
         {journal.left, journal.top + dy, journal.right + dx, journal.bottom + dy}},
        {GetDlgItem(main, 1092), strip, {strip.left, strip.top + dy, strip.right + dx, strip.bottom + dy}},
        {GetDlgItem(main, IDOK), ok, {ok.left + dx, ok.top + dy, ok.right + dx, ok.bottom + dy}},
    };
    for (const Expected& item : expected) {
        const RECT now = ChildRectangle(item.control);
        EXPECT_TRUE(EqualRect(&now, &item.after)) << GetDlgCtrlID(item.control) << ": " << now.left << ","
                                                  << now.top << "," << now.right << "," << now.bottom;
    }
    // The page fills the tab's display area.
    RECT area = WindowRectangle(TabControl(main));
    TabCtrl_AdjustRect(TabControl(main), FALSE, &area);
    const RECT page = WindowRectangle(CurrentPage(main));
    EXPECT_TRUE(EqualRect(&page, &area));
    // The page's own list follows the page.
    const RECT list = ChildRectangle(PageList(main));
    RECT pageClient{};
    GetClientRect(CurrentPage(main), &pageClient);
    EXPECT_EQ(pageClient.right - list.right, list.left);
    Screenshot(main, "resized");

    // Minimising and restoring leave every control where it was.
    ShowWindow(main, SW_MINIMIZE);
    PumpMessages();
    ShowWindow(main, SW_RESTORE);
    PumpMessages();
    for (const Expected& item : expected) {
        const RECT now = ChildRectangle(item.control);
        EXPECT_TRUE(EqualRect(&now, &item.after)) << "after restoring " << GetDlgCtrlID(item.control);
    }
}

TEST_F(WindowTest, ListsKeepHiddenColumnsHiddenAndWidenColumnsDraggedTooNarrow) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, 1); // calibration by method А: the second concentration is hidden
    HWND list = PageList(main);
    HWND header = ListView_GetHeader(list);
    ASSERT_EQ(ListView_GetColumnWidth(list, 2), 0);
    struct Case {
        const char* what;
        UINT code;
        int column;
        int draggedWidth;
        LRESULT refused;
        int widthAfter; // -1: not checked
    };
    const Case cases[] = {
        {"drag of a hidden column", static_cast<UINT>(HDN_BEGINTRACKW), 2, 0, TRUE, 0},
        {"double click on a hidden divider", static_cast<UINT>(HDN_DIVIDERDBLCLICKW), 2, 0, TRUE, 0},
        {"drag of a shown column", static_cast<UINT>(HDN_BEGINTRACKW), 0, 0, FALSE, -1},
        {"a column dragged to 4 pixels", static_cast<UINT>(HDN_ENDTRACKW), 0, 4, TRUE, 5},
        {"a column dragged to 0 pixels", static_cast<UINT>(HDN_ENDTRACKW), 1, 0, TRUE, 5},
    };
    for (const Case& test : cases) {
        HDITEMW item{};
        item.mask = HDI_WIDTH;
        item.cxy = test.draggedWidth;
        NMHEADERW notice{};
        notice.hdr = {header, static_cast<UINT_PTR>(GetDlgCtrlID(header)), test.code};
        notice.iItem = test.column;
        notice.pitem = &item;
        EXPECT_EQ(SendMessageW(list, WM_NOTIFY, notice.hdr.idFrom, reinterpret_cast<LPARAM>(&notice)),
                  test.refused)
            << test.what;
        if (test.widthAfter >= 0) {
            EXPECT_EQ(ListView_GetColumnWidth(list, test.column), test.widthAfter) << test.what;
        }
    }
}

TEST_F(WindowTest, SplitterKeepsTheTabsAndTheJournalUsable) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    const RECT journal = ChildRectangle(JournalList(main));
    const RECT tabs = ChildRectangle(TabControl(main));
    const auto drag = [&](int fromY, int toY) {
        SendMessageW(main, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, fromY));
        SendMessageW(main, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(100, toY));
        SendMessageW(main, WM_LBUTTONUP, 0, MAKELPARAM(100, toY));
        PumpMessages();
    };
    // The grip lies 3 pixels above the journal; 40 pixels up makes the journal 40 pixels higher.
    drag(journal.top - 3, journal.top - 43);
    RECT movedJournal = ChildRectangle(JournalList(main));
    RECT movedTabs = ChildRectangle(TabControl(main));
    EXPECT_EQ(movedJournal.top, journal.top - 40);
    EXPECT_EQ(movedJournal.bottom, journal.bottom);
    EXPECT_EQ(movedTabs.bottom - movedTabs.top, tabs.bottom - tabs.top - 40);

    // Far up and far down: each part keeps its minimum height.
    drag(movedJournal.top - 3, 0);
    movedTabs = ChildRectangle(TabControl(main));
    EXPECT_EQ(movedTabs.bottom - movedTabs.top, 120);
    movedJournal = ChildRectangle(JournalList(main));
    drag(movedJournal.top - 3, 2000);
    movedJournal = ChildRectangle(JournalList(main));
    EXPECT_EQ(movedJournal.bottom - movedJournal.top, 48);
    EXPECT_EQ(movedJournal.bottom, journal.bottom);

    // Away from the grip a press moves nothing.
    drag(journal.top - 60, journal.top - 100);
    const RECT still = ChildRectangle(JournalList(main));
    EXPECT_TRUE(EqualRect(&still, &movedJournal));
}

TEST_F(WindowTest, StoresItsPlacementOnCloseAndRestoresItUnlessOffEveryMonitor) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    const RECT initial = WindowRectangle(main);
    const RECT placed{40, 30, 40 + (initial.right - initial.left) + 60,
                      30 + (initial.bottom - initial.top) + 50};
    SetWindowPos(main, nullptr, placed.left, placed.top, placed.right - placed.left,
                 placed.bottom - placed.top, SWP_NOZORDER);
    SendMessageW(main, WM_CLOSE, 0, 0);
    PumpMessages();
    ASSERT_FALSE(IsWindow(main));
    EXPECT_EQ(hosted->Host().Host().profile[u"Tarvel/WState"],
              u"40,30," + Utf8ToUtf16(std::to_string(placed.right)) + u"," +
                  Utf8ToUtf16(std::to_string(placed.bottom)));

    main = Open();
    ASSERT_NE(main, nullptr);
    const RECT restored = WindowRectangle(main);
    EXPECT_TRUE(EqualRect(&restored, &placed));
    SendMessageW(main, WM_COMMAND, IDCANCEL, 0);
    PumpMessages();

    // A placement that no monitor shows keeps the template's place.
    hosted->Host().Host().profile[u"Tarvel/WState"] = u"-30000,-30000,-29000,-29500";
    main = Open();
    ASSERT_NE(main, nullptr);
    const RECT kept = WindowRectangle(main);
    EXPECT_EQ(kept.right - kept.left, initial.right - initial.left);
    EXPECT_GT(kept.left, -1000);
}

TEST_F(WindowTest, UnloadDestroysAnOpenWindowAndSavesItsSettings) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    hosted->Host().Host().profile.erase(u"Tarvel/WState");
    hosted->Unload();
    EXPECT_FALSE(IsWindow(main));
    EXPECT_EQ(hosted->Host().Host().profile.count(u"Tarvel/WState"), 1u);
}

TEST(IntegrityUi, NamesTheFailingLibraryAndTheNextCommandTriesAgain) {
    // A copy of the plug-in whose GOST 31369-2021 library was damaged after the build.
    const std::u16string plugin = ScratchFolder("IntegrityUi");
    for (const char16_t* name :
         {u"TarvelPlugin.dll", u"Tarvel31371720.dll", u"Tarvel3136921.dll", u"Tarvel3470420.dll"}) {
        ASSERT_TRUE(CopyFileTo(BinaryFolder() + name, plugin + name));
    }
    const std::u16string damaged = plugin + u"Tarvel3136921.dll";
    // Damaged: another library's file in its place; repaired: its own file again.
    const auto damage = [&](bool broken) {
        ASSERT_TRUE(
            CopyFileTo(BinaryFolder() + (broken ? u"Tarvel31371720.dll" : u"Tarvel3136921.dll"), damaged));
    };
    CopyFileTo(DemoFolder() + u"profile.txt", plugin + u"profile.txt");
    damage(true);
    HostedPlugin hosted(plugin + u"profile.txt", DemoFolder() + u"demo.db", plugin);
    ASSERT_TRUE(hosted.Loaded());
    {
        BoxCatcher catcher;
        EXPECT_EQ(hosted.ChooseMenuItem(), nullptr);
        ASSERT_EQ(catcher.boxes.size(), 1u);
        EXPECT_EQ(catcher.boxes[0].caption, L"Контроль целостности");
        EXPECT_EQ(catcher.boxes[0].text, L"Tarvel3136921.dll");
    }
    damage(false);
    EXPECT_NE(hosted.ChooseMenuItem(), nullptr);
}

} // namespace
} // namespace ui
