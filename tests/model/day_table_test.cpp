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

DayTableRange RangeFor(int year, int month, int numOfPast, int numOfMonth) {
    return ComputeDayTableRange(DateTime::Build(year, month, 17, 13, 45).value(), numOfPast,
                                numOfMonth)
        .value();
}

// ---- extent ---------------------------------------------------------------

TEST(DayTableRangeTest, ShownMonthsWithAMonthOfRecordsOnEachSide) {
    struct Case {
        int year, month, numOfPast, numOfMonth;
        DateFields start, firstShown, lastShown, end;
        int count;
    };
    const Case cases[] = {
        {2024, 5, 1, 3, {2024, 3, 1}, {2024, 4, 1}, {2024, 6, 30}, {2024, 7, 31}, 152},
        // a whole year from January reaches into the next year; the last
        // record is 30 January 2025
        {2024, 1, 0, 0, {2023, 12, 1}, {2024, 1, 1}, {2024, 12, 31}, {2025, 1, 31}, 31 + 366 + 30},
        {2024, 2, 3, 4, {2023, 10, 1}, {2023, 11, 1}, {2024, 2, 29}, {2024, 3, 31}, 182},
    };
    auto at = [](DateFields f) { return Midnight(f.year, f.month, f.day); };
    for (const Case& c : cases) {
        const DayTableRange range = RangeFor(c.year, c.month, c.numOfPast, c.numOfMonth);
        EXPECT_EQ(range.start, at(c.start)) << c.year << "-" << c.month;
        EXPECT_EQ(range.firstShownDay, at(c.firstShown)) << c.year << "-" << c.month;
        EXPECT_EQ(range.lastShownDay, at(c.lastShown)) << c.year << "-" << c.month;
        EXPECT_EQ(range.end, at(c.end)) << c.year << "-" << c.month;
        EXPECT_EQ(range.count, c.count) << c.year << "-" << c.month;
    }
}

TEST(DayTableRangeTest, BoundsBefore1970CannotBeBuilt) {
    DateTime january1970 = DateTime::Build(1970, 1, 20).value();
    EXPECT_FALSE(ComputeDayTableRange(january1970, 1, 3).has_value());
    EXPECT_TRUE(ComputeDayTableRange(january1970 + TimeSpan::Days(60), 0, 3).has_value());
}

// ---- one record per calendar day -------------------------------------------

void ExpectOneMidnightPerDate(int year, int month, int numOfPast, int numOfMonth) {
    DayTableRange range = RangeFor(year, month, numOfPast, numOfMonth);
    std::vector<DayRecord> days(static_cast<std::size_t>(range.count));
    std::vector<CHolidayTime> none;
    Settings settings;
    ComputeHolidays(days, range.start, {none, none, settings});

    DateFields expected = range.start.Fields();
    for (std::size_t i = 0; i < days.size(); ++i) {
        DateFields got = days[i].date.Fields();
        ASSERT_EQ(CalendarDayKey(got), CalendarDayKey(expected)) << "record " << i;
        // The first moment of the day: 01:00 only where the clock skips midnight.
        EXPECT_EQ(days[i].date, Midnight(expected.year, expected.month, expected.day))
            << "record " << i;
        if (i + 1 < days.size()) {
            expected = DateTime::Build(expected.year, expected.month, expected.day)
                           .value()
                           .MidnightDaysAway(1)
                           .Fields();
        }
    }
    DateFields last = days.back().date.Fields();
    DateFields end = range.end.Fields();
    EXPECT_EQ(CalendarDayKey(last) + 1, CalendarDayKey(end));
}

TEST(DayRecordDateTest, JapanHasMidnightsOneDayApart) {
    DayTableRange range = RangeFor(2024, 1, 0, 0);
    std::vector<DayRecord> days(static_cast<std::size_t>(range.count));
    std::vector<CHolidayTime> none;
    Settings settings;
    ComputeHolidays(days, range.start, {none, none, settings});
    for (std::size_t i = 0; i < days.size(); ++i) {
        EXPECT_EQ(days[i].date, range.start + TimeSpan::Days(static_cast<std::int64_t>(i)));
    }
}

TEST(DayRecordDateTest, DaylightSavingZonesGiveOneRecordPerDate) {
    VESM_NEEDS_ZONE_SWITCH();
    for (const char* zone : {"Europe/Berlin", "America/New_York", "Australia/Sydney"}) {
        SCOPED_TRACE(zone);
        ScopedTimeZone pinned(zone);
        ExpectOneMidnightPerDate(2024, 1, 0, 0);
        ExpectOneMidnightPerDate(2024, 11, 1, 3);
    }
}

TEST(DayRecordDateTest, ZoneWhoseClockSkipsMidnightStillGivesEveryDate) {
    VESM_NEEDS_ZONE_SWITCH();
    ScopedTimeZone pinned("America/Sao_Paulo");  // 4 November 2018 began at 01:00
    ExpectOneMidnightPerDate(2018, 11, 1, 3);
}

// ---- hit test ----------------------------------------------------------------

TEST(DayAtPointTest, OnlyPointsInsideTheOnePixelInsetHit) {
    std::vector<DayRecord> days(2);
    days[0].date = Midnight(2024, 5, 1);
    days[0].cell = {10, 20, 50, 40};
    days[1].date = Midnight(2024, 5, 2);
    days[1].cell = {50, 20, 90, 40};

    EXPECT_EQ(DayAtPoint(days, 12, 22).date, Midnight(2024, 5, 1));
    EXPECT_EQ(DayAtPoint(days, 48, 38).date, Midnight(2024, 5, 1));
    EXPECT_EQ(DayAtPoint(days, 52, 30).date, Midnight(2024, 5, 2));
    for (auto [x, y] : {std::pair{10, 30},
                        {11, 30},
                        {49, 30},
                        {50, 30},
                        {51, 30},
                        {30, 20},
                        {30, 21},
                        {30, 39},
                        {30, 40}}) {
        EXPECT_EQ(DayAtPoint(days, x, y).date, NoDayDate()) << x << "," << y;
    }
}

TEST(DayAtPointTest, EmptySpaceGivesABlankNoDayRecord) {
    std::vector<DayRecord> days(1);
    days[0].date = Midnight(2024, 5, 3);
    days[0].holidayFlag = 1;
    days[0].holidayName = "憲法記念日";
    days[0].cell = {0, 0, 30, 30};
    DayRecord hit = DayAtPoint(days, 15, 15);
    EXPECT_EQ(hit.holidayName, "憲法記念日");
    EXPECT_EQ(hit.cell, (Rect{0, 0, 30, 30}));

    DayRecord miss = DayAtPoint(days, 100, 15);
    EXPECT_EQ(miss.date, NoDayDate());
    EXPECT_EQ(miss.holidayFlag, 0);
    EXPECT_EQ(miss.specialDayFlag, 0);
    EXPECT_EQ(miss.holidayName, "");
    EXPECT_EQ(miss.specialDayName, "");
    EXPECT_EQ(miss.cell, Rect{});
    EXPECT_EQ(DayAtPoint({}, 15, 15).date, NoDayDate());
}

// ---- the document's table ---------------------------------------------------

constexpr std::size_t kThirdOfMay2024 = 31 + 30 + 2;  // the table starts on 1 March
constexpr std::size_t kTwelfthOfMay2024 = 31 + 30 + 11;

TEST(DocumentDayTableTest, BuiltAtCreationAroundTheDisplayedMonth) {
    FakeHost host;  // 10 May 2024
    CvesmDoc doc(host);
    EXPECT_EQ(doc.DayRange(), RangeFor(2024, 5, 1, 3));
    ASSERT_EQ(doc.DayCount(), 152u);
    EXPECT_EQ(doc.Day(0).date, Midnight(2024, 3, 1));
    EXPECT_EQ(doc.Day(151).date, Midnight(2024, 7, 30));

    EXPECT_EQ(doc.DayHolidayFlag(kThirdOfMay2024), 1);
    EXPECT_EQ(doc.DayHolidayName(kThirdOfMay2024), "憲法記念日");
    EXPECT_EQ(doc.DaySpecialDayFlag(kThirdOfMay2024), 0);
    EXPECT_EQ(doc.DaySpecialDayFlag(kTwelfthOfMay2024), 2);
    EXPECT_EQ(doc.DaySpecialDayName(kTwelfthOfMay2024), "母の日");
    EXPECT_EQ(doc.DayHolidayName(kTwelfthOfMay2024), "");
}

TEST(DocumentDayTableTest, IndexPastTheEndReadsABlankRecord) {
    FakeHost host;
    CvesmDoc doc(host);
    std::size_t past = doc.DayCount();
    EXPECT_EQ(doc.Day(past).date, DateTime());
    EXPECT_EQ(doc.DayHolidayFlag(past), 0);
    EXPECT_EQ(doc.DaySpecialDayFlag(past), 0);
    EXPECT_EQ(doc.DayHolidayName(past), "");
    EXPECT_EQ(doc.DaySpecialDayName(past), "");
    doc.SetDayCell(past, {0, 0, 100, 100});
    EXPECT_EQ(doc.DayAtPoint(50, 50).date, NoDayDate());
}

TEST(DocumentDayTableTest, YearOutsideTheSupportedRangeWarnsQuitsAndStillBuilds) {
    FakeHost host;
    CvesmDoc doc(host);
    int quits = host.quitRequests;
    for (auto [year, month] : {std::pair{1979, 12}, {2100, 1}}) {
        doc.SetDisplayDate(DateTime::Build(year, month, 1).value());
        EXPECT_EQ(doc.DayRange(), RangeFor(year, month, 1, 3)) << year;
        EXPECT_GT(doc.DayCount(), 0u) << year;
    }
    EXPECT_EQ(host.CountMessages(kYearRangeMessage), 2);
    EXPECT_EQ(host.quitRequests, quits + 2);

    for (auto [year, month] : {std::pair{1980, 1}, {2099, 12}}) {
        doc.SetDisplayDate(DateTime::Build(year, month, 1).value());
    }
    EXPECT_EQ(host.CountMessages(kYearRangeMessage), 2);
    EXPECT_EQ(host.quitRequests, quits + 2);
}

TEST(DocumentDayTableTest, SettingsTakeEffectAtTheNextRebuild) {
    FakeHost host;
    host.now = DateTime::Build(2026, 9, 1).value();
    CvesmDoc doc(host);
    auto twentySecond = [&] {
        DateTime day = Midnight(2026, 9, 22);
        for (std::size_t i = 0; i < doc.DayCount(); ++i) {
            if (doc.Day(i).date == day) return doc.Day(i);
        }
        return DayRecord{};
    };
    ASSERT_EQ(twentySecond().holidayName, "国民の休日");

    Settings settings = doc.GetSettings();
    settings.betweenBool = false;
    settings.numOfMonth = 0;
    settings.numOfPast = 8;
    doc.SetSettings(settings);
    EXPECT_EQ(twentySecond().holidayName, "国民の休日");
    EXPECT_EQ(doc.DayCount(), 152u);

    doc.RebuildDays();
    EXPECT_EQ(twentySecond().holidayFlag, 0);
    EXPECT_EQ(doc.DayRange(), RangeFor(2026, 9, 8, 0));
    EXPECT_EQ(doc.DayRange().firstShownDay, Midnight(2026, 1, 1));
}

TEST(DocumentDayTableTest, StoredCellsAreHitUntilTheTableIsRebuilt) {
    FakeHost host;
    CvesmDoc doc(host);
    doc.SetDayCell(kThirdOfMay2024, {10, 10, 40, 30});
    EXPECT_EQ(doc.Day(kThirdOfMay2024).cell, (Rect{10, 10, 40, 30}));
    DayRecord hit = doc.DayAtPoint(20, 20);
    EXPECT_EQ(hit.date, Midnight(2024, 5, 3));
    EXPECT_EQ(hit.holidayName, "憲法記念日");
    EXPECT_EQ(doc.DayAtPoint(11, 20).date, NoDayDate());

    doc.RebuildDays();
    EXPECT_EQ(doc.DayAtPoint(20, 20).date, NoDayDate());
}

}  // namespace
}  // namespace vesm
