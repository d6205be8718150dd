// The table of day records: its extent, one record per date in any zone, the hit test.
#include "doc/day_table.h"

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/holiday_engine.h"
#include "support/fake_host.h"
#include "support/time_zone.h"

namespace vesm {
namespace {

DateTime Midnight(int year, int month, int day) {
    return DateTime::Build(year, month, day).value();
}

DayTableRange RangeFor(int year, int month, int numOfPast, int numOfMonth) {
    return ComputeDayTableRange(DateTime::Build(year, month, 17, 13, 45).value(), numOfPast,
                                numOfMonth)
        .value();
}

// A month of records on each side of the shown ones; a whole year's last record is 30 January.
TEST(DayTable, ShownMonthsWithAMonthOfRecordsOnEachSide) {
    const struct {
        int month, numOfPast, numOfMonth, start, firstShown, lastShown, end, count;
    } cases[] = {{5, 1, 3, 20240301, 20240401, 20240630, 20240731, 152},
                 {1, 0, 0, 20231201, 20240101, 20241231, 20250131, 31 + 366 + 30},
                 {2, 3, 4, 20231001, 20231101, 20240229, 20240331, 182}};
    for (const auto& c : cases) {
        const DayTableRange r = RangeFor(2024, c.month, c.numOfPast, c.numOfMonth);
        EXPECT_EQ(
            (std::vector<std::int64_t>{
                CalendarDayKey(r.start.Fields()), CalendarDayKey(r.firstShownDay.Fields()),
                CalendarDayKey(r.lastShownDay.Fields()), CalendarDayKey(r.end.Fields()), r.count}),
            (std::vector<std::int64_t>{c.start, c.firstShown, c.lastShown, c.end, c.count}))
            << c.month;
    }
    const DateTime january1970 = Midnight(1970, 1, 20);  // bounds before 1970 cannot be built
    EXPECT_FALSE(ComputeDayTableRange(january1970, 1, 3).has_value());
    EXPECT_TRUE(ComputeDayTableRange(january1970 + TimeSpan::Days(60), 0, 3).has_value());
}

// The first moment of each date: 01:00 only where the clock skips midnight.
void ExpectOneMidnightPerDate(int year, int month, int numOfPast, int numOfMonth) {
    const DayTableRange range = RangeFor(year, month, numOfPast, numOfMonth);
    std::vector<DayRecord> days(static_cast<std::size_t>(range.count));
    const std::vector<CHolidayTime> none;
    ComputeHolidays(days, range.start, {none, none, Settings{}});
    DateTime expected = range.start;
    for (std::size_t i = 0; i < days.size(); ++i) {
        ASSERT_EQ(days[i].date, expected) << "record " << i;
        expected = expected.MidnightDaysAway(1);
    }
    EXPECT_EQ(expected, range.end);
}

TEST(DayTable, OneRecordPerDateInEveryZone) {
    ExpectOneMidnightPerDate(2024, 1, 0, 0);
    VESM_NEEDS_ZONE_SWITCH();
    for (const char* zone : {"Europe/Berlin", "America/New_York", "Australia/Sydney"}) {
        SCOPED_TRACE(zone);
        ScopedTimeZone pinned(zone);
        ExpectOneMidnightPerDate(2024, 1, 0, 0);
        ExpectOneMidnightPerDate(2024, 11, 1, 3);
    }
    ScopedTimeZone pinned("America/Sao_Paulo");  // 4 November 2018 began at 01:00
    ExpectOneMidnightPerDate(2018, 11, 1, 3);
}

TEST(DayTable, OnlyPointsInsideTheOnePixelInsetHitAndMissesAreBlank) {
    std::vector<DayRecord> days(2);
    days[0].date = Midnight(2024, 5, 3);
    days[0].holidayFlag = 1;
    days[0].holidayName = "憲法記念日";
    days[0].cell = {10, 20, 50, 40};
    days[1].date = Midnight(2024, 5, 4);
    days[1].cell = {50, 20, 90, 40};
    EXPECT_EQ(DayAtPoint(days, 12, 22).holidayName, "憲法記念日");
    EXPECT_EQ(DayAtPoint(days, 48, 38).cell, days[0].cell);
    EXPECT_EQ(DayAtPoint(days, 52, 30).date, Midnight(2024, 5, 4));
    const std::pair<int, int> misses[] = {{10, 30}, {11, 30}, {49, 30}, {50, 30}, {51, 30},
                                          {30, 20}, {30, 21}, {30, 39}, {30, 40}};
    for (auto [x, y] : misses) {
        const DayRecord miss = DayAtPoint(days, x, y);
        EXPECT_EQ(miss.date, NoDayDate()) << x << "," << y;
        EXPECT_EQ(miss.holidayName + miss.specialDayName, "");
        EXPECT_EQ(miss.holidayFlag + miss.specialDayFlag, 0);
        EXPECT_EQ(miss.cell, Rect{});
    }
}

TEST(DayTable, DocumentsTableIsReadSafelyPastItsEndAndHitUntilRebuilt) {
    FakeHost host;  // 10 May 2024: the table starts on 1 March
    CvesmDoc doc(host);
    ASSERT_EQ(doc.DayCount(), 152u);
    EXPECT_EQ(doc.DayHolidayName(31 + 30 + 2) + doc.DaySpecialDayName(31 + 30 + 11),
              "憲法記念日母の日");
    EXPECT_EQ(doc.Day(152).date, DateTime());
    EXPECT_EQ(doc.DayHolidayFlag(152) + doc.DaySpecialDayFlag(152), 0);
    EXPECT_EQ(doc.DayHolidayName(152) + doc.DaySpecialDayName(152), "");
    doc.SetDayCell(152, {0, 0, 100, 100});
    EXPECT_EQ(doc.DayAtPoint(50, 50).date, NoDayDate());
    doc.SetDayCell(31 + 30 + 2, {10, 10, 40, 30});  // hit until the table is rebuilt
    EXPECT_EQ(doc.DayAtPoint(20, 20).holidayName, "憲法記念日");
    doc.RebuildDays();
    EXPECT_EQ(doc.DayAtPoint(20, 20).date, NoDayDate());
}

}  // namespace
}  // namespace vesm
