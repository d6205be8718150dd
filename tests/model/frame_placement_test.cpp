#include <gtest/gtest.h>

#include "frame/frame_placement.h"

namespace vesm {
namespace {

const Rect kFullHd{0, 0, 1920, 1080};
constexpr FrameMargins kDefaultMargins{10, 10};

Rect SavedAt(int left, int top, int width = 300, int height = 400) {
    return Rect{left, top, left + width, top + height};
}

MonitorLayout SingleScreen() {
    return {kFullHd, {kFullHd}, Rect{0, 0, 1920, 1040}};
}

TEST(ClampTest, FarOffTheTopLeftKeepsOnlyTheMarginsOffScreen) {
    EXPECT_EQ(ClampToVirtualScreen({-10000, -10000}, kFullHd, kDefaultMargins),
              (ScreenPoint{-10, -10}));
    EXPECT_EQ(ClampToVirtualScreen({-10000, -10000}, kFullHd, FrameMargins{40, 10}),
              (ScreenPoint{-40, -10}));
    // Within the margins off screen the corner stays.
    EXPECT_EQ(ClampToVirtualScreen({-5, -5}, kFullHd, kDefaultMargins), (ScreenPoint{-5, -5}));
}

TEST(ClampTest, NearTheRightOrBottomEdgePullsBackBy96) {
    EXPECT_EQ(ClampToVirtualScreen({1900, 100}, kFullHd, kDefaultMargins),
              (ScreenPoint{1824, 100}));
    EXPECT_EQ(ClampToVirtualScreen({100, 1033}, kFullHd, kDefaultMargins), (ScreenPoint{100, 984}));
    // Exactly 48 pixels from the edge is still allowed.
    EXPECT_EQ(ClampToVirtualScreen({1872, 1032}, kFullHd, kDefaultMargins),
              (ScreenPoint{1872, 1032}));
}

TEST(ClampTest, VirtualScreenWithNegativeOrigin) {
    const Rect twoScreens{-1280, -200, 1920, 1080};
    EXPECT_EQ(ClampToVirtualScreen({-1300, -300}, twoScreens, kDefaultMargins),
              (ScreenPoint{-1290, -210}));
    EXPECT_EQ(ClampToVirtualScreen({-1000, -100}, twoScreens, kDefaultMargins),
              (ScreenPoint{-1000, -100}));
}

TEST(PlaceFrameTest, OnScreenCornerStaysWhereItWasSaved) {
    EXPECT_EQ(PlaceFrame(SavedAt(500, 300), SingleScreen(), kDefaultMargins),
              (ScreenPoint{500, 300}));
    EXPECT_EQ(PlaceFrame(SavedAt(-10000, -10000), SingleScreen(), kDefaultMargins),
              (ScreenPoint{-10, -10}));
}

TEST(PlaceFrameTest, CornerInAGapOfAnUnevenLayoutMovesToThePrimaryWorkArea) {
    // A second, smaller monitor to the right, aligned at the top: the virtual
    // screen's lower right corner belongs to no monitor.
    MonitorLayout layout{
        Rect{0, 0, 3200, 1080}, {kFullHd, Rect{1920, 0, 3200, 720}}, Rect{0, 0, 1920, 1040}};
    EXPECT_EQ(PlaceFrame(SavedAt(2500, 800, 200, 200), layout, kDefaultMargins),
              (ScreenPoint{0, 0}));
    // Partly on the second monitor is enough.
    EXPECT_EQ(PlaceFrame(SavedAt(2500, 600, 200, 200), layout, kDefaultMargins),
              (ScreenPoint{2500, 600}));
}

TEST(PlaceFrameTest, OnlyTheMarginOnAMonitorCountsAsLost) {
    MonitorLayout layout{Rect{0, -1000, 3200, 1080},
                         {kFullHd, Rect{1920, -1000, 3200, -280}},
                         Rect{0, 0, 1920, 1040}};
    // The window's bottom margin reaches y = 5 on the primary monitor; its
    // calendar ends at y = -5.
    EXPECT_EQ(PlaceFrame(Rect{100, -295, 400, 5}, layout, kDefaultMargins), (ScreenPoint{0, 0}));
    EXPECT_EQ(PlaceFrame(Rect{100, -290, 400, 10}, layout, kDefaultMargins), (ScreenPoint{0, 0}));
    EXPECT_EQ(PlaceFrame(Rect{100, -280, 400, 20}, layout, kDefaultMargins),
              (ScreenPoint{100, -280}));
}

TEST(PlaceFrameTest, UnpluggedMonitorBringsTheWindowBackOnlyWhenNothingShows) {
    // Saved on a monitor left of the primary one that is no longer there; the
    // virtual screen shrank to the primary, so the clamp alone brings it back.
    EXPECT_EQ(PlaceFrame(SavedAt(-900, 200), SingleScreen(), kDefaultMargins),
              (ScreenPoint{-10, 200}));
    // A degenerate saved size still needs a visible calendar of 48 pixels.
    MonitorLayout layout{
        Rect{0, 0, 3200, 1080}, {kFullHd, Rect{1920, 0, 3200, 720}}, Rect{0, 40, 1920, 1080}};
    EXPECT_EQ(PlaceFrame(Rect{3000, 900, 3000, 900}, layout, kDefaultMargins),
              (ScreenPoint{0, 40}));
}

TEST(PlaceFrameTest, NoMonitorListKeepsTheClampedCorner) {
    MonitorLayout unknown{kFullHd, {}, Rect{}};
    EXPECT_EQ(PlaceFrame(SavedAt(1900, 100), unknown, kDefaultMargins), (ScreenPoint{1824, 100}));
}

}  // namespace
}  // namespace vesm
