#include "view/frame_attributes.h"

#include <algorithm>

namespace vesm {

namespace {

// Every paint applies the attributes; size, alpha and style calls that would
// change nothing are left out, since each costs a round trip to the window
// system.
void ApplyFrameSize(HWND frame, Size window) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(frame, &placement)) return;
    const RECT& normal = placement.rcNormalPosition;
    RECT current{};
    GetWindowRect(frame, &current);
    if (current.left == normal.left && current.top == normal.top &&
        current.right - current.left == window.width &&
        current.bottom - current.top == window.height) {
        return;
    }
    MoveWindow(frame, normal.left, normal.top, window.width, window.height, TRUE);
}

void ApplyAlpha(HWND frame, Rgb background, BYTE alpha) {
    BYTE currentAlpha = 0;
    DWORD currentFlags = 0;
    if (GetLayeredWindowAttributes(frame, nullptr, &currentAlpha, &currentFlags) &&
        currentFlags == LWA_ALPHA && currentAlpha == alpha) {
        return;
    }
    // Only the alpha applies: the whole window, background included, is
    // uniformly translucent.
    SetLayeredWindowAttributes(frame, background, alpha, LWA_ALPHA);
}

// Made at every paint, even when the band is already right: in bottom-most
// mode the frame turns this z-order change into a move to the bottom, which
// is what makes that mode take effect as soon as it is chosen.
void ApplyZOrder(HWND frame, bool topmost) {
    SetWindowPos(frame, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
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
    ApplyAlpha(frame, RgbFromDecimal(settings.colorBackground),
               static_cast<BYTE>(std::clamp(settings.transparent, 1, 255)));
    ApplyZOrder(frame, settings.zOrder == 1);
    ApplyClickThrough(frame, settings.mouseTransparent == 1);
}

}  // namespace vesm
