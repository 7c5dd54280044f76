#include "ui/win32/AnchorLayout.h"

RECT AnchoredRectangle(RECT control, int anchors, int dx, int dy) {
    if ((anchors & AnchorRight) != 0) {
        control.right += dx;
        if ((anchors & AnchorLeft) == 0) {
            control.left += dx;
        }
    }
    if ((anchors & AnchorBottom) != 0) {
        control.bottom += dy;
        if ((anchors & AnchorTop) == 0) {
            control.top += dy;
        }
    }
    return control;
}

void AnchorLayout(HWND window, const RECT& previous, int newWidth, int newHeight,
                  std::span<const AnchoredControl> controls) {
    const int dx = newWidth - static_cast<int>(previous.right - previous.left);
    const int dy = newHeight - static_cast<int>(previous.bottom - previous.top);
    if ((dx == 0 && dy == 0) || controls.empty()) {
        return;
    }
    HDWP batch = BeginDeferWindowPos(static_cast<int>(controls.size()));
    for (const AnchoredControl& anchored : controls) {
        HWND control = GetDlgItem(window, anchored.id);
        if (control == nullptr || batch == nullptr) {
            continue;
        }
        RECT rectangle{};
        GetWindowRect(control, &rectangle);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rectangle), 2);
        const RECT moved = AnchoredRectangle(rectangle, anchored.anchors, dx, dy);
        if (EqualRect(&moved, &rectangle)) {
            continue;
        }
        batch = DeferWindowPos(batch, control, nullptr, moved.left, moved.top, moved.right - moved.left,
                               moved.bottom - moved.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (batch != nullptr) {
        EndDeferWindowPos(batch);
    }
}

void AnchorLayoutForPosition(HWND window, const WINDOWPOS& position,
                             std::span<const AnchoredControl> controls) {
    if ((position.flags & SWP_NOSIZE) != 0) {
        return;
    }
    RECT previous{};
    GetWindowRect(window, &previous);
    AnchorLayout(window, previous, position.cx, position.cy, controls);
}
