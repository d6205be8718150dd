#include <gtest/gtest.h>

#include <random>

#include "tasks/task_rules.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime Task(const std::string& text, DateTime time, int taskMode = 1, int alarmMode = 0,
               DateTime alarm = NoDayDate()) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = taskMode;
    task.alarmMode = alarmMode;
    task.alarmArmed = 1;
    task.text = text;
    task.alarmTime = alarm;
    return task;
}

std::vector<std::string> Texts(const std::vector<CTaskTime>& list) {
    std::vector<std::string> texts;
    for (const CTaskTime& task : list) texts.push_back(task.text);
    return texts;
}

using Texts_ = std::vector<std::string>;

TEST(TaskInsertTest, OrdersByDateTimeThenAlarmTime) {
    std::vector<CTaskTime> list;
    InsertTaskSorted(list, Task("15:00", At(2024, 5, 10, 15, 0)));
    InsertTaskSorted(list, Task("next day", At(2024, 5, 11)));
    InsertTaskSorted(list, Task("09:00", At(2024, 5, 10, 9, 0)));
    InsertTaskSorted(
        list, Task("15:00 alarm 14:30", At(2024, 5, 10, 15, 0), 1, 2, At(2024, 5, 10, 14, 30)));
    InsertTaskSorted(list, Task("last year", At(2023, 12, 31, 23, 59)));
    EXPECT_EQ(Texts(list),
              (Texts_{"last year", "09:00", "15:00", "15:00 alarm 14:30", "next day"}));
}

TEST(TaskInsertTest, NewTaskGoesBeforeAnEqualOne) {
    std::vector<CTaskTime> list;
    EXPECT_EQ(InsertTaskSorted(list, Task("first", At(2024, 5, 10, 15, 0))), 0u);
    EXPECT_EQ(InsertTaskSorted(list, Task("second", At(2024, 5, 10, 15, 0))), 0u);
    EXPECT_EQ(InsertTaskSorted(list, Task("later", At(2024, 5, 10, 16, 0))), 2u);
    EXPECT_EQ(Texts(list), (Texts_{"second", "first", "later"}));
}

TEST(TaskInsertTest, UntimedAndMidnightTasksSortByAlarm) {
    std::vector<CTaskTime> list;
    InsertTaskSorted(list,
                     Task("untimed, alarm 08:00", At(2024, 5, 10), 0, 1, At(2024, 5, 10, 8, 0)));
    InsertTaskSorted(list,
                     Task("midnight, alarm 07:00", At(2024, 5, 10), 1, 1, At(2024, 5, 9, 7, 0)));
    InsertTaskSorted(list, Task("untimed, no alarm", At(2024, 5, 10), 0));
    EXPECT_EQ(Texts(list),
              (Texts_{"untimed, no alarm", "midnight, alarm 07:00", "untimed, alarm 08:00"}));
}

TEST(TaskSearchTest, FindsTheWalksPlaceOnAnOrderedList) {
    std::mt19937 random(7);
    std::vector<CTaskTime> list;
    for (int i = 0; i < 300; ++i) {
        // Few distinct keys, so equal runs are long.
        CTaskTime task = Task(std::to_string(i), At(2024, 5, 1 + random() % 3, random() % 2, 0));
        std::size_t searched = SearchInsertPosition(
            list.size(), SortKey(task), [&list](std::size_t j) { return SortKey(list[j]); });
        ASSERT_EQ(searched, WalkInsertPosition(list, SortKey(task)));
        InsertTaskSorted(list, task);
    }
    EXPECT_TRUE(IsInKeyOrder(list));
}

TEST(TaskSearchTest, LooksAtLogarithmicallyManyTasks) {
    const std::size_t count = 100000;
    std::size_t lookups = 0;
    auto keyOf = [&lookups](std::size_t i) {
        ++lookups;
        return TaskKey{2000 + static_cast<int>(i / 1000), 1, 1, 0, 0, 0, 0};
    };
    std::size_t position = SearchInsertPosition(count, TaskKey{2050, 1, 1, 0, 0, 0, 0}, keyOf);
    EXPECT_EQ(position, 50000u);
    EXPECT_LE(lookups, 17u);
}

TEST(TaskSearchTest, OutOfOrderListIsDetected) {
    std::vector<CTaskTime> list;
    InsertTaskSorted(list, Task("a", At(2024, 5, 10, 15, 0), 1, 2, At(2024, 5, 10, 14, 0)));
    InsertTaskSorted(list, Task("b", At(2024, 5, 10, 15, 0), 1, 2, At(2024, 5, 10, 14, 30)));
    EXPECT_TRUE(IsInKeyOrder(list));
    ApplySnooze(list[0], At(2024, 5, 10, 14, 55), 5);
    EXPECT_FALSE(IsInKeyOrder(list));
}

}  // namespace
}  // namespace vesm
