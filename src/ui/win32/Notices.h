// Message boxes of the window: notices (a string-table text formatted with printf arguments into at
// most 255 characters, caption "Предупреждение", information icon), the warning of a failed
// calculation and error boxes (caption "Ошибка", error icon). All are owned by the given window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>

#include "text/Format.h"

// Longest notice text: a 256-character buffer with its terminator.
inline constexpr size_t kNoticeLength = 255;

void ShowNotice(HWND owner, uint32_t textId, std::initializer_list<FormatArg> args = {});
void ShowErrorBox(HWND owner, const std::u16string& text);
// Text 231 under caption 123 with the error icon, after a run whose status is not 0.
void ShowCalculationFailedBox(HWND owner);
