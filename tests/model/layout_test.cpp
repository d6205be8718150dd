#include <vector>

#include <gtest/gtest.h>

#include "doc/date_time.h"
#include "doc/settings.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"
#include "view/month_layout.h"

namespace vesm {
namespace {

// The synthetic glyphs make every weekday name 3 x 7 = 21 pixels wide at the
// default small height of 14.
constexpr int kDefaultNameWidth = 21;

int WeekdayOfFirst(int year, int month) {
    return DateTime::Build(year, month, 1)->Weekday();
}

TEST(LayoutUnits, UnitsAndMarginsFollowSpacingAndDayArrangement) {
    struct Case {
        int dayFormat, frameSizeOfDate;
        int rowHeight, columnWidth, hMargin, vMargin;
    };
    // 16.8 rows truncate; half spacing halves the units but not the margins
    for (const Case& c : {Case{0, 120, 16, 24, 10, 10}, Case{1, 120, 16, 24, 40, 10},
                          Case{2, 120, 16, 24, 10, 40}, Case{0, 50, 7, 10, 10, 10}}) {
        Settings settings;
        settings.dayFormat = c.dayFormat;
        settings.frameSizeOfDate = c.frameSizeOfDate;
        const LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
        EXPECT_EQ(units.smallHeight, 14);
        EXPECT_EQ(units.rawColumnWidth, 20);
        EXPECT_EQ((std::vector{units.rowHeight, units.columnWidth, units.hMargin, units.vMargin}),
                  (std::vector{c.rowHeight, c.columnWidth, c.hMargin, c.vMargin}))
            << c.dayFormat << " " << c.frameSizeOfDate;
    }
    // without measurable glyphs no width goes negative
    EXPECT_EQ(ComputeUnits(Settings{}, 0).columnWidth, 0);
}

TEST(LayoutUnits, NameWidthIsTheWidestMeasuredName) {
    testing::SyntheticGlyphs glyphs;
    Glyph wide;
    wide.width = 15;
    wide.height = 9;
    wide.advance = 16;
    wide.coverage.assign(15 * 9, 64);
    glyphs.SetGlyph(U'W', wide);  // only "Wed" holds a W: 15 + 7 + 7
    Settings settings;
    CalendarPlan plan = PlanCalendar(settings, *DateTime::Build(2026, 5, 10), glyphs);
    EXPECT_EQ(plan.units.rawColumnWidth, 28);
    for (const auto& request : glyphs.Requests()) {
        EXPECT_EQ(request.font.height, 14);
        EXPECT_EQ(request.font.face, settings.fontFaceName);
    }
}

TEST(ShownMonths, StartNumOfPastMonthsBeforeTheDisplayedMonthAcrossTheYear) {
    Settings settings;  // three months, one of them past
    ShownMonths months = ComputeShownMonths(settings, DateFields{2024, 1, 15});
    EXPECT_EQ(months.firstYear, 2023);
    EXPECT_EQ(months.firstMonth, 12);
    EXPECT_EQ(months.LastYear(), 2024);
    EXPECT_EQ(months.LastMonth(), 2);
    EXPECT_EQ(months.FirstDayKey(), 20231201);
    EXPECT_EQ(months.LastDayKey(), 20240229);

    settings.numOfMonth = 0;
    settings.numOfPast = 4;
    months = ComputeShownMonths(settings, DateFields{2024, 5, 1});
    EXPECT_EQ(months.count, 12);
    EXPECT_EQ(months.FirstDayKey(), 20240101);
    EXPECT_EQ(months.LastDayKey(), 20241231);
}

TEST(BlockGrid, MonthsFillColumnsOrRowsFirst) {
    Settings settings;  // 3 months, 3 rows, arrangement 0
    EXPECT_EQ(ComputeGrid(settings).rows, 3);
    EXPECT_EQ(ComputeGrid(settings).columns, 1);

    settings.numOfMonth = 5;
    EXPECT_EQ(ComputeGrid(settings).rows, 3);
    EXPECT_EQ(ComputeGrid(settings).columns, 2);

    settings.numOfMonth = 2;  // fewer months than rows
    EXPECT_EQ(ComputeGrid(settings).rows, 2);
    EXPECT_EQ(ComputeGrid(settings).columns, 1);

    settings.numOfMonth = 0;
    settings.numOfRow = 5;
    EXPECT_EQ(ComputeGrid(settings).rows, 5);
    EXPECT_EQ(ComputeGrid(settings).columns, 3);

    settings.calendarFormat = 1;
    settings.numOfColumn = 5;
    EXPECT_EQ(ComputeGrid(settings).columns, 5);
    EXPECT_EQ(ComputeGrid(settings).rows, 3);

    settings.numOfMonth = 4;
    EXPECT_EQ(ComputeGrid(settings).columns, 4);
    EXPECT_EQ(ComputeGrid(settings).rows, 1);
}

TEST(WindowFrame, SizeForEachDayArrangement) {
    Settings settings;
    LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
    EXPECT_EQ(ComputeWindowFrame(settings, units, {3, 1}).window, (Size{20 + 7 * 24, 444}));
    EXPECT_EQ(ComputeWindowFrame(settings, units, {3, 2}).window, (Size{30 + 14 * 24, 444}));

    settings.dayFormat = 1;
    units = ComputeUnits(settings, kDefaultNameWidth);
    // 2 vm + 4 rh (a - 1) + 3 rh + rh / 2 and (b + 1) hm + 31 b cw
    EXPECT_EQ(ComputeWindowFrame(settings, units, {3, 1}).window,
              (Size{80 + 31 * 24, 20 + 128 + 48 + 8}));

    settings.dayFormat = 2;
    units = ComputeUnits(settings, kDefaultNameWidth);
    // 2 vm + 33 a rh + rh / 2 and 4 b cw + hm
    EXPECT_EQ(ComputeWindowFrame(settings, units, {1, 3}).window,
              (Size{12 * 24 + 10, 80 + 33 * 16 + 8}));
}

TEST(WindowFrame, ClockAddsARowAndSitsAboveTheFormerBottom) {
    Settings settings;
    settings.clockInfo = 1;
    LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
    WindowFrame frame = ComputeWindowFrame(settings, units, {3, 1});
    const int w = 20 + 7 * 24;
    EXPECT_EQ(frame.window, (Size{w, 444 + 16}));
    EXPECT_EQ(frame.clockRect, (Rect{0, 434, w, 460}));
    EXPECT_EQ(frame.clockText, (Point{w - 70, 434}));  // 3.5 raw widths of 20

    settings.time12or24 = 24;
    frame = ComputeWindowFrame(settings, units, {3, 1});
    EXPECT_EQ(frame.clockText, (Point{w - 50, 434}));

    units = ComputeUnits(settings, 22);  // 2.5 raw widths of 21 truncate
    frame = ComputeWindowFrame(settings, units, {3, 1});
    EXPECT_EQ(frame.clockText.x, static_cast<int>(frame.window.width - 52.5));

    settings.clockInfo = 0;
    frame = ComputeWindowFrame(settings, units, {3, 1});
    EXPECT_EQ(frame.clockRect, Rect{});
}

TEST(WindowFrame, ZonesLieAlongTheEdges) {
    Settings settings;
    LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
    WindowFrame frame = ComputeWindowFrame(settings, units, {3, 1});
    const int w = frame.window.width;
    EXPECT_EQ(frame.zones.left, (Rect{0, 10, 10, 434}));
    EXPECT_EQ(frame.zones.right, (Rect{w - 10, 10, w, 434}));
    EXPECT_EQ(frame.zones.bottom, (Rect{10, 434, w - 10, 444}));
    EXPECT_EQ(frame.zones.top, (Rect{10, 0, w - 10, 10}));

    settings.clockInfo = 1;
    frame = ComputeWindowFrame(settings, units, {3, 1});
    EXPECT_EQ(frame.zones.left, (Rect{0, 10, 10, 450}));
    EXPECT_EQ(frame.zones.bottom, (Rect{10, 460 - 10 - 16, w - 10, 460}));
}

TEST(BlockPlacer, BlocksFillColumnsOrRowsAndDayColumnsStandWithoutMargin) {
    struct Case {
        int numOfMonth, calendarFormat, dayFormat, numOfColumn;
        std::vector<Point> blocks;
    };
    const int grid = 7 * 24 + 10, row = 31 * 24 + 40;
    const Case cases[] = {
        {5, 0, 0, 2, {{10, 10}, {10, 154}, {10, 298}, {10 + grid, 10}, {10 + grid, 154}}},
        {3, 1, 1, 2, {{40, 10}, {40 + row, 10}, {40, 10 + 4 * 16}}},
        {3, 1, 2, 3, {{10, 40}, {10 + 4 * 24, 40}, {10 + 8 * 24, 40}}},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.numOfMonth = c.numOfMonth;
        settings.calendarFormat = c.calendarFormat;
        settings.dayFormat = c.dayFormat;
        settings.numOfColumn = c.numOfColumn;
        const LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
        BlockPlacer placer(settings, units);
        for (const Point& expected : c.blocks) {
            EXPECT_EQ(placer.NextBlock(), expected) << "day arrangement " << c.dayFormat;
        }
    }
}

TEST(DayCell, SixWeekMonthsUseTheLastWeekRowOfTheBlock) {
    Settings settings;
    LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
    // May 2026 begins on a Friday and has 31 days: the 31st is a Sunday in week six.
    ASSERT_EQ(WeekdayOfFirst(2026, 5), 6);
    EXPECT_EQ(DayCell(settings, units, {0, 0}, 31, 6), (Point{0, 7 * 16}));
    EXPECT_EQ(DayCell(settings, units, {0, 0}, 1, 6), (Point{5 * 24, 2 * 16}));
}

TEST(DayCell, MondayStartPutsASundayFirstAloneInTheFirstRow) {
    Settings settings;
    settings.startWeek = 2;
    LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
    ASSERT_EQ(WeekdayOfFirst(2026, 2), 1);  // 1 February 2026 is a Sunday
    EXPECT_EQ(DayCell(settings, units, {0, 0}, 1, 1), (Point{6 * 24, 2 * 16}));
    EXPECT_EQ(DayCell(settings, units, {0, 0}, 2, 1), (Point{0, 3 * 16}));
    EXPECT_EQ(WeekdayOfNameCell(settings, 0, 1), 1);  // "Mon" first
    EXPECT_EQ(WeekdayOfNameCell(settings, 6, 1), 0);  // "Sun" last
}

TEST(DayCell, LaterStartDaysKeepNamesAndDaysInTheSameColumns) {
    for (int startWeek = 3; startWeek <= 7; ++startWeek) {
        Settings settings;
        settings.startWeek = startWeek;
        LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
        for (int month = 1; month <= 12; ++month) {
            const int first = WeekdayOfFirst(2026, month);
            EXPECT_EQ(WeekdayOfNameCell(settings, 0, first), startWeek - 1);
            int lastRow = 0;
            for (int day = 1; day <= MonthLength(2026, month); ++day) {
                const Point cell = DayCell(settings, units, {0, 0}, day, first);
                const int column = cell.x / units.columnWidth;
                const int weekday = (first - 1 + day - 1) % 7;
                ASSERT_EQ(WeekdayOfNameCell(settings, column, first), weekday)
                    << "start " << startWeek << " month " << month << " day " << day;
                ASSERT_GE(cell.y, lastRow);  // days never go back up
                lastRow = cell.y;
            }
            EXPECT_EQ(DayCell(settings, units, {0, 0}, 1, first).y, 2 * 16);
            EXPECT_LE(lastRow, 7 * 16);  // within the six week rows
        }
    }
}

TEST(DayCell, RowAndColumnArrangementsPlaceDaysAndNamesByDay) {
    Settings settings;
    settings.dayFormat = 1;
    LayoutUnits units = ComputeUnits(settings, kDefaultNameWidth);
    const Point block{40, 10};
    EXPECT_EQ(DayCell(settings, units, block, 1, 4), (Point{40, 10 + 32}));
    EXPECT_EQ(DayCell(settings, units, block, 31, 4), (Point{40 + 30 * 24, 10 + 32}));
    EXPECT_EQ(WeekdayNameCount(settings, 30), 30);
    EXPECT_EQ(WeekdayNameCell(settings, units, block, 3), (Point{40 + 3 * 24, 10 + 16}));
    EXPECT_EQ(WeekdayOfNameCell(settings, 0, 4), 3);  // the 1st is a Wednesday
    EXPECT_EQ(WeekdayOfNameCell(settings, 4, 4), 0);

    settings.dayFormat = 2;
    units = ComputeUnits(settings, kDefaultNameWidth);
    EXPECT_EQ(DayCell(settings, units, block, 1, 4), (Point{40 + 48, 10 + 16}));
    EXPECT_EQ(DayCell(settings, units, block, 28, 4), (Point{40 + 48, 10 + 28 * 16}));
    EXPECT_EQ(WeekdayNameCell(settings, units, block, 0), (Point{40 + 24, 10 + 16 + 5}));
    EXPECT_EQ(WeekdayNameCount(settings, 28), 28);

    settings.dayFormat = 0;
    EXPECT_EQ(WeekdayNameCount(settings, 28), 7);
}

}  // namespace
}  // namespace vesm
