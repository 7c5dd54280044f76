// The report page under Wine, which has no browser engine: the page takes the path without a browser
// (save, print and preview disabled, the report file's path shown), shows why a report was not made,
// deletes its report files when it goes, and the report-parameters dialogs edit the context's
// parameters, which reach the report and the saved settings.
#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "WindowFixture.h"
#include "output_report/TemplateSetting.h"
#include "text/Format.h"
#include "text/Utf.h"

namespace ui {
namespace {

constexpr int kReportTab = 5;
constexpr int kSave = 1091;
constexpr int kPrint = 1201;
constexpr int kPreview = 1202;
constexpr int kParameters = 1204;
constexpr int kBrowser = 101;
constexpr int kText = 1600;
constexpr int kParameterList = 1013;
constexpr int kAdd = 1012;
constexpr int kDelete = 1043;
constexpr int kName = 1207;
constexpr int kValue = 1208;
const wchar_t kListCaption[] = L"Отчёт: Параметры";
const wchar_t kPairCaption[] = L"Отчёт: Параметр";
const wchar_t kNoticeCaption[] = L"Предупреждение";
const wchar_t kWrittenTo[] = L"Встроенный браузер недоступен. Отчёт записан в файл:\r\n";

std::wstring WindowText(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return text;
}

void WriteFileText(const std::u16string& path, const std::string& text) {
    std::ofstream file(reinterpret_cast<const wchar_t*>(path.c_str()), std::ios::binary);
    file << text;
}

std::string ReadAll(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

// The report file the page names in its text; empty when it names none.
std::wstring ShownReportFile(HWND page) {
    const std::wstring text = WindowText(GetDlgItem(page, kText));
    return text.rfind(kWrittenTo, 0) == 0 ? text.substr(std::size(kWrittenTo) - 1) : std::wstring();
}

// Acts on the modal dialogs an action opens: on each tick of a timer of the test thread, the next step
// runs on the enabled dialog of its caption once it is shown. A step may open a further dialog. A script
// that stalls for ten seconds cancels every dialog of its captions and is marked failed.
struct ModalStep {
    const wchar_t* caption;
    std::function<void(HWND)> act;
};

struct ModalScript {
    std::vector<ModalStep> steps;
    size_t next = 0;
    int idleTicks = 0;
    bool stalled = false;
};

ModalScript* g_script = nullptr;

struct DialogSearch {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<DialogSearch*>(parameter);
    if (IsWindowVisible(window) && IsWindowEnabled(window) && WindowText(window) == search.caption) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND EnabledDialog(const wchar_t* caption) {
    DialogSearch search{caption, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR, DWORD) {
    ModalScript* script = g_script;
    if (script == nullptr || script->next >= script->steps.size()) {
        return;
    }
    const ModalStep& step = script->steps[script->next];
    if (HWND dialog = EnabledDialog(step.caption); dialog != nullptr) {
        script->idleTicks = 0;
        ++script->next; // before acting: the step may run a nested dialog, which ticks again
        step.act(dialog);
        return;
    }
    if (++script->idleTicks > 500) {
        script->stalled = true;
        script->next = script->steps.size();
        for (const wchar_t* caption : {kPairCaption, kListCaption}) {
            if (HWND dialog = EnabledDialog(caption); dialog != nullptr) {
                PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
            }
        }
    }
}

// Sends the command to the page while the script acts on the dialogs it opens; true when every step ran.
bool RunWithDialogs(HWND page, int command, ModalScript& script) {
    g_script = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &RunScript);
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    KillTimer(nullptr, timer);
    g_script = nullptr;
    PumpMessages();
    return !script.stalled && script.next == script.steps.size();
}

void Click(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

ModalStep EnterPair(const std::wstring& name, const std::wstring& value) {
    return {kPairCaption, [name, value](HWND dialog) {
                SetDlgItemTextW(dialog, kName, name.c_str());
                SetDlgItemTextW(dialog, kValue, value.c_str());
                Click(dialog, IDOK);
            }};
}

void SelectAllRowsOf(HWND list) {
    std::vector<int> rows(Rows(list).size());
    for (size_t row = 0; row < rows.size(); ++row) {
        rows[row] = static_cast<int>(row);
    }
    SelectRows(list, rows);
}

void DoubleClickRow(HWND dialog, int row) {
    HWND list = GetDlgItem(dialog, kParameterList);
    NMITEMACTIVATE activation{};
    activation.hdr.hwndFrom = list;
    activation.hdr.idFrom = kParameterList;
    activation.hdr.code = NM_DBLCLK;
    activation.iItem = row;
    SendMessageW(dialog, WM_NOTIFY, kParameterList, reinterpret_cast<LPARAM>(&activation));
}

TEST_F(WindowTest, ReportPageWithoutABrowserSaysWhereTheReportIsAndDeletesItWhenLeft) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kReportTab);
    PumpMessages();
    HWND page = CurrentPage(main);
    ASSERT_NE(page, nullptr);
    Screenshot(main, "report_page");

    HWND browser = GetDlgItem(page, kBrowser);
    ASSERT_NE(browser, nullptr);
    wchar_t className[64] = {};
    GetClassNameW(browser, className, 64);
    EXPECT_STREQ(className, L"WebformClass");
    EXPECT_EQ(SendMessageW(browser, WM_USER + 5, 0, 0), 0) << "Wine has no browser engine here";
    for (const int button : {kSave, kPrint, kPreview}) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(page, button))) << button;
    }
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, kParameters)));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, kText)));

    const std::wstring file = ShownReportFile(page);
    ASSERT_FALSE(file.empty()) << Narrow(WindowText(GetDlgItem(page, kText)));
    EXPECT_NE(file.find(L"\\web"), std::wstring::npos);
    const std::string html = ReadAll(file);
    EXPECT_NE(html.find("Метановое число"), std::string::npos) << "the report file holds the report";

    // The text and the browser window cover the page below the buttons and follow its size.
    const RECT before = ChildRectangle(GetDlgItem(page, kText));
    EXPECT_EQ(before.left, 10);
    EXPECT_EQ(before.top, 42);
    const RECT mainBefore = WindowRectangle(main);
    SetWindowPos(main, nullptr, 0, 0, mainBefore.right - mainBefore.left + 80,
                 mainBefore.bottom - mainBefore.top + 40, SWP_NOMOVE | SWP_NOZORDER);
    PumpMessages();
    const RECT after = ChildRectangle(GetDlgItem(page, kText));
    EXPECT_EQ(after.right - after.left, before.right - before.left + 80);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top + 40);
    const RECT browserAfter = ChildRectangle(browser);
    EXPECT_TRUE(EqualRect(&after, &browserAfter));

    SelectTab(main, 0);
    PumpMessages();
    EXPECT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES) << "the page deletes its report";
}

TEST_F(WindowTest, ReportPageShowsWhyTheReportWasNotMade) {
    WriteFileText(folder + u"FerrowReportTmpl.xsl", "<not-a-style-sheet/>");
    SetConfiguredTemplateFolder(folder);
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kReportTab);
    PumpMessages();
    ClearConfiguredTemplateFolder();
    HWND page = CurrentPage(main);
    ASSERT_NE(page, nullptr);
    const std::wstring text = WindowText(GetDlgItem(page, kText));
    const std::wstring prefix = L"Отчёт не построен: ";
    ASSERT_EQ(text.rfind(prefix, 0), 0u) << Narrow(text);
    // The failed step in the user's words: MSXML reads a well-formed document that is no style sheet,
    // and its transformation is what fails.
    const std::wstring reason = text.substr(prefix.size());
    EXPECT_TRUE(reason.rfind(L"преобразование по шаблону отчёта не выполнено", 0) == 0 ||
                reason.rfind(L"шаблон отчёта ", 0) == 0)
        << Narrow(text);
    Screenshot(main, "report_page_failed");
}

TEST_F(WindowTest, ReportParametersReachTheReportAndTheSettings) {
    HWND main = Open();
    ASSERT_NE(main, nullptr);
    SelectTab(main, kReportTab);
    PumpMessages();
    HWND page = CurrentPage(main);
    ASSERT_NE(page, nullptr);
    const std::wstring firstFile = ShownReportFile(page);

    std::vector<std::vector<std::wstring>> initial;
    std::vector<std::vector<std::wstring>> listed;
    std::wstring refusal;
    ModalScript edit;
    edit.steps = {
        {kListCaption,
         [&initial, this](HWND dialog) {
             initial = Rows(GetDlgItem(dialog, kParameterList));
             Screenshot(dialog, "report_parameters");
             Click(dialog, kAdd);
         }},
        {kPairCaption,
         [this](HWND dialog) {
             SetDlgItemTextW(dialog, kName, L"Заказчик 2");
             SetDlgItemTextW(dialog, kValue, L"ООО Север");
             Screenshot(dialog, "report_parameter");
             Click(dialog, IDOK);
         }},
        {kListCaption, [](HWND dialog) { Click(dialog, kAdd); }},
        EnterPair(L"", L"не добавляется без названия"),
        {kListCaption, [](HWND dialog) { Click(dialog, kAdd); }},
        EnterPair(L"Договор", L"№ 17/2026"),
        // The stored form ends the name at its first slash: such a name is refused, the pair stays open.
        {kListCaption, [](HWND dialog) { Click(dialog, kAdd); }},
        EnterPair(L"Дата/время", L"07.12.2026"),
        {kNoticeCaption,
         [&refusal](HWND box) {
             refusal = WindowText(GetDlgItem(box, 0xFFFF));
             Click(box, IDOK);
         }},
        EnterPair(L"Дата", L"07/12/2026 10:00"),
        {kListCaption, [](HWND dialog) { Click(dialog, kAdd); }},
        EnterPair(L"Лишний", L"удаляется"),
        {kListCaption,
         [](HWND dialog) {
             HWND list = GetDlgItem(dialog, kParameterList);
             SelectRows(list, {static_cast<int>(Rows(list).size()) - 1});
             SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kDelete, BN_CLICKED), 0);
             DoubleClickRow(dialog, 0);
         }},
        EnterPair(L"Заказчик", L"ООО «Газ Юг»"),
        {kListCaption,
         [&listed](HWND dialog) {
             listed = Rows(GetDlgItem(dialog, kParameterList));
             Click(dialog, IDOK);
         }},
    };
    ASSERT_TRUE(RunWithDialogs(page, kParameters, edit));
    ASSERT_FALSE(initial.empty()) << "the demo profile has report parameters";
    std::vector<std::vector<std::wstring>> expected = initial;
    expected[0] = {L"Заказчик", L"ООО «Газ Юг»"};
    expected.push_back({L"Заказчик 2", L"ООО Север"});
    expected.push_back({L"Договор", L"№ 17/2026"});
    expected.push_back({L"Дата", L"07/12/2026 10:00"});
    EXPECT_EQ(listed, expected);
    EXPECT_EQ(refusal, L"Имя \"Дата/время\" не может содержать символ \"/\".");

    // OK refreshes the report: a new file with the parameters.
    const std::wstring secondFile = ShownReportFile(page);
    ASSERT_FALSE(secondFile.empty());
    EXPECT_NE(secondFile, firstFile);
    const std::string html = ReadAll(secondFile);
    EXPECT_NE(html.find("ООО «Газ Юг»"), std::string::npos);
    EXPECT_NE(html.find("Заказчик 2"), std::string::npos);
    EXPECT_NE(html.find("№ 17/2026"), std::string::npos);

    // Cancel keeps the parameters: the dialog opens on them again.
    ModalScript cancel;
    std::vector<std::vector<std::wstring>> reopened;
    cancel.steps = {{kListCaption, [&reopened](HWND dialog) {
                         reopened = Rows(GetDlgItem(dialog, kParameterList));
                         SelectAllRowsOf(GetDlgItem(dialog, kParameterList));
                         SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(kDelete, BN_CLICKED), 0);
                         Click(dialog, IDCANCEL);
                     }}};
    ASSERT_TRUE(RunWithDialogs(page, kParameters, cancel));
    EXPECT_EQ(reopened, expected);
    EXPECT_EQ(ShownReportFile(page), secondFile) << "Cancel does not refresh";

    SendMessageW(main, WM_CLOSE, 0, 0);
    PumpMessages();
    auto& saved = hosted->Host().Host().profile;
    const size_t added = initial.size();
    EXPECT_EQ(saved[u"Tarvel/ReportProp000"], u"Заказчик/ООО «Газ Юг»");
    EXPECT_EQ(saved[FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(added)})],
              u"Заказчик 2/ООО Север");
    EXPECT_EQ(saved[FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(added + 1)})],
              u"Договор/№ 17/2026");
    EXPECT_EQ(saved[FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(added + 2)})],
              u"Дата/07/12/2026 10:00");
    EXPECT_EQ(saved.count(FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(added + 3)})), 0u);
    EXPECT_EQ(GetFileAttributesW(firstFile.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesW(secondFile.c_str()), INVALID_FILE_ATTRIBUTES);
}

} // namespace
} // namespace ui
