#include "frame/frame_tick.h"

namespace vesm {

TickChange DecideTickChange(DateTime lastTick, DateTime now, const Settings& settings) {
    const DateFields last = lastTick.Fields();
    const DateFields current = now.Fields();
    if (last.year != current.year || last.month != current.month) {
        return TickChange::NewMonth;
    }
    if (last.day != current.day) {
        return TickChange::NewDay;
    }
    const bool clockShown = settings.clockInfo == 1;
    if (clockShown && (last.hour != current.hour || last.minute != current.minute)) {
        return TickChange::ClockMinute;
    }
    return TickChange::None;
}

int NextMinuteDelayMs(DateTime now) {
    const int second = now.Fields().second;
    const int wait = second > 0 ? 60 - second : 60;
    return wait * 1000 + 250;
}

}  // namespace vesm
