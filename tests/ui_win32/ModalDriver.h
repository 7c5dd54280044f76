// Acting inside the plug-in's modal dialogs: while a dialog's own message loop runs, a timer of the test
// thread finds the dialog by its caption and runs the test's action on it once (the action reads the
// controls, types, clicks and finally closes the dialog).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace ui {

class ModalActor {
public:
    ModalActor(std::wstring caption, std::function<void(HWND)> action);
    ~ModalActor();
    ModalActor(const ModalActor&) = delete;
    ModalActor& operator=(const ModalActor&) = delete;
    // Whether the dialog appeared and the action ran.
    bool Acted() const { return acted_; }

private:
    static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD);
    std::wstring caption_;
    std::function<void(HWND)> action_;
    UINT_PTR timer_ = 0;
    bool acted_ = false;
};

// Clicks a button or check box of a dialog as the mouse does (the box toggles and notifies its parent).
void Click(HWND dialog, int id);
bool Checked(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::wstring& text);
std::wstring Text(HWND dialog, int id);
// The text of the selected item of a combo box; empty when none is selected.
std::wstring ComboSelection(HWND dialog, int id);
int ComboIndex(HWND dialog, int id);
void SelectComboIndex(HWND dialog, int id, int index);

} // namespace ui
