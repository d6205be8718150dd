// The monitors as the system reports them now, for placing the frame.
#pragma once

#include "frame/frame_placement.h"

namespace vesm {

MonitorLayout CurrentMonitorLayout();

// Dots per inch of the monitor that shows most of `area`, or of the nearest.
int MonitorDpiAt(const Rect& area);

}  // namespace vesm
