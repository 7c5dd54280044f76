// Dialog 200 "ГСО": the reference mixtures of one component (or, with "*", of every component) and
// their types. The record is changed only when the user saves.
#include <windows.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/ComponentMixtures.h"
#include "data/AliasLookup.h"
#include "data/MixtureLoading.h"
#include "plugin/SettingsStore.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "ui/models/InputRules.h"
#include "ui/win32/EntryDialog.h"
#include "ui/win32/InputControls.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/Notices.h"
#include "ui/win32/PluginModule.h"
#include "ui/win32/ProcedureGuard.h"

namespace {

constexpr std::u16string_view kEveryComponent = u"*";
constexpr std::u16string_view kNoMixture = u"\u2014";

struct MixtureEntryState {
    const CalcContext* context;
    ComponentMixtures* entry;
};

void Initialize(HWND dialog, MixtureEntryState& state) {
    const ComponentMixtures& entry = *state.entry;
    HWND component = GetDlgItem(dialog, IDC_ENTRY_COMPONENT);
    AddComboItem(component, kEveryComponent);
    for (const AliasEntry& alias : state.context->aliases) {
        AddComboItem(component, alias.alias);
    }
    HWND first = GetDlgItem(dialog, IDC_ENTRY_MIXTURE1_NAME);
    HWND second = GetDlgItem(dialog, IDC_ENTRY_MIXTURE2_NAME);
    AddComboItem(second, kNoMixture);
    // A database that cannot be read is reported by the guard; the name lists then stay empty.
    GuardedProcedure(dialog, "MixtureEntryDialog.Names", false, [&] {
        for (const std::u16string& name : LoadMixtureNames()) {
            AddComboItem(first, name);
            AddComboItem(second, name);
        }
        return true;
    });
    for (const int id : {IDC_ENTRY_MIXTURE1_TYPE, IDC_ENTRY_MIXTURE2_TYPE}) {
        AddComboItem(GetDlgItem(dialog, id), FromWide(ResourceText(StringId::MixtureTypeNgs)));
        AddComboItem(GetDlgItem(dialog, id), FromWide(ResourceText(StringId::MixtureTypeMng)));
    }
    SelectComboByName(component, entry.component.empty()
                                     ? std::u16string(kEveryComponent)
                                     : DisplayNameForComponent(state.context->aliases, entry.component));
    SelectComboByName(first, entry.first);
    SelectComboByName(second, entry.second.empty() ? std::u16string(kNoMixture) : entry.second);
    // A type the list does not hold (2, which the calculation also knows) shows no selection and is
    // kept unless the user chooses one.
    SendDlgItemMessageW(dialog, IDC_ENTRY_MIXTURE1_TYPE, CB_SETCURSEL, static_cast<WPARAM>(entry.firstType),
                        0);
    SendDlgItemMessageW(dialog, IDC_ENTRY_MIXTURE2_TYPE, CB_SETCURSEL, static_cast<WPARAM>(entry.secondType),
                        0);
}

int Selected(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

// The edited record, or false when the settings store could not keep it (a notice says why).
bool Save(HWND dialog, MixtureEntryState& state) {
    const int component = Selected(dialog, IDC_ENTRY_COMPONENT);
    if (component < 0) {
        return false;
    }
    ComponentMixtures edited = *state.entry;
    edited.component =
        component == 0
            ? std::u16string()
            : ComponentIdForAlias(state.context->aliases,
                                  ComboItemText(GetDlgItem(dialog, IDC_ENTRY_COMPONENT), component));
    const int first = Selected(dialog, IDC_ENTRY_MIXTURE1_NAME);
    edited.first =
        first < 0 ? std::u16string() : ComboItemText(GetDlgItem(dialog, IDC_ENTRY_MIXTURE1_NAME), first);
    const int second = Selected(dialog, IDC_ENTRY_MIXTURE2_NAME);
    edited.second =
        second <= 0 ? std::u16string() : ComboItemText(GetDlgItem(dialog, IDC_ENTRY_MIXTURE2_NAME), second);
    const int firstType = Selected(dialog, IDC_ENTRY_MIXTURE1_TYPE);
    const int secondType = Selected(dialog, IDC_ENTRY_MIXTURE2_TYPE);
    edited.firstType = firstType < 0 ? edited.firstType : firstType;
    edited.secondType = secondType < 0 ? edited.secondType : secondType;
    for (const std::u16string* name : {&edited.first, &edited.second}) {
        if (const uint32_t refusal = CheckListField(*name)) {
            ShowNotice(dialog, refusal, {*name});
            return false;
        }
    }
    // The value as the store writes it, an empty field as "-".
    const auto stored = [](const std::u16string& field) {
        return field.empty() ? std::u16string(u"-") : field;
    };
    const size_t length =
        FormatText(u"%s/%s/%s/%d/%d", {stored(edited.component), stored(edited.first), stored(edited.second),
                                       edited.firstType, edited.secondType})
            .size();
    if (const uint32_t refusal = CheckListValueLength(length)) {
        ShowNotice(dialog, refusal, {static_cast<int>(SettingsStore::kMaxValueLength)});
        return false;
    }
    *state.entry = std::move(edited);
    return true;
}

INT_PTR CALLBACK MixtureEntryProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedProcedure(dialog, "MixtureEntryDialog", INT_PTR{FALSE}, [&] {
        return EntryDialogProcedure<MixtureEntryState>(dialog, message, wParam, lParam, &Initialize, &Save);
    });
}

} // namespace

INT_PTR OpenMixtureEntryDialog(HWND owner, const CalcContext& context, ComponentMixtures& entry) {
    MixtureEntryState state{&context, &entry};
    return OpenModalDialog(owner, IDD_MIXTURE_ENTRY, &MixtureEntryProcedure,
                           reinterpret_cast<LPARAM>(&state));
}
