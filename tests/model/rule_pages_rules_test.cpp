// What the rule pages decide: the list texts in every date layout, the sorted
// insertion, the scroll targets and the day list; and what the font page stores
// from a font choice.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "options/font_page_rules.h"
#include "options/rule_page_rules.h"

namespace vesm {
namespace {

const DateTime kApril2024 = DateTime::Build(2024, 4, 1).value();

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const char* name,
                  DateTime reference = kApril2024) {
    CHolidayTime rule;
    rule.Set(reference, month, dayOrOrdinal, kHolidayKind, weekday, name);
    return rule;
}

std::vector<std::string> Names(const std::vector<CHolidayTime>& rules) {
    std::vector<std::string> names;
    for (const CHolidayTime& rule : rules) names.push_back(rule.name);
    return names;
}

TEST(RuleDateTextTest, FollowsEachOfTheSixDateLayouts) {
    const CHolidayTime fixed = Rule(2, 11, 0, "建国記念日");
    const CHolidayTime nth = Rule(1, 2, 2, "成人の日");
    const CHolidayTime last = Rule(12, 5, 7, "最終土曜");
    const char* fixedTexts[] = {"02 . 11",  "Feb . 11", "02 . 11",
                                "Feb . 11", "11 . 02",  "11 . Feb"};
    const char* nthTexts[] = {"01 . 第2 月曜",  "Jan . 第2 月曜", "01 . 第2 月曜",
                              "Jan . 第2 月曜", "第2 月曜 . 01",  "第2 月曜 . Jan"};
    const char* lastTexts[] = {"12 . 最終 土曜",  "Dec . 最終 土曜", "12 . 最終 土曜",
                               "Dec . 最終 土曜", "最終 土曜 . 12",  "最終 土曜 . Dec"};
    for (int format = 0; format < 6; ++format) {
        SCOPED_TRACE(format);
        EXPECT_EQ(RuleDateText(fixed, format), fixedTexts[format]);
        EXPECT_EQ(RuleDateText(nth, format), nthTexts[format]);
        EXPECT_EQ(RuleDateText(last, format), lastTexts[format]);
    }
}

TEST(RefillDayChoicesTest, MonthLengthsAndTheSelectionThatSurvivesASwitch) {
    const DayChoices february = RefillDayChoices(1, 30);
    ASSERT_EQ(february.items.size(), 29u);  // the 29th even for a common year
    EXPECT_EQ(february.items.back(), "29");
    EXPECT_EQ(february.selected, 28);
    const DayChoices april = RefillDayChoices(3, 30);  // from 31 January to April
    EXPECT_EQ(april.items.size(), 30u);
    EXPECT_EQ(april.selected, 29);
    const DayChoices january = RefillDayChoices(0, april.selected);  // back: stays the 30th
    EXPECT_EQ(january.items.size(), 31u);
    EXPECT_EQ(january.selected, 29);
    for (int month : {5, 8, 10}) EXPECT_EQ(RefillDayChoices(month, 0).items.size(), 30u);
    const DayChoices none = RefillDayChoices(-1, -1);
    EXPECT_EQ(none.items.size(), 31u);
    EXPECT_EQ(none.selected, -1);
}

TEST(RuleEditorRulesTest, CaptionsMonthListsAndTheDateCheckOfOk) {
    EXPECT_EQ(RuleEditorCaption(kHolidayKind, ""), "祝日追加");
    EXPECT_EQ(RuleEditorCaption(kHolidayKind, "元旦"), "祝日変更");
    EXPECT_EQ(RuleEditorCaption(kSpecialDayKind, ""), "記念日追加");
    EXPECT_EQ(RuleEditorCaption(kSpecialDayKind, "七夕"), "記念日変更");
    EXPECT_EQ(RuleNameLabel(kSpecialDayKind), "記念日名");
    for (int format : {0, 1}) {
        const std::vector<std::string> months = MonthChoices(format);
        ASSERT_EQ(months.size(), 12u);
        EXPECT_EQ(months.front(), format == 0 ? "01" : "Jan");
        EXPECT_EQ(months.back(), format == 0 ? "12" : "Dec");
    }
    RuleEditorInput byDate;
    byDate.name = "記念";
    byDate.dateMonthIndex = 11;
    byDate.dayIndex = 30;
    EXPECT_EQ(CheckRuleInput(byDate, kSpecialDayKind), std::nullopt);
    RuleEditorInput byWeekday = byDate;
    byWeekday.byDate = false;
    byWeekday.weekMonthIndex = 0;
    byWeekday.ordinalIndex = 4;
    EXPECT_TRUE(CheckRuleInput(byWeekday, kHolidayKind).has_value());  // no weekday
    byWeekday.weekdayIndex = 6;
    EXPECT_EQ(CheckRuleInput(byWeekday, kHolidayKind), std::nullopt);
}

TEST(InsertRuleSortedTest, OrdersByConcreteDateAndPutsEqualDatesAfter) {
    std::vector<CHolidayTime> rules;
    EXPECT_EQ(InsertRuleSorted(rules, Rule(5, 5, 0, "子供の日")), 0u);
    EXPECT_EQ(InsertRuleSorted(rules, Rule(1, 1, 0, "元旦")), 0u);
    EXPECT_EQ(InsertRuleSorted(rules, Rule(12, 31, 0, "大晦日")), 2u);
    EXPECT_EQ(InsertRuleSorted(rules, Rule(5, 5, 0, "端午")), 2u);
    // The second Monday of January 2025 is the 13th: after 1 January.
    EXPECT_EQ(InsertRuleSorted(rules, Rule(1, 2, 2, "成人の日")), 1u);
    EXPECT_EQ(Names(rules),
              (std::vector<std::string>{"元旦", "成人の日", "子供の日", "端午", "大晦日"}));
}

TEST(InsertRuleSortedTest, LeapDayInACommonYearSortsAsTheFirstOfMarch) {
    std::vector<CHolidayTime> rules = {Rule(3, 1, 0, "三月一日"), Rule(3, 2, 0, "三月二日")};
    const DateTime april2025 = DateTime::Build(2025, 4, 1).value();  // February 2026
    EXPECT_EQ(InsertRuleSorted(rules, Rule(2, 29, 0, "閏日", april2025)), 1u);
    std::vector<CHolidayTime> leap = {Rule(3, 1, 0, "三月一日")};
    const DateTime april2023 = DateTime::Build(2023, 4, 1).value();  // February 2024
    EXPECT_EQ(InsertRuleSorted(leap, Rule(2, 29, 0, "閏日", april2023)), 0u);
}

TEST(ScrollTargetTest, TheChangedRowAndTheOldViewStayVisible) {
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 3), 3);    // above the view
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 10), 17);  // inside: keep the old view
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 17), 17);
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 18), 18);  // below the view
    // After a deletion the new last row is shown at the end.
    EXPECT_EQ(ScrollTargetAfterDelete(0, 8, 20), 7);
    EXPECT_EQ(ScrollTargetAfterDelete(12, 8, 20), 18);  // last page: new last row
    EXPECT_EQ(ScrollTargetAfterDelete(0, 8, 1), -1);    // the list is now empty
}

TEST(FontChoiceTest, WholePointsAndBoldAloneBecomesHeavy) {
    const FontChoice halfPoint = StoredFontChoice("Arial", 105, 400, true);
    EXPECT_EQ(halfPoint.pointSize, 10);
    EXPECT_EQ(halfPoint.weight, 400);
    EXPECT_TRUE(halfPoint.italic);
    EXPECT_EQ(StoredFontChoice("Arial", 200, 700, false).weight, 900);
    for (int weight : {100, 600, 800, 900}) {
        EXPECT_EQ(StoredFontChoice("Arial", 200, weight, false).weight, 400) << weight;
    }
    EXPECT_EQ(CurrentFontText(20, "Times New Roman"), "20 pt. Times New Roman");
}

TEST(FontChoiceTest, LogicalHeightRoundsLikeAMultiplyDivide) {
    EXPECT_EQ(LogicalFontHeight(20, 96), -27);  // 26.67
    EXPECT_EQ(LogicalFontHeight(9, 96), -12);
    EXPECT_EQ(LogicalFontHeight(3, 12), -1);     // 0.5 rounds away from zero
    EXPECT_EQ(LogicalFontHeight(20, 120), -33);  // 33.33
    EXPECT_EQ(LogicalFontHeight(-3, 12), 1);
}

}  // namespace
}  // namespace vesm
