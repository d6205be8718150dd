#include "view/frame_attributes.h"

#include <algorithm>

namespace vesm {

namespace {

void ApplyFrameSize(HWND frame, Size window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(frame, &placement)) return;
    const RECT& normal = placement.rcNormalPosition;
    MoveWindow(frame, normal.left, normal.top, window.width, window.height, TRUE);
}

void ApplyClickThrough(HWND frame, bool clickThrough) {
    const LONG_PTR exStyle = GetWindowLongPtrW(frame, GWL_EXSTYLE);
    const LONG_PTR wanted =
        clickThrough ? exStyle | WS_EX_TRANSPARENT : exStyle & ~WS_EX_TRANSPARENT;
    if (wanted != exStyle) SetWindowLongPtrW(frame, GWL_EXSTYLE, wanted);
}

}  // namespace

void ApplyFrameAttributes(HWND frame, const Settings& settings, Size window) {
    ApplyFrameSize(frame, {std::max(window.width, 1), std::max(window.height, 1)});
    // Only the alpha applies: the whole window, background included, is
    // uniformly translucent.
    SetLayeredWindowAttributes(frame, RgbFromDecimal(settings.colorBackground),
                               static_cast<BYTE>(settings.transparent), LWA_ALPHA);
    SetWindowPos(frame, settings.zOrder == 1 ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    ApplyClickThrough(frame, settings.mouseTransparent == 1);
}

}  // namespace vesm
