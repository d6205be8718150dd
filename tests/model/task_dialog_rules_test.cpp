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

CTaskTime Task(int taskMode, DateTime time, int alarmMode = 0, DateTime alarm = NoDayDate(),
               int armed = 1) {
    return CTaskTime{time, taskMode, alarmMode, armed, "歯医者", alarm};
}

using Cells = std::vector<std::string>;

TEST(TaskListRows, CellsForEveryModeOfTimeNotificationAndAlarm) {
    const TextFormats h24{0, 24};
    const DateTime three = At(2024, 5, 10, 15, 0);
    EXPECT_EQ(TaskRowCells(Task(0, At(2024, 5, 10)), h24),
              (Cells{"2024.05.10 ", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(1, three), h24), (Cells{"2024.05.10 15:00", "歯医者", "", "", ""}));
    EXPECT_EQ(TaskRowCells(Task(2, three, 1, At(2024, 5, 9, 21, 5)), h24),
              (Cells{"2024.05.10 15:00", "歯医者", "未通知", "05.09 21:05", "未通知"}));
    EXPECT_EQ(TaskRowCells(Task(3, three, 2, At(2024, 5, 10, 14, 30), 0), h24),
              (Cells{"2024.05.10 15:00", "歯医者", "通知済", "05.10 30 分前", "通知済"}));
    // an alarm at or after the task time reads as after, zero included
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, three), h24)[3], "05.10 00 分後");
    EXPECT_EQ(TaskRowCells(Task(1, three, 2, At(2024, 5, 10, 17, 5)), h24)[3], "05.10 125 分後");
    EXPECT_EQ(TaskRowCells(Task(1, At(2024, 5, 10, 12, 5), 1, At(2024, 5, 3, 0, 30)), {5, 12}),
              (Cells{"10.May.2024 00:05 pm", "歯医者", "", "03.May 00:30 am", "未通知"}));
    const Cells shortDates = {"02.07", "Feb.07", "02.07", "Feb.07", "07.02", "07.Feb", ""};
    for (int format = 0; format <= 6; ++format) {
        EXPECT_EQ(ShortAlarmDate(At(2024, 2, 7), format), shortDates[format]) << format;
    }
}

TEST(TaskListRows, TitlesOfTheListAndTheEditor) {
    EXPECT_EQ(TaskListTitle(NoDayDate(), false, 0), "全予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 10), true, 0), "2024.05.10(金曜) の予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 12), true, 3), "May.12.2024(日曜) の予定表");
    EXPECT_EQ(TaskListTitle(At(2024, 5, 11), true, 0), "2024.05.11(土曜) の予定表");
    const CTaskTime record = Task(0, At(2024, 5, 10));
    EXPECT_EQ(EditorTitle(record, true, true, 0), "2024.05.10(金曜) ");
    EXPECT_EQ(EditorTitle(record, false, true, 0), "予定の変更");
    EXPECT_EQ(EditorTitle(record, false, false, 0), "予定の追加");
}

TEST(TaskListRows, OldTasksWithoutPendingAlarmHaveNoRowAndRowsScrollIntoView) {
    const DateTime now = At(2024, 5, 10, 12, 0);
    const std::vector<CTaskTime> working = {
        Task(0, At(2024, 5, 1)),                                    // old, no alarm
        Task(1, At(2024, 5, 2, 9, 0), 1, At(2024, 5, 2, 8, 0)),     // old, alarm pending
        Task(1, At(2024, 5, 3, 9, 0), 1, At(2024, 5, 3, 8, 0), 0),  // old, alarm given
        Task(0, At(2024, 5, 4)),                                    // after the cutoff
        Task(0, At(2024, 5, 10)),
    };
    using Rows = std::vector<std::size_t>;
    EXPECT_EQ(RowPositions(working, {now, 0, 7, std::nullopt}), (Rows{0, 1, 2, 3, 4}));
    const Rows rows = RowPositions(working, {now, 1, 7, std::nullopt});
    EXPECT_EQ(rows, (Rows{1, 3, 4}));
    EXPECT_EQ(RowOfPosition(rows, 3), 1);
    EXPECT_EQ(RowOfPosition(rows, 2), -1);
    EXPECT_EQ(RowPositions(working, {now, 1, 7, At(2024, 5, 10)}), (Rows{4}));

    EXPECT_EQ(TaskRowsScrollAfterDelete(0, 8, 1), -1);    // the only row went
    EXPECT_EQ(TaskRowsScrollAfterDelete(3, 8, 20), 10);   // keep the page's last row
    EXPECT_EQ(TaskRowsScrollAfterDelete(12, 8, 20), 18);  // the page reaches the end
    EXPECT_EQ(TaskRowsScrollAfterEdit(2, 5, 8), 2);
    EXPECT_EQ(TaskRowsScrollAfterEdit(7, 5, 8), 12);
    EXPECT_EQ(TaskRowsScrollAfterEdit(13, 5, 8), 13);
}

TEST(TaskEditorLists, MonthDayHalfAndHourItems) {
    EXPECT_EQ(MonthItems(0).front(), "01");
    EXPECT_EQ(MonthItems(4).back(), "12");
    EXPECT_EQ(MonthItems(3).front(), "Jan");
    EXPECT_EQ(MonthItems(5).back(), "Dec");
    for (auto [month, year, count] :
         {std::tuple{2, 2023, 28}, {2, 2024, 29}, {2, 1900, 28}, {4, 2023, 30}, {12, 2023, 31}}) {
        EXPECT_EQ(DayItemCount(month, year), count) << month << "/" << year;
    }
    const Cells days = DayItems(30);
    ASSERT_EQ(days.size(), 30u);
    EXPECT_EQ(days.front(), "01");
    EXPECT_EQ(days[8], "09");
    EXPECT_EQ(days.back(), "30");
    EXPECT_EQ(ClampedDayIndex(30, 28), 27);  // 31 March moved to February of a common year
    EXPECT_EQ(ClampedDayIndex(14, 28), 14);
    EXPECT_EQ(HalfItems(12), (Cells{"am", "pm"}));
    EXPECT_EQ(HalfItems(24), (Cells{"am", "pm", " "}));
    EXPECT_EQ(HourItems(12).back(), "11");
    EXPECT_EQ(HourItems(0).back(), "23");
}

std::vector<int> Clock(const ClockChoice& c) {
    return {c.half, c.hour, c.tens, c.ones};
}

TEST(TaskEditorOpening, ShowsTheRecordsTimeNotificationAndAlarm) {
    const EditorShown fresh = ShownForRecord(Task(0, NoDayDate()), 12);
    EXPECT_EQ(fresh.monthIndex, 0);
    EXPECT_EQ(fresh.dayIndex, 0);
    EXPECT_FALSE(fresh.timeGiven);
    EXPECT_TRUE(fresh.notify);
    EXPECT_EQ(fresh.alarmMode, 0);
    // a task without a time offers 0:00 am for its time and its alarm
    EXPECT_EQ(Clock(fresh.taskClock), (std::vector{0, 0, 0, 0}));
    EXPECT_EQ(Clock(fresh.alarmClock), (std::vector{0, 0, 0, 0}));

    const EditorShown pm = ShownForRecord(Task(1, At(2024, 5, 10, 23, 47)), 12);
    EXPECT_TRUE(pm.timeGiven);
    EXPECT_FALSE(pm.notify);
    EXPECT_EQ(Clock(pm.taskClock), (std::vector{1, 11, 4, 7}));
    const EditorShown h24 = ShownForRecord(Task(3, At(2024, 5, 10, 23, 47)), 24);
    EXPECT_TRUE(h24.notify);
    EXPECT_EQ(Clock(h24.taskClock), (std::vector{kBlankHalf, 23, 4, 7}));
    EXPECT_EQ(h24.alarmClock.half, kBlankHalf);

    const EditorShown fixed =
        ShownForRecord(Task(1, At(2024, 3, 1, 10, 0), 1, At(2024, 2, 23, 9, 30)), 12);
    EXPECT_EQ(fixed.alarmMode, 1);
    EXPECT_EQ(fixed.dayOffset, 7);
    EXPECT_EQ(Clock(fixed.alarmClock), (std::vector{0, 9, 3, 0}));

    // 185 minutes reopen as 2 h 65 min, so OK without a change keeps the alarm
    const DateTime task = At(2024, 5, 10, 15, 0);
    const EditorShown interval =
        ShownForRecord(Task(1, task, 2, task - TimeSpan::Minutes(185)), 12);
    EXPECT_EQ(interval.alarmMode, 2);
    const RelativeAlarmChoice& i = interval.interval;
    EXPECT_EQ((std::vector{i.hours, i.tens, i.ones}), (std::vector{2, 6, 5}));
    EXPECT_FALSE(i.after);
}

// Choices for a task at 10:00 on 10 May 2024 with no alarm, today being 1 May.
struct Editor {
    EditorChoices choices{"歯医者",     4, 9, true, false, {kBlankHalf, 10, 0, 0}, 0, 0,
                          {kBlankHalf}, 0, 0, 0,    0};
    EditorContext context{Task(0, NoDayDate()), false, 24, At(2024, 5, 1, 12, 0)};
    EditorOutcome Apply() const { return ApplyEditorChoices(choices, context); }
    std::string Refusal() const { return Apply().refusal; }
    DateTime TaskTime() const { return Apply().task.value().taskTime; }
    DateTime AlarmTime() const { return Apply().task.value().alarmTime; }
};

TEST(TaskEditorOk, TextChecksInOrderWithTheLimitInCodePage932Bytes) {
    Editor e;
    e.choices.text = "";
    EXPECT_EQ(e.Refusal(), "予定を入力してください");
    e.choices.text = "a`b\xF0\x9F\x98\x80";  // a backquote and an emoji
    EXPECT_EQ(e.Refusal(), "バッククォート文字(`)は使用できません");
    e.choices.text = "歯医者\xF0\x9F\x98\x80";
    EXPECT_EQ(e.Refusal(), "この文字は保存できません。別の文字に置き換えてください。");
    e.choices.text = "   ";
    EXPECT_EQ(e.Apply().task.value().text, "   ");

    std::string doubleBytes;
    for (int i = 0; i < 36; ++i) doubleBytes += "予";
    EXPECT_EQ(TaskTextBytes(doubleBytes), 72u);
    EXPECT_TRUE(FitsTaskTextLimit(doubleBytes));
    EXPECT_FALSE(FitsTaskTextLimit(doubleBytes + "a"));
    EXPECT_EQ(TaskTextBytes("ｱｲ"), 2u);  // half-width katakana is one byte
}

TEST(TaskEditorOk, TimeAndAlarmChecks) {
    Editor e;
    e.choices.taskClock.hour = -1;
    EXPECT_EQ(e.Refusal(), "Please input task time");

    Editor noTime;  // the interval alarm without a time of day is refused before its parts
    noTime.choices.timeGiven = false;
    noTime.choices.alarmMode = 2;
    noTime.choices.intervalHours = -1;
    EXPECT_EQ(noTime.Refusal(), "アラーム指定で時間前指定をする場合は、予定時間を入力してください");

    Editor interval;  // no hour in the editable hours box counts as -60 minutes
    interval.choices.alarmMode = 2;
    interval.choices.intervalHours = -1;
    interval.choices.intervalTens = 5;
    interval.choices.intervalOnes = 9;
    EXPECT_EQ(interval.Refusal(), "Please input alarm time");
    interval.choices.intervalTens = 6;
    interval.choices.intervalOnes = 4;
    EXPECT_EQ(interval.AlarmTime(), At(2024, 5, 10, 9, 56));

    Editor fixed;
    fixed.choices.alarmMode = 1;
    fixed.choices.alarmClock.tens = -1;
    EXPECT_EQ(fixed.Refusal(), "Please input alarm time");
}

TEST(TaskEditorOk, BuildsTheRecord) {
    Editor noTime;  // without a time of day the time lists do not count
    noTime.choices.timeGiven = false;
    noTime.choices.taskClock.hour = -1;
    EXPECT_EQ(noTime.TaskTime(), At(2024, 5, 10));
    EXPECT_EQ(noTime.Apply().task->taskMode, 0);

    Editor sameDay;  // the blank half does not add 12
    sameDay.choices.alarmMode = 1;
    sameDay.choices.alarmClock = ClockChoice{kBlankHalf, 9, 0, 0};
    EXPECT_EQ(sameDay.AlarmTime(), At(2024, 5, 10, 9, 0));
    sameDay.choices.dayOffset = 1;
    EXPECT_EQ(sameDay.AlarmTime(), At(2024, 5, 9, 9, 0));

    Editor pm;
    pm.context.time12or24 = 12;
    pm.choices.taskClock = ClockChoice{1, 3, 0, 5};
    EXPECT_EQ(pm.TaskTime(), At(2024, 5, 10, 15, 5));

    Editor after;
    after.choices.alarmMode = 2;
    after.choices.intervalHours = 1;
    after.choices.intervalTens = 3;
    after.choices.direction = 1;
    EXPECT_EQ(after.AlarmTime(), At(2024, 5, 10, 11, 30));
}

TEST(TaskEditorOk, DateByTheNextYearRuleUnlessFixed) {
    Editor e;
    e.choices.dayIndex = 0;
    EXPECT_EQ(e.TaskTime(), At(2024, 5, 1, 10, 0));
    e.choices.monthIndex = 3;
    e.choices.dayIndex = 29;
    EXPECT_EQ(e.TaskTime(), At(2025, 4, 30, 10, 0));
    e.context.dateFixed = true;  // a one-day editor keeps the record's day
    e.context.record = Task(0, At(2024, 4, 2));
    EXPECT_EQ(e.TaskTime(), At(2024, 4, 2, 10, 0));

    Editor leap;  // 29 February of a leap year's record would fall into a common year
    leap.context.record = Task(0, At(2024, 2, 29));
    leap.choices.monthIndex = 1;
    leap.choices.dayIndex = 28;
    EXPECT_FALSE(leap.Apply().task);
    EXPECT_EQ(leap.Refusal(), "2025年にはこの日がありません。別の日を選んでください。");
}

}  // namespace
}  // namespace vesm
