// Task lines of the settings file: fourteen fields per task, which records
// are refused, the message per bad line, and the trip through the file.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/task_parse.h"
#include "support/fake_host.h"
#include "support/settings_text.h"

namespace vesm {
namespace {

DateTime At(int year, int month, int day, int hour = 0, int minute = 0) {
    return DateTime::Build(year, month, day, hour, minute).value();
}

TEST(TaskLineTest, RecordWithoutAlarmIsRead) {
    ParsedTasks parsed = ParseTaskValue("1`2024`6`1`10`30`0`1975`1`1`0`0`1`歯医者");
    EXPECT_FALSE(parsed.hadBadRecord);
    ASSERT_EQ(parsed.tasks.size(), 1u);
    const CTaskTime& task = parsed.tasks[0];
    EXPECT_EQ(task.taskMode, 1);
    EXPECT_EQ(task.taskTime, At(2024, 6, 1, 10, 30));
    EXPECT_EQ(task.alarmMode, 0);
    EXPECT_EQ(task.alarmTime, NoDayDate());
    EXPECT_EQ(task.alarmArmed, 1);
    EXPECT_EQ(task.text, "歯医者");
}

TEST(TaskLineTest, BadModesDatesAndTimesAreRefused) {
    const char* bad[] = {
        "4`2024`6`1`10`30`0`1975`1`1`0`0`1`x",   // taskMode
        "1`2024`6`1`10`30`0`1975`1`1`0`0`2`x",   // alarmArmed
        "1`2023`2`29`10`30`0`1975`1`1`0`0`1`x",  // no leap day in 2023
        "1`2024`6`1`24`0`0`1975`1`1`0`0`1`x",    // hour
        "1`2024`6`1`10`30`1`2024`6`0`9`0`1`x",   // alarm day
        "1`1960`6`1`10`30`0`1975`1`1`0`0`1`x",   // before 1970
    };
    for (const char* value : bad) {
        SCOPED_TRACE(value);
        ParsedTasks parsed = ParseTaskValue(value);
        EXPECT_TRUE(parsed.hadBadRecord);
        EXPECT_TRUE(parsed.tasks.empty());
    }
    EXPECT_FALSE(ParseTaskValue("1`2024`2`29`10`30`0`1975`1`1`0`0`1`x").hadBadRecord);
}

TEST(TaskLineTest, SeveralTasksPerValueAndIncompleteRecords) {
    ParsedTasks two =
        ParseTaskValue("0`2024`6`1`0`0`0`1975`1`1`0`0`1`a`2`2024`6`2`9`15`2`2024`6`2`8`45`1`b");
    EXPECT_FALSE(two.hadBadRecord);
    ASSERT_EQ(two.tasks.size(), 2u);
    EXPECT_EQ(two.tasks[1].alarmTime, At(2024, 6, 2, 8, 45));
    ParsedTasks cut = ParseTaskValue("0`2024`6`1`0`0`0`1975`1`1`0`0`1`a`0`2024");
    EXPECT_TRUE(cut.hadBadRecord);
    EXPECT_EQ(cut.tasks.size(), 1u);
    EXPECT_TRUE(ParseTaskValue("0`2024`6`1`0`0`0`1975`1`1`0`0`1").hadBadRecord);
    ParsedTasks empty = ParseTaskValue("");
    EXPECT_FALSE(empty.hadBadRecord);
    EXPECT_TRUE(empty.tasks.empty());
}

TEST(TaskLineTest, EncodingWritesTheFourteenFields) {
    CTaskTime task;
    task.taskTime = At(2024, 12, 31, 23, 59);
    task.taskMode = 2;
    task.alarmMode = 1;
    task.alarmArmed = 0;
    task.text = "年越し`そば\n";
    task.alarmTime = At(2024, 12, 30, 7, 5);
    EXPECT_EQ(EncodeTask(task), "2`2024`12`31`23`59`1`2024`12`30`7`5`0`年越し そば ");
}

TEST(TaskLineTest, EachBadLineShowsTheTaskMessageOnce) {
    FakeHost host;
    host.SetSettingsFile(
        SettingsBytes({"task=9`2024`6`1`0`0`0`1975`1`1`0`0`1`a`9`2024`6`1`0`0`0`1975`1`1`0`0`1`b",
                       "task=0`2024`6`1`0`0`0`1975`1`1`0`0`1`good", "task=0`2024", "task="}));
    CvesmDoc doc(host);
    EXPECT_EQ(host.CountMessages(kTaskDataMessage), 2);
    EXPECT_EQ(host.messages.size(), 2u);
    ASSERT_EQ(doc.TaskCount(), 1u);
    EXPECT_EQ(doc.Task(0).text, "good");
}

TEST(TaskLineTest, TasksSurviveSaveAndLoad) {
    FakeHost host;
    std::vector<std::string> lines = {"task=0`2024`6`1`0`0`0`1975`1`1`0`0`1`終日の予定",
                                      "task=3`2024`6`1`9`0`2`2024`6`1`8`30`0`会議",
                                      "task=2`2024`7`20`18`0`1`2024`7`19`21`0`1`旅行の準備",
                                      "task=1`2025`1`1`0`5`0`1975`1`1`0`0`1`ｼﾝﾈﾝ"};
    host.SetSettingsFile(SettingsBytes({lines[0], lines[1], lines[2], lines[3]}));
    {
        CvesmDoc doc(host);
        ASSERT_EQ(doc.TaskCount(), 4u);
        ASSERT_TRUE(doc.SaveSettings());
    }
    std::vector<std::string> saved = FileLines(host.SettingsFile());
    std::vector<std::string> taskLines(saved.end() - 4, saved.end());
    EXPECT_EQ(taskLines, lines);
    CvesmDoc reloaded(host);
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(reloaded.TaskCount(), 4u);
    EXPECT_EQ(reloaded.Task(1).taskMode, 3);
    EXPECT_EQ(reloaded.Task(1).alarmArmed, 0);
    EXPECT_EQ(reloaded.Task(2).alarmTime, At(2024, 7, 19, 21, 0));
    EXPECT_EQ(reloaded.Task(3).text, "ｼﾝﾈﾝ");
}

}  // namespace
}  // namespace vesm
