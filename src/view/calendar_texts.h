// The fixed and formatted texts of the calendar: titles, weekday names, day
// numbers, the clock, and the tooltips of the zones and days.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/task_time.h"

namespace vesm {

inline constexpr std::array<std::string_view, 7> kWeekdayNames = {"Sun", "Mon", "Tue", "Wed",
                                                                  "Thu", "Fri", "Sat"};

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

inline constexpr std::string_view kLeftZoneTip = "ここをダブルクリックすると前月へ";
inline constexpr std::string_view kRightZoneTip = "ここをダブルクリックすると翌月へ";
inline constexpr std::string_view kBottomZoneTip =
    "ここをダブルクリックすると表示月を現在へ戻します";
inline constexpr std::string_view kTopZoneTip = "ここをダブルクリックすると表示月を選択できます";

// "4/2010" for styleOfMonth 0, "April/2010" otherwise.
std::string MonthTitle(int year, int month, int styleOfMonth);

// "0:05am", "11:59pm" for time12or24 12, else "7:05".
std::string ClockText(int hour, int minute, int time12or24);

// The time that starts a task's tooltip line: empty for a task without time,
// else "09:05 am ", "00:30 pm " or "21:30 ", each ending with a blank.
std::string TaskTimeText(const CTaskTime& task, int time12or24);

// A day's tooltip: "・"-led lines joined by "\r\n" for today, the holiday,
// the special day and each task given, in that order. Empty when none applies.
std::string DayTooltipText(const DayRecord& day, bool isToday,
                           const std::vector<const CTaskTime*>& tasks, int time12or24);

}  // namespace vesm
