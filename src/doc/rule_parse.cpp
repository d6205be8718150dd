#include "doc/rule_parse.h"

#include "doc/c_number.h"
#include "doc/cp932_codec.h"
#include "doc/list_fields.h"

namespace vesm {

namespace {

constexpr std::size_t kRuleFieldCount = 5;
constexpr std::size_t kNameField = 4;
constexpr int kValidityYear = 2000;

bool IsValidRule(const RuleFields& rule) {
    return rule.kind >= 0 && rule.kind <= 2 &&
           IsValidRuleDate(kValidityYear, rule.month, rule.dayOrOrdinal, rule.weekday);
}

}  // namespace

ParsedRules ParseRuleValue(std::string_view value) {
    return ParseRuleBytes(EncodeCp932(value));
}

ParsedRules ParseRuleBytes(std::string_view bytes) {
    ParsedRules parsed;
    if (bytes.empty()) return parsed;
    std::vector<FileText> fields;
    for (std::string_view field : SplitCp932Fields(bytes)) fields.push_back(ReadFileText(field));
    parsed.hadBadRecord = ReadListRecords(fields.size(), kRuleFieldCount, [&](std::size_t at) {
        const FileText* field = &fields[at];
        RuleFields rule{ReadCNumber(field[0].text), ReadCNumber(field[1].text),
                        ReadCNumber(field[2].text), ReadCNumber(field[3].text),
                        field[kNameField].text,     field[kNameField]};
        if (!IsValidRule(rule)) return false;
        parsed.rules.push_back(std::move(rule));
        return true;
    });
    return parsed;
}

std::string EncodeRule(const CHolidayTime& rule) {
    std::string value = RuleNumbers(rule);
    value += ListText(rule.name);
    return value;
}

std::string RuleNumbers(const CHolidayTime& rule) {
    std::string value;
    for (int number : {rule.kind, rule.month, rule.dayOrOrdinal, rule.weekday}) {
        value += std::to_string(number);
        value += kFieldSeparator;
    }
    return value;
}

}  // namespace vesm
