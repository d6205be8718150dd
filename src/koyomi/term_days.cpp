#include "koyomi/term_days.h"

#include "koyomi/japan_day.h"
#include "koyomi/solar_terms.h"

namespace vesm {

int TermDays::Day(int year, int term) {
    const int key = year * kSolarTermCount + term;
    auto found = days_.find(key);
    if (found != days_.end()) return found->second;
    const int day = JapanDayOf(SolarTermMoment(year, term));
    days_.emplace(key, day);
    return day;
}

}  // namespace vesm
