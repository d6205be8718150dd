// Creating the document: its folders and their failures, the unreadable
// settings file with Abort, Retry and Ignore, migration of old files and the
// purge at start-up; the birthplace table the profile offers.
#include <algorithm>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/rule_parse.h"
#include "profile/birthplace.h"
#include "support/fake_host.h"
#include "support/settings_text.h"

namespace vesm {
namespace {

const std::string kProductFolder = std::string(FakeHost::kAppData) + "\\vesmira";

// Holiday, special-day and task counts.
auto ListSizes(const CvesmDoc& doc) {
    return std::make_tuple(doc.RuleCount(RuleListId::Holiday),
                           doc.RuleCount(RuleListId::SpecialDay), doc.TaskCount());
}
const auto kBuiltInLists =
    std::make_tuple(ParseRuleValue(kBuiltInHolidays).rules.size(), std::size_t{9}, std::size_t{0});

// The fixed parts of the path take 50 characters; the user name the rest.
std::string NameForPathLength(std::size_t length, const std::string& character) {
    std::string name;
    for (std::size_t i = 0; i + 50 < length; ++i) name += character;
    return name;
}

TEST(DocCreationTest, FirstStartMakesBothFoldersOnceAndUsesTheBuiltInLists) {
    for (std::string user : {std::string(FakeHost::kUser), NameForPathLength(259, "a"),
                             NameForPathLength(259, "あ")}) {
        FakeHost host;
        host.userName = user;
        CvesmDoc doc(host);
        CvesmDoc again(host);  // the folders exist now
        const std::string userFolder = kProductFolder + "\\" + user;
        EXPECT_EQ(host.createdFolders, (std::vector<std::string>{kProductFolder, userFolder}));
        EXPECT_EQ(again.SettingsPath(), userFolder + "\\vesmira.ini");
        EXPECT_EQ(
            std::make_tuple(host.messages.size(), doc.ExitRequested(), host.HasSettingsFile()),
            std::make_tuple(0u, false, false));
        EXPECT_EQ(ListSizes(doc), kBuiltInLists);
        EXPECT_EQ(doc.DisplayDate(), host.now);
    }
}

// Each failure shows its own message only and ends the program; nothing is
// read or written under a partial path.
TEST(DocCreationTest, EachFolderFailureShowsItsMessageAndEndsTheProgram) {
    const struct {
        void (*arrange)(FakeHost&);
        std::string_view message;
        std::size_t made;
    } failures[] = {
        {[](FakeHost& h) { h.appData.reset(); }, kAppDataFolderMessage, 0},
        {[](FakeHost& h) { h.failingFolders = {kProductFolder}; }, kProductFolderMessage, 0},
        {[](FakeHost& h) { h.failingFolders = {kProductFolder + "\\taro"}; }, kUserFolderMessage,
         1},
        {[](FakeHost& h) { h.userName.reset(); }, kUserFolderMessage, 1},
        {[](FakeHost& h) { h.userName = ""; }, kUserFolderMessage, 1},
        {[](FakeHost& h) { h.userName = NameForPathLength(260, "a"); }, kUserFolderMessage, 1},
        {[](FakeHost& h) { h.userName = NameForPathLength(260, "あ"); }, kUserFolderMessage, 1},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(&failure - failures);
        FakeHost host;
        host.SetSettingsFile(SettingsBytes({"numOfRow=5"}));
        failure.arrange(host);
        CvesmDoc doc(host);
        ASSERT_EQ(host.messages.size(), 1u);
        const MessageRequest& m = host.messages[0];
        EXPECT_EQ(std::tie(m.text, m.caption, m.icon),
                  std::make_tuple(std::string(failure.message), "vesmira", MessageIcon::Warning));
        EXPECT_EQ(host.createdFolders, std::vector<std::string>(failure.made, kProductFolder));
        EXPECT_EQ(std::make_tuple(host.quitRequests, doc.ExitRequested(), doc.SettingsPath(),
                                  host.reads, doc.GetSettings().numOfRow, doc.SaveSettings()),
                  std::make_tuple(1, true, "", 0, 3, false));
        EXPECT_EQ(std::make_tuple(ListSizes(doc), host.writes), std::make_tuple(kBuiltInLists, 0));
    }
}

TEST(DocCreationTest, UnreadableFileAsksRetryAbortOrIgnore) {
    for (MessageAnswer last : {MessageAnswer::Retry, MessageAnswer::Abort, MessageAnswer::Ignore}) {
        SCOPED_TRACE(static_cast<int>(last));
        FakeHost host;
        host.SetSettingsFile(SettingsBytes({"numOfRow=5", "holiday=1`5`3`0`憲法記念日"}));
        const std::string original = host.SettingsFile();
        host.openFailures = 2;
        host.answers = {MessageAnswer::Retry, last};
        CvesmDoc doc(host);
        ASSERT_EQ(host.messages.size(), 4u);
        for (std::size_t first : {0, 2}) {
            const MessageRequest& n = host.messages[first];
            EXPECT_EQ(std::tie(n.text, n.caption, n.icon, n.buttons),
                      std::make_tuple(std::string(kOpenFailedMessage), "vesmira",
                                      MessageIcon::Warning, MessageButtons::Ok));
            const MessageRequest& q = host.messages[first + 1];
            EXPECT_EQ(std::tie(q.text, q.caption, q.icon, q.buttons, q.defaultButton, q.topmost),
                      std::make_tuple(std::string(kRetryQuestion), std::string(kRetryCaption),
                                      MessageIcon::Warning, MessageButtons::AbortRetryIgnore, 1,
                                      true));  // Retry is the default
        }
        const bool read = last == MessageAnswer::Retry, abort = last == MessageAnswer::Abort;
        EXPECT_EQ(std::make_tuple(host.reads, doc.GetSettings().numOfRow, doc.ExitRequested(),
                                  host.quitRequests, host.writes),
                  std::make_tuple(read ? 3 : 2, read ? 5 : 3, abort, abort ? 1 : 0, 0));
        EXPECT_EQ(
            ListSizes(doc),
            read ? std::make_tuple(std::size_t{1}, std::size_t{0}, std::size_t{0}) : kBuiltInLists);
        EXPECT_EQ(host.SettingsFile(), original);
        if (last != MessageAnswer::Ignore) continue;
        ASSERT_TRUE(doc.SaveSettings());  // the next save replaces the file
        EXPECT_EQ(FileLines(host.SettingsFile())[11], "numOfRow=3");
    }
}

TEST(DocCreationTest, YearsOutsideTheCalendarWarnAndAskToQuit) {
    for (const auto& [year, month, day, outside] : {std::tuple{1979, 12, 31, true},
                                                    {1980, 1, 1, false},
                                                    {2099, 12, 31, false},
                                                    {2100, 1, 1, true}}) {
        FakeHost host;
        host.now = DateTime::Build(year, month, day, 12).value();
        CvesmDoc doc(host);
        EXPECT_EQ(std::make_tuple(host.CountMessages(kYearRangeMessage) > 0, host.quitRequests > 0),
                  std::make_tuple(outside, outside))
            << year;
    }
}

TEST(DocCreationTest, OnlyOldFilesNamingAMissingDolphinFontFallBackToTimesNewRoman) {
    const struct {
        const char* fontFile;  // nothing: the fonts folder is not found
        std::string version, face, loaded;
    } cases[] = {
        {"arial.ttf", "version=150", "Dolphin", "Times New Roman"},
        {"arial.ttf", "version=181", "Dolphin", "Times New Roman"},
        {"dolphin_b.ttf", "version=150", "Dolphin", "Dolphin"},
        {nullptr, "version=100", "Dolphin", "Dolphin"},
        {"arial.ttf", "", "Dolphin", "Dolphin"},  // version 182 by default
        {"arial.ttf", "version=181", "dolphin", "dolphin"},
        {"arial.ttf", "version=999", "Dolphin ", "Dolphin "},
        {"arial.ttf", "version=-5", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version + c.face);
        FakeHost host;
        host.fontFiles = std::vector<std::string>{"MSGOTHIC.TTC", c.fontFile ? c.fontFile : ""};
        if (!c.fontFile) host.fontFiles.reset();
        host.SetSettingsFile(SettingsBytes({c.version, "fontFaceName=" + c.face}));
        CvesmDoc doc(host);
        EXPECT_EQ(doc.GetSettings().fontFaceName, c.loaded);
        EXPECT_EQ(doc.GetSettings().version, 182);
    }
}

TEST(DocCreationTest, PurgingOldTasksAtStartUpSavesTheFile) {
    const std::string oldTask = "task=0`2024`4`1`0`0`0`1975`1`1`0`0`1`古い予定";
    const std::string newTask = "task=0`2024`5`9`0`0`0`1975`1`1`0`0`1`新しい予定";
    for (int rmOverTask : {1, 0}) {
        FakeHost host;
        host.SetSettingsFile(SettingsBytes(
            {"rmTaskInfo=1", "rmOverTask=" + std::to_string(rmOverTask), oldTask, newTask}));
        CvesmDoc doc(host);
        std::vector<std::string> lines = FileLines(host.SettingsFile());
        EXPECT_EQ(std::make_tuple(host.writes, doc.TaskCount(),
                                  std::count(lines.begin(), lines.end(), oldTask),
                                  std::count(lines.begin(), lines.end(), newTask)),
                  std::make_tuple(rmOverTask, 2u - rmOverTask, 1 - rmOverTask, 1));
    }
}

TEST(BirthplaceTest, SharedLongitudeFindsTheLaterEntryAndOthersNone) {
    CProfile profile;
    auto at = [&profile](int eastOrWest, int degree, int minute, int second) {
        profile.longitudeEastOrWest = eastOrWest;
        profile.longitudeDegree = degree;
        profile.longitudeMinute = minute;
        profile.longitudeSecond = second;
        return BirthplaceOfLongitude(profile);
    };
    EXPECT_EQ(at(0, 139, 38, 15), 18u);  // 埼玉県 (13) and 神奈川県 share it
    EXPECT_EQ(BirthplaceAt(18).name + BirthplaceAt(13).name, "神奈川県埼玉県");
    EXPECT_EQ((std::vector<std::size_t>{at(0, 139, 41, 15), at(0, 127, 40, 30), at(0, 139, 41, 16),
                                        at(1, 139, 41, 15)}),
              (std::vector<std::size_t>{15, 52, 0, 0}));
    SetLongitudeOfBirthplace(profile, 0);  // the empty entry clears the longitude
    EXPECT_EQ(profile.longitudeEastOrWest + profile.longitudeDegree + profile.longitudeMinute +
                  profile.longitudeSecond,
              0);

    // A fresh document offers the whole table and a profile born this year in Tokyo.
    FakeHost host;
    CvesmDoc doc(host);
    ASSERT_EQ(doc.BirthplaceCount(), kBirthplaceCount);
    EXPECT_EQ(doc.BirthplaceEntry(0).name + doc.BirthplaceEntry(1).name, "北海道（道東）");
    EXPECT_EQ(doc.Profile().birthYear, 2024);
    EXPECT_EQ(BirthplaceAt(BirthplaceOfLongitude(doc.Profile())).name, "東京都");
}

}  // namespace
}  // namespace vesm
