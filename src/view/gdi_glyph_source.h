// Glyphs from the platform's glyph outline service: 8-bit gray bitmaps with
// levels 0..64, fetched once per font and character and kept for later paints.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "view/glyph_source.h"

namespace vesm {

class GdiGlyphSource : public GlyphSource {
public:
    GdiGlyphSource();
    ~GdiGlyphSource() override;
    GdiGlyphSource(const GdiGlyphSource&) = delete;
    GdiGlyphSource& operator=(const GdiGlyphSource&) = delete;

    int Ascent(const FontSpec& font) override;
    const Glyph& GlyphOf(const FontSpec& font, char32_t character) override;

private:
    struct CachedFont {
        FontSpec key;
        HFONT font = nullptr;
        int ascent = 0;
        std::map<char32_t, Glyph> glyphs;
    };

    CachedFont& Font(const FontSpec& wanted);
    Glyph Fetch(CachedFont& font, char32_t character);

    HDC dc_ = nullptr;
    // A settings change brings new fonts; old ones are dropped past this many.
    static constexpr std::size_t kFontLimit = 8;
    std::vector<std::unique_ptr<CachedFont>> fonts_;
};

}  // namespace vesm
