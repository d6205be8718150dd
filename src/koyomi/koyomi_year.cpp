#include <array>

#include "koyomi/day_number.h"
#include "koyomi/koyomi.h"
#include "koyomi/lunisolar_months.h"
#include "koyomi/solar_terms.h"

namespace vesm {
namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2099;

// The months that cover the Gregorian year: from the one holding the previous
// year's 冬至 to one that starts after this year's end.
std::vector<LunarMonthStart> MonthsCovering(int year, TermDays& terms) {
    std::vector<LunarMonthStart> months = MonthsFromWinterSolstice(year - 1, terms);
    months.pop_back();  // the same month starts the next run
    const std::vector<LunarMonthStart> next = MonthsFromWinterSolstice(year, terms);
    months.insert(months.end(), next.begin(), next.end());
    return months;
}

Rokuyo RokuyoOf(const LunarDate& date) {
    return static_cast<Rokuyo>((date.month + date.day) % 6);
}

}  // namespace

std::vector<DayKoyomi> KoyomiOfYear(int year) {
    if (year < kFirstYear || year > kLastYear) return {};
    TermDays terms;
    const std::vector<LunarMonthStart> months = MonthsCovering(year, terms);
    std::array<int, kSolarTermCount> termDays{};
    for (int term = 0; term < kSolarTermCount; ++term) termDays[term] = terms.Day(year, term);

    const int firstDay = DayNumberOf(year, 1, 1);
    const int endDay = DayNumberOf(year + 1, 1, 1);
    std::vector<DayKoyomi> days;
    days.reserve(endDay - firstDay);
    std::size_t month = 0;
    for (int day = firstDay; day < endDay; ++day) {
        while (months[month + 1].firstDay <= day) ++month;
        DayKoyomi marks;
        marks.lunar = {months[month].month, months[month].leap, day - months[month].firstDay + 1};
        marks.rokuyo = RokuyoOf(marks.lunar);
        for (int term = 0; term < kSolarTermCount; ++term) {
            if (termDays[term] == day) marks.solarTerm = term;
        }
        days.push_back(marks);
    }
    return days;
}

}  // namespace vesm
