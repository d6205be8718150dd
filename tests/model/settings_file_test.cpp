// The settings file: line format and order, code page 932 bytes kept or
// re-encoded, the one-step replacement, input that is not a settings file, and
// each scalar's reading (C-style numbers, load checks).
#include <algorithm>
#include <climits>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/c_number.h"
#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/rule_parse.h"
#include "doc/settings_lines.h"
#include "support/fake_host.h"
#include "support/settings_text.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

// One line per scalar in file order, every value other than its default.
const char kChangedScalars[] = R"(version=182 left=-20 top=33 right=1234 bottom=987 numOfMonth=6
numOfPast=5 fallsOnSun=0 fallsOnSat=2 equinoxBool=0 betweenBool=0 numOfRow=4 numOfColumn=5
calendarFormat=1 dayFormat=2 transparent=200 styleOfMonth=1 todayInfo=13 specialDayInfo=0
taskDayInfo=7 startUp=1 optTabCurSel=6 rmTaskInfo=1 rmTaskSpan=365 rmOverTask=0
fontFaceName=ＭＳ　ゴシック fontPointSize=256 fontWeight=400 fontItalic=0 frameSizeOfDate=50
colorBackground=1002003 colorWeekday=10020030 colorSaturday=255000000 colorSunday=254
colorToday=1 colorSpecialday=2000 colorTaskday=3000000 time12or24=24 clockInfo=1 dateFormat=5
zOrder=2 mouseTransparent=1 snoozeIndex=14 startWeek=7 birthYear=1950 birthMonth=12 birthDay=31
birthHour=23 birthMinute=59 nativePlaceInfo=1 longitudeEastOrWest=1 longitudeDegree=180
longitudeMinute=60 longitudeSecond=60 fortuneFlg=1 rokuyoInfo=2 kyurekiInfo=1 sekkiInfo=1
warekiInfo=1 weekNumberInfo=2)";

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

constexpr std::string_view kTaskPrefix = "task=0`2024`6`1`0`0`0`1975`1`1`0`0`0`";

class SettingsFileTest : public ::testing::Test {
protected:
    CvesmDoc& Load(std::string bytes) {
        host.SetSettingsFile(std::move(bytes));
        return doc.emplace(host);
    }
    std::string Saved() {
        EXPECT_TRUE(doc->SaveSettings());
        return host.SettingsFile();
    }
    FakeHost host;
    std::optional<CvesmDoc> doc;
};

bool HasLine(const std::string& bytes, const std::string& line) {
    return bytes.find(line + "\r\n") != std::string::npos;
}

TEST_F(SettingsFileTest, DefaultFileCarriesEveryScalarThenTheListsInCrlfCodePage932) {
    doc.emplace(host);
    const std::string bytes = Saved();
    const std::vector<std::string> lines = FileLines(bytes);
    const std::size_t scalars = Words(kChangedScalars).size();
    const std::size_t lists = scalars + ParseRuleValue(kBuiltInHolidays).rules.size();
    ASSERT_EQ(lines.size(), lists + 9);
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), lines.size());  // no bare LF
    EXPECT_TRUE(HasLine(bytes, "holiday=1`1`1`0`\x8C\xB3\x92\x55"));
    std::string some;
    for (std::size_t i : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 25, 31, 44}) some += lines[i] + " ";
    EXPECT_EQ(some + lines[scalars + 1] + " " + lines[lists],
              "version=182 left=100 top=100 right=1000 bottom=1000 numOfMonth=3 numOfPast=1 "
              "fallsOnSun=1 fallsOnSat=0 equinoxBool=1 betweenBool=1 numOfRow=3 "
              "fontFaceName=Times New Roman colorWeekday=255255255 birthYear=2024 "
              "holiday=1`1`2`2`成人の日`2000` specialDay=2`2`14`0`バレンタインデー");
}

TEST_F(SettingsFileTest, EveryScalarSurvivesSaveAndLoadAndNoListLineMeansEmptyLists) {
    std::vector<std::string> scalars = Words(kChangedScalars);
    std::string file;
    for (const std::string& line : scalars) file += line + "\r\n";
    Load(EncodeCp932(file));
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday) + doc->RuleCount(RuleListId::SpecialDay), 0u);
    for (int round = 0; round < 2; ++round) {
        std::vector<std::string> lines = FileLines(Saved());
        lines.resize(scalars.size());
        EXPECT_EQ(lines, scalars) << "round " << round;
        Load(host.SettingsFile());
    }
    EXPECT_TRUE(host.messages.empty());
    // The month count of the whole year is checked against today's month.
    host.now = DateTime::Build(2024, 3, 20, 9, 0).value();
    EXPECT_EQ(Load(SettingsBytes({"numOfMonth=0", "numOfPast=7"})).GetSettings().numOfPast, 2);
}

TEST_F(SettingsFileTest, StrayLeadByteBeforeABareLineFeedEndsOnlyItsLine) {
    std::string task(kTaskPrefix);
    Load("fontFaceName=Ab\x82\nnumOfRow=5\n" + task + "x\x82\n" + task +
         "y\r\nnumOfColumn=4\r\ndayFormat=2");
    EXPECT_EQ(doc->GetSettings().numOfRow, 5);
    EXPECT_EQ(doc->GetSettings().numOfColumn, 4);
    EXPECT_EQ(doc->GetSettings().dayFormat, 2);
    EXPECT_EQ(doc->TaskCount(), 2u);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, UneditedNamesAndTextsGoBackByteForByteEditedOnesAsTheUserSeesThem) {
    const std::string texts[] = {"a\x81 b", "\xED\x40\xFA\x5C", "\x87\x40", "end\x82",
                                 "\x81`x",  "\xA0\xFD\xFE\xFF", "\x82\xA0", "\x9F`\xE0`\xFC`"};
    std::string file;
    for (const std::string& text : texts) {
        file += "holiday=1`1`1`0`" + text + "\r\n" + std::string(kTaskPrefix) + text + "\r\n";
    }
    Load(file);
    ASSERT_EQ(doc->TaskCount(), std::size(texts));
    std::string saved = Saved();
    for (const std::string& text : texts) {
        EXPECT_TRUE(HasLine(saved, "holiday=1`1`1`0`" + text)) << text;
        EXPECT_TRUE(HasLine(saved, std::string(kTaskPrefix) + text)) << text;
    }

    Load(std::string(kTaskPrefix) + "\xED\x40\r\nholiday=1`1`1`0`\xED\x40\r\n");
    CTaskTime task = doc->Task(0);
    std::string shown = task.text;
    task.text = shown + "!";
    doc->ReplaceTasks(NoDayDate(), {task});
    CHolidayTime rule = doc->Rule(RuleListId::Holiday, 0);
    rule.name = "元";
    doc->CopyDayRules(RuleListId::Holiday, {rule});
    saved = Saved();
    EXPECT_TRUE(HasLine(saved, std::string(kTaskPrefix) + EncodeCp932(shown) + "!"));
    EXPECT_TRUE(HasLine(saved, "holiday=1`1`1`0`\x8C\xB3"));
}

TEST_F(SettingsFileTest, TasksBeyondTheTimeConversionAreKeptAsTheyCame) {
    const std::string far[] = {
        "task=0`3001`01`1`0`0`0`1975`1`1`0`0`0`\x89\x93\x82\xA2",
        "task=1`300000`12`31`23`59`2`2147483647`12`31`8`0`1`x",
        "task=2`2024`6`1`9`0`2`4000`2`29`0`0`1`alarm far",
    };
    host.now = DateTime::Build(2024, 6, 1).value();
    Load("rmOverTask=1\r\nrmTaskSpan=0\r\n" + far[0] + "\r\n" + far[1] + "\r\n" + far[2] +
         "\r\nholiday=1`1`1`0`元日\r\ntask=0`2024`6`2`0`0`0`1975`1`1`0`0`0`near\r\n");
    EXPECT_EQ(doc->TaskCount(), 1u);
    EXPECT_TRUE(host.messages.empty());
    std::string saved = Saved();
    for (const std::string& line : far) EXPECT_TRUE(HasLine(saved, line)) << line;
    ASSERT_TRUE(doc->LoadSettings());  // read again, nothing doubles
    EXPECT_EQ(Saved(), saved);

    Load("task=0`3001`2`29`0`0`0`1975`1`1`0`0`0`x\r\ntask=4`3001`1`1`0`0`0`1975`1`1`0`0`0`x\r\n");
    EXPECT_EQ(host.CountMessages(kTaskDataMessage), 2);
    EXPECT_EQ(Saved().find("3001"), std::string::npos);

    // Day keys order every year a task can carry.
    EXPECT_EQ(CalendarDayKey({2147483647, 12, 31}), 21474836471231);
    EXPECT_GT(CalendarDayKey({214749, 1, 1}), CalendarDayKey({214748, 12, 31}));
}

TEST_F(SettingsFileTest, FailedWriteLeavesThePreviousFileByteForByte) {
    doc.emplace(host);
    std::string before = Saved();
    Settings changed = doc->GetSettings();
    changed.numOfRow = 9;
    doc->SetSettings(changed);
    host.failWrites = true;
    EXPECT_FALSE(doc->SaveSettings());
    EXPECT_EQ(std::make_tuple(host.SettingsFile(), host.messages.size()),
              std::make_tuple(before, 0u));
    host.failWrites = false;
    EXPECT_NE(Saved(), before);
}

TEST_F(SettingsFileTest, HugeBadListLinesAreSkippedWithTheirMessages) {
    const std::string megabyte(1 << 20, '7');
    Load("fontFaceName=" + megabyte + "\r\nholiday=" + megabyte + "\r\ntask=" + megabyte +
         "\r\nnumOfRow=6\r\n");
    EXPECT_EQ(std::make_tuple(doc->GetSettings().fontFaceName, doc->GetSettings().numOfRow,
                              doc->RuleCount(RuleListId::Holiday), doc->TaskCount()),
              std::make_tuple(megabyte, 6, 0u, 0u));
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{std::string(kRuleDataMessage),
                                                             std::string(kTaskDataMessage)}));
}

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
        "left=-32000 > left=-32000", "bottom=77x > bottom=77",
        "colorSunday=999999999 > colorSunday=999999999",
        "fontFaceName= ＭＳ ゴシック =x > fontFaceName= ＭＳ ゴシック =x",
        "fontFaceName=A|fontFaceName= > fontFaceName=", "numOfRow=5|numOfRow=7 > numOfRow=7",
        "startUp=1|startUp=true > startUp=0", "equinoxBool=1  > equinoxBool=0",
        "betweenBool=1 > betweenBool=1", "fontItalic=-1 > fontItalic=1",
        "fontItalic=1|fontItalic=yes > fontItalic=0",
        "birthYear=1950|birthYear=2100|birthYear=1899 > birthYear=1950",
        "birthMonth=12|birthMonth=13 > birthMonth=12",
        "birthDay=31|birthDay=32|birthDay=0 > birthDay=31",
        "birthMinute=59|birthMinute=60 > birthMinute=59",
        "longitudeEastOrWest=1|longitudeEastOrWest=2 > longitudeEastOrWest=1",
        "longitudeDegree=180|longitudeDegree=181 > longitudeDegree=180",
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
    const char* text = "元旦ｶﾀｶﾅ ①髙﨑=\r\n～";
    EXPECT_TRUE(CanEncodeCp932(text));
    EXPECT_EQ(DecodeCp932(EncodeCp932(text)), text);
    EXPECT_EQ(EncodeCp932("元旦ｱ=\r\n～"), "\x8C\xB3\x92\x55\xB1=\r\n\x81\x60");
    EXPECT_EQ(EncodeCp932("a\xC3\xA9z\xF0\x9F\x98\x80y"), "a?z?y");  // é, one outside the BMP
    EXPECT_FALSE(CanEncodeCp932("caf\xC3\xA9") || CanEncodeCp932("\xE5\x85"));  // é, cut short
    EXPECT_TRUE(CanEncodeCp932(""));
    std::string bad = EncodeCp932("a\xFFz");
    EXPECT_TRUE(bad.front() == 'a' && bad.back() == 'z' && bad.find('?') != std::string::npos);
    // Bytes that are not code page 932 decode to valid text and keep their neighbours.
    for (std::string bytes : {std::string("A\xFFZ"), std::string("A\x81 Z"), std::string("AZ\x81"),
                              std::string("A\xA0Z"), std::string("A\0Z", 3)}) {
        std::string decoded = DecodeCp932(bytes);
        EXPECT_TRUE(IsValidUtf8(decoded) && decoded.front() == 'A' &&
                    decoded.find('Z') != std::string::npos)
            << decoded;
    }
}

}  // namespace
}  // namespace vesm
