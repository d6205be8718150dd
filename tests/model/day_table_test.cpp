// The table of day records: its extent around the shown months, one record
// per calendar date in any zone, the hit test, and the document's copy.
#include "doc/day_table.h"

#include <gtest/gtest.h>

#include <vector>

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
DateTime Midnight(DateFields f) {
    return Midnight(f.year, f.month, f.day);
}

DayTableRange RangeFor(int year, int month, int numOfPast, int numOfMonth) {
    return ComputeDayTableRange(DateTime::Build(year, month, 17, 13, 45).value(), numOfPast,
                                numOfMonth)
        .value();
}

TEST(DayTableRange, ShownMonthsWithAMonthOfRecordsOnEachSide) {
    const struct {
        int year, month, numOfPast, numOfMonth;
        DateFields start, firstShown, lastShown, end;
        int count;
    } cases[] = {
        {2024, 5, 1, 3, {2024, 3, 1}, {2024, 4, 1}, {2024, 6, 30}, {2024, 7, 31}, 152},
        // a whole year reaches into the next one; the last record is 30 January
        {2024, 1, 0, 0, {2023, 12, 1}, {2024, 1, 1}, {2024, 12, 31}, {2025, 1, 31}, 31 + 366 + 30},
        {2024, 2, 3, 4, {2023, 10, 1}, {2023, 11, 1}, {2024, 2, 29}, {2024, 3, 31}, 182},
    };
    for (const auto& c : cases) {
        const DayTableRange range = RangeFor(c.year, c.month, c.numOfPast, c.numOfMonth);
        EXPECT_EQ((std::vector{range.start, range.firstShownDay, range.lastShownDay, range.end}),
                  (std::vector{Midnight(c.start), Midnight(c.firstShown), Midnight(c.lastShown),
                               Midnight(c.end)}))
            << c.year << "-" << c.month;
        EXPECT_EQ(range.count, c.count) << c.year << "-" << c.month;
    }
    const DateTime january1970 = Midnight(1970, 1, 20);  // bounds before 1970 cannot be built
    EXPECT_FALSE(ComputeDayTableRange(january1970, 1, 3).has_value());
    EXPECT_TRUE(ComputeDayTableRange(january1970 + TimeSpan::Days(60), 0, 3).has_value());
}

void ExpectOneMidnightPerDate(int year, int month, int numOfPast, int numOfMonth) {
    const DayTableRange range = RangeFor(year, month, numOfPast, numOfMonth);
    std::vector<DayRecord> days(static_cast<std::size_t>(range.count));
    const std::vector<CHolidayTime> none;
    ComputeHolidays(days, range.start, {none, none, Settings{}});
    DateTime expected = range.start;
    for (std::size_t i = 0; i < days.size(); ++i) {
        // the first moment of the day: 01:00 only where the clock skips midnight
        ASSERT_EQ(days[i].date, expected) << "record " << i;
        expected = expected.MidnightDaysAway(1);
    }
    EXPECT_EQ(expected, range.end);
}

TEST(DayRecordDate, OneRecordPerDateInEveryZone) {
    const DayTableRange range = RangeFor(2024, 1, 0, 0);  // Japan: exactly a day apart
    std::vector<DayRecord> days(static_cast<std::size_t>(range.count));
    const std::vector<CHolidayTime> none;
    ComputeHolidays(days, range.start, {none, none, Settings{}});
    for (std::size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(days[i].date, range.start + TimeSpan::Days(static_cast<std::int64_t>(i)));
    }
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

TEST(DayAtPoint, OnlyPointsInsideTheOnePixelInsetHitAndMissesAreBlank) {
    std::vector<DayRecord> days(2);
    days[0].date = Midnight(2024, 5, 3);
    days[0].holidayFlag = 1;
    days[0].holidayName = "憲法記念日";
    days[0].cell = {10, 20, 50, 40};
    days[1].date = Midnight(2024, 5, 4);
    days[1].cell = {50, 20, 90, 40};
    const DayRecord hit = DayAtPoint(days, 12, 22);
    EXPECT_EQ(hit.holidayName, "憲法記念日");
    EXPECT_EQ(hit.cell, (Rect{10, 20, 50, 40}));
    EXPECT_EQ(DayAtPoint(days, 48, 38).date, Midnight(2024, 5, 3));
    EXPECT_EQ(DayAtPoint(days, 52, 30).date, Midnight(2024, 5, 4));
    for (auto [x, y] : {std::pair{10, 30},
                        {11, 30},
                        {49, 30},
                        {50, 30},
                        {51, 30},
                        {30, 20},
                        {30, 21},
                        {30, 39},
                        {30, 40},
                        {100, 30}}) {
        const DayRecord miss = DayAtPoint(days, x, y);
        EXPECT_EQ(miss.date, NoDayDate()) << x << "," << y;
        EXPECT_EQ(miss.holidayFlag, 0);
        EXPECT_EQ(miss.holidayName, "");
        EXPECT_EQ(miss.cell, Rect{});
    }
    EXPECT_EQ(DayAtPoint({}, 15, 15).date, NoDayDate());
}

constexpr std::size_t kThirdOfMay2024 = 31 + 30 + 2;  // the table starts on 1 March

TEST(DocumentDayTable, BuiltAroundTheDisplayedMonthAndReadSafelyPastItsEnd) {
    FakeHost host;  // 10 May 2024
    CvesmDoc doc(host);
    EXPECT_EQ(doc.DayRange(), RangeFor(2024, 5, 1, 3));
    ASSERT_EQ(doc.DayCount(), 152u);
    EXPECT_EQ(doc.Day(0).date, Midnight(2024, 3, 1));
    EXPECT_EQ(doc.Day(151).date, Midnight(2024, 7, 30));
    EXPECT_EQ(doc.DayHolidayFlag(kThirdOfMay2024), 1);
    EXPECT_EQ(doc.DayHolidayName(kThirdOfMay2024), "憲法記念日");
    EXPECT_EQ(doc.DaySpecialDayFlag(kThirdOfMay2024), 0);
    EXPECT_EQ(doc.DaySpecialDayFlag(kThirdOfMay2024 + 9), 2);
    EXPECT_EQ(doc.DaySpecialDayName(kThirdOfMay2024 + 9), "母の日");

    const std::size_t past = doc.DayCount();
    EXPECT_EQ(doc.Day(past).date, DateTime());
    EXPECT_EQ(doc.DayHolidayFlag(past), 0);
    EXPECT_EQ(doc.DaySpecialDayFlag(past), 0);
    EXPECT_EQ(doc.DayHolidayName(past), "");
    EXPECT_EQ(doc.DaySpecialDayName(past), "");
    doc.SetDayCell(past, {0, 0, 100, 100});
    EXPECT_EQ(doc.DayAtPoint(50, 50).date, NoDayDate());

    doc.SetDayCell(kThirdOfMay2024, {10, 10, 40, 30});  // stored cells hit until a rebuild
    EXPECT_EQ(doc.DayAtPoint(20, 20).holidayName, "憲法記念日");
    EXPECT_EQ(doc.DayAtPoint(11, 20).date, NoDayDate());
    doc.RebuildDays();
    EXPECT_EQ(doc.DayAtPoint(20, 20).date, NoDayDate());
}

TEST(DocumentDayTable, YearOutsideTheSupportedRangeWarnsQuitsAndStillBuilds) {
    FakeHost host;
    CvesmDoc doc(host);
    const int quits = host.quitRequests;
    for (auto [year, month] : {std::pair{1979, 12}, {2100, 1}, {1980, 1}, {2099, 12}}) {
        doc.SetDisplayDate(Midnight(year, month, 1));
        EXPECT_EQ(doc.DayRange(), RangeFor(year, month, 1, 3)) << year;
        EXPECT_GT(doc.DayCount(), 0u) << year;
    }
    EXPECT_EQ(host.CountMessages(kYearRangeMessage), 2);
    EXPECT_EQ(host.quitRequests, quits + 2);
}

TEST(DocumentDayTable, SettingsTakeEffectAtTheNextRebuild) {
    FakeHost host;
    host.now = Midnight(2026, 9, 1);
    CvesmDoc doc(host);
    const auto twentySecond = [&] { return doc.Day(31 + 31 + 21); };  // from 1 July
    ASSERT_EQ(twentySecond().date, Midnight(2026, 9, 22));
    ASSERT_EQ(twentySecond().holidayName, "国民の休日");
    Settings settings = doc.GetSettings();
    settings.betweenBool = false;
    settings.numOfMonth = 0;
    settings.numOfPast = 8;
    doc.SetSettings(settings);
    EXPECT_EQ(twentySecond().holidayName, "国民の休日");
    EXPECT_EQ(doc.DayCount(), 152u);

    doc.RebuildDays();
    EXPECT_EQ(doc.DayRange(), RangeFor(2026, 9, 8, 0));
    EXPECT_EQ(doc.DayRange().firstShownDay, Midnight(2026, 1, 1));
    EXPECT_EQ(doc.Day(0).date, Midnight(2025, 12, 1));
    EXPECT_EQ(doc.Day(295).date, Midnight(2026, 9, 22));
    EXPECT_EQ(doc.Day(295).holidayFlag, 0);
}

}  // namespace
}  // namespace vesm
