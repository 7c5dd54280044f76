// Dialog 202 "Компонент": a conditionally constant component with its molar fraction and expanded
// uncertainty. A number is taken with the decimals it was typed with; a text that is not a plain
// non-negative number, or a fraction above 100 mol %, is refused with a notice and nothing is saved.
#include <windows.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/rounding/FixedFormats.h"
#include "data/AliasLookup.h"
#include "data/MixtureComponent.h"
#include "plugin/SettingsStore.h"
#include "text/StringIds.gen.h"
#include "ui/models/InputRules.h"
#include "ui/win32/EntryDialog.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

// Longest text an edit takes.
constexpr int kEditLimit = 256;

struct ConstantEntryState {
    const CalcContext* context;
    MixtureComponent* constant;
};

void Initialize(HWND dialog, ConstantEntryState& state) {
    const MixtureComponent& constant = *state.constant;
    HWND component = GetDlgItem(dialog, IDC_ENTRY_COMPONENT);
    for (const AliasEntry& alias : state.context->aliases) {
        AddComboItem(component, alias.alias);
    }
    SelectComboByName(component, DisplayNameForComponent(state.context->aliases, constant.name));
    for (const int id : {IDC_ENTRY_FRACTION, IDC_ENTRY_UNCERTAINTY}) {
        SendDlgItemMessageW(dialog, id, EM_SETLIMITTEXT, kEditLimit, 0);
    }
    SetDlgItemTextW(dialog, IDC_ENTRY_FRACTION,
                    Wide(FormatReference(constant.concentration, constant.qty_sym_conc)));
    SetDlgItemTextW(dialog, IDC_ENTRY_UNCERTAINTY,
                    Wide(FormatReference(constant.deviation, constant.qty_sym_dev)));
}

// Reads one number into value and decimals. A text left as the dialog showed it keeps the record's
// number and digit count as they are.
bool ReadNumber(HWND dialog, int id, bool fraction, double& value, int32_t& decimals) {
    HWND edit = GetDlgItem(dialog, id);
    const std::u16string text = ControlText(edit);
    if (text == FormatReference(value, decimals)) {
        return true;
    }
    uint32_t refusal = 0;
    const std::optional<TypedNumber> typed = ParseConstantNumber(text, fraction, refusal);
    if (!typed) {
        if (refusal == StringId::ViewDecimalsRefused) {
            ShowNotice(dialog, refusal, {kMaxViewDecimals, text});
        } else {
            ShowNotice(dialog, refusal, {text});
        }
        SetFocus(edit);
        SendMessageW(edit, EM_SETSEL, 0, -1);
        return false;
    }
    value = typed->value;
    decimals = typed->decimals;
    return true;
}

bool Save(HWND dialog, ConstantEntryState& state) {
    HWND combo = GetDlgItem(dialog, IDC_ENTRY_COMPONENT);
    const int component = static_cast<int>(SendMessageW(combo, CB_GETCURSEL, 0, 0));
    if (component < 0) {
        return false;
    }
    MixtureComponent edited = *state.constant;
    edited.name = ComponentIdForAlias(state.context->aliases, ComboItemText(combo, component));
    if (!ReadNumber(dialog, IDC_ENTRY_FRACTION, true, edited.concentration, edited.qty_sym_conc) ||
        !ReadNumber(dialog, IDC_ENTRY_UNCERTAINTY, false, edited.deviation, edited.qty_sym_dev)) {
        return false;
    }
    if (const uint32_t refusal = CheckListValueLength(SettingsStore::ConstantValue(edited).size())) {
        ShowNotice(dialog, refusal, {static_cast<int>(SettingsStore::kMaxValueLength)});
        return false;
    }
    *state.constant = std::move(edited);
    return true;
}

INT_PTR CALLBACK ConstantEntryProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "ConstantEntryDialog", INT_PTR{FALSE}, [&] {
        return EntryDialogProcedure<ConstantEntryState>(dialog, message, wParam, lParam, &Initialize, &Save);
    });
}

} // namespace

INT_PTR OpenConstantEntryDialog(HWND owner, const CalcContext& context, MixtureComponent& constant) {
    ConstantEntryState state{&context, &constant};
    return OpenModalDialog(owner, IDD_CONSTANT_ENTRY, &ConstantEntryProcedure,
                           reinterpret_cast<LPARAM>(&state));
}
