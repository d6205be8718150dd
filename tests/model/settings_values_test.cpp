// Reading scalar values: the C-style number reading and every key's load check.
#include <climits>
#include <string>

#include <gtest/gtest.h>

#include "doc/c_number.h"
#include "doc/settings_lines.h"

namespace vesm {
namespace {

TEST(CNumberTest, TakesSignAndDigitsAfterLeadingWhiteSpace) {
    EXPECT_EQ(ReadCNumber("42"), 42);
    EXPECT_EQ(ReadCNumber("  \t-17"), -17);
    EXPECT_EQ(ReadCNumber("+8"), 8);
    EXPECT_EQ(ReadCNumber("12abc"), 12);
    EXPECT_EQ(ReadCNumber("3 4"), 3);
    EXPECT_EQ(ReadCNumber("007"), 7);
}

TEST(CNumberTest, TextWithoutLeadingDigitsReadsAsZero) {
    EXPECT_EQ(ReadCNumber(""), 0);
    EXPECT_EQ(ReadCNumber("true"), 0);
    EXPECT_EQ(ReadCNumber("-"), 0);
    EXPECT_EQ(ReadCNumber("- 5"), 0);
    EXPECT_EQ(ReadCNumber("x12"), 0);
}

TEST(CNumberTest, ClampsToTheIntRangeInsteadOfOverflowing) {
    EXPECT_EQ(ReadCNumber("2147483647"), INT_MAX);
    EXPECT_EQ(ReadCNumber("-2147483648"), INT_MIN);
    EXPECT_EQ(ReadCNumber("2147483648"), INT_MAX);
    EXPECT_EQ(ReadCNumber("-99999999999999999999999999"), INT_MIN);
    EXPECT_EQ(ReadCNumber(std::string(5000, '9')), INT_MAX);
}

Settings Read(std::initializer_list<std::string_view> lines, int displayedMonth = 5) {
    Settings settings;
    for (std::string_view line : lines) {
        ApplyScalarLine(settings, SplitSettingsLine(line), displayedMonth);
    }
    return settings;
}

TEST(SettingsLineTest, SplitsAtTheFirstEqualsSignWithoutTrimming) {
    SettingsLine line = SplitSettingsLine("fontFaceName=a=b ");
    EXPECT_EQ(line.key, "fontFaceName");
    EXPECT_EQ(line.value, "a=b ");
    EXPECT_EQ(SplitSettingsLine("numOfRow = 3").key, "numOfRow ");
    EXPECT_EQ(SplitSettingsLine("no equals sign").key, "");
}

TEST(SettingsLineTest, KeysMatchExactlyCaseAndBlanksIncluded) {
    Settings settings;
    EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine("Version=1"), 5));
    EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine("numOfRow = 5"), 5));
    EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine(" numOfRow=5"), 5));
    EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine("numOfRow5"), 5));
    EXPECT_FALSE(ApplyScalarLine(settings, SplitSettingsLine("=5"), 5));
    EXPECT_EQ(settings.version, 182);
    EXPECT_EQ(settings.numOfRow, 3);
    EXPECT_TRUE(ApplyScalarLine(settings, SplitSettingsLine("numOfRow=5"), 5));
    EXPECT_EQ(settings.numOfRow, 5);
}

struct RangeCase {
    const char* key;
    int Settings::*field;
    int low;
    int high;
    int replacement;
};

TEST(SettingsLineTest, EveryRangedKeyKeepsItsBoundsAndReplacesJustOutside) {
    const RangeCase cases[] = {
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
    for (const RangeCase& c : cases) {
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

TEST(SettingsLineTest, UncheckedNumbersAreStoredAsRead) {
    Settings s = Read(
        {"version=150", "left=-32000", "bottom=77x", "fontWeight=123456", "colorSunday=999999999"});
    EXPECT_EQ(s.version, 150);
    EXPECT_EQ(s.left, -32000);
    EXPECT_EQ(s.bottom, 77);
    EXPECT_EQ(s.fontWeight, 123456);
    EXPECT_EQ(s.colorSunday, 999999999);
}

TEST(SettingsLineTest, TextFlagsAreSetOnlyByExactlyOne) {
    Settings s = Read({"startUp=true", "equinoxBool=1 ", "betweenBool=01"});
    EXPECT_FALSE(s.startUp);
    EXPECT_FALSE(s.equinoxBool);
    EXPECT_FALSE(s.betweenBool);
    s = Read({"startUp=1", "equinoxBool=0", "betweenBool=1"});
    EXPECT_TRUE(s.startUp);
    EXPECT_FALSE(s.equinoxBool);
    EXPECT_TRUE(s.betweenBool);
}

TEST(SettingsLineTest, ItalicIsSetByAnyNonZeroNumber) {
    EXPECT_TRUE(Read({"fontItalic=5"}).fontItalic);
    EXPECT_TRUE(Read({"fontItalic=-1"}).fontItalic);
    EXPECT_FALSE(Read({"fontItalic=0"}).fontItalic);
    EXPECT_FALSE(Read({"fontItalic=yes"}).fontItalic);
}

TEST(SettingsLineTest, FontFaceIsTheRestOfTheLineAsItIs) {
    EXPECT_EQ(Read({"fontFaceName= ＭＳ ゴシック =x"}).fontFaceName, " ＭＳ ゴシック =x");
    EXPECT_EQ(Read({"fontFaceName="}).fontFaceName, "");
}

TEST(SettingsLineTest, ProfileValuesOutsideTheirRangeAreIgnored) {
    Settings s =
        Read({"birthYear=1985", "birthMonth=13", "birthDay=0", "birthHour=23", "birthMinute=60",
              "nativePlaceInfo=1", "longitudeEastOrWest=2", "longitudeDegree=181",
              "longitudeMinute=60", "longitudeSecond=-1", "fortuneFlg=1"});
    EXPECT_EQ(s.profile.birthYear, 1985);
    EXPECT_EQ(s.profile.birthMonth, 1);
    EXPECT_EQ(s.profile.birthDay, 1);
    EXPECT_EQ(s.profile.birthHour, 23);
    EXPECT_EQ(s.profile.birthMinute, 0);
    EXPECT_EQ(s.profile.nativePlaceInfo, 1);
    EXPECT_EQ(s.profile.longitudeEastOrWest, 0);
    EXPECT_EQ(s.profile.longitudeDegree, 139);
    EXPECT_EQ(s.profile.longitudeMinute, 60);
    EXPECT_EQ(s.profile.longitudeSecond, 15);
    EXPECT_EQ(s.profile.fortuneFlg, 1);
    // An ignored value keeps what an earlier line stored.
    s = Read({"birthYear=1950", "birthYear=2100", "birthYear=1899"});
    EXPECT_EQ(s.profile.birthYear, 1950);
}

TEST(SettingsLineTest, PastMonthsAreCheckedAgainstTheMonthCountInEffect) {
    // Against the default numOfMonth 3.
    EXPECT_EQ(Read({"numOfPast=2"}).numOfPast, 2);
    EXPECT_EQ(Read({"numOfPast=3"}).numOfPast, 0);
    EXPECT_EQ(Read({"numOfPast=-1"}).numOfPast, 0);
    EXPECT_EQ(Read({"numOfMonth=3", "numOfPast=3"}).numOfPast, 0);
    EXPECT_EQ(Read({"numOfMonth=12", "numOfPast=11"}).numOfPast, 11);
    // Read before numOfMonth changes, the value stays as it was checked.
    Settings s = Read({"numOfPast=7", "numOfMonth=0"});
    EXPECT_EQ(s.numOfPast, 0);
    EXPECT_EQ(s.numOfMonth, 0);
    // The whole year starts in January: the displayed month minus one.
    EXPECT_EQ(Read({"numOfMonth=0", "numOfPast=7"}, 5).numOfPast, 4);
    EXPECT_EQ(Read({"numOfMonth=0", "numOfPast=0"}, 12).numOfPast, 11);
    // A bad numOfMonth falls back to 3, and numOfPast is checked against that.
    EXPECT_EQ(Read({"numOfMonth=13", "numOfPast=2"}).numOfPast, 2);
}

TEST(SettingsLineTest, LaterLinesOverrideEarlierOnes) {
    Settings s = Read({"numOfRow=5", "numOfRow=7", "fontFaceName=A", "fontFaceName=B"});
    EXPECT_EQ(s.numOfRow, 7);
    EXPECT_EQ(s.fontFaceName, "B");
    EXPECT_EQ(Read({"numOfRow=5", "numOfRow=13"}).numOfRow, 3);
}

}  // namespace
}  // namespace vesm
