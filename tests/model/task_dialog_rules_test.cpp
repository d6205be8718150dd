// The task list's rows, titles and scrolling, and the task editor's lists,
// opening state and OK checks, apart from the controls.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tasks/task_editor_rules.h"
#include "tasks/task_list_rows.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime Task(int taskMode, DateTime time, int alarmMode, DateTime alarm, int armed = 1) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = taskMode;
    task.alarmMode = alarmMode;
    task.alarmArmed = armed;
    task.text = "歯医者";
    task.alarmTime = alarm;
    return task;
}

using Cells = std::vector<std::string>;

TEST(TaskListRows, CellsForEveryModeOfTimeNotificationAndAlarm) {
    const TextFormats h24{0, 24};
    const DateTime three = At(2024, 5, 10, 15, 0);
    EXPECT_EQ(TaskRowCells(Task(0, At(2024, 5, 10), 0, NoDayDate()), h24),
              (Cells{"2024.05.10 ", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(1, three, 0, NoDayDate()), h24),
              (Cells{"2024.05.10 15:00", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(2, three, 1, At(2024, 5, 9, 21, 5)), h24),
              (Cells{"2024.05.10 15:00", "歯医者", "未通知", "05.09 21:05", "未通知"}));
    EXPECT_EQ(TaskRowCells(Task(3, three, 2, At(2024, 5, 10, 14, 30), 0), h24),
              (Cells{"2024.05.10 15:00", "歯医者", "通知済", "05.10 30 分前", "通知済"}));
    // An alarm at or after the task time reads as after, zero included.
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, three), h24)[3], "05.10 00 分後");
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, At(2024, 5, 10, 17, 5)), h24)[3], "05.10 125 分後");
    // A fixed alarm in 12-hour mode, by the long date formats.
    CTaskTime fixed = Task(1, At(2024, 5, 10, 12, 5), 1, At(2024, 5, 3, 0, 30));
    EXPECT_EQ(TaskRowCells(fixed, TextFormats{5, 12}),
              (Cells{"10.May.2024 00:05 pm", "歯医者", "", "03.May 00:30 am", "未通知"}));
}

TEST(TaskListRows, ShortAlarmDateFollowsTheDateFormat) {
    const DateTime alarm = At(2024, 2, 7);
    const std::vector<std::string> expected = {"02.07", "Feb.07", "02.07", "Feb.07",
                                               "07.02", "07.Feb", ""};
    for (int format = 0; format <= 6; ++format) {
        EXPECT_EQ(ShortAlarmDate(alarm, format), expected[static_cast<std::size_t>(format)])
            << format;
    }
}

TEST(TaskListRows, TitlesOfTheListAndTheEditor) {
    const DateTime friday = At(2024, 5, 10);
    EXPECT_EQ(TaskListTitle(NoDayDate(), false, 0), "全予定表");
    EXPECT_EQ(TaskListTitle(friday, true, 0), "2024.05.10(金曜) の予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 12), true, 3), "May.12.2024(日曜) の予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 11), true, 0), "2024.05.11(土曜) の予定表");
    CTaskTime record = Task(0, friday, 0, NoDayDate());
    EXPECT_EQ(EditorTitle(record, true, true, 0), "2024.05.10(金曜) ");
    EXPECT_EQ(EditorTitle(record, false, true, 0), "予定の変更");
    EXPECT_EQ(EditorTitle(record, false, false, 0), "予定の追加");
}

TEST(TaskListRows, OldTasksWithoutPendingAlarmHaveNoRowAndRowsMapPastThem) {
    const DateTime now = At(2024, 5, 10, 12, 0);
    std::vector<CTaskTime> working = {
        Task(0, At(2024, 5, 1), 0, NoDayDate()),                    // old, no alarm
        Task(1, At(2024, 5, 2, 9, 0), 1, At(2024, 5, 2, 8, 0)),     // old, alarm pending
        Task(1, At(2024, 5, 3, 9, 0), 1, At(2024, 5, 3, 8, 0), 0),  // old, alarm given
        Task(0, At(2024, 5, 4), 0, NoDayDate()),                    // after the cutoff
        Task(0, At(2024, 5, 10), 0, NoDayDate()),
    };
    RowFilter shown{now, 0, 7, std::nullopt};
    EXPECT_EQ(RowPositions(working, shown), (std::vector<std::size_t>{0, 1, 2, 3, 4}));
    RowFilter hiding{now, 1, 7, std::nullopt};
    std::vector<std::size_t> rows = RowPositions(working, hiding);
    EXPECT_EQ(rows, (std::vector<std::size_t>{1, 3, 4}));
    EXPECT_EQ(RowOfPosition(rows, 3), 1);
    EXPECT_EQ(RowOfPosition(rows, 2), -1);
    RowFilter oneDay{now, 1, 7, At(2024, 5, 10)};
    EXPECT_EQ(RowPositions(working, oneDay), (std::vector<std::size_t>{4}));
}

TEST(TaskListRows, ScrollTargets) {
    // Deleting the only row: nothing to scroll to.
    EXPECT_EQ(TaskRowsScrollAfterDelete(0, 8, 1), -1);
    // More rows below the page: keep the page's last row in view.
    EXPECT_EQ(TaskRowsScrollAfterDelete(3, 8, 20), 10);
    // The page reaches the end: the new last row.
    EXPECT_EQ(TaskRowsScrollAfterDelete(12, 8, 20), 18);
    EXPECT_EQ(TaskRowsScrollAfterEdit(2, 5, 8), 2);
    EXPECT_EQ(TaskRowsScrollAfterEdit(7, 5, 8), 12);
    EXPECT_EQ(TaskRowsScrollAfterEdit(13, 5, 8), 13);
}

TEST(TaskEditorLists, MonthAndDayItems) {
    EXPECT_EQ(MonthItems(0).front(), "01");
    EXPECT_EQ(MonthItems(4).back(), "12");
    EXPECT_EQ(MonthItems(3).front(), "Jan");
    EXPECT_EQ(MonthItems(5).back(), "Dec");
    EXPECT_EQ(DayItemCount(2, 2023), 28);
    EXPECT_EQ(DayItemCount(2, 2024), 29);
    EXPECT_EQ(DayItemCount(2, 1900), 28);
    EXPECT_EQ(DayItemCount(4, 2023), 30);
    EXPECT_EQ(DayItemCount(12, 2023), 31);
    std::vector<std::string> days = DayItems(30);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days.front(), "01");
    EXPECT_EQ(days[8], "09");
    EXPECT_EQ(days.back(), "30");
    // 31 March moved to February of a common year, 31 January to April.
    EXPECT_EQ(ClampedDayIndex(30, DayItemCount(2, 2023)), 27);
    EXPECT_EQ(ClampedDayIndex(30, DayItemCount(4, 2023)), 29);
    EXPECT_EQ(ClampedDayIndex(14, 28), 14);
    EXPECT_EQ(HalfItems(12), (std::vector<std::string>{"am", "pm"}));
    EXPECT_EQ(HalfItems(24), (std::vector<std::string>{"am", "pm", " "}));
    EXPECT_EQ(HourItems(12).back(), "11");
    EXPECT_EQ(HourItems(0).back(), "23");
}

TEST(TaskEditorOpening, ShowsTheRecordsTimeNotificationAndAlarm) {
    EditorShown fresh = ShownForRecord(Task(0, NoDayDate(), 0, NoDayDate()), 12);
    EXPECT_EQ(fresh.monthIndex, 0);
    EXPECT_EQ(fresh.dayIndex, 0);
    EXPECT_FALSE(fresh.timeGiven);
    EXPECT_TRUE(fresh.notify);
    EXPECT_EQ(fresh.alarmMode, 0);
    // A task without a time offers 0:00 am for its time and its alarm.
    for (const ClockChoice& clock : {fresh.taskClock, fresh.alarmClock}) {
        EXPECT_EQ(clock.half, 0);
        EXPECT_EQ(clock.hour, 0);
        EXPECT_EQ(clock.tens, 0);
        EXPECT_EQ(clock.ones, 0);
    }

    EditorShown pm = ShownForRecord(Task(1, At(2024, 5, 10, 23, 47), 0, NoDayDate()), 12);
    EXPECT_TRUE(pm.timeGiven);
    EXPECT_FALSE(pm.notify);
    EXPECT_EQ(pm.taskClock.half, 1);
    EXPECT_EQ(pm.taskClock.hour, 11);
    EXPECT_EQ(pm.taskClock.tens, 4);
    EXPECT_EQ(pm.taskClock.ones, 7);
    EditorShown h24 = ShownForRecord(Task(3, At(2024, 5, 10, 23, 47), 0, NoDayDate()), 24);
    EXPECT_TRUE(h24.notify);
    EXPECT_EQ(h24.taskClock.half, kBlankHalf);
    EXPECT_EQ(h24.taskClock.hour, 23);
    EXPECT_EQ(h24.alarmClock.half, kBlankHalf);

    EditorShown fixed =
        ShownForRecord(Task(1, At(2024, 3, 1, 10, 0), 1, At(2024, 2, 23, 9, 30)), 12);
    EXPECT_EQ(fixed.alarmMode, 1);
    EXPECT_EQ(fixed.dayOffset, 7);
    EXPECT_EQ(fixed.alarmClock.hour, 9);
    EXPECT_EQ(fixed.alarmClock.tens, 3);

    // 185 minutes reopen as 2 h 65 min, so OK without a change keeps the alarm.
    DateTime task = At(2024, 5, 10, 15, 0);
    EditorShown interval = ShownForRecord(Task(1, task, 2, task - TimeSpan::Minutes(185)), 12);
    EXPECT_EQ(interval.alarmMode, 2);
    EXPECT_EQ(interval.interval.hours, 2);
    EXPECT_EQ(interval.interval.tens, 6);
    EXPECT_EQ(interval.interval.ones, 5);
    EXPECT_FALSE(interval.interval.after);
}

// Choices for a task at 10:00 on 10 May 2024 with no alarm, today being 1 May.
struct EditorCase {
    EditorChoices choices;
    EditorContext context;
    EditorCase() {
        choices.text = "歯医者";
        choices.monthIndex = 4;
        choices.dayIndex = 9;
        choices.timeGiven = true;
        choices.taskClock = ClockChoice{kBlankHalf, 10, 0, 0};
        choices.dayOffset = 0;
        choices.alarmClock = ClockChoice{kBlankHalf, 0, 0, 0};
        choices.intervalHours = 0;
        choices.intervalTens = 0;
        choices.intervalOnes = 0;
        choices.direction = 0;
        context.record = Task(0, NoDayDate(), 0, NoDayDate());
        context.time12or24 = 24;
        context.today = At(2024, 5, 1, 12, 0);
    }
    EditorOutcome Apply() const { return ApplyEditorChoices(choices, context); }
    std::string Refusal() const { return Apply().refusal; }
};

TEST(TaskEditorOk, TextChecksInOrder) {
    EditorCase c;
    c.choices.text = "";
    EXPECT_EQ(c.Refusal(), "予定を入力してください");
    c.choices.text = "a`b\xF0\x9F\x98\x80";  // a backquote and an emoji
    EXPECT_EQ(c.Refusal(), "バッククォート文字(`)は使用できません");
    c.choices.text = "歯医者\xF0\x9F\x98\x80";
    EXPECT_EQ(c.Refusal(), "この文字は保存できません。別の文字に置き換えてください。");
    c.choices.text = "   ";
    ASSERT_TRUE(c.Apply().task);
    EXPECT_EQ(c.Apply().task->text, "   ");
}

TEST(TaskEditorOk, TextLimitIsMeasuredInCodePage932Bytes) {
    std::string doubleBytes;
    for (int i = 0; i < 36; ++i) doubleBytes += "予";
    EXPECT_EQ(TaskTextBytes(doubleBytes), 72u);
    EXPECT_TRUE(FitsTaskTextLimit(doubleBytes));
    EXPECT_FALSE(FitsTaskTextLimit(doubleBytes + "a"));
    // Half-width katakana is one byte in code page 932.
    EXPECT_EQ(TaskTextBytes("ｱｲ"), 2u);
}

TEST(TaskEditorOk, TimeAndAlarmChecks) {
    EditorCase c;
    c.choices.taskClock.hour = -1;
    EXPECT_EQ(c.Refusal(), "Please input task time");

    // The interval alarm without a time of day is refused before its parts.
    EditorCase noTime;
    noTime.choices.timeGiven = false;
    noTime.choices.alarmMode = 2;
    noTime.choices.intervalHours = -1;
    EXPECT_EQ(noTime.Refusal(), "アラーム指定で時間前指定をする場合は、予定時間を入力してください");

    // No hour in the editable hours box counts as -60 minutes.
    EditorCase interval;
    interval.choices.alarmMode = 2;
    interval.choices.intervalHours = -1;
    interval.choices.intervalTens = 5;
    interval.choices.intervalOnes = 9;
    EXPECT_EQ(interval.Refusal(), "Please input alarm time");
    interval.choices.intervalTens = 6;
    interval.choices.intervalOnes = 4;
    EditorOutcome accepted = interval.Apply();
    ASSERT_TRUE(accepted.task) << accepted.refusal;
    EXPECT_EQ(accepted.task->alarmTime, At(2024, 5, 10, 9, 56));

    EditorCase fixed;
    fixed.choices.alarmMode = 1;
    fixed.choices.alarmClock.tens = -1;
    EXPECT_EQ(fixed.Refusal(), "Please input alarm time");
}

TEST(TaskEditorOk, BuildsTheRecord) {
    // Without a time of day the time lists do not count.
    EditorCase noTime;
    noTime.choices.timeGiven = false;
    noTime.choices.taskClock.hour = -1;
    ASSERT_TRUE(noTime.Apply().task);
    EXPECT_EQ(noTime.Apply().task->taskTime, At(2024, 5, 10));
    EXPECT_EQ(noTime.Apply().task->taskMode, 0);

    // Same-day and day-before fixed alarms; the blank half does not add 12.
    EditorCase sameDay;
    sameDay.choices.alarmMode = 1;
    sameDay.choices.alarmClock = ClockChoice{kBlankHalf, 9, 0, 0};
    EXPECT_EQ(sameDay.Apply().task->alarmTime, At(2024, 5, 10, 9, 0));
    sameDay.choices.dayOffset = 1;
    EXPECT_EQ(sameDay.Apply().task->alarmTime, At(2024, 5, 9, 9, 0));

    // In 12-hour mode pm adds twelve hours.
    EditorCase pm;
    pm.context.time12or24 = 12;
    pm.choices.taskClock = ClockChoice{1, 3, 0, 5};
    EXPECT_EQ(pm.Apply().task->taskTime, At(2024, 5, 10, 15, 5));

    // Interval after the task time.
    EditorCase after;
    after.choices.alarmMode = 2;
    after.choices.intervalHours = 1;
    after.choices.intervalTens = 3;
    after.choices.direction = 1;
    EXPECT_EQ(after.Apply().task->alarmTime, At(2024, 5, 10, 11, 30));
}

TEST(TaskEditorOk, DateByTheNextYearRuleUnlessFixed) {
    EditorCase today;
    today.choices.monthIndex = 4;
    today.choices.dayIndex = 0;
    EXPECT_EQ(today.Apply().task->taskTime, At(2024, 5, 1, 10, 0));
    EditorCase yesterday;
    yesterday.choices.monthIndex = 3;
    yesterday.choices.dayIndex = 29;
    EXPECT_EQ(yesterday.Apply().task->taskTime, At(2025, 4, 30, 10, 0));
    // A one-day editor keeps the record's day whatever the lists show.
    EditorCase fixed;
    fixed.context.dateFixed = true;
    fixed.context.record = Task(0, At(2024, 4, 2), 0, NoDayDate());
    EXPECT_EQ(fixed.Apply().task->taskTime, At(2024, 4, 2, 10, 0));
    // 29 February of a leap year's record would fall into a common year.
    EditorCase leap;
    leap.context.record = Task(0, At(2024, 2, 29), 0, NoDayDate());
    leap.choices.monthIndex = 1;
    leap.choices.dayIndex = 28;
    EXPECT_FALSE(leap.Apply().task);
    EXPECT_EQ(leap.Refusal(), "2025年にはこの日がありません。別の日を選んでください。");
}

}  // namespace
}  // namespace vesm
