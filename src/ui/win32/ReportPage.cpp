// The report page: the report of the current context transformed into an HTML file and shown in the
// browser window, with save, print and preview through the browser and the report parameters. Without
// a browser control the page says where the file was written, so the user can open it elsewhere; a
// report that could not be made is shown with its reason. The files the page wrote are its own and are
// deleted when it goes.
#include <windows.h>
// The browser headers need the types of windows.h.
#include <exdisp.h>

#include <memory>
#include <string>
#include <vector>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "output/report/ReportRendering.h"
#include "platform/win32/Com.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "ui/win32/Pages.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/ReportParameterDialogs.h"
#include "ui/win32/WebformWindow.h"

namespace {

constexpr int kBrowserLeft = 10;
constexpr int kBrowserTop = 42;
constexpr int kButtons[] = {IDC_REPORT_SAVE, IDC_REPORT_PRINT, IDC_REPORT_PREVIEW};

struct ReportPageState : PageState {
    std::vector<std::u16string> files; // report files this page wrote
};

ReportPageState* State(HWND page) {
    return PageStateOf<ReportPageState>(page);
}

platform::ComPtr<IWebBrowser2> Browser(HWND page) {
    return platform::ComPtr<IWebBrowser2>::Adopt(reinterpret_cast<IWebBrowser2*>(
        SendDlgItemMessageW(page, IDC_REPORT_BROWSER, kWebformBrowser, 0, 0)));
}

bool HasBrowser(HWND page) {
    return static_cast<bool>(Browser(page));
}

std::wstring HtmlEscaped(const std::u16string& text) {
    std::wstring escaped;
    for (const char16_t c : text) {
        switch (c) {
        case u'<':
            escaped += L"&lt;";
            break;
        case u'>':
            escaped += L"&gt;";
            break;
        case u'&':
            escaped += L"&amp;";
            break;
        default:
            escaped.push_back(static_cast<wchar_t>(c));
        }
    }
    return escaped;
}

// The reason a report was not made, as a page of its own written through the browser window's ready
// file (UTF-16, as the ready file holds it).
void ShowFailureInBrowser(HWND browser, const std::u16string& message) {
    SendMessageW(browser, kWebformReady, 0, 0);
    const std::wstring page = L"\xFEFF<html><head><meta charset=\"utf-16\"></head><body><p>" +
                              HtmlEscaped(message) + L"</p></body></html>";
    SendMessageW(browser, kWebformSet, 0, reinterpret_cast<LPARAM>(page.c_str()));
    SetWindowTextW(browser, L"");
}

void ShowText(HWND page, const std::u16string& text) {
    std::wstring shown;
    for (const char16_t c : text) {
        if (c == u'\n') {
            shown += L"\r\n";
        } else {
            shown.push_back(static_cast<wchar_t>(c));
        }
    }
    SetDlgItemTextW(page, IDC_REPORT_TEXT, shown.c_str());
}

void RefreshReport(HWND page) {
    const CalcContext* context = PageContext(page);
    if (context == nullptr) {
        return;
    }
    std::u16string outputPath;
    std::u16string reason;
    const bool written = RenderReport(*context, u"", outputPath, &reason);
    if (written) {
        State(page)->files.push_back(outputPath);
    }
    const std::u16string failure = FormatText(FromWide(ResourceText(StringId::ReportNotBuilt)), {reason});
    HWND browser = GetDlgItem(page, IDC_REPORT_BROWSER);
    const bool hasBrowser = HasBrowser(page);
    for (const int button : kButtons) {
        EnableWindow(GetDlgItem(page, button), hasBrowser ? TRUE : FALSE);
    }
    ShowWindow(GetDlgItem(page, IDC_REPORT_TEXT), hasBrowser ? SW_HIDE : SW_SHOW);
    if (hasBrowser) {
        if (written) {
            SendMessageW(browser, kWebformReady, 0, 0);
            SetWindowTextW(browser, Wide(outputPath));
        } else {
            ShowFailureInBrowser(browser, failure);
        }
        return;
    }
    ShowText(page, written
                       ? FromWide(ResourceText(StringId::ReportWrittenWithoutBrowser)) + u"\n" + outputPath
                       : failure);
}

void Initialize(HWND page, LPARAM parameter) {
    InitializePage(page, parameter, std::make_unique<ReportPageState>());
    RECT client{};
    GetClientRect(page, &client);
    const int width = client.right - 2 * kBrowserLeft;
    const int height = client.bottom - kBrowserTop - kBrowserLeft;
    CreateWindowExW(0, kWebformClassName, L"about:blank",
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_VSCROLL, kBrowserLeft, kBrowserTop, width,
                    height, page, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REPORT_BROWSER)),
                    PluginModule(), nullptr);
    HWND text = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                                kBrowserLeft, kBrowserTop, width, height, page,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_REPORT_TEXT)),
                                PluginModule(), nullptr);
    SendMessageW(text, WM_SETFONT, SendMessageW(page, WM_GETFONT, 0, 0), FALSE);
    RefreshReport(page);
}

void RunBrowserCommand(HWND page, OLECMDID command) {
    if (const platform::ComPtr<IWebBrowser2> browser = Browser(page)) {
        browser->ExecWB(command, OLECMDEXECOPT_DODEFAULT, nullptr, nullptr);
    }
}

void EditParameters(HWND page) {
    CalcContext* context = PageContext(page);
    if (context != nullptr && EditReportParameters(page, context->reportProps)) {
        RefreshReport(page);
    }
}

// After the browser window is gone: nothing holds the files any more.
void DeleteReportFiles(HWND page) {
    ReportPageState* state = State(page);
    if (state == nullptr) {
        return;
    }
    for (const std::u16string& file : state->files) {
        DeleteFileW(Wide(file));
    }
    state->files.clear();
}

INT_PTR Procedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialize(page, lParam);
        return FALSE;
    case WM_WINDOWPOSCHANGING:
        LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_REPORT_SAVE:
            RunBrowserCommand(page, OLECMDID_SAVEAS);
            return TRUE;
        case IDC_REPORT_PRINT:
            RunBrowserCommand(page, OLECMDID_PRINT);
            return TRUE;
        case IDC_REPORT_PREVIEW:
            RunBrowserCommand(page, OLECMDID_PRINTPREVIEW);
            return TRUE;
        case IDC_REPORT_PARAMETERS:
            EditParameters(page);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_NCDESTROY:
        DeleteReportFiles(page);
        return FALSE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK ReportPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "ReportPage", message,
                                [&] { return Procedure(page, message, wParam, lParam); });
}
