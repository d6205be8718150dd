#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/settings.h"
#include "doc/task_time.h"
#include "support/painted_calendar.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"
#include "view/calendar_texts.h"
#include "view/text_routine.h"

namespace vesm {
namespace {

using testing::SyntheticGlyphs;

constexpr Pixel kBlack = 0x000000;

Glyph SolidGlyph(int width, int height, int level) {
    Glyph glyph;
    glyph.width = width;
    glyph.height = height;
    glyph.advance = width + 1;
    glyph.originY = height;
    glyph.coverage.assign(static_cast<std::size_t>(width * height),
                          static_cast<std::uint8_t>(level));
    return glyph;
}

TEST(BlendCoverage, FullCoverageIsTheTextColourAndOtherLevelsMixByQuarterSteps) {
    EXPECT_EQ(BlendCoverage(0x102030, 0xA0B0C0, 64), 0xA0B0C0u);
    // level 1: background weight 252, text weight 3
    EXPECT_EQ(BlendCoverage(0xFFFFFF, 0x000000, 1), 0xFCFCFCu);
    EXPECT_EQ(BlendCoverage(0x000000, 0xFFFFFF, 1), 0x030303u);
    // level 32: weight 128; each quotient truncates on its own, so
    // 100 x 127 / 255 + 200 x 128 / 255 is 49 + 100, not 150
    EXPECT_EQ(BlendCoverage(0xC8C8C8, 0x646464, 32), 0x959595u);
    // channels stay apart
    EXPECT_EQ(BlendCoverage(0x0000FF, 0xFF0000, 64), 0xFF0000u);
}

TEST(TextRoutine, PlacesInkByAscentOriginAndCellIncrement) {
    SyntheticGlyphs glyphs;
    Glyph a = SolidGlyph(3, 2, 64);
    a.originX = 2;
    a.originY = 5;
    a.advance = 7;
    glyphs.SetGlyph(U'a', a);
    const FontSpec font{"Face", 20, 400, false};  // ascent 16
    OwnedCanvas owned(40, 40);
    PixelCanvas& canvas = owned.Canvas();
    canvas.Fill(kBlack);

    InkExtent ink = DrawText(canvas, glyphs, font, "aa", {5, 3}, 0x0000FF);  // red
    EXPECT_EQ(ink.width, 6);
    EXPECT_EQ(ink.height, 2);
    // first ink box at (5 + 2, 3 + 16 - 5), the second one advance further
    EXPECT_EQ(canvas.At(7, 14), 0xFF0000u);
    EXPECT_EQ(canvas.At(9, 15), 0xFF0000u);
    EXPECT_EQ(canvas.At(6, 14), kBlack);
    EXPECT_EQ(canvas.At(10, 14), kBlack);
    EXPECT_EQ(canvas.At(7, 13), kBlack);
    EXPECT_EQ(canvas.At(7, 16), kBlack);
    EXPECT_EQ(canvas.At(14, 14), 0xFF0000u);
    EXPECT_EQ(canvas.At(16, 15), 0xFF0000u);
}

TEST(TextRoutine, MeasuringDrawsNothingAndZeroCoverageKeepsPixels) {
    SyntheticGlyphs glyphs;
    Glyph holes = SolidGlyph(2, 1, 64);
    holes.coverage = {0, 32};
    glyphs.SetGlyph(U'h', holes);
    const FontSpec font{"Face", 10, 400, false};
    EXPECT_EQ(MeasureText(glyphs, font, "hh").width, 4);
    EXPECT_EQ(glyphs.AscentQueries(), 0);

    OwnedCanvas owned(10, 10);
    owned.Canvas().Fill(0x808080);
    holes.originY = SyntheticGlyphs::AscentFor(10);
    glyphs.SetGlyph(U'h', holes);
    DrawText(owned.Canvas(), glyphs, font, "h", {0, 0}, 0xFFFFFF);
    EXPECT_EQ(owned.Canvas().At(0, 0), 0x808080u);
    EXPECT_EQ(owned.Canvas().At(1, 0), BlendCoverage(0x808080, 0xFFFFFF, 32));
}

TEST(TextRoutine, WalksUtf8ByCharacterAndClipsAtTheEdges) {
    SyntheticGlyphs glyphs;
    const FontSpec font{"ＭＳ ゴシック", 20, 400, false};
    OwnedCanvas owned(8, 8);
    owned.Canvas().Fill(kBlack);
    InkExtent ink = DrawText(owned.Canvas(), glyphs, font, "●\xff", {-4, -10}, 0xFFFFFF);
    ASSERT_EQ(glyphs.Requests().size(), 2u);
    EXPECT_EQ(glyphs.Requests()[0].character, U'●');
    EXPECT_EQ(glyphs.Requests()[1].character, U'\uFFFD');
    EXPECT_EQ(ink.width, 20);
    // the first block reaches x 0..5 and y 0..3 inside the canvas
    EXPECT_EQ(owned.Canvas().At(0, 0), 0xFFFFFFu);
    EXPECT_EQ(owned.Canvas().At(5, 3), 0xFFFFFFu);
    // the second block starts one cell increment (11) further, at 7
    EXPECT_EQ(owned.Canvas().At(6, 0), kBlack);
    EXPECT_EQ(owned.Canvas().At(7, 0), 0xFFFFFFu);
    EXPECT_EQ(owned.Canvas().At(0, 4), kBlack);
}

TEST(TextRoutine, DecodesThreeAndFourByteCharacters) {
    SyntheticGlyphs glyphs;
    MeasureText(glyphs, FontSpec{"Face", 10, 400, false}, "あ\xF1\x80\x80\x80");
    ASSERT_EQ(glyphs.Requests().size(), 2u);
    EXPECT_EQ(glyphs.Requests()[0].character, U'あ');
    EXPECT_EQ(glyphs.Requests()[1].character, U'\U00040000');
}

TEST(CalendarTexts, TitlesAndClock) {
    EXPECT_EQ(MonthTitle(2010, 4, 0), "4/2010");
    EXPECT_EQ(MonthTitle(2010, 4, 1), "April/2010");
    EXPECT_EQ(MonthTitle(2010, 12, 1), "December/2010");
    EXPECT_EQ(ClockText(0, 5, 12), "0:05am");
    EXPECT_EQ(ClockText(12, 30, 12), "0:30pm");
    EXPECT_EQ(ClockText(23, 59, 12), "11:59pm");
    EXPECT_EQ(ClockText(7, 5, 24), "7:05");
    EXPECT_EQ(ClockText(23, 59, 24), "23:59");
}

// One month on show, May 2026, with the day table around it.
class PaintedMonth : public testing::PaintedCalendar {
protected:
    PaintedMonth() {
        settings_.numOfMonth = 1;
        settings_.numOfPast = 0;
        settings_.colorBackground = 0;
        settings_.colorWeekday = 200200200;
        settings_.colorSaturday = 0;
        settings_.colorSunday = 255000000;
        settings_.colorSaturday = 255;
        settings_.colorToday = 10020030;
        settings_.colorSpecialday = 40050060;
        settings_.colorTaskday = 70080090;
        DateTime day = *DateTime::Build(2026, 4, 1);
        while (day < *DateTime::Build(2026, 6, 30)) {
            DayRecord record;
            record.date = day;
            days_.push_back(record);
            day = day.MidnightDaysAway(1);
        }
    }

    DayRecord& Day(int month, int dayOfMonth) { return days_[IndexOf(month, dayOfMonth)]; }

    void Paint(DateTime now = *DateTime::Build(2026, 5, 20, 9, 30)) {
        PaintAt(*DateTime::Build(2026, 5, 10), now);
    }
    // Inside the first digit of a day's number.
    Pixel NumberPixel(int month, int dayOfMonth) const {
        const Rect cell = CellOf(month, dayOfMonth);
        const int digits = dayOfMonth < 10 ? 1 : 2;
        const int centre = cell.left + plan_.units.columnWidth / 2;
        return At(centre - digits * 10 / 2 + 1, cell.top + 1);
    }
    // Where only a mark can ink: the mark (10 wide) starts one pixel left of
    // where a one-digit number would; a two-digit number leaves a gap at the
    // centre between its digits.
    Pixel MarkPixel(int month, int dayOfMonth, int dy) const {
        const Rect cell = CellOf(month, dayOfMonth);
        const int centre = cell.left + plan_.units.columnWidth / 2;
        return At(dayOfMonth < 10 ? centre - 5 - 1 : centre, cell.top + dy);
    }
};

TEST_F(PaintedMonth, NumbersTakeTheColourOfTheirWeekdayOrHoliday) {
    Day(5, 5).holidayFlag = 1;   // Tuesday
    Day(5, 16).holidayFlag = 1;  // Saturday
    settings_.todayInfo = 0;
    Paint();
    EXPECT_EQ(NumberPixel(5, 4), Colour(&Settings::colorWeekday));  // Monday
    EXPECT_EQ(NumberPixel(5, 9), Colour(&Settings::colorSaturday));
    EXPECT_EQ(NumberPixel(5, 10), Colour(&Settings::colorSunday));
    EXPECT_EQ(NumberPixel(5, 5), Colour(&Settings::colorSunday));
    EXPECT_EQ(NumberPixel(5, 16), Colour(&Settings::colorSunday));
}

TEST_F(PaintedMonth, CellsFollowTheLayoutAndOnlyShownDaysGetOne) {
    Paint();
    const Point block{plan_.units.hMargin, plan_.units.vMargin};
    const Rect first = CellOf(5, 1);
    EXPECT_EQ((Point{first.left, first.top}), DayCell(settings_, plan_.units, block, 1, 6));
    EXPECT_EQ(first.right - first.left, plan_.units.columnWidth);
    EXPECT_EQ(first.bottom - first.top, plan_.units.rowHeight);
    EXPECT_EQ(CellOf(4, 30), Rect{});
    EXPECT_EQ(CellOf(6, 1), Rect{});
    EXPECT_EQ(result_.cells.size(), days_.size());
    EXPECT_EQ(result_.window, plan_.frame.window);
    EXPECT_EQ(result_.zones.top, plan_.frame.zones.top);
}

TEST_F(PaintedMonth, TitleAndCentredWeekdayNames) {
    Paint();
    const LayoutUnits& u = plan_.units;
    EXPECT_EQ(At(u.hMargin, u.vMargin), Colour(&Settings::colorWeekday));
    EXPECT_EQ(At(u.hMargin - 1, u.vMargin), kBlack);
    // "Sun" is 21 wide in a 24 wide cell: it starts 12 - 10 = 2 pixels in
    const int namesY = u.vMargin + u.rowHeight;
    EXPECT_EQ(At(u.hMargin + 1, namesY), kBlack);
    EXPECT_EQ(At(u.hMargin + 2, namesY), Colour(&Settings::colorSunday));
    EXPECT_EQ(At(u.hMargin + u.columnWidth + 2, namesY), Colour(&Settings::colorWeekday));
    EXPECT_EQ(At(u.hMargin + 6 * u.columnWidth + 2, namesY), Colour(&Settings::colorSaturday));

    std::u32string title;
    for (const auto& request : glyphs_.Requests()) {
        if (request.font.height == u.smallHeight) title += request.character;
    }
    EXPECT_EQ(title.substr(21, 6), U"5/2026");  // after the seven measured names
}

TEST_F(PaintedMonth, TodayMarkSitsOnePixelUpAndLeftUnderTheNumber) {
    settings_.todayInfo = 11;
    Paint();
    EXPECT_EQ(MarkPixel(5, 20, -1), Colour(&Settings::colorToday));
    EXPECT_EQ(NumberPixel(5, 20), Colour(&Settings::colorWeekday));  // number on top
    EXPECT_EQ(MarkPixel(5, 21, -1), kBlack);
    settings_.todayInfo = 0;
    Paint();
    EXPECT_EQ(MarkPixel(5, 20, -1), kBlack);
}

TEST_F(PaintedMonth, MarksAreDrawnFromTheLastSymbolDown) {
    Day(5, 20).specialDayFlag = 2;
    settings_.todayInfo = 2;
    settings_.specialDayInfo = 11;
    Paint();
    // both cover this pixel; the lower index is drawn last
    EXPECT_EQ(MarkPixel(5, 20, 5), Colour(&Settings::colorToday));
    // the special-day mark is not raised, so only it reaches the lowest row
    EXPECT_EQ(MarkPixel(5, 20, SyntheticGlyphs::BlockHeight(20) - 1),
              Colour(&Settings::colorSpecialday));
}

TEST_F(PaintedMonth, OneSymbolForAllThreeMarksBlendsTodaySpecialThenTask) {
    Glyph dot = SolidGlyph(10, 14, 32);
    dot.originY = SyntheticGlyphs::AscentFor(20);
    glyphs_.SetGlyph(U'●', dot);
    Day(5, 20).specialDayFlag = 2;
    tasks_.push_back({*DateTime::Build(2026, 5, 20, 15, 0), 2, 0, 0, "会議", {}});
    settings_.todayInfo = settings_.specialDayInfo = settings_.taskDayInfo = 11;
    Paint();
    const Pixel today = Colour(&Settings::colorToday);
    const Pixel special = Colour(&Settings::colorSpecialday);
    const Pixel task = Colour(&Settings::colorTaskday);
    const Pixel inOrder =
        BlendCoverage(BlendCoverage(BlendCoverage(0, today, 32), special, 32), task, 32);
    ASSERT_NE(inOrder,
              BlendCoverage(BlendCoverage(BlendCoverage(0, task, 32), special, 32), today, 32));
    EXPECT_EQ(MarkPixel(5, 20, 0), inOrder);
}

TEST_F(PaintedMonth, IndexZeroDrawsNoMark) {
    Day(5, 12).specialDayFlag = 2;
    tasks_.push_back({*DateTime::Build(2026, 5, 12), 0, 0, 0, "x", {}});
    settings_.todayInfo = settings_.specialDayInfo = settings_.taskDayInfo = 0;
    Paint(*DateTime::Build(2026, 5, 12, 8, 0));
    EXPECT_EQ(MarkPixel(5, 12, -1), kBlack);
    EXPECT_EQ(MarkPixel(5, 12, 0), kBlack);
    EXPECT_EQ(NumberPixel(5, 12), Colour(&Settings::colorWeekday));
}

TEST_F(PaintedMonth, OldTasksGiveNoMarkWhenHidden) {
    settings_.todayInfo = 0;
    settings_.taskDayInfo = 13;
    settings_.rmTaskInfo = 1;
    settings_.rmTaskSpan = 7;
    tasks_.push_back({*DateTime::Build(2026, 5, 13, 10, 0), 2, 0, 0, "old", {}});
    tasks_.push_back({*DateTime::Build(2026, 5, 14, 10, 0), 2, 0, 0, "kept", {}});
    Paint();  // now is 20 May: the cutoff date is 13 May
    EXPECT_EQ(MarkPixel(5, 13, -1), kBlack);
    EXPECT_EQ(MarkPixel(5, 14, -1), Colour(&Settings::colorTaskday));
    settings_.rmTaskInfo = 0;
    Paint();
    EXPECT_EQ(MarkPixel(5, 13, -1), Colour(&Settings::colorTaskday));
}

TEST_F(PaintedMonth, ClockShowsTheTimeAtItsPlace) {
    settings_.clockInfo = 1;
    Paint(*DateTime::Build(2026, 5, 20, 0, 5));
    const Point at = plan_.frame.clockText;
    EXPECT_EQ(At(at.x, at.y), Colour(&Settings::colorWeekday));
    EXPECT_EQ(At(at.x - 1, at.y), kBlack);
    std::u32string drawn;
    for (const auto& request : glyphs_.Requests()) {
        if (request.font.height == 20) drawn += request.character;
    }
    EXPECT_EQ(drawn.substr(0, 6), U"0:05am");
    EXPECT_EQ(result_.clockRect, plan_.frame.clockRect);
}

TEST(PaintLimits, LargestSettingsPaintIntoAScreenSizedCanvas) {
    Settings settings;
    settings.fontPointSize = 256;
    settings.frameSizeOfDate = 200;
    settings.numOfMonth = 0;
    settings.numOfPast = 4;
    settings.clockInfo = 1;
    std::vector<DayRecord> days;
    DateTime day = *DateTime::Build(2025, 12, 1);
    while (day < *DateTime::Build(2027, 1, 31)) {
        days.emplace_back().date = day;
        day = day.MidnightDaysAway(1);
    }
    SyntheticGlyphs glyphs;
    const std::vector<CTaskTime> tasks;
    const PaintInput input{settings, *DateTime::Build(2026, 5, 1), *DateTime::Build(2026, 5, 1),
                           days, tasks};
    CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs);
    const Size size = CanvasSize(plan, {1920, 1080});
    EXPECT_EQ(size, (Size{1920, 1080}));
    EXPECT_GT(plan.frame.window.width, 1920);
    EXPECT_GT(plan.frame.window.height, 1080);
    OwnedCanvas canvas(size.width, size.height);
    PaintResult result = PaintCalendar(input, plan, glyphs, canvas.Canvas());
    EXPECT_EQ(result.window, plan.frame.window);
    // the cells still describe the whole calendar, beyond the canvas
    const Rect lastShown = result.cells[days.size() - 31];  // 31 December 2026
    EXPECT_GT(lastShown.top, 1080);
    EXPECT_GT(lastShown.left, 1920);

    plan.frame.window = {188, 444};
    EXPECT_EQ(CanvasSize(plan, {1920, 1080}), (Size{188, 444}));
    plan.frame.window = {0, -3};
    EXPECT_EQ(CanvasSize(plan, {1920, 1080}), (Size{1, 1}));
}

}  // namespace
}  // namespace vesm
