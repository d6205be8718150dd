// The months of the lunisolar calendar as Japan keeps it.
#pragma once

#include <vector>

#include "koyomi/term_days.h"

namespace vesm {

struct LunarMonthStart {
    int firstDay = 0;  // day number of its new moon's date in Japan
    int month = 0;     // 1..12
    bool leap = false;
};

// The months from the one holding 冬至 of `year` (the 11th) up to and including
// the one holding the next 冬至, which starts the following run.
std::vector<LunarMonthStart> MonthsFromWinterSolstice(int year, TermDays& terms);

}  // namespace vesm
