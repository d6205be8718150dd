#include <iterator>
#include <string>

#include "koyomi/koyomi.h"

namespace vesm {
namespace {

struct Era {
    const char* name;
    int firstYear, firstMonth, firstDay;
};

// Newest first; the oldest also takes every earlier date.
constexpr Era kEras[] = {
    {"令和", 2019, 5, 1},  {"平成", 1989, 1, 8}, {"昭和", 1926, 12, 25},
    {"大正", 1912, 7, 30}, {"明治", 1868, 1, 1},
};

bool OnOrAfter(int year, int month, int day, const Era& era) {
    if (year != era.firstYear) return year > era.firstYear;
    if (month != era.firstMonth) return month > era.firstMonth;
    return day >= era.firstDay;
}

}  // namespace

EraYear EraOf(int year, int month, int day) {
    const Era* era = std::begin(kEras);
    while (era + 1 != std::end(kEras) && !OnOrAfter(year, month, day, *era)) ++era;
    return {era->name, year - era->firstYear + 1};
}

std::string EraYearText(const EraYear& e) {
    return std::string(e.era) + (e.year == 1 ? "元" : std::to_string(e.year));
}

}  // namespace vesm
