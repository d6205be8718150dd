// What one tick of the frame's minute timer decides: which change since the
// last tick it reacts to, and when the next tick comes. Pure functions of the
// times and settings, so every case runs without a window.
#pragma once

#include "doc/date_time.h"
#include "doc/settings.h"

namespace vesm {

enum class TickChange {
    NewMonth,     // year or month differs: purge, then back to today's month
    NewDay,       // day differs: purge, rebuild, keep the navigated month
    ClockMinute,  // clock shown and hour or minute differs: repaint the clock
    None,         // nothing to do; the last tick time is kept
};

constexpr int kFirstTickDelayMs = 1000;
constexpr int kAlarmRaisedDelayMs = 500;
constexpr int kSettingChangeRefreshDelayMs = 1000;

TickChange DecideTickChange(DateTime lastTick, DateTime now, const Settings& settings);

// Every change but None replaces the last tick time with now.
constexpr bool ReplacesLastTick(TickChange change) {
    return change != TickChange::None;
}

// 250 ms past the next minute boundary; a whole minute when now lies on one.
int NextMinuteDelayMs(DateTime now);

}  // namespace vesm
