// One day of the day table, and the base of a holiday or special-day rule.
#pragma once

#include <string>

#include "doc/date_time.h"

namespace vesm {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct DayRecord {
    DateTime date;
    int holidayFlag = 0;
    int specialDayFlag = 0;
    std::string holidayName;
    std::string specialDayName;
    Rect cell;  // where the view drew this day, for hit tests
};

}  // namespace vesm
