// The rule editor's year fields and the list's year column, without a window.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "options/rule_page_rules.h"

namespace vesm {
namespace {

RuleEditorInput NewYearWithYears(const char* firstYear, const char* lastYear) {
    RuleEditorInput input;
    input.dateMonthIndex = 0;
    input.dayIndex = 0;
    input.name = "元旦";
    input.firstYear = firstYear;
    input.lastYear = lastYear;
    return input;
}

TEST(RuleEditorYearsTest, EmptyYearsAreOpenEndsAndBadOnesAreRefusedAfterTheDate) {
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
        {"199", "", kAnyYear, kAnyYear, "年は4桁の数字で入力してください"},
        {"", "0999", kAnyYear, kAnyYear, "年は4桁の数字で入力してください"},
        {"20x0", "", kAnyYear, kAnyYear, "年は4桁の数字で入力してください"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.first) + "-" + c.last);
        RuleEditorInput input = NewYearWithYears(c.first, c.last);
        RuleEditorResult result = ReadRuleInput(input);
        EXPECT_EQ(result.firstYear, c.firstYear);
        EXPECT_EQ(result.lastYear, c.lastYear);
        EXPECT_EQ(result.month, 1);
        EXPECT_EQ(CheckRuleInput(input, kHolidayKind), c.problem);
    }
    // The date is checked first.
    RuleEditorInput noDate = NewYearWithYears("2003", "2002");
    noDate.dayIndex = -1;
    EXPECT_EQ(CheckRuleInput(noDate, kHolidayKind),
              "「月日指定」または「第何曜日指定」を指定してください");
}

TEST(RuleEditorYearsTest, YearColumnReadsAsTheRangeAndEmptyForEveryYear) {
    const struct {
        int first, last;
        const char* text;
    } cases[] = {{kAnyYear, kAnyYear, ""},
                 {1996, 2002, "1996～2002"},
                 {2016, kAnyYear, "2016～"},
                 {kAnyYear, 1999, "～1999"},
                 {2019, 2019, "2019"}};
    for (const auto& c : cases) {
        CHolidayTime rule;
        rule.firstYear = c.first;
        rule.lastYear = c.last;
        EXPECT_EQ(RuleYearsText(rule), c.text) << c.first << "-" << c.last;
    }
}

}  // namespace
}  // namespace vesm
