// Loading and saving the settings file through the document: line format and
// order, code page 932, overriding and ignored lines, the one-step
// replacement, and input that is not a settings file at all.
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/rule_parse.h"
#include "support/fake_host.h"
#include "support/settings_text.h"

namespace vesm {
namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    std::unique_ptr<CvesmDoc> Create() { return std::make_unique<CvesmDoc>(host); }
    std::unique_ptr<CvesmDoc> Load(std::initializer_list<std::string_view> lines) {
        host.SetSettingsFile(SettingsBytes(lines));
        return Create();
    }
    FakeHost host;
};

TEST_F(SettingsFileTest, DefaultFileBeginsWithTheFirstElevenKeysInOrder) {
    auto doc = Create();
    ASSERT_TRUE(doc->SaveSettings());
    std::vector<std::string> lines = FileLines(host.SettingsFile());
    ASSERT_GE(lines.size(), 11u);
    std::vector<std::string> first(lines.begin(), lines.begin() + 11);
    EXPECT_EQ(first, (std::vector<std::string>{"version=182", "left=100", "top=100", "right=1000",
                                               "bottom=1000", "numOfMonth=3", "numOfPast=1",
                                               "fallsOnSun=1", "fallsOnSat=0", "equinoxBool=1",
                                               "betweenBool=1"}));
}

// One line per scalar in file order, every value other than its default.
const std::vector<std::string> kChangedScalars = {"version=182",
                                                  "left=-20",
                                                  "top=33",
                                                  "right=1234",
                                                  "bottom=987",
                                                  "numOfMonth=6",
                                                  "numOfPast=5",
                                                  "fallsOnSun=0",
                                                  "fallsOnSat=2",
                                                  "equinoxBool=0",
                                                  "betweenBool=0",
                                                  "numOfRow=4",
                                                  "numOfColumn=5",
                                                  "calendarFormat=1",
                                                  "dayFormat=2",
                                                  "transparent=200",
                                                  "styleOfMonth=1",
                                                  "todayInfo=13",
                                                  "specialDayInfo=0",
                                                  "taskDayInfo=7",
                                                  "startUp=1",
                                                  "optTabCurSel=6",
                                                  "rmTaskInfo=1",
                                                  "rmTaskSpan=365",
                                                  "rmOverTask=0",
                                                  "fontFaceName=ＭＳ ゴシック",
                                                  "fontPointSize=256",
                                                  "fontWeight=400",
                                                  "fontItalic=0",
                                                  "frameSizeOfDate=50",
                                                  "colorBackground=1002003",
                                                  "colorWeekday=10020030",
                                                  "colorSaturday=255000000",
                                                  "colorSunday=254",
                                                  "colorToday=1",
                                                  "colorSpecialday=2000",
                                                  "colorTaskday=3000000",
                                                  "time12or24=24",
                                                  "clockInfo=1",
                                                  "dateFormat=5",
                                                  "zOrder=2",
                                                  "mouseTransparent=1",
                                                  "snoozeIndex=14",
                                                  "startWeek=7",
                                                  "birthYear=1950",
                                                  "birthMonth=12",
                                                  "birthDay=31",
                                                  "birthHour=23",
                                                  "birthMinute=59",
                                                  "nativePlaceInfo=1",
                                                  "longitudeEastOrWest=1",
                                                  "longitudeDegree=180",
                                                  "longitudeMinute=60",
                                                  "longitudeSecond=60",
                                                  "fortuneFlg=1",
                                                  "rokuyoInfo=2",
                                                  "kyurekiInfo=1",
                                                  "sekkiInfo=1",
                                                  "warekiInfo=1",
                                                  "weekNumberInfo=2"};

std::string KeyOf(const std::string& line) {
    return line.substr(0, line.find('='));
}

TEST_F(SettingsFileTest, DefaultFileCarriesEveryScalarThenTheListsInOrder) {
    auto doc = Create();
    ASSERT_TRUE(doc->SaveSettings());
    const std::string& bytes = host.SettingsFile();
    // Every line ends in CRLF, with no bare LF anywhere.
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    for (std::size_t at = bytes.find('\n'); at != std::string::npos;
         at = bytes.find('\n', at + 1)) {
        ASSERT_EQ(bytes[at - 1], '\r') << "at byte " << at;
    }
    std::vector<std::string> lines = FileLines(bytes);
    std::vector<std::string> keys, expected;
    for (const std::string& line : lines) keys.push_back(KeyOf(line));
    for (const std::string& line : kChangedScalars) expected.push_back(KeyOf(line));
    const std::size_t holidays = ParseRuleValue(kBuiltInHolidays).rules.size();
    expected.insert(expected.end(), holidays, "holiday");
    expected.insert(expected.end(), 9, "specialDay");
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(lines[25], "fontFaceName=Times New Roman");
    EXPECT_EQ(lines[31], "colorWeekday=255255255");
    EXPECT_EQ(lines[44], "birthYear=2024");  // the current year
    EXPECT_EQ(lines[60], "holiday=1`1`1`0`元旦");
    EXPECT_EQ(lines[61], "holiday=1`1`2`2`成人の日`2000`");  // from 2000 on
    EXPECT_EQ(lines[60 + holidays], "specialDay=2`2`14`0`バレンタインデー");
}

TEST_F(SettingsFileTest, FileIsWrittenInCodePage932) {
    auto doc = Create();
    ASSERT_TRUE(doc->SaveSettings());
    EXPECT_NE(host.SettingsFile().find("holiday=1`1`1`0`\x8C\xB3\x92\x55\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, SaveThenLoadReproducesEveryScalar) {
    std::string file;
    for (const std::string& line : kChangedScalars) file += line + "\r\n";
    host.SetSettingsFile(EncodeCp932(file));
    for (int round = 0; round < 2; ++round) {
        auto doc = Create();
        ASSERT_TRUE(doc->SaveSettings());
        std::vector<std::string> lines = FileLines(host.SettingsFile());
        lines.resize(kChangedScalars.size());
        EXPECT_EQ(lines, kChangedScalars) << "round " << round;
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, CheckedValuesLoadTheirReplacements) {
    auto doc = Load({"transparent=0", "fontPointSize=1", "frameSizeOfDate=20", "time12or24=0",
                     "startUp=true", "fontItalic=5", "birthMonth=13"});
    Settings s = doc->GetSettings();
    EXPECT_EQ(s.transparent, 160);
    EXPECT_EQ(s.fontPointSize, 18);
    EXPECT_EQ(s.frameSizeOfDate, 100);
    EXPECT_EQ(s.time12or24, 12);
    EXPECT_FALSE(s.startUp);
    EXPECT_TRUE(s.fontItalic);
    EXPECT_EQ(s.profile.birthMonth, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, PastMonthsAfterAWholeYearLineAreTheCurrentMonthMinusOne) {
    host.now = DateTime::Build(2024, 8, 20, 9, 0).value();
    EXPECT_EQ(Load({"numOfMonth=0", "numOfPast=7"})->GetSettings().numOfPast, 7);
    host.now = DateTime::Build(2024, 3, 20, 9, 0).value();
    EXPECT_EQ(Load({"numOfMonth=0", "numOfPast=7"})->GetSettings().numOfPast, 2);
    Settings s = Load({"numOfPast=7", "numOfMonth=0"})->GetSettings();
    EXPECT_EQ(s.numOfPast, 0);
    EXPECT_EQ(s.numOfMonth, 0);
    EXPECT_EQ(Load({"numOfMonth=3", "numOfPast=3"})->GetSettings().numOfPast, 0);
}

TEST_F(SettingsFileTest, MisspelledAndPaddedKeysAndLinesWithoutEqualsAreIgnored) {
    auto doc = Load({"Version=1", "numOfRow = 5", " numOfColumn=4", "dayFormat 2", "unknown=1", "",
                     "=", "numOfColumn=4"});
    Settings s = doc->GetSettings();
    EXPECT_EQ(s.version, 182);
    EXPECT_EQ(s.numOfRow, 3);
    EXPECT_EQ(s.numOfColumn, 4);
    EXPECT_EQ(s.dayFormat, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(SettingsFileTest, FileWithoutListLinesHasEmptyListsNotTheBuiltInOnes) {
    auto doc = Load({"numOfRow=4"});
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), 0u);
    EXPECT_EQ(doc->RuleCount(RuleListId::SpecialDay), 0u);
    EXPECT_EQ(doc->TaskCount(), 0u);
    EXPECT_TRUE(doc->LoadSettings());
}

TEST_F(SettingsFileTest, LinesEndedByLfOnlyOrNothingAreRead) {
    host.SetSettingsFile("numOfRow=5\nnumOfColumn=4\r\ndayFormat=2");
    Settings s = Create()->GetSettings();
    EXPECT_EQ(s.numOfRow, 5);
    EXPECT_EQ(s.numOfColumn, 4);
    EXPECT_EQ(s.dayFormat, 2);
}

TEST_F(SettingsFileTest, FailedWriteLeavesThePreviousFileByteForByte) {
    auto doc = Create();
    ASSERT_TRUE(doc->SaveSettings());
    std::string before = host.SettingsFile();
    Settings changed = doc->GetSettings();
    changed.numOfRow = 9;
    doc->SetSettings(changed);
    host.failWrites = true;
    EXPECT_FALSE(doc->SaveSettings());
    EXPECT_EQ(host.SettingsFile(), before);
    EXPECT_TRUE(host.messages.empty());
    host.failWrites = false;
    EXPECT_TRUE(doc->SaveSettings());
    EXPECT_NE(host.SettingsFile(), before);
}

TEST_F(SettingsFileTest, SavingTheLoadedFileAgainChangesNothing) {
    auto doc = Load({"numOfRow=5", "fontFaceName=メイリオ", "holiday=1`5`3`0`憲法記念日",
                     "specialDay=2`6`3`1`父の日", "task=1`2024`6`1`10`30`0`1975`1`1`0`0`1`歯医者"});
    ASSERT_TRUE(doc->SaveSettings());
    std::string first = host.SettingsFile();
    auto again = Create();
    ASSERT_TRUE(again->SaveSettings());
    EXPECT_EQ(host.SettingsFile(), first);
}

// Whatever a file holds, loading it ends, leaves valid UTF-8 text in the
// document, and the file the document then writes loads back to itself.
void ExpectLoadsAndSavesStably(FakeHost& host, const std::string& bytes) {
    host.SetSettingsFile(bytes);
    auto doc = std::make_unique<CvesmDoc>(host);
    ASSERT_TRUE(doc->SaveSettings());
    std::string saved = host.SettingsFile();
    doc = std::make_unique<CvesmDoc>(host);
    ASSERT_TRUE(doc->SaveSettings());
    EXPECT_EQ(host.SettingsFile(), saved);
}

TEST_F(SettingsFileTest, InvalidShiftJisLoadsTheRestOfTheFile) {
    host.SetSettingsFile(
        "numOfRow=5\r\n\x81\x20\xFF\xFE=\x80\r\nfontFaceName=\x82\r\nnumOfColumn=4\r\n");
    auto doc = Create();
    EXPECT_EQ(doc->GetSettings().numOfRow, 5);
    EXPECT_EQ(doc->GetSettings().numOfColumn, 4);
    ExpectLoadsAndSavesStably(host, host.SettingsFile());
}

TEST_F(SettingsFileTest, NulBytesEndNumbersButNotLines) {
    const char bytes[] =
        "numOfRow=5\0"
        "9\r\nnum\0OfColumn=4\r\nzOrder=2\r\n";
    host.SetSettingsFile(std::string(bytes, sizeof bytes - 1));
    auto doc = Create();
    EXPECT_EQ(doc->GetSettings().numOfRow, 5);
    EXPECT_EQ(doc->GetSettings().numOfColumn, 2);
    EXPECT_EQ(doc->GetSettings().zOrder, 2);
    ExpectLoadsAndSavesStably(host, host.SettingsFile());
}

TEST_F(SettingsFileTest, MegabyteLinesLoad) {
    const std::size_t megabyte = 1 << 20;
    std::string face(megabyte, 'x');
    host.SetSettingsFile("fontFaceName=" + face + "\r\nholiday=" + std::string(megabyte, '7') +
                         "\r\ntask=" + std::string(megabyte, '`') + "\r\nnumOfRow=6\r\n");
    auto doc = Create();
    EXPECT_EQ(doc->GetSettings().fontFaceName, face);
    EXPECT_EQ(doc->GetSettings().numOfRow, 6);
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), 0u);
    EXPECT_EQ(doc->TaskCount(), 0u);
    EXPECT_EQ(host.CountMessages(kRuleDataMessage), 1);
    EXPECT_EQ(host.CountMessages(kTaskDataMessage), 1);
}

TEST_F(SettingsFileTest, RandomBytesLoadWithoutHarm) {
    std::mt19937 random(20240510);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        std::string bytes(8192, '\0');
        for (char& byte : bytes) byte = static_cast<char>(random() & 0xFF);
        // Some structure, so that keys and list records are reached too.
        bytes += "\r\nholiday=1`2`\x81`0`\xFF\r\ntask=1`2024`\r\nnumOfPast=\x81\x60\r\n";
        host.messages.clear();
        ExpectLoadsAndSavesStably(host, bytes);
    }
}

}  // namespace
}  // namespace vesm
