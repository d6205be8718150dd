// Writing special-day rules and tasks as one iCalendar file that Outlook,
// Google Calendar and Thunderbird import: everything becomes a VEVENT.
#pragma once

#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/holiday_time.h"
#include "doc/task_time.h"

namespace vesm::ical {

inline constexpr const char* kTaskModeProperty = "X-VESMIRA-TASK-MODE";
inline constexpr const char* kAlarmModeProperty = "X-VESMIRA-ALARM-MODE";
// Marks the VALARM that stands for the notification at the task's own time.
inline constexpr const char* kTaskTimeAlarmProperty = "X-VESMIRA-TASK-TIME";

// A signed DURATION value: "-PT15M", "P1DT2H", "PT0S".
std::string FormatDuration(std::int64_t seconds);

// The whole file, CRLF line ends and folded; `now` becomes every DTSTAMP.
std::string ExportCalendar(const std::vector<CHolidayTime>& specialDays,
                           const std::vector<CTaskTime>& tasks, DateTime now);

}  // namespace vesm::ical
