#include "ui/win32/SelectionDialog.h"

// commctrl.h needs the types of windows.h.
#include <commctrl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "ResourceIds.h"
#include "calc/CalcSettings.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "platform/win32/FileTimes.h"
#include "text/StringIds.gen.h"
#include "ui/models/BatchSelection.h"
#include "ui/models/SelectionListModel.h"
#include "ui/models/SelectionMemory.h"
#include "ui/win32/AnchorLayout.h"
#include "ui/win32/ListViews.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/WindowState.h"

namespace {

constexpr UINT_PTR kSearchTimer = 1;
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
    BatchPick pick;                   // the rows a click picked
};

DialogState& State(HWND dialog) {
    return *WindowState<DialogState>(dialog);
}

int64_t SecondsOf(const SYSTEMTIME& local) {
    int64_t seconds = 0;
    platform::UnixSecondsOfLocalSystemTime(local, seconds);
    return seconds;
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

int32_t PickerDay(HWND dialog, int id) {
    SYSTEMTIME local{};
    DateTime_GetSystemtime(GetDlgItem(dialog, id), &local);
    return DayNumber(local.wYear, local.wMonth, local.wDay);
}

int32_t Today() {
    SYSTEMTIME local{};
    GetLocalTime(&local);
    return DayNumber(local.wYear, local.wMonth, local.wDay);
}

// The range runs from the first second of its first day to the last second of its last day: no
// chromatogram of either day is left out for the hour the dialog happens to be opened at.
void InitializePickers(HWND dialog, const DayRange& range) {
    const std::wstring format = LocaleText(LOCALE_SSHORTDATE) + L" " + LocaleText(LOCALE_STIMEFORMAT);
    const struct {
        int id;
        int32_t day;
        WORD hour, minute, second;
    } pickers[] = {{IDC_SELECT_FROM, range.from, 0, 0, 0}, {IDC_SELECT_TO, range.to, 23, 59, 59}};
    for (const auto& picker : pickers) {
        HWND control = GetDlgItem(dialog, picker.id);
        DateTime_SetFormat(control, format.c_str());
        const CivilDate date = DateOfDay(picker.day);
        SYSTEMTIME local{};
        local.wYear = static_cast<WORD>(date.year);
        local.wMonth = static_cast<WORD>(date.month);
        local.wDay = static_cast<WORD>(date.day);
        local.wHour = picker.hour;
        local.wMinute = picker.minute;
        local.wSecond = picker.second;
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

// Every value the database holds, one query per list: the lists do not depend on the range shown.
void FillFilters(HWND dialog, DataBase::Handle& handle) {
    DialogState& state = State(dialog);
    FillTexts(GetDlgItem(dialog, IDC_SELECT_MIXTURE), QueryAllMixtures(handle));
    FillTexts(GetDlgItem(dialog, IDC_SELECT_METHOD), QueryAllMethods(handle));
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_OPERATOR), QueryAllOperators(handle), state.operatorIds);
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_STATION), QueryStations(handle), state.stationIds);
    FillNamedIds(GetDlgItem(dialog, IDC_SELECT_PLACE), {}, state.placeIds);
}

// Chooses the item showing exactly text, if the list has one (the first item, no filter, otherwise).
void ChooseText(HWND dialog, int id, const std::u16string& text) {
    if (text.empty()) {
        return;
    }
    HWND combo = GetDlgItem(dialog, id);
    const auto count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int item = 1; item < count; ++item) {
        const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(item), 0);
        std::wstring shown(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(shown.data()));
        shown.resize(wcslen(shown.c_str()));
        if (FromWide(shown) == text) {
            SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(item), 0);
            return;
        }
    }
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

void RestoreFilters(HWND dialog, const SelectionFilters& filters) {
    ChooseText(dialog, IDC_SELECT_MIXTURE, filters.mixture);
    ChooseText(dialog, IDC_SELECT_METHOD, filters.method);
    ChooseText(dialog, IDC_SELECT_OPERATOR, filters.operatorName);
    ChooseText(dialog, IDC_SELECT_STATION, filters.station);
    RefillPlaces(dialog);
    ChooseText(dialog, IDC_SELECT_PLACE, filters.place);
    SetDlgItemTextW(dialog, IDC_SELECT_SAMPLE, Wide(filters.sample));
}

void Remember(HWND dialog) {
    DialogState& state = State(dialog);
    if (state.request.settings == nullptr) {
        return;
    }
    CalcSettings& settings = *state.request.settings;
    RememberRange(settings, {PickerDay(dialog, IDC_SELECT_FROM), PickerDay(dialog, IDC_SELECT_TO)}, Today());
    SelectionFilters filters;
    filters.mixture = ChosenText(dialog, IDC_SELECT_MIXTURE).value_or(u"");
    filters.method = ChosenText(dialog, IDC_SELECT_METHOD).value_or(u"");
    filters.operatorName = ChosenText(dialog, IDC_SELECT_OPERATOR).value_or(u"");
    filters.station = ChosenText(dialog, IDC_SELECT_STATION).value_or(u"");
    filters.place = ChosenText(dialog, IDC_SELECT_PLACE).value_or(u"");
    filters.sample = ControlText(GetDlgItem(dialog, IDC_SELECT_SAMPLE));
    RememberFilters(settings, state.request.calibration, filters);
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
    state.pick = {};
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
    AttachWindowState(dialog, reinterpret_cast<DialogState*>(parameter));
    DialogState& state = State(dialog);
    SetIcons(dialog);
    static const CalcSettings kDefaults;
    const CalcSettings& remembered = state.request.settings != nullptr ? *state.request.settings : kDefaults;
    InitializePickers(dialog, RememberedRange(remembered, Today()));
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
    RestoreFilters(dialog, RememberedFilters(remembered, state.request.calibration));
    KillTimer(dialog, kSearchTimer); // restoring the sample text asked for a search: it runs now
    Search(dialog);
}

// A click picks a batch: the clicked row and the rows below it, as many as the batch needs; a second
// click inside the pick keeps it.
void SettleSelection(HWND dialog, const NMITEMACTIVATE& settled) {
    DialogState& state = State(dialog);
    HWND list = GetDlgItem(dialog, IDC_PAGE_LIST);
    const SelectionGesture gesture{settled.iItem, (settled.uKeyFlags & LVKF_CONTROL) != 0,
                                   (settled.uKeyFlags & LVKF_SHIFT) != 0};
    SetRowSelection(list, PickBatchRows(state.pick, RowSelection(list), state.request.count, gesture));
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
        if (WindowState<DialogState>(dialog) != nullptr) {
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
        } else if (header.idFrom == IDC_PAGE_LIST && header.code == kListSelectionSettled) {
            SettleSelection(dialog, *reinterpret_cast<NMITEMACTIVATE*>(lParam));
        } else if (header.idFrom == IDC_PAGE_LIST && static_cast<int>(header.code) == kListKeyDown) {
            HandleListShortcut(dialog, *reinterpret_cast<NMKEY*>(lParam));
        }
        return FALSE;
    }
    case WM_DESTROY:
        KillTimer(dialog, kSearchTimer);
        if (WindowState<DialogState>(dialog) != nullptr) {
            Remember(dialog);
        }
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
    DialogState state{request, {}, {}, {}, {}, {}};
    request.ids.clear();
    const INT_PTR result = DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(IDD_SELECT_ASSAYS), owner,
                                           &SelectionDialogProcedure, reinterpret_cast<LPARAM>(&state));
    return result == IDOK && request.ids.size() == request.count;
}
