#include "ical/ical_time.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

#include "doc/date_time.h"
#include "ical/ical_text.h"
#include "koyomi/day_number.h"

namespace vesm::ical {

namespace {

constexpr std::int64_t kDay = 86400;
constexpr int kUnixEpochDay = 2440588;  // the day number of 1970-01-01
constexpr std::array<const char*, 7> kWeekdayCodes = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

bool Valid(const CivilTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= MonthLength(t.year, t.month) &&
           t.hour <= 23 && t.minute <= 59 && t.second <= 60;
}

std::optional<int> ParseOffset(std::string_view text) {
    if (text.size() != 5 && text.size() != 7) return std::nullopt;
    if (text[0] != '+' && text[0] != '-') return std::nullopt;
    auto hours = Digits(text.substr(1, 2));
    auto minutes = Digits(text.substr(3, 2));
    auto seconds = text.size() == 7 ? Digits(text.substr(5, 2)) : std::optional<int>(0);
    if (!hours || !minutes || !seconds) return std::nullopt;
    const int value = *hours * 3600 + *minutes * 60 + *seconds;
    return text[0] == '-' ? -value : value;
}

std::optional<Observance> ReadObservance(const Component& part) {
    const Property* start = part.Find("DTSTART");
    const Property* to = part.Find("TZOFFSETTO");
    if (!start || !to) return std::nullopt;
    std::optional<IcalTime> time = ParseTimeProperty(*start);
    std::optional<int> offset = ParseOffset(to->value);
    if (!time || !offset) return std::nullopt;
    Observance observance{time->civil, *offset, time->civil.month, std::nullopt, false, 0};
    if (const Property* rule = part.Find("RRULE")) {
        auto parts = ParseRuleParts(rule->value);
        observance.yearly = parts["FREQ"] == "YEARLY";
        if (auto month = Digits(parts["BYMONTH"])) observance.byMonth = *month;
        observance.byDay = ParseWeekdayItem(parts["BYDAY"]);
        if (auto until = Digits(parts["UNTIL"].substr(0, 4))) observance.untilYear = *until;
    }
    return observance;
}

// The wall-clock second at which the observance begins in a year, if it does.
std::optional<std::int64_t> OnsetIn(const Observance& o, int year) {
    if (year < o.start.year || (!o.yearly && year != o.start.year)) return std::nullopt;
    if (o.untilYear != 0 && year > o.untilYear) return std::nullopt;
    CivilTime onset = o.start;
    onset.year = year;
    if (o.yearly) {
        onset.month = o.byMonth >= 1 && o.byMonth <= 12 ? o.byMonth : o.start.month;
        onset.day = o.byDay ? NthWeekdayDay(year, onset.month, o.byDay->ordinal, o.byDay->weekday)
                            : std::min(o.start.day, MonthLength(year, onset.month));
        if (onset.day == 0) return std::nullopt;
    }
    return SecondsOfCivil(onset);
}

std::optional<int> OffsetAt(const std::vector<Observance>& zone, const CivilTime& local) {
    const std::int64_t wall = SecondsOfCivil(local);
    std::optional<std::int64_t> latest;
    std::optional<int> offset;
    std::optional<int> earliestOffset;
    std::optional<std::int64_t> earliest;
    for (const Observance& o : zone) {
        for (int year : {local.year - 1, local.year}) {
            std::optional<std::int64_t> onset = OnsetIn(o, year);
            if (onset && *onset <= wall && (!latest || *onset > *latest)) {
                latest = onset;
                offset = o.offsetTo;
            }
        }
        const std::int64_t first = SecondsOfCivil(o.start);
        if (!earliest || first < *earliest) {
            earliest = first;
            earliestOffset = o.offsetTo;
        }
    }
    return offset ? offset : earliestOffset;
}

}  // namespace

// Nine digits at most: no field of a calendar needs more, and more could overflow.
std::optional<int> Digits(std::string_view text) {
    int value = 0;
    if (text.empty() || text.size() > 9) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::int64_t SecondsOfCivil(const CivilTime& c) {
    const std::int64_t days = DayNumberOf(c.year, c.month, c.day) - kUnixEpochDay;
    return days * kDay + c.hour * 3600 + c.minute * 60 + c.second;
}

CivilTime CivilOfSeconds(std::int64_t seconds) {
    std::int64_t days = seconds / kDay;
    std::int64_t rest = seconds % kDay;
    if (rest < 0) {
        rest += kDay;
        --days;
    }
    const CivilDate date = CivilDateOf(static_cast<int>(days + kUnixEpochDay));
    return {date.year,
            date.month,
            date.day,
            static_cast<int>(rest / 3600),
            static_cast<int>(rest / 60 % 60),
            static_cast<int>(rest % 60)};
}

int WeekdayOfCivil(int year, int month, int day) {
    return WeekdayOf(DayNumberOf(year, month, day));
}

int NthWeekdayDay(int year, int month, int ordinal, int weekday) {
    const int length = MonthLength(year, month);
    if (ordinal > 0) {
        const int first = (weekday - WeekdayOfCivil(year, month, 1) + 7) % 7 + 1;
        const int day = first + (ordinal - 1) * 7;
        return day <= length ? day : 0;
    }
    if (ordinal < 0) {
        const int last = length - (WeekdayOfCivil(year, month, length) - weekday + 7) % 7;
        const int day = last + (ordinal + 1) * 7;
        return day >= 1 ? day : 0;
    }
    return 0;
}

std::optional<IcalTime> ParseTimeProperty(const Property& property) {
    std::string_view v = property.value;
    IcalTime time;
    auto year = v.size() >= 8 ? Digits(v.substr(0, 4)) : std::nullopt;
    auto month = v.size() >= 8 ? Digits(v.substr(4, 2)) : std::nullopt;
    auto day = v.size() >= 8 ? Digits(v.substr(6, 2)) : std::nullopt;
    if (!year || !month || !day) return std::nullopt;
    time.civil = CivilTime{*year, *month, *day};
    if (v.size() == 8) {
        time.dateOnly = true;
    } else {
        const bool utc = v.size() == 16 && v[15] == 'Z';
        if ((v.size() != 15 && !utc) || v[8] != 'T') return std::nullopt;
        auto hour = Digits(v.substr(9, 2));
        auto minute = Digits(v.substr(11, 2));
        auto second = Digits(v.substr(13, 2));
        if (!hour || !minute || !second) return std::nullopt;
        time.civil.hour = *hour;
        time.civil.minute = *minute;
        time.civil.second = *second;
        std::optional<std::string> tzid = property.Param("TZID");
        time.zone = utc ? ZoneKind::Utc : tzid ? ZoneKind::Named : ZoneKind::Floating;
        if (tzid && !utc) time.tzid = *tzid;
    }
    if (!Valid(time.civil)) return std::nullopt;
    return time;
}

std::optional<std::int64_t> ParseDuration(std::string_view text) {
    int sign = 1;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        sign = text[0] == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    if (text.size() < 3 || text[0] != 'P') return std::nullopt;
    text.remove_prefix(1);
    std::int64_t total = 0;
    bool inTime = false;
    bool any = false;
    while (!text.empty()) {
        if (text[0] == 'T') {
            if (inTime) return std::nullopt;
            inTime = true;
            text.remove_prefix(1);
            continue;
        }
        std::int64_t n = 0;
        auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
        if (error != std::errc() || end == text.data() + text.size() || n < 0 || n > 1000000) {
            return std::nullopt;
        }
        const char unit = *end;
        text.remove_prefix(static_cast<std::size_t>(end - text.data()) + 1);
        const std::int64_t scale = !inTime && unit == 'W'   ? 7 * kDay
                                   : !inTime && unit == 'D' ? kDay
                                   : inTime && unit == 'H'  ? 3600
                                   : inTime && unit == 'M'  ? 60
                                   : inTime && unit == 'S'  ? 1
                                                            : 0;
        if (scale == 0) return std::nullopt;
        total += n * scale;
        any = true;
    }
    if (!any) return std::nullopt;
    return sign * total;
}

std::map<std::string, std::string> ParseRuleParts(std::string_view value) {
    std::map<std::string, std::string> parts;
    while (!value.empty()) {
        std::size_t end = value.find(';');
        std::string_view part = value.substr(0, end);
        value.remove_prefix(end == std::string_view::npos ? value.size() : end + 1);
        std::size_t equals = part.find('=');
        if (equals == std::string_view::npos) return {};
        parts[Upper(part.substr(0, equals))] = std::string(part.substr(equals + 1));
    }
    return parts;
}

std::optional<WeekdayItem> ParseWeekdayItem(std::string_view text) {
    if (text.size() < 2) return std::nullopt;
    std::string_view code = text.substr(text.size() - 2);
    std::string_view number = text.substr(0, text.size() - 2);
    WeekdayItem item;
    for (int i = 0; i < 7; ++i) {
        if (code == kWeekdayCodes[static_cast<std::size_t>(i)]) item.weekday = i;
    }
    if (code != kWeekdayCodes[static_cast<std::size_t>(item.weekday)]) return std::nullopt;
    if (number.empty()) return item;
    const bool negative = number[0] == '-';
    if (negative || number[0] == '+') number.remove_prefix(1);
    std::optional<int> n = number.size() <= 2 ? Digits(number) : std::nullopt;
    if (!n || *n < 1 || *n > 5) return std::nullopt;
    item.ordinal = negative ? -*n : *n;
    return item;
}

std::string WeekdayCode(int weekday) {
    return kWeekdayCodes[static_cast<std::size_t>(weekday % 7)];
}

ZoneTable::ZoneTable(const Component& calendar) {
    for (const Component& child : calendar.children) {
        const Property* id = child.name == "VTIMEZONE" ? child.Find("TZID") : nullptr;
        if (!id) continue;
        std::vector<Observance>& zone = zones_[id->value];
        zone.clear();  // a later definition of the same zone replaces the earlier
        for (const Component& part : child.children) {
            if (std::optional<Observance> o = ReadObservance(part)) zone.push_back(*o);
        }
    }
}

std::optional<std::int64_t> ZoneTable::ToUtc(const CivilTime& local,
                                             const std::string& tzid) const {
    const std::int64_t wall = SecondsOfCivil(local);
    if (auto zone = zones_.find(tzid); zone != zones_.end()) {
        std::optional<int> offset = OffsetAt(zone->second, local);
        if (offset) return wall - *offset;
    }
    if (tzid == kJapanZone || tzid == "Tokyo Standard Time" || tzid == "Japan") {
        return wall - kJapanOffset;
    }
    if (tzid == "UTC" || tzid == "Etc/UTC" || tzid == "GMT") return wall;
    return std::nullopt;
}

}  // namespace vesm::ical
