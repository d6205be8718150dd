#include "doc/rule_parse.h"

#include "doc/c_number.h"
#include "doc/list_fields.h"

namespace vesm {

namespace {

constexpr std::size_t kRuleFieldCount = 5;
constexpr int kValidityYear = 2000;

bool IsValidRule(const RuleFields& rule) {
    return rule.kind >= 0 && rule.kind <= 2 &&
           IsValidRuleDate(kValidityYear, rule.month, rule.dayOrOrdinal, rule.weekday);
}

}  // namespace

ParsedRules ParseRuleValue(std::string_view value) {
    ParsedRules parsed;
    if (value.empty()) return parsed;
    std::vector<std::string_view> fields = SplitListFields(value);
    std::size_t at = 0;
    for (; at + kRuleFieldCount <= fields.size(); at += kRuleFieldCount) {
        RuleFields rule{ReadCNumber(fields[at]), ReadCNumber(fields[at + 1]),
                        ReadCNumber(fields[at + 2]), ReadCNumber(fields[at + 3]),
                        std::string(fields[at + 4])};
        if (IsValidRule(rule)) {
            parsed.rules.push_back(std::move(rule));
        } else {
            parsed.hadBadRecord = true;
        }
    }
    if (at != fields.size()) parsed.hadBadRecord = true;
    return parsed;
}

std::string EncodeRule(const CHolidayTime& rule) {
    std::string value;
    for (int number : {rule.kind, rule.month, rule.dayOrOrdinal, rule.weekday}) {
        value += std::to_string(number);
        value += kFieldSeparator;
    }
    value += ListText(rule.name);
    return value;
}

}  // namespace vesm
