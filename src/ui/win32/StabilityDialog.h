// Dialog 230, opened by the button of the calibration page: the calibration's stability over its
// history as the last run left it (context.stability). Opening it runs no calculation and changes no
// setting.
#pragma once

#include <windows.h>

struct CalcContext;

void ShowStabilityDialog(HWND owner, const CalcContext& context);
