#include "doc/holiday_engine.h"

#include <cstddef>
#include <cstdint>

namespace vesm {

namespace {

constexpr int kSunday = 1;
constexpr int kSaturday = 7;

// When the holiday law brought in its derived days, and when it widened them:
// a Sunday holiday's substitute came from 12 April 1973, the day between two
// holidays from 27 December 1985, and from 2007 the substitute moves past
// further holidays and a day between two holidays may be any day.
constexpr int kSubstitutesFrom = 19730412;
constexpr int kDaysBetweenFrom = 19851227;
constexpr int kWiderDerivedDaysFrom = 20070101;

// Weekday (1..7) of the day `offset` days away from a day with weekday `weekday`.
int ShiftWeekday(int weekday, int offset) {
    return ((weekday - 1 + offset) % 7 + 7) % 7 + 1;
}

DateFields NextCalendarDay(DateFields day) {
    day.weekday = ShiftWeekday(day.weekday, 1);
    if (++day.day > MonthLength(day.year, day.month)) {
        day.day = 1;
        if (++day.month > 12) {
            day.month = 1;
            ++day.year;
        }
    }
    return day;
}

bool SameCalendarDay(const DateFields& a, const DateFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The first moment of the calendar day `day`, trying the cheap guess first: a
// day later than the previous midnight is right except across a
// daylight-saving change or a skipped date.
DateTime LocalMidnight(DateTime guess, const DateFields& day) {
    DateFields fields = guess.Fields();
    if (SameCalendarDay(fields, day) && fields.hour == 0 && fields.minute == 0 &&
        fields.second == 0) {
        return guess;
    }
    // Where the clock skips midnight the day begins at a later hour.
    for (int hour = 0; hour < 3; ++hour) {
        auto first = DateTime::Build(day.year, day.month, day.day, hour);
        if (first && SameCalendarDay(first->Fields(), day)) return *first;
    }
    return guess;
}

// Pass 1: fresh records with their dates. Calendar fields are walked
// arithmetically and kept for the later passes, so the local-time conversion
// runs once per record.
std::vector<DateFields> AssignDates(std::vector<DayRecord>& days, DateTime start) {
    std::vector<DateFields> calendar(days.size());
    DateFields day = start.Fields();
    DateTime midnight = start;
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (i > 0) {
            day = NextCalendarDay(day);
            midnight = LocalMidnight(midnight + TimeSpan::Days(1), day);
        }
        days[i] = DayRecord{};
        days[i].date = midnight;
        calendar[i] = day;
    }
    return calendar;
}

void MarkHoliday(DayRecord& record, const std::string& name) {
    record.holidayFlag = 1;
    record.holidayName = name;
}

void MarkRuleHolidays(std::vector<DayRecord>& days, const std::vector<DateFields>& calendar,
                      const std::vector<CHolidayTime>& rules) {
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (auto name = FindDayRule(rules, calendar[i])) {
            MarkHoliday(days[i], *name);
        }
    }
}

void MarkEquinoxDays(std::vector<DayRecord>& days, const std::vector<DateFields>& calendar) {
    const std::string vernal = kVernalEquinoxName;
    const std::string autumnal = kAutumnalEquinoxName;
    for (std::size_t i = 0; i < days.size(); ++i) {
        const DateFields& day = calendar[i];
        if (day.month == 3 && day.day == VernalEquinoxDay(day.year)) {
            MarkHoliday(days[i], vernal);
        } else if (day.month == 9 && day.day == AutumnalEquinoxDay(day.year)) {
            MarkHoliday(days[i], autumnal);
        }
    }
}

void MarkSpecialDays(std::vector<DayRecord>& days, const std::vector<DateFields>& calendar,
                     const std::vector<CHolidayTime>& rules) {
    for (std::size_t i = 0; i < days.size(); ++i) {
        if (auto name = FindDayRule(rules, calendar[i])) {
            days[i].specialDayFlag = 2;
            days[i].specialDayName = *name;
        }
    }
}

// The first and last two records are never a source or subject of the derived
// passes; the table reaches a month beyond the shown months on each side.
constexpr std::ptrdiff_t kEdge = 2;

void MarkSubstituteHolidays(std::vector<DayRecord>& days, const std::vector<DateFields>& calendar,
                            const Settings& settings) {
    const std::string name = kSubstituteHolidayName;
    const auto count = static_cast<std::ptrdiff_t>(days.size());
    for (std::ptrdiff_t i = kEdge; i < count - kEdge; ++i) {
        if (days[i].holidayFlag != 1) continue;
        int weekday = calendar[i].weekday;
        if (weekday == kSunday && settings.fallsOnSun == 1) {
            const std::int64_t key = CalendarDayKey(calendar[i]);
            if (key < kSubstitutesFrom) continue;
            // Until 2006 only the Monday itself could become the substitute.
            const std::ptrdiff_t last = key < kWiderDerivedDaysFrom ? i + 1 : count - 1;
            for (std::ptrdiff_t j = i + 1; j <= last; ++j) {
                if (days[j].holidayFlag != 1) {
                    MarkHoliday(days[j], name);
                    break;
                }
            }
        } else if (weekday == kSaturday && settings.fallsOnSat == 1) {
            MarkHoliday(days[i + 2], name);
        } else if (weekday == kSaturday && settings.fallsOnSat == 2) {
            MarkHoliday(days[i - 1], name);
        }
    }
}

void MarkDaysBetweenHolidays(std::vector<DayRecord>& days,
                             const std::vector<DateFields>& calendar) {
    const std::string name = kBetweenHolidaysName;
    const auto count = static_cast<std::ptrdiff_t>(days.size());
    for (std::ptrdiff_t i = kEdge; i < count - kEdge; ++i) {
        const std::int64_t key = CalendarDayKey(calendar[i]);
        if (key < kDaysBetweenFrom) continue;
        const bool sundayExcluded = key < kWiderDerivedDaysFrom;
        if (days[i - 1].holidayFlag == 1 && days[i + 1].holidayFlag == 1 &&
            !(sundayExcluded && calendar[i].weekday == kSunday) && days[i].holidayFlag != 1) {
            MarkHoliday(days[i], name);
        }
    }
}

}  // namespace

int VernalEquinoxDay(int year) {
    int steps = year - 1980;
    return (steps * 242194 + 20843100) / 1000000 - steps / 4;
}

int AutumnalEquinoxDay(int year) {
    int steps = year - 1980;
    return (steps * 242194 + 23248800) / 1000000 - steps / 4;
}

bool RuleFallsOn(const CHolidayTime& rule, const DateFields& date) {
    if (rule.month != date.month || !rule.AppliesIn(date.year)) return false;
    int w = rule.weekday;
    if (w == 0) return rule.dayOrOrdinal == date.day;
    if (w < 1 || w > 7) return false;
    if (rule.dayOrOrdinal == 5) {
        int last = MonthLength(date.year, date.month);
        int v = ShiftWeekday(date.weekday, last - date.day);
        return date.day == (v < w ? last + w - v - 7 : last + w - v);
    }
    if (rule.dayOrOrdinal < 1 || rule.dayOrOrdinal > 4) return false;
    int v = ShiftWeekday(date.weekday, 1 - date.day);
    int first = w < v ? w - v + 8 : w - v + 1;
    return date.day == rule.dayOrOrdinal * 7 + first - 7;
}

std::optional<std::string> FindDayRule(const std::vector<CHolidayTime>& rules,
                                       const DateFields& date) {
    for (const CHolidayTime& rule : rules) {
        if (RuleFallsOn(rule, date)) return rule.name;
    }
    return std::nullopt;
}

void ComputeHolidays(std::vector<DayRecord>& days, DateTime start, const HolidayInputs& inputs) {
    std::vector<DateFields> calendar = AssignDates(days, start);
    MarkRuleHolidays(days, calendar, inputs.holidays);
    if (inputs.settings.equinoxBool) MarkEquinoxDays(days, calendar);
    MarkSpecialDays(days, calendar, inputs.specialDays);
    MarkSubstituteHolidays(days, calendar, inputs.settings);
    if (inputs.settings.betweenBool) MarkDaysBetweenHolidays(days, calendar);
}

}  // namespace vesm
