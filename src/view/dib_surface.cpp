#include "view/dib_surface.h"

namespace vesm {

DibSurface::~DibSurface() {
    Release();
}

void DibSurface::Release() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
    dc_ = nullptr;
    bitmap_ = nullptr;
    previous_ = nullptr;
    bits_ = nullptr;
    size_ = {};
}

std::optional<PixelCanvas> DibSurface::Canvas(Rect area) {
    const Size size{area.right - area.left, area.bottom - area.top};
    origin_ = {area.left, area.top};
    if (bits_ && size == size_) return PixelCanvas(bits_, size_.width, size_.height, origin_);
    Release();
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    if (!bitmap_ || !dc_ || !bits) {
        Release();
        return std::nullopt;
    }
    previous_ = SelectObject(dc_, bitmap_);
    bits_ = static_cast<Pixel*>(bits);
    size_ = size;
    return PixelCanvas(bits_, size_.width, size_.height, origin_);
}

void DibSurface::BlitTo(HDC target) const {
    if (dc_) BitBlt(target, origin_.x, origin_.y, size_.width, size_.height, dc_, 0, 0, SRCCOPY);
}

}  // namespace vesm
