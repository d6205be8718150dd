// The settings file as text: its lines and the whole text SaveSettings
// writes. The text here is UTF-8; the code page 932 conversion happens at the
// file's edge.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "doc/holiday_time.h"
#include "doc/settings.h"
#include "doc/task_time.h"

namespace vesm {

inline constexpr std::string_view kHolidayKey = "holiday";
inline constexpr std::string_view kSpecialDayKey = "specialDay";
inline constexpr std::string_view kTaskKey = "task";

// The lines of the text without their line ends (LF or CRLF). A last line
// without a line end counts; the empty rest after a final line end does not.
std::vector<std::string_view> SplitTextLines(std::string_view text);

struct SettingsLists {
    const std::vector<CHolidayTime>& holidays;
    const std::vector<CHolidayTime>& specialDays;
    const std::vector<CTaskTime>& tasks;
};

// Every scalar in file order, then one line per holiday rule, special-day rule
// and task, each list in its order; every line ended by CRLF.
std::string FormatSettingsText(const Settings& settings, const SettingsLists& lists);

}  // namespace vesm
