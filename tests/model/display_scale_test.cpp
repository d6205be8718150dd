// The calendar on a monitor of more than 96 dots per inch: the font heights
// and fixed offsets grow by dpi / 96 and everything derived follows, while at
// 96 every size is the unscaled one.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/settings.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"
#include "view/display_scale.h"
#include "view/month_layout.h"

namespace vesm {
namespace {

using testing::SyntheticGlyphs;

TEST(DisplayScale, RoundsSizesToTheNearestPixelAndTreatsAMissingDensityAsBase) {
    EXPECT_EQ(DisplayScale{96}.Pixels(20), 20);
    EXPECT_EQ(DisplayScale{144}.Pixels(20), 30);
    EXPECT_EQ(DisplayScale{144}.Pixels(7), 11);  // 10.5 rounds up
    EXPECT_EQ(DisplayScale{120}.Pixels(1), 1);   // 1.25
    EXPECT_EQ(DisplayScale{144}.Pixels(1), 2);   // 1.5
    EXPECT_EQ(DisplayScale{192}.Pixels(256), 512);
    EXPECT_EQ(DisplayScale{0}.Pixels(20), 20);
}

// With the synthetic glyphs a weekday name is three blocks of half the small
// height: 21 pixels wide at 96 dots per inch, 30 at 144.
TEST(DisplayScale, PlanOfTheDefaultsAt96And144DotsPerInch) {
    Settings settings;  // three months in one column
    SyntheticGlyphs glyphs;
    const DateTime shown = *DateTime::Build(2026, 5, 10);

    const CalendarPlan base = PlanCalendar(settings, shown, glyphs, DisplayScale{96});
    EXPECT_EQ(base.units.fontHeight, 20);
    EXPECT_EQ(base.units.smallHeight, 14);
    EXPECT_EQ(base.units.rowHeight, 16);
    EXPECT_EQ(base.units.columnWidth, 24);
    EXPECT_EQ(base.units.hMargin, 10);
    EXPECT_EQ(base.units.vMargin, 10);
    EXPECT_EQ(base.units.markNudge, 1);
    EXPECT_EQ(base.frame.window, (Size{188, 444}));

    const CalendarPlan dense = PlanCalendar(settings, shown, glyphs, DisplayScale{144});
    EXPECT_EQ(dense.units.fontHeight, 30);
    EXPECT_EQ(dense.units.smallHeight, 21);
    EXPECT_EQ(dense.units.rowHeight, 25);       // 25.2
    EXPECT_EQ(dense.units.rawColumnWidth, 29);  // 3 x 10 - 1
    EXPECT_EQ(dense.units.columnWidth, 34);     // 34.8
    EXPECT_EQ(dense.units.hMargin, 15);
    EXPECT_EQ(dense.units.vMargin, 15);
    EXPECT_EQ(dense.units.markNudge, 2);
    // H = 2 x 15 + 9 x 25 x 2 + 8 x 25 + 12, W = 2 x 15 + 7 x 34
    EXPECT_EQ(dense.frame.window, (Size{268, 692}));
    // the zones follow the scaled margins
    EXPECT_EQ(dense.frame.zones.left, (Rect{0, 15, 15, 677}));
}

TEST(DisplayScale, MarginsOfTheWideArrangementsScaleWithTheFont) {
    Settings settings;
    settings.dayFormat = 1;
    EXPECT_EQ(HorizontalMargin(settings, DisplayScale{144}), 60);
    EXPECT_EQ(VerticalMargin(settings, DisplayScale{144}), 15);
    settings.dayFormat = 2;
    EXPECT_EQ(HorizontalMargin(settings, DisplayScale{144}), 15);
    EXPECT_EQ(VerticalMargin(settings, DisplayScale{144}), 60);
    EXPECT_EQ(VerticalMargin(settings, DisplayScale{96}), 40);
}

// Every text of a scaled paint asks for the scaled heights, and the today
// mark stands the scaled nudge above its number.
TEST(DisplayScale, PaintAt144DotsPerInchUsesScaledFontsAndMarkOffset) {
    Settings settings;
    settings.colorBackground = 0;
    settings.colorToday = 10020030;
    std::vector<DayRecord> days;
    for (DateTime day = *DateTime::Build(2026, 4, 1); day < *DateTime::Build(2026, 6, 30);
         day = day.MidnightDaysAway(1)) {
        DayRecord record;
        record.date = day;
        days.push_back(record);
    }
    const std::vector<CTaskTime> tasks;
    const PaintInput input{settings, *DateTime::Build(2026, 5, 10),
                           *DateTime::Build(2026, 5, 20, 9, 30), days, tasks};
    SyntheticGlyphs glyphs;
    const CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs, DisplayScale{144});
    const Size size = CanvasSize(plan, {2000, 2000});
    OwnedCanvas canvas(size.width, size.height);
    const PaintResult result = PaintCalendar(input, plan, glyphs, canvas.Canvas());

    bool markFontSeen = false;
    for (const auto& request : glyphs.Requests()) {
        EXPECT_TRUE(request.font.height == 21 || request.font.height == 30) << request.font.height;
        if (request.font.face != settings.fontFaceName) {
            EXPECT_EQ(request.font.height, 30);
            markFontSeen = true;
        }
    }
    EXPECT_TRUE(markFontSeen);

    std::size_t today = 0;
    while (days[today].date.Month() != 5 || days[today].date.Day() != 20) ++today;
    const Rect cell = result.cells[today];
    EXPECT_EQ(cell.right - cell.left, 34);
    EXPECT_EQ(cell.bottom - cell.top, 25);
    // "●" is 15 pixels wide; its left column lies 7 + 2 left of the centre
    const int markLeft = cell.left + 34 / 2 - 15 / 2 - 2;
    const Pixel mark = PixelFromRgb(RgbFromDecimal(settings.colorToday));
    const Pixel background = PixelFromRgb(RgbFromDecimal(settings.colorBackground));
    EXPECT_EQ(canvas.Canvas().At(markLeft, cell.top - 2), mark);
    EXPECT_EQ(canvas.Canvas().At(markLeft, cell.top - 3), background);
    EXPECT_EQ(canvas.Canvas().At(markLeft - 1, cell.top - 2), background);
}

}  // namespace
}  // namespace vesm
