// Moves and sizes the controls of a window when the window's size changes, each by its anchors: a
// control anchored to the right edge alone follows it, one anchored to both edges stretches, anything
// else stays; the same vertically with top and bottom.
#pragma once

#include <windows.h>

#include <span>

enum Anchor : int {
    AnchorLeft = 1,
    AnchorTop = 2,
    AnchorRight = 4,
    AnchorBottom = 8,
    AnchorAll = AnchorLeft | AnchorTop | AnchorRight | AnchorBottom,
};

struct AnchoredControl {
    int id;
    int anchors;
};

// The change of one control's rectangle for a change of the window's size by dx, dy.
RECT AnchoredRectangle(RECT control, int anchors, int dx, int dy);

// Applies the anchors for a change from the window rectangle previous to newWidth × newHeight, in one
// deferred batch that keeps z-order and activation. Call it before the new size takes effect
// (WM_WINDOWPOSCHANGING).
void AnchorLayout(HWND window, const RECT& previous, int newWidth, int newHeight,
                  std::span<const AnchoredControl> controls);

// The same from a WM_WINDOWPOSCHANGING message's position record; nothing when the size stays.
void AnchorLayoutForPosition(HWND window, const WINDOWPOS& position,
                             std::span<const AnchoredControl> controls);
