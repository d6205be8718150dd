#include <gtest/gtest.h>

#include "frame/frame_tick.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

Settings WithClock(int clockInfo) {
    Settings settings;
    settings.clockInfo = clockInfo;
    return settings;
}

TEST(TickChangeTest, MonthOrYearChangeWinsOverEverythingElse) {
    const Settings clock = WithClock(1);
    EXPECT_EQ(DecideTickChange(At(2024, 1, 31, 23, 59, 59), At(2024, 2, 1, 0, 0, 0), clock),
              TickChange::NewMonth);
    EXPECT_EQ(DecideTickChange(At(2099, 12, 31, 23, 59, 30), At(2100, 1, 1, 0, 0, 1), clock),
              TickChange::NewMonth);
    // Same month and day a year apart is still a new month.
    EXPECT_EQ(DecideTickChange(At(2024, 5, 10, 9), At(2025, 5, 10, 9), clock),
              TickChange::NewMonth);
}

TEST(TickChangeTest, DayChangeInsideTheMonth) {
    EXPECT_EQ(DecideTickChange(At(2024, 2, 28, 23, 59, 59), At(2024, 2, 29, 0, 0, 0), WithClock(0)),
              TickChange::NewDay);
    // The clock set back by a day is a change too.
    EXPECT_EQ(DecideTickChange(At(2024, 2, 20, 8), At(2024, 2, 19, 8), WithClock(1)),
              TickChange::NewDay);
}

TEST(TickChangeTest, MinuteAndHourCountOnlyWithTheClockShown) {
    const DateTime before = At(2024, 6, 1, 10, 4, 59);
    const DateTime after = At(2024, 6, 1, 10, 5, 0);
    EXPECT_EQ(DecideTickChange(before, after, WithClock(1)), TickChange::ClockMinute);
    EXPECT_EQ(DecideTickChange(before, after, WithClock(0)), TickChange::None);
    // An hour apart at the same minute.
    EXPECT_EQ(DecideTickChange(At(2024, 6, 1, 10, 5), At(2024, 6, 1, 11, 5), WithClock(1)),
              TickChange::ClockMinute);
    EXPECT_EQ(DecideTickChange(At(2024, 6, 1, 10, 5, 1), At(2024, 6, 1, 10, 5, 58), WithClock(1)),
              TickChange::None);
}

TEST(NextMinuteDelayTest, LandsQuarterSecondPastTheNextBoundary) {
    EXPECT_EQ(NextMinuteDelayMs(At(2024, 6, 1, 10, 5, 0)), 60250);
    EXPECT_EQ(NextMinuteDelayMs(At(2024, 6, 1, 10, 5, 59)), 1250);
    EXPECT_EQ(NextMinuteDelayMs(At(2024, 6, 1, 10, 5, 1)), 59250);
    EXPECT_EQ(NextMinuteDelayMs(At(2024, 6, 1, 23, 59, 30)), 30250);
}

}  // namespace
}  // namespace vesm
