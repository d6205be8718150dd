// The Japanese calendar's marks of every day, as lines of text for vesm-holidays --koyomi.
#pragma once

#include <cstdio>

namespace vesm {

// One line per day of the years: YYYY-MM-DD, then tab-separated the lunisolar
// month ("閏" before a leap month's number), its day, the 六曜, the solar
// term's name or nothing, the era year ("令和8", "令和元") and the ISO week number.
void PrintKoyomiDays(int fromYear, int toYear, std::FILE* out);

}  // namespace vesm
