// The frame and moving between months: its placement on the monitors, its menus' navigation
// items, the zones along the edges, double-clicks, and the month steps and their limits.
#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/context_menu.h"
#include "frame/frame_placement.h"
#include "support/fake_host.h"
#include "view/month_navigation.h"
#include "view/navigation_commands.h"

namespace vesm {
namespace {

const Rect kFullHd{0, 0, 1920, 1080};
constexpr FrameMargins kMargins{10, 10};

// Near the right or bottom edge the corner goes back by 96; exactly 48 from it is allowed.
TEST(FramePlacement, ClampKeepsTheMarginsOffScreenAnd48PixelsOnIt) {
    const Rect twoScreens{-1280, -200, 1920, 1080};
    const struct {
        int x, y;
        const Rect& screen;
        int horizontalMargin, placedX, placedY;
    } cases[] = {{-10000, -10000, kFullHd, 10, -10, -10},
                 {-10000, -10000, kFullHd, 40, -40, -10},
                 {-5, -5, kFullHd, 10, -5, -5},
                 {1900, 100, kFullHd, 10, 1824, 100},
                 {100, 1033, kFullHd, 10, 100, 984},
                 {1872, 1032, kFullHd, 10, 1872, 1032},
                 {-1300, -300, twoScreens, 10, -1290, -210}};
    for (const auto& c : cases) {
        EXPECT_EQ(ClampToVirtualScreen({c.x, c.y}, c.screen, {c.horizontalMargin, 10}),
                  (ScreenPoint{c.placedX, c.placedY}))
            << c.x << "," << c.y;
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
        int left, top, right, bottom;
        const MonitorLayout& layout;
        int x, y;
    } cases[] = {
        {500, 300, 800, 700, single, 500, 300},    {-900, 200, -600, 600, single, -10, 200},
        {2500, 800, 2700, 1000, uneven, 0, 40},    {2500, 600, 2700, 800, uneven, 2500, 600},
        {3000, 900, 3000, 900, uneven, 0, 40},     {100, -295, 400, 5, above, 0, 0},
        {100, -290, 400, 10, above, 0, 0},         {100, -280, 400, 20, above, 100, -280},
        {1900, 100, 2200, 500, unknown, 1824, 100}};
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceFrame({c.left, c.top, c.right, c.bottom}, c.layout, kMargins),
                  (ScreenPoint{c.x, c.y}))
            << c.left << "," << c.top;
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

DateTime On(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

TEST(Navigation, ZoneBoundsAreInclusiveAndADayWinsADoubleClick) {
    using Z = NavigationZone;
    using A = DoubleClickAction;
    const NavigationZones zones{
        {0, 10, 10, 434}, {178, 10, 188, 434}, {10, 434, 178, 444}, {10, 0, 178, 10}};
    const struct {
        int x, y;
        NavigationZone zone;
        DoubleClickAction action;
    } cases[] = {{0, 10, Z::Left, A::PreviousMonth},     {10, 434, Z::Left, A::PreviousMonth},
                 {178, 434, Z::Right, A::NextMonth},     {188, 200, Z::Right, A::NextMonth},
                 {100, 444, Z::Bottom, A::CurrentMonth}, {100, 0, Z::Top, A::ChooseMonth},
                 {100, 200, Z::None, A::None},           {5, 5, Z::None, A::None}};
    DayRecord miss;
    miss.date = NoDayDate();
    for (const auto& c : cases) {
        EXPECT_EQ(ZoneAt(zones, c.x, c.y), c.zone) << c.x << "," << c.y;
        EXPECT_EQ(DoubleClickActionFor(miss, zones, c.x, c.y), c.action) << c.x << "," << c.y;
    }
    DayRecord day;
    day.date = On(2026, 5, 10);
    EXPECT_EQ(DoubleClickActionFor(day, zones, 5, 200), DoubleClickAction::OpenDayTasks);
}

TEST(Navigation, StepsMoveByAMonthWithin1980To2099AndTellWhyNot) {
    FakeHost host;
    host.now = On(2026, 8, 3, 10, 0);
    CvesmDoc doc(host);
    doc.SetDisplayDate(On(1980, 1, 15));
    host.messages.clear();
    ShowPreviousMonth(doc);
    EXPECT_EQ(doc.DisplayDate(), On(1980, 1, 15));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "これより前の月は表示できません");
    EXPECT_EQ(std::tuple(host.messages[0].caption, host.messages[0].icon, host.messages[0].buttons),
              std::tuple("vesmira", MessageIcon::Exclamation, MessageButtons::Ok));
    ShowNextMonth(doc);
    EXPECT_EQ(doc.DisplayDate(), On(1980, 2, 1));
    ShowPreviousMonth(doc);
    EXPECT_EQ(doc.DisplayDate(), On(1980, 1, 1));
    EXPECT_EQ(PreviousMonthStep(On(2026, 1, 20, 15, 30)).date, On(2025, 12, 1));
    EXPECT_EQ(NextMonthStep(On(2025, 12, 31, 23, 59)).date, On(2026, 1, 1));
    EXPECT_EQ(NextMonthStep(On(2099, 11, 30)).date, On(2099, 12, 1));
    EXPECT_EQ(NextMonthStep(On(2099, 12, 1)).refusal, "これより先の月は表示できません");
    EXPECT_FALSE(NextMonthStep(On(2099, 12, 1)).date);
    EXPECT_TRUE(ShowChosenMonth(doc, 2099, 12, nullptr));
    EXPECT_EQ(host.messages.size(), 1u);
    for (auto [year, month] : {std::pair{2100, 1}, {1979, 12}, {2000, 13}}) {
        EXPECT_FALSE(ShowChosenMonth(doc, year, month, nullptr)) << year << "-" << month;
    }
    EXPECT_EQ(doc.DisplayDate(), On(2099, 12, 1));
    ShowCurrentMonth(doc);  // keeps the months before in a normal display
    EXPECT_EQ(doc.DisplayDate(), host.now);
    EXPECT_EQ(doc.GetSettings().numOfPast, 1);
    Settings settings = doc.GetSettings();
    settings.numOfMonth = 0;
    doc.SetSettings(settings);
    doc.SetDisplayDate(On(2025, 1, 1));
    const int writes = host.writes;
    ShowCurrentMonth(doc);  // the year display starts again from January, and saves that
    EXPECT_EQ(doc.GetSettings().numOfPast, 7);
    EXPECT_EQ(host.writes, writes + 1);
    EXPECT_EQ(doc.DayRange().firstShownDay, On(2026, 1, 1));
}

}  // namespace
}  // namespace vesm
