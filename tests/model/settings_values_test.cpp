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
    EXPECT_EQ(
        (std::vector<int>{
            ReadCNumber("42"), ReadCNumber("  \t-17"), ReadCNumber("+8"), ReadCNumber("12abc"),
            ReadCNumber("3 4"), ReadCNumber("007"), ReadCNumber(""), ReadCNumber("true"),
            ReadCNumber("- 5"), ReadCNumber("x12"), ReadCNumber("\v\f\r\n9"),
            ReadCNumber("2147483647"), ReadCNumber("-2147483648"), ReadCNumber("2147483648"),
            ReadCNumber("-99999999999999999999"), ReadCNumber(std::string(5000, '9'))}),
        (std::vector<int>{42, -17, 8, 12, 3, 7, 0, 0, 0, 0, 9, INT_MAX, INT_MIN, INT_MAX, INT_MIN,
                          INT_MAX}));
}

// The line the file would carry for a key once these lines are read.
std::string LineAfter(std::istream&& lines, const std::string& key, int displayedMonth = 5) {
    Settings settings;
    for (std::string line; std::getline(lines, line, '|');) {
        ApplyScalarLine(settings, SplitSettingsLine(line), displayedMonth);
    }
    std::string file = "\r\n";
    AppendScalarLines(settings, file);
    std::size_t at = file.find("\n" + key + "=") + 1;
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
        auto line = [&key](int value) { return key + "=" + std::to_string(value); };
        auto after = [&](int first, int second) {
            return LineAfter(std::istringstream(line(first) + "|" + line(second)), key);
        };
        EXPECT_EQ(after(high, low), line(low));
        EXPECT_EQ(after(low, high), line(high));
        EXPECT_EQ(after(high, low - 1), line(replacement));
        EXPECT_EQ(after(low, high + 1), line(replacement));
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
    // Lines read in order, separated by "|", and the line the file then carries.
    // Text flags are set only by exactly "1", italic by any non-zero number;
    // profile values outside their range leave the earlier value; past months
    // are checked against the month count in effect as they are read.
    const char* cases[] = {
        "version=150 > version=150", "left=-32000 > left=-32000", "bottom=77x > bottom=77",
        "fontWeight=123456 > fontWeight=123456", "colorSunday=999999999 > colorSunday=999999999",
        "fontFaceName= ＭＳ ゴシック =x > fontFaceName= ＭＳ ゴシック =x",
        "fontFaceName=A|fontFaceName= > fontFaceName=", "numOfRow=5|numOfRow=7 > numOfRow=7",
        "startUp=1|startUp=true > startUp=0", "equinoxBool=1  > equinoxBool=0",
        "betweenBool=1 > betweenBool=1", "fontItalic=-1 > fontItalic=1",
        "fontItalic=1|fontItalic=yes > fontItalic=0",
        "birthYear=1950|birthYear=2100|birthYear=1899 > birthYear=1950",
        "birthMonth=12|birthMonth=13 > birthMonth=12",
        "birthDay=31|birthDay=32|birthDay=0 > birthDay=31",
        "birthHour=23|birthHour=24 > birthHour=23",
        "birthMinute=59|birthMinute=60 > birthMinute=59", "nativePlaceInfo=1 > nativePlaceInfo=1",
        "longitudeEastOrWest=1|longitudeEastOrWest=2 > longitudeEastOrWest=1",
        "longitudeDegree=180|longitudeDegree=181 > longitudeDegree=180",
        "longitudeMinute=60|longitudeMinute=61 > longitudeMinute=60",
        "longitudeSecond=0|longitudeSecond=-1 > longitudeSecond=0", "fortuneFlg=1 > fortuneFlg=1",
        "numOfPast=2 > numOfPast=2", "numOfPast=3 > numOfPast=0", "numOfPast=-1 > numOfPast=0",
        "numOfMonth=12|numOfPast=11 > numOfPast=11", "numOfPast=7|numOfMonth=0 > numOfPast=0",
        "numOfMonth=13|numOfPast=2 > numOfPast=2",
        // The whole year starts in January: the displayed month (5) minus one.
        "numOfMonth=0|numOfPast=7 > numOfPast=4"};
    for (std::string c : cases) {
        std::string expected = c.substr(c.find(" > ") + 3);
        EXPECT_EQ(LineAfter(std::istringstream(c.substr(0, c.find(" > "))),
                            expected.substr(0, expected.find('='))),
                  expected);
    }
    EXPECT_EQ(LineAfter(std::istringstream("numOfMonth=0|numOfPast=0"), "numOfPast", 12),
              "numOfPast=11");
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
    EXPECT_FALSE(CanEncodeCp932("caf\xC3\xA9") || CanEncodeCp932("\xE5\x85"));  // é, cut short
    EXPECT_TRUE(CanEncodeCp932(""));
    for (std::string bytes : {std::string("A\xFFZ"), std::string("A\x81 Z"), std::string("AZ\x81"),
                              std::string("A\xA0Z"), std::string("A\0Z", 3)}) {
        std::string text = DecodeCp932(bytes);
        EXPECT_TRUE(IsValidUtf8(text) && text.front() == 'A' && text.find('Z') != std::string::npos)
            << text;
    }
}

}  // namespace
}  // namespace vesm
