// Loading many tasks: the order equals inserting them one by one in file order
// (equal keys in reverse file order), and it costs a sort, not a square.
#include <gtest/gtest.h>

#include <ctime>
#include <random>

#include "doc/doc.h"
#include "doc/task_parse.h"
#include "support/fake_host.h"
#include "tasks/task_rules.h"

namespace vesm {
namespace {

std::string TaskLine(int year, int month, int day, int hour, int alarmMode, int alarmHour,
                     const std::string& text) {
    auto n = [](int value) { return std::to_string(value) + "`"; };
    std::string alarm =
        alarmMode == 0 ? "1975`1`1`0`0`" : n(year) + n(month) + n(day) + n(alarmHour) + "0`";
    return "task=0`" + n(year) + n(month) + n(day) + n(hour) + "0`" + n(alarmMode) + alarm + "1`" +
           text + "\r\n";
}

TEST(TaskLoadOrderTest, EqualsInsertingEachTaskInFileOrder) {
    std::mt19937 random(7);
    std::string file;
    std::vector<CTaskTime> expected;
    for (int i = 0; i < 400; ++i) {
        std::string line = TaskLine(2024, 1 + random() % 2, 1 + random() % 2, random() % 2,
                                    random() % 3, random() % 2, "t" + std::to_string(i));
        file += line;
        ParsedTasks parsed = ParseTaskValue(line.substr(5, line.size() - 7));
        InsertTaskSorted(expected, parsed.tasks.at(0));
    }
    FakeHost host;
    host.SetSettingsFile(file);
    CvesmDoc doc(host);
    ASSERT_EQ(doc.TaskCount(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(doc.Task(i).text, expected[i].text) << "position " << i;
    }
}

TEST(TaskLoadOrderTest, ReverseOrderAndEqualKeysLoadInLessThanASquare) {
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

}  // namespace
}  // namespace vesm
