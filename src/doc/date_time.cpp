#include "doc/date_time.h"

#include <ctime>

namespace vesm {

namespace {

// The C runtime's 64-bit local-time conversions, both ways.
bool ToLocal(std::int64_t seconds, std::tm& out) {
#if defined(_WIN32)
    __time64_t value = seconds;
    return _localtime64_s(&out, &value) == 0;
#else
    std::time_t value = static_cast<std::time_t>(seconds);
    return localtime_r(&value, &out) != nullptr;
#endif
}

std::int64_t FromLocal(std::tm& fields) {
    fields.tm_isdst = -1;  // let the platform decide daylight saving
#if defined(_WIN32)
    return _mktime64(&fields);
#else
    return std::mktime(&fields);
#endif
}

std::tm ToTm(int year, int month, int day, int hour, int minute, int second) {
    std::tm fields{};
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    return fields;
}

}  // namespace

std::optional<DateTime> DateTime::Build(int year, int month, int day, int hour, int minute,
                                        int second) {
    if (year < 1900 || year > kLastConvertibleYear || month < 1 || month > 12 || day < 1 ||
        day > 31 || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 ||
        second > 59) {
        return std::nullopt;
    }
    std::tm fields = ToTm(year, month, day, hour, minute, second);
    std::int64_t seconds = FromLocal(fields);
    if (seconds < 0) {
        return std::nullopt;
    }
    return DateTime(seconds);
}

DateFields DateTime::Fields() const {
    std::tm local{};
    if (!ToLocal(seconds_, local)) {
        return {};
    }
    return DateFields{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,    local.tm_hour,
                      local.tm_min,         local.tm_sec,     local.tm_wday + 1};
}

DateTime DateTime::MidnightDaysAway(int n) const {
    DateFields f = Fields();
    std::tm fields = ToTm(f.year, f.month, f.day + n, 0, 0, 0);
    return DateTime(FromLocal(fields));
}

DateTime NoDayDate() {
    return DateTime::Build(1975, 1, 1).value_or(DateTime());
}

bool IsLeapYear(int year) {
    return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
}

int FebruaryLength(int year) {
    return IsLeapYear(year) ? 29 : 28;
}

int MonthLength(int year, int month) {
    switch (month) {
        case 2:
            return FebruaryLength(year);
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        default:
            return 31;
    }
}

int WeekRow(int day, int weekday) {
    int offset = day - weekday;
    if (offset <= 0) {
        return 1;
    }
    return offset % 7 != 0 ? offset / 7 + 2 : offset / 7 + 1;
}

std::int64_t CalendarDayKey(const DateFields& fields) {
    return std::int64_t{fields.year} * 10000 + fields.month * 100 + fields.day;
}

}  // namespace vesm
