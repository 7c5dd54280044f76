#include "ui/win32/Pages.h"

#include <uxtheme.h>

#include <array>

#include "ResourceIds.h"
#include "text/StringIds.gen.h"

namespace {

constexpr std::array<MainWindowPage, kMainWindowPageCount> kPageTable = {{
    {StringId::TabChromatograms, IDD_PAGE_CHROMATOGRAMS, true, &ChromatogramsPageProcedure},
    {StringId::TabCalibration, IDD_PAGE_CALIBRATION, false, &CalibrationPageProcedure},
    {StringId::TabComponents, IDD_PAGE_COMPONENTS, false, &ComponentsPageProcedure},
    {StringId::TabCalculation, IDD_PAGE_CALCULATION, false, &CalculationPageProcedure},
    {StringId::TabMethaneNumber, IDD_PAGE_METHANE_NUMBER, false, &MethaneNumberPageProcedure},
    {StringId::TabReport, IDD_PAGE_REPORT, false, &ReportPageProcedure},
    {StringId::TabExport, IDD_PAGE_EXPORT, false, &ExportPageProcedure},
    {StringId::TabMixtures, IDD_PAGE_MIXTURES, true, &MixturesPageProcedure},
    {StringId::TabAliases, IDD_PAGE_ALIASES, true, &AliasesPageProcedure},
    {StringId::TabConstants, IDD_PAGE_CONSTANTS, true, &ConstantsPageProcedure},
    {StringId::TabSettings, IDD_PAGE_SETTINGS, true, &SettingsPageProcedure},
    {StringId::TabAbout, IDD_PAGE_ABOUT, false, &AboutPageProcedure},
}};

constexpr AnchoredControl kListPage[] = {{IDC_PAGE_LIST, AnchorAll}};
constexpr AnchoredControl kCalibrationPage[] = {
    {IDC_CALIBRATION_STABILITY, AnchorLeft | AnchorTop},
    {IDC_PAGE_LIST, AnchorAll},
};
constexpr AnchoredControl kAddDeletePage[] = {
    {IDC_PAGE_ADD, AnchorTop | AnchorRight},
    {IDC_PAGE_DELETE, AnchorTop | AnchorRight},
    {IDC_PAGE_LIST, AnchorAll},
};
constexpr AnchoredControl kChromatogramsPage[] = {
    {IDC_ASSAYS_REFRESH, AnchorLeft | AnchorTop},
    {IDC_ASSAYS_CONTROL, AnchorTop | AnchorRight},
    {IDC_ASSAYS_CALIBRATION, AnchorTop | AnchorRight},
    {IDC_ASSAYS_ANALYSIS, AnchorTop | AnchorRight},
    {IDC_PAGE_ADD, AnchorTop | AnchorRight},
    {IDC_PAGE_DELETE, AnchorTop | AnchorRight},
    {IDC_PAGE_LIST, AnchorAll},
};
constexpr int kAboutAnchors = AnchorLeft | AnchorTop | AnchorRight;
constexpr AnchoredControl kAboutPage[] = {
    {IDC_ABOUT_LOGO, kAboutAnchors},         {IDC_ABOUT_NAME, kAboutAnchors},
    {IDC_PAGE_LIST, kAboutAnchors},          {IDC_ABOUT_DESCRIPTION, kAboutAnchors},
    {IDC_ABOUT_LEGAL_NOTICE, kAboutAnchors},
};
constexpr int kGroupAnchors = AnchorLeft | AnchorTop | AnchorBottom;
constexpr AnchoredControl kSettingsPage[] = {
    {IDC_SETTINGS_CALIBRATION_GROUP, kGroupAnchors},
    {IDC_SETTINGS_CALCULATION_GROUP, kGroupAnchors},
    {IDC_SETTINGS_VIEW_GROUP, kGroupAnchors},
};
constexpr AnchoredControl kReportPage[] = {
    {IDC_REPORT_PARAMETERS, AnchorLeft | AnchorTop},
    {IDC_REPORT_SAVE, AnchorTop | AnchorRight},
    {IDC_REPORT_PRINT, AnchorTop | AnchorRight},
    {IDC_REPORT_PREVIEW, AnchorTop | AnchorRight},
    {IDC_REPORT_BROWSER, AnchorAll},
    {IDC_REPORT_TEXT, AnchorAll},
};
constexpr AnchoredControl kExportPage[] = {{IDC_EXPORT_RUN, AnchorTop | AnchorRight}};

} // namespace

std::span<const MainWindowPage, kMainWindowPageCount> MainWindowPages() {
    return kPageTable;
}

std::span<const AnchoredControl> PageAnchors(int templateId) {
    switch (templateId) {
    case IDD_PAGE_CALIBRATION:
        return kCalibrationPage;
    case IDD_PAGE_COMPONENTS:
    case IDD_PAGE_CALCULATION:
    case IDD_PAGE_METHANE_NUMBER:
    case IDD_PAGE_ALIASES:
        return kListPage;
    case IDD_PAGE_MIXTURES:
    case IDD_PAGE_CONSTANTS:
        return kAddDeletePage;
    case IDD_PAGE_CHROMATOGRAMS:
        return kChromatogramsPage;
    case IDD_PAGE_ABOUT:
        return kAboutPage;
    case IDD_PAGE_SETTINGS:
        return kSettingsPage;
    case IDD_PAGE_REPORT:
        return kReportPage;
    case IDD_PAGE_EXPORT:
        return kExportPage;
    default:
        return {};
    }
}

CalcContext* InitializePage(HWND page, LPARAM parameter, std::unique_ptr<PageState> state) {
    EnableThemeDialogTexture(page, ETDT_ENABLETAB);
    if (state == nullptr) {
        state = std::make_unique<PageState>();
    }
    state->context = reinterpret_cast<CalcContext*>(parameter);
    AttachWindowState(page, state.release());
    return reinterpret_cast<CalcContext*>(parameter);
}

CalcContext* PageContext(HWND page) {
    const PageState* state = WindowState<PageState>(page);
    return state != nullptr ? state->context : nullptr;
}

void LayOutPage(HWND page, const WINDOWPOS& position) {
    AnchorLayoutForPosition(page, position, PageAnchors(GetDlgCtrlID(page)));
}
