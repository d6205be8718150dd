// Anti-aliased glyphs for the text routine: 65-level coverage bitmaps with
// their metrics, per font. The platform's glyph outline service is one
// source; tests use a synthetic one.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vesm {

struct FontSpec {
    std::string face;  // UTF-8
    int height = 0;    // character cell height in pixels
    int weight = 400;
    bool italic = false;
    bool operator==(const FontSpec&) const = default;
};

struct Glyph {
    int width = 0;  // ink (black) box
    int height = 0;
    int originX = 0;  // ink box's left, relative to the pen position
    int originY = 0;  // ink box's top above the baseline
    int advance = 0;  // horizontal cell increment
    // width x height coverage levels 0 (none) .. 64 (full), rows top to bottom.
    std::vector<std::uint8_t> coverage;
};

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    virtual int Ascent(const FontSpec& font) = 0;
    // The reference stays valid until a glyph of another font is asked for.
    virtual const Glyph& GlyphOf(const FontSpec& font, char32_t character) = 0;
};

}  // namespace vesm
