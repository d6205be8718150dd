#include "tasks/task_rules.h"

#include <gtest/gtest.h>

#include "support/time_zone.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

TaskFieldValues StoredTask() {
    TaskFieldValues v;
    v.taskMode = 2;
    v.taskYear = 2024;
    v.taskMonth = 5;
    v.taskDay = 10;
    v.taskHour = 15;
    v.taskMinute = 0;
    v.alarmMode = 2;
    v.alarmYear = 2024;
    v.alarmMonth = 5;
    v.alarmDay = 10;
    v.alarmHour = 14;
    v.alarmMinute = 30;
    v.alarmArmed = 1;
    v.text = "会議";
    return v;
}

CTaskTime TaskAt(DateTime taskTime, int alarmMode, DateTime alarmTime) {
    return CTaskTime{taskTime, 1, alarmMode, 1, std::string("x"), alarmTime};
}

TEST(TaskFillTest, FourteenValuesRoundTrip) {
    std::optional<CTaskTime> task = TaskFromFields(StoredTask());
    ASSERT_TRUE(task);
    EXPECT_EQ(task->taskTime, At(2024, 5, 10, 15, 0));
    EXPECT_EQ(task->alarmTime, At(2024, 5, 10, 14, 30));
    EXPECT_EQ(task->taskMode, 2);
    EXPECT_EQ(task->alarmMode, 2);
    EXPECT_EQ(task->alarmArmed, 1);
    EXPECT_EQ(task->text, "会議");

    TaskFieldValues back = FieldsOfTask(*task);
    TaskFieldValues original = StoredTask();
    EXPECT_EQ(back.taskDay, original.taskDay);
    EXPECT_EQ(back.alarmHour, original.alarmHour);
    EXPECT_EQ(back.alarmMinute, original.alarmMinute);
    EXPECT_EQ(back.text, original.text);
}

TEST(TaskFillTest, NoAlarmDateIsAccepted) {
    TaskFieldValues v = StoredTask();
    v.alarmMode = 0;
    v.alarmYear = 1975;
    v.alarmMonth = 1;
    v.alarmDay = 1;
    v.alarmHour = 0;
    v.alarmMinute = 0;
    std::optional<CTaskTime> task = TaskFromFields(v);
    ASSERT_TRUE(task);
    EXPECT_EQ(task->alarmTime, NoDayDate());
}

TEST(TaskFillTest, RefusesValuesOutsideTheirRanges) {
    auto refused = [](void (*change)(TaskFieldValues&)) {
        TaskFieldValues v = StoredTask();
        change(v);
        return !TaskFromFields(v).has_value();
    };
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.taskMode = 4; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.alarmMode = -1; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.alarmArmed = 2; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.taskDay = 31, v.taskMonth = 4; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.alarmMonth = 2, v.alarmDay = 30; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.taskHour = 24; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.alarmMinute = 60; }));
    EXPECT_TRUE(refused([](TaskFieldValues& v) { v.taskYear = 1960; }));
    EXPECT_FALSE(refused([](TaskFieldValues& v) { v.taskMonth = 2, v.taskDay = 29; }));
}

TEST(EditorDateTest, MonthAndDayBeforeTodayMeanNextYear) {
    DateTime today = At(2024, 5, 10, 18, 0);
    EXPECT_EQ(YearForMonthDay(5, 10, today), 2024);
    EXPECT_EQ(YearForMonthDay(5, 9, today), 2025);
    EXPECT_EQ(YearForMonthDay(5, 11, today), 2024);
    EXPECT_EQ(YearForMonthDay(1, 31, today), 2025);
    EXPECT_EQ(YearForMonthDay(12, 1, today), 2024);
}

TEST(EditorDateTest, PmAddsTwelveHoursOnlyInTwelveHourMode) {
    EXPECT_EQ(HourOfDay(0, true, 12), 12);
    EXPECT_EQ(HourOfDay(11, true, 12), 23);
    EXPECT_EQ(HourOfDay(11, false, 12), 11);
    EXPECT_EQ(HourOfDay(15, true, 24), 15);
}

TEST(FixedAlarmTest, DaysBeforeCrossMonthEndsAndLeapDays) {
    FixedAlarmChoice weekBefore{7, 9, 45};
    EXPECT_EQ(FixedAlarmTime(At(2023, 3, 1), weekBefore), At(2023, 2, 22, 9, 45));
    EXPECT_EQ(FixedAlarmTime(At(2024, 3, 1), weekBefore), At(2024, 2, 23, 9, 45));
    EXPECT_EQ(FixedAlarmTime(At(2025, 1, 3, 8, 0), FixedAlarmChoice{3, 23, 59}),
              At(2024, 12, 31, 23, 59));
    // The task's own time of day does not matter; the alarm's does.
    EXPECT_EQ(FixedAlarmTime(At(2024, 5, 10, 15, 0), FixedAlarmChoice{0, 7, 5}),
              At(2024, 5, 10, 7, 5));
}

TEST(FixedAlarmTest, KeepsItsTimeOfDayAcrossDaylightSaving) {
    VESM_NEEDS_ZONE_SWITCH();
    ScopedTimeZone zone("Europe/Berlin");
    // Summer time began on 31 March 2024; seven 86 400 s steps back would land at 22:30.
    DateTime alarm = FixedAlarmTime(At(2024, 4, 2), FixedAlarmChoice{7, 23, 30}).value();
    DateFields f = alarm.Fields();
    EXPECT_EQ(CalendarDayKey(f), 20240326);
    EXPECT_EQ(f.hour, 23);
    EXPECT_EQ(f.minute, 30);
}

TEST(FixedAlarmTest, ChoicesAreRecoveredFromTheStoredAlarm) {
    DateTime task = At(2024, 3, 1, 10, 0);
    for (int k = 0; k <= 7; ++k) {
        CTaskTime stored = TaskAt(task, 1, FixedAlarmTime(task, {k, 6, 15}).value());
        FixedAlarmChoice choice = RecoverFixedAlarm(stored);
        EXPECT_EQ(choice.daysBefore, k);
        EXPECT_EQ(choice.hour, 6);
        EXPECT_EQ(choice.minute, 15);
    }
    // Further back than a week, or after the task's day: shown as the same day.
    EXPECT_EQ(RecoverFixedAlarm(TaskAt(task, 1, At(2024, 2, 20, 6, 0))).daysBefore, 0);
    EXPECT_EQ(RecoverFixedAlarm(TaskAt(task, 1, At(2024, 3, 2, 6, 0))).daysBefore, 0);
}

TEST(RelativeAlarmTest, IntervalBeforeOrAfterTheTaskTime) {
    DateTime task = At(2024, 3, 1, 0, 30);
    EXPECT_EQ(RelativeAlarmTime(task, {0, 4, 5, false}), At(2024, 2, 29, 23, 45));
    EXPECT_EQ(RelativeAlarmTime(task, {2, 6, 9, true}), At(2024, 3, 1, 3, 39));
    EXPECT_EQ(RelativeAlarmTime(task, {0, 0, 0, false}), task);
}

TEST(RelativeAlarmTest, EveryChoiceTheEditorOffersIsRecoveredExactly) {
    DateTime task = At(2024, 5, 10, 15, 0);
    for (int minutes = 0; minutes <= 189; ++minutes) {
        for (bool after : {false, true}) {
            RelativeAlarmChoice chosen{std::min(minutes / 60, 2), 0, 0, after};
            int rest = minutes - chosen.hours * 60;
            chosen.tens = rest / 10;
            chosen.ones = rest % 10;
            CTaskTime stored = TaskAt(task, 2, RelativeAlarmTime(task, chosen));
            RelativeAlarmChoice back = RecoverRelativeAlarm(stored);
            EXPECT_EQ(back.Minutes(), minutes) << minutes;
            EXPECT_EQ(back.after, after && minutes != 0) << minutes;
        }
    }
}

TEST(RelativeAlarmTest, LongIntervalsShowAsTheLongestChoice) {
    DateTime task = At(2024, 5, 10, 15, 0);
    RelativeAlarmChoice back = RecoverRelativeAlarm(TaskAt(task, 2, task - TimeSpan::Minutes(185)));
    EXPECT_EQ(back.hours, 2);
    EXPECT_EQ(back.tens, 6);
    EXPECT_EQ(back.ones, 5);
    EXPECT_FALSE(back.after);
    back = RecoverRelativeAlarm(TaskAt(task, 2, task + TimeSpan::Days(2)));
    EXPECT_EQ(back.Minutes(), 189);
    EXPECT_TRUE(back.after);
}

TEST(AlarmIntervalTest, ZeroAndLaterAlarmsShowAsAfter) {
    DateTime task = At(2024, 5, 10, 15, 0);
    AlarmInterval atTask = ShownAlarmInterval(TaskAt(task, 2, task));
    EXPECT_EQ(atTask.minutes, 0);
    EXPECT_FALSE(atTask.before);
    AlarmInterval before = ShownAlarmInterval(TaskAt(task, 2, task - TimeSpan::Minutes(30)));
    EXPECT_EQ(before.minutes, 30);
    EXPECT_TRUE(before.before);
    AlarmInterval after = ShownAlarmInterval(TaskAt(task, 2, task + TimeSpan::Minutes(75)));
    EXPECT_EQ(after.minutes, 75);
    EXPECT_FALSE(after.before);
    // Partial minutes truncate toward zero on both sides.
    EXPECT_EQ(ShownAlarmInterval(TaskAt(task, 2, task - TimeSpan(119))).minutes, 1);
    EXPECT_EQ(ShownAlarmInterval(TaskAt(task, 2, task + TimeSpan(119))).minutes, 1);
    EXPECT_FALSE(ShownAlarmInterval(TaskAt(task, 2, task - TimeSpan(59))).before);
}

TEST(DueRuleTest, AlarmIsDueFromItsInstantWhilePending) {
    DateTime alarm = At(2024, 5, 10, 14, 30);
    CTaskTime task = TaskAt(At(2024, 5, 10, 15, 0), 2, alarm);
    EXPECT_FALSE(IsAlarmDue(task, alarm - TimeSpan(1)));
    EXPECT_TRUE(IsAlarmDue(task, alarm));
    task.alarmArmed = 0;
    EXPECT_FALSE(IsAlarmDue(task, alarm));
    task.alarmArmed = 1;
    task.alarmMode = 0;
    EXPECT_FALSE(IsAlarmDue(task, alarm));
    EXPECT_FALSE(IsTaskDue(task, alarm));
}

TEST(DueRuleTest, TaskTimeIsDueOnlyWhileItsNotificationIsPending) {
    DateTime time = At(2024, 5, 10, 15, 0);
    CTaskTime task = TaskAt(time, 0, NoDayDate());
    for (int mode : {0, 1, 3}) {
        task.taskMode = mode;
        EXPECT_FALSE(IsTimeDue(task, time + TimeSpan::Days(1))) << mode;
    }
    task.taskMode = 2;
    EXPECT_FALSE(IsTimeDue(task, time - TimeSpan(1)));
    EXPECT_TRUE(IsTimeDue(task, time));
    EXPECT_TRUE(IsTaskDue(task, time));
}

TEST(SnoozeTest, AlarmFallsOnTheWholeMinute) {
    EXPECT_EQ(SnoozeAlarmTime(At(2024, 5, 10, 10, 15, 42), 5), At(2024, 5, 10, 10, 20, 0));
    EXPECT_EQ(SnoozeAlarmTime(At(2024, 12, 31, 23, 59, 59), 120), At(2025, 1, 1, 1, 59, 0));
}

TEST(SnoozeTest, TaskWithoutAlarmGetsAPendingRelativeOne) {
    CTaskTime task = TaskAt(At(2024, 5, 10, 10, 0), 0, NoDayDate());
    task.alarmArmed = 0;
    ApplySnooze(task, At(2024, 5, 10, 10, 15, 42), 5);
    EXPECT_EQ(task.alarmMode, 2);
    EXPECT_EQ(task.alarmArmed, 1);
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 10, 20));
    EXPECT_FALSE(IsAlarmDue(task, At(2024, 5, 10, 10, 19, 59)));
    EXPECT_TRUE(IsAlarmDue(task, At(2024, 5, 10, 10, 20)));
}

}  // namespace
}  // namespace vesm
