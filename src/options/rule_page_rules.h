// What the holiday and special-day pages and their rule editor decide without
// a window: the list texts, the sorted insertion, the scroll targets, the
// editor's day list, caption and checks. All text is UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "doc/holiday_time.h"

namespace vesm {

inline constexpr int kRuleNameLimit = 72;  // characters the name edit takes
inline constexpr int kHolidayKind = 1;
inline constexpr int kSpecialDayKind = 2;

// The "日付" column text of a rule in the document's dateFormat (0..5).
std::string RuleDateText(const CHolidayTime& rule, int dateFormat);
// The "適用年" column text: "1996～2002", "2016～", "～1999", "2019" for a
// single year, empty for a rule of every year.
std::string RuleYearsText(const CHolidayTime& rule);
// The year edit's text: the year, or empty for an open end.
std::string YearFieldText(int year);

// The twelve month choices: "Jan" … "Dec" for dateFormat 1, 3 and 5, else "01" … "12".
std::vector<std::string> MonthChoices(int dateFormat);
std::vector<std::string> OrdinalChoices();  // "第1" … "第4", "最終"
std::vector<std::string> WeekdayChoices();  // "日曜" … "土曜"

// The editor's day list for the month at monthIndex (-1: none selected): its
// choices "01" … and the index to select for the wanted one.
struct DayChoices {
    std::vector<std::string> items;
    int selected = -1;
};
DayChoices RefillDayChoices(int monthIndex, int wantedIndex);

// Inserts before the first rule whose month x 100 + day of its concrete date
// is larger, so after every equal one; returns the index it went to.
std::size_t InsertRuleSorted(std::vector<CHolidayTime>& rules, const CHolidayTime& rule);

// Rows the list must show after an edit: top is the first visible row before
// it, perPage the rows that fit, index where the rule went.
int ScrollTargetAfterEdit(int top, int perPage, int index);
// After a deletion; countBefore is the row count before the list was rebuilt.
int ScrollTargetAfterDelete(int top, int perPage, int countBefore);

// What the editor read from its controls; indexes are -1 without a selection.
struct RuleEditorInput {
    bool byDate = true;  // "月日指定" rather than "第何曜日指定"
    int dateMonthIndex = -1;
    int dayIndex = -1;
    int weekMonthIndex = -1;
    int ordinalIndex = -1;
    int weekdayIndex = -1;
    std::string name;
    std::string firstYear;  // the year edits' texts; empty is an open end
    std::string lastYear;
};

struct RuleEditorResult {
    int month = 0;
    int dayOrOrdinal = 0;
    int weekday = 0;
    int firstYear = kAnyYear;
    int lastYear = kAnyYear;
};

// The date and years the input describes (an empty selection reads as 0, an
// empty year as an open end).
RuleEditorResult ReadRuleInput(const RuleEditorInput& input);
// The first failing check's message, in the editor's order: empty name,
// backquote, a character the settings file cannot hold, the date, a year that
// is not four digits, then a first year after the last.
std::optional<std::string> CheckRuleInput(const RuleEditorInput& input, int kind);

std::string RuleEditorCaption(int kind, const std::string& name);
std::string RuleNameLabel(int kind);

}  // namespace vesm
