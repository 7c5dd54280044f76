// Solid brushes the windows paint with, one per colour, made on first use and owned by the library's
// user interface: deleted when the plug-in is unloaded, so that loading it again does not leave the
// previous ones behind.
#pragma once

#include <windows.h>

// The brush of colour; the caller neither keeps nor deletes it beyond the plug-in's unload.
HBRUSH SharedSolidBrush(COLORREF colour);
// Deletes every brush made so far (no window may still paint with one).
void DeleteSharedSolidBrushes();
