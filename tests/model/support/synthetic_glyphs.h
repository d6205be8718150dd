// A glyph source with predictable glyphs, for painting without a platform:
// every character is a solid block of half the font height (at least one
// pixel) unless given its own glyph, and the ascent is 4/5 of the height.
#pragma once

#include <cstdint>
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

    // A glyph that replaces the block for the character, in every font.
    void SetGlyph(char32_t character, Glyph glyph) { custom_[character] = std::move(glyph); }

    int Ascent(const FontSpec& font) override {
        ++ascentQueries_;
        return AscentFor(font.height);
    }

    const Glyph& GlyphOf(const FontSpec& font, char32_t character) override {
        requested_.push_back({font, character});
        auto custom = custom_.find(character);
        if (custom != custom_.end()) return custom->second;
        auto key = std::make_tuple(font.height, character);
        auto found = blocks_.find(key);
        if (found != blocks_.end()) return found->second;
        Glyph block;
        block.width = BlockWidth(font.height);
        block.height = BlockHeight(font.height);
        block.originX = 0;
        block.originY = AscentFor(font.height);
        block.advance = block.width + 1;
        block.coverage.assign(static_cast<std::size_t>(block.width * block.height), 64);
        return blocks_.emplace(key, std::move(block)).first->second;
    }

    struct Request {
        FontSpec font;
        char32_t character;
    };
    const std::vector<Request>& Requests() const { return requested_; }
    int AscentQueries() const { return ascentQueries_; }

private:
    std::map<char32_t, Glyph> custom_;
    std::map<std::tuple<int, char32_t>, Glyph> blocks_;
    std::vector<Request> requested_;
    int ascentQueries_ = 0;
};

}  // namespace vesm::testing
