#include "doc/date_time.h"

#include <gtest/gtest.h>

#include "support/time_zone.h"

namespace vesm {
namespace {

DateTime Make(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

TEST(DateFieldsTest, WeekdaysCountFromSunday) {
    EXPECT_EQ(Make(2024, 1, 1).Weekday(), 2);
    EXPECT_EQ(Make(2023, 12, 31).Weekday(), 1);
    EXPECT_EQ(Make(2024, 3, 2).Weekday(), 7);
}

TEST(DateFieldsTest, BuildRoundTripsLocalFields) {
    DateFields f = Make(2099, 12, 31, 23, 59, 58).Fields();
    EXPECT_EQ(f.year, 2099);
    EXPECT_EQ(f.month, 12);
    EXPECT_EQ(f.day, 31);
    EXPECT_EQ(f.hour, 23);
    EXPECT_EQ(f.minute, 59);
    EXPECT_EQ(f.second, 58);
}

TEST(DateBuildTest, DayPastMonthEndRollsOver) {
    DateFields f = Make(2023, 4, 31).Fields();
    EXPECT_EQ(f.month, 5);
    EXPECT_EQ(f.day, 1);
    EXPECT_EQ(Make(2023, 2, 29).Fields().day, 1);
}

TEST(DateBuildTest, RefusesFieldsOutOfRange) {
    EXPECT_FALSE(DateTime::Build(1899, 1, 1));
    EXPECT_FALSE(DateTime::Build(2000, 0, 1));
    EXPECT_FALSE(DateTime::Build(2000, 13, 1));
    EXPECT_FALSE(DateTime::Build(2000, 1, 0));
    EXPECT_FALSE(DateTime::Build(2000, 1, 32));
    EXPECT_FALSE(DateTime::Build(2000, 1, 1, 24));
    EXPECT_FALSE(DateTime::Build(2000, 1, 1, 0, 60));
    EXPECT_FALSE(DateTime::Build(2000, 1, 1, 0, 0, 60));
    EXPECT_FALSE(DateTime::Build(1969, 12, 1));
}

TEST(MonthLengthTest, FebruaryFollowsTheLeapRule) {
    EXPECT_EQ(FebruaryLength(2000), 29);
    EXPECT_EQ(FebruaryLength(1900), 28);
    EXPECT_EQ(FebruaryLength(2100), 28);
    EXPECT_EQ(FebruaryLength(2024), 29);
    EXPECT_EQ(FebruaryLength(2023), 28);
    EXPECT_EQ(MonthLength(2024, 4), 30);
    EXPECT_EQ(MonthLength(2024, 12), 31);
    EXPECT_EQ(MonthLength(2023, 2), 28);
}

TEST(WeekRowTest, RowsOfMarch2024) {
    // 1 March 2024 is a Friday.
    EXPECT_EQ(WeekRow(1, Make(2024, 3, 1).Weekday()), 1);
    EXPECT_EQ(WeekRow(2, Make(2024, 3, 2).Weekday()), 1);
    EXPECT_EQ(WeekRow(3, Make(2024, 3, 3).Weekday()), 2);
    EXPECT_EQ(WeekRow(31, Make(2024, 3, 31).Weekday()), 6);
}

TEST(WeekRowTest, MonthStartingOnSaturday) {
    // June 2024 starts on a Saturday.
    EXPECT_EQ(WeekRow(1, 7), 1);
    EXPECT_EQ(WeekRow(2, 1), 2);
    EXPECT_EQ(WeekRow(9, 1), 3);
    EXPECT_EQ(WeekRow(8, 7), 2);
    // September 2024 starts on a Sunday: the 8th opens the second row.
    EXPECT_EQ(WeekRow(8, 1), 2);
    EXPECT_EQ(WeekRow(15, 1), 3);
}

TEST(TimeSpanTest, WholeUnitsTruncateTowardZero) {
    EXPECT_EQ(TimeSpan(-1).WholeDays(), 0);
    EXPECT_EQ(TimeSpan(-86401).WholeDays(), -1);
    TimeSpan span = TimeSpan::Days(2);
    EXPECT_EQ(span.WholeHours(), 48);
    TimeSpan mixed(1 * 86400 + 5 * 3600 + 7 * 60 + 9);
    EXPECT_EQ(mixed.HoursOfDay(), 5);
    EXPECT_EQ(mixed.MinutesOfHour(), 7);
    EXPECT_EQ(Make(2024, 3, 1) - Make(2024, 2, 28), TimeSpan::Days(2));
}

TEST(NoDayDateTest, IsLocalMidnightOfNewYear1975EastAndWest) {
    VESM_NEEDS_ZONE_SWITCH();
    for (const char* zone : {"Asia/Tokyo", "Pacific/Kiritimati", "America/Los_Angeles"}) {
        ScopedTimeZone tz(zone);
        DateFields f = NoDayDate().Fields();
        EXPECT_EQ(f.year, 1975) << zone;
        EXPECT_EQ(f.month, 1) << zone;
        EXPECT_EQ(f.day, 1) << zone;
        EXPECT_EQ(f.hour, 0) << zone;
        EXPECT_GT(NoDayDate().Seconds(), 0) << zone;
    }
}

TEST(MidnightDaysAwayTest, OneDatePerDayAcrossDaylightSaving) {
    VESM_NEEDS_ZONE_SWITCH();
    ScopedTimeZone tz("Europe/Berlin");
    DateTime start = Make(2024, 3, 30, 15);
    DateTime next = start.MidnightDaysAway(1);
    DateTime after = start.MidnightDaysAway(2);
    EXPECT_EQ(next.Day(), 31);
    EXPECT_EQ(after.Day(), 1);
    EXPECT_EQ(after.Fields().hour, 0);
    EXPECT_EQ(after - next, TimeSpan(23 * 3600));
    EXPECT_EQ(Make(2024, 1, 31).MidnightDaysAway(-31).Month(), 12);
}

}  // namespace
}  // namespace vesm
