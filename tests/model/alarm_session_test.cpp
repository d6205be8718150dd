#include "tasks/alarm_session.h"

#include <gtest/gtest.h>

#include "support/fake_host.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

CTaskTime Task(const std::string& text, int taskMode, DateTime time, int alarmMode,
               DateTime alarm) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = taskMode;
    task.alarmMode = alarmMode;
    task.alarmArmed = 1;
    task.text = text;
    task.alarmTime = alarm;
    return task;
}

class AlarmSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        Settings settings = doc.GetSettings();
        settings.time12or24 = 24;
        doc.SetSettings(settings);
        writesBefore = host.writes;
    }
    int Saves() const { return host.writes - writesBefore; }

    FakeHost host;
    CvesmDoc doc{host};
    int writesBefore = 0;
};

TEST_F(AlarmSessionTest, OpeningGivesTheAlarmAndSaves) {
    doc.InsertTaskSorted(Task("meeting", 1, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 14, 30)));
    std::optional<AlarmOpening> opening = OpenAlarm(doc, 0, At(2024, 5, 10, 14, 30, 0));
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->notice.message, "予定時刻 2024.05.10 15:00 まであと 30分 です");
    EXPECT_EQ(opening->notice.title, "アラーム時刻になりました");
    EXPECT_EQ(opening->snoozeIndex, 4);
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    EXPECT_EQ(Saves(), 1);
    EXPECT_NE(host.SettingsFile().find("`2`2024`5`10`14`30`0`meeting"), std::string::npos);
}

TEST_F(AlarmSessionTest, AlarmAndTaskTimeTogetherGiveOneNoticeAndBothMarks) {
    doc.InsertTaskSorted(Task("会議", 2, At(2024, 5, 10, 15, 0), 1, At(2024, 5, 10, 15, 0)));
    std::optional<AlarmOpening> opening = OpenAlarm(doc, 0, At(2024, 5, 10, 15, 0, 10));
    ASSERT_TRUE(opening);
    EXPECT_EQ(opening->notice.title, "予定時刻になりました");
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    EXPECT_EQ(doc.Task(0).taskMode, 3);
    EXPECT_FALSE(IsTaskDue(doc.Task(0), At(2024, 5, 10, 15, 0, 10)));
}

TEST_F(AlarmSessionTest, TaskNoLongerDueOpensNothing) {
    doc.InsertTaskSorted(Task("会議", 3, At(2024, 5, 10, 15, 0), 0, NoDayDate()));
    EXPECT_FALSE(OpenAlarm(doc, 0, At(2024, 5, 10, 16, 0)));
    EXPECT_FALSE(OpenAlarm(doc, 1, At(2024, 5, 10, 16, 0)));
    EXPECT_EQ(Saves(), 0);
}

TEST_F(AlarmSessionTest, SnoozeSetsARelativeAlarmOnTheWholeMinute) {
    doc.InsertTaskSorted(Task("会議", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate()));
    std::optional<AlarmOpening> opening = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 15, 30));
    ASSERT_TRUE(opening);
    EXPECT_TRUE(ConfirmAlarm(doc, *opening, 0, At(2024, 5, 10, 10, 15, 42), 4));
    CTaskTime task = doc.Task(0);
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 10, 20, 0));
    EXPECT_EQ(task.alarmMode, 2);
    EXPECT_EQ(task.alarmArmed, 1);
    EXPECT_EQ(task.taskMode, 3);
    EXPECT_EQ(Saves(), 2);
}

TEST_F(AlarmSessionTest, SnoozeChoiceIsKeptForTheNextAlarm) {
    doc.InsertTaskSorted(Task("a", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate()));
    AlarmOpening first = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 0)).value();
    ConfirmAlarm(doc, first, 0, At(2024, 5, 10, 10, 0, 5), 14);
    EXPECT_EQ(doc.GetSettings().snoozeIndex, 14);
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 12, 0));
    AlarmOpening second = OpenAlarm(doc, 0, At(2024, 5, 10, 12, 0)).value();
    EXPECT_EQ(second.snoozeIndex, 14);
    EXPECT_EQ(second.notice.title, "アラーム時刻になりました");
}

TEST_F(AlarmSessionTest, OkWithoutSnoozeOnlySaves) {
    doc.InsertTaskSorted(Task("a", 1, At(2024, 5, 10, 10, 0), 1, At(2024, 5, 10, 9, 0)));
    AlarmOpening opening = OpenAlarm(doc, 0, At(2024, 5, 10, 9, 0)).value();
    EXPECT_FALSE(ConfirmAlarm(doc, opening, 0, At(2024, 5, 10, 9, 1), std::nullopt));
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 9, 0));
    EXPECT_EQ(doc.GetSettings().snoozeIndex, 4);
    EXPECT_EQ(Saves(), 2);
}

TEST_F(AlarmSessionTest, SnoozeFollowsTheTaskWhenTheListChangedMeanwhile) {
    doc.InsertTaskSorted(Task("old", 1, At(2024, 5, 1, 10, 0), 0, NoDayDate()));
    doc.InsertTaskSorted(Task("会議", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate()));
    AlarmOpening opening = OpenAlarm(doc, 1, At(2024, 5, 10, 10, 0)).value();
    // A day change purges the old task while the dialog is open.
    Settings settings = doc.GetSettings();
    settings.rmOverTask = 1;
    doc.SetSettings(settings);
    ASSERT_TRUE(doc.PurgeOverdueTasks(At(2024, 5, 10, 10, 0)));
    EXPECT_TRUE(ConfirmAlarm(doc, opening, 1, At(2024, 5, 10, 10, 1), 0));
    ASSERT_EQ(doc.TaskCount(), 1u);
    EXPECT_EQ(doc.Task(0).text, "会議");
    EXPECT_EQ(doc.Task(0).alarmTime, At(2024, 5, 10, 10, 2));
}

TEST_F(AlarmSessionTest, DeletedTaskIsNotSnoozed) {
    doc.InsertTaskSorted(Task("会議", 2, At(2024, 5, 10, 10, 0), 0, NoDayDate()));
    doc.InsertTaskSorted(Task("other", 1, At(2024, 5, 11, 10, 0), 0, NoDayDate()));
    AlarmOpening opening = OpenAlarm(doc, 0, At(2024, 5, 10, 10, 0)).value();
    doc.ReplaceTasks(At(2024, 5, 10), {});
    EXPECT_FALSE(ConfirmAlarm(doc, opening, 0, At(2024, 5, 10, 10, 1), 4));
    ASSERT_EQ(doc.TaskCount(), 1u);
    EXPECT_EQ(doc.Task(0).alarmMode, 0);
}

}  // namespace
}  // namespace vesm
