// Identifiers of the report page's browser window and of the report-parameters dialogs.
#pragma once

// Report parameters: the list of (name, value) pairs, and one pair.
#define IDD_REPORT_PARAMETERS 214
#define IDD_REPORT_PARAMETER 216

// The browser window of the report page (a WebformClass child).
#define IDC_REPORT_BROWSER 101
// Where the report page says, with no browser, where the report was written or why it was not.
#define IDC_REPORT_TEXT 1600

#define IDC_REPORT_PARAMETER_ADD 1012
#define IDC_REPORT_PARAMETER_LIST 1013
#define IDC_REPORT_PARAMETER_DELETE 1043
#define IDC_REPORT_PARAMETER_NAME 1207
#define IDC_REPORT_PARAMETER_VALUE 1208
#define IDC_REPORT_PARAMETER_NAME_LABEL 1601
#define IDC_REPORT_PARAMETER_VALUE_LABEL 1602
