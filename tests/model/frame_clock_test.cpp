#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "frame/frame_clock.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

// Records what the clock asks of the document and the window, in order.
class FakeTarget : public TickTarget {
public:
    DateTime now;
    Settings settings;
    std::vector<CTaskTime> tasks;
    bool purgeDeletes = false;
    std::vector<std::string> calls;
    std::vector<int> armedDelays;
    std::vector<std::size_t> raised;
    std::vector<DateTime> displayDates;
    std::function<void(std::size_t)> onRaise;

    DateTime Now() override { return now; }
    Settings CurrentSettings() override { return settings; }
    bool PurgeOverdueTasks(DateTime) override {
        calls.push_back("purge");
        return purgeDeletes;
    }
    void SaveSettings() override { calls.push_back("save"); }
    void SetDisplayDate(DateTime date) override {
        calls.push_back("display");
        displayDates.push_back(date);
    }
    void RebuildDays() override { calls.push_back("rebuild"); }
    void InvalidateAll() override { calls.push_back("invalidate all"); }
    void InvalidateClock() override { calls.push_back("invalidate clock"); }
    std::size_t TaskCount() override { return tasks.size(); }
    CTaskTime Task(std::size_t index) override {
        EXPECT_LT(index, tasks.size()) << "task read past the end of the list";
        return index < tasks.size() ? tasks[index] : CTaskTime{};
    }
    void ArmTick(int delayMs) override { armedDelays.push_back(delayMs); }
    void RaiseAlarm(std::size_t index) override {
        raised.push_back(index);
        if (onRaise) onRaise(index);
    }

    int LastDelay() const { return armedDelays.empty() ? -1 : armedDelays.back(); }
};

CTaskTime TaskWithAlarm(DateTime taskTime, DateTime alarmTime) {
    CTaskTime task;
    task.taskTime = taskTime;
    task.taskMode = 1;
    task.alarmMode = 2;
    task.alarmArmed = 1;
    task.text = "meeting";
    task.alarmTime = alarmTime;
    return task;
}

// What the alarm dialog does to its task when it opens.
void MarkNotified(CTaskTime& task) {
    task.alarmArmed = 0;
    if (task.taskMode == 2) task.taskMode = 3;
}

TEST(FrameClockTest, NewDayPurgesSavesAndRebuildsButKeepsTheMonth) {
    FrameClock clock(At(2024, 3, 10, 23, 59, 40));
    FakeTarget target;
    target.now = At(2024, 3, 11, 0, 0, 0);
    target.purgeDeletes = true;
    clock.Tick(target);
    EXPECT_EQ(target.calls,
              (std::vector<std::string>{"purge", "save", "rebuild", "invalidate all"}));
    EXPECT_TRUE(target.displayDates.empty());
    EXPECT_EQ(clock.LastTick(), target.now);
    EXPECT_EQ(target.armedDelays, std::vector<int>{60250});
}

TEST(FrameClockTest, NewMonthJumpsBackToNowSavingOnlyWhenTasksWerePurged) {
    for (bool purged : {false, true}) {
        FrameClock clock(At(2024, 3, 31, 23, 59, 59));
        FakeTarget target;
        target.now = At(2024, 4, 1, 0, 0, 1);
        target.purgeDeletes = purged;
        clock.Tick(target);
        const std::vector<std::string> calls =
            purged ? std::vector<std::string>{"purge", "save", "display"}
                   : std::vector<std::string>{"purge", "display"};
        EXPECT_EQ(target.calls, calls);
        EXPECT_EQ(target.displayDates, std::vector<DateTime>{target.now});
        EXPECT_EQ(clock.LastTick(), target.now);
    }
}

TEST(FrameClockTest, HiddenClockKeepsTheOlderTickTimeUntilTheDayChanges) {
    const DateTime constructed = At(2024, 5, 10, 10, 0, 5);
    FrameClock clock(constructed);
    FakeTarget target;
    target.now = At(2024, 5, 10, 10, 1, 0);
    clock.Tick(target);
    target.now = At(2024, 5, 10, 14, 30, 0);
    clock.Tick(target);
    EXPECT_TRUE(target.calls.empty());
    EXPECT_EQ(clock.LastTick(), constructed);
}

TEST(FrameClockTest, ShownClockRepaintsEachNewMinute) {
    FrameClock clock(At(2024, 5, 10, 10, 0, 59));
    FakeTarget target;
    target.settings.clockInfo = 1;
    target.now = At(2024, 5, 10, 10, 1, 0);
    clock.Tick(target);
    EXPECT_EQ(target.calls, (std::vector<std::string>{"rebuild", "invalidate clock"}));
    EXPECT_EQ(clock.LastTick(), target.now);
}

// Arming the timer is a call into the window system: a long list must not
// make one per task.
TEST(DueScanTest, ManyTasksArmTheTickOnceUnlessTheLastOneRaises) {
    FrameClock clock(At(2024, 5, 10, 10, 0, 5));
    FakeTarget target;
    target.now = At(2024, 5, 10, 10, 1, 0);
    target.tasks.assign(1000, TaskWithAlarm(At(2024, 6, 1, 9), At(2024, 6, 1, 8)));
    target.tasks[500].alarmTime = At(2024, 5, 10, 10, 0);
    clock.Tick(target);
    EXPECT_EQ(target.raised, std::vector<std::size_t>{500});
    EXPECT_EQ(target.armedDelays, (std::vector<int>{500, 60250}));
    target.tasks.back().alarmTime = At(2024, 5, 10, 10, 0);
    target.armedDelays.clear();
    clock.Tick(target);
    EXPECT_EQ(target.armedDelays, (std::vector<int>{500, 500}));
}

TEST(DueScanTest, AlarmThirtySecondsBeforeItsTaskRaisesAtTheTickAfterIt) {
    const DateTime taskTime = At(2024, 5, 10, 15, 0, 0);
    FakeTarget target;
    target.tasks = {TaskWithAlarm(taskTime, taskTime - TimeSpan(30))};
    FrameClock clock(At(2024, 5, 10, 14, 59, 0));

    target.now = At(2024, 5, 10, 14, 59, 29);
    clock.Tick(target);
    EXPECT_TRUE(target.raised.empty());
    EXPECT_EQ(target.LastDelay(), 31250);

    target.now = At(2024, 5, 10, 14, 59, 30);
    clock.Tick(target);
    EXPECT_EQ(target.raised, std::vector<std::size_t>{0});
    EXPECT_EQ(target.LastDelay(), 500);
}

TEST(DueScanTest, NotificationDueAtTheTaskTimeButNotOnceGiven) {
    const DateTime taskTime = At(2024, 5, 10, 15, 0, 0);
    CTaskTime pending;
    pending.taskTime = taskTime;
    pending.taskMode = 2;
    pending.alarmTime = NoDayDate();
    CTaskTime given = pending;
    given.taskMode = 3;
    FakeTarget target;
    target.tasks = {given, pending};
    target.now = taskTime + TimeSpan(20);
    FrameClock clock(target.now);
    clock.Tick(target);
    EXPECT_EQ(target.raised, std::vector<std::size_t>{1});
}

TEST(DueScanTest, SecondDueTaskOpensOnTopFromTheNestedTick) {
    const DateTime taskTime = At(2024, 5, 10, 15, 0, 0);
    FakeTarget target;
    target.tasks = {TaskWithAlarm(taskTime, taskTime), TaskWithAlarm(taskTime, taskTime)};
    target.now = At(2024, 5, 10, 15, 0, 0);
    FrameClock clock(target.now);
    std::vector<std::size_t> openAtRaise;
    int depth = 0;
    target.onRaise = [&](std::size_t index) {
        MarkNotified(target.tasks[index]);
        openAtRaise.push_back(static_cast<std::size_t>(depth));
        ++depth;
        if (index == 0) {
            // The 500 ms tick arriving inside the first dialog's modal loop.
            target.now = At(2024, 5, 10, 15, 0, 1);
            clock.Tick(target);
        }
        target.now = At(2024, 5, 10, 15, 0, 40);
        --depth;
    };
    clock.Tick(target);
    EXPECT_EQ(target.raised, (std::vector<std::size_t>{0, 1}));
    // The second dialog opened while the first was still open.
    EXPECT_EQ(openAtRaise, (std::vector<std::size_t>{0, 1}));
    // Once both are closed the tick falls back to the minute, read afresh.
    EXPECT_EQ(target.LastDelay(), 20250);
}

TEST(DueScanTest, ListShrinkingDuringAnAlarmIsReadAgain) {
    const DateTime taskTime = At(2024, 5, 10, 15, 0, 0);
    FakeTarget target;
    target.tasks = {TaskWithAlarm(taskTime, taskTime), TaskWithAlarm(taskTime, taskTime),
                    TaskWithAlarm(taskTime, taskTime)};
    target.now = taskTime;
    target.onRaise = [&](std::size_t) { target.tasks.resize(1); };
    FrameClock clock(target.now);
    clock.Tick(target);
    EXPECT_EQ(target.raised, std::vector<std::size_t>{0});
}

}  // namespace
}  // namespace vesm
