#include "frame/frame_placement.h"

#include <algorithm>

namespace vesm {

namespace {

constexpr int kEdgeReach = 48;
constexpr int kEdgePullBack = 96;
// The smallest calendar area that counts as visible, in pixels per side.
constexpr int kMinimumVisible = 48;

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The calendar area of a window with the saved size at the corner.
Rect CalendarAt(ScreenPoint corner, const Rect& saved, FrameMargins margins) {
    const int width = std::max(saved.right - saved.left - 2 * margins.horizontal, kMinimumVisible);
    const int height = std::max(saved.bottom - saved.top - 2 * margins.vertical, kMinimumVisible);
    const int left = corner.x + margins.horizontal;
    const int top = corner.y + margins.vertical;
    return Rect{left, top, left + width, top + height};
}

}  // namespace

ScreenPoint ClampToVirtualScreen(ScreenPoint saved, const Rect& virtualScreen,
                                 FrameMargins margins) {
    ScreenPoint corner = saved;
    if (corner.x < virtualScreen.left - margins.horizontal) {
        corner.x = virtualScreen.left - margins.horizontal;
    }
    if (corner.y < virtualScreen.top - margins.vertical) {
        corner.y = virtualScreen.top - margins.vertical;
    }
    if (corner.x > virtualScreen.right - kEdgeReach) corner.x = virtualScreen.right - kEdgePullBack;
    if (corner.y > virtualScreen.bottom - kEdgeReach) {
        corner.y = virtualScreen.bottom - kEdgePullBack;
    }
    return corner;
}

ScreenPoint PlaceFrame(const Rect& saved, const MonitorLayout& layout, FrameMargins margins) {
    const ScreenPoint corner =
        ClampToVirtualScreen({saved.left, saved.top}, layout.virtualScreen, margins);
    if (layout.monitors.empty()) return corner;
    const Rect calendar = CalendarAt(corner, saved, margins);
    const bool shown =
        std::any_of(layout.monitors.begin(), layout.monitors.end(),
                    [&](const Rect& monitor) { return Overlaps(calendar, monitor); });
    if (shown) return corner;
    return {layout.primaryWorkArea.left, layout.primaryWorkArea.top};
}

}  // namespace vesm
