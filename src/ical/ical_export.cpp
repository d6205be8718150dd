#include "ical/ical_export.h"

#include <map>
#include <string_view>

#include "ical/ical_text.h"
#include "ical/ical_time.h"

namespace vesm::ical {

namespace {

constexpr int kRuleStartYear = 1980;  // a leap year, so 29 February is a real first day

std::string DateValue(const CivilTime& t) {
    return Printf("%04d%02d%02d", t.year, t.month, t.day);
}

std::string DateTimeValue(const CivilTime& t) {
    return DateValue(t) + Printf("T%02d%02d%02d", t.hour, t.minute, t.second);
}

CivilTime LocalCivil(DateTime time) {
    DateFields f = time.Fields();
    return CivilTime{f.year, f.month, f.day, f.hour, f.minute, f.second};
}

// Whether every task time falls where the local clock runs at UTC+9, so the
// tasks can be written in Japan time exactly; otherwise they are written as
// floating wall-clock times, which is what the settings file holds.
bool LocalClockIsJapan(const std::vector<CTaskTime>& tasks) {
    for (const CTaskTime& task : tasks) {
        if (SecondsOfCivil(LocalCivil(task.taskTime)) - task.taskTime.Seconds() != kJapanOffset) {
            return false;
        }
    }
    return true;
}

// Identical records get the same UID in every export; a repeated identical
// record gets its occurrence number added.
class UidMaker {
public:
    std::string Make(std::string_view key) {
        std::uint64_t hash = 14695981039346656037ull;
        for (char c : key) {
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
        }
        int seen = seen_[hash]++;
        std::string uid = Printf("%016llx", static_cast<unsigned long long>(hash));
        if (seen > 0) uid += "-" + std::to_string(seen);
        return uid + "@vesmira";
    }

private:
    std::map<std::uint64_t, int> seen_;
};

class Writer {
public:
    void Line(std::string_view line) { out_ += FoldLine(line); }
    void Text(std::string_view name, std::string_view text) {
        Line(std::string(name) + ":" + EscapeText(text));
    }
    std::string Take() { return std::move(out_); }

private:
    std::string out_;
};

CivilTime DayOfRule(const CHolidayTime& rule, int year) {
    if (rule.weekday == 0) {
        // A day past the month's end rolls over, as the calendar shows it.
        return CivilOfSeconds(SecondsOfCivil({year, rule.month, rule.dayOrOrdinal}));
    }
    const int ordinal = rule.dayOrOrdinal == kLastOrdinal ? -1 : rule.dayOrOrdinal;
    return {year, rule.month, NthWeekdayDay(year, rule.month, ordinal, rule.weekday - 1)};
}

// The recurrence is read off the rule's day in a leap year, so 29 February
// stays itself; a year range ends it with UNTIL on the last year's last day.
std::string RecurrenceOfRule(const CHolidayTime& rule) {
    const CivilTime day = DayOfRule(rule, kRuleStartYear);
    std::string value = "FREQ=YEARLY;BYMONTH=" + std::to_string(day.month);
    if (rule.weekday == 0) {
        value += ";BYMONTHDAY=" + std::to_string(day.day);
    } else {
        const int ordinal = rule.dayOrOrdinal == kLastOrdinal ? -1 : rule.dayOrOrdinal;
        value += ";BYDAY=" + std::to_string(ordinal) + WeekdayCode(rule.weekday - 1);
    }
    if (rule.lastYear != kAnyYear)
        value += ";UNTIL=" + Printf("%04d%02d%02d", rule.lastYear, 12, 31);
    return value;
}

void WriteRule(Writer& w, const CHolidayTime& rule, const std::string& uid,
               const std::string& stamp) {
    const int startYear = rule.firstYear != kAnyYear ? rule.firstYear : kRuleStartYear;
    w.Line("BEGIN:VEVENT");
    w.Line("UID:" + uid);
    w.Line("DTSTAMP:" + stamp);
    w.Line("DTSTART;VALUE=DATE:" + DateValue(DayOfRule(rule, startYear)));
    w.Line("RRULE:" + RecurrenceOfRule(rule));
    w.Text("SUMMARY", rule.name);
    w.Line("TRANSP:TRANSPARENT");
    w.Line("END:VEVENT");
}

std::string StartOfTask(const CTaskTime& task, bool japan) {
    if (task.taskMode == 0) return "DTSTART;VALUE=DATE:" + DateValue(LocalCivil(task.taskTime));
    if (!japan) return "DTSTART:" + DateTimeValue(LocalCivil(task.taskTime));
    const CivilTime tokyo = CivilOfSeconds(task.taskTime.Seconds() + kJapanOffset);
    return std::string("DTSTART;TZID=") + kJapanZone + ":" + DateTimeValue(tokyo);
}

void WriteAlarm(Writer& w, const std::string& text, std::int64_t offset, std::string_view marker) {
    w.Line("BEGIN:VALARM");
    w.Line("ACTION:DISPLAY");
    w.Text("DESCRIPTION", text);
    w.Line("TRIGGER:" + FormatDuration(offset));
    if (!marker.empty()) w.Line(marker);
    w.Line("END:VALARM");
}

void WriteTask(Writer& w, const CTaskTime& task, bool japan, const std::string& uid,
               const std::string& stamp) {
    w.Line("BEGIN:VEVENT");
    w.Line("UID:" + uid);
    w.Line("DTSTAMP:" + stamp);
    w.Line(StartOfTask(task, japan));
    w.Text("SUMMARY", task.text);
    w.Line(std::string(kTaskModeProperty) + ":" + std::to_string(task.taskMode));
    if (task.taskMode == 2) {
        WriteAlarm(w, task.text, 0, std::string(kTaskTimeAlarmProperty) + ":TRUE");
    }
    if (task.alarmMode != 0 && task.alarmArmed == 1) {
        WriteAlarm(w, task.text, (task.alarmTime - task.taskTime).Seconds(),
                   std::string(kAlarmModeProperty) + ":" + std::to_string(task.alarmMode));
    }
    w.Line("END:VEVENT");
}

void WriteJapanZone(Writer& w) {
    w.Line("BEGIN:VTIMEZONE");
    w.Line(std::string("TZID:") + kJapanZone);
    w.Line("BEGIN:STANDARD");
    w.Line("DTSTART:19700101T000000");
    w.Line("TZOFFSETFROM:+0900");
    w.Line("TZOFFSETTO:+0900");
    w.Line("TZNAME:JST");
    w.Line("END:STANDARD");
    w.Line("END:VTIMEZONE");
}

}  // namespace

std::string FormatDuration(std::int64_t seconds) {
    std::string out = seconds < 0 ? "-P" : "P";
    std::uint64_t rest =
        seconds < 0 ? 0 - static_cast<std::uint64_t>(seconds) : static_cast<std::uint64_t>(seconds);
    const std::uint64_t days = rest / 86400;
    rest %= 86400;
    if (days > 0) out += std::to_string(days) + "D";
    if (rest == 0 && days > 0) return out;
    out += "T";
    if (rest >= 3600) out += std::to_string(rest / 3600) + "H";
    if (rest % 3600 >= 60) out += std::to_string(rest % 3600 / 60) + "M";
    if (rest % 60 != 0 || rest == 0) out += std::to_string(rest % 60) + "S";
    return out;
}

std::string ExportCalendar(const std::vector<CHolidayTime>& specialDays,
                           const std::vector<CTaskTime>& tasks, DateTime now) {
    const std::string stamp = DateTimeValue(CivilOfSeconds(now.Seconds())) + "Z";
    const bool japan = LocalClockIsJapan(tasks);
    Writer w;
    w.Line("BEGIN:VCALENDAR");
    w.Line("PRODID:-//vesmira//vesmira//JA");
    w.Line("VERSION:2.0");
    w.Line("CALSCALE:GREGORIAN");
    w.Line("X-WR-CALNAME:vesmira");
    bool timedTask = false;
    for (const CTaskTime& task : tasks) timedTask = timedTask || task.taskMode != 0;
    if (japan && timedTask) WriteJapanZone(w);
    UidMaker uids;
    for (const CHolidayTime& rule : specialDays) {
        WriteRule(
            w, rule,
            uids.Make("rule|" + Printf("%d|%d|%d|", rule.month, rule.dayOrOrdinal, rule.weekday) +
                      rule.name),
            stamp);
    }
    for (const CTaskTime& task : tasks) {
        WriteTask(w, task, japan,
                  uids.Make("task|" + std::to_string(task.taskTime.Seconds()) + "|" + task.text),
                  stamp);
    }
    w.Line("END:VCALENDAR");
    return w.Take();
}

}  // namespace vesm::ical
