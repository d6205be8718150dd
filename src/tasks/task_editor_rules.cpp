#include "tasks/task_editor_rules.h"

#include <algorithm>
#include <cstdio>

#include "doc/cp932_codec.h"
#include "tasks/alarm_texts.h"
#include "tasks/task_list_rows.h"

namespace vesm {

namespace {

constexpr const char* kNoText = "予定を入力してください";
constexpr const char* kBackquote = "バッククォート文字(`)は使用できません";
constexpr const char* kNotStorable = "この文字は保存できません。別の文字に置き換えてください。";
constexpr const char* kTaskTimeIncomplete = "Please input task time";
constexpr const char* kIntervalWithoutTime =
    "アラーム指定で時間前指定をする場合は、予定時間を入力してください";
constexpr const char* kAlarmTimeIncomplete = "Please input alarm time";

std::string Printf(const char* format, int value) {
    char buffer[16];
    int length = std::snprintf(buffer, sizeof buffer, format, value);
    return std::string(buffer, static_cast<std::size_t>(std::max(length, 0)));
}

int BlankOrAm(int time12or24) {
    return Is12HourMode(time12or24) ? 0 : kBlankHalf;
}

// Half, hour and minute of a time of day as chosen; any part may be negative
// when a list has no selection.
struct ChosenTime {
    int half = 0;
    int hour = 0;
    int minute = 0;
    bool Incomplete() const { return half < 0 || hour < 0 || minute < 0; }
};

ChosenTime TimeOf(const ClockChoice& clock, int time12or24) {
    return ChosenTime{Is12HourMode(time12or24) ? clock.half : 0, clock.hour,
                      clock.tens * 10 + clock.ones};
}

int HourOf(const ChosenTime& time, int time12or24) {
    return HourOfDay(time.hour, time.half == 1, time12or24);
}

RelativeAlarmChoice IntervalOf(const EditorChoices& choices) {
    RelativeAlarmChoice interval;
    interval.hours = choices.intervalHours;
    interval.tens = choices.intervalTens;
    interval.ones = choices.intervalOnes;
    interval.after = choices.direction != 0;
    return interval;
}

std::optional<std::string> TextRefusal(const std::string& text) {
    if (text.empty()) return kNoText;
    if (text.find('`') != std::string::npos) return kBackquote;
    if (!CanEncodeCp932(text)) return kNotStorable;
    return std::nullopt;
}

// The task's day: the record's for a one-day editor, else the chosen month and
// day by the next-year rule. Nothing when that year lacks the day (29 February
// chosen for a task that moves into a common year).
std::optional<DateTime> TaskDay(const EditorChoices& choices, const EditorContext& context) {
    if (context.dateFixed) {
        DateFields f = context.record.taskTime.Fields();
        return DateTime::Build(f.year, f.month, f.day);
    }
    int month = choices.monthIndex + 1;
    int day = choices.dayIndex + 1;
    int year = YearForMonthDay(month, day, context.today);
    if (month < 1 || month > 12 || day < 1 || day > MonthLength(year, month)) {
        return std::nullopt;
    }
    return DateTime::Build(year, month, day);
}

std::string MissingDayRefusal(const EditorChoices& choices, const EditorContext& context) {
    int year = YearForMonthDay(choices.monthIndex + 1, choices.dayIndex + 1, context.today);
    return Printf("%d", year) + "年にはこの日がありません。別の日を選んでください。";
}

}  // namespace

std::size_t TaskTextBytes(std::string_view utf8) {
    return EncodeCp932(utf8).size();
}

bool FitsTaskTextLimit(std::string_view utf8) {
    return TaskTextBytes(utf8) <= kTaskTextLimitBytes;
}

bool Is12HourMode(int time12or24) {
    return time12or24 == 12;
}

std::vector<std::string> MonthItems(int dateFormat) {
    static const char* const kNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    bool named = dateFormat == 1 || dateFormat == 3 || dateFormat == 5;
    std::vector<std::string> items;
    for (int month = 1; month <= 12; ++month) {
        items.push_back(named ? kNames[month - 1] : Printf("%02d", month));
    }
    return items;
}

int DayItemCount(int month, int year) {
    return month >= 1 && month <= 12 ? MonthLength(year, month) : 28;
}

std::vector<std::string> DayItems(int count) {
    std::vector<std::string> items;
    for (int day = 1; day <= count; ++day) items.push_back(Printf("%02d", day));
    return items;
}

int ClampedDayIndex(int wanted, int count) {
    return std::min(wanted, count - 1);
}

std::vector<std::string> HalfItems(int time12or24) {
    if (Is12HourMode(time12or24)) return {"am", "pm"};
    return {"am", "pm", " "};
}

std::vector<std::string> HourItems(int time12or24) {
    return NumberItems(0, Is12HourMode(time12or24) ? 11 : 23);
}

std::vector<std::string> NumberItems(int from, int to) {
    std::vector<std::string> items;
    for (int number = from; number <= to; ++number) items.push_back(Printf("%d", number));
    return items;
}

std::vector<std::string> DayOffsetItems() {
    return {"同じ日の", "前の日の", "２日前の", "３日前の",
            "４日前の", "５日前の", "６日前の", "７日前の"};
}

std::vector<std::string> DirectionItems() {
    return {"前", "後"};
}

ClockChoice ClockChoiceOf(int hour, int minute, int time12or24) {
    ClockChoice clock{kBlankHalf, hour, minute / 10, minute % 10};
    if (Is12HourMode(time12or24)) {
        clock.half = hour > 11 ? 1 : 0;
        clock.hour = hour > 11 ? hour - 12 : hour;
    }
    return clock;
}

EditorShown ShownForRecord(const CTaskTime& record, int time12or24) {
    DateFields task = record.taskTime.Fields();
    EditorShown shown;
    shown.monthIndex = task.month - 1;
    shown.dayIndex = ClampedDayIndex(task.day - 1, DayItemCount(task.month, task.year));
    shown.timeGiven = record.taskMode != 0;
    // The box stays ticked for a task without time, so choosing a time keeps it.
    shown.notify = record.taskMode != 1;
    shown.taskClock = shown.timeGiven ? ClockChoiceOf(task.hour, task.minute, time12or24)
                                      : ClockChoice{BlankOrAm(time12or24), 0, 0, 0};
    shown.alarmClock = ClockChoice{BlankOrAm(time12or24), 0, 0, 0};
    if (record.alarmMode == 1) {
        shown.alarmMode = 1;
        FixedAlarmChoice fixed = RecoverFixedAlarm(record);
        shown.dayOffset = fixed.daysBefore;
        shown.alarmClock = ClockChoiceOf(fixed.hour, fixed.minute, time12or24);
    } else if (record.alarmMode == 2) {
        shown.alarmMode = 2;
        shown.interval = RecoverRelativeAlarm(record);
    }
    return shown;
}

std::string EditorTitle(const CTaskTime& record, bool dateFixed, bool change, int dateFormat) {
    if (dateFixed) {
        return DateText(record.taskTime, dateFormat) + "(" +
               WeekdayName(record.taskTime.Weekday()) + ") ";
    }
    return change ? "予定の変更" : "予定の追加";
}

EditorOutcome ApplyEditorChoices(const EditorChoices& choices, const EditorContext& context) {
    const int mode = context.time12or24;
    if (std::optional<std::string> refusal = TextRefusal(choices.text)) return {{}, *refusal};

    int taskMode = 0;
    ChosenTime taskTime;
    if (choices.timeGiven) {
        taskMode = choices.notify ? 2 : 1;
        taskTime = TimeOf(choices.taskClock, mode);
    }
    if (taskTime.Incomplete()) return {{}, kTaskTimeIncomplete};

    ChosenTime alarmTime;
    if (choices.alarmMode == 1) alarmTime = TimeOf(choices.alarmClock, mode);
    if (choices.alarmMode == 2) alarmTime.minute = IntervalOf(choices).Minutes();
    if (!choices.timeGiven && choices.alarmMode == 2) return {{}, kIntervalWithoutTime};
    if (alarmTime.Incomplete() || (choices.alarmMode == 1 && choices.dayOffset < 0)) {
        return {{}, kAlarmTimeIncomplete};
    }

    std::optional<DateTime> day = TaskDay(choices, context);
    if (!day) return {{}, MissingDayRefusal(choices, context)};
    DateFields date = day->Fields();
    int taskHour = taskMode != 0 ? HourOf(taskTime, mode) : 0;
    std::optional<DateTime> taskInstant =
        DateTime::Build(date.year, date.month, date.day, taskHour, taskTime.minute);

    std::optional<DateTime> alarmInstant = NoDayDate();
    if (choices.alarmMode == 1) {
        FixedAlarmChoice fixed{choices.dayOffset, HourOf(alarmTime, mode), alarmTime.minute};
        alarmInstant = FixedAlarmTime(*day, fixed);
    } else if (choices.alarmMode == 2 && taskInstant) {
        alarmInstant = RelativeAlarmTime(*taskInstant, IntervalOf(choices));
    }
    if (!taskInstant || !alarmInstant) return {{}, kAlarmTimeIncomplete};

    TaskFieldValues values;
    values.taskMode = taskMode;
    values.taskYear = date.year;
    values.taskMonth = date.month;
    values.taskDay = date.day;
    values.taskHour = taskHour;
    values.taskMinute = taskTime.minute;
    DateFields alarm = alarmInstant->Fields();
    values.alarmMode = choices.alarmMode;
    values.alarmYear = alarm.year;
    values.alarmMonth = alarm.month;
    values.alarmDay = alarm.day;
    values.alarmHour = alarm.hour;
    values.alarmMinute = alarm.minute;
    values.alarmArmed = 1;
    values.text = choices.text;
    std::optional<CTaskTime> task = TaskFromFields(values);
    if (!task) return {{}, kAlarmTimeIncomplete};
    return {task, ""};
}

}  // namespace vesm
