// Holiday and special-day rules: reading them from settings lines, their concrete dates,
// their order and trip through the file, and what the option pages' lists and editor decide.
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/rule_parse.h"
#include "options/font_page_rules.h"
#include "options/rule_page_rules.h"
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

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const std::string& name = "r",
                  DateTime reference = Day(2024, 4, 1)) {
    CHolidayTime rule;
    rule.Set(reference, month, dayOrOrdinal, kHolidayKind, weekday, name);
    return rule;
}

class RuleList : public ::testing::Test {
protected:
    // A settings file of the given lines, separated by spaces.
    std::unique_ptr<CvesmDoc> Load(const std::string& lines) {
        std::string file;
        std::istringstream words(lines);
        for (std::string line; words >> line;) file += SettingsBytes({line});
        host.messages.clear();
        host.SetSettingsFile(file);
        return std::make_unique<CvesmDoc>(host);
    }
    FakeHost host;  // displayed date 10 May 2024, first shown month April 2024
};

TEST_F(RuleList, BadRecordsAreRefusedWithOneMessagePerValueAndGoodOnesStay) {
    auto doc = Load("holiday=1`2`29`0`閏日 holiday=1`5`3`0`憲法記念日`1`5`4`0`みどりの日");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(NamesOf(*doc, RuleListId::Holiday), (Names{"閏日", "憲法記念日", "みどりの日"}));
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 0).date, Day(2025, 3, 1));  // February 2025
    // impossible dates, ordinals, weekdays and kinds, a record cut short, bad records among
    // good ones in one value, a trailing backquote; an empty value is no error
    doc = Load(
        "holiday=1`2`30`0`x specialDay=2`5`6`1`x holiday=3`1`1`0`x holiday=1`13`1`0`x "
        "holiday=1`4`31`0`x holiday=1`1`0`0`x holiday=1`1`1`8`x holiday=-1`1`1`0`x "
        "holiday=0`1`1`0`零 holiday=1`1`1`0 holiday= "
        "holiday=1`1`1`0`元旦`3`1`1`0`x`1`2`30`0`y`1`5`5`0`子供の日`1`5 "
        "specialDay=2`7`7`0`七夕`");
    EXPECT_EQ(host.CountMessages(kRuleDataMessage), 11);
    EXPECT_EQ(std::pair(host.messages[0].caption, host.messages[0].icon),
              std::pair(std::string("vesmira"), MessageIcon::Warning));
    EXPECT_EQ(NamesOf(*doc, RuleListId::Holiday), (Names{"零", "元旦", "子供の日"}));
    EXPECT_EQ(NamesOf(*doc, RuleListId::SpecialDay), Names{"七夕"});
    EXPECT_EQ(doc->Rule(RuleListId::Holiday, 0).kind, 0);
    const ParsedRules parsed = ParseRuleValue(" 1`05x`+3`0` 憲法 記念日 ");  // read C-style
    ASSERT_EQ(parsed.rules.size(), 1u);
    const auto& r = parsed.rules[0];
    EXPECT_EQ((std::vector{r.kind, r.month, r.dayOrOrdinal}), (std::vector{1, 5, 3}));
    EXPECT_EQ(r.name, " 憲法 記念日 ");
    EXPECT_FALSE(parsed.hadBadRecord || ParseRuleValue("").hadBadRecord);
}

// Ordinal 5 is the last such weekday (1 Sunday .. 7 Saturday), next year before April.
TEST(HolidayTime, NthAndLastWeekdayOfTheMonth) {
    EXPECT_EQ(Rule(5, 2, 1).date, Day(2024, 5, 12));  // 1 May 2024 is a Wednesday
    EXPECT_EQ(Rule(5, 1, 3).date, Day(2024, 5, 7));
    EXPECT_EQ(Rule(5, 5, 2).date, Day(2024, 5, 27));
    EXPECT_EQ(Rule(7, 5, 4).date, Day(2024, 7, 31));
    EXPECT_EQ(Rule(2, 5, 7).date, Day(2025, 2, 22));
    EXPECT_EQ(Rule(2, 5, 5, "r", Day(2024, 1, 1)).date, Day(2024, 2, 29));
}

TEST_F(RuleList, ListsKeepCalendarOrderAndEqualKeysInInsertionOrder) {
    auto doc = Load("numOfRow=3");
    for (auto [month, day, name] : {std::tuple{5, 5, "first 5 May"},
                                    {5, 3, "3 May"},
                                    {5, 5, "second 5 May"},
                                    {1, 1, "1 January"}}) {
        doc->InsertDayRule(RuleListId::Holiday, Rule(month, day, 0, name));
    }
    EXPECT_EQ(NamesOf(*doc, RuleListId::Holiday),
              (Names{"1 January", "3 May", "first 5 May", "second 5 May"}));
    // a copied list keeps its order; insertions go before the first greater key
    doc->CopyDayRules(RuleListId::SpecialDay,
                      {Rule(12, 25, 0, "12/25"), Rule(1, 1, 0, "1/1"), Rule(6, 1, 0, "6/1")});
    doc->InsertDayRule(RuleListId::SpecialDay, Rule(3, 3, 0, "3/3"));
    doc->InsertDayRule(RuleListId::SpecialDay, Rule(12, 31, 0, "12/31"));
    EXPECT_EQ(NamesOf(*doc, RuleListId::SpecialDay),
              (Names{"3/3", "12/25", "1/1", "6/1", "12/31"}));
}

TEST_F(RuleList, NamesSurviveTheFileInShiftJisAndCannotSplitARecord) {
    {
        CvesmDoc doc(host);
        doc.ParseDayRules(RuleListId::SpecialDay, "2`12`28`0`年末～年始");
        doc.InsertDayRule(RuleListId::SpecialDay, Rule(5, 1, 0, "a`b\r\nc"));
        ASSERT_TRUE(doc.SaveSettings());
    }
    // "～" ends in the backquote's byte; it must not split the record
    EXPECT_NE(host.SettingsFile().find("\x94\x4E\x96\x96\x81\x60"), std::string::npos);
    CvesmDoc reloaded(host);
    EXPECT_TRUE(host.messages.empty());
    const Names specials = NamesOf(reloaded, RuleListId::SpecialDay);
    ASSERT_EQ(specials.size(), 11u);
    EXPECT_EQ(specials[3], "a b  c");
    EXPECT_EQ(specials[9], "年末～年始");
}

TEST_F(RuleList, TheFirstShownMonthIsThePastMonthsBeforeTheDisplayedOne) {
    host.now = DateTime::Build(2024, 2, 20, 18, 45).value();
    EXPECT_EQ(Load("numOfMonth=6 numOfPast=3")->FirstShownMonth(), Day(2023, 11, 1));
    EXPECT_EQ(Load("numOfMonth=0")->FirstShownMonth(), Day(2024, 1, 1));
}

TEST(RulePages, DateTextsInEveryLayoutYearRangesInsertionAndScrolling) {
    const Names fixed = {"02 . 11", "Feb . 11", "02 . 11", "Feb . 11", "11 . 02", "11 . Feb"};
    for (int format = 0; format < 6; ++format) {
        EXPECT_EQ(RuleDateText(Rule(2, 11, 0), format), fixed[format]) << format;
    }
    EXPECT_EQ(RuleDateText(Rule(1, 2, 2), 1) + "|" + RuleDateText(Rule(1, 2, 2), 4),
              "Jan . 第2 月曜|第2 月曜 . 01");
    EXPECT_EQ(RuleDateText(Rule(12, 5, 7), 0) + "|" + RuleDateText(Rule(12, 5, 7), 5),
              "12 . 最終 土曜|最終 土曜 . Dec");
    CHolidayTime years;
    const auto yearsText = [&years](int first, int last) {
        std::tie(years.firstYear, years.lastYear) = std::pair{first, last};
        return RuleYearsText(years);
    };
    EXPECT_EQ(yearsText(kAnyYear, kAnyYear) + "|" + yearsText(1996, 2002) + "|" +
                  yearsText(2016, kAnyYear) + "|" + yearsText(kAnyYear, 1999) + "|" +
                  yearsText(2019, 2019),
              "|1996～2002|2016～|～1999|2019");
    // by concrete date, after equal ones: the second Monday of January 2025 is the 13th
    std::vector<CHolidayTime> rules;
    for (auto [month, day, weekday, at] :
         {std::tuple{5, 5, 0, 0u}, {1, 1, 0, 0u}, {12, 31, 0, 2u}, {5, 5, 0, 2u}, {1, 2, 2, 1u}}) {
        EXPECT_EQ(InsertRuleSorted(rules, Rule(month, day, weekday)), at) << month << "/" << day;
    }
    // a leap day sorts as 1 March in a common year
    std::vector<CHolidayTime> common = {Rule(3, 1, 0), Rule(3, 2, 0)};
    EXPECT_EQ(InsertRuleSorted(common, Rule(2, 29, 0, "r", Day(2025, 4, 1))), 1u);
    std::vector<CHolidayTime> leap = {Rule(3, 1, 0)};
    EXPECT_EQ(InsertRuleSorted(leap, Rule(2, 29, 0, "r", Day(2023, 4, 1))), 0u);
    // an edited row above, inside or below the view; after a deletion the new last row
    EXPECT_EQ(std::tuple(ScrollTargetAfterEdit(10, 8, 3), ScrollTargetAfterEdit(10, 8, 10),
                         ScrollTargetAfterEdit(10, 8, 17), ScrollTargetAfterEdit(10, 8, 18)),
              std::tuple(3, 17, 17, 18));
    EXPECT_EQ(std::tuple(ScrollTargetAfterDelete(0, 8, 20), ScrollTargetAfterDelete(12, 8, 20),
                         ScrollTargetAfterDelete(0, 8, 1)),
              std::tuple(7, 18, -1));
}

TEST(RulePages, EditorCaptionsMonthsAndDaysThatSurviveASwitch) {
    EXPECT_EQ(RuleEditorCaption(kHolidayKind, "") + RuleEditorCaption(kHolidayKind, "元旦"),
              "祝日追加祝日変更");
    EXPECT_EQ(RuleEditorCaption(kSpecialDayKind, "") + RuleEditorCaption(kSpecialDayKind, "七夕"),
              "記念日追加記念日変更");
    EXPECT_EQ(RuleNameLabel(kSpecialDayKind), "記念日名");
    for (int format : {0, 1}) {
        const Names months = MonthChoices(format);
        ASSERT_EQ(months.size(), 12u);
        EXPECT_EQ(months.front(), format == 0 ? "01" : "Jan");
        EXPECT_EQ(months.back(), format == 0 ? "12" : "Dec");
    }
    // February offers the 29th even for a common year; from 31 January to April and back
    const DayChoices february = RefillDayChoices(1, 30);
    EXPECT_EQ(february.items.back(), "29");
    EXPECT_EQ((std::vector{february.items.size(), std::size_t(february.selected)}),
              (std::vector<std::size_t>{29, 28}));
    const DayChoices april = RefillDayChoices(3, 30);
    EXPECT_EQ((std::vector{april.items.size(), std::size_t(april.selected)}),
              (std::vector<std::size_t>{30, 29}));
    EXPECT_EQ(RefillDayChoices(0, april.selected).selected, 29);
    for (int month : {5, 8, 10}) EXPECT_EQ(RefillDayChoices(month, 0).items.size(), 30u);
    EXPECT_EQ(RefillDayChoices(-1, -1).items.size(), 31u);
    EXPECT_EQ(RefillDayChoices(-1, -1).selected, -1);
}

TEST(RulePages, EditorChecksTheDateFirstThenYearsWhereEmptyIsAnOpenEnd) {
    const char* const bad = "年は4桁の数字で入力してください";
    const char* const order = "開始年には終了年と同じかそれより前の年を入力してください";
    const struct {
        const char *first, *last;
        int firstYear, lastYear;
        const char* problem;
    } cases[] = {{"", "", kAnyYear, kAnyYear, ""},      {"1000", "9999", 1000, 9999, ""},
                 {"2019", "2019", 2019, 2019, ""},      {"2016", "", 2016, kAnyYear, ""},
                 {"2003", "2002", 2003, 2002, order},   {"199", "", kAnyYear, kAnyYear, bad},
                 {"", "0999", kAnyYear, kAnyYear, bad}, {"20x0", "", kAnyYear, kAnyYear, bad}};
    RuleEditorInput input;
    input.dateMonthIndex = 0;
    input.dayIndex = 0;
    input.name = "元旦";
    for (const auto& c : cases) {
        input.firstYear = c.first;
        input.lastYear = c.last;
        const RuleEditorResult result = ReadRuleInput(input);
        EXPECT_EQ((std::vector{result.month, result.firstYear, result.lastYear}),
                  (std::vector{1, c.firstYear, c.lastYear}))
            << c.first << "-" << c.last;
        EXPECT_EQ(CheckRuleInput(input, kHolidayKind).value_or(""), c.problem)
            << c.first << "-" << c.last;
    }
    input.dayIndex = -1;
    EXPECT_EQ(CheckRuleInput(input, kHolidayKind),
              "「月日指定」または「第何曜日指定」を指定してください");
    input.dateMonthIndex = 11;
    input.dayIndex = 30;
    input.firstYear = input.lastYear = "";
    EXPECT_EQ(CheckRuleInput(input, kSpecialDayKind), std::nullopt);
    input.byDate = false;
    input.weekMonthIndex = 0;
    input.ordinalIndex = 4;
    EXPECT_TRUE(CheckRuleInput(input, kHolidayKind).has_value());  // no weekday
    input.weekdayIndex = 6;
    EXPECT_EQ(CheckRuleInput(input, kHolidayKind), std::nullopt);
}

TEST(FontPage, WholePointsBoldAloneBecomesHeavyAndHeightRoundsLikeMulDiv) {
    const FontChoice halfPoint = StoredFontChoice("Arial", 105, 400, true);
    EXPECT_EQ(std::tuple(halfPoint.pointSize, halfPoint.weight, halfPoint.italic),
              std::tuple(10, 400, true));
    EXPECT_EQ(StoredFontChoice("Arial", 200, 700, false).weight, 900);
    for (int weight : {100, 600, 800, 900})
        EXPECT_EQ(StoredFontChoice("A", 20, weight, 0).weight, 400);
    EXPECT_EQ(CurrentFontText(20, "Times New Roman"), "20 pt. Times New Roman");
    // 26.67 and 0.5 round away from zero
    EXPECT_EQ(std::pair(LogicalFontHeight(20, 96), LogicalFontHeight(3, 12)), std::pair(-27, -1));
}

}  // namespace
}  // namespace vesm
