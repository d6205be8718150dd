// Reading scalar values (C-style numbers, every key's load check) and the code
// page 932 text they are stored in.
#include <climits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/c_number.h"
#include "doc/cp932_codec.h"
#include "doc/settings_lines.h"

namespace vesm {
namespace {

TEST(CNumberTest, SignAndDigitsAfterBlanksClampedToInt) {
    const struct {
        std::string text;
        int value;
    } cases[] = {{"42", 42},
                 {"  \t-17", -17},
                 {"+8", 8},
                 {"12abc", 12},
                 {"3 4", 3},
                 {"007", 7},
                 {"", 0},
                 {"true", 0},
                 {"- 5", 0},
                 {"x12", 0},
                 {"\v\f\r\n9", 9},
                 {"2147483647", INT_MAX},
                 {"-2147483648", INT_MIN},
                 {"2147483648", INT_MAX},
                 {"-99999999999999999999999", INT_MIN},
                 {std::string(5000, '9'), INT_MAX}};
    for (const auto& c : cases) EXPECT_EQ(ReadCNumber(c.text), c.value) << c.text;
}

// The value the lines leave for a key, as the file would then carry it.
std::string Value(const std::vector<std::string>& lines, const std::string& key, int month = 5) {
    Settings settings;
    for (const std::string& line : lines) ApplyScalarLine(settings, SplitSettingsLine(line), month);
    std::string file = "\r\n";
    AppendScalarLines(settings, file);
    std::size_t at = file.find("\n" + key + "=") + key.size() + 2;
    return file.substr(at, file.find('\r', at) - at);
}

TEST(SettingsLineTest, EveryRangedKeyKeepsItsBoundsAndReplacesJustOutside) {
    std::istringstream table(R"(numOfMonth 0 12 3 fallsOnSun 0 1 1 fallsOnSat 0 2 0 numOfRow 1 12 3
        numOfColumn 1 12 2 calendarFormat 0 1 0 dayFormat 0 2 0 transparent 1 255 160
        styleOfMonth 0 1 0 todayInfo 0 13 11 specialDayInfo 0 13 2 taskDayInfo 0 13 1
        optTabCurSel 0 6 0 rmTaskInfo 1 1 0 rmTaskSpan 0 365 7 rmOverTask 1 1 0
        fontPointSize 2 256 18 frameSizeOfDate 50 200 100 time12or24 24 24 12 clockInfo 1 1 0
        dateFormat 0 5 0 zOrder 0 2 0 mouseTransparent 0 1 0 snoozeIndex 0 14 4 rokuyoInfo 0 2 0
        kyurekiInfo 0 1 0 sekkiInfo 0 2 0 warekiInfo 0 1 0 weekNumberInfo 0 2 0 startWeek 1 7 1)");
    std::string key;
    int low, high, replacement, rows = 0;
    while (table >> key >> low >> high >> replacement) {
        SCOPED_TRACE(key);
        auto line = [&key](int value) { return key + "=" + std::to_string(value); };
        EXPECT_EQ(Value({line(high), line(low)}, key), std::to_string(low));
        EXPECT_EQ(Value({line(low), line(high)}, key), std::to_string(high));
        EXPECT_EQ(Value({line(high), line(low - 1)}, key), std::to_string(replacement));
        EXPECT_EQ(Value({line(low), line(high + 1)}, key), std::to_string(replacement));
        ++rows;
    }
    EXPECT_EQ(rows, 30);
}

TEST(SettingsLineTest, KeysMatchExactlyAndOtherValuesAreReadAsTheyAre) {
    SettingsLine split = SplitSettingsLine("fontFaceName=a=b ");
    EXPECT_EQ(split.key, "fontFaceName");
    EXPECT_EQ(split.value, "a=b ");
    Settings settings;
    for (const char* text : {"Version=1", "numOfRow = 5", " numOfRow=5", "numOfRow5", "=5"}) {
        EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine(text), 5)) << text;
    }
    EXPECT_EQ(settings.version, 182);
    EXPECT_EQ(settings.numOfRow, 3);
    const struct {
        std::vector<std::string> lines;
        const char* key;
        const char* value;
        int month = 5;
    } cases[] = {
        {{"version=150"}, "version", "150"},
        {{"left=-32000"}, "left", "-32000"},
        {{"bottom=77x"}, "bottom", "77"},
        {{"fontWeight=123456"}, "fontWeight", "123456"},
        {{"colorSunday=999999999"}, "colorSunday", "999999999"},
        {{"fontFaceName= ＭＳ ゴシック =x"}, "fontFaceName", " ＭＳ ゴシック =x"},
        {{"fontFaceName=A", "fontFaceName="}, "fontFaceName", ""},
        {{"numOfRow=5", "numOfRow=7"}, "numOfRow", "7"},
        // Text flags are set only by exactly "1"; italic by any non-zero number.
        {{"startUp=1", "startUp=true"}, "startUp", "0"},
        {{"equinoxBool=1 "}, "equinoxBool", "0"},
        {{"betweenBool=1"}, "betweenBool", "1"},
        {{"fontItalic=-1"}, "fontItalic", "1"},
        {{"fontItalic=1", "fontItalic=yes"}, "fontItalic", "0"},
        // Profile values outside their range are ignored: the earlier value stays.
        {{"birthYear=1950", "birthYear=2100", "birthYear=1899"}, "birthYear", "1950"},
        {{"birthMonth=12", "birthMonth=13"}, "birthMonth", "12"},
        {{"birthDay=31", "birthDay=32", "birthDay=0"}, "birthDay", "31"},
        {{"birthHour=23", "birthHour=24"}, "birthHour", "23"},
        {{"birthMinute=59", "birthMinute=60"}, "birthMinute", "59"},
        {{"nativePlaceInfo=1"}, "nativePlaceInfo", "1"},
        {{"longitudeEastOrWest=1", "longitudeEastOrWest=2"}, "longitudeEastOrWest", "1"},
        {{"longitudeDegree=180", "longitudeDegree=181"}, "longitudeDegree", "180"},
        {{"longitudeMinute=60", "longitudeMinute=61"}, "longitudeMinute", "60"},
        {{"longitudeSecond=0", "longitudeSecond=-1"}, "longitudeSecond", "0"},
        {{"fortuneFlg=1"}, "fortuneFlg", "1"},
        // Past months are checked against the month count in effect as they are read.
        {{"numOfPast=2"}, "numOfPast", "2"},
        {{"numOfPast=3"}, "numOfPast", "0"},
        {{"numOfPast=-1"}, "numOfPast", "0"},
        {{"numOfMonth=12", "numOfPast=11"}, "numOfPast", "11"},
        {{"numOfPast=7", "numOfMonth=0"}, "numOfPast", "0"},
        {{"numOfMonth=13", "numOfPast=2"}, "numOfPast", "2"},
        // The whole year starts in January: the displayed month minus one.
        {{"numOfMonth=0", "numOfPast=7"}, "numOfPast", "4"},
        {{"numOfMonth=0", "numOfPast=0"}, "numOfPast", "11", 12},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Value(c.lines, c.key, c.month), c.value) << c.lines.back();
}

bool IsValidUtf8(const std::string& text) {
    for (std::size_t at = 0; at < text.size();) {
        auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : 0;
        if (length == 0 || at + length > text.size()) return false;
        for (std::size_t i = 1; i < length; ++i) {
            if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return false;
        }
        at += length;
    }
    return true;
}

TEST(Cp932CodecTest, JapaneseRoundTripsAndWhatTheCodePageLacksBecomesAQuestionMark) {
    for (const char* text : {"元旦", "バレンタインデー", "ｶﾀｶﾅ", "ＭＳ ゴシック", "①髙﨑", "～"}) {
        EXPECT_TRUE(CanEncodeCp932(text)) << text;
        EXPECT_EQ(DecodeCp932(EncodeCp932(text)), text);
    }
    EXPECT_EQ(EncodeCp932("元旦ｱ=\r\n～"), "\x8C\xB3\x92\x55\xB1=\r\n\x81\x60");
    EXPECT_EQ(EncodeCp932("a\xC3\xA9z\xF0\x9F\x98\x80y\xFFx"), "a?z?y?x");
    EXPECT_FALSE(CanEncodeCp932("caf\xC3\xA9"));
    EXPECT_FALSE(CanEncodeCp932("\xE5\x85"));  // cut short
    EXPECT_TRUE(CanEncodeCp932(""));
    for (std::string bytes : {std::string("A\xFFZ"), std::string("A\x81 Z"), std::string("AZ\x81"),
                              std::string("A\xA0Z"), std::string("A\0Z", 3)}) {
        std::string text = DecodeCp932(bytes);
        EXPECT_TRUE(IsValidUtf8(text));
        EXPECT_EQ(text.front(), 'A');
        EXPECT_NE(text.find('Z'), std::string::npos);
    }
}

}  // namespace
}  // namespace vesm
