// Where the frame opens: the saved top-left corner kept on the virtual screen,
// and moved onto the primary monitor when it would show on no monitor at all.
// A window without a taskbar button that opens off-screen cannot be found.
#pragma once

#include <vector>

#include "doc/day_record.h"

namespace vesm {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

// The transparent margins around the calendar; they may hang off the screen.
struct FrameMargins {
    int horizontal = 0;
    int vertical = 0;
};

struct MonitorLayout {
    Rect virtualScreen;
    std::vector<Rect> monitors;
    Rect primaryWorkArea;
};

// Keeps the calendar (not its margins) from leaving the left and top edges,
// and pulls a corner that lies within 48 pixels of the right or bottom edge
// back by 96.
ScreenPoint ClampToVirtualScreen(ScreenPoint saved, const Rect& virtualScreen,
                                 FrameMargins margins);

// The clamped corner, or the primary work area's corner when the saved
// rectangle placed there shows its calendar on no monitor (a monitor was
// unplugged, or the corner lies in a gap of an uneven layout).
ScreenPoint PlaceFrame(const Rect& saved, const MonitorLayout& layout, FrameMargins margins);

}  // namespace vesm
