// The task list's rows, titles and scrolling, and the task editor's lists,
// opening state and OK checks, apart from the controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tasks/task_editor_rules.h"
#include "tasks/task_list_rows.h"

namespace vesm {
namespace {

using Texts = std::vector<std::string>;

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime Task(int taskMode, DateTime time, int alarmMode = 0, DateTime alarm = NoDayDate(),
               int armed = 1) {
    return CTaskTime{time, taskMode, alarmMode, armed, "歯医者", alarm};
}

TEST(TaskListRows, CellsForEveryModeOfTimeNotificationAndAlarm) {
    const DateTime three = At(2024, 5, 10, 15, 0);
    EXPECT_EQ(TaskRowCells(Task(0, At(2024, 5, 10)), {0, 24}),
              (Texts{"2024.05.10 ", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(1, three), {0, 24}),
              (Texts{"2024.05.10 15:00", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(2, three, 1, At(2024, 5, 9, 21, 5)), {0, 24}),
              (Texts{"2024.05.10 15:00", "歯医者", "未通知", "05.09 21:05", "未通知"}));
    EXPECT_EQ(TaskRowCells(Task(3, three, 2, At(2024, 5, 10, 14, 30), 0), {0, 24}),
              (Texts{"2024.05.10 15:00", "歯医者", "通知済", "05.10 30 分前", "通知済"}));
    // an alarm at or after the task time reads as after, zero included
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, three), {0, 24})[3], "05.10 00 分後");
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, At(2024, 5, 10, 17, 5)), {0, 24})[3],
              "05.10 125 分後");
    EXPECT_EQ(TaskRowCells(Task(1, At(2024, 5, 10, 12, 5), 1, At(2024, 5, 3, 0, 30)), {5, 12}),
              (Texts{"10.May.2024 00:05 pm", "歯医者", "", "03.May 00:30 am", "未通知"}));
    const Texts shortDates = {"02.07", "Feb.07", "02.07", "Feb.07", "07.02", "07.Feb", ""};
    for (int format = 0; format <= 6; ++format) {
        EXPECT_EQ(ShortAlarmDate(At(2024, 2, 7), format), shortDates[format]) << format;
    }
    EXPECT_EQ(TaskListTitle(NoDayDate(), false, 0), "全予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 10), true, 0), "2024.05.10(金曜) の予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 12), true, 3), "May.12.2024(日曜) の予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 11), true, 0), "2024.05.11(土曜) の予定表");
    EXPECT_EQ(EditorTitle(Task(0, At(2024, 5, 10)), true, true, 0), "2024.05.10(金曜) ");
    EXPECT_EQ(EditorTitle(Task(0, At(2024, 5, 10)), false, true, 0), "予定の変更");
    EXPECT_EQ(EditorTitle(Task(0, At(2024, 5, 10)), false, false, 0), "予定の追加");
}

TEST(TaskListRows, OldTasksWithoutPendingAlarmHaveNoRowAndRowsScrollIntoView) {
    const DateTime now = At(2024, 5, 10, 12, 0);
    // old without alarm, old with the alarm pending, old with it given, after the cutoff, today
    const std::vector<CTaskTime> working = {
        Task(0, At(2024, 5, 1)), Task(1, At(2024, 5, 2, 9, 0), 1, At(2024, 5, 2, 8, 0)),
        Task(1, At(2024, 5, 3, 9, 0), 1, At(2024, 5, 3, 8, 0), 0), Task(0, At(2024, 5, 4)),
        Task(0, At(2024, 5, 10))};
    using Rows = std::vector<std::size_t>;
    EXPECT_EQ(RowPositions(working, {now, 0, 7, std::nullopt}), (Rows{0, 1, 2, 3, 4}));
    const Rows rows = RowPositions(working, {now, 1, 7, std::nullopt});
    EXPECT_EQ(rows, (Rows{1, 3, 4}));
    EXPECT_EQ(RowOfPosition(rows, 3), 1);
    EXPECT_EQ(RowOfPosition(rows, 2), -1);
    EXPECT_EQ(RowPositions(working, {now, 1, 7, At(2024, 5, 10)}), (Rows{4}));
    // deleting: none left, keep the page's last row, the page reaches the end
    EXPECT_EQ(TaskRowsScrollAfterDelete(0, 8, 1), -1);
    EXPECT_EQ(TaskRowsScrollAfterDelete(3, 8, 20), 10);
    EXPECT_EQ(TaskRowsScrollAfterDelete(12, 8, 20), 18);
    EXPECT_EQ(TaskRowsScrollAfterEdit(2, 5, 8), 2);
    EXPECT_EQ(TaskRowsScrollAfterEdit(7, 5, 8), 12);
    EXPECT_EQ(TaskRowsScrollAfterEdit(13, 5, 8), 13);
}

TEST(TaskEditor, ListsOfMonthsDaysHalvesAndHours) {
    EXPECT_EQ(MonthItems(0).front(), "01");
    EXPECT_EQ(MonthItems(4).back(), "12");
    EXPECT_EQ(MonthItems(3).front(), "Jan");
    EXPECT_EQ(MonthItems(5).back(), "Dec");
    for (auto [month, year, count] :
         {std::tuple{2, 2023, 28}, {2, 2024, 29}, {2, 1900, 28}, {4, 2023, 30}, {12, 2023, 31}}) {
        EXPECT_EQ(DayItemCount(month, year), count) << month << "/" << year;
    }
    const Texts days = DayItems(30);
    EXPECT_EQ((Texts{days.front(), days[8], days.back()}), (Texts{"01", "09", "30"}));
    EXPECT_EQ(days.size(), 30u);
    EXPECT_EQ(ClampedDayIndex(30, 28), 27);  // 31 March moved to February of a common year
    EXPECT_EQ(ClampedDayIndex(14, 28), 14);
    EXPECT_EQ(HalfItems(12), (Texts{"am", "pm"}));
    EXPECT_EQ(HalfItems(24), (Texts{"am", "pm", " "}));
    EXPECT_EQ(HourItems(12).back(), "11");
    EXPECT_EQ(HourItems(0).back(), "23");
}

TEST(TaskEditor, OpensOnTheRecordsTimeNotificationAndAlarm) {
    const DateTime late = At(2024, 5, 10, 23, 47), three = At(2024, 5, 10, 15, 0);
    // month, day, time given, notify, task clock (half, hour, tens, ones), alarm mode, days
    // before, alarm clock, interval (hours, tens, ones, after); a task without a time opens on
    // 0:00 am, and 185 minutes before as 2 h 65 min so that OK keeps the alarm
    for (auto [record, mode, shown] :
         {std::tuple{Task(0, NoDayDate()), 12,
                     std::vector{0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
          {Task(1, late), 12, {4, 9, 1, 0, 1, 11, 4, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
          {Task(3, late), 24, {4, 9, 1, 1, 2, 23, 4, 7, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0}},
          {Task(1, At(2024, 3, 1, 10, 0), 1, At(2024, 2, 23, 9, 30)),
           12,
           {2, 0, 1, 0, 0, 10, 0, 0, 1, 7, 0, 9, 3, 0, 0, 0, 0, 0}},
          {Task(1, three, 2, three - TimeSpan::Minutes(185)),
           12,
           {4, 9, 1, 0, 1, 3, 0, 0, 2, 0, 0, 0, 0, 0, 2, 6, 5, 0}}}) {
        const EditorShown s = ShownForRecord(record, mode);
        const ClockChoice &t = s.taskClock, &a = s.alarmClock;
        const RelativeAlarmChoice& i = s.interval;
        EXPECT_EQ((std::vector{s.monthIndex, s.dayIndex, int{s.timeGiven}, int{s.notify}, t.half,
                               t.hour, t.tens, t.ones, s.alarmMode, s.dayOffset, a.half, a.hour,
                               a.tens, a.ones, i.hours, i.tens, i.ones, int{i.after}}),
                  shown)
            << record.taskMode << " " << record.alarmMode << " " << mode;
    }
}

// Choices for a task at 10:00 on 10 May 2024 with no alarm, today being 1 May.
struct Editor {
    EditorChoices choices{"歯医者",     4, 9, true, false, {kBlankHalf, 10, 0, 0}, 0, 0,
                          {kBlankHalf}, 0, 0, 0,    0};
    EditorContext context{Task(0, NoDayDate()), false, 24, At(2024, 5, 1, 12, 0)};
    std::string Refusal() const { return ApplyEditorChoices(choices, context).refusal; }
    CTaskTime Record() const { return ApplyEditorChoices(choices, context).task.value(); }
};

TEST(TaskEditor, OkRefusesTextsInOrderWithTheLimitInCodePage932Bytes) {
    Editor e;
    for (auto [text, refusal] :
         {std::pair{"", "予定を入力してください"},
          {"a`b\xF0\x9F\x98\x80", "バッククォート文字(`)は使用できません"},
          {"歯医者\xF0\x9F\x98\x80", "この文字は保存できません。別の文字に置き換えてください。"},
          {"   ", ""}}) {
        e.choices.text = text;
        EXPECT_EQ(e.Refusal(), refusal) << text;
    }
    EXPECT_EQ(e.Record().text, "   ");
    std::string doubleBytes;
    for (int i = 0; i < 36; ++i) doubleBytes += "予";
    EXPECT_EQ(TaskTextBytes(doubleBytes), 72u);
    EXPECT_TRUE(FitsTaskTextLimit(doubleBytes));
    EXPECT_FALSE(FitsTaskTextLimit(doubleBytes + "a"));
    EXPECT_EQ(TaskTextBytes("ｱｲ"), 2u);  // half-width katakana is one byte
}

TEST(TaskEditor, OkChecksTimesAndBuildsTheRecord) {
    Editor e;
    e.choices.taskClock.hour = -1;
    EXPECT_EQ(e.Refusal(), "Please input task time");
    e.choices.timeGiven = false;  // without a time of day the time lists do not count
    EXPECT_EQ(e.Record().taskTime, At(2024, 5, 10));
    EXPECT_EQ(e.Record().taskMode, 0);
    e.choices.alarmMode = 2;  // an interval alarm is refused before its parts
    e.choices.intervalHours = -1;
    EXPECT_EQ(e.Refusal(), "アラーム指定で時間前指定をする場合は、予定時間を入力してください");

    Editor interval;  // no hour in the editable hours box counts as -60 minutes
    interval.choices.alarmMode = 2;
    interval.choices.intervalHours = -1;
    interval.choices.intervalTens = 5;
    interval.choices.intervalOnes = 9;
    EXPECT_EQ(interval.Refusal(), "Please input alarm time");
    interval.choices.intervalTens = 6;
    interval.choices.intervalOnes = 4;
    EXPECT_EQ(interval.Record().alarmTime, At(2024, 5, 10, 9, 56));
    interval.choices.intervalHours = 1;
    interval.choices.intervalTens = 3;
    interval.choices.intervalOnes = 0;
    interval.choices.direction = 1;
    EXPECT_EQ(interval.Record().alarmTime, At(2024, 5, 10, 11, 30));

    Editor fixed;  // the blank half does not add 12
    fixed.choices.alarmMode = 1;
    fixed.choices.alarmClock = ClockChoice{kBlankHalf, 9, 0, 0};
    EXPECT_EQ(fixed.Record().alarmTime, At(2024, 5, 10, 9, 0));
    fixed.choices.dayOffset = 1;
    EXPECT_EQ(fixed.Record().alarmTime, At(2024, 5, 9, 9, 0));
    fixed.choices.alarmClock.tens = -1;
    EXPECT_EQ(fixed.Refusal(), "Please input alarm time");

    Editor pm;
    pm.context.time12or24 = 12;
    pm.choices.taskClock = ClockChoice{1, 3, 0, 5};
    EXPECT_EQ(pm.Record().taskTime, At(2024, 5, 10, 15, 5));
}

TEST(TaskEditor, OkDatesByTheNextYearRuleUnlessFixed) {
    Editor e;
    e.choices.dayIndex = 0;
    EXPECT_EQ(e.Record().taskTime, At(2024, 5, 1, 10, 0));
    e.choices.monthIndex = 3;
    e.choices.dayIndex = 29;
    EXPECT_EQ(e.Record().taskTime, At(2025, 4, 30, 10, 0));
    e.context.dateFixed = true;  // a one-day editor keeps the record's day
    e.context.record = Task(0, At(2024, 4, 2));
    EXPECT_EQ(e.Record().taskTime, At(2024, 4, 2, 10, 0));
    Editor leap;  // 29 February of a leap year's record would fall into a common year
    leap.context.record = Task(0, At(2024, 2, 29));
    leap.choices.monthIndex = 1;
    leap.choices.dayIndex = 28;
    EXPECT_EQ(leap.Refusal(), "2025年にはこの日がありません。別の日を選んでください。");
}

}  // namespace
}  // namespace vesm
