// The document's Win32 host: how message requests become MB_ flags and
// answers, and how folders and files report their outcomes.
#include "app/win32_doc_host.h"

#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include "support/scratch_folder.h"
#include "win32/utf.h"

namespace vesm {
namespace {

TEST(MessageBoxFlagsTest, OpenFailureQuestionIsTopmostAbortRetryIgnoreWithRetryDefault) {
    MessageRequest question;
    question.icon = MessageIcon::Warning;
    question.buttons = MessageButtons::AbortRetryIgnore;
    question.defaultButton = 1;
    question.topmost = true;
    EXPECT_EQ(MessageBoxFlags(question),
              static_cast<UINT>(MB_ICONWARNING | MB_ABORTRETRYIGNORE | MB_DEFBUTTON2 | MB_TOPMOST));
}

TEST(MessageBoxFlagsTest, PlainRequestsKeepTheirIconAndButtons) {
    MessageRequest plain;
    EXPECT_EQ(MessageBoxFlags(plain), static_cast<UINT>(MB_ICONWARNING | MB_OK));
    plain.icon = MessageIcon::Question;
    plain.buttons = MessageButtons::YesNo;
    plain.defaultButton = 2;
    EXPECT_EQ(MessageBoxFlags(plain),
              static_cast<UINT>(MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON3));
    plain.icon = MessageIcon::Information;
    plain.buttons = MessageButtons::OkCancel;
    plain.defaultButton = 0;
    EXPECT_EQ(MessageBoxFlags(plain), static_cast<UINT>(MB_ICONINFORMATION | MB_OKCANCEL));
}

class HostFilesTest : public testing::Test {
protected:
    ScratchFolder folder;
    Win32DocHost host;
    std::string Path(const std::wstring& name) { return Narrow(folder.Child(name)); }
};

TEST_F(HostFilesTest, CreateFolderTellsCreatedExistingAndFailed) {
    EXPECT_EQ(host.CreateFolder(Path(L"vesmira")), FolderResult::Created);
    EXPECT_EQ(host.CreateFolder(Path(L"vesmira")), FolderResult::AlreadyExists);
    EXPECT_EQ(host.CreateFolder(Path(L"missing\\user")), FolderResult::Failed);
    // A Japanese user name survives the trip through UTF-8.
    EXPECT_EQ(host.CreateFolder(Path(L"vesmira\\山田")), FolderResult::Created);
    EXPECT_TRUE(FolderExists(folder.Child(L"vesmira\\山田")));
}

TEST_F(HostFilesTest, ReadFileTellsMissingFromUnopenable) {
    EXPECT_EQ(host.ReadFile(Path(L"vesmira.ini")).status, FileRead::Status::NotFound);
    EXPECT_EQ(host.ReadFile(Path(L"nofolder\\vesmira.ini")).status, FileRead::Status::NotFound);

    const std::string bytes = std::string("version=182\r\n") + '\0' + "\x93\xfa\r\n";
    ASSERT_TRUE(host.ReplaceFile(Path(L"vesmira.ini"), bytes));
    FileRead read = host.ReadFile(Path(L"vesmira.ini"));
    EXPECT_EQ(read.status, FileRead::Status::Ok);
    EXPECT_EQ(read.bytes, bytes);

    // Held open for writing without sharing, the file exists but cannot be opened.
    HANDLE held = CreateFileW(folder.Child(L"vesmira.ini").c_str(), GENERIC_WRITE, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(host.ReadFile(Path(L"vesmira.ini")).status, FileRead::Status::OpenFailed);
    CloseHandle(held);
}

TEST(HostPlatformTest, ReportsUserNameAppDataAndClock) {
    Win32DocHost host;
    const std::optional<std::string> user = host.UserName();
    ASSERT_TRUE(user.has_value());
    EXPECT_FALSE(user->empty());
    const std::optional<std::string> appData = host.AppDataFolder();
    ASSERT_TRUE(appData.has_value());
    EXPECT_TRUE(FolderExists(Widen(*appData)));
    EXPECT_EQ(host.PathLimit(), 259u);

    const DateTime pinned = DateTime::Build(2100, 1, 1).value();
    Win32DocHostOptions options;
    options.clock = [pinned] { return pinned; };
    options.appDataFolder = "C:\\scratch";
    Win32DocHost pinnedHost(options);
    EXPECT_EQ(pinnedHost.Now(), pinned);
    EXPECT_EQ(pinnedHost.AppDataFolder(), std::optional<std::string>("C:\\scratch"));
}

TEST(HostPlatformTest, FontsFolderMatchFollowsTheFilesThere) {
    wchar_t fonts[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_FONTS, nullptr, 0, fonts)));
    const std::wstring font = std::wstring(fonts) + L"\\DolphinVesmTest.ttf";
    Win32DocHost host;
    ASSERT_EQ(host.FontsFolderHasMatch("Dolphin*"), std::optional<bool>(false));
    HANDLE file = CreateFileW(font.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    EXPECT_EQ(host.FontsFolderHasMatch("Dolphin*"), std::optional<bool>(true));
    EXPECT_EQ(host.FontsFolderHasMatch("Dolphins*"), std::optional<bool>(false));
    DeleteFileW(font.c_str());
    EXPECT_EQ(host.FontsFolderHasMatch("Dolphin*"), std::optional<bool>(false));
}

}  // namespace
}  // namespace vesm
