// Creating the document: its folders and their failures, the unreadable
// settings file with Abort, Retry and Ignore, migration of old files and the
// supported years.
#include <algorithm>
#include <string>

#include <gtest/gtest.h>

#include "doc/builtin_lists.h"
#include "doc/doc.h"
#include "doc/doc_messages.h"
#include "doc/rule_parse.h"
#include "support/fake_host.h"
#include "support/settings_text.h"

namespace vesm {
namespace {

const std::string kProductFolder = std::string(FakeHost::kAppData) + "\\vesmira";
const std::string kUserFolder = kProductFolder + "\\" + FakeHost::kUser;
const std::size_t kBuiltInHolidayCount = ParseRuleValue(kBuiltInHolidays).rules.size();

void ExpectBuiltInListsOnly(const CvesmDoc& doc) {
    EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), kBuiltInHolidayCount);
    EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), 9u);
    EXPECT_EQ(doc.TaskCount(), 0u);
}

// The fixed parts of the path take 50 characters; the user name the rest.
std::string NameForPathLength(std::size_t length, const std::string& character) {
    std::string name;
    for (std::size_t i = 0; i + 50 < length; ++i) name += character;
    return name;
}

TEST(DocCreationTest, FirstStartMakesBothFoldersOnlyOnceAndUsesTheBuiltInLists) {
    for (std::string user :
         {std::string("taro"), NameForPathLength(259, "a"), NameForPathLength(259, "あ")}) {
        FakeHost host;
        host.userName = user;
        CvesmDoc doc(host);
        EXPECT_EQ(host.createdFolders,
                  (std::vector<std::string>{kProductFolder, kProductFolder + "\\" + user}));
        EXPECT_EQ(doc.SettingsPath(), kProductFolder + "\\" + user + "\\vesmira.ini");
        EXPECT_TRUE(host.messages.empty());
        EXPECT_FALSE(doc.ExitRequested());
        ExpectBuiltInListsOnly(doc);
        EXPECT_FALSE(host.HasSettingsFile());
        EXPECT_EQ(doc.DisplayDate(), host.now);
        CvesmDoc again(host);  // the folders exist now
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(again.SettingsPath(), doc.SettingsPath());
    }
}

// Each failure shows its own message only, ends the program, and leaves the
// settings path empty: nothing is read or written under a partial path.
TEST(DocCreationTest, EachFolderFailureShowsItsMessageAndEndsTheProgram) {
    const struct {
        const char* what;
        void (*arrange)(FakeHost&);
        std::string_view message;
        std::size_t made;
    } failures[] = {
        {"no app-data", [](FakeHost& h) { h.appData.reset(); }, kAppDataFolderMessage, 0},
        {"product", [](FakeHost& h) { h.failingFolders = {kProductFolder}; }, kProductFolderMessage,
         0},
        {"user", [](FakeHost& h) { h.failingFolders = {kUserFolder}; }, kUserFolderMessage, 1},
        {"no user name", [](FakeHost& h) { h.userName.reset(); }, kUserFolderMessage, 1},
        {"empty user name", [](FakeHost& h) { h.userName = ""; }, kUserFolderMessage, 1},
        {"path too long", [](FakeHost& h) { h.userName = NameForPathLength(260, "a"); },
         kUserFolderMessage, 1},
        {"path too long in characters",
         [](FakeHost& h) { h.userName = NameForPathLength(260, "あ"); }, kUserFolderMessage, 1},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.what);
        FakeHost host;
        host.SetSettingsFile(SettingsBytes({"numOfRow=5"}));
        failure.arrange(host);
        CvesmDoc doc(host);
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].text, failure.message);
        EXPECT_EQ(host.messages[0].caption, "vesmira");
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
        EXPECT_EQ(host.quitRequests, 1);
        EXPECT_TRUE(doc.ExitRequested());
        EXPECT_EQ(host.createdFolders,
                  std::vector<std::string>(failure.made, std::string(kProductFolder)));
        EXPECT_TRUE(doc.SettingsPath().empty());
        EXPECT_EQ(host.reads, 0);
        EXPECT_EQ(doc.GetSettings().numOfRow, 3);
        EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), kBuiltInHolidayCount);
        EXPECT_FALSE(doc.SaveSettings());
        EXPECT_EQ(host.writes, 0);
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
        const bool read = last == MessageAnswer::Retry;
        ASSERT_EQ(host.messages.size(), 4u);
        for (std::size_t first : {0, 2}) {
            const MessageRequest& notice = host.messages[first];
            EXPECT_EQ(notice.text, kOpenFailedMessage);
            EXPECT_EQ(notice.caption, "vesmira");
            EXPECT_EQ(notice.icon, MessageIcon::Warning);
            EXPECT_EQ(notice.buttons, MessageButtons::Ok);
            const MessageRequest& question = host.messages[first + 1];
            EXPECT_EQ(question.text, kRetryQuestion);
            EXPECT_EQ(question.caption, kRetryCaption);
            EXPECT_EQ(question.icon, MessageIcon::Warning);
            EXPECT_EQ(question.buttons, MessageButtons::AbortRetryIgnore);
            EXPECT_EQ(question.defaultButton, 1);  // Retry
            EXPECT_TRUE(question.topmost);
        }
        EXPECT_EQ(host.reads, read ? 3 : 2);
        EXPECT_EQ(doc.GetSettings().numOfRow, read ? 5 : 3);
        if (read) EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), 1u);
        if (!read) ExpectBuiltInListsOnly(doc);
        EXPECT_EQ(doc.ExitRequested(), last == MessageAnswer::Abort);
        EXPECT_EQ(host.quitRequests, last == MessageAnswer::Abort ? 1 : 0);
        EXPECT_EQ(host.writes, 0);
        EXPECT_EQ(host.SettingsFile(), original);
        if (last != MessageAnswer::Ignore) continue;
        ASSERT_TRUE(doc.SaveSettings());
        EXPECT_EQ(FileLines(host.SettingsFile())[11], "numOfRow=3");
    }
}

TEST(DocCreationTest, OnlyOldFilesNamingAMissingDolphinFontFallBackToTimesNewRoman) {
    const struct {
        bool dolphinInstalled, fontsFolderKnown;
        std::string version, face, loaded;
    } cases[] = {
        {false, true, "150", "Dolphin", "Times New Roman"},
        {false, true, "181", "Dolphin", "Times New Roman"},
        {true, true, "150", "Dolphin", "Dolphin"},
        {false, false, "100", "Dolphin", "Dolphin"},
        {false, true, "182", "Dolphin", "Dolphin"},
        {false, true, "", "Dolphin", "Dolphin"},  // version 182 by default
        {false, true, "181", "dolphin", "dolphin"},
        {false, true, "181", "Dolphin ", "Dolphin "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.version + c.face);
        FakeHost host;
        host.fontFiles = std::vector<std::string>{"arial.ttf", "MSGOTHIC.TTC"};
        if (c.dolphinInstalled) host.fontFiles->push_back("dolphin_b.ttf");
        if (!c.fontsFolderKnown) host.fontFiles.reset();
        host.SetSettingsFile(SettingsBytes(
            {c.version.empty() ? "" : "version=" + c.version, "fontFaceName=" + c.face}));
        CvesmDoc doc(host);
        EXPECT_EQ(doc.GetSettings().fontFaceName, c.loaded);
        EXPECT_EQ(doc.GetSettings().version, 182);
    }
    for (const char* version : {"version=999", "version=-5"}) {
        FakeHost host;
        host.SetSettingsFile(SettingsBytes({version}));
        EXPECT_EQ(CvesmDoc(host).GetSettings().version, 182);
    }
}

TEST(DocCreationTest, YearsOutsideTheCalendarAskToQuit) {
    for (DateTime now :
         {DateTime::Build(1979, 12, 31, 12).value(), DateTime::Build(1980, 1, 1).value(),
          DateTime::Build(2099, 12, 31, 23).value(), DateTime::Build(2100, 1, 1).value()}) {
        const bool outside = now.Year() == 1979 || now.Year() == 2100;
        FakeHost host;
        host.now = now;
        CvesmDoc doc(host);
        EXPECT_EQ(host.CountMessages(kYearRangeMessage) > 0, outside) << now.Year();
        EXPECT_EQ(host.quitRequests > 0, outside) << now.Year();
        if (!outside) continue;
        EXPECT_EQ(host.messages[0].text, kYearRangeMessage);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
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
        EXPECT_EQ(host.writes, rmOverTask);
        EXPECT_EQ(doc.TaskCount(), 2u - rmOverTask);
        std::vector<std::string> lines = FileLines(host.SettingsFile());
        EXPECT_EQ(std::count(lines.begin(), lines.end(), oldTask), 1 - rmOverTask);
        EXPECT_EQ(std::count(lines.begin(), lines.end(), newTask), 1);
    }
}

TEST(DocCreationTest, DisplayDateRedrawsAndColorsConvertToThePlatformValue) {
    FakeHost host;
    CvesmDoc doc(host);
    DateTime later = DateTime::Build(2024, 9, 1, 8).value();
    doc.SetDisplayDate(later);
    EXPECT_EQ(doc.DisplayDate(), later);
    EXPECT_EQ(host.redraws, 1);
    EXPECT_EQ(doc.GetColor(&Settings::colorSunday), 0xFF0000u);
    doc.SetColor(&Settings::colorToday, 0x0000FFu);  // red
    EXPECT_EQ(doc.GetSettings().colorToday, 255000000);
    EXPECT_EQ(doc.GetColor(&Settings::colorToday), 0x0000FFu);
}

}  // namespace
}  // namespace vesm
