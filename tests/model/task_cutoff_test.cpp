#include <gtest/gtest.h>

#include "support/time_zone.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime TaskOn(DateTime time, int alarmMode = 0, int alarmArmed = 1) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = 1;
    task.alarmMode = alarmMode;
    task.alarmArmed = alarmArmed;
    task.text = "x";
    task.alarmTime = alarmMode == 0 ? NoDayDate() : time;
    return task;
}

TEST(TaskCutoffTest, CutoffIsTheCalendarDaySpanDaysBack) {
    EXPECT_EQ(CutoffDayKey(At(2024, 3, 7, 23, 59), 7), 20240229);
    EXPECT_EQ(CutoffDayKey(At(2023, 3, 7, 0, 0), 7), 20230228);
    EXPECT_EQ(CutoffDayKey(At(2025, 1, 1, 12, 0), 1), 20241231);
    EXPECT_EQ(CutoffDayKey(At(2024, 5, 10, 9, 0), 0), 20240510);
    EXPECT_EQ(CutoffDayKey(At(2024, 5, 10, 9, 0), 365), 20230511);
}

TEST(TaskCutoffTest, TasksOnOrBeforeTheCutoffAreOld) {
    int cutoff = CutoffDayKey(At(2024, 5, 10, 9, 0), 7);
    EXPECT_TRUE(IsTaskOld(TaskOn(At(2024, 5, 3, 23, 59)), cutoff));
    EXPECT_TRUE(IsTaskOld(TaskOn(At(2023, 12, 31)), cutoff));
    EXPECT_FALSE(IsTaskOld(TaskOn(At(2024, 5, 4, 0, 0)), cutoff));
}

TEST(TaskCutoffTest, StaysOnCalendarDaysAcrossDaylightSaving) {
    VESM_NEEDS_ZONE_SWITCH();
    ScopedTimeZone zone("America/New_York");
    // 10 March 2024 had 23 hours and 3 November 25: one 86 400 s step back
    // from these instants would land two days back or on the same day.
    EXPECT_EQ(CutoffDayKey(At(2024, 3, 11, 0, 30), 1), 20240310);
    EXPECT_EQ(CutoffDayKey(At(2024, 11, 3, 23, 30), 1), 20241102);
}

TEST(TaskVisibilityTest, OldTasksHideOnceTheirAlarmIsGivenAndOnlyWhileHandled) {
    const DateTime now = At(2024, 5, 10, 9, 0);
    EXPECT_TRUE(IsTaskVisible(TaskOn(At(2020, 1, 1)), now, 0, 0));
    CTaskTime old = TaskOn(At(2024, 5, 1, 10, 0), 1, 1);
    EXPECT_TRUE(IsTaskVisible(old, now, 1, 7));
    old.alarmArmed = 0;
    EXPECT_FALSE(IsTaskVisible(old, now, 1, 7));
    EXPECT_FALSE(IsTaskVisible(TaskOn(At(2024, 5, 1, 10, 0)), now, 1, 7));
    EXPECT_TRUE(IsTaskVisible(TaskOn(At(2024, 5, 4, 0, 0)), now, 1, 7));
    // Span 0 hides today's given tasks.
    EXPECT_FALSE(IsTaskVisible(TaskOn(At(2024, 5, 10, 23, 0)), now, 1, 0));
    EXPECT_TRUE(IsTaskVisible(TaskOn(At(2024, 5, 11, 0, 0)), now, 1, 0));
}

}  // namespace
}  // namespace vesm
