#include "view/gdi_glyph_source.h"

#include <algorithm>

#include "win32/utf.h"

namespace vesm {

namespace {

HFONT CreateGlyphFont(const FontSpec& wanted) {
    return CreateFontW(wanted.height, 0, 0, 0, wanted.weight, wanted.italic ? TRUE : FALSE, FALSE,
                       FALSE, DEFAULT_CHARSET, OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS,
                       PROOF_QUALITY, 0, Widen(wanted.face).c_str());
}

MAT2 IdentityTransform() {
    MAT2 matrix{};
    matrix.eM11.value = 1;
    matrix.eM22.value = 1;
    return matrix;
}

// Characters outside the basic plane have no single UTF-16 unit to ask for.
UINT GlyphQueryCode(char32_t character) {
    return character <= 0xFFFF ? static_cast<UINT>(character) : 0xFFFDu;
}

}  // namespace

GdiGlyphSource::GdiGlyphSource() : dc_(CreateCompatibleDC(nullptr)) {}

GdiGlyphSource::~GdiGlyphSource() {
    for (auto& font : fonts_) DeleteObject(font->font);
    if (dc_) DeleteDC(dc_);
}

int GdiGlyphSource::Ascent(const FontSpec& font) {
    return Font(font).ascent;
}

const Glyph& GdiGlyphSource::GlyphOf(const FontSpec& wanted, char32_t character) {
    CachedFont& font = Font(wanted);
    auto found = font.glyphs.find(character);
    if (found != font.glyphs.end()) return found->second;
    return font.glyphs.emplace(character, Fetch(font, character)).first->second;
}

GdiGlyphSource::CachedFont& GdiGlyphSource::Font(const FontSpec& wanted) {
    auto found = std::find_if(fonts_.begin(), fonts_.end(),
                              [&](const auto& font) { return font->key == wanted; });
    if (found != fonts_.end()) return **found;
    if (fonts_.size() >= kFontLimit) {
        DeleteObject(fonts_.front()->font);
        fonts_.erase(fonts_.begin());
    }
    auto font = std::make_unique<CachedFont>();
    font->key = wanted;
    font->font = CreateGlyphFont(wanted);
    if (dc_ && font->font) {
        HGDIOBJ previous = SelectObject(dc_, font->font);
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc_, &metrics)) font->ascent = metrics.tmAscent;
        SelectObject(dc_, previous);
    }
    fonts_.push_back(std::move(font));
    return *fonts_.back();
}

Glyph GdiGlyphSource::Fetch(CachedFont& font, char32_t character) {
    Glyph glyph;
    if (!dc_ || !font.font) return glyph;
    HGDIOBJ previous = SelectObject(dc_, font.font);
    const MAT2 identity = IdentityTransform();
    const UINT code = GlyphQueryCode(character);
    GLYPHMETRICS metrics{};
    const DWORD size =
        GetGlyphOutlineW(dc_, code, GGO_GRAY8_BITMAP, &metrics, 0, nullptr, &identity);
    if (size != GDI_ERROR) {
        glyph.width = static_cast<int>(metrics.gmBlackBoxX);
        glyph.height = static_cast<int>(metrics.gmBlackBoxY);
        glyph.originX = metrics.gmptGlyphOrigin.x;
        glyph.originY = metrics.gmptGlyphOrigin.y;
        glyph.advance = metrics.gmCellIncX;
        glyph.coverage.assign(
            static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height), 0);
        // A blank glyph (a space) has a size of 0 and nothing to fetch.
        std::vector<std::uint8_t> bitmap(size);
        if (size > 0 && GetGlyphOutlineW(dc_, code, GGO_GRAY8_BITMAP, &metrics, size, bitmap.data(),
                                         &identity) != GDI_ERROR) {
            const std::size_t pitch = (static_cast<std::size_t>(glyph.width) + 3) & ~std::size_t{3};
            for (int row = 0; row < glyph.height; ++row) {
                const std::size_t from = static_cast<std::size_t>(row) * pitch;
                if (from + static_cast<std::size_t>(glyph.width) > bitmap.size()) break;
                std::copy_n(
                    bitmap.begin() + static_cast<std::ptrdiff_t>(from), glyph.width,
                    glyph.coverage.begin() + static_cast<std::ptrdiff_t>(row) * glyph.width);
            }
        }
    }
    SelectObject(dc_, previous);
    return glyph;
}

}  // namespace vesm
