#include "tasks/alarm_texts.h"

#include <cstdio>
#include <cstdlib>

#include "tasks/task_rules.h"

namespace vesm {

namespace {

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

template <class... Args>
std::string Printf(const char* format, Args... args) {
    char buffer[64];
    int length = std::snprintf(buffer, sizeof buffer, format, args...);
    return length > 0 ? std::string(buffer, static_cast<std::size_t>(length)) : std::string();
}

std::string Count(long long value, const char* unit) {
    return Printf("%lld", std::llabs(value)) + unit + " ";
}

// "予定時刻 <date> <time>" or "アラーム時刻 <date> <time>".
std::string Stamp(const char* label, DateTime time, const TextFormats& formats) {
    return std::string(label) + " " + DateText(time, formats.dateFormat) + " " +
           TimeText(time, formats.time12or24);
}

// Days, hours and minutes of the distance, largest non-zero unit first; the
// units below it are shown even when zero.
std::string Distance(TimeSpan distance) {
    long long days = distance.WholeDays();
    long long hours = distance.HoursOfDay();
    long long minutes = distance.MinutesOfHour();
    if (days != 0) {
        return Count(days, "日") + Count(hours, "時間") + Count(minutes, "分");
    }
    if (hours != 0) {
        return Count(hours, "時間") + Count(minutes, "分");
    }
    return Count(minutes, "分");
}

}  // namespace

std::string DateText(DateTime time, int dateFormat) {
    DateFields f = time.Fields();
    const char* monthName = f.month >= 1 && f.month <= 12 ? kMonthNames[f.month - 1] : "";
    switch (dateFormat) {
        case 0:
            return Printf("%04d.%02d.%02d", f.year, f.month, f.day);
        case 1:
            return Printf("%04d.%s.%02d", f.year, monthName, f.day);
        case 2:
            return Printf("%02d.%02d.%04d", f.month, f.day, f.year);
        case 3:
            return Printf("%s.%02d.%04d", monthName, f.day, f.year);
        case 4:
            return Printf("%02d.%02d.%04d", f.day, f.month, f.year);
        case 5:
            return Printf("%02d.%s.%04d", f.day, monthName, f.year);
        default:
            return {};
    }
}

std::string TimeText(DateTime time, int time12or24) {
    DateFields f = time.Fields();
    if (time12or24 != 12) {
        return Printf("%02d:%02d", f.hour, f.minute);
    }
    bool pm = f.hour >= 12;
    return Printf("%02d:%02d %s", pm ? f.hour - 12 : f.hour, f.minute, pm ? "pm" : "am");
}

std::string TaskTimeMessage(DateTime taskTime, DateTime now, const TextFormats& formats,
                            bool taskTimeReached) {
    TimeSpan distance = taskTime - now;
    std::string stamp = Stamp("予定時刻", taskTime, formats);
    if (distance.WholeMinutes() >= 0) {
        if (taskTimeReached) {
            return stamp + " になりました";
        }
        return stamp + " まであと " + Distance(distance) + "です";
    }
    return stamp + " を " + Distance(distance) + "過ぎています";
}

AlarmNotice ComposeAlarmNotice(const CTaskTime& task, DateTime now, const TextFormats& formats) {
    AlarmNotice notice;
    if (IsAlarmDue(task, now)) {
        notice.message = task.taskMode == 0
                             ? Stamp("アラーム時刻", task.alarmTime, formats) + " になりました"
                             : TaskTimeMessage(task.taskTime, now, formats, false);
        notice.title = "アラーム時刻になりました";
        notice.alarmGiven = true;
    }
    if (IsTimeDue(task, now)) {
        notice.message = TaskTimeMessage(task.taskTime, now, formats, true);
        notice.title = "予定時刻になりました";
        notice.taskTimeNotified = true;
    }
    return notice;
}

}  // namespace vesm
