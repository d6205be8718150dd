// Glyphs without a platform: solid blocks half the height wide, 7/10 high, ascent 4/5.
#pragma once

#include <map>
#include <tuple>
#include <vector>

#include "view/glyph_source.h"

namespace vesm::testing {

class SyntheticGlyphs : public GlyphSource {
public:
    static int AscentFor(int height) { return height * 4 / 5; }
    static int BlockWidth(int height) { return height / 2 > 0 ? height / 2 : 1; }
    static int BlockHeight(int height) { return height * 7 / 10 > 0 ? height * 7 / 10 : 1; }

    void SetGlyph(char32_t character, Glyph glyph) { custom_[character] = std::move(glyph); }

    int Ascent(const FontSpec& font) override { return AscentFor(font.height); }

    const Glyph& GlyphOf(const FontSpec& font, char32_t character) override {
        requested_.push_back({font, character});
        auto custom = custom_.find(character);
        if (custom != custom_.end()) return custom->second;
        auto [found, added] = blocks_.try_emplace(std::make_tuple(font.height, character));
        if (!added) return found->second;
        Glyph& block = found->second;
        block.width = BlockWidth(font.height);
        block.height = BlockHeight(font.height);
        block.originY = AscentFor(font.height);
        block.advance = block.width + 1;
        block.coverage.assign(static_cast<std::size_t>(block.width * block.height), 64);
        return block;
    }

    struct Request {
        FontSpec font;
        char32_t character;
    };
    const std::vector<Request>& Requests() const { return requested_; }

private:
    std::map<char32_t, Glyph> custom_;
    std::map<std::tuple<int, char32_t>, Glyph> blocks_;
    std::vector<Request> requested_;
};

}  // namespace vesm::testing
