// The off-screen picture covers the whole window when it fits the screen, else
// a screen-sized part holding what is on screen.
#include "view/picture_area.h"

#include <gtest/gtest.h>

#include "support/painted_calendar.h"

namespace vesm {
namespace {

TEST(PictureArea, HoldsThePartOfTheWindowOnTheScreen) {
    const Rect screen{0, 0, 1280, 1024};
    const struct {
        Rect window;  // on the screen; the rest in window pixels
        Size picture;
        Rect visible, area;
    } cases[] = {
        {{100, 50, 600, 450}, {500, 400}, {0, 0, 500, 400}, {0, 0, 500, 400}},
        {{-120, -30, 380, 370}, {500, 400}, {120, 30, 500, 400}, {0, 0, 500, 400}},
        {{-1454, 10, 1280, 510}, {1280, 500}, {1454, 0, 2734, 500}, {1454, 0, 2734, 500}},
        {{-1600, 10, 1134, 510}, {1280, 500}, {1600, 0, 2734, 500}, {1454, 0, 2734, 500}},
        {{-300, 10, 2434, 510}, {1280, 500}, {300, 0, 1580, 500}, {300, 0, 1580, 500}},
        {{-3000, -3000, 5000, 5000},
         {1280, 1024},
         {3000, 3000, 4280, 4024},
         {3000, 3000, 4280, 4024}},
        {{1000, 900, 3734, 1400}, {1280, 500}, {0, 0, 280, 124}, {0, 0, 1280, 500}},
        {{1280, 0, 4014, 500}, {1280, 500}, {}, {0, 0, 1280, 500}},  // off the screen
        {{100, 1024, 600, 1100}, {500, 76}, {}, {0, 0, 500, 76}},    // just below it
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
    const PaintInput input{settings, may, may, days, tasks};
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
    for (const Point outside : {Point{part.left - 1, part.top}, Point{part.left, part.top - 1},
                                Point{part.right, part.top}, Point{part.left, part.bottom}}) {
        EXPECT_FALSE(partial.Canvas().Contains(outside.x, outside.y));
    }
}

}  // namespace
}  // namespace vesm
