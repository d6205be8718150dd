// The off-screen picture of the calendar: a top-down 32-bit DIB section in a
// memory context, painted through a PixelCanvas and blitted in one call. It is
// kept between paints and made anew only when the size changes.
#pragma once

#include <windows.h>

#include <optional>

#include "view/geometry.h"
#include "view/pixel_canvas.h"

namespace vesm {

class DibSurface {
public:
    DibSurface() = default;
    ~DibSurface();
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;

    // A canvas over the window pixels of `area`, or nothing when the system
    // refuses the bitmap.
    std::optional<PixelCanvas> Canvas(Rect area);
    // Copies the picture to its area of the target.
    void BlitTo(HDC target) const;

private:
    void Release();

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    Pixel* bits_ = nullptr;
    Size size_;
    Point origin_;
};

}  // namespace vesm
