// Julian day numbers of Gregorian dates: one integer per calendar day, so
// astronomy moments and dates meet on the same scale.
#pragma once

namespace vesm {

struct CivilDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

int DayNumberOf(int year, int month, int day);
CivilDate CivilDateOf(int dayNumber);

// 0 = Sunday .. 6 = Saturday.
int WeekdayOf(int dayNumber);

}  // namespace vesm
