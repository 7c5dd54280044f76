// The procedure the five view-settings dialogs share: their rows (ViewSettingsRows.h) set from the view
// settings of the context when the dialog opens, the enabling rule applied on every click, OK storing
// them and Cancel storing nothing.
#include <windows.h>

#include <cstdint>
#include <span>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "ui/models/InputRules.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/ViewSettingsRows.h"
#include "ui/win32/WindowState.h"

namespace {

std::span<const ViewRow> RowsOf(int templateId) {
    switch (templateId) {
    case IDD_VIEW_CALCULATION:
        return CalculationViewRows();
    case IDD_VIEW_ASSAYS:
        return AssayViewRows();
    case IDD_VIEW_CALIBRATION:
        return CalibrationViewRows();
    case IDD_VIEW_COMPONENTS:
        return ComponentViewRows();
    case IDD_VIEW_METHANE:
        return MethaneViewRows();
    default:
        return {};
    }
}

struct ViewDialogState {
    CalcContext* context;
    std::span<const ViewRow> rows;
};

ViewDialogState* StateOf(HWND dialog) {
    return WindowState<ViewDialogState>(dialog);
}

// The ГОСТ box is enabled while the row is shown; the decimals while it is shown and not rounded by the
// standard. A row without a show box counts as shown, one without a ГОСТ box as not rounded by it.
void ApplyEnabling(HWND dialog, std::span<const ViewRow> rows) {
    for (const ViewRow& row : rows) {
        const bool shown = row.showId == 0 || IsChecked(dialog, row.showId);
        const bool gost = row.gostId != 0 && IsChecked(dialog, row.gostId);
        if (row.gostId != 0) {
            EnableWindow(GetDlgItem(dialog, row.gostId), shown);
        }
        if (row.scaleId != 0) {
            EnableWindow(GetDlgItem(dialog, row.scaleId), shown && !gost);
        }
    }
}

std::u16string DecimalsText(int32_t decimals) {
    return FormatText(u"%u", {static_cast<unsigned>(decimals)});
}

void Initialize(HWND dialog, ViewDialogState& state) {
    AttachWindowState(dialog, &state);
    const CalcSettings& settings = state.context->settings;
    for (const ViewRow& row : state.rows) {
        if (row.showId != 0) {
            SetCheck(dialog, row.showId, settings.*row.show);
        }
        if (row.gostId != 0) {
            SetCheck(dialog, row.gostId, settings.*row.gost);
        }
        if (row.scaleId != 0) {
            SetDlgItemTextW(dialog, row.scaleId, Wide(DecimalsText(settings.*row.scale)));
        }
    }
    ApplyEnabling(dialog, state.rows);
}

// Stores every row, or nothing when a changed decimals edit holds what the result formatting cannot
// use: that edit is then refused with a notice and gets the focus. An edit left as it was shown keeps
// its stored value as it is.
bool Store(HWND dialog, ViewDialogState& state) {
    CalcSettings edited = state.context->settings;
    for (const ViewRow& row : state.rows) {
        if (row.scaleId == 0) {
            continue;
        }
        HWND edit = GetDlgItem(dialog, row.scaleId);
        const std::u16string text = ControlText(edit);
        if (text == DecimalsText(edited.*row.scale)) {
            continue;
        }
        const std::optional<int32_t> decimals = ParseViewDecimals(text);
        if (!decimals) {
            ShowNotice(dialog, StringId::ViewDecimalsRefused, {kMaxViewDecimals, text});
            EnableWindow(edit, TRUE);
            SetFocus(edit);
            SendMessageW(edit, EM_SETSEL, 0, -1);
            return false;
        }
        edited.*row.scale = *decimals;
    }
    for (const ViewRow& row : state.rows) {
        if (row.showId != 0) {
            edited.*row.show = IsChecked(dialog, row.showId);
        }
        if (row.gostId != 0) {
            edited.*row.gost = IsChecked(dialog, row.gostId);
        }
    }
    state.context->settings = std::move(edited);
    return true;
}

INT_PTR Procedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        Initialize(dialog, *reinterpret_cast<ViewDialogState*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        ViewDialogState* state = StateOf(dialog);
        if (state == nullptr) {
            return FALSE;
        }
        const int id = LOWORD(wParam);
        if (id == IDOK) {
            if (Store(dialog, *state)) {
                EndDialog(dialog, IDOK);
            }
            return TRUE;
        }
        if (id == IDCANCEL) {
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        if (HIWORD(wParam) == BN_CLICKED) {
            ApplyEnabling(dialog, state->rows);
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK ViewSettingsProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "ViewSettingsDialog", INT_PTR{FALSE},
                            [&] { return Procedure(dialog, message, wParam, lParam); });
}

} // namespace

INT_PTR OpenViewSettingsDialog(HWND owner, int templateId, CalcContext& context) {
    ViewDialogState state{&context, RowsOf(templateId)};
    return OpenModalDialog(owner, templateId, &ViewSettingsProcedure, reinterpret_cast<LPARAM>(&state));
}
