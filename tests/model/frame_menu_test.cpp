#include <gtest/gtest.h>

#include "frame/context_menu.h"

namespace vesm {
namespace {

Settings MouseTransparent(int value) {
    Settings settings;
    settings.mouseTransparent = value;
    return settings;
}

TEST(ContextMenuTest, ShiftChoosesTheMenuWithTheProfileCommand) {
    EXPECT_EQ(ContextMenuResource(false), 130);
    EXPECT_EQ(ContextMenuResource(true), 463);
}

TEST(ContextMenuTest, TrayOffersNavigationOnlyWhenClicksPassThrough) {
    const auto items = NavigationInsertions(MenuSource::Tray, MouseTransparent(1));
    ASSERT_EQ(items.size(), 5u);
    const int ids[] = {32786, 32787, 32788, 32785, 0};
    const char* texts[] = {"前月へ（&B)", "翌月へ（&F)", "表示月を指定（&S)",
                           "表示月を元に戻す（&U)", ""};
    for (std::size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].position, static_cast<int>(i) + 5);
        EXPECT_EQ(items[i].commandId, ids[i]);
        EXPECT_EQ(items[i].text, texts[i]);
    }
    EXPECT_TRUE(NavigationInsertions(MenuSource::Tray, MouseTransparent(0)).empty());
    // The calendar's own margins navigate, so its menu never gets them.
    EXPECT_TRUE(NavigationInsertions(MenuSource::Calendar, MouseTransparent(1)).empty());
}

}  // namespace
}  // namespace vesm
