#include "frame/frame_clock.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tasks/task_rules.h"

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
    std::string calls;
    std::function<void(std::size_t)> onRaise;  // the alarm dialog's modal loop

    DateTime Now() override { return now; }
    Settings CurrentSettings() override { return settings; }
    bool PurgeOverdueTasks(DateTime) override { return calls += "purge ", purgeDeletes; }
    void SaveSettings() override { calls += "save "; }
    void SetDisplayDate(DateTime date) override {
        EXPECT_EQ(date, now);
        calls += "display ";
    }
    void RebuildDays() override { calls += "rebuild "; }
    void InvalidateAll() override { calls += "all "; }
    void InvalidateClock() override { calls += "clock "; }
    std::size_t TaskCount() override { return tasks.size(); }
    bool IsTaskDue(std::size_t index, DateTime time) override {
        EXPECT_LT(index, tasks.size()) << "task read past the end of the list";
        return index < tasks.size() && vesm::IsTaskDue(tasks[index], time);
    }
    void ArmTick(int delayMs) override { calls += "arm" + std::to_string(delayMs) + " "; }
    void RaiseAlarm(std::size_t index) override {
        calls += "raise" + std::to_string(index) + " ";
        if (onRaise) onRaise(index);
        calls += "closed" + std::to_string(index) + " ";
    }
};

CTaskTime TaskWithAlarm(DateTime taskTime, DateTime alarmTime) {
    return CTaskTime{taskTime, 1, 2, 1, "meeting", alarmTime};
}

// Each change since the last tick calls its steps; the last tick time is kept
// only when nothing changed. The next tick comes 250 ms past the next minute.
TEST(FrameClockTest, MonthBeforeDayBeforeTheShownClock) {
    const struct {
        DateTime last, now;
        int clockInfo;
        bool purgeDeletes;
        const char* calls;
        int delay;
    } cases[] = {
        {At(2024, 3, 10, 23, 59, 40), At(2024, 3, 11), 0, true, "purge save rebuild all ", 60250},
        {At(2024, 2, 20, 8), At(2024, 2, 19, 8, 0, 59), 1, false, "purge rebuild all ", 1250},
        {At(2024, 1, 31, 23, 59, 59), At(2024, 2, 1, 0, 0, 1), 1, false, "purge display ", 59250},
        {At(2024, 3, 31, 23, 59), At(2024, 4, 1, 0, 0, 30), 0, true, "purge save display ", 30250},
        {At(2024, 5, 10, 9), At(2025, 5, 10, 9), 0, false, "purge display ", 60250},
        {At(2024, 6, 1, 10, 4, 59), At(2024, 6, 1, 10, 5), 1, false, "rebuild clock ", 60250},
        {At(2024, 6, 1, 10, 5), At(2024, 6, 1, 11, 5), 1, false, "rebuild clock ", 60250},
        {At(2024, 6, 1, 10, 4, 59), At(2024, 6, 1, 10, 5), 0, false, "", 60250},
        {At(2024, 6, 1, 10, 5, 1), At(2024, 6, 1, 10, 5, 58), 1, false, "", 2250},
    };
    for (const auto& c : cases) {
        FrameClock clock(c.last);
        FakeTarget target;
        target.now = c.now;
        target.settings.clockInfo = c.clockInfo;
        target.purgeDeletes = c.purgeDeletes;
        clock.Tick(target);
        EXPECT_EQ(target.calls, c.calls + ("arm" + std::to_string(c.delay) + " "));
        EXPECT_EQ(clock.LastTick(), *c.calls == '\0' ? c.last : c.now) << c.calls;
    }
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
    EXPECT_EQ(target.calls, "arm500 raise500 closed500 arm60250 ");
    target.tasks.back().alarmTime = At(2024, 5, 10, 10, 0);
    target.calls.clear();
    clock.Tick(target);
    EXPECT_EQ(target.calls, "arm500 raise500 closed500 arm500 raise999 closed999 ");
}

TEST(DueScanTest, SecondDueTaskOpensOnTopFromTheNestedTickAndAShrunkListIsReadAgain) {
    const DateTime taskTime = At(2024, 5, 10, 15, 0, 0);
    FakeTarget target;
    target.tasks = {TaskWithAlarm(taskTime, taskTime), TaskWithAlarm(taskTime, taskTime)};
    target.now = taskTime;
    FrameClock clock(target.now);
    target.onRaise = [&](std::size_t index) {
        target.tasks[index].alarmArmed = 0;  // what the alarm dialog does as it opens
        if (index == 0) {
            // The 500 ms tick arriving inside the first dialog's modal loop.
            target.now = At(2024, 5, 10, 15, 0, 1);
            clock.Tick(target);
        }
        target.now = At(2024, 5, 10, 15, 0, 40);
    };
    clock.Tick(target);
    // Once both are closed the tick falls back to the minute, read afresh.
    EXPECT_EQ(target.calls, "arm500 raise0 arm500 raise1 closed1 closed0 arm20250 ");

    target.tasks.assign(3, TaskWithAlarm(taskTime, taskTime));
    target.calls.clear();
    target.onRaise = [&](std::size_t) { target.tasks.resize(1); };
    clock.Tick(target);
    EXPECT_EQ(target.calls, "arm500 raise0 closed0 ");
}

}  // namespace
}  // namespace vesm
