// Dates, times, durations, recurrence parts and time zones of iCalendar
// values, computed on the proleptic Gregorian calendar without the C runtime,
// so UTC and zone offsets never depend on the machine's zone.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ical/ical_calendar.h"

namespace vesm::ical {

// Japan's zone by its usual name, and its offset from UTC all year round.
inline constexpr const char* kJapanZone = "Asia/Tokyo";
inline constexpr std::int64_t kJapanOffset = 9 * 3600;

// A number of one to nine decimal digits, nothing else: no sign, no blanks.
std::optional<int> Digits(std::string_view text);

struct CivilTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Seconds since 1970-01-01 00:00 of the fields read as UTC, and back. Day
// numbers are int, which reaches about 5.8 million years either way: far past
// any four-digit year a file can give or any date the clock can.
std::int64_t SecondsOfCivil(const CivilTime& civil);
CivilTime CivilOfSeconds(std::int64_t seconds);
// 0 Sunday .. 6 Saturday.
int WeekdayOfCivil(int year, int month, int day);
// The day of the month of the n-th (negative: from the end) weekday, or 0.
int NthWeekdayDay(int year, int month, int ordinal, int weekday);

enum class ZoneKind { Floating, Utc, Named };

struct IcalTime {
    CivilTime civil;
    bool dateOnly = false;
    ZoneKind zone = ZoneKind::Floating;
    std::string tzid;
};

// A DTSTART, DUE or absolute TRIGGER value: DATE (VALUE=DATE or 8 digits) or
// DATE-TIME, with Z for UTC or a TZID parameter.
std::optional<IcalTime> ParseTimeProperty(const Property& property);
// A signed DURATION ("-PT15M", "P1DT2H", "P2W") in seconds.
std::optional<std::int64_t> ParseDuration(std::string_view text);
// An RRULE value as its parts, names upper case; empty when malformed.
std::map<std::string, std::string> ParseRuleParts(std::string_view value);
// A BYDAY item such as "2SU", "-1MO" or "TU" (ordinal 0).
struct WeekdayItem {
    int ordinal = 0;
    int weekday = 0;  // 0 Sunday .. 6 Saturday
};
std::optional<WeekdayItem> ParseWeekdayItem(std::string_view text);
std::string WeekdayCode(int weekday);

// One STANDARD or DAYLIGHT part of a VTIMEZONE.
struct Observance {
    CivilTime start;
    int offsetTo = 0;
    int byMonth = 0;
    std::optional<WeekdayItem> byDay;
    bool yearly = false;
    int untilYear = 0;  // 0: the rule has no end
};

// The zones a file can name: its own VTIMEZONEs, read once, then Japan and UTC
// by their usual names.
class ZoneTable {
public:
    explicit ZoneTable(const Component& calendar);
    // UTC seconds of a wall-clock time in the zone; nothing for an unknown zone.
    std::optional<std::int64_t> ToUtc(const CivilTime& local, const std::string& tzid) const;

private:
    std::map<std::string, std::vector<Observance>> zones_;
};

}  // namespace vesm::ical
