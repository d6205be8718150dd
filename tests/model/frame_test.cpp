// The frame's placement on the monitors and the navigation items of its menus.
#include <gtest/gtest.h>

#include "frame/context_menu.h"
#include "frame/frame_placement.h"

namespace vesm {
namespace {

const Rect kFullHd{0, 0, 1920, 1080};
constexpr FrameMargins kMargins{10, 10};

// Near the right or bottom edge the corner goes back by 96; exactly 48 from it is allowed.
TEST(FramePlacement, ClampKeepsTheMarginsOffScreenAnd48PixelsOnIt) {
    const Rect twoScreens{-1280, -200, 1920, 1080};
    const struct {
        ScreenPoint corner;
        Rect screen;
        FrameMargins margins;
        ScreenPoint placed;
    } cases[] = {
        {{-10000, -10000}, kFullHd, kMargins, {-10, -10}},
        {{-10000, -10000}, kFullHd, {40, 10}, {-40, -10}},
        {{-5, -5}, kFullHd, kMargins, {-5, -5}},
        {{1900, 100}, kFullHd, kMargins, {1824, 100}},
        {{100, 1033}, kFullHd, kMargins, {100, 984}},
        {{1872, 1032}, kFullHd, kMargins, {1872, 1032}},
        {{-1300, -300}, twoScreens, kMargins, {-1290, -210}},
        {{-1000, -100}, twoScreens, kMargins, {-1000, -100}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ClampToVirtualScreen(c.corner, c.screen, c.margins), c.placed)
            << c.corner.x << "," << c.corner.y;
    }
}

// A window whose calendar (its margins aside) shows on no monitor, be it saved on an unplugged
// monitor, in a gap of an uneven layout or with a degenerate size, moves to the primary work
// area; without a monitor list the clamp alone decides.
TEST(FramePlacement, ACalendarOnNoMonitorMovesToThePrimaryWorkArea) {
    const MonitorLayout single{kFullHd, {kFullHd}, Rect{0, 0, 1920, 1040}};
    const MonitorLayout uneven{
        Rect{0, 0, 3200, 1080}, {kFullHd, Rect{1920, 0, 3200, 720}}, Rect{0, 40, 1920, 1080}};
    const MonitorLayout above{Rect{0, -1000, 3200, 1080},
                              {kFullHd, Rect{1920, -1000, 3200, -280}},
                              Rect{0, 0, 1920, 1040}};
    const MonitorLayout unknown{kFullHd, {}, Rect{}};
    const struct {
        Rect saved;
        const MonitorLayout& layout;
        ScreenPoint placed;
    } cases[] = {
        {{500, 300, 800, 700}, single, {500, 300}},
        {{-10000, -10000, -9700, -9600}, single, {-10, -10}},
        {{-900, 200, -600, 600}, single, {-10, 200}},
        {{2500, 800, 2700, 1000}, uneven, {0, 40}},
        {{2500, 600, 2700, 800}, uneven, {2500, 600}},
        {{3000, 900, 3000, 900}, uneven, {0, 40}},
        {{100, -295, 400, 5}, above, {0, 0}},
        {{100, -290, 400, 10}, above, {0, 0}},
        {{100, -280, 400, 20}, above, {100, -280}},
        {{1900, 100, 2200, 500}, unknown, {1824, 100}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceFrame(c.saved, c.layout, kMargins), c.placed)
            << c.saved.left << "," << c.saved.top;
    }
}

TEST(FrameMenu, ShiftAddsTheProfileAndTheTrayNavigatesOnlyWhenClicksPassThrough) {
    EXPECT_EQ(ContextMenuResource(false), 130);
    EXPECT_EQ(ContextMenuResource(true), 463);
    Settings settings;
    settings.mouseTransparent = 1;
    std::vector<std::tuple<int, int, std::string>> items;
    for (const auto& item : NavigationInsertions(MenuSource::Tray, settings)) {
        items.emplace_back(item.position, item.commandId, item.text);
    }
    EXPECT_EQ(items,
              (std::vector<std::tuple<int, int, std::string>>{{5, 32786, "前月へ（&B)"},
                                                              {6, 32787, "翌月へ（&F)"},
                                                              {7, 32788, "表示月を指定（&S)"},
                                                              {8, 32785, "表示月を元に戻す（&U)"},
                                                              {9, 0, ""}}));
    // the calendar's own margins navigate, so its menu never gets them
    EXPECT_TRUE(NavigationInsertions(MenuSource::Calendar, settings).empty());
    settings.mouseTransparent = 0;
    EXPECT_TRUE(NavigationInsertions(MenuSource::Tray, settings).empty());
}

}  // namespace
}  // namespace vesm
