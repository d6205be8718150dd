// Holiday and special-day rules: reading them from settings lines, setting
// their concrete dates, their order in the lists, the built-in lists and their
// trip through the settings file.
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/rule_parse.h"
#include "support/fake_host.h"
#include "support/settings_text.h"

namespace vesm {
namespace {

DateTime Day(int year, int month, int day) {
    return DateTime::Build(year, month, day).value();
}

std::vector<std::string> Names(const CvesmDoc& doc, RuleListId list) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < doc.RuleCount(list); ++i) names.push_back(doc.Rule(list, i).name);
    return names;
}

class RuleListTest : public ::testing::Test {
protected:
    std::unique_ptr<CvesmDoc> Load(std::initializer_list<std::string_view> lines) {
        host.SetSettingsFile(SettingsBytes(lines));
        return std::make_unique<CvesmDoc>(host);
    }
    FakeHost host;  // displayed date 10 May 2024, first shown month April 2024
};

TEST_F(RuleListTest, LeapDayIsValidAndFallsOnTheFirstOfMarchInACommonYear) {
    auto doc = Load({"holiday=1`2`29`0`閏日"});
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(doc->RuleCount(RuleListId::Holiday), 1u);
    CHolidayTime rule = doc->Rule(RuleListId::Holiday, 0);
    EXPECT_EQ(rule.name, "閏日");
    EXPECT_EQ(rule.month, 2);
    EXPECT_EQ(rule.dayOrOrdinal, 29);
    EXPECT_EQ(rule.date, Day(2025, 3, 1));  // February after April is in 2025
}

TEST_F(RuleListTest, ImpossibleDatesOrdinalsAndKindsAreRefused) {
    auto doc = Load({"holiday=1`2`30`0`x", "specialDay=2`5`6`1`x", "holiday=3`1`1`0`x",
                     "holiday=1`13`1`0`x", "holiday=1`4`31`0`x", "holiday=1`1`0`0`x",
                     "holiday=1`1`1`8`x", "holiday=-1`1`1`0`x", "holiday=0`1`1`0`零"});
    EXPECT_EQ(host.CountMessages(kRuleDataMessage), 8);
    EXPECT_EQ(Names(*doc, RuleListId::Holiday), std::vector<std::string>{"零"});
    EXPECT_EQ(doc->RuleCount(RuleListId::SpecialDay), 0u);
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 0).kind, 0);
}

TEST_F(RuleListTest, OneLineMayCarrySeveralRules) {
    auto doc = Load({"holiday=1`5`3`0`憲法記念日`1`5`4`0`みどりの日"});
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Names(*doc, RuleListId::Holiday),
              (std::vector<std::string>{"憲法記念日", "みどりの日"}));
}

TEST_F(RuleListTest, IncompleteRecordsAddNothingAndShowTheMessage) {
    auto doc = Load({"holiday=1`1`1`0"});
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), 0u);
    EXPECT_EQ(host.CountMessages(kRuleDataMessage), 1);
}

TEST_F(RuleListTest, OneMessagePerBadValueAndTheValuesGoodRecordsStay) {
    auto doc = Load({"holiday=1`1`1`0`元旦`3`1`1`0`x`1`2`30`0`y`1`5`5`0`子供の日`1`5",
                     "holiday=1`2`30`0`x", "holiday=", "specialDay=2`7`7`0`七夕`"});
    EXPECT_EQ(host.CountMessages(kRuleDataMessage), 3);
    ASSERT_EQ(host.messages.size(), 3u);
    EXPECT_EQ(host.messages[0].caption, "vesmira");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
    EXPECT_EQ(Names(*doc, RuleListId::Holiday), (std::vector<std::string>{"元旦", "子供の日"}));
    EXPECT_EQ(Names(*doc, RuleListId::SpecialDay), std::vector<std::string>{"七夕"});
}

TEST_F(RuleListTest, NumbersAreReadCStyleAndTheNameAsItIs) {
    ParsedRules parsed = ParseRuleValue(" 1`05x`+3`0` 憲法 記念日 ");
    EXPECT_FALSE(parsed.hadBadRecord);
    ASSERT_EQ(parsed.rules.size(), 1u);
    EXPECT_EQ(parsed.rules[0].kind, 1);
    EXPECT_EQ(parsed.rules[0].month, 5);
    EXPECT_EQ(parsed.rules[0].dayOrOrdinal, 3);
    EXPECT_EQ(parsed.rules[0].name, " 憲法 記念日 ");
    EXPECT_FALSE(ParseRuleValue("").hadBadRecord);
    EXPECT_TRUE(ParseRuleValue("1`5`3`0`a`").hadBadRecord);
}

CHolidayTime RuleOn(DateTime reference, int month, int dayOrOrdinal, int weekday,
                    const std::string& name = "r") {
    CHolidayTime rule;
    rule.Set(reference, month, dayOrOrdinal, 1, weekday, name);
    return rule;
}

TEST(HolidayTimeTest, SettingFillsTheDayRecordsFlagAndName) {
    CHolidayTime rule;
    rule.Set(Day(2024, 4, 1), 11, 23, 2, 0, "勤労感謝の日");
    EXPECT_EQ(rule.holidayFlag, 2);
    EXPECT_EQ(rule.holidayName, "勤労感謝の日");
    EXPECT_EQ(rule.specialDayFlag, 0);
    EXPECT_EQ(rule.date, Day(2024, 11, 23));
}

TEST(HolidayTimeTest, MonthsBeforeTheReferenceMonthFallInTheNextYear) {
    DateTime october = DateTime::Build(2024, 10, 15, 13, 30).value();
    EXPECT_EQ(RuleOn(october, 1, 1, 0).date, Day(2025, 1, 1));
    EXPECT_EQ(RuleOn(october, 9, 30, 0).date, Day(2025, 9, 30));
    EXPECT_EQ(RuleOn(october, 10, 1, 0).date, Day(2024, 10, 1));
    EXPECT_EQ(RuleOn(october, 12, 31, 0).date, Day(2024, 12, 31));
}

TEST(HolidayTimeTest, FixedDaysPastTheMonthsEndRollOver) {
    EXPECT_EQ(RuleOn(Day(2023, 1, 1), 2, 29, 0).date, Day(2023, 3, 1));
    EXPECT_EQ(RuleOn(Day(2024, 1, 1), 2, 29, 0).date, Day(2024, 2, 29));
    EXPECT_EQ(RuleOn(Day(2024, 1, 1), 4, 31, 0).date, Day(2024, 5, 1));
}

TEST(HolidayTimeTest, LastWeekdayOfTheMonth) {
    DateTime april2024 = Day(2024, 4, 1);
    EXPECT_EQ(RuleOn(april2024, 5, 5, 2).date, Day(2024, 5, 27));  // last Monday of May
    EXPECT_EQ(RuleOn(april2024, 6, 5, 1).date, Day(2024, 6, 30));  // last Sunday of June
    EXPECT_EQ(RuleOn(april2024, 7, 5, 4).date, Day(2024, 7, 31));  // 31 July is that Wednesday
    EXPECT_EQ(RuleOn(april2024, 2, 5, 7).date, Day(2025, 2, 22));  // last Saturday, Feb 2025
    EXPECT_EQ(RuleOn(Day(2024, 1, 1), 2, 5, 5).date, Day(2024, 2, 29));  // leap day Thursday
    EXPECT_EQ(RuleOn(april2024, 12, 5, 3).date, Day(2024, 12, 31));      // year's last day
}

TEST(HolidayTimeTest, NthWeekdayOfTheMonth) {
    DateTime january2024 = Day(2024, 1, 1);
    EXPECT_EQ(RuleOn(january2024, 1, 2, 2).date, Day(2024, 1, 8));   // 2nd Monday
    EXPECT_EQ(RuleOn(january2024, 9, 3, 2).date, Day(2024, 9, 16));  // 3rd Monday
    EXPECT_EQ(RuleOn(january2024, 5, 2, 1).date, Day(2024, 5, 12));  // 2nd Sunday
    EXPECT_EQ(RuleOn(january2024, 6, 3, 1).date, Day(2024, 6, 16));  // 3rd Sunday
    // 1 May 2024 is a Wednesday: the first Wednesday is the 1st, the first
    // Tuesday the 7th, the fourth Tuesday the 28th.
    EXPECT_EQ(RuleOn(january2024, 5, 1, 4).date, Day(2024, 5, 1));
    EXPECT_EQ(RuleOn(january2024, 5, 1, 3).date, Day(2024, 5, 7));
    EXPECT_EQ(RuleOn(january2024, 5, 4, 3).date, Day(2024, 5, 28));
    EXPECT_EQ(RuleOn(january2024, 5, 1, 7).date, Day(2024, 5, 4));
}

TEST_F(RuleListTest, EqualKeysKeepTheirInsertionOrder) {
    auto doc = Load({"numOfRow=3"});
    DateTime reference = doc->FirstShownMonth();
    doc->InsertDayRule(RuleListId::Holiday, RuleOn(reference, 5, 5, 0, "first 5 May"));
    doc->InsertDayRule(RuleListId::Holiday, RuleOn(reference, 5, 3, 0, "3 May"));
    doc->InsertDayRule(RuleListId::Holiday, RuleOn(reference, 5, 5, 0, "second 5 May"));
    doc->InsertDayRule(RuleListId::Holiday, RuleOn(reference, 1, 1, 0, "1 January"));
    EXPECT_EQ(Names(*doc, RuleListId::Holiday),
              (std::vector<std::string>{"1 January", "3 May", "first 5 May", "second 5 May"}));
}

TEST_F(RuleListTest, CopiedListsKeepTheirOrderAndLaterInsertionsWalkThem) {
    auto doc = Load({"numOfRow=3"});
    DateTime reference = doc->FirstShownMonth();
    std::vector<CHolidayTime> working = {RuleOn(reference, 12, 25, 0, "12/25"),
                                         RuleOn(reference, 1, 1, 0, "1/1"),
                                         RuleOn(reference, 6, 1, 0, "6/1")};
    doc->CopyDayRules(RuleListId::SpecialDay, working);
    EXPECT_EQ(Names(*doc, RuleListId::SpecialDay),
              (std::vector<std::string>{"12/25", "1/1", "6/1"}));
    // Before the first rule with a greater key, counted from the start.
    doc->InsertDayRule(RuleListId::SpecialDay, RuleOn(reference, 3, 3, 0, "3/3"));
    EXPECT_EQ(Names(*doc, RuleListId::SpecialDay),
              (std::vector<std::string>{"3/3", "12/25", "1/1", "6/1"}));
    doc->InsertDayRule(RuleListId::SpecialDay, RuleOn(reference, 12, 31, 0, "12/31"));
    EXPECT_EQ(Names(*doc, RuleListId::SpecialDay),
              (std::vector<std::string>{"3/3", "12/25", "1/1", "6/1", "12/31"}));
    // The copy replaced the list; the holiday list is untouched.
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), 0u);
    EXPECT_TRUE(doc->Rule(RuleListId::SpecialDay, 99).name.empty());
}

const std::vector<std::string> kBuiltInSpecialDayNames = {
    "バレンタインデー", "ひな祭り",   "ホワイトデー", "母の日", "父の日", "七夕",
    "クリスマスイブ",   "クリスマス", "大晦日"};

TEST(BuiltInListTest, OrderIsTheCalendarOrderWhateverTheFirstShownMonth) {
    for (int month = 1; month <= 12; ++month) {
        FakeHost host;
        host.now = DateTime::Build(2025, month, 15, 10).value();
        CvesmDoc doc(host);
        SCOPED_TRACE(month);
        ASSERT_GT(doc.RuleCount(RuleListId::Holiday), 1u);
        EXPECT_EQ(doc.Rule(RuleListId::Holiday, 0).name, "元旦");
        for (std::size_t i = 1; i < doc.RuleCount(RuleListId::Holiday); ++i) {
            DateFields before = doc.Rule(RuleListId::Holiday, i - 1).date.Fields();
            DateFields rule = doc.Rule(RuleListId::Holiday, i).date.Fields();
            EXPECT_LE(before.month * 100 + before.day, rule.month * 100 + rule.day) << i;
        }
        EXPECT_EQ(Names(doc, RuleListId::SpecialDay), kBuiltInSpecialDayNames);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(BuiltInListTest, SpecialDaysAreKindTwoWithTheirConcreteDates) {
    FakeHost host;
    CvesmDoc doc(host);
    CHolidayTime mothersDay = doc.Rule(RuleListId::SpecialDay, 3);
    EXPECT_EQ(mothersDay.kind, 2);
    EXPECT_EQ(mothersDay.date, Day(2024, 5, 12));
}

TEST_F(RuleListTest, JapaneseNamesSurviveTheFileInShiftJis) {
    std::vector<std::string> builtInHolidays;
    {
        CvesmDoc doc(host);
        builtInHolidays = Names(doc, RuleListId::Holiday);
        doc.ParseDayRules(RuleListId::SpecialDay, "2`12`28`0`年末～年始");
        ASSERT_TRUE(doc.SaveSettings());
    }
    // "～" ends in the backquote's byte; it must not split the record.
    EXPECT_NE(host.SettingsFile().find("\x94\x4E\x96\x96\x81\x60"), std::string::npos);
    CvesmDoc reloaded(host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Names(reloaded, RuleListId::Holiday), builtInHolidays);
    std::vector<std::string> specials = Names(reloaded, RuleListId::SpecialDay);
    ASSERT_EQ(specials.size(), 10u);
    EXPECT_EQ(specials[8], "年末～年始");
}

TEST_F(RuleListTest, ManyRulesComeBackInTheSameOrder) {
    std::mt19937 random(1000);
    std::string file = SettingsBytes({"numOfMonth=3"});
    for (int i = 0; i < 600; ++i) {
        int month = static_cast<int>(random() % 12) + 1;
        bool byWeekday = random() % 3 == 0;
        int day = byWeekday ? static_cast<int>(random() % 5) + 1
                            : static_cast<int>(random() % MonthLength(2000, month)) + 1;
        int weekday = byWeekday ? static_cast<int>(random() % 7) + 1 : 0;
        std::string key = i % 2 == 0 ? "holiday" : "specialDay";
        file += SettingsBytes({key + "=" + std::to_string(i % 2 + 1) + "`" + std::to_string(month) +
                               "`" + std::to_string(day) + "`" + std::to_string(weekday) + "`r" +
                               std::to_string(i)});
    }
    host.SetSettingsFile(file);
    auto doc = std::make_unique<CvesmDoc>(host);
    ASSERT_TRUE(host.messages.empty());
    auto snapshot = [](const CvesmDoc& d, RuleListId list) {
        std::vector<std::string> rows;
        for (std::size_t i = 0; i < d.RuleCount(list); ++i) {
            CHolidayTime r = d.Rule(list, i);
            rows.push_back(EncodeRule(r) + "@" + std::to_string(r.date.Seconds()));
        }
        return rows;
    };
    for (RuleListId list : {RuleListId::Holiday, RuleListId::SpecialDay}) {
        ASSERT_EQ(doc->RuleCount(list), 300u);
        // Sorted by month and day; equal keys in file order (names count up).
        for (std::size_t i = 1; i < doc->RuleCount(list); ++i) {
            CHolidayTime a = doc->Rule(list, i - 1);
            CHolidayTime b = doc->Rule(list, i);
            int keyA = a.date.Month() * 100 + a.date.Day();
            int keyB = b.date.Month() * 100 + b.date.Day();
            ASSERT_LE(keyA, keyB) << i;
            if (keyA == keyB) {
                ASSERT_LT(std::stoi(a.name.substr(1)), std::stoi(b.name.substr(1)));
            }
        }
    }
    std::vector<std::string> holidays = snapshot(*doc, RuleListId::Holiday);
    std::vector<std::string> specials = snapshot(*doc, RuleListId::SpecialDay);
    ASSERT_TRUE(doc->SaveSettings());
    doc = std::make_unique<CvesmDoc>(host);
    EXPECT_EQ(snapshot(*doc, RuleListId::Holiday), holidays);
    EXPECT_EQ(snapshot(*doc, RuleListId::SpecialDay), specials);
}

TEST_F(RuleListTest, NamesThatWouldSplitARecordAreWrittenSafely) {
    auto doc = Load({"numOfRow=3"});
    CHolidayTime rule = RuleOn(doc->FirstShownMonth(), 5, 1, 0, "a`b\r\nc");
    doc->CopyDayRules(RuleListId::Holiday, {rule});
    ASSERT_TRUE(doc->SaveSettings());
    auto reloaded = std::make_unique<CvesmDoc>(host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(Names(*reloaded, RuleListId::Holiday), std::vector<std::string>{"a b  c"});
}

TEST_F(RuleListTest, FirstShownMonthIsNumOfPastMonthsBeforeTheDisplayedOne) {
    host.now = DateTime::Build(2024, 2, 20, 18, 45).value();
    EXPECT_EQ(Load({"numOfMonth=6", "numOfPast=3"})->FirstShownMonth(), Day(2023, 11, 1));
    EXPECT_EQ(Load({"numOfMonth=6", "numOfPast=0"})->FirstShownMonth(), Day(2024, 2, 1));
    EXPECT_EQ(Load({"numOfMonth=0"})->FirstShownMonth(), Day(2024, 1, 1));
}

TEST_F(RuleListTest, RulesAreSetAgainstTheFirstShownMonthInEffectWhenRead) {
    // With 11 months shown before May 2024 the first shown month is June 2023,
    // so a May rule falls in 2024 and an August rule in 2023.
    auto doc = Load(
        {"numOfMonth=12", "numOfPast=11", "holiday=1`8`11`0`山の日", "holiday=1`5`3`0`憲法記念日"});
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 0).date, Day(2024, 5, 3));
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 1).date, Day(2023, 8, 11));
}

}  // namespace
}  // namespace vesm
