// One date-time value for the whole calendar: seconds since 1970-01-01 00:00 UTC,
// whose calendar fields are always read and built in local time.
#pragma once

#include <compare>
#include <cstdint>
#include <optional>

namespace vesm {

struct DateFields {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int weekday = 0;  // 1 = Sunday .. 7 = Saturday
};

class TimeSpan {
public:
    constexpr TimeSpan() = default;
    constexpr explicit TimeSpan(std::int64_t seconds) : seconds_(seconds) {}
    static constexpr TimeSpan Days(std::int64_t n) { return TimeSpan(n * 86400); }
    static constexpr TimeSpan Minutes(std::int64_t n) { return TimeSpan(n * 60); }

    constexpr std::int64_t Seconds() const { return seconds_; }
    // Whole units truncate toward zero: -1 s is 0 days, not -1.
    constexpr std::int64_t WholeDays() const { return seconds_ / 86400; }
    constexpr std::int64_t WholeHours() const { return seconds_ / 3600; }
    constexpr std::int64_t WholeMinutes() const { return seconds_ / 60; }
    constexpr std::int64_t HoursOfDay() const { return WholeHours() - WholeDays() * 24; }
    constexpr std::int64_t MinutesOfHour() const { return WholeMinutes() - WholeHours() * 60; }

    constexpr auto operator<=>(const TimeSpan&) const = default;

private:
    std::int64_t seconds_ = 0;
};

class DateTime {
public:
    constexpr DateTime() = default;
    constexpr explicit DateTime(std::int64_t seconds) : seconds_(seconds) {}

    // The local date-time of these fields, or nothing when a field is out of
    // range (year 1900..kLastConvertibleYear, month 1..12, day 1..31, hour 0..23, minute and
    // second 0..59) or the result lies before 1970-01-01 00:00 UTC. A day past
    // the month's end rolls over (31 April is 1 May).
    static std::optional<DateTime> Build(int year, int month, int day, int hour = 0, int minute = 0,
                                         int second = 0);

    DateFields Fields() const;
    int Year() const { return Fields().year; }
    int Month() const { return Fields().month; }
    int Day() const { return Fields().day; }
    int Weekday() const { return Fields().weekday; }

    // Local midnight of the calendar day n days away. Unlike adding n x 86400 s,
    // this never repeats or skips a date across a daylight-saving change.
    DateTime MidnightDaysAway(int n) const;

    constexpr std::int64_t Seconds() const { return seconds_; }
    constexpr DateTime operator+(TimeSpan span) const {
        return DateTime(seconds_ + span.Seconds());
    }
    constexpr DateTime operator-(TimeSpan span) const {
        return DateTime(seconds_ - span.Seconds());
    }
    constexpr TimeSpan operator-(DateTime other) const {
        return TimeSpan(seconds_ - other.seconds_);
    }
    constexpr auto operator<=>(const DateTime&) const = default;

private:
    std::int64_t seconds_ = 0;
};

// The last year whose dates every platform's local-time conversion reaches;
// Build refuses later years everywhere, as Windows does.
inline constexpr int kLastConvertibleYear = 3000;

// 1975-01-01 00:00:00 local time: no particular day, all tasks, or no alarm.
DateTime NoDayDate();

bool IsLeapYear(int year);
int FebruaryLength(int year);
int MonthLength(int year, int month);
// 1-based row of a day in a month grid whose weeks begin on Sunday.
int WeekRow(int day, int weekday);
// year x 10000 + month x 100 + day, for comparing by calendar day; wide
// enough for any year a date can carry.
std::int64_t CalendarDayKey(const DateFields& fields);

}  // namespace vesm
