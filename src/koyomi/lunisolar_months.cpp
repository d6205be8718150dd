#include "koyomi/lunisolar_months.h"

#include "koyomi/japan_day.h"
#include "koyomi/new_moon.h"
#include "koyomi/solar_terms.h"

namespace vesm {
namespace {

int NewMoonDay(int lunation) {
    return JapanDayOf(NewMoonMoment(lunation));
}

// The new moon that starts the month holding `day`.
int LunationStartingMonthOf(int day) {
    int lunation = LunationNear(day);
    while (NewMoonDay(lunation) > day) --lunation;
    while (NewMoonDay(lunation + 1) <= day) ++lunation;
    return lunation;
}

// The first days of the months from the one holding `solstice` to the one
// holding `nextSolstice`, both included.
std::vector<int> MonthFirstDays(int solstice, int nextSolstice) {
    std::vector<int> firstDays;
    for (int lunation = LunationStartingMonthOf(solstice);; ++lunation) {
        const int day = NewMoonDay(lunation);
        if (day > nextSolstice) return firstDays;
        firstDays.push_back(day);
    }
}

bool HoldsPrincipalTerm(int firstDay, int nextFirstDay, int year, TermDays& terms) {
    for (int term = 0; term < kSolarTermCount; term += 2) {
        const int day = terms.Day(year, term);
        if (day >= firstDay && day < nextFirstDay) return true;
    }
    return false;
}

}  // namespace

// Months are counted on from the 11th, the one holding 冬至, to the next one
// holding 冬至. Twelve months between them take the numbers in turn; when there
// are thirteen, the first month holding no principal term is the leap month and
// repeats the number before it. Naming each month by the principal term it
// holds fails where one month holds two and others none (late 2033: the month
// from 2033-12-22 holds none); counting gives it 閏11月, as the almanacs
// published in Japan do.
std::vector<LunarMonthStart> MonthsFromWinterSolstice(int year, TermDays& terms) {
    const std::vector<int> firstDays =
        MonthFirstDays(terms.Day(year, kWinterSolstice), terms.Day(year + 1, kWinterSolstice));
    // The first days include the next run's 11th month.
    const bool hasLeapMonth = firstDays.size() - 1 == 13;
    bool leapPlaced = false;
    std::vector<LunarMonthStart> months;
    months.push_back({firstDays.front(), 11, false});
    for (std::size_t i = 1; i < firstDays.size(); ++i) {
        const bool last = i + 1 == firstDays.size();
        const bool leap = hasLeapMonth && !leapPlaced && !last &&
                          !HoldsPrincipalTerm(firstDays[i], firstDays[i + 1], year + 1, terms);
        const int previous = months.back().month;
        months.push_back({firstDays[i], leap ? previous : previous % 12 + 1, leap});
        leapPlaced = leapPlaced || leap;
    }
    return months;
}

}  // namespace vesm
