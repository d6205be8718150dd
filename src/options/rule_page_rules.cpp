#include "options/rule_page_rules.h"

#include <array>
#include <cstdio>

#include "doc/cp932_codec.h"
#include "doc/rule_parse.h"

namespace vesm {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
constexpr std::array<const char*, 5> kOrdinals = {"第1", "第2", "第3", "第4", "最終"};
constexpr std::array<const char*, 7> kWeekdays = {"日曜", "月曜", "火曜", "水曜",
                                                  "木曜", "金曜", "土曜"};

std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

bool MonthByName(int dateFormat) {
    return dateFormat == 1 || dateFormat == 3 || dateFormat == 5;
}
bool DayFirst(int dateFormat) {
    return dateFormat == 4 || dateFormat == 5;
}

template <std::size_t N>
std::string Entry(const std::array<const char*, N>& table, int oneBased) {
    if (oneBased < 1 || oneBased > static_cast<int>(N)) return "";
    return table[static_cast<std::size_t>(oneBased - 1)];
}

std::string MonthText(int month, int dateFormat) {
    return MonthByName(dateFormat) ? Entry(kMonthNames, month) : TwoDigits(month);
}

int RuleKey(const CHolidayTime& rule) {
    DateFields fields = rule.date.Fields();
    return fields.month * 100 + fields.day;
}

int IndexPlusOne(int index) {
    return index < 0 ? 0 : index + 1;
}

}  // namespace

std::string RuleDateText(const CHolidayTime& rule, int dateFormat) {
    const std::string month = MonthText(rule.month, dateFormat);
    const std::string day = rule.weekday == 0 ? TwoDigits(rule.dayOrOrdinal)
                                              : Entry(kOrdinals, rule.dayOrOrdinal) + " " +
                                                    Entry(kWeekdays, rule.weekday);
    return DayFirst(dateFormat) ? day + " . " + month : month + " . " + day;
}

std::string RuleYearsText(const CHolidayTime& rule) {
    if (!rule.HasYearRange()) return "";
    if (rule.firstYear == rule.lastYear) return std::to_string(rule.firstYear);
    return YearFieldText(rule.firstYear) + "～" + YearFieldText(rule.lastYear);
}

std::string YearFieldText(int year) {
    return year == kAnyYear ? "" : std::to_string(year);
}

std::vector<std::string> MonthChoices(int dateFormat) {
    std::vector<std::string> months;
    for (int month = 1; month <= 12; ++month) months.push_back(MonthText(month, dateFormat));
    return months;
}

std::vector<std::string> OrdinalChoices() {
    return {kOrdinals.begin(), kOrdinals.end()};
}

std::vector<std::string> WeekdayChoices() {
    return {kWeekdays.begin(), kWeekdays.end()};
}

// February always offers the 29th: a rule is a date in any year.
DayChoices RefillDayChoices(int monthIndex, int wantedIndex) {
    const int month = IndexPlusOne(monthIndex);
    int days = 31;
    if (month == 2) days = 29;
    if (month == 4 || month == 6 || month == 9 || month == 11) days = 30;
    DayChoices choices;
    for (int day = 1; day <= days; ++day) choices.items.push_back(TwoDigits(day));
    choices.selected = wantedIndex < days ? wantedIndex : days - 1;
    return choices;
}

std::size_t InsertRuleSorted(std::vector<CHolidayTime>& rules, const CHolidayTime& rule) {
    const int key = RuleKey(rule);
    std::size_t index = 0;
    while (index < rules.size() && RuleKey(rules[index]) <= key) ++index;
    rules.insert(rules.begin() + static_cast<std::ptrdiff_t>(index), rule);
    return index;
}

int ScrollTargetAfterEdit(int top, int perPage, int index) {
    if (index < top) return index;
    if (index < top + perPage) return top + perPage - 1;
    return index;
}

int ScrollTargetAfterDelete(int top, int perPage, int countBefore) {
    return top + perPage < countBefore ? top + perPage - 1 : countBefore - 2;
}

RuleEditorResult ReadRuleInput(const RuleEditorInput& input) {
    RuleEditorResult result;
    if (input.byDate) {
        result = {IndexPlusOne(input.dateMonthIndex), IndexPlusOne(input.dayIndex), 0};
    } else {
        result = {IndexPlusOne(input.weekMonthIndex), IndexPlusOne(input.ordinalIndex),
                  IndexPlusOne(input.weekdayIndex)};
    }
    result.firstYear = YearOrAny(input.firstYear);
    result.lastYear = YearOrAny(input.lastYear);
    return result;
}

std::optional<std::string> CheckRuleInput(const RuleEditorInput& input, int kind) {
    if (input.name.empty()) {
        return kind == kHolidayKind ? "祝日名を入力してください" : "記念日名を入力してください";
    }
    if (input.name.find('`') != std::string::npos) {
        return "バッククォート文字(`)は使用できません";
    }
    if (!CanEncodeCp932(input.name)) {
        return "この文字は保存できません。別の文字に置き換えてください。";
    }
    const RuleEditorResult date = ReadRuleInput(input);
    const bool valid =
        date.month > 0 && date.dayOrOrdinal > 0 && (input.byDate || date.weekday > 0);
    if (!valid) return "「月日指定」または「第何曜日指定」を指定してください";
    for (const std::string* year : {&input.firstYear, &input.lastYear}) {
        if (!year->empty() && !IsFourDigitYear(*year)) return "年は4桁の数字で入力してください";
    }
    if (date.firstYear != kAnyYear && date.lastYear != kAnyYear && date.firstYear > date.lastYear) {
        return "開始年には終了年と同じかそれより前の年を入力してください";
    }
    return std::nullopt;
}

std::string RuleEditorCaption(int kind, const std::string& name) {
    const bool change = !name.empty();
    if (kind == kHolidayKind) return change ? "祝日変更" : "祝日追加";
    return change ? "記念日変更" : "記念日追加";
}

std::string RuleNameLabel(int kind) {
    return kind == kHolidayKind ? "祝日名" : "記念日名";
}

}  // namespace vesm
