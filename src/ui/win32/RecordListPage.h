// The input pages that edit a list of the context's records in a list view (the mixtures and the
// constants pages): the page works on a copy of the list, shown row by row, adds through its entry
// dialog, edits a row on double click, deletes the selected rows, and writes the copy back when it
// closes, so that a record the user did not edit is stored again exactly as it was read.
#pragma once

#include <windows.h>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <memory>
#include <utility>
#include <vector>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "ui/models/PageTable.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Pages.h"

template <class Record>
struct RecordListPage {
    std::vector<Record> CalcContext::*records; // the list the page edits
    PageTable (*buildRows)(const CalcContext& context, const std::vector<Record>& records);
    // The entry dialog on one record; IDOK when the user kept the change.
    INT_PTR (*openEntry)(HWND owner, const CalcContext& context, Record& record);
    // The record a new row starts with; null: a record of default values.
    Record (*newRecord)();
    // Whether a new record may join the list, a refusal shown to the user by the function; null: always.
    bool (*mayAdd)(HWND page, const std::vector<Record>& records, const Record& added);
    bool fitLastColumn; // the last column takes the width the others leave
};

namespace recordlist {

template <class Record>
void ShowRows(HWND page, const RecordListPage<Record>& kind) {
    FillRows(GetDlgItem(page, IDC_PAGE_LIST), kind.buildRows(*PageContext(page), WorkingCopy<Record>(page)),
             false);
}

template <class Record>
void Initialize(HWND page, LPARAM parameter, const RecordListPage<Record>& kind) {
    CalcContext* context = InitializePage(page, parameter, std::make_unique<WorkingCopyState<Record>>());
    HWND list = GetDlgItem(page, IDC_PAGE_LIST);
    SetListStyles(list);
    ListViewSubclass(list);
    if (context == nullptr) {
        EnableWindow(GetDlgItem(page, IDC_PAGE_ADD), FALSE);
        EnableWindow(GetDlgItem(page, IDC_PAGE_DELETE), FALSE);
        return;
    }
    WorkingCopy<Record>(page) = (*context).*kind.records;
    AddColumns(list, kind.buildRows(*context, {}));
    ShowRows(page, kind);
}

template <class Record>
void Add(HWND page, const RecordListPage<Record>& kind) {
    Record record = kind.newRecord != nullptr ? kind.newRecord() : Record{};
    if (kind.openEntry(page, *PageContext(page), record) != IDOK) {
        return;
    }
    auto& records = WorkingCopy<Record>(page);
    if (kind.mayAdd != nullptr && !kind.mayAdd(page, records, record)) {
        return;
    }
    records.push_back(std::move(record));
    ShowRows(page, kind);
}

template <class Record>
void Edit(HWND page, int row, const RecordListPage<Record>& kind) {
    if (EditWorkingRecord<Record>(page, row, [page, &kind](Record& record) {
            return kind.openEntry(page, *PageContext(page), record);
        })) {
        ShowRows(page, kind);
    }
}

template <class Record>
void Commit(HWND page, const RecordListPage<Record>& kind) {
    if (CalcContext* context = PageContext(page)) {
        (*context).*kind.records = std::move(WorkingCopy<Record>(page));
    }
    WorkingCopy<Record>(page).clear();
}

} // namespace recordlist

// The page's window procedure (inside the caller's guard).
template <class Record>
INT_PTR RecordListPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam,
                                const RecordListPage<Record>& kind) {
    switch (message) {
    case WM_INITDIALOG:
        recordlist::Initialize(page, lParam, kind);
        return FALSE;
    case WM_WINDOWPOSCHANGING:
        LayOutPage(page, *reinterpret_cast<WINDOWPOS*>(lParam));
        return FALSE;
    case WM_SIZE:
        if (kind.fitLastColumn) {
            FitLastColumn(GetDlgItem(page, IDC_PAGE_LIST), 0);
        }
        return FALSE;
    case WM_DESTROY:
        recordlist::Commit(page, kind);
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && PageContext(page) != nullptr) {
            if (LOWORD(wParam) == IDC_PAGE_ADD) {
                recordlist::Add(page, kind);
                return TRUE;
            }
            if (LOWORD(wParam) == IDC_PAGE_DELETE) {
                EraseSelectedRecords<Record>(page, GetDlgItem(page, IDC_PAGE_LIST));
                recordlist::ShowRows(page, kind);
                return TRUE;
            }
        }
        return FALSE;
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.idFrom != IDC_PAGE_LIST) {
            return FALSE;
        }
        if (PaintStripedRows(page, header)) {
            return TRUE;
        }
        if (static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(page, *reinterpret_cast<NMKEY*>(lParam));
        } else if (header.code == NM_DBLCLK && PageContext(page) != nullptr) {
            recordlist::Edit(page, reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem, kind);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}
