// The window page's transparency: the layered window's alpha, where 0 would
// make the calendar invisible and unreachable by the mouse.
#pragma once

#include <algorithm>

namespace vesm {

inline constexpr int kTransparencyMin = 1;
inline constexpr int kTransparencyMax = 255;

constexpr int TransparencyFrom(int position) {
    return std::clamp(position, kTransparencyMin, kTransparencyMax);
}

}  // namespace vesm
