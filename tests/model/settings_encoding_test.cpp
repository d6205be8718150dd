// The settings file's code page 932 text: what survives a round trip, what
// becomes "?", and that no byte sequence breaks decoding.
#include <string>

#include <gtest/gtest.h>

#include "doc/cp932_codec.h"

namespace vesm {
namespace {

bool IsValidUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80         ? 1
                             : (lead >> 5) == 6  ? 2
                             : (lead >> 4) == 14 ? 3
                             : (lead >> 3) == 30 ? 4
                                                 : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

TEST(Cp932CodecTest, JapaneseNamesSurviveARoundTrip) {
    const char* texts[] = {"元旦",           "成人の日",     "建国記念日",       "天皇誕生日",
                           "昭和の日",       "憲法記念日",   "みどりの日",       "子供の日",
                           "海の日",         "山の日",       "敬老の日",         "スポーツの日",
                           "文化の日",       "勤労感謝の日", "バレンタインデー", "ひな祭り",
                           "ホワイトデー",   "母の日",       "父の日",           "七夕",
                           "クリスマスイブ", "クリスマス",   "大晦日",           "ｶﾀｶﾅ",
                           "ＭＳ ゴシック",  "①髙﨑",        "Times New Roman"};
    for (const char* text : texts) {
        SCOPED_TRACE(text);
        EXPECT_TRUE(CanEncodeCp932(text));
        EXPECT_EQ(DecodeCp932(EncodeCp932(text)), text);
    }
}

TEST(Cp932CodecTest, EncodesShiftJisBytes) {
    EXPECT_EQ(EncodeCp932("元旦"), "\x8C\xB3\x92\x55");
    EXPECT_EQ(EncodeCp932("ｱ"), "\xB1");
    EXPECT_EQ(EncodeCp932("a=1\r\n"), "a=1\r\n");
    // The trail byte of "～" is the backquote's byte.
    EXPECT_EQ(EncodeCp932("～"), "\x81\x60");
    EXPECT_EQ(DecodeCp932("\x81\x60"), "～");
}

TEST(Cp932CodecTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(EncodeCp932("a\xC3\xA9"
                          "b"),
              "a?b");                                     // é
    EXPECT_EQ(EncodeCp932("\xE2\x82\xAC"), "?");          // €
    EXPECT_EQ(EncodeCp932("x\xF0\x9F\x98\x80y"), "x?y");  // an emoji, outside the BMP
    EXPECT_FALSE(CanEncodeCp932("caf\xC3\xA9"));
    EXPECT_FALSE(CanEncodeCp932("\xF0\x9F\x98\x80"));
    EXPECT_TRUE(CanEncodeCp932(""));
    EXPECT_TRUE(CanEncodeCp932("予定 12:00"));
}

TEST(Cp932CodecTest, InvalidUtf8IsRefusedAndEncodedAsQuestionMarks) {
    EXPECT_FALSE(CanEncodeCp932("a\xFF"));
    EXPECT_FALSE(CanEncodeCp932("\xE5\x85"));  // cut short
    std::string encoded = EncodeCp932(
        "a\xFF"
        "b");
    EXPECT_EQ(encoded.front(), 'a');
    EXPECT_EQ(encoded.back(), 'b');
    EXPECT_NE(encoded.find('?'), std::string::npos);
}

TEST(Cp932CodecTest, InvalidBytesDecodeToValidTextAndKeepTheirNeighbours) {
    for (std::string bytes : {std::string("A\xFF"
                                          "B"),
                              std::string("A\x81\x20"
                                          "B"),
                              std::string("AB\x81"),
                              std::string("A\xA0"
                                          "B"),
                              std::string("A\x00"
                                          "B",
                                          3)}) {
        std::string text = DecodeCp932(bytes);
        EXPECT_TRUE(IsValidUtf8(text));
        EXPECT_EQ(text.front(), 'A');
        EXPECT_NE(text.find('B'), std::string::npos);
    }
}

}  // namespace
}  // namespace vesm
