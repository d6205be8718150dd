// Creating the document: its folders and their failures, the unreadable
// settings file with Abort, Retry and Ignore, migration of old files and the
// supported years.
#include <algorithm>
#include <memory>
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

class DocCreationTest : public ::testing::Test {
protected:
    std::unique_ptr<CvesmDoc> Create() { return std::make_unique<CvesmDoc>(host); }
    void ExpectBuiltInListsOnly(const CvesmDoc& doc) {
        EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), kBuiltInHolidayCount);
        EXPECT_EQ(doc.RuleCount(RuleListId::SpecialDay), 9u);
        EXPECT_EQ(doc.TaskCount(), 0u);
    }
    FakeHost host;
};

TEST_F(DocCreationTest, FirstStartMakesBothFoldersAndUsesTheBuiltInLists) {
    auto doc = Create();
    EXPECT_EQ(host.createdFolders, (std::vector<std::string>{kProductFolder, kUserFolder}));
    EXPECT_EQ(doc->SettingsPath(), FakeHost::kSettingsPath);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.quitRequests, 0);
    EXPECT_FALSE(doc->ExitRequested());
    ExpectBuiltInListsOnly(*doc);
    EXPECT_FALSE(host.HasSettingsFile());
    EXPECT_EQ(doc->DisplayDate(), host.now);
}

TEST_F(DocCreationTest, ExistingFoldersAreNoFailure) {
    host.folders = {kProductFolder, kUserFolder};
    auto doc = Create();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(doc->ExitRequested());
    EXPECT_EQ(doc->SettingsPath(), FakeHost::kSettingsPath);
}

struct FolderFailure {
    const char* what;
    void (*arrange)(FakeHost&);
    std::string_view message;
    std::vector<std::string> createdFolders;
};

// Each failure shows its own message only, ends the program, and leaves the
// settings path empty: nothing is read or written under a partial path.
TEST(DocFolderFailureTest, EachFolderFailureShowsItsMessageAndEndsTheProgram) {
    const FolderFailure failures[] = {
        {"no app-data folder", [](FakeHost& h) { h.appData.reset(); }, kAppDataFolderMessage, {}},
        {"product folder",
         [](FakeHost& h) { h.failingFolders = {kProductFolder}; },
         kProductFolderMessage,
         {}},
        {"user folder",
         [](FakeHost& h) { h.failingFolders = {kUserFolder}; },
         kUserFolderMessage,
         {kProductFolder}},
        {"no user name",
         [](FakeHost& h) { h.userName.reset(); },
         kUserFolderMessage,
         {kProductFolder}},
        {"empty user name",
         [](FakeHost& h) { h.userName = ""; },
         kUserFolderMessage,
         {kProductFolder}},
    };
    for (const FolderFailure& failure : failures) {
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
        EXPECT_EQ(host.createdFolders, failure.createdFolders);
        EXPECT_TRUE(doc.SettingsPath().empty());
        EXPECT_EQ(host.reads, 0);
        EXPECT_EQ(doc.GetSettings().numOfRow, 3);
        EXPECT_EQ(doc.RuleCount(RuleListId::Holiday), kBuiltInHolidayCount);
        EXPECT_FALSE(doc.SaveSettings());
        EXPECT_EQ(host.writes, 0);
    }
}

// The fixed parts of the path take 50 characters; the user name the rest.
std::string NameForPathLength(std::size_t length, const std::string& character) {
    std::string name;
    for (std::size_t i = 0; i + 50 < length; ++i) name += character;
    return name;
}

TEST_F(DocCreationTest, PathAtTheLimitIsUsedAndOneCharacterMoreIsRefused) {
    for (const std::string character : {"a", "あ"}) {
        SCOPED_TRACE(character);
        FakeHost fits;
        fits.userName = NameForPathLength(259, character);
        CvesmDoc fitting(fits);
        EXPECT_TRUE(fits.messages.empty());
        EXPECT_FALSE(fitting.ExitRequested());
        EXPECT_FALSE(fitting.SettingsPath().empty());

        FakeHost tooLong;
        tooLong.userName = NameForPathLength(260, character);
        CvesmDoc refused(tooLong);
        ASSERT_EQ(tooLong.messages.size(), 1u);
        EXPECT_EQ(tooLong.messages[0].text, kUserFolderMessage);
        EXPECT_EQ(tooLong.quitRequests, 1);
        EXPECT_TRUE(refused.ExitRequested());
        // Nothing is made or read under a path that would be cut short.
        EXPECT_EQ(tooLong.createdFolders, std::vector<std::string>{kProductFolder});
        EXPECT_EQ(tooLong.reads, 0);
        EXPECT_TRUE(refused.SettingsPath().empty());
    }
}

class UnreadableFileTest : public DocCreationTest {
protected:
    void SetUp() override {
        host.SetSettingsFile(SettingsBytes({"numOfRow=5", "holiday=1`5`3`0`憲法記念日"}));
        original = host.SettingsFile();
        host.openFailures = 1;
    }
    void ExpectOpenFailureMessages(std::size_t first) {
        ASSERT_GE(host.messages.size(), first + 2);
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
    std::string original;
};

TEST_F(UnreadableFileTest, RetryReadsTheFileAgain) {
    host.openFailures = 2;
    host.answers = {MessageAnswer::Retry, MessageAnswer::Retry};
    auto doc = Create();
    EXPECT_EQ(host.reads, 3);
    ASSERT_EQ(host.messages.size(), 4u);
    ExpectOpenFailureMessages(0);
    ExpectOpenFailureMessages(2);
    EXPECT_EQ(doc->GetSettings().numOfRow, 5);
    EXPECT_EQ(doc->RuleCount(RuleListId::Holiday), 1u);
    EXPECT_EQ(doc->RuleCount(RuleListId::SpecialDay), 0u);
    EXPECT_FALSE(doc->ExitRequested());
    EXPECT_EQ(host.quitRequests, 0);
}

TEST_F(UnreadableFileTest, AbortEndsTheProgramAndLeavesTheFileAlone) {
    host.answers = {MessageAnswer::Abort};
    auto doc = Create();
    ExpectOpenFailureMessages(0);
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.quitRequests, 1);
    EXPECT_TRUE(doc->ExitRequested());
    EXPECT_EQ(doc->GetSettings().numOfRow, 3);
    ExpectBuiltInListsOnly(*doc);
    EXPECT_EQ(host.writes, 0);
    EXPECT_EQ(host.SettingsFile(), original);
}

TEST_F(UnreadableFileTest, IgnoreGoesOnWithDefaultsAndTheNextSaveReplacesTheFile) {
    host.answers = {MessageAnswer::Ignore};
    auto doc = Create();
    ExpectOpenFailureMessages(0);
    EXPECT_EQ(host.quitRequests, 0);
    EXPECT_FALSE(doc->ExitRequested());
    EXPECT_EQ(doc->GetSettings().numOfRow, 3);
    ExpectBuiltInListsOnly(*doc);
    EXPECT_EQ(host.SettingsFile(), original);
    ASSERT_TRUE(doc->SaveSettings());
    std::vector<std::string> lines = FileLines(host.SettingsFile());
    EXPECT_EQ(lines[11], "numOfRow=3");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "holiday=1`5`3`0`憲法記念日"), 1);
}

class MigrationTest : public DocCreationTest {
protected:
    std::string FaceAfterLoading(std::initializer_list<std::string_view> lines) {
        host.SetSettingsFile(SettingsBytes(lines));
        return Create()->GetSettings().fontFaceName;
    }
};

TEST_F(MigrationTest, OldFileNamingAMissingDolphinFontFallsBackToTimesNewRoman) {
    host.fontFiles = std::vector<std::string>{"arial.ttf", "MSGOTHIC.TTC"};
    host.SetSettingsFile(SettingsBytes({"version=150", "fontFaceName=Dolphin"}));
    auto doc = Create();
    EXPECT_EQ(doc->GetSettings().fontFaceName, "Times New Roman");
    EXPECT_EQ(doc->GetSettings().version, 182);
    ASSERT_TRUE(doc->SaveSettings());
    EXPECT_EQ(FileLines(host.SettingsFile())[0], "version=182");
}

TEST_F(MigrationTest, InstalledDolphinFontIsKept) {
    host.fontFiles = std::vector<std::string>{"arial.ttf", "dolphin_b.ttf"};
    EXPECT_EQ(FaceAfterLoading({"version=150", "fontFaceName=Dolphin"}), "Dolphin");
}

TEST_F(MigrationTest, OnlyOldFilesAndOnlyTheExactFaceAreMigrated) {
    EXPECT_EQ(FaceAfterLoading({"version=182", "fontFaceName=Dolphin"}), "Dolphin");
    EXPECT_EQ(FaceAfterLoading({"fontFaceName=Dolphin"}), "Dolphin");  // version 182 by default
    EXPECT_EQ(FaceAfterLoading({"version=181", "fontFaceName=dolphin"}), "dolphin");
    EXPECT_EQ(FaceAfterLoading({"version=181", "fontFaceName=Dolphin "}), "Dolphin ");
    EXPECT_EQ(FaceAfterLoading({"version=181", "fontFaceName=Dolphin"}), "Times New Roman");
}

TEST_F(MigrationTest, UnknownFontsFolderKeepsTheFace) {
    host.fontFiles.reset();
    EXPECT_EQ(FaceAfterLoading({"version=100", "fontFaceName=Dolphin"}), "Dolphin");
}

TEST_F(MigrationTest, VersionIsTheCurrentOneWhateverTheFileSaid) {
    host.SetSettingsFile(SettingsBytes({"version=999"}));
    EXPECT_EQ(Create()->GetSettings().version, 182);
    host.SetSettingsFile(SettingsBytes({"version=-5"}));
    EXPECT_EQ(Create()->GetSettings().version, 182);
}

TEST_F(DocCreationTest, YearsOutsideTheCalendarAskToQuit) {
    for (int year : {1979, 2100}) {
        SCOPED_TRACE(year);
        FakeHost outside;
        outside.now =
            DateTime::Build(year, year == 1979 ? 12 : 1, year == 1979 ? 31 : 1, 12).value();
        CvesmDoc doc(outside);
        ASSERT_FALSE(outside.messages.empty());
        EXPECT_EQ(outside.messages[0].text, kYearRangeMessage);
        EXPECT_EQ(outside.messages[0].icon, MessageIcon::Warning);
        EXPECT_GE(outside.quitRequests, 1);
    }
    for (int year : {1980, 2099}) {
        FakeHost inside;
        inside.now =
            DateTime::Build(year, year == 1980 ? 1 : 12, year == 1980 ? 1 : 31, 12).value();
        CvesmDoc doc(inside);
        EXPECT_EQ(inside.CountMessages(kYearRangeMessage), 0) << year;
        EXPECT_EQ(inside.quitRequests, 0) << year;
    }
}

TEST_F(DocCreationTest, PurgingOldTasksAtStartUpSavesTheFile) {
    const char* oldTask = "task=0`2024`4`1`0`0`0`1975`1`1`0`0`1`古い予定";
    const char* newTask = "task=0`2024`5`9`0`0`0`1975`1`1`0`0`1`新しい予定";
    host.SetSettingsFile(SettingsBytes({"rmTaskInfo=1", "rmOverTask=1", oldTask, newTask}));
    auto doc = Create();
    EXPECT_EQ(host.writes, 1);
    EXPECT_EQ(doc->TaskCount(), 1u);
    std::vector<std::string> lines = FileLines(host.SettingsFile());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), oldTask), 0);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), newTask), 1);
    host.SetSettingsFile(SettingsBytes({"rmTaskInfo=1", "rmOverTask=0", oldTask, newTask}));
    host.writes = 0;
    doc = Create();
    EXPECT_EQ(host.writes, 0);
    EXPECT_EQ(doc->TaskCount(), 2u);
}

TEST_F(DocCreationTest, DisplayDateChangesRebuildAndRedraw) {
    auto doc = Create();
    DateTime later = DateTime::Build(2024, 9, 1, 8).value();
    doc->SetDisplayDate(later);
    EXPECT_EQ(doc->DisplayDate(), later);
    EXPECT_EQ(host.redraws, 1);
}

TEST_F(DocCreationTest, ColorAccessorsConvertToAndFromThePlatformValue) {
    auto doc = Create();
    EXPECT_EQ(doc->GetColor(&Settings::colorSunday), 0xFF0000u);
    doc->SetColor(&Settings::colorToday, 0x0000FFu);  // red
    EXPECT_EQ(doc->GetSettings().colorToday, 255000000);
    EXPECT_EQ(doc->GetColor(&Settings::colorToday), 0x0000FFu);
}

}  // namespace
}  // namespace vesm
