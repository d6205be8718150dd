#include "doc/list_fields.h"

#include "doc/date_time.h"

namespace vesm {

std::vector<std::string_view> SplitListFields(std::string_view value) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        std::size_t separator = value.find(kFieldSeparator, start);
        if (separator == std::string_view::npos) {
            fields.push_back(value.substr(start));
            return fields;
        }
        fields.push_back(value.substr(start, separator - start));
        start = separator + 1;
    }
}

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
