#include <gtest/gtest.h>

#include "frame/context_menu.h"
#include "frame/frame_commands.h"

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
        EXPECT_EQ(items[i].position, static_cast<int>(i) + 3);
        EXPECT_EQ(items[i].commandId, ids[i]);
        EXPECT_EQ(items[i].text, texts[i]);
    }
    EXPECT_TRUE(NavigationInsertions(MenuSource::Tray, MouseTransparent(0)).empty());
    // The calendar's own margins navigate, so its menu never gets them.
    EXPECT_TRUE(NavigationInsertions(MenuSource::Calendar, MouseTransparent(1)).empty());
}

TEST(FrameCommandTest, BothIdsOfEachNavigationCommandNavigate) {
    EXPECT_EQ(FrameCommandFor(32786), FrameCommand::PreviousMonth);
    EXPECT_EQ(FrameCommandFor(32797), FrameCommand::PreviousMonth);
    EXPECT_EQ(FrameCommandFor(32787), FrameCommand::NextMonth);
    EXPECT_EQ(FrameCommandFor(32798), FrameCommand::NextMonth);
    EXPECT_EQ(FrameCommandFor(32788), FrameCommand::SelectMonth);
    EXPECT_EQ(FrameCommandFor(32799), FrameCommand::SelectMonth);
    EXPECT_EQ(FrameCommandFor(32785), FrameCommand::CurrentMonth);
    EXPECT_EQ(FrameCommandFor(32792), FrameCommand::CurrentMonth);
}

TEST(FrameCommandTest, ExitHelpAndTheCommandsLeftToOthers) {
    EXPECT_EQ(FrameCommandFor(32775), FrameCommand::Exit);
    EXPECT_EQ(FrameCommandFor(32804), FrameCommand::Exit);
    EXPECT_EQ(FrameCommandFor(57667), FrameCommand::HelpTopics);
    EXPECT_EQ(FrameCommandFor(57671), FrameCommand::HelpTopics);
    EXPECT_EQ(FrameCommandFor(32794), FrameCommand::HelpTopics);
    EXPECT_EQ(FrameCommandFor(57670), FrameCommand::Help);
    EXPECT_EQ(FrameCommandFor(57669), FrameCommand::ContextHelp);
    // About is the application object's.
    EXPECT_EQ(FrameCommandFor(32776), FrameCommand::None);
    EXPECT_EQ(FrameCommandFor(32803), FrameCommand::None);
}

}  // namespace
}  // namespace vesm
