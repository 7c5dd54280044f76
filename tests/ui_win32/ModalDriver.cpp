#include "ModalDriver.h"

#include <vector>

namespace ui {
namespace {

ModalActor* g_actor = nullptr;

struct Search {
    const std::wstring* caption;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window) && *search.caption == text) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

} // namespace

ModalActor::ModalActor(std::wstring caption, std::function<void(HWND)> action)
    : caption_(std::move(caption)), action_(std::move(action)) {
    g_actor = this;
    timer_ = SetTimer(nullptr, 0, 30, &ModalActor::Look);
}

ModalActor::~ModalActor() {
    KillTimer(nullptr, timer_);
    g_actor = nullptr;
}

void CALLBACK ModalActor::Look(HWND, UINT, UINT_PTR, DWORD) {
    ModalActor* actor = g_actor;
    if (actor == nullptr || actor->acted_) {
        return;
    }
    Search search{&actor->caption_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), &FindDialog, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) {
        return;
    }
    actor->acted_ = true;
    actor->action_(search.found);
    // An action that left the dialog open is not allowed to hang the test.
    if (IsWindow(search.found) && IsWindowVisible(search.found)) {
        SendMessageW(search.found, WM_COMMAND, IDCANCEL, 0);
    }
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id) {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

void SetText(HWND dialog, int id, const std::wstring& text) {
    SetDlgItemTextW(dialog, id, text.c_str());
}

std::wstring Text(HWND dialog, int id) {
    wchar_t text[512] = {};
    GetDlgItemTextW(dialog, id, text, 512);
    return text;
}

int ComboIndex(HWND dialog, int id) {
    return static_cast<int>(SendDlgItemMessageW(dialog, id, CB_GETCURSEL, 0, 0));
}

std::wstring ComboSelection(HWND dialog, int id) {
    const int index = ComboIndex(dialog, id);
    if (index < 0) {
        return {};
    }
    std::vector<wchar_t> text(
        static_cast<size_t>(SendDlgItemMessageW(dialog, id, CB_GETLBTEXTLEN, index, 0)) + 1);
    SendDlgItemMessageW(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(index),
                        reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void SelectComboIndex(HWND dialog, int id, int index) {
    SendDlgItemMessageW(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

} // namespace ui
