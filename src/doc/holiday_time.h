// A holiday or special-day rule: a fixed date or the n-th (5 = last) weekday
// of a month, with the concrete date it falls on near the shown months.
#pragma once

#include <string>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/file_text.h"

namespace vesm {

struct CHolidayTime : DayRecord {
    int kind = 0;          // 1 holiday rule, 2 special-day rule, 0 accepted when read
    int month = 0;         // 1..12
    int dayOrOrdinal = 0;  // day of month when weekday is 0, else ordinal 1..5
    int weekday = 0;       // 0 fixed date, 1..7 Sunday..Saturday
    std::string name;
    FileText nameAsRead{};  // the name as the settings file had it

    // Stores the fields and computes the concrete date: the rule's day in the
    // twelve months that begin with the reference date's month. A fixed day
    // past the month's end rolls over (29 February in a common year is
    // 1 March); ordinal 5 is the last such weekday of the month.
    void Set(DateTime reference, int month, int dayOrOrdinal, int kind, int weekday,
             std::string name);
};

}  // namespace vesm
