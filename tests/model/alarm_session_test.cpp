#include "tasks/alarm_session.h"

#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "tasks/alarm_texts.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

constexpr TextFormats kDefaults{0, 12};
constexpr TextFormats k24Hours{0, 24};

TEST(AlarmTextsTest, DatesInSixLayoutsAndTimesInTwelveOrTwentyFourHours) {
    const DateTime day = At(2024, 3, 7, 15, 0);
    const char* dates[] = {
        "2024.03.07", "2024.Mar.07", "03.07.2024", "Mar.07.2024", "07.03.2024", "07.Mar.2024", ""};
    for (int format = 0; format <= 6; ++format) EXPECT_EQ(DateText(day, format), dates[format]);
    EXPECT_EQ(DateText(day, -1), "");
    EXPECT_EQ(DateText(At(2024, 1, 31), 1), "2024.Jan.31");
    EXPECT_EQ(DateText(At(2024, 12, 1), 3), "Dec.01.2024");

    auto time = [](int hour, int minute, int mode) {
        return TimeText(At(2024, 3, 7, hour, minute, 59), mode);
    };
    EXPECT_EQ((std::vector<std::string>{time(0, 30, 12), time(11, 59, 12), time(12, 30, 12),
                                        time(23, 5, 12), time(0, 30, 24), time(23, 5, 24),
                                        time(12, 0, 0)}),  // any other setting is 24 hours
              (std::vector<std::string>{"00:30 am", "11:59 am", "00:30 pm", "11:05 pm", "00:30",
                                        "23:05", "12:00"}));
}

TEST(AlarmTextsTest, TaskTimeMessageTellsTheDistanceBeforeAndAfter) {
    const DateTime task = At(2024, 5, 10, 15, 0);
    const struct {
        int seconds;
        bool notification;
        const char* rest;
    } cases[] = {
        {-30 * 60, false, "まであと 30分 です"},
        {-3600, false, "まであと 1時間 0分 です"},
        {-24 * 3600 - 59, false, "まであと 1日 0時間 0分 です"},
        {(24 * 60 + 2 * 60 + 3) * 60, false, "を 1日 2時間 3分 過ぎています"},
        {125 * 60, false, "を 2時間 5分 過ぎています"},
        {90, true, "を 1分 過ぎています"},
        // Within a minute the notification says it has come; an alarm counts down.
        {20, true, "になりました"},
        {20, false, "まであと 0分 です"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TaskTimeMessage(task, task + TimeSpan(c.seconds), k24Hours, c.notification),
                  std::string("予定時刻 2024.05.10 15:00 ") + c.rest);
    }
    EXPECT_EQ(TaskTimeMessage(task, task - TimeSpan(30), kDefaults, false),
              "予定時刻 2024.05.10 03:00 pm まであと 0分 です");
}

TEST(AlarmTextsTest, NoticeOfAnUntimedAlarmNamesTheAlarmTimeOfANotificationItsComing) {
    AlarmNotice alarm =
        ComposeAlarmNotice(CTaskTime{At(2024, 5, 10), 0, 1, 1, "", At(2024, 5, 9, 20)},
                           At(2024, 5, 9, 20, 0, 10), kDefaults);
    EXPECT_EQ(std::tie(alarm.message, alarm.title, alarm.alarmGiven, alarm.taskTimeNotified),
              std::make_tuple("アラーム時刻 2024.05.09 08:00 pm になりました",
                              "アラーム時刻になりました", true, false));
    const DateTime at15 = At(2024, 5, 10, 15, 0);
    AlarmNotice task = ComposeAlarmNotice(CTaskTime{at15, 2, 0, 1, "", NoDayDate()},
                                          at15 + TimeSpan(20), kDefaults);
    EXPECT_EQ(std::tie(task.message, task.title, task.alarmGiven, task.taskTimeNotified),
              std::make_tuple("予定時刻 2024.05.10 03:00 pm になりました", "予定時刻になりました",
                              false, true));
}

class AlarmSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings settings = doc.GetSettings();
        settings.time12or24 = 24;
        doc.SetSettings(settings);
        host.writes = 0;
    }
    void Add(const char* text, int taskMode, DateTime time, int alarmMode, DateTime alarm) {
        doc.InsertTaskSorted(CTaskTime{time, taskMode, alarmMode, 1, text, alarm});
    }

    FakeHost host;
    CvesmDoc doc{host};
};

TEST_F(AlarmSessionTest, OpeningMarksWhatIsGivenAndSavesOnlyWhenSomethingIsDue) {
    Add("meeting", 1, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 14, 30));
    Add("会議", 2, At(2024, 5, 11, 15, 0), 1, At(2024, 5, 11, 15, 0));
    std::optional<AlarmOpening> opening = OpenAlarm(doc, 0, At(2024, 5, 10, 14, 30, 0));
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->notice.message, "予定時刻 2024.05.10 15:00 まであと 30分 です");
    EXPECT_EQ(std::make_tuple(opening->snoozeIndex, doc.Task(0).alarmArmed, doc.Task(0).taskMode,
                              host.writes),
              std::make_tuple(4, 0, 1, 1));
    EXPECT_NE(host.SettingsFile().find("`2`2024`5`10`14`30`0`meeting"), std::string::npos);

    // Alarm and task time together: one notice, both marks.
    opening = OpenAlarm(doc, 1, At(2024, 5, 11, 15, 0, 10));
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->notice.title, "予定時刻になりました");
    EXPECT_EQ(std::make_tuple(doc.Task(1).alarmArmed, doc.Task(1).taskMode, host.writes),
              std::make_tuple(0, 3, 2));

    EXPECT_FALSE(OpenAlarm(doc, 1, At(2024, 5, 11, 16, 0)));
    EXPECT_FALSE(OpenAlarm(doc, 2, At(2024, 5, 11, 16, 0)));
    EXPECT_EQ(host.writes, 2);
}

TEST_F(AlarmSessionTest, SnoozeSetsAPendingRelativeAlarmAndIsKeptForTheNextAlarm) {
    Add("a", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate());
    AlarmOpening first = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 15, 30)).value();
    EXPECT_TRUE(ConfirmAlarm(doc, first, 0, At(2024, 5, 10, 10, 15, 42), 4));
    CTaskTime task = doc.Task(0);
    EXPECT_EQ(std::tie(task.alarmTime, task.alarmMode, task.alarmArmed, task.taskMode, host.writes),
              std::make_tuple(At(2024, 5, 10, 10, 20, 0), 2, 1, 3, 2));

    AlarmOpening second = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 20)).value();
    EXPECT_EQ(second.notice.title, "アラーム時刻になりました");
    EXPECT_TRUE(ConfirmAlarm(doc, second, 0, At(2024, 5, 10, 10, 20, 5), 14));
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 12, 20));
    EXPECT_EQ(OpenAlarm(doc, 0, At(2024, 5, 10, 12, 20))->snoozeIndex, 14);

    // OK without a snooze only saves.
    EXPECT_FALSE(ConfirmAlarm(doc, second, 0, At(2024, 5, 10, 12, 21), std::nullopt));
    EXPECT_EQ(std::make_tuple(doc.Task(0).alarmArmed, doc.Task(0).alarmTime,
                              doc.GetSettings().snoozeIndex, host.writes),
              std::make_tuple(0, At(2024, 5, 10, 12, 20), 14, 6));
}

TEST_F(AlarmSessionTest, SnoozeFollowsItsTaskWhenTheListChangedMeanwhile) {
    Add("old", 1, At(2024, 5, 1, 10, 0), 0, NoDayDate());
    Add("会議", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate());
    AlarmOpening opening = OpenAlarm(doc, 1, At(2024, 5, 10, 10, 0)).value();
    // A day change purges the old task while the dialog is open.
    Settings settings = doc.GetSettings();
    settings.rmOverTask = 1;
    doc.SetSettings(settings);
    ASSERT_TRUE(doc.PurgeOverdueTasks(At(2024, 5, 10, 10, 0)));
    EXPECT_TRUE(ConfirmAlarm(doc, opening, 1, At(2024, 5, 10, 10, 1), 0));
    ASSERT_EQ(doc.TaskCount(), 1u);
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 10, 2));

    // A deleted task is not snoozed.
    Add("other", 1, At(2024, 5, 11, 10, 0), 0, NoDayDate());
    opening = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 2)).value();
    doc.ReplaceTasks(At(2024, 5, 10), {});
    EXPECT_FALSE(ConfirmAlarm(doc, opening, 0, At(2024, 5, 10, 10, 3), 4));
    ASSERT_EQ(doc.TaskCount(), 1u);
    EXPECT_EQ(doc.Task(0).alarmMode, 0);
}

}  // namespace
}  // namespace vesm
