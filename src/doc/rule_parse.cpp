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
    parsed.hadBadRecord = ReadListRecords(
        value, kRuleFieldCount, parsed.rules,
        [](const std::string_view* field) -> std::optional<RuleFields> {
            RuleFields rule{ReadCNumber(field[0]), ReadCNumber(field[1]), ReadCNumber(field[2]),
                            ReadCNumber(field[3]), std::string(field[4])};
            if (!IsValidRule(rule)) return std::nullopt;
            return rule;
        });
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
