#include "doc/list_fields.h"

#include "doc/date_time.h"

namespace vesm {

bool IsValidRuleDate(int year, int month, int dayOrOrdinal, int weekday) {
    if (month < 1 || month > 12) return false;
    if (dayOrOrdinal < 1 || dayOrOrdinal > MonthLength(year, month)) return false;
    if (weekday < 0 || weekday > 7) return false;
    return weekday == 0 || dayOrOrdinal <= 5;
}

bool IsValidTime(int hour, int minute, int second) {
    return hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
}

std::string ListText(std::string_view text) {
    std::string safe(text);
    for (char& c : safe) {
        if (c == kFieldSeparator || c == '\r' || c == '\n') c = ' ';
    }
    return safe;
}

}  // namespace vesm
