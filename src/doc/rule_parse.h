// The settings-file form of holiday and special-day rules: five fields per
// record, kind, month, day-or-ordinal, weekday and name.
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
    FileText nameAsRead{};
};

struct ParsedRules {
    std::vector<RuleFields> rules;  // the valid records, in the value's order
    bool hadBadRecord = false;      // a bad or incomplete record was skipped
};

// Every record of one encoded value. A record is valid when its kind is 0, 1
// or 2 and its date is valid in the year 2000, so that 29 February passes.
ParsedRules ParseRuleValue(std::string_view value);
// The same from the file's code page 932 bytes; each name remembers its bytes.
ParsedRules ParseRuleBytes(std::string_view bytes);

// The encoded value of one rule, without the key.
std::string EncodeRule(const CHolidayTime& rule);
// Its leading numeric fields, each followed by its separator: all but the name.
std::string RuleNumbers(const CHolidayTime& rule);

}  // namespace vesm
