#include "koyomi/day_number.h"
#include "koyomi/koyomi.h"

namespace vesm {
namespace {

// The Monday that starts ISO week 1 of `year`: the week holding 4 January.
int FirstIsoMonday(int year) {
    const int fourth = DayNumberOf(year, 1, 4);
    const int daysSinceMonday = (WeekdayOf(fourth) + 6) % 7;
    return fourth - daysSinceMonday;
}

}  // namespace

int IsoWeekNumber(int year, int month, int day) {
    const int date = DayNumberOf(year, month, day);
    int weekYear = year;
    if (date >= FirstIsoMonday(year + 1)) {
        ++weekYear;
    } else if (date < FirstIsoMonday(year)) {
        --weekYear;
    }
    return (date - FirstIsoMonday(weekYear)) / 7 + 1;
}

int UsWeekNumber(int year, int month, int day) {
    const int first = DayNumberOf(year, 1, 1);
    const int sundayOnOrBefore = first - WeekdayOf(first);
    return (DayNumberOf(year, month, day) - sundayOnOrBefore) / 7 + 1;
}

}  // namespace vesm
