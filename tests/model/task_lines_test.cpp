// Task lines of the settings file: fourteen fields per task, which records
// are refused, the message per bad line, and the trip through the file.
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
        {"0`2024`6`1`0`0`0`1975`1`1`0`0`1`a`0`2024", 1, true},
        {"0`2024`6`1`0`0`0`1975`1`1`0`0`1", 0, true},
    };
    for (const auto& c : cases) {
        ParsedTasks parsed = ParseTaskValue(c.value);
        EXPECT_EQ(parsed.tasks.size(), c.tasks) << c.value;
        EXPECT_EQ(parsed.hadBadRecord, c.bad) << c.value;
    }
    ParsedTasks two = ParseTaskValue(cases[0].value);
    EXPECT_EQ(two.tasks[1].taskTime, At(2024, 6, 2, 9, 15));
    EXPECT_EQ(two.tasks[1].alarmTime, At(2024, 6, 2, 8, 45));
    EXPECT_EQ(two.tasks[0].alarmTime, NoDayDate());

    CTaskTime task{At(2024, 12, 31, 23, 59), 2, 1, 0, "年越し`そば\n", At(2024, 12, 30, 7, 5)};
    EXPECT_EQ(EncodeTask(task), "2`2024`12`31`23`59`1`2024`12`30`7`5`0`年越し そば ");
}

TEST(TaskLineTest, EachBadLineShowsTheMessageOnceAndGoodTasksSurviveSaveAndLoad) {
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
    host.messages.clear();
    CvesmDoc reloaded(host);
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(reloaded.TaskCount(), 4u);
    EXPECT_EQ(reloaded.Task(1).taskMode, 3);
    EXPECT_EQ(reloaded.Task(1).alarmArmed, 0);
    EXPECT_EQ(reloaded.Task(1).taskTime, At(2024, 6, 1, 9, 0));
    EXPECT_EQ(reloaded.Task(2).alarmTime, At(2024, 7, 19, 21, 0));
    EXPECT_EQ(reloaded.Task(3).text, "ｼﾝﾈﾝ");
}

}  // namespace
}  // namespace vesm
