// Classifies the days of the day table: holidays from the rule list, the
// equinox days, substitute holidays and days between two holidays, and the
// special days. Pure functions over the records, the rule lists and settings.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/holiday_time.h"
#include "doc/settings.h"

namespace vesm {

inline constexpr const char* kVernalEquinoxName = "春分の日";
inline constexpr const char* kAutumnalEquinoxName = "秋分の日";
inline constexpr const char* kSubstituteHolidayName = "振替休日";
inline constexpr const char* kBetweenHolidaysName = "国民の休日";

struct HolidayInputs {
    const std::vector<CHolidayTime>& holidays;
    const std::vector<CHolidayTime>& specialDays;
    const Settings& settings;  // equinoxBool, fallsOnSun, fallsOnSat, betweenBool
};

// Day of March / September of the equinox in the given year (valid 1980..2099).
int VernalEquinoxDay(int year);
int AutumnalEquinoxDay(int year);

// Whether the rule marks the calendar day of `date` (year, month, day, weekday):
// the date's year must lie in the rule's year range.
bool RuleFallsOn(const CHolidayTime& rule, const DateFields& date);

// The name of the first rule of the list that falls on the date, if any.
std::optional<std::string> FindDayRule(const std::vector<CHolidayTime>& rules,
                                       const DateFields& date);

// Fills dates, flags and names of every record: record i is the local
// midnight of the calendar day i days after `start` (itself a local midnight).
// fallsOnSun and betweenBool give the derived days as the holiday law had them
// on each day: none before the law brought them in, the narrower forms until
// 2006. fallsOnSat is the user's own rule and holds in every year.
void ComputeHolidays(std::vector<DayRecord>& days, DateTime start, const HolidayInputs& inputs);

}  // namespace vesm
