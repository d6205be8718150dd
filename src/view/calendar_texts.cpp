#include "view/calendar_texts.h"

#include <cstdio>

namespace vesm {

namespace {

constexpr std::string_view kLineMark = "・";
constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kTodayLine = "今日";

template <typename... Args>
std::string Format(const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

void AddLine(std::string& text, std::string_view line) {
    if (!text.empty()) text += kLineBreak;
    text += kLineMark;
    text += line;
}

}  // namespace

std::string MonthTitle(int year, int month, int styleOfMonth) {
    if (styleOfMonth == 0) return Format("%d/%d", month, year);
    const std::string name(kMonthNames[static_cast<std::size_t>((month - 1) % 12)]);
    return Format("%s/%d", name.c_str(), year);
}

std::string ClockText(int hour, int minute, int time12or24) {
    if (time12or24 != 12) return Format("%d:%02d", hour, minute);
    if (hour < 12) return Format("%d:%02d%s", hour, minute, "am");
    return Format("%d:%02d%s", hour - 12, minute, "pm");
}

std::string TaskTimeText(const CTaskTime& task, int time12or24) {
    if (task.taskMode == 0) return {};
    const DateFields time = task.taskTime.Fields();
    if (time12or24 != 12) return Format("%02d:%02d ", time.hour, time.minute);
    if (time.hour < 12) return Format("%02d:%02d am ", time.hour, time.minute);
    return Format("%02d:%02d pm ", time.hour - 12, time.minute);
}

std::string DayTooltipText(const DayRecord& day, bool isToday,
                           const std::vector<const CTaskTime*>& tasks, int time12or24) {
    std::string text;
    if (isToday) AddLine(text, kTodayLine);
    if (day.holidayFlag == 1) AddLine(text, day.holidayName);
    if (day.specialDayFlag == 2) AddLine(text, day.specialDayName);
    for (const CTaskTime* task : tasks) {
        AddLine(text, TaskTimeText(*task, time12or24) + task->text);
    }
    return text;
}

}  // namespace vesm
