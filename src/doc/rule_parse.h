// The settings-file form of holiday and special-day rules: five fields per
// record, kind, month, day-or-ordinal, weekday and name, optionally followed
// by two year fields, the first and the last year the rule applies in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "doc/file_text.h"
#include "doc/holiday_time.h"

namespace vesm {

struct RuleFields {
    int kind = 0;
    int month = 0;
    int dayOrOrdinal = 0;
    int weekday = 0;
    std::string name;
    std::string nameAsRead{};  // bytes
    int firstYear = kAnyYear;
    int lastYear = kAnyYear;
};

struct ParsedRules {
    std::vector<RuleFields> rules;  // the valid records, in the value's order
    bool hadBadRecord = false;      // a bad or incomplete record was skipped
};

// Every record of one encoded value. A record is valid when its kind is 0, 1
// or 2, its date is valid in the year 2000, so that 29 February passes, and
// its first year is not after its last. Two fields after a name are its
// years when each is empty or four digits; a record's kind and month never
// are, so several records still follow one another in one value.
ParsedRules ParseRuleValue(std::string_view value);
// The same from the file's code page 932 bytes; each name remembers its bytes.
ParsedRules ParseRuleBytes(std::string_view bytes);

// Four digits, the first not 0: how a year is written in a rule line.
bool IsFourDigitYear(std::string_view text);
// The year such a text gives, or kAnyYear for any other text.
int YearOrAny(std::string_view text);

// The rule the fields describe, its concrete date set from the reference date.
CHolidayTime RuleFromFields(DateTime reference, RuleFields fields);

// The encoded value of one rule, without the key; five fields when the rule
// applies in every year, so such a line reads as it always did.
std::string EncodeRule(const CHolidayTime& rule);
// Its leading numeric fields, each followed by its separator: all but the name.
std::string RuleNumbers(const CHolidayTime& rule);
// What follows the name: the two year fields, or nothing for every year.
std::string RuleYears(const CHolidayTime& rule);

}  // namespace vesm
