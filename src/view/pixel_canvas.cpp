#include "view/pixel_canvas.h"

#include <algorithm>

namespace vesm {

void PixelCanvas::Fill(Pixel value) {
    std::fill_n(pixels_, static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
                value);
}

}  // namespace vesm
