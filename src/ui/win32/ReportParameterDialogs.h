// The report-parameters dialogs: the list of (name, value) pairs printed at the head of the report, and
// the editor of one pair.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ReportProp;

// Longest name or value the dialogs keep, in characters.
inline constexpr int kReportParameterLength = 255;

// Dialog 214 on props; true when it closed with OK (props then holds the list's rows in order).
bool EditReportParameters(HWND owner, std::vector<ReportProp>& props);

// Dialog 216 on one pair; true when it closed with OK (name and value then hold the edits).
bool EditReportParameter(HWND owner, std::wstring& name, std::wstring& value);
