#include "tasks/task_rules.h"

#include <tuple>

#include <gtest/gtest.h>

#include "support/time_zone.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

CTaskTime TaskAt(DateTime taskTime, int alarmMode, DateTime alarmTime, int taskMode = 1) {
    return CTaskTime{taskTime, taskMode, alarmMode, 1, "x", alarmTime};
}

const TaskFieldValues kStored{2, 2024, 5, 10, 15, 0, 2, 2024, 5, 10, 14, 30, 1, "会議"};

TEST(TaskFieldsTest, FourteenValuesRoundTripAndOutOfRangeOnesAreRefused) {
    std::optional<CTaskTime> task = TaskFromFields(kStored);
    ASSERT_TRUE(task);
    EXPECT_EQ(task->taskTime, At(2024, 5, 10, 15, 0));
    EXPECT_EQ(task->alarmTime, At(2024, 5, 10, 14, 30));
    EXPECT_EQ(task->taskMode, 2);
    EXPECT_EQ(task->alarmMode, 2);
    EXPECT_EQ(task->alarmArmed, 1);
    EXPECT_EQ(task->text, "会議");
    TaskFieldValues back = FieldsOfTask(*task);
    EXPECT_EQ(std::tie(back.taskDay, back.alarmHour, back.alarmMinute, back.text),
              std::tie(kStored.taskDay, kStored.alarmHour, kStored.alarmMinute, kStored.text));
    TaskFieldValues noAlarm{2, 2024, 5, 10, 15, 0, 0, 1975, 1, 1, 0, 0, 1, "x"};
    EXPECT_EQ(TaskFromFields(noAlarm)->alarmTime, NoDayDate());

    void (*const refused[])(TaskFieldValues&) = {
        [](TaskFieldValues& v) { v.taskMode = 4; },
        [](TaskFieldValues& v) { v.alarmMode = -1; },
        [](TaskFieldValues& v) { v.alarmArmed = 2; },
        [](TaskFieldValues& v) { v.taskDay = 31, v.taskMonth = 4; },
        [](TaskFieldValues& v) { v.alarmMonth = 2, v.alarmDay = 30; },
        [](TaskFieldValues& v) { v.taskHour = 24; },
        [](TaskFieldValues& v) { v.alarmMinute = 60; },
        [](TaskFieldValues& v) { v.taskYear = 1960; },
    };
    for (auto change : refused) {
        TaskFieldValues v = kStored;
        change(v);
        EXPECT_FALSE(TaskFromFields(v)) << v.taskMode << v.alarmMode << v.alarmArmed;
    }
    TaskFieldValues leap = kStored;
    leap.taskMonth = 2, leap.taskDay = 29;
    EXPECT_TRUE(TaskFromFields(leap));
}

TEST(EditorChoiceTest, YearOfAMonthDayAndTheTwelveHourClock) {
    DateTime today = At(2024, 5, 10, 18, 0);
    EXPECT_EQ(YearForMonthDay(5, 10, today), 2024);
    EXPECT_EQ(YearForMonthDay(5, 9, today), 2025);
    EXPECT_EQ(YearForMonthDay(5, 11, today), 2024);
    EXPECT_EQ(YearForMonthDay(1, 31, today), 2025);
    EXPECT_EQ(YearForMonthDay(12, 1, today), 2024);
    EXPECT_EQ(HourOfDay(0, true, 12), 12);
    EXPECT_EQ(HourOfDay(11, true, 12), 23);
    EXPECT_EQ(HourOfDay(11, false, 12), 11);
    EXPECT_EQ(HourOfDay(15, true, 24), 15);
}

TEST(FixedAlarmTest, DaysBeforeCrossMonthEndsAndLeapDaysAndAreRecovered) {
    EXPECT_EQ(FixedAlarmTime(At(2023, 3, 1), {7, 9, 45}), At(2023, 2, 22, 9, 45));
    EXPECT_EQ(FixedAlarmTime(At(2024, 3, 1), {7, 9, 45}), At(2024, 2, 23, 9, 45));
    EXPECT_EQ(FixedAlarmTime(At(2025, 1, 3, 8, 0), {3, 23, 59}), At(2024, 12, 31, 23, 59));
    EXPECT_EQ(FixedAlarmTime(At(2024, 5, 10, 15, 0), {0, 7, 5}), At(2024, 5, 10, 7, 5));
    DateTime task = At(2024, 3, 1, 10, 0);
    for (int k = 0; k <= 7; ++k) {
        FixedAlarmChoice choice =
            RecoverFixedAlarm(TaskAt(task, 1, *FixedAlarmTime(task, {k, 6, 15})));
        EXPECT_EQ(std::tie(choice.daysBefore, choice.hour, choice.minute),
                  std::make_tuple(k, 6, 15));
    }
    // Further back than a week, or after the task's day: shown as the same day.
    EXPECT_EQ(RecoverFixedAlarm(TaskAt(task, 1, At(2024, 2, 20, 6, 0))).daysBefore, 0);
    EXPECT_EQ(RecoverFixedAlarm(TaskAt(task, 1, At(2024, 3, 2, 6, 0))).daysBefore, 0);
}

TEST(FixedAlarmTest, CalendarDaysHoldAcrossDaylightSaving) {
    VESM_NEEDS_ZONE_SWITCH();
    {
        ScopedTimeZone zone("Europe/Berlin");
        // Summer time began on 31 March 2024; seven 86 400 s steps back would land at 22:30.
        DateFields f = FixedAlarmTime(At(2024, 4, 2), {7, 23, 30})->Fields();
        EXPECT_EQ(std::tie(f.month, f.day, f.hour, f.minute), std::make_tuple(3, 26, 23, 30));
    }
    ScopedTimeZone zone("America/New_York");
    // 10 March 2024 had 23 hours and 3 November 25.
    EXPECT_EQ(CutoffDayKey(At(2024, 3, 11, 0, 30), 1), 20240310);
    EXPECT_EQ(CutoffDayKey(At(2024, 11, 3, 23, 30), 1), 20241102);
}

TEST(RelativeAlarmTest, EveryChoiceTheEditorOffersIsRecoveredExactly) {
    DateTime task = At(2024, 3, 1, 0, 30);
    EXPECT_EQ(RelativeAlarmTime(task, {0, 4, 5, false}), At(2024, 2, 29, 23, 45));
    EXPECT_EQ(RelativeAlarmTime(task, {2, 6, 9, true}), At(2024, 3, 1, 3, 39));
    for (int minutes = 0; minutes <= 189; ++minutes) {
        for (bool after : {false, true}) {
            int hours = std::min(minutes / 60, 2), rest = minutes - hours * 60;
            RelativeAlarmChoice chosen{hours, rest / 10, rest % 10, after};
            RelativeAlarmChoice back =
                RecoverRelativeAlarm(TaskAt(task, 2, RelativeAlarmTime(task, chosen)));
            EXPECT_EQ(back.Minutes(), minutes) << minutes;
            EXPECT_EQ(back.after, after && minutes != 0) << minutes;
        }
    }
    // Longer intervals show as the longest choice.
    RelativeAlarmChoice back = RecoverRelativeAlarm(TaskAt(task, 2, task - TimeSpan::Minutes(185)));
    EXPECT_EQ(std::tie(back.hours, back.tens, back.ones, back.after),
              std::make_tuple(2, 6, 5, false));
    back = RecoverRelativeAlarm(TaskAt(task, 2, task + TimeSpan::Days(2)));
    EXPECT_EQ(back.Minutes(), 189);
    EXPECT_TRUE(back.after);
}

TEST(RelativeAlarmTest, ShownIntervalTruncatesAndCountsZeroAsAfter) {
    DateTime task = At(2024, 5, 10, 15, 0);
    const struct {
        TimeSpan alarmFromTask;
        long long minutes;
        bool before;
    } cases[] = {{TimeSpan(0), 0, false},
                 {TimeSpan::Minutes(-30), 30, true},
                 {TimeSpan::Minutes(75), 75, false},
                 {TimeSpan(-119), 1, true},
                 {TimeSpan(119), 1, false},
                 {TimeSpan(-59), 0, false}};
    for (const auto& c : cases) {
        AlarmInterval shown = ShownAlarmInterval(TaskAt(task, 2, task + c.alarmFromTask));
        EXPECT_EQ(shown.minutes, c.minutes);
        EXPECT_EQ(shown.before, c.before) << c.minutes;
    }
}

TEST(DueRuleTest, AlarmAndTaskTimeAreDueFromTheirInstantWhilePending) {
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

    DateTime time = At(2024, 5, 10, 15, 0);
    task = TaskAt(time, 0, NoDayDate());
    for (int mode : {0, 1, 3}) {
        task.taskMode = mode;
        EXPECT_FALSE(IsTimeDue(task, time + TimeSpan::Days(1))) << mode;
    }
    task.taskMode = 2;
    EXPECT_FALSE(IsTimeDue(task, time - TimeSpan(1)));
    EXPECT_TRUE(IsTimeDue(task, time));
    EXPECT_TRUE(IsTaskDue(task, time));

    // A snooze gives a task without alarm a pending relative one on the whole minute.
    task.alarmArmed = 0;
    ApplySnooze(task, At(2024, 12, 31, 23, 59, 59), 120);
    EXPECT_EQ(std::tie(task.alarmMode, task.alarmArmed), std::make_tuple(2, 1));
    EXPECT_EQ(task.alarmTime, At(2025, 1, 1, 1, 59, 0));
}

TEST(OldTaskTest, CutoffIsTheCalendarDaySpanDaysBackAndHidesOnlyGivenTasks) {
    EXPECT_EQ(CutoffDayKey(At(2024, 3, 7, 23, 59), 7), 20240229);
    EXPECT_EQ(CutoffDayKey(At(2023, 3, 7, 0, 0), 7), 20230228);
    EXPECT_EQ(CutoffDayKey(At(2025, 1, 1, 12, 0), 1), 20241231);
    EXPECT_EQ(CutoffDayKey(At(2024, 5, 10, 9, 0), 0), 20240510);
    EXPECT_EQ(CutoffDayKey(At(2024, 5, 10, 9, 0), 365), 20230511);
    int cutoff = CutoffDayKey(At(2024, 5, 10, 9, 0), 7);
    EXPECT_TRUE(IsTaskOld(TaskAt(At(2024, 5, 3, 23, 59), 0, NoDayDate()), cutoff));
    EXPECT_TRUE(IsTaskOld(TaskAt(At(2023, 12, 31), 0, NoDayDate()), cutoff));
    EXPECT_FALSE(IsTaskOld(TaskAt(At(2024, 5, 4), 0, NoDayDate()), cutoff));

    const DateTime now = At(2024, 5, 10, 9, 0);
    auto visible = [&now](DateTime time, int alarmArmed, int handled, int span) {
        CTaskTime task = TaskAt(time, alarmArmed < 0 ? 0 : 1, alarmArmed < 0 ? NoDayDate() : time);
        task.alarmArmed = alarmArmed < 0 ? 1 : alarmArmed;
        return IsTaskVisible(task, now, handled, span);
    };
    EXPECT_TRUE(visible(At(2020, 1, 1), -1, 0, 0));
    EXPECT_TRUE(visible(At(2024, 5, 1, 10, 0), 1, 1, 7));  // alarm pending
    EXPECT_FALSE(visible(At(2024, 5, 1, 10, 0), 0, 1, 7));
    EXPECT_FALSE(visible(At(2024, 5, 1, 10, 0), -1, 1, 7));
    EXPECT_TRUE(visible(At(2024, 5, 4), -1, 1, 7));
    EXPECT_FALSE(visible(At(2024, 5, 10, 23, 0), -1, 1, 0));
    EXPECT_TRUE(visible(At(2024, 5, 11), -1, 1, 0));
}

}  // namespace
}  // namespace vesm
