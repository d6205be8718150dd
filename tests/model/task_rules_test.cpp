// What a task's fields mean: alarms from the editor's choices, due rules, old tasks,
// the task lines of the settings file and the order of task lists.
#include "tasks/task_rules.h"

#include <ctime>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/task_parse.h"
#include "support/fake_host.h"
#include "support/settings_text.h"
#include "support/time_zone.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

CTaskTime Task(const std::string& text, DateTime time, int taskMode = 1, int alarmMode = 0,
               DateTime alarm = NoDayDate()) {
    return CTaskTime{time, taskMode, alarmMode, 1, text, alarm};
}

TEST(FixedAlarmTest, DaysBeforeCrossMonthEndsAndLeapDaysAndAreRecovered) {
    EXPECT_EQ(FixedAlarmTime(At(2023, 3, 1), {7, 9, 45}), At(2023, 2, 22, 9, 45));
    EXPECT_EQ(FixedAlarmTime(At(2024, 3, 1), {7, 9, 45}), At(2024, 2, 23, 9, 45));
    EXPECT_EQ(FixedAlarmTime(At(2025, 1, 3, 8, 0), {3, 23, 59}), At(2024, 12, 31, 23, 59));
    EXPECT_EQ(FixedAlarmTime(At(2024, 5, 10, 15, 0), {0, 7, 5}), At(2024, 5, 10, 7, 5));
    DateTime task = At(2024, 3, 1, 10, 0);
    for (int k = 0; k <= 7; ++k) {
        FixedAlarmChoice choice =
            RecoverFixedAlarm(Task("x", task, 1, 1, *FixedAlarmTime(task, {k, 6, 15})));
        EXPECT_EQ(std::tie(choice.daysBefore, choice.hour, choice.minute),
                  std::make_tuple(k, 6, 15));
    }
    // Further back than a week, or after the task's day: shown as the same day.
    EXPECT_EQ(RecoverFixedAlarm(Task("x", task, 1, 1, At(2024, 2, 20, 6, 0))).daysBefore, 0);
    EXPECT_EQ(RecoverFixedAlarm(Task("x", task, 1, 1, At(2024, 3, 2, 6, 0))).daysBefore, 0);
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
                RecoverRelativeAlarm(Task("x", task, 1, 2, RelativeAlarmTime(task, chosen)));
            EXPECT_EQ(back.Minutes(), minutes) << minutes;
            EXPECT_EQ(back.after, after && minutes != 0) << minutes;
        }
    }
    // Longer intervals show as the longest choice.
    RelativeAlarmChoice back =
        RecoverRelativeAlarm(Task("x", task, 1, 2, task - TimeSpan::Minutes(185)));
    EXPECT_EQ(std::tie(back.hours, back.tens, back.ones, back.after),
              std::make_tuple(2, 6, 5, false));
    back = RecoverRelativeAlarm(Task("x", task, 1, 2, task + TimeSpan::Days(2)));
    EXPECT_EQ(back.Minutes(), 189);
    EXPECT_TRUE(back.after);
}

TEST(DueRuleTest, OnlyPendingAlarmsAndNotificationsAreDueFromTheirInstant) {
    const DateTime time = At(2024, 5, 10, 15, 0);
    CTaskTime task = Task("x", time, 1, 0, time);  // armed, but without alarm
    for (int mode : {0, 1, 3}) {
        task.taskMode = mode;
        EXPECT_FALSE(IsTaskDue(task, time + TimeSpan::Days(1))) << mode;
    }
    task.taskMode = 2;
    EXPECT_EQ(std::make_tuple(IsTaskDue(task, time - TimeSpan(1)), IsTaskDue(task, time)),
              std::make_tuple(false, true));
    // A snooze gives a task without alarm a pending relative one on the whole minute.
    task.alarmArmed = 0;
    ApplySnooze(task, At(2024, 12, 31, 23, 59, 59), 120);
    EXPECT_EQ(std::tie(task.alarmMode, task.alarmArmed, task.alarmTime),
              std::make_tuple(2, 1, At(2025, 1, 1, 1, 59, 0)));
}

// Task lines of the settings file: fourteen fields per task, and the message per bad line.
TEST(TaskLineTest, RecordsOfFourteenFieldsAreReadAndBadOrIncompleteOnesRefused) {
    const struct {
        const char* value;
        std::size_t tasks;
        bool bad;
    } cases[] = {
        {"0`2024`6`1`0`0`0`1975`1`1`0`0`1`a`2`2024`6`2`9`15`2`2024`6`2`8`45`1`b", 2, false},
        {"1`2024`2`29`10`30`0`1975`1`1`0`0`1`x", 1, false},
        {"", 0, false},
        {"4`2024`6`1`10`30`0`1975`1`1`0`0`1`x", 0, true},   // taskMode
        {"1`2024`6`1`10`30`0`1975`1`1`0`0`2`x", 0, true},   // alarmArmed
        {"1`2023`2`29`10`30`0`1975`1`1`0`0`1`x", 0, true},  // no leap day in 2023
        {"1`2024`6`1`24`0`0`1975`1`1`0`0`1`x", 0, true},    // hour
        {"1`2024`6`1`10`30`1`2024`6`0`9`0`1`x", 0, true},   // alarm day
        {"1`1960`6`1`10`30`0`1975`1`1`0`0`1`x", 0, true},   // before 1970
        {"1`2024`6`1`10`60`0`1975`1`1`0`0`1`x", 0, true},   // minute
        {"1`2024`6`1`10`30`3`2024`2`29`9`0`1`x", 0, true},  // alarmMode
        {"1`2024`6`1`10`30`1`2024`2`30`9`0`1`x", 0, true},  // alarm date
        {"0`2024`6`1`0`0`0`1975`1`1`0`0`1`a`0`2024", 1, true},
        {"0`2024`6`1`0`0`0`1975`1`1`0`0`1", 0, true},
    };
    for (const auto& c : cases) {
        ParsedTasks parsed = ParseTaskValue(c.value);
        EXPECT_EQ(parsed.tasks.size(), c.tasks) << c.value;
        EXPECT_EQ(parsed.hadBadRecord, c.bad) << c.value;
    }
    const std::vector<CTaskTime> two = ParseTaskValue(cases[0].value).tasks;
    EXPECT_EQ(
        std::make_tuple(two[0].taskMode, two[0].alarmTime, two[0].text, two[1].taskTime,
                        two[1].alarmMode, two[1].alarmTime, two[1].alarmArmed),
        std::make_tuple(0, NoDayDate(), "a", At(2024, 6, 2, 9, 15), 2, At(2024, 6, 2, 8, 45), 1));

    CTaskTime task{At(2024, 12, 31, 23, 59), 2, 1, 0, "年越し`そば\n", At(2024, 12, 30, 7, 5)};
    EXPECT_EQ(EncodeTask(task), "2`2024`12`31`23`59`1`2024`12`30`7`5`0`年越し そば ");
}

TEST(TaskLineTest, EachBadLineShowsTheMessageOnceAndGoodOnesGoBackAsTheyCame) {
    const std::vector<std::string> good = {"task=0`2024`6`1`0`0`0`1975`1`1`0`0`1`終日の予定",
                                           "task=3`2024`6`1`9`0`2`2024`6`1`8`30`0`会議",
                                           "task=2`2024`7`20`18`0`1`2024`7`19`21`0`1`旅行の準備",
                                           "task=1`2025`1`1`0`5`0`1975`1`1`0`0`1`ｼﾝﾈﾝ"};
    FakeHost host;
    host.SetSettingsFile(SettingsBytes(
        {good[0], "task=9`2024`6`1`0`0`0`1975`1`1`0`0`1`a`9`2024`6`1`0`0`0`1975`1`1`0`0`1`b",
         good[1], "task=0`2024", good[2], "task=", good[3]}));
    {
        CvesmDoc doc(host);
        EXPECT_EQ(host.MessageTexts(), std::vector<std::string>(2, std::string(kTaskDataMessage)));
        ASSERT_EQ(doc.TaskCount(), 4u);
        ASSERT_TRUE(doc.SaveSettings());
    }
    std::vector<std::string> saved = FileLines(host.SettingsFile());
    EXPECT_EQ(std::vector<std::string>(saved.end() - 4, saved.end()), good);
}

// The order of task lists: walking insertion, the search the document uses
// while its list is in key order, loading many tasks, and the document's edits.
using TextList = std::vector<std::string>;

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
    doc.InsertTaskSorted(ParseTaskValue("1`2024`5`11`0`0`0`1975`1`1`0`0`1`11th").tasks.at(0));
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
