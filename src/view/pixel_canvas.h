// A 32-bit pixel surface in the layout of a top-down 32-bit DIB: each pixel
// is 0x00RRGGBB. It is addressed in window pixels: its top-left pixel is the
// window's pixel `origin`. Writes outside the surface are dropped, so the
// parts of a calendar beyond the canvas are simply cut off.
#pragma once

#include <cstdint>
#include <vector>

#include "doc/settings.h"
#include "view/geometry.h"

namespace vesm {

using Pixel = std::uint32_t;

constexpr Pixel PixelFromRgb(Rgb rgb) {
    return (rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF);
}

constexpr Rgb RgbFromPixel(Pixel pixel) {
    return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}

class PixelCanvas {
public:
    // `pixels` holds height rows of `width` pixels; the canvas does not own them.
    PixelCanvas(Pixel* pixels, int width, int height, Point origin = {}) noexcept
        : pixels_(pixels), width_(width), height_(height), origin_(origin) {}

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const {
        return x >= origin_.x && y >= origin_.y && x - origin_.x < width_ &&
               y - origin_.y < height_;
    }
    Pixel At(int x, int y) const { return pixels_[Index(x, y)]; }
    void Set(int x, int y, Pixel value) {
        if (Contains(x, y)) pixels_[Index(x, y)] = value;
    }
    void Fill(Pixel value);

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y - origin_.y) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(x - origin_.x);
    }

    Pixel* pixels_;
    int width_;
    int height_;
    Point origin_;
};

// A canvas with its own pixels.
class OwnedCanvas {
public:
    OwnedCanvas(int width, int height, Point origin = {})
        : pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
          canvas_(pixels_.data(), width, height, origin) {}
    OwnedCanvas(const OwnedCanvas&) = delete;
    OwnedCanvas& operator=(const OwnedCanvas&) = delete;
    PixelCanvas& Canvas() { return canvas_; }
    const PixelCanvas& Canvas() const { return canvas_; }

private:
    std::vector<Pixel> pixels_;
    PixelCanvas canvas_;
};

}  // namespace vesm
