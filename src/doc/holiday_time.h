// A holiday or special-day rule: a fixed date or the n-th (5 = last) weekday
// of a month, optionally limited to a range of years, with the concrete date
// it falls on near the shown months.
#pragma once

#include <string>

#include "doc/date_time.h"
#include "doc/day_record.h"

namespace vesm {

inline constexpr int kAnyYear = 0;      // an open end of a rule's year range
inline constexpr int kLastOrdinal = 5;  // a rule's ordinal for the last weekday of the month

struct CHolidayTime : DayRecord {
    int kind = 0;          // 1 holiday rule, 2 special-day rule, 0 accepted when read
    int month = 0;         // 1..12
    int dayOrOrdinal = 0;  // day of month when weekday is 0, else ordinal 1..5
    int weekday = 0;       // 0 fixed date, 1..7 Sunday..Saturday
    std::string name;
    std::string nameAsRead{};  // the name's bytes as the settings file had them
    int firstYear = kAnyYear;  // the rule applies from this year on; kAnyYear: always did
    int lastYear = kAnyYear;   // and up to this year; kAnyYear: with no end

    bool AppliesIn(int year) const {
        return (firstYear == kAnyYear || year >= firstYear) &&
               (lastYear == kAnyYear || year <= lastYear);
    }
    bool HasYearRange() const { return firstYear != kAnyYear || lastYear != kAnyYear; }

    // Stores the fields and computes the concrete date: the rule's day in the
    // twelve months that begin with the reference date's month. A fixed day
    // past the month's end rolls over (29 February in a common year is
    // 1 March); ordinal 5 is the last such weekday of the month. The year
    // range is left as it was.
    void Set(DateTime reference, int month, int dayOrOrdinal, int kind, int weekday,
             std::string name);
};

}  // namespace vesm
