// The extent of the day table around the shown months, and the hit test over
// the cell rectangles the view stores in it.
#pragma once

#include <optional>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"

namespace vesm {

struct DayTableRange {
    DateTime firstShownDay;  // 1st of the first shown month, one month after start
    DateTime lastShownDay;   // last day of the last shown month
    DateTime start;          // 1st of the month before the first shown month
    DateTime end;            // last day of the month after the last shown month; not in the table
    int count = 0;           // calendar days from start to end
    bool operator==(const DayTableRange&) const = default;
};

// The shown months run from the displayed month minus numOfPast for numOfMonth
// months (12 when numOfMonth is 0). Nothing when a bound lies before 1970.
std::optional<DayTableRange> ComputeDayTableRange(DateTime displayDate, int numOfPast,
                                                  int numOfMonth);

// A copy of the first record whose cell holds the point strictly inside a
// one-pixel inset, or a blank record dated with the no-day date.
DayRecord DayAtPoint(const std::vector<DayRecord>& days, int x, int y);

}  // namespace vesm
