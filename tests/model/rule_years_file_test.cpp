// Year ranges in the settings file: how rule lines carry them, which lines
// are refused, and files of the earlier versions: their built-in holiday
// list becomes the law's, every other line comes back byte for byte.
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/holiday_list_upgrade.h"
#include "doc/rule_parse.h"
#include "support/earlier_holiday_lists.h"
#include "support/fake_host.h"
#include "support/settings_text.h"

namespace vesm {
namespace {

using Lines = std::vector<std::string>;

Lines HolidayLines(const CvesmDoc& doc) {
    Lines lines;
    for (std::size_t i = 0; i < doc.RuleCount(RuleListId::Holiday); ++i) {
        lines.push_back("holiday=" + EncodeRule(doc.Rule(RuleListId::Holiday, i)));
    }
    return lines;
}

Lines HolidaysOf(const Lines& lines) {
    Lines holidays;
    for (const std::string& line : lines) {
        if (line.rfind("holiday=", 0) == 0) holidays.push_back(line);
    }
    return holidays;
}

// Rules with a first year, a last year, both or none (empty years are not
// written back); years after a name do not hide the next record. A first year
// after the last refuses the rule; fields that are not two years are an
// incomplete record after a rule that stands without years. Either is reported
// once per line.
TEST(RuleYearsTest, RecordsWithAndWithoutYearsAndBadYears) {
    FakeHost host;
    CvesmDoc doc(host);
    doc.CopyDayRules(RuleListId::Holiday, {});
    doc.ParseDayRules(RuleListId::Holiday,
                      "1`5`3`0`甲`2000``1`5`4`0`乙`1`5`5`0`丙``1999`1`5`6`0`丁`1996`2002`"
                      "1`5`7`0`戊`2019`2019`1`5`8`0`己``");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(HolidayLines(doc), (Lines{"holiday=1`5`3`0`甲`2000`", "holiday=1`5`4`0`乙",
                                        "holiday=1`5`5`0`丙``1999", "holiday=1`5`6`0`丁`1996`2002",
                                        "holiday=1`5`7`0`戊`2019`2019", "holiday=1`5`8`0`己"}));
    EXPECT_EQ(doc.Rule(RuleListId::Holiday, 3).firstYear, 1996);
    EXPECT_EQ(doc.Rule(RuleListId::Holiday, 3).lastYear, 2002);
    const struct {
        const char* value;
        std::size_t kept;
    } cases[] = {{"1`1`1`0`x`2000`1999", 0}, {"1`1`1`0`x`2000`1999`1", 0}, {"1`1`1`0`x`2000", 1},
                 {"1`1`1`0`x`99`", 1},       {"1`1`1`0`x`20000`", 1},      {"1`1`1`0`x`0999`", 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        host.messages.clear();
        doc.CopyDayRules(RuleListId::Holiday, {});
        doc.ParseDayRules(RuleListId::Holiday, c.value);
        EXPECT_EQ(host.MessageTexts(), Lines{std::string(kRuleDataMessage)});
        ASSERT_EQ(doc.RuleCount(RuleListId::Holiday), c.kept);
        if (c.kept == 1) {
            EXPECT_FALSE(doc.Rule(RuleListId::Holiday, 0).HasYearRange());
        }
    }
}

// A file the previous version wrote, with its built-in holiday list, its
// user's settings, special days and tasks.
TEST(RuleYearsTest, PreviousVersionsFileKeepsEveryOtherLineAndGetsTheLawsHolidays) {
    std::ifstream file(VESM_TEST_DATA_DIR "/previous_version.ini", std::ios::binary);
    const std::string before{std::istreambuf_iterator<char>(file), {}};
    ASSERT_FALSE(before.empty()) << "previous_version.ini not found";
    FakeHost host;
    const Lines law = HolidayLines(CvesmDoc(host));
    host.SetSettingsFile(before);
    CvesmDoc doc(host);
    EXPECT_TRUE(host.messages.empty());
    ASSERT_TRUE(doc.SaveSettings());
    Lines newLines = FileLines(host.SettingsFile());
    // Every line but the holidays, in its order; later versions may add lines.
    std::size_t at = 0;
    for (const std::string& line : FileLines(before)) {
        if (line.rfind("holiday=", 0) == 0) continue;
        while (at < newLines.size() && newLines[at] != line) ++at;
        ASSERT_LT(at, newLines.size()) << "lost or changed: " << line;
    }
    EXPECT_EQ(HolidaysOf(newLines), law);
    // The raw bytes of a kept line, Shift-JIS included, are the old ones.
    EXPECT_NE(host.SettingsFile().find("fontFaceName=\x82\x6C\x82\x72 "), std::string::npos);
}

TEST(RuleYearsTest, BothEarlierBuiltInListsAreKnownInAnyOrderAndEditedOnesKept) {
    for (const Lines& list : {kFirstBuiltInHolidayLines, kYearlessLawHolidayLines}) {
        std::vector<CHolidayTime> rules;
        for (auto line = list.rbegin(); line != list.rend(); ++line) {
            rules.push_back(
                RuleFromFields(DateTime(), ParseRuleValue(line->substr(8)).rules.at(0)));
        }
        EXPECT_TRUE(IsEarlierBuiltInHolidayList(rules)) << list.size();
        rules.push_back(rules.front());
        EXPECT_FALSE(IsEarlierBuiltInHolidayList(rules)) << list.size();
    }
    std::vector<Lines> edited(4, kYearlessLawHolidayLines);
    edited[0].pop_back();                         // one rule deleted
    edited[1][0] = "holiday=1`1`1`0`元日";        // one renamed
    edited[2][0] = "holiday=1`1`1`0`元旦`2000`";  // one given years
    edited[3] = {"numOfMonth=3"};                 // none left
    for (const Lines& lines : edited) {
        SCOPED_TRACE(lines.front());
        FakeHost host;
        std::string text;
        for (const std::string& line : lines) text += line + "\r\n";
        host.SetSettingsFile(EncodeCp932(text));
        CvesmDoc doc(host);
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(HolidayLines(doc), HolidaysOf(lines));
    }
}

}  // namespace
}  // namespace vesm
