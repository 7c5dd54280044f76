// The export page on the demo's run: its controls filled from and written back to the settings, the
// export handed to a program with "%F" standing for the file (quoted, for a temporary folder with a
// space), a program that cannot be started reported, the file opened without a program, and the program
// chosen through the system's file-open dialog.
#include <windows.h>
// dlgs.h names the controls of the system's file dialogs.
#include <dlgs.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <fstream>
#include <iterator>

#include "ModalDialogs.h"
#include "ModalDriver.h"
#include "WindowFixture.h"

namespace ui {
namespace {

constexpr int kExportTab = 6;
constexpr int kSectionBoxes[] = {1116, 1117, 1118, 1119, 1120, 1121, 1122, 1126};

std::wstring ItemText(HWND page, int id) {
    wchar_t text[300] = {};
    GetDlgItemTextW(page, id, text, 300);
    return text;
}

std::string FileBytes(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::wstring> ExportFiles(const std::wstring& folder, const wchar_t* pattern = L"EXP*.json") {
    std::vector<std::wstring> files;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            files.push_back(folder + found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    return files;
}

class ExportPageTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        // The temporary folder of the export, with a space in its path.
        temp = std::wstring(folder.begin(), folder.end()) + L"temp dir\\";
        CreateDirectoryW(temp.c_str(), nullptr);
        // The scratch folder outlives a run: start without the files of the last one.
        for (const std::wstring& file : ExportFiles(temp, L"EXP*")) {
            DeleteFileW(file.c_str());
        }
        DeleteFileW((std::wstring(folder.begin(), folder.end()) + L"received.json").c_str());
        for (const wchar_t* name : {L"TMP", L"TEMP"}) {
            wchar_t value[MAX_PATH] = {};
            saved.emplace_back(name, GetEnvironmentVariableW(name, value, MAX_PATH) > 0 ? value : L"");
            SetEnvironmentVariableW(name, temp.c_str());
        }
        main = Open();
        ASSERT_NE(main, nullptr);
        SelectTab(main, kExportTab);
        page = CurrentPage(main);
        ASSERT_EQ(GetDlgCtrlID(page), 198);
    }
    void TearDown() override {
        for (const auto& [name, value] : saved) {
            SetEnvironmentVariableW(name.c_str(), value.empty() ? nullptr : value.c_str());
        }
        WindowTest::TearDown();
    }
    std::vector<CaughtBox> Export() {
        BoxCatcher catcher;
        SendMessageW(page, WM_COMMAND, MAKEWPARAM(1114, BN_CLICKED), 0);
        PumpMessages();
        return catcher.boxes;
    }

    std::wstring temp;
    std::vector<std::pair<std::wstring, std::wstring>> saved;
    HWND main = nullptr;
    HWND page = nullptr;
};

TEST_F(ExportPageTest, HandsTheWrittenFileToTheNamedProgramAndKeepsItsChoices) {
    // Filled from the demo profile's settings.
    HWND format = GetDlgItem(page, 1115);
    ASSERT_EQ(SendMessageW(format, CB_GETCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageW(format, CB_GETCURSEL, 0, 0), 0);
    for (int id : kSectionBoxes) {
        EXPECT_EQ(IsDlgButtonChecked(page, id), BST_CHECKED) << id;
    }
    EXPECT_EQ(ItemText(page, 1127), L"CMD");
    EXPECT_EQ(ItemText(page, 1128), L"/C move /Y %F C:\\out\\data.xml");
    Screenshot(main, "page06_export_filled");

    // The recording program: the command interpreter copies what it is handed.
    const std::wstring received = std::wstring(folder.begin(), folder.end()) + L"received.json";
    SendMessageW(format, CB_SETCURSEL, 1, 0);
    CheckDlgButton(page, 1122, BST_UNCHECKED);
    SetDlgItemTextW(page, 1127, L"cmd");
    SetDlgItemTextW(page, 1128, (L"/C copy /Y %F \"" + received + L"\"").c_str());
    EXPECT_TRUE(Export().empty());
    const std::vector<std::wstring> written = ExportFiles(temp);
    ASSERT_EQ(written.size(), 1u);
    // The empty "EXP….tmp" that reserved the name is gone once the export is written.
    EXPECT_EQ(ExportFiles(temp, L"EXP*"), written);
    for (int wait = 0; wait < 300 && GetFileAttributesW(received.c_str()) == INVALID_FILE_ATTRIBUTES;
         ++wait) {
        PumpFor(50);
    }
    PumpFor(200);
    const std::string bytes = FileBytes(received);
    EXPECT_EQ(bytes, FileBytes(written[0]));
    EXPECT_EQ(bytes.substr(0, 1), "{");
    EXPECT_EQ(bytes.find("\"settings\""), std::string::npos);

    // Leaving the page keeps the choices in the window's settings.
    SelectTab(main, 5);
    SelectTab(main, kExportTab);
    page = CurrentPage(main);
    EXPECT_EQ(SendMessageW(GetDlgItem(page, 1115), CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(IsDlgButtonChecked(page, 1122), BST_UNCHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page, 1121), BST_CHECKED);
    EXPECT_EQ(ItemText(page, 1127), L"cmd");
}

TEST_F(ExportPageTest, ReportsAProgramThatCannotBeStartedAndOpensTheFileWithoutOne) {
    SendMessageW(GetDlgItem(page, 1115), CB_SETCURSEL, 1, 0);
    const std::wstring absent = std::wstring(folder.begin(), folder.end()) + L"absent\\nothing.exe";
    SetDlgItemTextW(page, 1127, absent.c_str());
    std::vector<CaughtBox> boxes = Export();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, L"Ошибка");
    EXPECT_EQ(boxes[0].text.rfind(absent + L"\r\n", 0), 0u) << Narrow(boxes[0].text);
    EXPECT_GT(boxes[0].text.size(), absent.size() + 2);
    EXPECT_EQ(ExportFiles(temp).size(), 1u);

    // No program: the file itself goes to the system; a failure names the file.
    SetDlgItemTextW(page, 1127, L"");
    boxes = Export();
    const std::vector<std::wstring> written = ExportFiles(temp);
    ASSERT_EQ(written.size(), 2u);
    for (const CaughtBox& box : boxes) {
        EXPECT_EQ(box.caption, L"Ошибка");
        EXPECT_NE(box.text.find(L"EXP"), std::wstring::npos) << Narrow(box.text);
    }
}

// The system's file-open dialog the page's "..." shows, owned by the main window.
bool IsFileDialog(HWND window, HWND main) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return std::wstring(name) == L"#32770" && GetWindow(window, GW_OWNER) == main &&
           GetDlgItem(window, cmb13) != nullptr && GetDlgItem(window, cmb1) != nullptr;
}

// The edit of the dialog's file name field, where the user types.
HWND FileNameEdit(HWND dialog) {
    HWND field = GetDlgItem(dialog, cmb13);
    HWND combo = FindWindowExW(field, nullptr, L"ComboBox", nullptr);
    HWND edit = FindWindowExW(combo != nullptr ? combo : field, nullptr, L"Edit", nullptr);
    return edit != nullptr ? edit : field;
}

// Types a name into the file name field and presses the dialog's open button.
void TypeAndOpen(HWND dialog, const std::wstring& name) {
    SetWindowTextW(FileNameEdit(dialog), name.c_str());
    SendMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    PumpMessages();
}

std::vector<std::wstring> ComboTexts(HWND combo) {
    std::vector<std::wstring> texts;
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int item = 0; item < count; ++item) {
        wchar_t text[128] = {};
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(text));
        texts.emplace_back(text);
    }
    return texts;
}

// "..." opens the system's file-open dialog: Cancel and a folder that does not exist leave the program
// field as it was; the chosen program lands in the field, stays when the page is left, and the host's
// current folder is the one it had before the user browsed elsewhere.
TEST_F(ExportPageTest, BrowseButtonPutsTheChosenProgramIntoTheProgramField) {
    // The full path without "..", as the dialog gives it.
    wchar_t full[MAX_PATH] = {};
    GetFullPathNameW((std::wstring(folder.begin(), folder.end()) + L"tools").c_str(), MAX_PATH, full,
                     nullptr);
    const std::wstring tools = full;
    const std::wstring tool = tools + L"\\send data.bat";
    CreateDirectoryW(tools.c_str(), nullptr);
    ASSERT_TRUE(std::ofstream(tool.c_str()) << "@copy /Y %1 received.json\r\n");
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    const auto browse = [this] { SendMessageW(page, WM_COMMAND, MAKEWPARAM(1131, BN_CLICKED), 0); };
    const auto fileDialog = [this](HWND window) { return IsFileDialog(window, main); };

    SetDlgItemTextW(page, 1127, L"cmd");
    ASSERT_TRUE(WithModalWindow(browse, fileDialog, [&](HWND dialog) {
        EXPECT_EQ(ComboTexts(GetDlgItem(dialog, cmb1)),
                  (std::vector<std::wstring>{L"Executable Files (*.exe)", L"Batch Files (*.bat)",
                                             L"All Files (*.*)"}));
        EXPECT_EQ(Text(dialog, cmb13), L"");
        SetWindowTextW(FileNameEdit(dialog), tool.c_str());
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    }));
    PumpMessages();
    EXPECT_EQ(ItemText(page, 1127), L"cmd");

    // A path whose folder does not exist is refused by the dialog, which stays open.
    ASSERT_TRUE(WithModalWindow(browse, fileDialog, [&](HWND dialog) {
        BoxCatcher catcher;
        TypeAndOpen(dialog, tools + L"\\absent\\nothing.exe");
        EXPECT_EQ(catcher.boxes.size(), 1u);
        EXPECT_TRUE(IsWindowVisible(dialog));
        SendMessageW(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
    }));
    PumpMessages();
    EXPECT_EQ(ItemText(page, 1127), L"cmd");

    // Into the folder first, as a user browses, then the program by its name.
    ASSERT_TRUE(WithModalWindow(browse, fileDialog, [&](HWND dialog) {
        TypeAndOpen(dialog, tools);
        // The batch files' filter, as a user picks it from the list.
        SendMessageW(GetDlgItem(dialog, cmb1), CB_SETCURSEL, 1, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb1, CBN_SELENDOK),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, cmb1)));
        PumpFor(200);
        EXPECT_EQ(
            ListView_GetItemCount(FindWindowExW(GetDlgItem(dialog, lst2), nullptr, WC_LISTVIEWW, nullptr)),
            1);
        Screenshot(dialog, "dialog198_export_browse");
        TypeAndOpen(dialog, L"send data.bat");
    }));
    PumpMessages();
    EXPECT_EQ(ItemText(page, 1127), tool);
    wchar_t after[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, after);
    EXPECT_EQ(std::wstring(after), current);
    SetCurrentDirectoryW(current); // the tests after this one run where they started
    Screenshot(main, "page06_export_browsed");

    SelectTab(main, 5);
    SelectTab(main, kExportTab);
    page = CurrentPage(main);
    EXPECT_EQ(ItemText(page, 1127), tool);
}

} // namespace
} // namespace ui
