// Holiday and special-day rules: reading them from settings lines, their
// concrete dates, their order in the lists and their trip through the file.
#include <memory>
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

using Names = std::vector<std::string>;

DateTime Day(int year, int month, int day) {
    return DateTime::Build(year, month, day).value();
}

Names NamesOf(const CvesmDoc& doc, RuleListId list) {
    Names names;
    for (std::size_t i = 0; i < doc.RuleCount(list); ++i) names.push_back(doc.Rule(list, i).name);
    return names;
}

CHolidayTime RuleOn(DateTime reference, int month, int dayOrOrdinal, int weekday,
                    const std::string& name = "r") {
    CHolidayTime rule;
    rule.Set(reference, month, dayOrOrdinal, 1, weekday, name);
    return rule;
}

class RuleList : public ::testing::Test {
protected:
    std::unique_ptr<CvesmDoc> Load(std::initializer_list<std::string_view> lines) {
        host.messages.clear();
        host.SetSettingsFile(SettingsBytes(lines));
        return std::make_unique<CvesmDoc>(host);
    }
    FakeHost host;  // displayed date 10 May 2024, first shown month April 2024
};

TEST_F(RuleList, BadRecordsAreRefusedWithOneMessagePerValueAndGoodOnesStay) {
    const struct {
        std::initializer_list<std::string_view> lines;
        int messages;
        Names holidays, specialDays;
    } cases[] = {
        {{"holiday=1`2`29`0`閏日"}, 0, {"閏日"}, {}},
        {{"holiday=1`2`30`0`x", "specialDay=2`5`6`1`x", "holiday=3`1`1`0`x", "holiday=1`13`1`0`x",
          "holiday=1`4`31`0`x", "holiday=1`1`0`0`x", "holiday=1`1`1`8`x", "holiday=-1`1`1`0`x",
          "holiday=0`1`1`0`零"},
         8,
         {"零"},
         {}},
        {{"holiday=1`5`3`0`憲法記念日`1`5`4`0`みどりの日"}, 0, {"憲法記念日", "みどりの日"}, {}},
        {{"holiday=1`1`1`0"}, 1, {}, {}},
        {{"holiday=1`1`1`0`元旦`3`1`1`0`x`1`2`30`0`y`1`5`5`0`子供の日`1`5", "holiday=1`2`30`0`x",
          "holiday=", "specialDay=2`7`7`0`七夕`"},
         3,
         {"元旦", "子供の日"},
         {"七夕"}},
    };
    for (const auto& c : cases) {
        const auto doc = Load(c.lines);
        SCOPED_TRACE(*c.lines.begin());
        EXPECT_EQ(host.CountMessages(kRuleDataMessage), c.messages);
        EXPECT_EQ(host.messages.size(), static_cast<std::size_t>(c.messages));
        EXPECT_EQ(NamesOf(*doc, RuleListId::Holiday), c.holidays);
        EXPECT_EQ(NamesOf(*doc, RuleListId::SpecialDay), c.specialDays);
    }
    EXPECT_EQ(host.messages[0].caption, "vesmira");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
    const CHolidayTime leapDay = Load({"holiday=1`2`29`0`閏日"})->Rule(RuleListId::Holiday, 0);
    EXPECT_EQ(leapDay.month, 2);
    EXPECT_EQ(leapDay.dayOrOrdinal, 29);
    EXPECT_EQ(leapDay.date, Day(2025, 3, 1));  // February after April is in 2025
    EXPECT_EQ(Load({"holiday=0`1`1`0`零"})->Rule(RuleListId::Holiday, 0).kind, 0);

    const ParsedRules parsed = ParseRuleValue(" 1`05x`+3`0` 憲法 記念日 ");  // read C-style
    EXPECT_FALSE(parsed.hadBadRecord);
    ASSERT_EQ(parsed.rules.size(), 1u);
    const auto& r = parsed.rules[0];
    EXPECT_EQ((std::vector{r.kind, r.month, r.dayOrOrdinal}), (std::vector{1, 5, 3}));
    EXPECT_EQ(r.name, " 憲法 記念日 ");
    EXPECT_FALSE(ParseRuleValue("").hadBadRecord);
    EXPECT_TRUE(ParseRuleValue("1`5`3`0`a`").hadBadRecord);
}

TEST(HolidayTime, ConcreteDateOfEachKindOfRule) {
    const DateTime october = DateTime::Build(2024, 10, 15, 13, 30).value();
    const struct {
        DateTime reference;
        int month, dayOrOrdinal, weekday;
        DateTime date;
    } cases[] = {
        // months before the reference month fall in the next year
        {october, 1, 1, 0, Day(2025, 1, 1)},
        {october, 9, 30, 0, Day(2025, 9, 30)},
        {october, 10, 1, 0, Day(2024, 10, 1)},
        {october, 12, 31, 0, Day(2024, 12, 31)},
        // fixed days past the month's end roll over
        {Day(2023, 1, 1), 2, 29, 0, Day(2023, 3, 1)},
        {Day(2024, 1, 1), 2, 29, 0, Day(2024, 2, 29)},
        {Day(2024, 1, 1), 4, 31, 0, Day(2024, 5, 1)},
        // the last (5th) weekday of a month
        {Day(2024, 4, 1), 5, 5, 2, Day(2024, 5, 27)},
        {Day(2024, 4, 1), 6, 5, 1, Day(2024, 6, 30)},
        {Day(2024, 4, 1), 7, 5, 4, Day(2024, 7, 31)},
        {Day(2024, 4, 1), 2, 5, 7, Day(2025, 2, 22)},
        {Day(2024, 1, 1), 2, 5, 5, Day(2024, 2, 29)},
        {Day(2024, 4, 1), 12, 5, 3, Day(2024, 12, 31)},
        // the nth weekday; 1 May 2024 is a Wednesday
        {Day(2024, 1, 1), 1, 2, 2, Day(2024, 1, 8)},
        {Day(2024, 1, 1), 9, 3, 2, Day(2024, 9, 16)},
        {Day(2024, 1, 1), 5, 2, 1, Day(2024, 5, 12)},
        {Day(2024, 1, 1), 6, 3, 1, Day(2024, 6, 16)},
        {Day(2024, 1, 1), 5, 1, 4, Day(2024, 5, 1)},
        {Day(2024, 1, 1), 5, 1, 3, Day(2024, 5, 7)},
        {Day(2024, 1, 1), 5, 4, 3, Day(2024, 5, 28)},
        {Day(2024, 1, 1), 5, 1, 7, Day(2024, 5, 4)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(RuleOn(c.reference, c.month, c.dayOrOrdinal, c.weekday).date, c.date)
            << c.month << " " << c.dayOrOrdinal << " " << c.weekday;
    }
    CHolidayTime rule;
    rule.Set(Day(2024, 4, 1), 11, 23, 2, 0, "勤労感謝の日");
    EXPECT_EQ(rule.holidayFlag, 2);
    EXPECT_EQ(rule.holidayName, "勤労感謝の日");
    EXPECT_EQ(rule.specialDayFlag, 0);
}

TEST_F(RuleList, InsertionsWalkTheListFromTheStartAndKeepEqualKeysInOrder) {
    auto doc = Load({"numOfRow=3"});
    const DateTime reference = doc->FirstShownMonth();
    for (auto [month, day, name] : {std::tuple{5, 5, "first 5 May"},
                                    {5, 3, "3 May"},
                                    {5, 5, "second 5 May"},
                                    {1, 1, "1 January"}}) {
        doc->InsertDayRule(RuleListId::Holiday, RuleOn(reference, month, day, 0, name));
    }
    EXPECT_EQ(NamesOf(*doc, RuleListId::Holiday),
              (Names{"1 January", "3 May", "first 5 May", "second 5 May"}));
    // a copied list keeps its order; insertions go before the first greater key
    doc->CopyDayRules(RuleListId::SpecialDay,
                      {RuleOn(reference, 12, 25, 0, "12/25"), RuleOn(reference, 1, 1, 0, "1/1"),
                       RuleOn(reference, 6, 1, 0, "6/1")});
    doc->InsertDayRule(RuleListId::SpecialDay, RuleOn(reference, 3, 3, 0, "3/3"));
    doc->InsertDayRule(RuleListId::SpecialDay, RuleOn(reference, 12, 31, 0, "12/31"));
    EXPECT_EQ(NamesOf(*doc, RuleListId::SpecialDay),
              (Names{"3/3", "12/25", "1/1", "6/1", "12/31"}));
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), 4u);
    EXPECT_TRUE(doc->Rule(RuleListId::SpecialDay, 99).name.empty());
}

TEST(BuiltInLists, CalendarOrderWhateverTheFirstShownMonth) {
    for (int month = 1; month <= 12; ++month) {
        FakeHost host;
        host.now = DateTime::Build(2025, month, 15, 10).value();
        CvesmDoc doc(host);
        SCOPED_TRACE(month);
        ASSERT_GT(doc.RuleCount(RuleListId::Holiday), 1u);
        EXPECT_EQ(doc.Rule(RuleListId::Holiday, 0).name, "元旦");
        for (std::size_t i = 1; i < doc.RuleCount(RuleListId::Holiday); ++i) {
            const DateFields before = doc.Rule(RuleListId::Holiday, i - 1).date.Fields();
            const DateFields rule = doc.Rule(RuleListId::Holiday, i).date.Fields();
            EXPECT_LE(before.month * 100 + before.day, rule.month * 100 + rule.day) << i;
        }
        EXPECT_EQ(NamesOf(doc, RuleListId::SpecialDay),
                  (Names{"バレンタインデー", "ひな祭り", "ホワイトデー", "母の日", "父の日", "七夕",
                         "クリスマスイブ", "クリスマス", "大晦日"}));
        EXPECT_TRUE(host.messages.empty());
    }
    FakeHost host;
    const CHolidayTime mothersDay = CvesmDoc(host).Rule(RuleListId::SpecialDay, 3);
    EXPECT_EQ(mothersDay.kind, 2);
    EXPECT_EQ(mothersDay.date, Day(2024, 5, 12));
}

TEST_F(RuleList, NamesSurviveTheFileInShiftJisAndCannotSplitARecord) {
    Names builtInHolidays;
    {
        CvesmDoc doc(host);
        builtInHolidays = NamesOf(doc, RuleListId::Holiday);
        doc.ParseDayRules(RuleListId::SpecialDay, "2`12`28`0`年末～年始");
        doc.InsertDayRule(RuleListId::SpecialDay,
                          RuleOn(doc.FirstShownMonth(), 5, 1, 0, "a`b\r\nc"));
        ASSERT_TRUE(doc.SaveSettings());
    }
    // "～" ends in the backquote's byte; it must not split the record
    EXPECT_NE(host.SettingsFile().find("\x94\x4E\x96\x96\x81\x60"), std::string::npos);
    CvesmDoc reloaded(host);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(NamesOf(reloaded, RuleListId::Holiday), builtInHolidays);
    const Names specials = NamesOf(reloaded, RuleListId::SpecialDay);
    ASSERT_EQ(specials.size(), 11u);
    EXPECT_EQ(specials[3], "a b  c");
    EXPECT_EQ(specials[9], "年末～年始");
}

TEST_F(RuleList, RulesAreSetAgainstTheFirstShownMonthWhenRead) {
    host.now = DateTime::Build(2024, 2, 20, 18, 45).value();
    EXPECT_EQ(Load({"numOfMonth=6", "numOfPast=3"})->FirstShownMonth(), Day(2023, 11, 1));
    EXPECT_EQ(Load({"numOfMonth=6", "numOfPast=0"})->FirstShownMonth(), Day(2024, 2, 1));
    EXPECT_EQ(Load({"numOfMonth=0"})->FirstShownMonth(), Day(2024, 1, 1));
    // 11 months before May 2024 is June 2023: a May rule falls in 2024, an August one in 2023
    host.now = DateTime::Build(2024, 5, 10, 12).value();
    auto doc = Load(
        {"numOfMonth=12", "numOfPast=11", "holiday=1`8`11`0`山の日", "holiday=1`5`3`0`憲法記念日"});
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 0).date, Day(2024, 5, 3));
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 1).date, Day(2023, 8, 11));
}

}  // namespace
}  // namespace vesm
