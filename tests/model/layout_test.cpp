// Where the calendar's parts lie: units from the font and the monitor's
// density, the months shown, the block grid, the window with its clock row and
// navigation zones, and the cells of days and weekday names.
#include <vector>

#include <gtest/gtest.h>

#include "doc/date_time.h"
#include "doc/settings.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"
#include "view/display_scale.h"
#include "view/month_layout.h"

namespace vesm {
namespace {

// Synthetic weekday names are 3 x 7 = 21 pixels wide at the default small height of 14.
constexpr int kNameWidth = 21;

std::vector<int> UnitsOf(const LayoutUnits& u) {
    return {u.fontHeight,  u.smallHeight, u.rawColumnWidth, u.rowHeight,
            u.columnWidth, u.hMargin,     u.vMargin,        u.markNudge};
}

TEST(LayoutUnits, FollowSpacingArrangementAndDensity) {
    struct Case {
        int dayFormat, frameSizeOfDate, dpi, nameWidth;
        std::vector<int> units;  // font, small, raw column, row, column, hm, vm, nudge
    };
    // 16.8 rows truncate; half spacing halves the units but not the margins;
    // at 144 dpi the heights and margins grow by half, rounded
    const Case cases[] = {
        {0, 120, 96, kNameWidth, {20, 14, 20, 16, 24, 10, 10, 1}},
        {1, 120, 96, kNameWidth, {20, 14, 20, 16, 24, 40, 10, 1}},
        {2, 120, 96, kNameWidth, {20, 14, 20, 16, 24, 10, 40, 1}},
        {0, 50, 96, kNameWidth, {20, 14, 20, 7, 10, 10, 10, 1}},
        {0, 120, 144, 30, {30, 21, 29, 25, 34, 15, 15, 2}},
        {1, 120, 144, 30, {30, 21, 29, 25, 34, 60, 15, 2}},
        {2, 120, 144, 30, {30, 21, 29, 25, 34, 15, 60, 2}},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.dayFormat = c.dayFormat;
        settings.frameSizeOfDate = c.frameSizeOfDate;
        EXPECT_EQ(UnitsOf(ComputeUnits(settings, c.nameWidth, DisplayScale{c.dpi})), c.units)
            << c.dayFormat << " " << c.frameSizeOfDate << " " << c.dpi;
    }
    EXPECT_EQ(ComputeUnits(Settings{}, 0).columnWidth, 0);  // no glyphs: no negative width
}

TEST(LayoutUnits, DisplayScaleRoundsToTheNearestPixel) {
    const struct {
        int dpi, size, pixels;
    } cases[] = {{96, 20, 20}, {144, 20, 30},   {144, 7, 11}, {120, 1, 1},
                 {144, 1, 2},  {192, 256, 512}, {0, 20, 20}};
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayScale{c.dpi}.Pixels(c.size), c.pixels) << c.dpi << " " << c.size;
    }
}

TEST(LayoutUnits, PlanMeasuresTheWidestNameAtTheScaledSmallHeight) {
    testing::SyntheticGlyphs glyphs;
    Glyph wide;
    wide.width = 15;
    wide.height = 9;
    wide.advance = 16;
    wide.coverage.assign(15 * 9, 64);
    glyphs.SetGlyph(U'W', wide);  // only "Wed" holds a W: 15 + 7 + 7
    Settings settings;
    const DateTime may = *DateTime::Build(2026, 5, 10);
    EXPECT_EQ(PlanCalendar(settings, may, glyphs).units.rawColumnWidth, 28);
    for (const auto& request : glyphs.Requests()) {
        EXPECT_EQ(request.font.height, 14);
        EXPECT_EQ(request.font.face, settings.fontFaceName);
    }
    testing::SyntheticGlyphs blocks;
    const CalendarPlan dense = PlanCalendar(settings, may, blocks, DisplayScale{144});
    EXPECT_EQ(UnitsOf(dense.units), (std::vector{30, 21, 29, 25, 34, 15, 15, 2}));
    // 2 x 15 + 9 x 25 x 2 + 8 x 25 + 12 high, 2 x 15 + 7 x 34 wide
    EXPECT_EQ(dense.frame.window, (Size{268, 692}));
    EXPECT_EQ(dense.frame.zones.left, (Rect{0, 15, 15, 677}));
}

TEST(ShownMonths, PastMonthsBeforeTheDisplayedOneOrTheWholeYear) {
    const struct {
        int numOfMonth, numOfPast;
        DateFields displayed;
        int count, firstYear, firstMonth, firstKey, lastKey;
    } cases[] = {
        {3, 1, {2024, 1, 15}, 3, 2023, 12, 20231201, 20240229},
        {0, 4, {2024, 5, 1}, 12, 2024, 1, 20240101, 20241231},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.numOfMonth = c.numOfMonth;
        settings.numOfPast = c.numOfPast;
        const ShownMonths m = ComputeShownMonths(settings, c.displayed);
        EXPECT_EQ(
            (std::vector{m.count, m.firstYear, m.firstMonth, m.FirstDayKey(), m.LastDayKey()}),
            (std::vector{c.count, c.firstYear, c.firstMonth, c.firstKey, c.lastKey}))
            << c.numOfMonth;
    }
}

TEST(BlockGrid, MonthsFillColumnsOrRowsFirst) {
    const struct {
        int numOfMonth, numOfRow, calendarFormat, numOfColumn, rows, columns;
    } cases[] = {{3, 3, 0, 2, 3, 1}, {5, 3, 0, 2, 3, 2}, {2, 3, 0, 2, 2, 1},
                 {0, 5, 0, 2, 5, 3}, {0, 5, 1, 5, 3, 5}, {4, 5, 1, 5, 1, 4}};
    for (const auto& c : cases) {
        Settings settings;
        settings.numOfMonth = c.numOfMonth;
        settings.numOfRow = c.numOfRow;
        settings.calendarFormat = c.calendarFormat;
        settings.numOfColumn = c.numOfColumn;
        const BlockGrid grid = ComputeGrid(settings);
        EXPECT_EQ((std::vector{grid.rows, grid.columns}), (std::vector{c.rows, c.columns}))
            << c.numOfMonth << " months, format " << c.calendarFormat;
    }
}

TEST(WindowFrame, SizeForEachDayArrangement) {
    const struct {
        int dayFormat;
        BlockGrid grid;
        Size window;
    } cases[] = {
        {0, {3, 1}, {20 + 7 * 24, 444}},
        {0, {3, 2}, {30 + 14 * 24, 444}},
        {1, {3, 1}, {80 + 31 * 24, 20 + 128 + 48 + 8}},  // 2 vm + 4 rh (a-1) + 3 rh + rh/2
        {2, {1, 3}, {12 * 24 + 10, 80 + 33 * 16 + 8}},   // 2 vm + 33 a rh + rh/2
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.dayFormat = c.dayFormat;
        const LayoutUnits units = ComputeUnits(settings, kNameWidth);
        EXPECT_EQ(ComputeWindowFrame(settings, units, c.grid).window, c.window) << c.dayFormat;
    }
}

TEST(WindowFrame, ClockAddsARowAboveTheBottomZone) {
    Settings settings;
    LayoutUnits units = ComputeUnits(settings, kNameWidth);
    WindowFrame frame = ComputeWindowFrame(settings, units, {3, 1});
    const int w = 188;
    EXPECT_EQ(frame.clockRect, Rect{});
    EXPECT_EQ(frame.zones.left, (Rect{0, 10, 10, 434}));
    EXPECT_EQ(frame.zones.right, (Rect{w - 10, 10, w, 434}));
    EXPECT_EQ(frame.zones.bottom, (Rect{10, 434, w - 10, 444}));
    EXPECT_EQ(frame.zones.top, (Rect{10, 0, w - 10, 10}));

    settings.clockInfo = 1;
    frame = ComputeWindowFrame(settings, units, {3, 1});
    EXPECT_EQ(frame.window, (Size{w, 460}));
    EXPECT_EQ(frame.clockRect, (Rect{0, 434, w, 460}));
    EXPECT_EQ(frame.clockText, (Point{w - 70, 434}));  // 3.5 raw widths of 20
    EXPECT_EQ(frame.zones.left, (Rect{0, 10, 10, 450}));
    EXPECT_EQ(frame.zones.bottom, (Rect{10, 434, w - 10, 460}));
    settings.time12or24 = 24;
    EXPECT_EQ(ComputeWindowFrame(settings, units, {3, 1}).clockText, (Point{w - 50, 434}));
    units = ComputeUnits(settings, 22);  // 2.5 raw widths of 21 truncate
    frame = ComputeWindowFrame(settings, units, {3, 1});
    EXPECT_EQ(frame.clockText.x, static_cast<int>(frame.window.width - 52.5));
}

TEST(BlockPlacer, BlocksFillColumnsOrRowsAndDayColumnsStandWithoutMargin) {
    const struct {
        int numOfMonth, calendarFormat, dayFormat, numOfColumn;
        std::vector<Point> blocks;
    } cases[] = {
        {5, 0, 0, 2, {{10, 10}, {10, 154}, {10, 298}, {188, 10}, {188, 154}}},
        {3, 1, 1, 2, {{40, 10}, {824, 10}, {40, 74}}},
        {3, 1, 2, 3, {{10, 40}, {106, 40}, {202, 40}}},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.numOfMonth = c.numOfMonth;
        settings.calendarFormat = c.calendarFormat;
        settings.dayFormat = c.dayFormat;
        settings.numOfColumn = c.numOfColumn;
        const LayoutUnits units = ComputeUnits(settings, kNameWidth);
        BlockPlacer placer(settings, units);
        for (const Point& expected : c.blocks) {
            EXPECT_EQ(placer.NextBlock(), expected) << "day arrangement " << c.dayFormat;
        }
    }
}

TEST(DayCell, EachArrangementPlacesDaysAndNames) {
    struct Case {
        int dayFormat, startWeek, day, weekdayOfFirst;
        Point cell;
    };
    const Case cases[] = {
        {0, 1, 31, 6, {0, 7 * 16}},  // May 2026: the 31st is a Sunday in week six
        {0, 1, 1, 6, {5 * 24, 2 * 16}},
        {0, 2, 1, 1, {6 * 24, 2 * 16}},  // Monday start: a Sunday 1st stands alone
        {0, 2, 2, 1, {0, 3 * 16}},
        {1, 1, 1, 4, {40, 10 + 32}},  // one row per month
        {1, 1, 31, 4, {40 + 30 * 24, 10 + 32}},
        {2, 1, 1, 4, {40 + 48, 10 + 16}},  // one column per month
        {2, 1, 28, 4, {40 + 48, 10 + 28 * 16}},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.dayFormat = c.dayFormat;
        settings.startWeek = c.startWeek;
        const LayoutUnits units = ComputeUnits(settings, kNameWidth);
        const Point block = c.dayFormat == 0 ? Point{0, 0} : Point{40, 10};
        EXPECT_EQ(DayCell(settings, units, block, c.day, c.weekdayOfFirst), c.cell)
            << c.dayFormat << " " << c.startWeek << " " << c.day;
    }
    Settings settings;
    settings.startWeek = 2;
    EXPECT_EQ(WeekdayOfNameCell(settings, 0, 1), 1);  // "Mon" first
    EXPECT_EQ(WeekdayOfNameCell(settings, 6, 1), 0);  // "Sun" last
    EXPECT_EQ(WeekdayNameCount(settings, 28), 7);
    settings.dayFormat = 1;
    LayoutUnits units = ComputeUnits(settings, kNameWidth);
    EXPECT_EQ(WeekdayNameCount(settings, 30), 30);
    EXPECT_EQ(WeekdayNameCell(settings, units, {40, 10}, 3), (Point{40 + 3 * 24, 10 + 16}));
    EXPECT_EQ(WeekdayOfNameCell(settings, 0, 4), 3);  // the 1st is a Wednesday
    EXPECT_EQ(WeekdayOfNameCell(settings, 4, 4), 0);
    settings.dayFormat = 2;
    units = ComputeUnits(settings, kNameWidth);
    EXPECT_EQ(WeekdayNameCell(settings, units, {40, 10}, 0), (Point{40 + 24, 10 + 16 + 5}));
    EXPECT_EQ(WeekdayNameCount(settings, 28), 28);
}

TEST(DayCell, LaterStartDaysKeepNamesAndDaysInTheSameColumns) {
    for (int startWeek = 3; startWeek <= 7; ++startWeek) {
        Settings settings;
        settings.startWeek = startWeek;
        const LayoutUnits units = ComputeUnits(settings, kNameWidth);
        for (int month = 1; month <= 12; ++month) {
            const int first = DateTime::Build(2026, month, 1)->Weekday();
            EXPECT_EQ(WeekdayOfNameCell(settings, 0, first), startWeek - 1);
            int lastRow = 0;
            for (int day = 1; day <= MonthLength(2026, month); ++day) {
                const Point cell = DayCell(settings, units, {0, 0}, day, first);
                ASSERT_EQ(WeekdayOfNameCell(settings, cell.x / units.columnWidth, first),
                          (first - 1 + day - 1) % 7)
                    << "start " << startWeek << " month " << month << " day " << day;
                ASSERT_GE(cell.y, lastRow);  // days never go back up
                lastRow = cell.y;
            }
            EXPECT_EQ(DayCell(settings, units, {0, 0}, 1, first).y, 2 * 16);
            EXPECT_LE(lastRow, 7 * 16);  // within the six week rows
        }
    }
}

}  // namespace
}  // namespace vesm
