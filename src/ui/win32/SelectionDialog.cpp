#include "ui/win32/SelectionDialog.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ResourceIds.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "platform/win32/FileTimes.h"
#include "text/StringIds.gen.h"
#include "ui/models/SelectionListModel.h"
#include "ui/win32/AnchorLayout.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr UINT_PTR kSearchTimer = 1;
constexpr int64_t kDefaultPeriodSeconds = 31536000; // 365 days before now
constexpr wchar_t kNoFilter[] = L"--------";

constexpr AnchoredControl kAnchors[] = {
    {IDC_PAGE_LIST, AnchorAll},
    {IDOK, AnchorRight | AnchorBottom},
    {IDCANCEL, AnchorRight | AnchorBottom},
};

struct DialogState {
    SelectionRequest& request;
    std::vector<int64_t> rowIds;      // the assay of each result row, -1 for a row without an id
    std::vector<int64_t> operatorIds; // per operator item after the first, -1 when unknown
    std::vector<int64_t> stationIds;  // likewise for the stations
    std::vector<int64_t> placeIds;    // and the sampling points
};

DialogState& State(HWND dialog) {
    return *reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

int64_t SecondsOf(const SYSTEMTIME& local) {
    int64_t seconds = 0;
    platform::UnixSecondsOfLocalSystemTime(local, seconds);
    return seconds;
}

SYSTEMTIME LocalTimeOf(int64_t seconds) {
    SYSTEMTIME local{};
    platform::LocalSystemTimeOfUnixSeconds(seconds, local);
    return local;
}

int64_t PickerSeconds(HWND dialog, int id) {
    SYSTEMTIME local{};
    DateTime_GetSystemtime(GetDlgItem(dialog, id), &local);
    return SecondsOf(local);
}

std::wstring LocaleText(LCTYPE type) {
    wchar_t text[80] = {};
    GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 80);
    return text;
}

void InitializePickers(HWND dialog) {
    const std::wstring format = LocaleText(LOCALE_SSHORTDATE) + L" " + LocaleText(LOCALE_STIMEFORMAT);
    const int64_t nowSeconds = platform::UnixSecondsNow();
    const int64_t seconds[] = {nowSeconds - kDefaultPeriodSeconds, nowSeconds};
    const int ids[] = {IDC_SELECT_FROM, IDC_SELECT_TO};
    for (int picker = 0; picker < 2; ++picker) {
        HWND control = GetDlgItem(dialog, ids[picker]);
        DateTime_SetFormat(control, format.c_str());
        const SYSTEMTIME local = LocalTimeOf(seconds[picker]);
        DateTime_SetSystemtime(control, GDT_VALID, &local);
    }
}

void AddComboItem(HWND combo, const std::u16string& text) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(text)));
}

void StartCombo(HWND combo) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kNoFilter));
}

void FillTexts(HWND combo, const std::vector<std::u16string>& texts) {
    StartCombo(combo);
    for (const std::u16string& text : texts) {
        AddComboItem(combo, text);
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

void FillNamedIds(HWND combo, const std::vector<NamedId>& items, std::vector<int64_t>& ids) {
    StartCombo(combo);
    ids.clear();
    for (const NamedId& item : items) {
        AddComboItem(combo, item.name);
        ids.push_back(item.id);
    }
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
}

// The combo's chosen item after "--------", or -1 for none.
int ChosenItem(HWND dialog, int id) {
    const auto selected = static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
    return selected > 0 ? selected - 1 : -1;
}

int64_t ChosenId(HWND dialog, int id, const std::vector<int64_t>& ids) {
    const int item = ChosenItem(dialog, id);
    return item >= 0 && static_cast<size_t>(item) < ids.size() ? ids[static_cast<size_t>(item)] : 0;
}

std::optional<std::u16string> ChosenText(HWND dialog, int id) {
    const int item = ChosenItem(dialog, id);
    if (item < 0) {
        return std::nullopt;
    }
    HWND combo = GetDlgItem(dialog, id);
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item + 1), 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item + 1), reinterpret_cast<LPARAM>(text.data()));
    text.resize(wcslen(text.c_str()));
    return FromWide(text);
}

std::u16string ControlText(HWND control) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return FromWide(text);
}

void FillFilters(HWND dialog, DataBase::Handle& handle) {
    DialogState& state = State(dialog);
    const int64_t from = PickerSeconds(dialog, IDC_SELECT_FROM);
    const int64_t to = PickerSeconds(dialog, IDC_SELECT_TO);
    FillTexts(GetDlgItem(dialog, IDC_SELECT_MIXTURE), QueryMixturesInPeriod(handle, from, to));
    FillTexts(GetDlgItem(dialog, IDC_SELECT_METHOD), QueryMethodsInPeriod(handle, from, to));
    // The operator query gives names only; the search's condition needs the operator's id.
    const std::vector<std::u16string> operators = QueryOperatorsInPeriod(handle, from, to);
    std::vector<NamedId> operatorItems;
    for (const std::u16string& name : operators) {
        operatorItems.push_back(NamedId{name.empty() ? -1 : QueryOperatorId(handle, name), name});
    }
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_OPERATOR), operatorItems, state.operatorIds);
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_STATION), QueryStations(handle), state.stationIds);
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_PLACE), {}, state.placeIds);
}

void RefillPlaces(HWND dialog) {
    DialogState& state = State(dialog);
    const int64_t station = ChosenId(dialog, IDC_SELECT_STATION, state.stationIds);
    std::vector<NamedId> places;
    if (station > 0) {
        DataBase::Handle handle;
        places = QueryPlaces(handle, station);
    }
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_PLACE), places, state.placeIds);
}

void Search(HWND dialog) {
    DialogState& state = State(dialog);
    AssaySearch search;
    search.calibration = state.request.calibration;
    search.fromDate = PickerSeconds(dialog, IDC_SELECT_FROM);
    search.toDate = PickerSeconds(dialog, IDC_SELECT_TO);
    search.mixture = ChosenText(dialog, IDC_SELECT_MIXTURE);
    search.method = ChosenText(dialog, IDC_SELECT_METHOD);
    search.operatorId = ChosenId(dialog, IDC_SELECT_OPERATOR, state.operatorIds);
    search.stationId = ChosenId(dialog, IDC_SELECT_STATION, state.stationIds);
    search.placeId = ChosenId(dialog, IDC_SELECT_PLACE, state.placeIds);
    search.sample = ControlText(GetDlgItem(dialog, IDC_SELECT_SAMPLE));
    HWND list = GetDlgItem(dialog, IDC_PAGE_LIST);
    state.rowIds.clear();
    ListView_DeleteAllItems(list);
    DataBase::Handle handle;
    const std::vector<AssayFound> found = SearchAssays(handle, search);
    for (const AssayFound& assay : found) {
        state.rowIds.push_back(assay.id);
    }
    FillRows(list, BuildSelectionList(found), false);
}

void RestartSearchTimer(HWND dialog) {
    SetTimer(dialog, kSearchTimer, kSearchDelayMilliseconds, nullptr);
}

void SetIcons(HWND dialog) {
    for (const auto& [type, size] : {std::pair{ICON_SMALL, SM_CXSMICON}, std::pair{ICON_BIG, SM_CXICON}}) {
        const int pixels = GetSystemMetrics(size);
        HANDLE icon =
            LoadImageW(PluginModule(), MAKEINTRESOURCEW(IDI_TARVEL), IMAGE_ICON, pixels, pixels, LR_SHARED);
        SendMessageW(dialog, WM_SETICON, static_cast<WPARAM>(type), reinterpret_cast<LPARAM>(icon));
    }
}

void Initialize(HWND dialog, LPARAM parameter) {
    SetWindowLongPtrW(dialog, DWLP_USER, parameter);
    DialogState& state = State(dialog);
    SetIcons(dialog);
    InitializePickers(dialog);
    HWND list = GetDlgItem(dialog, IDC_PAGE_LIST);
    SetListStyles(list);
    AddColumns(list, BuildSelectionList({}));
    ListViewSubclass(list);
    RECT window{};
    GetWindowRect(dialog, &window);
    state.request.minimum = {window.right - window.left, window.bottom - window.top};
    {
        DataBase::Handle handle; // one connection for the lists
        FillFilters(dialog, handle);
    }
    Search(dialog);
}

// A click picks a batch: the clicked row and the rows below it, as many as the batch needs.
void SelectBatchFrom(HWND dialog, int row) {
    HWND list = GetDlgItem(dialog, IDC_PAGE_LIST);
    const int rows = ListView_GetItemCount(list);
    const int last = row + static_cast<int>(State(dialog).request.count) - 1;
    for (int index = 0; index < rows; ++index) {
        const UINT state = index >= row && index <= last ? LVIS_SELECTED : 0;
        ListView_SetItemState(list, index, state, LVIS_SELECTED);
    }
}

void Confirm(HWND dialog) {
    DialogState& state = State(dialog);
    HWND list = GetDlgItem(dialog, IDC_PAGE_LIST);
    std::vector<int64_t> ids;
    bool withoutId = false;
    for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
         row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
        const int64_t id =
            static_cast<size_t>(row) < state.rowIds.size() ? state.rowIds[static_cast<size_t>(row)] : -1;
        if (id < 0) {
            withoutId = true; // a chromatogram the host cannot name by id cannot be added
        } else {
            ids.push_back(id);
        }
    }
    const auto count = static_cast<int>(state.request.count);
    if (ids.size() < state.request.count) {
        ShowNotice(dialog, StringId::TooFewChromatogramsSelected, {count});
        return;
    }
    if (ids.size() > state.request.count || withoutId) {
        ShowNotice(dialog, StringId::TooManyChromatogramsSelected, {count});
        return;
    }
    state.request.ids = std::move(ids);
    EndDialog(dialog, IDOK);
}

INT_PTR Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialize(dialog, lParam);
        return TRUE;
    case WM_WINDOWPOSCHANGING:
        AnchorLayoutForPosition(dialog, *reinterpret_cast<WINDOWPOS*>(lParam), kAnchors);
        return FALSE;
    case WM_GETMINMAXINFO: {
        if (GetWindowLongPtrW(dialog, DWLP_USER) != 0) {
            const SIZE minimum = State(dialog).request.minimum;
            if (minimum.cx > 0) {
                reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {minimum.cx, minimum.cy};
            }
        }
        return FALSE;
    }
    case WM_TIMER:
        if (wParam == kSearchTimer) {
            KillTimer(dialog, kSearchTimer);
            Search(dialog);
        }
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDOK) {
            Confirm(dialog);
        } else if (id == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
        } else if (code == CBN_SELCHANGE) {
            if (id == IDC_SELECT_STATION) {
                RefillPlaces(dialog);
            }
            RestartSearchTimer(dialog);
        } else if (code == EN_CHANGE && id == IDC_SELECT_SAMPLE) {
            RestartSearchTimer(dialog);
        }
        return TRUE;
    }
    case WM_NOTIFY: {
        const auto& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.code == DTN_DATETIMECHANGE) {
            RestartSearchTimer(dialog);
        } else if (header.idFrom == IDC_PAGE_LIST && header.code == NM_CLICK) {
            const int row = reinterpret_cast<NMITEMACTIVATE*>(lParam)->iItem;
            if (row >= 0) {
                SelectBatchFrom(dialog, row);
            }
        } else if (header.idFrom == IDC_PAGE_LIST && static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(dialog, *reinterpret_cast<NMKEY*>(lParam));
        }
        return FALSE;
    }
    case WM_DESTROY:
        KillTimer(dialog, kSearchTimer);
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK SelectionDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "SelectionDialog", INT_PTR{FALSE},
                            [&] { return Procedure(dialog, message, wParam, lParam); });
}

} // namespace

bool RunSelectionDialog(HWND owner, SelectionRequest& request) {
    ManifestActivation activation;
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_DATE_CLASSES};
    InitCommonControlsEx(&classes);
    DialogState state{request, {}, {}, {}, {}};
    request.ids.clear();
    const INT_PTR result = DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(IDD_SELECT_ASSAYS), owner,
                                           &SelectionDialogProcedure, reinterpret_cast<LPARAM>(&state));
    return result == IDOK && request.ids.size() == request.count;
}
