// Reading scalar values (C-style numbers, every key's load check) and the code
// page 932 text they are stored in.
#include <climits>
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

Settings Read(const std::vector<std::string_view>& lines, int displayedMonth = 5) {
    Settings settings;
    for (std::string_view line : lines) {
        ApplyScalarLine(settings, SplitSettingsLine(line), displayedMonth);
    }
    return settings;
}

TEST(SettingsLineTest, KeysMatchExactlyAndTheValueIsTheRestOfTheLine) {
    SettingsLine line = SplitSettingsLine("fontFaceName=a=b ");
    EXPECT_EQ(line.key, "fontFaceName");
    EXPECT_EQ(line.value, "a=b ");
    Settings settings;
    for (const char* text : {"Version=1", "numOfRow = 5", " numOfRow=5", "numOfRow5", "=5"}) {
        EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine(text), 5)) << text;
    }
    EXPECT_EQ(settings.version, 182);
    EXPECT_EQ(settings.numOfRow, 3);
    EXPECT_EQ(Read({"fontFaceName= ＭＳ ゴシック =x"}).fontFaceName, " ＭＳ ゴシック =x");
    EXPECT_EQ(Read({"fontFaceName="}).fontFaceName, "");
    Settings s = Read({"numOfRow=5", "numOfRow=7", "fontFaceName=A", "fontFaceName=B"});
    EXPECT_EQ(s.numOfRow, 7);
    EXPECT_EQ(s.fontFaceName, "B");
}

TEST(SettingsLineTest, EveryRangedKeyKeepsItsBoundsAndReplacesJustOutside) {
    const struct {
        const char* key;
        int Settings::*field;
        int low, high, replacement;
    } cases[] = {
        {"numOfMonth", &Settings::numOfMonth, 0, 12, 3},
        {"fallsOnSun", &Settings::fallsOnSun, 0, 1, 1},
        {"fallsOnSat", &Settings::fallsOnSat, 0, 2, 0},
        {"numOfRow", &Settings::numOfRow, 1, 12, 3},
        {"numOfColumn", &Settings::numOfColumn, 1, 12, 2},
        {"calendarFormat", &Settings::calendarFormat, 0, 1, 0},
        {"dayFormat", &Settings::dayFormat, 0, 2, 0},
        {"transparent", &Settings::transparent, 1, 255, 160},
        {"styleOfMonth", &Settings::styleOfMonth, 0, 1, 0},
        {"todayInfo", &Settings::todayInfo, 0, 13, 11},
        {"specialDayInfo", &Settings::specialDayInfo, 0, 13, 2},
        {"taskDayInfo", &Settings::taskDayInfo, 0, 13, 1},
        {"optTabCurSel", &Settings::optTabCurSel, 0, 6, 0},
        {"rmTaskInfo", &Settings::rmTaskInfo, 1, 1, 0},
        {"rmTaskSpan", &Settings::rmTaskSpan, 0, 365, 7},
        {"rmOverTask", &Settings::rmOverTask, 1, 1, 0},
        {"fontPointSize", &Settings::fontPointSize, 2, 256, 18},
        {"frameSizeOfDate", &Settings::frameSizeOfDate, 50, 200, 100},
        {"time12or24", &Settings::time12or24, 24, 24, 12},
        {"clockInfo", &Settings::clockInfo, 1, 1, 0},
        {"dateFormat", &Settings::dateFormat, 0, 5, 0},
        {"zOrder", &Settings::zOrder, 0, 2, 0},
        {"mouseTransparent", &Settings::mouseTransparent, 0, 1, 0},
        {"snoozeIndex", &Settings::snoozeIndex, 0, 14, 4},
        {"rokuyoInfo", &Settings::rokuyoInfo, 0, 2, 0},
        {"kyurekiInfo", &Settings::kyurekiInfo, 0, 1, 0},
        {"sekkiInfo", &Settings::sekkiInfo, 0, 2, 0},
        {"warekiInfo", &Settings::warekiInfo, 0, 1, 0},
        {"weekNumberInfo", &Settings::weekNumberInfo, 0, 2, 0},
        {"startWeek", &Settings::startWeek, 1, 7, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        auto read = [&](int value) {
            Settings settings;
            settings.*c.field = -12345;  // so a line that is not applied shows
            std::string line = std::string(c.key) + "=" + std::to_string(value);
            EXPECT_TRUE(ApplyScalarLine(settings, SplitSettingsLine(line), 5));
            return settings.*c.field;
        };
        EXPECT_EQ(read(c.low), c.low);
        EXPECT_EQ(read(c.high), c.high);
        EXPECT_EQ(read(c.low - 1), c.replacement);
        EXPECT_EQ(read(c.high + 1), c.replacement);
    }
}

TEST(SettingsLineTest, UncheckedNumbersFlagsAndTheProfile) {
    Settings s = Read({"version=150", "left=-32000", "bottom=77x", "fontWeight=123456",
                       "colorSunday=999999999", "startUp=true", "equinoxBool=1 ", "betweenBool=1",
                       "fontItalic=-1"});
    EXPECT_EQ(s.version, 150);
    EXPECT_EQ(s.left, -32000);
    EXPECT_EQ(s.bottom, 77);
    EXPECT_EQ(s.fontWeight, 123456);
    EXPECT_EQ(s.colorSunday, 999999999);
    // Text flags are set only by exactly "1"; italic by any non-zero number.
    EXPECT_FALSE(s.startUp);
    EXPECT_FALSE(s.equinoxBool);
    EXPECT_TRUE(s.betweenBool);
    EXPECT_TRUE(s.fontItalic);
    EXPECT_TRUE(Read({"startUp=1"}).startUp);
    EXPECT_FALSE(Read({"betweenBool=0"}).betweenBool);
    EXPECT_FALSE(Read({"fontItalic=yes"}).fontItalic);

    s = Read({"birthYear=1985", "birthMonth=13", "birthDay=0", "birthHour=23", "birthMinute=60",
              "nativePlaceInfo=1", "longitudeEastOrWest=2", "longitudeDegree=181",
              "longitudeMinute=60", "longitudeSecond=-1", "fortuneFlg=1"});
    const CProfile& p = s.profile;
    EXPECT_EQ((std::vector<int>{p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute,
                                p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree,
                                p.longitudeMinute, p.longitudeSecond, p.fortuneFlg}),
              (std::vector<int>{1985, 1, 1, 23, 0, 1, 0, 139, 60, 15, 1}));
    // An ignored value keeps what an earlier line stored.
    EXPECT_EQ(Read({"birthYear=1950", "birthYear=2100", "birthYear=1899"}).profile.birthYear, 1950);
}

TEST(SettingsLineTest, PastMonthsAreCheckedAgainstTheMonthCountInEffect) {
    const struct {
        std::vector<std::string_view> lines;
        int displayedMonth, numOfPast;
    } cases[] = {
        {{"numOfPast=2"}, 5, 2},
        {{"numOfPast=3"}, 5, 0},
        {{"numOfPast=-1"}, 5, 0},
        {{"numOfMonth=12", "numOfPast=11"}, 5, 11},
        {{"numOfPast=7", "numOfMonth=0"}, 5, 0},  // checked as it is read
        // The whole year starts in January: the displayed month minus one.
        {{"numOfMonth=0", "numOfPast=7"}, 5, 4},
        {{"numOfMonth=0", "numOfPast=0"}, 12, 11},
        {{"numOfMonth=13", "numOfPast=2"}, 5, 2},  // against the replacement 3
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Read(c.lines, c.displayedMonth).numOfPast, c.numOfPast) << c.lines.back();
    }
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
    EXPECT_EQ(EncodeCp932("元旦"), "\x8C\xB3\x92\x55");
    EXPECT_EQ(EncodeCp932("ｱ"), "\xB1");
    EXPECT_EQ(EncodeCp932("a=1\r\n"), "a=1\r\n");
    EXPECT_EQ(EncodeCp932("～"), "\x81\x60");             // its trail byte is the backquote's
    EXPECT_EQ(EncodeCp932("a\xC3\xA9z"), "a?z");          // é
    EXPECT_EQ(EncodeCp932("x\xF0\x9F\x98\x80y"), "x?y");  // outside the BMP
    EXPECT_EQ(EncodeCp932("a\xFFz"), "a?z");
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
