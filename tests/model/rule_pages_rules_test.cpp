// What the rule pages decide: the list texts in every date layout, the sorted
// insertion, the scroll targets, the editor's lists, years and checks; and what
// the font page stores from a font choice.
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "options/font_page_rules.h"
#include "options/rule_page_rules.h"

namespace vesm {
namespace {

using Texts = std::vector<std::string>;

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const char* name,
                  DateTime reference = DateTime::Build(2024, 4, 1).value()) {
    CHolidayTime rule;
    rule.Set(reference, month, dayOrOrdinal, kHolidayKind, weekday, name);
    return rule;
}

TEST(RuleListTexts, DatesInEachOfTheSixLayoutsAndYearRanges) {
    const CHolidayTime rules[] = {Rule(2, 11, 0, "建国記念日"), Rule(1, 2, 2, "成人の日"),
                                  Rule(12, 5, 7, "最終土曜")};
    const Texts texts[] = {{"02 . 11", "Feb . 11", "02 . 11", "Feb . 11", "11 . 02", "11 . Feb"},
                           {"01 . 第2 月曜", "Jan . 第2 月曜", "01 . 第2 月曜", "Jan . 第2 月曜",
                            "第2 月曜 . 01", "第2 月曜 . Jan"},
                           {"12 . 最終 土曜", "Dec . 最終 土曜", "12 . 最終 土曜",
                            "Dec . 最終 土曜", "最終 土曜 . 12", "最終 土曜 . Dec"}};
    for (int rule = 0; rule < 3; ++rule) {
        for (int format = 0; format < 6; ++format) {
            EXPECT_EQ(RuleDateText(rules[rule], format), texts[rule][format]) << rule << format;
        }
    }
    for (auto [first, last, text] : {std::tuple{kAnyYear, kAnyYear, ""},
                                     {1996, 2002, "1996～2002"},
                                     {2016, kAnyYear, "2016～"},
                                     {kAnyYear, 1999, "～1999"},
                                     {2019, 2019, "2019"}}) {
        CHolidayTime rule;
        rule.firstYear = first;
        rule.lastYear = last;
        EXPECT_EQ(RuleYearsText(rule), text) << first << "-" << last;
    }
}

TEST(RuleListTexts, InsertionByConcreteDateAfterEqualOnesAndScrollTargets) {
    std::vector<CHolidayTime> rules;
    EXPECT_EQ(InsertRuleSorted(rules, Rule(5, 5, 0, "子供の日")), 0u);
    EXPECT_EQ(InsertRuleSorted(rules, Rule(1, 1, 0, "元旦")), 0u);
    EXPECT_EQ(InsertRuleSorted(rules, Rule(12, 31, 0, "大晦日")), 2u);
    EXPECT_EQ(InsertRuleSorted(rules, Rule(5, 5, 0, "端午")), 2u);
    // the second Monday of January 2025 is the 13th: after 1 January
    EXPECT_EQ(InsertRuleSorted(rules, Rule(1, 2, 2, "成人の日")), 1u);
    Texts names;
    for (const CHolidayTime& rule : rules) names.push_back(rule.name);
    EXPECT_EQ(names, (Texts{"元旦", "成人の日", "子供の日", "端午", "大晦日"}));
    // a leap day sorts as 1 March in a common year
    std::vector<CHolidayTime> common = {Rule(3, 1, 0, "三月一日"), Rule(3, 2, 0, "三月二日")};
    EXPECT_EQ(InsertRuleSorted(common, Rule(2, 29, 0, "閏日", *DateTime::Build(2025, 4, 1))), 1u);
    std::vector<CHolidayTime> leap = {Rule(3, 1, 0, "三月一日")};
    EXPECT_EQ(InsertRuleSorted(leap, Rule(2, 29, 0, "閏日", *DateTime::Build(2023, 4, 1))), 0u);

    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 3), 3);    // above the view
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 10), 17);  // inside: keep the old view
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 17), 17);
    EXPECT_EQ(ScrollTargetAfterEdit(10, 8, 18), 18);  // below the view
    EXPECT_EQ(ScrollTargetAfterDelete(0, 8, 20), 7);
    EXPECT_EQ(ScrollTargetAfterDelete(12, 8, 20), 18);  // last page: the new last row
    EXPECT_EQ(ScrollTargetAfterDelete(0, 8, 1), -1);    // the list is now empty
}

TEST(RuleEditor, CaptionsMonthsAndDaysThatSurviveASwitch) {
    EXPECT_EQ(RuleEditorCaption(kHolidayKind, ""), "祝日追加");
    EXPECT_EQ(RuleEditorCaption(kHolidayKind, "元旦"), "祝日変更");
    EXPECT_EQ(RuleEditorCaption(kSpecialDayKind, ""), "記念日追加");
    EXPECT_EQ(RuleEditorCaption(kSpecialDayKind, "七夕"), "記念日変更");
    EXPECT_EQ(RuleNameLabel(kSpecialDayKind), "記念日名");
    for (int format : {0, 1}) {
        const Texts months = MonthChoices(format);
        ASSERT_EQ(months.size(), 12u);
        EXPECT_EQ(months.front(), format == 0 ? "01" : "Jan");
        EXPECT_EQ(months.back(), format == 0 ? "12" : "Dec");
    }
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

TEST(RuleEditor, DateFirstThenYearsWhereEmptyIsAnOpenEnd) {
    const std::string badYear = "年は4桁の数字で入力してください";
    const struct {
        const char *first, *last;
        int firstYear, lastYear;
        std::optional<std::string> problem;
    } cases[] = {
        {"", "", kAnyYear, kAnyYear, std::nullopt},
        {"1996", "2002", 1996, 2002, std::nullopt},
        {"2019", "2019", 2019, 2019, std::nullopt},
        {"1000", "9999", 1000, 9999, std::nullopt},
        {"2016", "", 2016, kAnyYear, std::nullopt},
        {"", "1999", kAnyYear, 1999, std::nullopt},
        {"2003", "2002", 2003, 2002, "開始年には終了年と同じかそれより前の年を入力してください"},
        {"199", "", kAnyYear, kAnyYear, badYear},
        {"", "0999", kAnyYear, kAnyYear, badYear},
        {"20x0", "", kAnyYear, kAnyYear, badYear},
    };
    RuleEditorInput input;
    input.dateMonthIndex = 0;
    input.dayIndex = 0;
    input.name = "元旦";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + "-" + c.last);
        input.firstYear = c.first;
        input.lastYear = c.last;
        const RuleEditorResult result = ReadRuleInput(input);
        EXPECT_EQ((std::vector{result.month, result.firstYear, result.lastYear}),
                  (std::vector{1, c.firstYear, c.lastYear}));
        EXPECT_EQ(CheckRuleInput(input, kHolidayKind), c.problem);
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

TEST(FontChoice, WholePointsBoldAloneBecomesHeavyAndHeightRoundsLikeMulDiv) {
    const FontChoice halfPoint = StoredFontChoice("Arial", 105, 400, true);
    EXPECT_EQ(halfPoint.pointSize, 10);
    EXPECT_EQ(halfPoint.weight, 400);
    EXPECT_TRUE(halfPoint.italic);
    EXPECT_EQ(StoredFontChoice("Arial", 200, 700, false).weight, 900);
    for (int weight : {100, 600, 800, 900}) {
        EXPECT_EQ(StoredFontChoice("Arial", 200, weight, false).weight, 400) << weight;
    }
    EXPECT_EQ(CurrentFontText(20, "Times New Roman"), "20 pt. Times New Roman");
    // 26.67, 12, 0.5 away from zero, 33.33, and a negative size
    for (auto [points, dpi, height] :
         {std::tuple{20, 96, -27}, {9, 96, -12}, {3, 12, -1}, {20, 120, -33}, {-3, 12, 1}}) {
        EXPECT_EQ(LogicalFontHeight(points, dpi), height) << points << " " << dpi;
    }
}

}  // namespace
}  // namespace vesm
