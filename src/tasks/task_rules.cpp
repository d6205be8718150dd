#include "tasks/task_rules.h"

#include <algorithm>
#include <cstdlib>

namespace vesm {

namespace {

bool InRange(int value, int low, int high) {
    return value >= low && value <= high;
}

bool IsCalendarDay(int year, int month, int day) {
    return InRange(month, 1, 12) && InRange(day, 1, MonthLength(year, month));
}

bool IsTimeOfDay(int hour, int minute) {
    return InRange(hour, 0, 23) && InRange(minute, 0, 59);
}

std::optional<DateTime> BuildMinute(int year, int month, int day, int hour, int minute) {
    if (!IsCalendarDay(year, month, day) || !IsTimeOfDay(hour, minute)) {
        return std::nullopt;
    }
    return DateTime::Build(year, month, day, hour, minute, 0);
}

std::optional<DateTime> AtTimeOfDay(DateTime day, int hour, int minute) {
    DateFields f = day.Fields();
    return BuildMinute(f.year, f.month, f.day, hour, minute);
}

constexpr int kLongestShownInterval = 2 * 60 + 6 * 10 + 9;

}  // namespace

std::optional<CTaskTime> TaskFromFields(const TaskFieldValues& v) {
    if (!InRange(v.taskMode, 0, 3) || !InRange(v.alarmMode, 0, 2) || !InRange(v.alarmArmed, 0, 1)) {
        return std::nullopt;
    }
    std::optional<DateTime> taskTime =
        BuildMinute(v.taskYear, v.taskMonth, v.taskDay, v.taskHour, v.taskMinute);
    std::optional<DateTime> alarmTime =
        BuildMinute(v.alarmYear, v.alarmMonth, v.alarmDay, v.alarmHour, v.alarmMinute);
    if (!taskTime || !alarmTime) {
        return std::nullopt;
    }
    CTaskTime task;
    task.taskTime = *taskTime;
    task.taskMode = v.taskMode;
    task.alarmMode = v.alarmMode;
    task.alarmArmed = v.alarmArmed;
    task.text = v.text;
    task.alarmTime = *alarmTime;
    return task;
}

bool IsBeyondConversion(const TaskFieldValues& v) {
    auto far = [](int year, int month, int day, int hour, int minute) {
        return year >= kLastConvertibleYear && IsCalendarDay(year, month, day) &&
               IsTimeOfDay(hour, minute) && !DateTime::Build(year, month, day, hour, minute);
    };
    auto fits = [&](int year, int month, int day, int hour, int minute) {
        return BuildMinute(year, month, day, hour, minute) || far(year, month, day, hour, minute);
    };
    bool farTask = far(v.taskYear, v.taskMonth, v.taskDay, v.taskHour, v.taskMinute);
    bool farAlarm = far(v.alarmYear, v.alarmMonth, v.alarmDay, v.alarmHour, v.alarmMinute);
    return InRange(v.taskMode, 0, 3) && InRange(v.alarmMode, 0, 2) && InRange(v.alarmArmed, 0, 1) &&
           (farTask || farAlarm) &&
           fits(v.taskYear, v.taskMonth, v.taskDay, v.taskHour, v.taskMinute) &&
           fits(v.alarmYear, v.alarmMonth, v.alarmDay, v.alarmHour, v.alarmMinute);
}

TaskFieldValues FieldsOfTask(const CTaskTime& task) {
    DateFields t = task.taskTime.Fields();
    DateFields a = task.alarmTime.Fields();
    TaskFieldValues v;
    v.taskMode = task.taskMode;
    v.taskYear = t.year;
    v.taskMonth = t.month;
    v.taskDay = t.day;
    v.taskHour = t.hour;
    v.taskMinute = t.minute;
    v.alarmMode = task.alarmMode;
    v.alarmYear = a.year;
    v.alarmMonth = a.month;
    v.alarmDay = a.day;
    v.alarmHour = a.hour;
    v.alarmMinute = a.minute;
    v.alarmArmed = task.alarmArmed;
    v.text = task.text;
    return v;
}

int YearForMonthDay(int month, int day, DateTime today) {
    DateFields now = today.Fields();
    bool passed = month * 100 + day < now.month * 100 + now.day;
    return passed ? now.year + 1 : now.year;
}

int HourOfDay(int chosenHour, bool pm, int time12or24) {
    return time12or24 == 12 && pm ? chosenHour + 12 : chosenHour;
}

std::optional<DateTime> FixedAlarmTime(DateTime taskTime, const FixedAlarmChoice& choice) {
    DateTime day = taskTime.MidnightDaysAway(-choice.daysBefore);
    return AtTimeOfDay(day, choice.hour, choice.minute);
}

DateTime RelativeAlarmTime(DateTime taskTime, const RelativeAlarmChoice& choice) {
    TimeSpan interval = TimeSpan::Minutes(choice.Minutes());
    return choice.after ? taskTime + interval : taskTime - interval;
}

FixedAlarmChoice RecoverFixedAlarm(const CTaskTime& task) {
    DateFields alarm = task.alarmTime.Fields();
    std::int64_t alarmDay = CalendarDayKey(alarm);
    FixedAlarmChoice choice{0, alarm.hour, alarm.minute};
    for (int k = 1; k <= 7; ++k) {
        if (CalendarDayKey(task.taskTime.MidnightDaysAway(-k).Fields()) == alarmDay) {
            choice.daysBefore = k;
            break;
        }
    }
    return choice;
}

long long AlarmLeadMinutes(const CTaskTime& task) {
    return (task.taskTime - task.alarmTime).WholeMinutes();
}

RelativeAlarmChoice RecoverRelativeAlarm(const CTaskTime& task) {
    long long lead = AlarmLeadMinutes(task);
    int shown = static_cast<int>(std::min<long long>(std::llabs(lead), kLongestShownInterval));
    RelativeAlarmChoice choice;
    choice.hours = std::min(shown / 60, 2);
    int rest = shown - choice.hours * 60;
    choice.tens = rest / 10;
    choice.ones = rest % 10;
    choice.after = lead < 0;
    return choice;
}

AlarmInterval ShownAlarmInterval(const CTaskTime& task) {
    long long lead = AlarmLeadMinutes(task);
    return AlarmInterval{std::llabs(lead), lead > 0};
}

bool IsAlarmDue(const CTaskTime& task, DateTime now) {
    return IsAlarmPending(task) && now >= task.alarmTime;
}

bool IsTimeDue(const CTaskTime& task, DateTime now) {
    return task.taskMode == 2 && now >= task.taskTime;
}

bool IsTaskDue(const CTaskTime& task, DateTime now) {
    return IsAlarmDue(task, now) || IsTimeDue(task, now);
}

DateTime SnoozeAlarmTime(DateTime now, int minutes) {
    DateTime later = now + TimeSpan::Minutes(minutes);
    return later - TimeSpan(later.Fields().second);
}

void ApplySnooze(CTaskTime& task, DateTime now, int minutes) {
    task.alarmTime = SnoozeAlarmTime(now, minutes);
    task.alarmArmed = 1;
    task.alarmMode = 2;
}

TaskKey SortKey(const CTaskTime& task) {
    DateFields t = task.taskTime.Fields();
    TaskKey key{t.year, t.month, t.day, t.hour, t.minute, 0, 0};
    if (task.alarmMode != 0) {
        DateFields a = task.alarmTime.Fields();
        key.alarmHour = a.hour;
        key.alarmMinute = a.minute;
    }
    return key;
}

std::size_t WalkInsertPosition(const std::vector<CTaskTime>& list, const TaskKey& key) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (SortKey(list[i]) >= key) {
            return i;
        }
    }
    return list.size();
}

bool IsInKeyOrder(const std::vector<CTaskTime>& list) {
    for (std::size_t i = 1; i < list.size(); ++i) {
        if (SortKey(list[i]) < SortKey(list[i - 1])) {
            return false;
        }
    }
    return true;
}

std::size_t InsertTaskSorted(std::vector<CTaskTime>& list, const CTaskTime& task) {
    std::size_t position = WalkInsertPosition(list, SortKey(task));
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(position), task);
    return position;
}

std::int64_t CutoffDayKey(DateTime reference, int rmTaskSpan) {
    return CalendarDayKey(reference.MidnightDaysAway(-rmTaskSpan).Fields());
}

bool IsTaskOld(const CTaskTime& task, std::int64_t cutoffDayKey) {
    return CalendarDayKey(task.taskTime.Fields()) <= cutoffDayKey;
}

bool IsAlarmPending(const CTaskTime& task) {
    return task.alarmMode != 0 && task.alarmArmed == 1;
}

bool IsTaskVisible(const CTaskTime& task, DateTime reference, int rmTaskInfo, int rmTaskSpan) {
    if (rmTaskInfo == 0) {
        return true;
    }
    return !IsTaskOld(task, CutoffDayKey(reference, rmTaskSpan)) || IsAlarmPending(task);
}

}  // namespace vesm
