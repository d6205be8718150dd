#include "tasks/alarm_texts.h"

#include <gtest/gtest.h>

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

constexpr TextFormats kDefaults{0, 12};
constexpr TextFormats k24Hours{0, 24};

CTaskTime Task(int taskMode, DateTime taskTime, int alarmMode, DateTime alarmTime) {
    CTaskTime task;
    task.taskTime = taskTime;
    task.taskMode = taskMode;
    task.alarmMode = alarmMode;
    task.alarmArmed = 1;
    task.text = "会議";
    task.alarmTime = alarmTime;
    return task;
}

TEST(DateTextTest, SixLayouts) {
    DateTime day = At(2024, 3, 7, 15, 0);
    EXPECT_EQ(DateText(day, 0), "2024.03.07");
    EXPECT_EQ(DateText(day, 1), "2024.Mar.07");
    EXPECT_EQ(DateText(day, 2), "03.07.2024");
    EXPECT_EQ(DateText(day, 3), "Mar.07.2024");
    EXPECT_EQ(DateText(day, 4), "07.03.2024");
    EXPECT_EQ(DateText(day, 5), "07.Mar.2024");
    EXPECT_EQ(DateText(day, 6), "");
    EXPECT_EQ(DateText(day, -1), "");
}

TEST(DateTextTest, MonthNamesFromJanuaryToDecember) {
    EXPECT_EQ(DateText(At(2024, 1, 31), 1), "2024.Jan.31");
    EXPECT_EQ(DateText(At(2024, 12, 1), 3), "Dec.01.2024");
}

TEST(TimeTextTest, TwelveHourClockCountsFromZero) {
    EXPECT_EQ(TimeText(At(2024, 3, 7, 0, 30), 12), "00:30 am");
    EXPECT_EQ(TimeText(At(2024, 3, 7, 11, 59), 12), "11:59 am");
    EXPECT_EQ(TimeText(At(2024, 3, 7, 12, 30), 12), "00:30 pm");
    EXPECT_EQ(TimeText(At(2024, 3, 7, 23, 5), 12), "11:05 pm");
}

TEST(TimeTextTest, AnyOtherSettingGivesTwentyFourHours) {
    EXPECT_EQ(TimeText(At(2024, 3, 7, 0, 30), 24), "00:30");
    EXPECT_EQ(TimeText(At(2024, 3, 7, 23, 5, 59), 24), "23:05");
    EXPECT_EQ(TimeText(At(2024, 3, 7, 12, 0), 0), "12:00");
}

TEST(TaskTimeMessageTest, BeforeTheTaskTime) {
    DateTime task = At(2024, 5, 10, 15, 0);
    EXPECT_EQ(TaskTimeMessage(task, task - TimeSpan(30), kDefaults, false),
              "予定時刻 2024.05.10 03:00 pm まであと 0分 です");
    EXPECT_EQ(TaskTimeMessage(task, task - TimeSpan::Minutes(30), k24Hours, false),
              "予定時刻 2024.05.10 15:00 まであと 30分 です");
    EXPECT_EQ(TaskTimeMessage(task, task - TimeSpan::Minutes(60), k24Hours, false),
              "予定時刻 2024.05.10 15:00 まであと 1時間 0分 です");
    EXPECT_EQ(TaskTimeMessage(task, task - TimeSpan::Days(1) - TimeSpan(59), k24Hours, false),
              "予定時刻 2024.05.10 15:00 まであと 1日 0時間 0分 です");
}

TEST(TaskTimeMessageTest, AfterTheTaskTime) {
    DateTime task = At(2024, 5, 10, 15, 0);
    TimeSpan late((24 * 60 + 2 * 60 + 3) * 60);
    EXPECT_EQ(TaskTimeMessage(task, task + late, k24Hours, false),
              "予定時刻 2024.05.10 15:00 を 1日 2時間 3分 過ぎています");
    EXPECT_EQ(TaskTimeMessage(task, task + TimeSpan::Minutes(125), k24Hours, false),
              "予定時刻 2024.05.10 15:00 を 2時間 5分 過ぎています");
    EXPECT_EQ(TaskTimeMessage(task, task + TimeSpan(90), k24Hours, true),
              "予定時刻 2024.05.10 15:00 を 1分 過ぎています");
}

TEST(TaskTimeMessageTest, WithinAMinuteOfTheTaskTimeItHasCome) {
    DateTime task = At(2024, 5, 10, 15, 0);
    EXPECT_EQ(TaskTimeMessage(task, task + TimeSpan(20), k24Hours, true),
              "予定時刻 2024.05.10 15:00 になりました");
    EXPECT_EQ(TaskTimeMessage(task, task + TimeSpan(20), k24Hours, false),
              "予定時刻 2024.05.10 15:00 まであと 0分 です");
}

TEST(AlarmNoticeTest, AlarmOfAnUntimedTaskNamesTheAlarmTime) {
    CTaskTime task = Task(0, At(2024, 5, 10), 1, At(2024, 5, 9, 20, 0));
    AlarmNotice notice = ComposeAlarmNotice(task, At(2024, 5, 9, 20, 0, 10), kDefaults);
    EXPECT_EQ(notice.message, "アラーム時刻 2024.05.09 08:00 pm になりました");
    EXPECT_EQ(notice.title, "アラーム時刻になりました");
    EXPECT_TRUE(notice.alarmGiven);
    EXPECT_FALSE(notice.taskTimeNotified);
}

TEST(AlarmNoticeTest, AlarmOfATimedTaskTellsTheDistance) {
    CTaskTime task = Task(1, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 14, 30));
    AlarmNotice notice = ComposeAlarmNotice(task, At(2024, 5, 10, 14, 30, 0), k24Hours);
    EXPECT_EQ(notice.message, "予定時刻 2024.05.10 15:00 まであと 30分 です");
    EXPECT_EQ(notice.title, "アラーム時刻になりました");
    EXPECT_TRUE(notice.alarmGiven);
}

TEST(AlarmNoticeTest, TaskTimeNotification) {
    CTaskTime task = Task(2, At(2024, 5, 10, 15, 0), 0, NoDayDate());
    AlarmNotice notice = ComposeAlarmNotice(task, At(2024, 5, 10, 15, 0, 20), k24Hours);
    EXPECT_EQ(notice.message, "予定時刻 2024.05.10 15:00 になりました");
    EXPECT_EQ(notice.title, "予定時刻になりました");
    EXPECT_FALSE(notice.alarmGiven);
    EXPECT_TRUE(notice.taskTimeNotified);
}

TEST(AlarmNoticeTest, TaskTimeWinsWhenBothAreDue) {
    CTaskTime task = Task(2, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 15, 0));
    AlarmNotice notice = ComposeAlarmNotice(task, At(2024, 5, 10, 15, 1, 30), k24Hours);
    EXPECT_EQ(notice.message, "予定時刻 2024.05.10 15:00 を 1分 過ぎています");
    EXPECT_EQ(notice.title, "予定時刻になりました");
    EXPECT_TRUE(notice.alarmGiven);
    EXPECT_TRUE(notice.taskTimeNotified);
}

TEST(AlarmNoticeTest, NothingWhenNoLongerDue) {
    CTaskTime task = Task(3, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 14, 30));
    task.alarmArmed = 0;
    AlarmNotice notice = ComposeAlarmNotice(task, At(2024, 5, 10, 15, 30), k24Hours);
    EXPECT_EQ(notice.message, "");
    EXPECT_EQ(notice.title, "");
    EXPECT_FALSE(notice.alarmGiven);
    EXPECT_FALSE(notice.taskTimeNotified);
}

}  // namespace
}  // namespace vesm
