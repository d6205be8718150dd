// The view's own text routine: measures text by its inked pixels and draws it
// by blending 65-level glyph coverage into the canvas, so text looks smooth on
// the translucent window whatever the system's font smoothing is.
#pragma once

#include <string_view>

#include "view/geometry.h"
#include "view/glyph_source.h"
#include "view/pixel_canvas.h"

namespace vesm {

struct InkExtent {
    int width = 0;   // sum of the characters' ink box widths
    int height = 0;  // tallest ink box
};

// `text` is UTF-8; `at` is the top-left of the first character cell.
InkExtent MeasureText(GlyphSource& glyphs, const FontSpec& font, std::string_view text);
InkExtent DrawText(PixelCanvas& canvas, GlyphSource& glyphs, const FontSpec& font,
                   std::string_view text, Point at, Rgb color);

// One coverage level (1..64) of `text` over `current`, channel by channel.
Pixel BlendCoverage(Pixel current, Pixel text, int level);

}  // namespace vesm
