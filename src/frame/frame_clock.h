// The program's clock: carries out each tick of the frame's timer 1 against
// the document and the window, both reached through TickTarget so the whole
// sequence runs natively in tests.
#pragma once

#include <cstddef>

#include "doc/date_time.h"
#include "doc/settings.h"

namespace vesm {

class TickTarget {
public:
    virtual ~TickTarget() = default;

    virtual DateTime Now() = 0;
    virtual Settings CurrentSettings() = 0;
    // Returns whether any task was deleted.
    virtual bool PurgeOverdueTasks(DateTime reference) = 0;
    virtual void SaveSettings() = 0;
    virtual void SetDisplayDate(DateTime date) = 0;
    virtual void RebuildDays() = 0;
    virtual void InvalidateAll() = 0;
    virtual void InvalidateClock() = 0;
    virtual std::size_t TaskCount() = 0;
    // Whether the task at index is due now, answered without copying the task.
    virtual bool IsTaskDue(std::size_t index, DateTime now) = 0;
    // Replaces any pending tick with one after delayMs.
    virtual void ArmTick(int delayMs) = 0;
    // Shows the alarm for the task modally; further ticks may run meanwhile.
    virtual void RaiseAlarm(std::size_t index) = 0;
};

class FrameClock {
public:
    explicit FrameClock(DateTime constructed) : lastTick_(constructed) {}

    // One tick of timer 1. Re-entrant: an alarm raised here runs a modal loop
    // in which the next tick arrives.
    void Tick(TickTarget& target);
    DateTime LastTick() const { return lastTick_; }

private:
    void ReactToChange(TickTarget& target, DateTime now, const Settings& settings);
    void ScanDueTasks(TickTarget& target, DateTime now);

    DateTime lastTick_;
};

}  // namespace vesm
