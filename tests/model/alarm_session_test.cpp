#include "tasks/alarm_session.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
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
    EXPECT_EQ(opening->snoozeIndex, 4);
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    EXPECT_EQ(doc.Task(0).taskMode, 1);
    EXPECT_EQ(host.writes, 1);
    EXPECT_NE(host.SettingsFile().find("`2`2024`5`10`14`30`0`meeting"), std::string::npos);

    // Alarm and task time together: one notice, both marks.
    opening = OpenAlarm(doc, 1, At(2024, 5, 11, 15, 0, 10));
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->notice.title, "予定時刻になりました");
    EXPECT_EQ(doc.Task(1).alarmArmed, 0);
    EXPECT_EQ(doc.Task(1).taskMode, 3);
    EXPECT_EQ(host.writes, 2);

    EXPECT_FALSE(OpenAlarm(doc, 1, At(2024, 5, 11, 16, 0)));
    EXPECT_FALSE(OpenAlarm(doc, 2, At(2024, 5, 11, 16, 0)));
    EXPECT_EQ(host.writes, 2);
}

TEST_F(AlarmSessionTest, SnoozeSetsAPendingRelativeAlarmAndIsKeptForTheNextAlarm) {
    Add("a", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate());
    AlarmOpening first = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 15, 30)).value();
    EXPECT_TRUE(ConfirmAlarm(doc, first, 0, At(2024, 5, 10, 10, 15, 42), 4));
    CTaskTime task = doc.Task(0);
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 10, 20, 0));
    EXPECT_EQ(task.alarmMode, 2);
    EXPECT_EQ(task.alarmArmed, 1);
    EXPECT_EQ(task.taskMode, 3);
    EXPECT_EQ(host.writes, 2);

    AlarmOpening second = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 20)).value();
    EXPECT_EQ(second.notice.title, "アラーム時刻になりました");
    EXPECT_TRUE(ConfirmAlarm(doc, second, 0, At(2024, 5, 10, 10, 20, 5), 14));
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 12, 20));
    EXPECT_EQ(OpenAlarm(doc, 0, At(2024, 5, 10, 12, 20))->snoozeIndex, 14);

    // OK without a snooze only saves.
    EXPECT_FALSE(ConfirmAlarm(doc, second, 0, At(2024, 5, 10, 12, 21), std::nullopt));
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 12, 20));
    EXPECT_EQ(doc.GetSettings().snoozeIndex, 14);
    EXPECT_EQ(host.writes, 6);
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
