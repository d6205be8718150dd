#include "doc/settings_file.h"

#include "doc/cp932_codec.h"
#include "doc/file_text.h"
#include "doc/rule_parse.h"
#include "doc/settings_lines.h"
#include "doc/task_parse.h"

namespace vesm {

namespace {

// The numbers are plain ASCII, the same in code page 932.
void AppendListLine(std::string_view key, const std::string& numbers, const std::string& text,
                    std::string& out) {
    out += key;
    out += '=';
    out += numbers;
    out += text;
    out += "\r\n";
}

}  // namespace

std::vector<std::string_view> SplitTextLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (end < text.size() && !line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string FormatSettingsFile(const Settings& settings, const SettingsLists& lists) {
    std::string scalars;
    AppendScalarLines(settings, scalars);
    std::string bytes = EncodeCp932(scalars);
    bytes.reserve(bytes.size() + 40 * (lists.holidays.size() + lists.specialDays.size()) +
                  80 * lists.tasks.size());
    auto appendRules = [&bytes](std::string_view key, const std::vector<CHolidayTime>& rules) {
        for (const CHolidayTime& rule : rules) {
            AppendListLine(key, RuleNumbers(rule),
                           FileBytes(rule.nameAsRead, rule.name) + RuleYears(rule), bytes);
        }
    };
    appendRules(kHolidayKey, lists.holidays);
    appendRules(kSpecialDayKey, lists.specialDays);
    for (const CTaskTime& task : lists.tasks) {
        AppendListLine(kTaskKey, TaskNumbers(task), FileBytes(task.textAsRead, task.text), bytes);
    }
    for (const std::string& record : lists.farTaskRecords) {
        AppendListLine(kTaskKey, record, {}, bytes);
    }
    return bytes;
}

}  // namespace vesm
