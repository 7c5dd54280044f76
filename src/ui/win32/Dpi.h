// The window's pixel sizes at the resolution it is shown with. Sizes are written for 96 dots per inch
// (100 %); a window on a monitor of another resolution scales them, so that a margin, a splitter's reach
// or a minimum stays the same physical size. At 96 the sizes are used as written.
#pragma once

#include <windows.h>

// The dots per inch the window is drawn at: the monitor's own when the window's thread is aware of
// per-monitor resolution, else the system's (which an unaware host gets as 96).
UINT WindowDpi(HWND window);
// pixels96 at the window's resolution, rounded.
int ScaleToDpi(HWND window, int pixels96);
