// What the input pages and their dialogs share: texts of edits and combo boxes, choosing a combo item by
// a name, opening a modal dialog of the plug-in, and the working copy of a page's list, which the
// page's rows show and its commit writes back.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ui/win32/Pages.h"

std::u16string ControlText(HWND control);
void AddComboItem(HWND combo, std::u16string_view text);
std::u16string ComboItemText(HWND combo, int index);
// The item equal to name without regard to letter case, else the first item beginning with it, else
// item 0; selects it and returns its index.
int SelectComboByName(HWND combo, std::u16string_view name);

// A modal dialog of the plug-in's resources owned by owner; its result.
INT_PTR OpenModalDialog(HWND owner, int templateId, DLGPROC procedure, LPARAM parameter);

// Sets or clears a check box from a setting; whether a box is ticked.
void SetCheck(HWND dialog, int id, bool checked);
bool IsChecked(HWND dialog, int id);

// The state of a page that edits a working copy of a list of records: the page is initialised with it
// (InitializePage) and its rows show the copy until its commit writes the copy back.
template <class Record>
struct WorkingCopyState : PageState {
    std::vector<Record> records;
};
template <class Record>
std::vector<Record>& WorkingCopy(HWND page) {
    return PageStateOf<WorkingCopyState<Record>>(page)->records;
}

// Edits the record of a row of the working copy in a copy: openDialog(record) returns IDOK when the user
// kept the change. True when the record was replaced.
template <class Record, class OpenDialog>
bool EditWorkingRecord(HWND page, int row, OpenDialog openDialog) {
    auto& records = WorkingCopy<Record>(page);
    if (row < 0 || static_cast<size_t>(row) >= records.size()) {
        return false;
    }
    Record record = records[static_cast<size_t>(row)];
    if (openDialog(record) != IDOK) {
        return false;
    }
    records[static_cast<size_t>(row)] = std::move(record);
    return true;
}

// Removes the records of the rows selected in the list from the working copy.
template <class Record>
void EraseSelectedRecords(HWND page, HWND list) {
    auto& records = WorkingCopy<Record>(page);
    for (int row = ListView_GetItemCount(list) - 1; row >= 0; --row) {
        if (ListView_GetItemState(list, row, LVIS_SELECTED) != 0 &&
            static_cast<size_t>(row) < records.size()) {
            records.erase(records.begin() + row);
        }
    }
}
