#include "doc/day_table.h"

namespace vesm {

namespace {

struct MonthOf {
    int year;
    int month;
};

MonthOf ShiftMonth(int year, int month, int offset) {
    int index = year * 12 + (month - 1) + offset;
    int shiftedYear = index >= 0 ? index / 12 : (index - 11) / 12;
    return {shiftedYear, index - shiftedYear * 12 + 1};
}

// Days since 1970-01-01 of a proleptic Gregorian date; counting calendar days
// this way stays exact where local days are 23 or 25 hours long.
long long DaysFromCivil(int year, int month, int day) {
    year -= month <= 2;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

bool InsideInset(const Rect& cell, int x, int y) {
    return cell.left + 1 < x && x < cell.right - 1 && cell.top + 1 < y && y < cell.bottom - 1;
}

}  // namespace

std::optional<DayTableRange> ComputeDayTableRange(DateTime displayDate, int numOfPast,
                                                  int numOfMonth) {
    const DateFields shown = displayDate.Fields();
    const int shownMonths = numOfMonth == 0 ? 12 : numOfMonth;
    const MonthOf first = ShiftMonth(shown.year, shown.month, -numOfPast);
    const MonthOf before = ShiftMonth(first.year, first.month, -1);
    const MonthOf last = ShiftMonth(first.year, first.month, shownMonths - 1);
    const MonthOf after = ShiftMonth(last.year, last.month, 1);
    const int lastDay = MonthLength(last.year, last.month);
    const int endDay = MonthLength(after.year, after.month);

    auto start = DateTime::Build(before.year, before.month, 1);
    auto firstShown = DateTime::Build(first.year, first.month, 1);
    auto lastShown = DateTime::Build(last.year, last.month, lastDay);
    auto end = DateTime::Build(after.year, after.month, endDay);
    if (!start || !firstShown || !lastShown || !end) return std::nullopt;

    const long long count = DaysFromCivil(after.year, after.month, endDay) -
                            DaysFromCivil(before.year, before.month, 1);
    return DayTableRange{*firstShown, *lastShown, *start, *end, static_cast<int>(count)};
}

DayRecord DayAtPoint(const std::vector<DayRecord>& days, int x, int y) {
    for (const DayRecord& day : days) {
        if (InsideInset(day.cell, x, y)) return day;
    }
    DayRecord none;
    none.date = NoDayDate();
    return none;
}

}  // namespace vesm
