#include "koyomi/day_number.h"

namespace vesm {
namespace {

// Julian day number of 1970-01-01, a Thursday.
constexpr int kUnixEpochDay = 2440588;

// Years counted from 1 March, so the leap day ends a year (Hinnant's civil algorithms).
int FloorDiv(int a, int b) {
    return (a >= 0 ? a : a - b + 1) / b;
}

}  // namespace

int DayNumberOf(int year, int month, int day) {
    const int y = year - (month <= 2 ? 1 : 0);
    const int era = FloorDiv(y, 400);
    const int yearOfEra = y - era * 400;
    const int monthFromMarch = (month + 9) % 12;
    const int dayOfYear = (153 * monthFromMarch + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468 + kUnixEpochDay;
}

CivilDate CivilDateOf(int dayNumber) {
    const int z = dayNumber - kUnixEpochDay + 719468;
    const int era = FloorDiv(z, 146097);
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int monthFromMarch = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    date.month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

int WeekdayOf(int dayNumber) {
    return (dayNumber + 1) % 7;
}

}  // namespace vesm
