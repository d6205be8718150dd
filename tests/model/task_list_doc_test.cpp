#include <gtest/gtest.h>

#include <random>

#include "doc/doc.h"
#include "support/fake_host.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

CTaskTime Task(const std::string& text, DateTime time, int alarmMode = 0,
               DateTime alarm = NoDayDate()) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = 1;
    task.alarmMode = alarmMode;
    task.alarmArmed = 1;
    task.text = text;
    task.alarmTime = alarm;
    return task;
}

std::vector<std::string> Texts(const CvesmDoc& doc) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < doc.TaskCount(); ++i) texts.push_back(doc.Task(i).text);
    return texts;
}

std::vector<std::string> Texts(const std::vector<CTaskTime>& list) {
    std::vector<std::string> texts;
    for (const CTaskTime& task : list) texts.push_back(task.text);
    return texts;
}

using TextList = std::vector<std::string>;

class TaskListDocTest : public ::testing::Test {
protected:
    void HandleOldTasks(int rmOverTask, int rmTaskSpan) {
        Settings settings = doc.GetSettings();
        settings.rmTaskInfo = 1;
        settings.rmOverTask = rmOverTask;
        settings.rmTaskSpan = rmTaskSpan;
        doc.SetSettings(settings);
    }

    FakeHost host;
    CvesmDoc doc{host};
};

TEST_F(TaskListDocTest, PurgeDeletesOnlyWhenOldTasksAreDeleted) {
    doc.InsertTaskSorted(Task("old", At(2024, 5, 1)));
    HandleOldTasks(0, 0);
    EXPECT_FALSE(doc.PurgeOverdueTasks(At(2024, 5, 10, 9, 0)));
    EXPECT_EQ(doc.TaskCount(), 1u);
}

TEST_F(TaskListDocTest, PurgeWithSpanZeroTakesTodayAndPendingAlarms) {
    doc.InsertTaskSorted(
        Task("yesterday, alarm pending", At(2024, 5, 9, 9, 0), 2, At(2024, 5, 9, 8, 0)));
    doc.InsertTaskSorted(Task("today late", At(2024, 5, 10, 23, 59)));
    doc.InsertTaskSorted(Task("tomorrow", At(2024, 5, 11)));
    doc.InsertTaskSorted(Task("today early", At(2024, 5, 10, 0, 0)));
    HandleOldTasks(1, 0);
    EXPECT_TRUE(doc.PurgeOverdueTasks(At(2024, 5, 10, 9, 0)));
    EXPECT_EQ(Texts(doc), (TextList{"tomorrow"}));
    EXPECT_FALSE(doc.PurgeOverdueTasks(At(2024, 5, 10, 9, 0)));
}

TEST_F(TaskListDocTest, ReplacingOneDayKeepsTheOtherDays) {
    doc.InsertTaskSorted(Task("9th", At(2024, 5, 9, 12, 0)));
    doc.InsertTaskSorted(Task("10th a", At(2024, 5, 10, 8, 0)));
    doc.InsertTaskSorted(Task("10th b", At(2024, 5, 10, 18, 0)));
    doc.InsertTaskSorted(Task("11th", At(2024, 5, 11)));
    doc.ReplaceTasks(At(2024, 5, 10), {Task("10th new late", At(2024, 5, 10, 20, 0)),
                                       Task("10th new early", At(2024, 5, 10, 7, 0))});
    EXPECT_EQ(Texts(doc), (TextList{"9th", "10th new early", "10th new late", "11th"}));
}

TEST_F(TaskListDocTest, ReplacingAllTasksEmptiesTheListFirst) {
    doc.InsertTaskSorted(Task("9th", At(2024, 5, 9, 12, 0)));
    doc.InsertTaskSorted(Task("11th", At(2024, 5, 11)));
    doc.ReplaceTasks(NoDayDate(), {Task("only", At(2024, 6, 1))});
    EXPECT_EQ(Texts(doc), (TextList{"only"}));
    doc.ReplaceTasks(NoDayDate(), {});
    EXPECT_EQ(doc.TaskCount(), 0u);
}

TEST_F(TaskListDocTest, AlarmDialogSettersChangeOneTask) {
    doc.InsertTaskSorted(Task("a", At(2024, 5, 10, 15, 0)));
    doc.InsertTaskSorted(Task("b", At(2024, 5, 11, 15, 0)));
    doc.SetTaskMode(3, 1);
    doc.SetTaskAlarmArmed(0, 1);
    doc.SetTaskAlarmMode(2, 1);
    doc.SetTaskAlarmTime(At(2024, 5, 11, 10, 20), 1);
    CTaskTime changed = doc.Task(1);
    EXPECT_EQ(changed.taskMode, 3);
    EXPECT_EQ(changed.alarmArmed, 0);
    EXPECT_EQ(changed.alarmMode, 2);
    EXPECT_EQ(changed.alarmTime, At(2024, 5, 11, 10, 20));
    EXPECT_EQ(doc.Task(0).taskMode, 1);
}

TEST_F(TaskListDocTest, StaleIndexChangesNothing) {
    doc.InsertTaskSorted(Task("a", At(2024, 5, 10, 15, 0)));
    doc.SetTaskMode(3, 1);
    doc.SetTaskAlarmTime(At(2024, 5, 11), 5);
    EXPECT_EQ(doc.Task(0).taskMode, 1);
    EXPECT_EQ(doc.Task(0).alarmTime, NoDayDate());
    EXPECT_FALSE(IsTaskDue(doc.Task(7), At(2099, 1, 1)));
}

// A snooze changes a task's key where it stands; later insertions must land
// exactly where walking the list would put them.
TEST_F(TaskListDocTest, InsertionAfterASnoozeMatchesTheWalk) {
    DateTime day = At(2024, 5, 10, 15, 0);
    doc.InsertTaskSorted(Task("a", day, 2, At(2024, 5, 10, 14, 0)));
    doc.InsertTaskSorted(Task("b", day, 2, At(2024, 5, 10, 14, 30)));
    doc.InsertTaskSorted(Task("c", day, 2, At(2024, 5, 10, 14, 45)));
    // "a" now alarms at 14:50, after "b" and "c".
    doc.SetTaskAlarmTime(At(2024, 5, 10, 14, 50), 0);
    std::vector<CTaskTime> walked;
    for (std::size_t i = 0; i < doc.TaskCount(); ++i) walked.push_back(doc.Task(i));
    CTaskTime added = Task("new", day, 2, At(2024, 5, 10, 14, 40));
    InsertTaskSorted(walked, added);
    doc.InsertTaskSorted(added);
    // Walking stops at "a" (14:50 >= 14:40); a search would pass it.
    EXPECT_EQ(Texts(doc), (TextList{"new", "a", "b", "c"}));
    EXPECT_EQ(Texts(doc), Texts(walked));
}

TEST_F(TaskListDocTest, SnoozeMovingTheSecondTaskBeforeTheFirstIsNoticed) {
    DateTime day = At(2024, 5, 10, 15, 0);
    doc.InsertTaskSorted(Task("a", day, 2, At(2024, 5, 10, 14, 0)));
    doc.InsertTaskSorted(Task("b", day, 2, At(2024, 5, 10, 14, 30)));
    doc.InsertTaskSorted(Task("c", day, 2, At(2024, 5, 10, 14, 45)));
    doc.SetTaskAlarmTime(At(2024, 5, 10, 13, 0), 1);
    // Walking stops at "a" (14:00 >= 13:30); a search would land behind "b".
    doc.InsertTaskSorted(Task("new", day, 2, At(2024, 5, 10, 13, 30)));
    EXPECT_EQ(Texts(doc), (TextList{"new", "a", "b", "c"}));
}

TEST_F(TaskListDocTest, RandomEditsAlwaysMatchTheWalk) {
    std::mt19937 random(20240510);
    std::vector<CTaskTime> walked;
    HandleOldTasks(1, 0);
    auto randomTask = [&random](int serial) {
        DateTime time = At(2024, 5, 8 + random() % 5, random() % 3, 0);
        return Task(std::to_string(serial), time, 2, time - TimeSpan::Minutes(random() % 3));
    };
    for (int step = 0; step < 2000; ++step) {
        int action = random() % 20;
        if (action < 14 || walked.empty()) {
            CTaskTime task = randomTask(step);
            InsertTaskSorted(walked, task);
            doc.InsertTaskSorted(task);
        } else if (action < 18) {
            std::size_t index = random() % walked.size();
            DateTime snoozed = walked[index].taskTime - TimeSpan::Minutes(random() % 4);
            walked[index].alarmTime = snoozed;
            doc.SetTaskAlarmTime(snoozed, index);
        } else if (action < 19) {
            DateTime day = At(2024, 5, 8 + random() % 5);
            std::vector<CTaskTime> working = {randomTask(step)};
            int dayKey = CalendarDayKey(day.Fields());
            std::erase_if(walked, [dayKey](const CTaskTime& task) {
                return CalendarDayKey(task.taskTime.Fields()) == dayKey;
            });
            InsertTaskSorted(walked, working[0]);
            doc.ReplaceTasks(day, working);
        } else {
            DateTime reference = At(2024, 5, 8 + random() % 3);
            int cutoff = CutoffDayKey(reference, 0);
            std::erase_if(walked,
                          [cutoff](const CTaskTime& task) { return IsTaskOld(task, cutoff); });
            doc.PurgeOverdueTasks(reference);
        }
        ASSERT_EQ(Texts(doc), Texts(walked)) << "step " << step;
    }
}

// Loading inserts one task at a time; walking the list for each would take
// hours here, a search takes well under a second.
TEST_F(TaskListDocTest, LoadingManyTasksIsNotQuadratic) {
    const int count = 60000;
    std::string value;
    DateTime first = At(2030, 1, 1);
    for (int i = 0; i < count; ++i) {
        DateFields f = (first + TimeSpan::Minutes(i)).Fields();
        if (!value.empty()) value += '`';
        value += "1`" + std::to_string(f.year) + "`" + std::to_string(f.month) + "`" +
                 std::to_string(f.day) + "`" + std::to_string(f.hour) + "`" +
                 std::to_string(f.minute) + "`0`1975`1`1`0`0`1`t" + std::to_string(i);
    }
    doc.ParseTasks(value);
    ASSERT_EQ(doc.TaskCount(), static_cast<std::size_t>(count));
    EXPECT_EQ(doc.Task(0).text, "t0");
    EXPECT_EQ(doc.Task(count - 1).text, "t" + std::to_string(count - 1));
    EXPECT_TRUE(host.messages.empty());
}

TEST(DocumentProfileTest, FreshDocumentOffersTheWholeTable) {
    FakeHost host;
    CvesmDoc doc(host);
    CProfile profile = doc.Profile();
    EXPECT_EQ(profile.birthYear, 2024);
    EXPECT_EQ(BirthplaceAt(BirthplaceOfLongitude(profile)).name, "東京都");
    ASSERT_EQ(doc.BirthplaceCount(), 55u);
    EXPECT_EQ(doc.BirthplaceEntry(0).name, "");
    EXPECT_EQ(doc.BirthplaceEntry(54).name, "沖縄県（八重山諸島）");
}

}  // namespace
}  // namespace vesm
