#include "frame/frame_clock.h"

#include "frame/frame_tick.h"

namespace vesm {

void FrameClock::Tick(TickTarget& target) {
    const DateTime now = target.Now();
    ReactToChange(target, now, target.CurrentSettings());
    ScanDueTasks(target, now);
}

void FrameClock::ReactToChange(TickTarget& target, DateTime now, const Settings& settings) {
    const TickChange change = DecideTickChange(lastTick_, now, settings);
    switch (change) {
        case TickChange::NewMonth:
            if (target.PurgeOverdueTasks(now)) target.SaveSettings();
            target.SetDisplayDate(now);
            break;
        case TickChange::NewDay:
            if (target.PurgeOverdueTasks(now)) target.SaveSettings();
            target.RebuildDays();
            target.InvalidateAll();
            break;
        case TickChange::ClockMinute:
            target.RebuildDays();
            target.InvalidateClock();
            break;
        case TickChange::None:
            break;
    }
    if (ReplacesLastTick(change)) lastTick_ = now;
}

// The count is read again before every step: an alarm dialog runs a modal loop
// in which other dialogs may change the list. The delay for the last task
// examined stays in force: the short one after an alarm, else the next minute,
// armed once, since no tick can run between two tasks that raise nothing.
void FrameClock::ScanDueTasks(TickTarget& target, DateTime now) {
    bool lastWasDue = false;
    for (std::size_t i = 0; i < target.TaskCount(); ++i) {
        lastWasDue = target.IsTaskDue(i, now);
        if (lastWasDue) {
            target.ArmTick(kAlarmRaisedDelayMs);
            target.RaiseAlarm(i);
        }
    }
    if (!lastWasDue) target.ArmTick(NextMinuteDelayMs(target.Now()));
}

}  // namespace vesm
