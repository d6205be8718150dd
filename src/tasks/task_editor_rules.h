// The task editor apart from its controls: the items of its lists, what it
// shows for a record, its title, and the checks of OK in their order, which
// turn the choices into a record. All UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "doc/date_time.h"
#include "doc/task_time.h"
#include "tasks/task_rules.h"

namespace vesm {

// The settings file keeps task texts in code page 932; the text box takes at
// most this many bytes of it (a double-byte character counts two).
inline constexpr std::size_t kTaskTextLimitBytes = 72;
std::size_t TaskTextBytes(std::string_view utf8);
bool FitsTaskTextLimit(std::string_view utf8);

// time12or24 12 is the 12-hour mode; every other value means 24 hours.
bool Is12HourMode(int time12or24);

// ---- list items ----------------------------------------------------------
// "Jan" … "Dec" for dateFormat 1, 3 and 5, else "01" … "12".
std::vector<std::string> MonthItems(int dateFormat);
// Days the day list offers for a month (1..12) of a year: February by the
// Gregorian rule.
int DayItemCount(int month, int year);
// "01" … "28", then "29", "30", "31" as far as count.
std::vector<std::string> DayItems(int count);
// The day index to select when the wanted one is past the month's end.
int ClampedDayIndex(int wanted, int count);
// "am", "pm", and a blank third item in 24-hour mode.
std::vector<std::string> HalfItems(int time12or24);
// "0" … "11" or "0" … "23".
std::vector<std::string> HourItems(int time12or24);
std::vector<std::string> NumberItems(int from, int to);
// "同じ日の", "前の日の", "２日前の" … "７日前の".
std::vector<std::string> DayOffsetItems();
// "前", "後".
std::vector<std::string> DirectionItems();

// The half-of-day list's index of the blank item, selected in 24-hour mode.
inline constexpr int kBlankHalf = 2;

// Selections of a half-of-day, hour, tens and ones list.
struct ClockChoice {
    int half = 0;  // 0 am, 1 pm, kBlankHalf in 24-hour mode
    int hour = 0;
    int tens = 0;
    int ones = 0;
};
// The choice that shows a time of day in the given mode.
ClockChoice ClockChoiceOf(int hour, int minute, int time12or24);

// ---- what the editor shows for a record ----------------------------------
struct EditorShown {
    int monthIndex = 0;
    int dayIndex = 0;
    bool timeGiven = false;
    bool notify = false;
    ClockChoice taskClock;
    int alarmMode = 0;
    int dayOffset = 0;
    ClockChoice alarmClock;
    RelativeAlarmChoice interval;
};
EditorShown ShownForRecord(const CTaskTime& record, int time12or24);

// The date text and weekday of the record for a one-day editor; otherwise
// "予定の変更" or "予定の追加".
std::string EditorTitle(const CTaskTime& record, bool dateFixed, bool change, int dateFormat);

// ---- OK --------------------------------------------------------------------
// The selections when OK is pressed; -1 for a list with no selection.
struct EditorChoices {
    std::string text;
    int monthIndex = -1;
    int dayIndex = -1;
    bool timeGiven = false;
    bool notify = false;
    ClockChoice taskClock;
    int alarmMode = 0;  // the checked alarm radio: 0, 1 or 2
    int dayOffset = -1;
    ClockChoice alarmClock;
    int intervalHours = -1;
    int intervalTens = -1;
    int intervalOnes = -1;
    int direction = -1;  // 0 "前", 1 "後"
};

struct EditorContext {
    CTaskTime record;  // the record the editor was opened for
    bool dateFixed = false;
    int time12or24 = 12;
    DateTime today;  // for the next-year rule
};

// Either the record to store or the message that refuses the choices.
struct EditorOutcome {
    std::optional<CTaskTime> task;
    std::string refusal;
};
EditorOutcome ApplyEditorChoices(const EditorChoices& choices, const EditorContext& context);

}  // namespace vesm
