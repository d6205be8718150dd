// The document's holiday and special-day rule lists.
#include <algorithm>

#include "doc/builtin_lists.h"
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/holiday_list_upgrade.h"
#include "doc/rule_parse.h"

namespace vesm {

namespace {

// The sort key has no year, so January sorts first even when its concrete
// date lies in the following year.
int RuleKey(const CHolidayTime& rule) {
    DateFields fields = rule.date.Fields();
    return fields.month * 100 + fields.day;
}

bool IsInRuleKeyOrder(const std::vector<CHolidayTime>& rules) {
    return std::is_sorted(
        rules.begin(), rules.end(),
        [](const CHolidayTime& a, const CHolidayTime& b) { return RuleKey(a) < RuleKey(b); });
}

}  // namespace

void CvesmDoc::ParseDayRules(RuleListId list, std::string_view value) {
    std::lock_guard guard(lock_);
    AddDayRules(list, ParseRuleValue(value));
}

void CvesmDoc::AddDayRules(RuleListId list, ParsedRules parsed) {
    DateTime reference = FirstShownMonth();
    for (RuleFields& fields : parsed.rules) {
        InsertDayRule(list, RuleFromFields(reference, std::move(fields)));
    }
    if (parsed.hadBadRecord) ShowWarning(kRuleDataMessage);
}

// A list in key order gets the walk's position by binary search, which keeps
// loading a long list from being quadratic.
void CvesmDoc::InsertDayRule(RuleListId list, const CHolidayTime& rule) {
    std::lock_guard guard(lock_);
    std::vector<CHolidayTime>& rules = RuleList(list);
    int key = RuleKey(rule);
    auto position =
        RuleListInKeyOrder(list)
            ? std::upper_bound(rules.begin(), rules.end(), key,
                               [](int k, const CHolidayTime& r) { return k < RuleKey(r); })
            : std::find_if(rules.begin(), rules.end(),
                           [key](const CHolidayTime& r) { return RuleKey(r) > key; });
    rules.insert(position, rule);
}

void CvesmDoc::CopyDayRules(RuleListId list, const std::vector<CHolidayTime>& source) {
    std::lock_guard guard(lock_);
    RuleList(list) = source;
    RuleListInKeyOrder(list) = IsInRuleKeyOrder(source);
}

std::size_t CvesmDoc::RuleCount(RuleListId list) const {
    std::lock_guard guard(lock_);
    return RuleList(list).size();
}

CHolidayTime CvesmDoc::Rule(RuleListId list, std::size_t index) const {
    std::lock_guard guard(lock_);
    const std::vector<CHolidayTime>& rules = RuleList(list);
    return index < rules.size() ? rules[index] : CHolidayTime{};
}

DateTime CvesmDoc::FirstShownMonth() const {
    std::lock_guard guard(lock_);
    DateFields shown = displayDate_.Fields();
    int months = shown.year * 12 + shown.month - 1 - settings_.numOfPast;
    return DateTime::Build(months / 12, months % 12 + 1, 1).value_or(DateTime());
}

void CvesmDoc::ClearLists() {
    holidays_.clear();
    specialDays_.clear();
    tasks_.clear();
    farTaskRecords_.clear();
    holidaysInKeyOrder_ = specialDaysInKeyOrder_ = tasksInKeyOrder_ = true;
}

void CvesmDoc::ApplyBuiltInLists() {
    ParseDayRules(RuleListId::Holiday, kBuiltInHolidays);
    ParseDayRules(RuleListId::SpecialDay, kBuiltInSpecialDays);
}

void CvesmDoc::UpgradeEarlierBuiltInHolidays() {
    if (!IsEarlierBuiltInHolidayList(holidays_)) return;
    holidays_.clear();
    holidaysInKeyOrder_ = true;
    ParseDayRules(RuleListId::Holiday, kBuiltInHolidays);
}

std::vector<CHolidayTime>& CvesmDoc::RuleList(RuleListId list) {
    return list == RuleListId::Holiday ? holidays_ : specialDays_;
}

const std::vector<CHolidayTime>& CvesmDoc::RuleList(RuleListId list) const {
    return list == RuleListId::Holiday ? holidays_ : specialDays_;
}

bool& CvesmDoc::RuleListInKeyOrder(RuleListId list) {
    return list == RuleListId::Holiday ? holidaysInKeyOrder_ : specialDaysInKeyOrder_;
}

}  // namespace vesm
