#include "view/text_routine.h"

#include <algorithm>
#include <cstdint>

namespace vesm {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes the next UTF-8 character at `pos` and advances past it; a malformed
// sequence yields one replacement character per bad byte.
char32_t NextCharacter(std::string_view text, std::size_t& pos) {
    const auto lead = static_cast<unsigned char>(text[pos++]);
    if (lead < 0x80) return lead;
    int trail = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        trail = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        trail = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        trail = 3;
        value = lead & 0x07;
    } else {
        return kReplacement;
    }
    if (pos + static_cast<std::size_t>(trail) > text.size()) return kReplacement;
    for (int i = 0; i < trail; ++i) {
        const auto next = static_cast<unsigned char>(text[pos + static_cast<std::size_t>(i)]);
        if ((next & 0xC0) != 0x80) return kReplacement;
        value = value << 6 | (next & 0x3F);
    }
    pos += static_cast<std::size_t>(trail);
    return value;
}

std::uint32_t Channel(Pixel pixel, int shift) {
    return pixel >> shift & 0xFF;
}

void BlitGlyph(PixelCanvas& canvas, const Glyph& glyph, Point topLeft, Pixel text) {
    for (int row = 0; row < glyph.height; ++row) {
        const int y = topLeft.y + row;
        for (int column = 0; column < glyph.width; ++column) {
            const std::size_t index =
                static_cast<std::size_t>(row) * static_cast<std::size_t>(glyph.width) +
                static_cast<std::size_t>(column);
            const int level = index < glyph.coverage.size() ? glyph.coverage[index] : 0;
            const int x = topLeft.x + column;
            if (level == 0 || !canvas.Contains(x, y)) continue;
            canvas.Set(x, y, BlendCoverage(canvas.At(x, y), text, level));
        }
    }
}

InkExtent WalkText(PixelCanvas* canvas, GlyphSource& glyphs, const FontSpec& font,
                   std::string_view text, Point at, Rgb color) {
    const int ascent = canvas ? glyphs.Ascent(font) : 0;
    const Pixel textPixel = PixelFromRgb(color);
    InkExtent ink;
    int x = at.x;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Glyph& glyph = glyphs.GlyphOf(font, NextCharacter(text, pos));
        ink.width += glyph.width;
        ink.height = std::max(ink.height, glyph.height);
        if (canvas) {
            BlitGlyph(*canvas, glyph, {x + glyph.originX, at.y + ascent - glyph.originY},
                      textPixel);
        }
        x += glyph.advance;
    }
    return ink;
}

}  // namespace

Pixel BlendCoverage(Pixel current, Pixel text, int level) {
    const auto background = static_cast<std::uint32_t>(((64 - std::min(level, 64)) * 4) & 0xFF);
    const std::uint32_t foreground = 255 - background;
    Pixel result = 0;
    for (int shift : {0, 8, 16}) {
        const std::uint32_t mixed =
            Channel(text, shift) * foreground / 255 + Channel(current, shift) * background / 255;
        result |= (mixed & 0xFF) << shift;
    }
    return result;
}

InkExtent MeasureText(GlyphSource& glyphs, const FontSpec& font, std::string_view text) {
    return WalkText(nullptr, glyphs, font, text, {}, 0);
}

InkExtent DrawText(PixelCanvas& canvas, GlyphSource& glyphs, const FontSpec& font,
                   std::string_view text, Point at, Rgb color) {
    return WalkText(&canvas, glyphs, font, text, at, color);
}

}  // namespace vesm
