#include "doc/rule_parse.h"

#include <algorithm>

#include "doc/c_number.h"
#include "doc/cp932_codec.h"
#include "doc/list_fields.h"

namespace vesm {

namespace {

constexpr std::size_t kRuleFieldCount = 5;
constexpr std::size_t kNameField = 4;
constexpr std::size_t kYearFieldCount = 2;

bool IsYearField(std::string_view field) {
    return field.empty() || IsFourDigitYear(field);
}

bool IsValidRule(const RuleFields& rule) {
    bool closedRange = rule.firstYear != kAnyYear && rule.lastYear != kAnyYear;
    return rule.kind >= 0 && rule.kind <= 2 &&
           IsValidRuleDate(kRuleValidityYear, rule.month, rule.dayOrOrdinal, rule.weekday) &&
           !(closedRange && rule.firstYear > rule.lastYear);
}

std::string YearText(int year) {
    return year == kAnyYear ? std::string() : std::to_string(year);
}

}  // namespace

bool IsFourDigitYear(std::string_view text) {
    return text.size() == 4 && text[0] >= '1' && text[0] <= '9' &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int YearOrAny(std::string_view text) {
    return IsFourDigitYear(text) ? ReadCNumber(text) : kAnyYear;
}

ParsedRules ParseRuleValue(std::string_view value) {
    return ParseRuleBytes(EncodeCp932(value));
}

ParsedRules ParseRuleBytes(std::string_view bytes) {
    ParsedRules parsed;
    if (bytes.empty()) return parsed;
    std::vector<FileText> fields;
    for (std::string_view field : SplitCp932Fields(bytes)) fields.push_back(ReadFileText(field));
    std::size_t at = 0;
    for (; at + kRuleFieldCount <= fields.size(); at += kRuleFieldCount) {
        const FileText* field = &fields[at];
        RuleFields rule{ReadCNumber(field[0].text), ReadCNumber(field[1].text),
                        ReadCNumber(field[2].text), ReadCNumber(field[3].text),
                        field[kNameField].text,     field[kNameField].bytes};
        std::size_t years = at + kRuleFieldCount;
        if (years + kYearFieldCount <= fields.size() && IsYearField(fields[years].text) &&
            IsYearField(fields[years + 1].text)) {
            rule.firstYear = YearOrAny(fields[years].text);
            rule.lastYear = YearOrAny(fields[years + 1].text);
            at += kYearFieldCount;
        }
        if (IsValidRule(rule)) {
            parsed.rules.push_back(std::move(rule));
        } else {
            parsed.hadBadRecord = true;
        }
    }
    if (at != fields.size()) parsed.hadBadRecord = true;
    return parsed;
}

CHolidayTime RuleFromFields(DateTime reference, RuleFields fields) {
    CHolidayTime rule;
    rule.Set(reference, fields.month, fields.dayOrOrdinal, fields.kind, fields.weekday,
             std::move(fields.name));
    rule.nameAsRead = std::move(fields.nameAsRead);
    rule.firstYear = fields.firstYear;
    rule.lastYear = fields.lastYear;
    return rule;
}

std::string EncodeRule(const CHolidayTime& rule) {
    std::string value = RuleNumbers(rule);
    value += ListText(rule.name);
    value += RuleYears(rule);
    return value;
}

std::string RuleYears(const CHolidayTime& rule) {
    if (!rule.HasYearRange()) return "";
    std::string value(1, kFieldSeparator);
    value += YearText(rule.firstYear);
    value += kFieldSeparator;
    value += YearText(rule.lastYear);
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
