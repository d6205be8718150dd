// Where the calendar's parts lie, for the settings the painted pictures do not show, and
// which part of a window larger than the screen the off-screen picture holds.
#include <vector>

#include <gtest/gtest.h>

#include "support/painted_calendar.h"
#include "view/calendar_paint.h"
#include "view/month_layout.h"
#include "view/picture_area.h"

namespace vesm {
namespace {

constexpr int kNameWidth = 21;  // synthetic "Sun": 3 x 7 pixels at the small height of 14

Settings With(int dayFormat, int numOfMonth = 3, int calendarFormat = 0, int numOfColumn = 2) {
    Settings settings;
    settings.dayFormat = dayFormat;
    settings.numOfMonth = numOfMonth;
    settings.calendarFormat = calendarFormat;
    settings.numOfColumn = numOfColumn;
    return settings;
}

TEST(LayoutUnits, FollowSpacingArrangementAndDensity) {
    // 16.8 rows truncate, half spacing halves units but not margins, 144 dpi scales by 1.5
    const struct {
        int dayFormat, spacing, dpi, nameWidth;
        std::vector<int> units;
    } cases[] = {{0, 120, 96, kNameWidth, {20, 14, 20, 16, 24, 10, 10, 1}},
                 {0, 50, 96, kNameWidth, {20, 14, 20, 7, 10, 10, 10, 1}},
                 {0, 120, 144, 30, {30, 21, 29, 25, 34, 15, 15, 2}},
                 {1, 120, 144, 30, {30, 21, 29, 25, 34, 60, 15, 2}},
                 {0, 120, 0, 0, {20, 14, 0, 16, 0, 10, 10, 1}}};
    for (const auto& c : cases) {
        Settings settings = With(c.dayFormat);
        settings.frameSizeOfDate = c.spacing;
        const LayoutUnits u = ComputeUnits(settings, c.nameWidth, DisplayScale{c.dpi});
        EXPECT_EQ((std::vector{u.fontHeight, u.smallHeight, u.rawColumnWidth, u.rowHeight,
                               u.columnWidth, u.hMargin, u.vMargin, u.markNudge}),
                  c.units)
            << c.dayFormat << " " << c.spacing << " " << c.dpi;
    }
}

TEST(BlockGrid, ShownMonthsFillColumnsOrRowsFirst) {
    const ShownMonths m = ComputeShownMonths(Settings{}, DateFields{2024, 1, 15});
    EXPECT_EQ((std::vector{m.count, m.FirstDayKey(), m.LastDayKey()}),
              (std::vector{3, 20231201, 20240229}));  // one month before, across the year
    const struct {
        int numOfMonth, numOfRow, calendarFormat, rows, columns;
    } cases[] = {{5, 3, 0, 3, 2}, {2, 3, 0, 2, 1}, {0, 5, 1, 3, 5}, {4, 5, 1, 1, 4}};
    for (const auto& c : cases) {
        Settings settings = With(0, c.numOfMonth, c.calendarFormat, 5);
        settings.numOfRow = c.numOfRow;
        const BlockGrid grid = ComputeGrid(settings);
        EXPECT_EQ((std::vector{grid.rows, grid.columns}), (std::vector{c.rows, c.columns}))
            << c.numOfMonth << " months, format " << c.calendarFormat;
    }
}

TEST(WindowFrame, SizeAndClockRow) {
    Settings settings;
    EXPECT_EQ(ComputeWindowFrame(settings, ComputeUnits(settings, kNameWidth), {3, 2}).window,
              (Size{30 + 14 * 24, 444}));  // two columns of blocks
    EXPECT_EQ(ComputeWindowFrame(settings, ComputeUnits(settings, kNameWidth), {3, 1}).clockRect,
              Rect{});
    settings.clockInfo = 1;
    EXPECT_EQ(ComputeWindowFrame(settings, ComputeUnits(settings, kNameWidth), {3, 1}).clockRect,
              (Rect{0, 434, 188, 460}));
    settings.time12or24 = 24;
    const LayoutUnits units = ComputeUnits(settings, 22);  // 195 wide less 2.5 widths of 21
    EXPECT_EQ(ComputeWindowFrame(settings, units, {3, 1}).clockText.x, 142);
}

TEST(BlockPlacer, BlocksFillColumnsOrRowsAndDayColumnsStandWithoutMargin) {
    for (const auto& [settings, blocks] :
         {std::pair{With(0, 5), std::vector<Point>{{10, 10}, {10, 154}, {10, 298}, {188, 10}}},
          {With(1, 3, 1, 2), {{40, 10}, {824, 10}, {40, 74}}},
          {With(2, 3, 1, 3), {{10, 40}, {106, 40}, {202, 40}}}}) {
        const LayoutUnits units = ComputeUnits(settings, kNameWidth);
        BlockPlacer placer(settings, units);
        for (const Point& block : blocks) {
            EXPECT_EQ(placer.NextBlock(), block) << "day arrangement " << settings.dayFormat;
        }
    }
}

TEST(DayCell, EveryWeekStartKeepsNamesAndDaysInTheSameColumns) {
    for (int startWeek = 1; startWeek <= 7; ++startWeek) {
        Settings settings;
        settings.startWeek = startWeek;
        const LayoutUnits units = ComputeUnits(settings, kNameWidth);
        for (int month = 1; month <= 12; ++month) {
            const int first = DateTime::Build(2026, month, 1)->Weekday();
            EXPECT_EQ(WeekdayOfNameCell(settings, 0, first), startWeek - 1);
            for (int day = 1; day <= MonthLength(2026, month); ++day) {
                const Point cell = DayCell(settings, units, {0, 0}, day, first);
                ASSERT_EQ(WeekdayOfNameCell(settings, cell.x / 24, first), (first + day - 2) % 7)
                    << "start " << startWeek << " month " << month << " day " << day;
            }
            EXPECT_EQ(DayCell(settings, units, {0, 0}, 1, first).y, 2 * 16);
        }
    }
}

TEST(PictureArea, HoldsThePartOfTheWindowOnTheScreen) {
    const Rect screen{0, 0, 1280, 1024};
    // window on the screen, picture size, visible part and picture area in window pixels
    const struct {
        Rect window;
        Size picture;
        Rect visible, area;
    } cases[] = {
        {{100, 50, 600, 450}, {500, 400}, {0, 0, 500, 400}, {0, 0, 500, 400}},
        {{-120, -30, 380, 370}, {500, 400}, {120, 30, 500, 400}, {0, 0, 500, 400}},
        {{-1454, 10, 1280, 510}, {1280, 500}, {1454, 0, 2734, 500}, {1454, 0, 2734, 500}},
        {{-1600, 10, 1134, 510}, {1280, 500}, {1600, 0, 2734, 500}, {1454, 0, 2734, 500}},
        {{-300, 10, 2434, 510}, {1280, 500}, {300, 0, 1580, 500}, {300, 0, 1580, 500}},
        {{-3000, -30, 5000, 5000}, {1280, 1024}, {3000, 30, 4280, 1054}, {3000, 30, 4280, 1054}},
        {{1000, 900, 3734, 1400}, {1280, 500}, {0, 0, 280, 124}, {0, 0, 1280, 500}},
        {{1280, 0, 4014, 500}, {1280, 500}, {}, {0, 0, 1280, 500}},
        {{100, 1024, 600, 1100}, {500, 76}, {}, {0, 0, 500, 76}},
    };
    for (const auto& c : cases) {
        const Rect visible = VisiblePart(c.window, screen);
        EXPECT_EQ(visible, c.visible) << c.window.left << "," << c.window.top;
        const Size window{c.window.right - c.window.left, c.window.bottom - c.window.top};
        const Rect area = PictureArea(window, c.picture, visible);
        EXPECT_EQ(area, c.area) << c.window.left << "," << c.window.top;
        EXPECT_TRUE(PictureHolds(area, visible));
    }
    // a move that brings new parts on screen needs a new paint
    for (const Rect visible : {Rect{1453, 0, 2733, 500}, Rect{1455, 0, 2735, 500},
                               Rect{1500, -1, 2000, 400}, Rect{1500, 10, 2000, 501}}) {
        EXPECT_FALSE(PictureHolds({1454, 0, 2734, 500}, visible)) << visible.left;
    }
}

// A canvas over part of the window gets the very pixels the whole picture has there.
TEST(PictureArea, CanvasAtAnOriginHoldsThatPartOfTheWholePicture) {
    Settings settings;
    settings.numOfMonth = 0;
    settings.numOfRow = 1;
    const DateTime may = *DateTime::Build(2026, 5, 1);
    const auto days =
        testing::DayRecords(*DateTime::Build(2025, 12, 1), *DateTime::Build(2027, 1, 31));
    const std::vector<CTaskTime> tasks;
    KoyomiDays koyomi;
    const PaintInput input{settings, may, may, days, tasks, koyomi};
    testing::SyntheticGlyphs glyphs;
    const CalendarPlan plan = PlanCalendar(settings, may, glyphs);
    const Size window = plan.frame.window;
    OwnedCanvas whole(window.width, window.height);
    const PaintResult full = PaintCalendar(input, plan, glyphs, whole.Canvas());
    const Rect part{window.width - 700, 7, window.width, window.height - 3};
    OwnedCanvas partial(700, part.bottom - part.top, {part.left, part.top});
    EXPECT_EQ(PaintCalendar(input, plan, glyphs, partial.Canvas()).cells, full.cells);
    int inked = 0;
    for (int y = part.top; y < part.bottom; ++y) {
        for (int x = part.left; x < part.right; ++x) {
            ASSERT_EQ(partial.Canvas().At(x, y), whole.Canvas().At(x, y)) << x << "," << y;
            inked += whole.Canvas().At(x, y) != whole.Canvas().At(0, 0);
        }
    }
    EXPECT_GT(inked, 1000) << "the part must hold some of the calendar";
}

}  // namespace
}  // namespace vesm
