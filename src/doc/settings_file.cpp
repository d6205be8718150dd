#include "doc/settings_file.h"

#include "doc/rule_parse.h"
#include "doc/settings_lines.h"
#include "doc/task_parse.h"

namespace vesm {

namespace {

void AppendListLine(std::string_view key, const std::string& value, std::string& out) {
    out += key;
    out += '=';
    out += value;
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

std::string FormatSettingsText(const Settings& settings, const SettingsLists& lists) {
    std::string text;
    text.reserve(2048 + 40 * (lists.holidays.size() + lists.specialDays.size()) +
                 80 * lists.tasks.size());
    AppendScalarLines(settings, text);
    for (const CHolidayTime& rule : lists.holidays) {
        AppendListLine(kHolidayKey, EncodeRule(rule), text);
    }
    for (const CHolidayTime& rule : lists.specialDays) {
        AppendListLine(kSpecialDayKey, EncodeRule(rule), text);
    }
    for (const CTaskTime& task : lists.tasks) AppendListLine(kTaskKey, EncodeTask(task), text);
    return text;
}

}  // namespace vesm
