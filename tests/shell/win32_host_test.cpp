// The Win32 side of the document's host and the wrapper layer beneath it.
#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "app/file_replace.h"
#include "app/win32_doc_host.h"
#include "support/scratch_folder.h"
#include "win32/utf.h"

namespace vesm {
namespace {

std::string ReadAll(const std::wstring& path) {
    return Win32DocHost().ReadFile(Narrow(path)).bytes;
}

class FileReplaceTest : public testing::Test {
protected:
    ScratchFolder folder;
    std::wstring target = folder.Child(L"vesmira.ini");
    std::wstring temporary = target + L".tmp";
    const std::string oldBytes = std::string("version=182\r\nleft=100\r\n") + '\0' + "\x82\xa0";
};

TEST_F(FileReplaceTest, SettingsFileIsReplacedOnlyWhenComplete) {
    std::string big(3 * 1024 * 1024 + 17, 'x');
    big[1234567] = '\n';
    ASSERT_TRUE(ReplaceFileContents(target, big));
    EXPECT_EQ(ReadAll(target), big);
    ASSERT_TRUE(ReplaceFileContents(target, oldBytes));
    EXPECT_EQ(ReadAll(target), oldBytes);
    EXPECT_FALSE(FileExists(temporary));
    // Held open without delete sharing, the old file cannot be replaced.
    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReplaceFileContents(target, "new contents"));
    CloseHandle(held);
    EXPECT_EQ(ReadAll(target), oldBytes);
    EXPECT_FALSE(FileExists(temporary));
    // A longer temporary left by a crash is overwritten, not appended to.
    HANDLE leftover = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(leftover, "half a file that is much longer", 31, &written, nullptr);
    CloseHandle(leftover);
    ASSERT_TRUE(ReplaceFileContents(target, "short"));
    EXPECT_EQ(ReadAll(target), "short");
    EXPECT_FALSE(FileExists(temporary));

    EXPECT_FALSE(ReplaceFileContents(folder.Child(L"missing\\vesmira.ini"), "x"));
    EXPECT_FALSE(FolderExists(folder.Child(L"missing")));
}

// A crash or a sync tool may leave a folder or a read-only file where the
// temporary goes; neither may stop a save, twice in a row.
TEST_F(FileReplaceTest, AFolderOrReadOnlyFileAtTheTemporaryPathDoesNotBlockSaving) {
    ASSERT_TRUE(ReplaceFileContents(target, oldBytes));
    ASSERT_TRUE(CreateDirectoryW(temporary.c_str(), nullptr));
    const std::wstring second = target + L".1.tmp";
    HANDLE readOnly = CreateFileW(second.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_READONLY, nullptr);
    ASSERT_NE(readOnly, INVALID_HANDLE_VALUE);
    CloseHandle(readOnly);
    for (const char* contents : {"new contents", "newer"}) {
        ASSERT_TRUE(ReplaceFileContents(target, contents));
        EXPECT_EQ(ReadAll(target), contents);
    }
    EXPECT_TRUE(FolderExists(temporary));
    EXPECT_FALSE(FileExists(second));
    RemoveDirectoryW(temporary.c_str());
}

TEST_F(FileReplaceTest, HostTellsFolderAndReadOutcomes) {
    Win32DocHost host;
    const auto path = [this](const wchar_t* name) { return Narrow(folder.Child(name)); };
    EXPECT_EQ(host.CreateFolder(path(L"vesmira")), FolderResult::Created);
    EXPECT_EQ(host.CreateFolder(path(L"vesmira")), FolderResult::AlreadyExists);
    EXPECT_EQ(host.CreateFolder(path(L"missing\\user")), FolderResult::Failed);
    EXPECT_EQ(host.CreateFolder(path(L"vesmira\\山田")), FolderResult::Created);
    EXPECT_TRUE(FolderExists(folder.Child(L"vesmira\\山田")));

    EXPECT_EQ(host.ReadFile(path(L"vesmira.ini")).status, FileRead::Status::NotFound);
    EXPECT_EQ(host.ReadFile(path(L"nofolder\\vesmira.ini")).status, FileRead::Status::NotFound);
    ASSERT_TRUE(host.ReplaceFile(path(L"vesmira.ini"), oldBytes));
    EXPECT_EQ(host.ReadFile(path(L"vesmira.ini")).bytes, oldBytes);
    // Held open for writing without sharing, the file exists but cannot be opened.
    HANDLE held = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_EQ(host.ReadFile(path(L"vesmira.ini")).status, FileRead::Status::OpenFailed);
    CloseHandle(held);
}

TEST(Win32HostTest, MessageBoxFlagsFollowTheRequest) {
    const std::pair<MessageRequest, UINT> cases[] = {
        {{"", "", MessageIcon::Warning, MessageButtons::AbortRetryIgnore, 1, true},
         MB_ICONWARNING | MB_ABORTRETRYIGNORE | MB_DEFBUTTON2 | MB_TOPMOST},
        {{"", "", MessageIcon::Question, MessageButtons::YesNo, 2},
         MB_ICONQUESTION | MB_YESNO | MB_DEFBUTTON3},
        {{"", "", MessageIcon::Information, MessageButtons::OkCancel},
         MB_ICONINFORMATION | MB_OKCANCEL},
        {{}, MB_ICONWARNING | MB_OK}};
    for (const auto& [request, flags] : cases) EXPECT_EQ(MessageBoxFlags(request), flags);
}

TEST(WrapperTest, TextConversionReplacesWhatIsBroken) {
    const std::string text = "バージョン情報 〜 ①㈱ 𠮷";
    EXPECT_EQ(Narrow(Widen(text)), text);
    EXPECT_EQ(Widen("a\xff"), L"a\xfffd");
    const wchar_t loneSurrogate[] = {L'x', static_cast<wchar_t>(0xd800), L'y', 0};
    EXPECT_EQ(Narrow(loneSurrogate), "x\xef\xbf\xbdy");
}

}  // namespace
}  // namespace vesm
