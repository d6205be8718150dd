// The order of task lists: walking insertion, the search the document uses
// while its list is in key order, loading many tasks, and every edit of the
// document's list matching the walk.
#include <ctime>
#include <random>
#include <tuple>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/task_parse.h"
#include "support/fake_host.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

using TextList = std::vector<std::string>;

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime Task(const std::string& text, DateTime time, int taskMode = 1, int alarmMode = 0,
               DateTime alarm = NoDayDate()) {
    return CTaskTime{time, taskMode, alarmMode, 1, text, alarm};
}

TextList Texts(const std::vector<CTaskTime>& list) {
    TextList texts;
    for (const CTaskTime& task : list) texts.push_back(task.text);
    return texts;
}

TextList Texts(const CvesmDoc& doc) {
    TextList texts;
    for (std::size_t i = 0; i < doc.TaskCount(); ++i) texts.push_back(doc.Task(i).text);
    return texts;
}

TEST(TaskInsertTest, OrdersByDateTimeThenAlarmWithANewTaskBeforeAnEqualOne) {
    std::vector<CTaskTime> list;
    EXPECT_EQ(InsertTaskSorted(list, Task("15:00", At(2024, 5, 10, 15, 0))), 0u);
    InsertTaskSorted(list, Task("next day", At(2024, 5, 11)));
    InsertTaskSorted(list, Task("09:00", At(2024, 5, 10, 9, 0)));
    InsertTaskSorted(list,
                     Task("15:00 a14:30", At(2024, 5, 10, 15, 0), 1, 2, At(2024, 5, 10, 14, 30)));
    EXPECT_EQ(InsertTaskSorted(list, Task("15:00 again", At(2024, 5, 10, 15, 0))), 1u);
    InsertTaskSorted(list, Task("last year", At(2023, 12, 31, 23, 59)));
    InsertTaskSorted(list, Task("untimed a08:00", At(2024, 5, 10), 0, 1, At(2024, 5, 10, 8, 0)));
    InsertTaskSorted(list, Task("midnight a07:00", At(2024, 5, 10), 1, 1, At(2024, 5, 9, 7, 0)));
    InsertTaskSorted(list, Task("untimed", At(2024, 5, 10), 0));
    EXPECT_EQ(Texts(list), (TextList{"last year", "untimed", "midnight a07:00", "untimed a08:00",
                                     "09:00", "15:00 again", "15:00", "15:00 a14:30", "next day"}));
    EXPECT_TRUE(IsInKeyOrder(list));
    ApplySnooze(list[6], At(2024, 5, 10, 14, 55), 5);
    EXPECT_FALSE(IsInKeyOrder(list));
}

TEST(TaskInsertTest, SearchLooksAtLogarithmicallyManyTasks) {
    std::size_t lookups = 0;
    auto keyOf = [&lookups](std::size_t i) {
        ++lookups;
        return TaskKey{2000 + static_cast<int>(i / 1000), 1, 1, 0, 0, 0, 0};
    };
    EXPECT_EQ(SearchInsertPosition(100000, TaskKey{2050, 1, 1, 0, 0, 0, 0}, keyOf), 50000u);
    EXPECT_LE(lookups, 17u);
}

std::string TaskLine(int year, int month, int day, int hour, int alarmMode, int alarmHour,
                     const std::string& text) {
    auto n = [](int value) { return std::to_string(value) + "`"; };
    std::string alarm =
        alarmMode == 0 ? "1975`1`1`0`0`" : n(year) + n(month) + n(day) + n(alarmHour) + "0`";
    return "task=0`" + n(year) + n(month) + n(day) + n(hour) + "0`" + n(alarmMode) + alarm + "1`" +
           text + "\r\n";
}

TEST(TaskLoadTest, OrderEqualsInsertingEachTaskInFileOrder) {
    std::mt19937 random(7);
    std::string file;
    std::vector<CTaskTime> expected;
    for (int i = 0; i < 400; ++i) {
        std::string line = TaskLine(2024, 1 + random() % 2, 1 + random() % 2, random() % 2,
                                    random() % 3, random() % 2, "t" + std::to_string(i));
        file += line;
        InsertTaskSorted(expected, ParseTaskValue(line.substr(5, line.size() - 7)).tasks.at(0));
    }
    FakeHost host;
    host.SetSettingsFile(file);
    CvesmDoc doc(host);
    EXPECT_EQ(Texts(doc), Texts(expected));
}

TEST(TaskLoadTest, ReverseOrderAndEqualKeysLoadInLessThanASquare) {
    std::string file;
    for (int i = 0; i < 30000; ++i) {
        file += TaskLine(2099 - i / 500, 1 + i / 28 % 12, 28 - i % 28, 0, 0, 0, "r");
        file += TaskLine(2030, 1, 1, 0, 0, 0, "same");
    }
    FakeHost host;
    host.SetSettingsFile(file);
    // Processor time, so that a busy machine does not count.
    std::clock_t start = std::clock();
    CvesmDoc doc(host);
    double seconds = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    EXPECT_EQ(doc.TaskCount(), 60000u);
    EXPECT_EQ(doc.Task(0).taskTime.Year(), 2030);
    EXPECT_EQ(doc.Task(59999).taskTime.Year(), 2099);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_LT(seconds, 5.0);
}

class TaskListDocTest : public ::testing::Test {
protected:
    void HandleOldTasks(int rmOverTask) {
        Settings settings = doc.GetSettings();
        settings.rmTaskInfo = 1;
        settings.rmOverTask = rmOverTask;
        settings.rmTaskSpan = 0;
        doc.SetSettings(settings);
    }
    FakeHost host;
    CvesmDoc doc{host};
};

TEST_F(TaskListDocTest, PurgeOnlyWhenOldTasksAreDeletedAndStaleIndexesChangeNothing) {
    doc.InsertTaskSorted(Task("9th alarm pending", At(2024, 5, 9, 9), 1, 2, At(2024, 5, 9, 8)));
    doc.ParseTasks("1`2024`5`11`0`0`0`1975`1`1`0`0`1`11th");
    HandleOldTasks(0);
    EXPECT_FALSE(doc.PurgeOverdueTasks(At(2024, 5, 10, 9, 0)));
    HandleOldTasks(1);
    EXPECT_TRUE(doc.PurgeOverdueTasks(At(2024, 5, 10, 9, 0)));
    EXPECT_FALSE(doc.PurgeOverdueTasks(At(2024, 5, 10, 9, 0)));
    doc.SetTaskMode(3, 1);
    doc.SetTaskAlarmTime(At(2024, 5, 11), 1);
    EXPECT_EQ(std::make_tuple(doc.TaskCount(), doc.Task(0).text, doc.Task(0).taskMode,
                              doc.Task(0).alarmTime),
              std::make_tuple(1u, "11th", 1, NoDayDate()));
    EXPECT_FALSE(IsTaskDue(doc.Task(7), At(2099, 1, 1)));
}

// A snooze changes a task's key where it stands; later insertions, loads,
// replacements and purges must leave the list exactly as walking it would.
TEST_F(TaskListDocTest, RandomEditsMatchTheWalk) {
    std::mt19937 random(20240510);
    std::vector<CTaskTime> walked;
    HandleOldTasks(1);
    auto randomTask = [&random](int serial) {
        DateTime time = At(2024, 5, 8 + random() % 5, random() % 3, 0);
        return Task(std::to_string(serial), time, 1, 2, time - TimeSpan::Minutes(random() % 3));
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
            CTaskTime task = randomTask(step);
            std::erase_if(walked, [day](const CTaskTime& t) {
                return CalendarDayKey(t.taskTime.Fields()) == CalendarDayKey(day.Fields());
            });
            InsertTaskSorted(walked, task);
            doc.ReplaceTasks(day, {task});
        } else {
            DateTime reference = At(2024, 5, 8 + random() % 3);
            int cutoff = CutoffDayKey(reference, 0);
            std::erase_if(walked, [cutoff](const CTaskTime& t) { return IsTaskOld(t, cutoff); });
            doc.PurgeOverdueTasks(reference);
        }
        ASSERT_EQ(Texts(doc), Texts(walked)) << "step " << step;
    }
}

}  // namespace
}  // namespace vesm
