#include "ui/win32/InputControls.h"

#include "text/CaseFold.h"
#include "ui/win32/PluginModule.h"

std::u16string ControlText(HWND control) {
    const int length = GetWindowTextLengthW(control);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(control, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return FromWide(text);
}

void AddComboItem(HWND combo, std::u16string_view text) {
    const std::u16string item(text);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(item)));
}

std::u16string ComboItemText(HWND combo, int index) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) {
        return {};
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return FromWide(text);
}

int SelectComboByName(HWND combo, std::u16string_view name) {
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    int chosen = -1;
    for (int index = 0; index < count && chosen < 0; ++index) {
        if (EqualsIgnoreCase(ComboItemText(combo, index), name)) {
            chosen = index;
        }
    }
    for (int index = 0; index < count && chosen < 0; ++index) {
        const std::u16string item = ComboItemText(combo, index);
        if (item.size() >= name.size() &&
            EqualsIgnoreCase(std::u16string_view(item).substr(0, name.size()), name)) {
            chosen = index;
        }
    }
    chosen = chosen < 0 ? 0 : chosen;
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(chosen), 0);
    return chosen;
}

INT_PTR OpenModalDialog(HWND owner, int templateId, DLGPROC procedure, LPARAM parameter) {
    ManifestActivation activation;
    return DialogBoxParamW(PluginModule(), MAKEINTRESOURCEW(templateId), owner, procedure, parameter);
}

void SetCheck(HWND dialog, int id, bool checked) {
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}
