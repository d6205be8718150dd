// Painting: colour blending, text placement, the month's numbers, names,
// marks and clock, and the limits of the canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/painted_calendar.h"
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

struct PixelAt {
    int x, y;
    Pixel colour;
};

void ExpectPixels(const PixelCanvas& canvas, std::initializer_list<PixelAt> pixels) {
    for (const PixelAt& p : pixels) EXPECT_EQ(canvas.At(p.x, p.y), p.colour) << p.x << "," << p.y;
}

TEST(BlendCoverage, FullCoverageIsTheTextColourAndOtherLevelsMixByQuarterSteps) {
    EXPECT_EQ(BlendCoverage(0x102030, 0xA0B0C0, 64), 0xA0B0C0u);
    EXPECT_EQ(BlendCoverage(0xFFFFFF, 0x000000, 1), 0xFCFCFCu);  // weights 252 and 3
    EXPECT_EQ(BlendCoverage(0x000000, 0xFFFFFF, 1), 0x030303u);
    // each quotient truncates on its own: 100 x 127 / 255 + 200 x 128 / 255 is 49 + 100
    EXPECT_EQ(BlendCoverage(0xC8C8C8, 0x646464, 32), 0x959595u);
    EXPECT_EQ(BlendCoverage(0x0000FF, 0xFF0000, 64), 0xFF0000u);  // channels stay apart
}

TEST(TextRoutine, PlacesInkByAscentOriginAndAdvance) {
    SyntheticGlyphs glyphs;
    Glyph a = SolidGlyph(3, 2, 64);
    a.originX = 2;
    a.originY = 5;
    a.advance = 7;
    glyphs.SetGlyph(U'a', a);
    OwnedCanvas owned(40, 40);
    owned.Canvas().Fill(kBlack);
    const InkExtent ink = DrawText(owned.Canvas(), glyphs, {"Face", 20, 400, false}, "aa", {5, 3},
                                   0x0000FF);  // ascent 16
    EXPECT_EQ(ink.width, 6);
    EXPECT_EQ(ink.height, 2);
    // ink boxes at (5 + 2, 3 + 16 - 5) and one advance further
    const Pixel red = 0xFF0000;
    ExpectPixels(owned.Canvas(), {{7, 14, red},
                                  {9, 15, red},
                                  {6, 14, kBlack},
                                  {10, 14, kBlack},
                                  {7, 13, kBlack},
                                  {7, 16, kBlack},
                                  {14, 14, red},
                                  {16, 15, red}});
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
    ExpectPixels(owned.Canvas(), {{0, 0, 0x808080}, {1, 0, BlendCoverage(0x808080, 0xFFFFFF, 32)}});
}

TEST(TextRoutine, WalksUtf8ByCharacterAndClipsAtTheEdges) {
    SyntheticGlyphs glyphs;
    OwnedCanvas owned(8, 8);
    owned.Canvas().Fill(kBlack);
    const InkExtent ink = DrawText(owned.Canvas(), glyphs, {"ＭＳ ゴシック", 20, 400, false},
                                   "●\xff", {-4, -10}, 0xFFFFFF);
    MeasureText(glyphs, FontSpec{"Face", 10, 400, false}, "あ\xF1\x80\x80\x80");
    std::u32string requested;
    for (const auto& request : glyphs.Requests()) requested += request.character;
    EXPECT_EQ(requested, U"●\uFFFDあ\U00040000");
    EXPECT_EQ(ink.width, 20);
    // the first block reaches x 0..5 and y 0..3; the second starts 11 further, at 7
    ExpectPixels(
        owned.Canvas(),
        {{0, 0, 0xFFFFFF}, {5, 3, 0xFFFFFF}, {6, 0, kBlack}, {7, 0, 0xFFFFFF}, {0, 4, kBlack}});
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
        settings_.colorWeekday = 200200200;
        settings_.colorSunday = 255000000;
        settings_.colorSaturday = 255;
        settings_.colorToday = 10020030;
        settings_.colorSpecialday = 40050060;
        settings_.colorTaskday = 70080090;
        days_ = testing::DayRecords(*DateTime::Build(2026, 4, 1), *DateTime::Build(2026, 6, 30));
    }

    DayRecord& Day(int month, int dayOfMonth) { return days_[IndexOf(month, dayOfMonth)]; }

    void Paint(DateTime now = *DateTime::Build(2026, 5, 20, 9, 30)) {
        PaintAt(*DateTime::Build(2026, 5, 10), now);
    }
    std::u32string TextOfHeight(int height) const {
        std::u32string text;
        for (const auto& request : glyphs_.Requests()) {
            if (request.font.height == height) text += request.character;
        }
        return text;
    }
    // Inside the first digit of a day's number.
    Pixel NumberPixel(int month, int dayOfMonth) const {
        const Rect cell = CellOf(month, dayOfMonth);
        const int centre = cell.left + plan_.units.columnWidth / 2;
        return At(centre - (dayOfMonth < 10 ? 1 : 2) * 10 / 2 + 1, cell.top + 1);
    }
    // Where only a mark can ink: the mark (10 wide) starts one pixel left of a
    // one-digit number; a two-digit number leaves a gap at the centre.
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
    for (int day : {10, 5, 16}) EXPECT_EQ(NumberPixel(5, day), Colour(&Settings::colorSunday));
}

TEST_F(PaintedMonth, CellsTitleAndCentredWeekdayNamesFollowTheLayout) {
    Paint();
    const LayoutUnits& u = plan_.units;
    const Rect first = CellOf(5, 1);
    EXPECT_EQ(first, (Rect{10 + 5 * 24, 10 + 2 * 16, 10 + 6 * 24, 10 + 3 * 16}));
    EXPECT_EQ(CellOf(4, 30), Rect{});
    EXPECT_EQ(CellOf(6, 1), Rect{});
    EXPECT_EQ(result_.cells.size(), days_.size());
    EXPECT_EQ(result_.window, plan_.frame.window);
    EXPECT_EQ(result_.zones.top, plan_.frame.zones.top);
    // "Sun" is 21 wide in a 24 wide cell: it starts 12 - 10 = 2 pixels in
    const int namesY = u.vMargin + u.rowHeight;
    EXPECT_EQ(At(u.hMargin, u.vMargin), Colour(&Settings::colorWeekday));
    EXPECT_EQ(At(u.hMargin - 1, u.vMargin), kBlack);
    EXPECT_EQ(At(u.hMargin + 1, namesY), kBlack);
    EXPECT_EQ(At(u.hMargin + 2, namesY), Colour(&Settings::colorSunday));
    EXPECT_EQ(At(u.hMargin + u.columnWidth + 2, namesY), Colour(&Settings::colorWeekday));
    EXPECT_EQ(At(u.hMargin + 6 * u.columnWidth + 2, namesY), Colour(&Settings::colorSaturday));
    EXPECT_EQ(TextOfHeight(u.smallHeight).substr(21, 6), U"5/2026");  // after the measured names
}

TEST_F(PaintedMonth, MarksSitOnePixelUpAndLeftAndTheLowestIndexIsDrawnLast) {
    Day(5, 20).specialDayFlag = 2;
    settings_.todayInfo = 11;
    settings_.specialDayInfo = 0;
    Paint();
    EXPECT_EQ(MarkPixel(5, 20, -1), Colour(&Settings::colorToday));
    EXPECT_EQ(NumberPixel(5, 20), Colour(&Settings::colorWeekday));  // number on top
    EXPECT_EQ(MarkPixel(5, 21, -1), kBlack);
    settings_.todayInfo = 2;
    settings_.specialDayInfo = 11;
    Paint();
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

TEST_F(PaintedMonth, IndexZeroAndHiddenOldTasksDrawNoMark) {
    Day(5, 12).specialDayFlag = 2;
    tasks_.push_back({*DateTime::Build(2026, 5, 12), 0, 0, 0, "x", {}});
    settings_.todayInfo = settings_.specialDayInfo = settings_.taskDayInfo = 0;
    Paint(*DateTime::Build(2026, 5, 12, 8, 0));
    EXPECT_EQ(MarkPixel(5, 12, -1), kBlack);
    EXPECT_EQ(MarkPixel(5, 12, 0), kBlack);
    EXPECT_EQ(NumberPixel(5, 12), Colour(&Settings::colorWeekday));

    settings_.taskDayInfo = 13;
    settings_.rmTaskInfo = 1;
    settings_.rmTaskSpan = 7;
    tasks_ = {{*DateTime::Build(2026, 5, 13, 10, 0), 2, 0, 0, "old", {}},
              {*DateTime::Build(2026, 5, 14, 10, 0), 2, 0, 0, "kept", {}}};
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
    EXPECT_EQ(TextOfHeight(20).substr(0, 6), U"0:05am");
    EXPECT_EQ(result_.clockRect, plan_.frame.clockRect);
}

TEST_F(PaintedMonth, DenseMonitorScalesFontsCellsAndTheMarkOffset) {
    settings_.numOfMonth = 3;
    settings_.numOfPast = 1;
    PaintAt(*DateTime::Build(2026, 5, 10), *DateTime::Build(2026, 5, 20, 9, 30), {2000, 2000},
            DisplayScale{144});
    bool markFontSeen = false;
    for (const auto& request : glyphs_.Requests()) {
        EXPECT_TRUE(request.font.height == 21 || request.font.height == 30) << request.font.height;
        if (request.font.face != settings_.fontFaceName) {
            EXPECT_EQ(request.font.height, 30);
            markFontSeen = true;
        }
    }
    EXPECT_TRUE(markFontSeen);
    const Rect cell = CellOf(5, 20);
    EXPECT_EQ(cell.right - cell.left, 34);
    EXPECT_EQ(cell.bottom - cell.top, 25);
    // "●" is 15 wide; its left column lies 7 + 2 left of the centre, 2 above the cell
    const int markLeft = cell.left + 34 / 2 - 15 / 2 - 2;
    EXPECT_EQ(At(markLeft, cell.top - 2), Colour(&Settings::colorToday));
    EXPECT_EQ(At(markLeft, cell.top - 3), kBlack);
    EXPECT_EQ(At(markLeft - 1, cell.top - 2), kBlack);
}

TEST_F(PaintedMonth, LargestSettingsPaintIntoAScreenSizedCanvas) {
    settings_.fontPointSize = 256;
    settings_.frameSizeOfDate = 200;
    settings_.numOfMonth = 0;
    settings_.numOfPast = 4;
    settings_.clockInfo = 1;
    days_ = testing::DayRecords(*DateTime::Build(2025, 12, 1), *DateTime::Build(2027, 1, 31));
    PaintAt(*DateTime::Build(2026, 5, 1), *DateTime::Build(2026, 5, 1), {1920, 1080});
    EXPECT_EQ(canvas_->Canvas().Width(), 1920);
    EXPECT_EQ(canvas_->Canvas().Height(), 1080);
    EXPECT_GT(plan_.frame.window.width, 1920);
    EXPECT_GT(plan_.frame.window.height, 1080);
    EXPECT_EQ(result_.window, plan_.frame.window);
    // the cells still describe the whole calendar, beyond the canvas
    EXPECT_GT(CellOf(12, 31).top, 1080);
    EXPECT_GT(CellOf(12, 31).left, 1920);

    plan_.frame.window = {188, 444};
    EXPECT_EQ(CanvasSize(plan_, {1920, 1080}), (Size{188, 444}));
    plan_.frame.window = {0, -3};
    EXPECT_EQ(CanvasSize(plan_, {1920, 1080}), (Size{1, 1}));
}

}  // namespace
}  // namespace vesm
