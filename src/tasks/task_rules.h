// What a task's fields mean: building a record from its stored values and from
// the editor's choices, when it is due, what a notification changes, its place
// in the sorted list and when it counts as old.
#pragma once

#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/task_time.h"

namespace vesm {

// The fourteen stored values of a task, in the settings file's order.
struct TaskFieldValues {
    int taskMode = 0;
    int taskYear = 0;
    int taskMonth = 0;
    int taskDay = 0;
    int taskHour = 0;
    int taskMinute = 0;
    int alarmMode = 0;
    int alarmYear = 0;
    int alarmMonth = 0;
    int alarmDay = 0;
    int alarmHour = 0;
    int alarmMinute = 0;
    int alarmArmed = 0;
    std::string text;
};

// The record of these values, both times local with seconds 0. Nothing when a
// mode or flag is out of range (taskMode 0..3, alarmMode 0..2, alarmArmed 0..1),
// a date is not a real calendar day, a time is not a time of day, or a time
// cannot be represented (before 1970-01-01 00:00 UTC).
std::optional<CTaskTime> TaskFromFields(const TaskFieldValues& values);
// Whether the values fail TaskFromFields only because a date lies beyond the
// last year the platform's local-time conversion reaches.
bool IsBeyondConversion(const TaskFieldValues& values);
// The values written for a record; the inverse of TaskFromFields.
TaskFieldValues FieldsOfTask(const CTaskTime& task);

// ---- the editor's choices ----------------------------------------------------

// Year of a task whose month and day were chosen without a year: next year when
// the day has already passed this year, else this year (today included).
int YearForMonthDay(int month, int day, DateTime today);
// 24-hour hour of an hour chosen in the editor; in 12-hour mode pm adds 12.
int HourOfDay(int chosenHour, bool pm, int time12or24);

// Alarm at a fixed time, up to seven days before the task's day.
struct FixedAlarmChoice {
    int daysBefore = 0;  // 0..7
    int hour = 0;
    int minute = 0;
};

// Alarm at an interval before or after the task time, as the editor shows it.
struct RelativeAlarmChoice {
    int hours = 0;  // 0..2
    int tens = 0;   // 0..6
    int ones = 0;   // 0..9
    bool after = false;
    int Minutes() const { return hours * 60 + tens * 10 + ones; }
};

// Alarm instants. A fixed alarm is built from the calendar day k days before the
// task's, so across a daylight-saving change it keeps the chosen time of day.
std::optional<DateTime> FixedAlarmTime(DateTime taskTime, const FixedAlarmChoice& choice);
DateTime RelativeAlarmTime(DateTime taskTime, const RelativeAlarmChoice& choice);

// The choices that give a stored task's alarm, for opening it in the editor.
FixedAlarmChoice RecoverFixedAlarm(const CTaskTime& task);
// Intervals longer than the editor can show (a snooze sets any) are shown as
// the longest it can, 2 h 69 min.
RelativeAlarmChoice RecoverRelativeAlarm(const CTaskTime& task);

// taskTime - alarmTime in whole minutes, truncated toward zero: positive when
// the alarm comes before the task time.
long long AlarmLeadMinutes(const CTaskTime& task);

// Interval shown in the task list for a relative alarm.
struct AlarmInterval {
    long long minutes = 0;  // absolute value
    bool before = false;    // "分前" when true, "分後" otherwise
};
AlarmInterval ShownAlarmInterval(const CTaskTime& task);

// ---- due rules and notifications ---------------------------------------------

bool IsAlarmDue(const CTaskTime& task, DateTime now);
bool IsTimeDue(const CTaskTime& task, DateTime now);
bool IsTaskDue(const CTaskTime& task, DateTime now);

// The alarm time a snooze of some minutes sets: on the whole minute.
DateTime SnoozeAlarmTime(DateTime now, int minutes);
// A snoozed task: its alarm, now relative and pending again, comes then.
void ApplySnooze(CTaskTime& task, DateTime now, int minutes);

// ---- list order ----------------------------------------------------------------

// (year, month, day, hour, minute of taskTime, hour, minute of alarmTime); a
// task without alarm contributes 00:00 for its alarm.
struct TaskKey {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int alarmHour = 0;
    int alarmMinute = 0;
    auto operator<=>(const TaskKey&) const = default;
};
TaskKey SortKey(const CTaskTime& task);

// Where a task with this key goes: before the first task whose key is greater
// or equal, found by walking from the start; the list's size when none is.
std::size_t WalkInsertPosition(const std::vector<CTaskTime>& list, const TaskKey& key);
// The same position found by binary search; valid only while the list is in
// key order. keyOf(i) gives the key of element i, so callers may count look-ups.
template <class KeyOf>
std::size_t SearchInsertPosition(std::size_t count, const TaskKey& key, KeyOf keyOf) {
    std::size_t low = 0;
    std::size_t high = count;
    while (low < high) {
        std::size_t middle = low + (high - low) / 2;
        if (keyOf(middle) < key) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}
bool IsInKeyOrder(const std::vector<CTaskTime>& list);

// Sorted insertion into any task list, the document's or a dialog's working
// list, by walking. Returns the position the task took.
std::size_t InsertTaskSorted(std::vector<CTaskTime>& list, const CTaskTime& task);

// ---- old tasks -------------------------------------------------------------------

// year x 10000 + month x 100 + day of the cutoff date: the calendar day
// rmTaskSpan days before the reference instant's day.
std::int64_t CutoffDayKey(DateTime reference, int rmTaskSpan);
// Dated on or before the cutoff date.
bool IsTaskOld(const CTaskTime& task, std::int64_t cutoffDayKey);
bool IsAlarmPending(const CTaskTime& task);
// Shown in the task list: every task while old tasks are not handled, else a
// task that is not old or whose alarm is still pending.
bool IsTaskVisible(const CTaskTime& task, DateTime reference, int rmTaskInfo, int rmTaskSpan);

}  // namespace vesm
