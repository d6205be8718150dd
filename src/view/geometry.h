// Points and sizes of the calendar window, in view client pixels.
#pragma once

#include "doc/day_record.h"

namespace vesm {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

constexpr Rect RectAt(Point origin, Size size) {
    return Rect{origin.x, origin.y, origin.x + size.width, origin.y + size.height};
}

}  // namespace vesm
