// The monitors as the system reports them now, for placing the frame.
#pragma once

#include "frame/frame_placement.h"

namespace vesm {

MonitorLayout CurrentMonitorLayout();

}  // namespace vesm
