// The settings file: its lines and the whole file SaveSettings writes. Lines
// are cut in the raw bytes, since CR and LF are never the second byte of a
// code page 932 character; what is written is code page 932.
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

// The lines of the bytes without their line ends (LF or CRLF). A last line
// without a line end counts; the empty rest after a final line end does not.
std::vector<std::string_view> SplitTextLines(std::string_view text);

struct SettingsLists {
    const std::vector<CHolidayTime>& holidays;
    const std::vector<CHolidayTime>& specialDays;
    const std::vector<CTaskTime>& tasks;
    const std::vector<std::string>& farTaskRecords;  // file bytes of tasks kept unread
};

// Every scalar in file order, then one line per holiday rule, special-day rule
// and task, each list in its order, then the far task records as they came;
// every line ended by CRLF. Names and texts nobody changed keep their bytes.
std::string FormatSettingsFile(const Settings& settings, const SettingsLists& lists);

}  // namespace vesm
