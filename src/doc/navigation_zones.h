// The four strips along the calendar window's edges whose double-click
// changes the displayed month, as the latest paint placed them.
#pragma once

#include "doc/day_record.h"

namespace vesm {

struct NavigationZones {
    Rect left;    // previous month
    Rect right;   // next month
    Rect bottom;  // back to the current month
    Rect top;     // choose a month
    bool operator==(const NavigationZones&) const = default;
};

}  // namespace vesm
