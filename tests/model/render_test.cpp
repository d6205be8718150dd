// Painting beyond what the painted pictures show: text placement, marks, the canvas limit.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/painted_calendar.h"
#include "view/calendar_texts.h"
#include "view/text_routine.h"

namespace vesm {
namespace {

using testing::SyntheticGlyphs;

constexpr Pixel kBlack = 0x000000;

Glyph SolidGlyph(int width, int height, int level, int originY) {
    Glyph glyph;
    glyph.width = width;
    glyph.height = height;
    glyph.advance = width + 1;
    glyph.originY = originY;
    glyph.coverage.assign(static_cast<std::size_t>(width * height),
                          static_cast<std::uint8_t>(level));
    return glyph;
}

void ExpectPixels(const PixelCanvas& canvas, std::vector<std::tuple<int, int, Pixel>> at) {
    for (auto [x, y, colour] : at) EXPECT_EQ(canvas.At(x, y), colour) << x << "," << y;
}

TEST(TextRoutine, BlendsByQuarterStepsAndPlacesInkByAscentOriginAndAdvance) {
    EXPECT_EQ(BlendCoverage(0x102030, 0xA0B0C0, 64), 0xA0B0C0u);
    EXPECT_EQ(BlendCoverage(0xFFFFFF, 0x000000, 1), 0xFCFCFCu);  // weights 252 and 3
    EXPECT_EQ(BlendCoverage(0x000000, 0xFFFFFF, 1), 0x030303u);
    // each quotient truncates on its own: 100 x 127 / 255 + 200 x 128 / 255 is 49 + 100
    EXPECT_EQ(BlendCoverage(0xC8C8C8, 0x646464, 32), 0x959595u);
    EXPECT_EQ(BlendCoverage(0x0000FF, 0xFF0000, 64), 0xFF0000u);  // channels stay apart
    SyntheticGlyphs glyphs;
    Glyph a = SolidGlyph(3, 2, 64, 5);
    a.originX = 2;
    a.advance = 7;
    glyphs.SetGlyph(U'a', a);
    Glyph holes = SolidGlyph(2, 1, 64, 16);
    holes.coverage = {0, 32};
    glyphs.SetGlyph(U'h', holes);
    const FontSpec font{"Face", 20, 400, false};  // ascent 16
    EXPECT_EQ(MeasureText(glyphs, font, "hh").width, 4);
    OwnedCanvas owned(40, 40);
    owned.Canvas().Fill(0x808080);
    const InkExtent ink = DrawText(owned.Canvas(), glyphs, font, "aa", {5, 3}, 0x0000FF);
    EXPECT_EQ(std::pair(ink.width, ink.height), std::pair(6, 2));
    DrawText(owned.Canvas(), glyphs, font, "h", {0, 30}, 0xFFFFFF);
    // ink boxes at (5 + 2, 3 + 16 - 5) and one advance further
    const Pixel red = 0xFF0000, grey = 0x808080;
    ExpectPixels(owned.Canvas(), {{7, 14, red}, {9, 15, red}, {6, 14, grey}, {10, 14, grey}});
    ExpectPixels(owned.Canvas(), {{7, 13, grey}, {7, 16, grey}, {14, 14, red}, {16, 15, red}});
    ExpectPixels(owned.Canvas(), {{0, 30, grey}, {1, 30, BlendCoverage(grey, 0xFFFFFF, 32)}});
}

TEST(TextRoutine, WalksUtf8ByCharacterAndTheTextsToDraw) {
    SyntheticGlyphs glyphs;  // a bad byte is one replacement character
    MeasureText(glyphs, FontSpec{"Face", 10, 400, false}, "\xffあ\xF1\x80\x80\x80");
    std::u32string requested;
    for (const auto& request : glyphs.Requests()) requested += request.character;
    EXPECT_EQ(requested, U"\uFFFDあ\U00040000");
    EXPECT_EQ(MonthTitle(2010, 12, 1), "December/2010");
    EXPECT_EQ(ClockText(0, 5, 12) + " " + ClockText(12, 30, 12) + " " + ClockText(7, 5, 24),
              "0:05am 0:30pm 7:05");
}

// May 2026 alone, in the default colours on black, with the day table around it.
class PaintedMonth : public testing::PaintedCalendar {
protected:
    PaintedMonth() {
        settings_.numOfMonth = 1;
        settings_.numOfPast = 0;
        days_ = testing::DayRecords(*DateTime::Build(2026, 4, 1), *DateTime::Build(2026, 6, 30));
    }
    void Paint(DateTime now = *DateTime::Build(2026, 5, 20, 9, 30)) {
        PaintAt(*DateTime::Build(2026, 5, 10), now);
    }
    // Where only a mark inks: it starts one pixel left of a one-digit number,
    // and a two-digit number leaves a gap at the centre.
    Pixel MarkPixel(int day, int dy) const {
        const Rect cell = CellOf(5, day);
        return At(cell.left + (day < 10 ? 12 - 5 - 1 : 12), cell.top + dy);
    }
};

TEST_F(PaintedMonth, MarksAreDrawnFromTheHighestIndexDownAndBlendInThatOrder) {
    days_[IndexOf(5, 20)].specialDayFlag = 2;
    settings_.todayInfo = 2;
    settings_.specialDayInfo = 11;
    Paint();
    EXPECT_EQ(MarkPixel(20, 5), Colour(&Settings::colorToday));
    // the special-day mark is not raised, so only it reaches the lowest row
    EXPECT_EQ(MarkPixel(20, SyntheticGlyphs::BlockHeight(20) - 1),
              Colour(&Settings::colorSpecialday));
    glyphs_.SetGlyph(U'●', SolidGlyph(10, 14, 32, 16));  // one half-covering symbol for all
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
    EXPECT_EQ(MarkPixel(20, 0), inOrder);
}

TEST_F(PaintedMonth, IndexZeroAndHiddenOldTasksDrawNoMark) {
    days_[IndexOf(5, 12)].specialDayFlag = 2;
    tasks_ = {{*DateTime::Build(2026, 5, 12), 0, 0, 0, "x", {}}};
    settings_.todayInfo = settings_.specialDayInfo = settings_.taskDayInfo = 0;
    Paint(*DateTime::Build(2026, 5, 12, 8, 0));
    EXPECT_EQ(MarkPixel(12, -1), kBlack);
    settings_.taskDayInfo = 13;
    settings_.rmTaskInfo = 1;
    tasks_ = {{*DateTime::Build(2026, 5, 13, 10, 0), 2, 0, 0, "old", {}},
              {*DateTime::Build(2026, 5, 14, 10, 0), 2, 0, 0, "kept", {}}};
    Paint();  // now is 20 May: the cutoff date is 13 May
    EXPECT_EQ(MarkPixel(13, -1), kBlack);
    EXPECT_EQ(MarkPixel(14, -1), Colour(&Settings::colorTaskday));
    settings_.rmTaskInfo = 0;
    Paint();
    EXPECT_EQ(MarkPixel(13, -1), Colour(&Settings::colorTaskday));
}

TEST(CanvasSize, AWindowLargerThanTheScreenGetsAScreenSizedCanvas) {
    CalendarPlan plan;
    plan.frame.window = {5000, 300};
    EXPECT_EQ(CanvasSize(plan, {1920, 1080}), (Size{1920, 300}));
    plan.frame.window = {0, -3};
    EXPECT_EQ(CanvasSize(plan, {1920, 1080}), (Size{1, 1}));
}

}  // namespace
}  // namespace vesm
