#include "doc/holiday_time.h"

#include <utility>

namespace vesm {

namespace {

int WeekdayOf(int year, int month, int day) {
    return DateTime::Build(year, month, day).value_or(DateTime()).Weekday();
}

int LastWeekdayOfMonth(int year, int month, int weekday) {
    int lastDay = MonthLength(year, month);
    int lastWeekday = WeekdayOf(year, month, lastDay);
    return lastWeekday < weekday ? lastDay + weekday - lastWeekday - 7
                                 : lastDay + weekday - lastWeekday;
}

int NthWeekdayOfMonth(int year, int month, int weekday, int ordinal) {
    int firstWeekday = WeekdayOf(year, month, 1);
    int first = weekday < firstWeekday ? weekday - firstWeekday + 8 : weekday - firstWeekday + 1;
    return ordinal * 7 + first - 7;
}

int DayOfRule(int year, int month, int dayOrOrdinal, int weekday) {
    if (weekday == 0) return dayOrOrdinal;
    if (dayOrOrdinal == kLastOrdinal) return LastWeekdayOfMonth(year, month, weekday);
    return NthWeekdayOfMonth(year, month, weekday, dayOrOrdinal);
}

}  // namespace

void CHolidayTime::Set(DateTime reference, int month, int dayOrOrdinal, int kind, int weekday,
                       std::string name) {
    this->kind = kind;
    this->month = month;
    this->dayOrOrdinal = dayOrOrdinal;
    this->weekday = weekday;
    this->name = std::move(name);
    holidayFlag = kind;
    holidayName = this->name;
    DateFields from = reference.Fields();
    int year = month < from.month ? from.year + 1 : from.year;
    date = DateTime::Build(year, month, DayOfRule(year, month, dayOrOrdinal, weekday))
               .value_or(DateTime());
}

}  // namespace vesm
