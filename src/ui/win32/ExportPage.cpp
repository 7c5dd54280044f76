// The export page: the format, the sections and the program that receives the file, kept in the
// context's settings; "Экспорт" writes the file and hands it over.
#include <windows.h>
// commdlg.h needs the types of windows.h.
#include <commdlg.h>

#include <string>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "output/ExportFile.h"
#include "output/ExportHandOver.h"
#include "text/StringIds.gen.h"
#include "ui/win32/Notices.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

struct SectionBox {
    int id;
    bool CalcSettings::*flag;
};

constexpr SectionBox kSections[] = {
    {IDC_EXPORT_ASSAYS, &CalcSettings::expAssay},
    {IDC_EXPORT_CALIBRATION, &CalcSettings::expCalibration},
    {IDC_EXPORT_COMPONENTS, &CalcSettings::expComponents},
    {IDC_EXPORT_CALCULATION, &CalcSettings::expCalculation},
    {IDC_EXPORT_METHANE, &CalcSettings::expMethaneNumber},
    {IDC_EXPORT_MIXTURES, &CalcSettings::expMixtures},
    {IDC_EXPORT_SETTINGS, &CalcSettings::expSettings},
    {IDC_EXPORT_JOURNAL, &CalcSettings::expOutput},
};

constexpr uint32_t kFormatTexts[] = {StringId::ExportFormatXml, StringId::ExportFormatJson,
                                     StringId::ExportFormatTxt};

std::u16string EditText(HWND page, int id) {
    wchar_t text[kExportCommandCapacity + 1] = {};
    GetDlgItemTextW(page, id, text, static_cast<int>(kExportCommandCapacity + 1));
    return FromWide(text);
}

void FillControls(HWND page, const CalcSettings& settings) {
    HWND format = GetDlgItem(page, IDC_EXPORT_FORMAT);
    for (uint32_t text : kFormatTexts) {
        SendMessageW(format, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(ResourceText(text).c_str()));
    }
    SendMessageW(format, CB_SETCURSEL, static_cast<WPARAM>(settings.expFormat), 0);
    for (const SectionBox& box : kSections) {
        CheckDlgButton(page, box.id, settings.*box.flag ? BST_CHECKED : BST_UNCHECKED);
    }
    for (const auto& [id, text] : {std::pair{IDC_EXPORT_COMMAND, &settings.expCommand},
                                   std::pair{IDC_EXPORT_PARAMETERS, &settings.expParameters}}) {
        SendDlgItemMessageW(page, id, EM_LIMITTEXT, kExportCommandCapacity, 0);
        SetDlgItemTextW(page, id, Wide(*text));
    }
}

void WriteBack(HWND page) {
    CalcContext* context = PageContext(page);
    if (context == nullptr) {
        return;
    }
    CalcSettings& settings = context->settings;
    settings.expFormat =
        static_cast<int32_t>(SendDlgItemMessageW(page, IDC_EXPORT_FORMAT, CB_GETCURSEL, 0, 0));
    for (const SectionBox& box : kSections) {
        settings.*box.flag = IsDlgButtonChecked(page, box.id) == BST_CHECKED;
    }
    settings.expCommand = EditText(page, IDC_EXPORT_COMMAND);
    settings.expParameters = EditText(page, IDC_EXPORT_PARAMETERS);
}

void Browse(HWND page) {
    wchar_t file[kExportPathCapacity + 1] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = page;
    dialog.lpstrFilter =
        L"Executable Files (*.exe)\0*.exe\0Batch Files (*.bat)\0*.bat\0All Files (*.*)\0*.*\0";
    dialog.lpstrFile = file;
    dialog.nMaxFile = kExportPathCapacity + 1;
    dialog.lpstrDefExt = L"";
    // The dialog runs in the host's process: browsing must not move the host's current folder (its
    // relative paths, and the folder the export's program is started in).
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    if (GetOpenFileNameW(&dialog)) {
        SetDlgItemTextW(page, IDC_EXPORT_COMMAND, file);
    }
}

// The system's own words for an error number, without the line end it ends with.
std::u16string SystemReason(DWORD error) {
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring reason = length > 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
    LocalFree(text);
    while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
        reason.pop_back();
    }
    if (reason.empty()) {
        reason = std::to_wstring(error);
    }
    return FromWide(reason);
}

void Export(HWND page) {
    WriteBack(page);
    CalcContext* context = PageContext(page);
    if (context == nullptr) {
        return;
    }
    const ExportHost host{
        *context,
        [page](std::u16string_view, std::u16string_view text) { ShowErrorBox(page, std::u16string(text)); },
        u"", DefaultExportSources()};
    std::u16string path;
    // A program that cannot be started is reported: the user would otherwise believe the data sent.
    ExportAndHandOver(host, path, [page](const HandOverCommand& command) {
        const int32_t result = RunHandOverCommand(command);
        if (result != 0) {
            const DWORD error = GetLastError();
            ShowErrorBox(page, command.file + u"\r\n" + SystemReason(error));
        }
        return result;
    });
}

INT_PTR Procedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        if (const CalcContext* context = InitializePage(page, lParam)) {
            FillControls(page, context->settings);
        }
        return FALSE;
    case WM_WINDOWPOSCHANGING:
        LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_DESTROY:
        WriteBack(page);
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_EXPORT_RUN) {
            Export(page);
        } else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == IDC_EXPORT_BROWSE) {
            Browse(page);
        }
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK ExportPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "ExportPage", message,
                                [&] { return Procedure(page, message, wParam, lParam); });
}
