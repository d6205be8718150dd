// Saving replaces the settings file in one step: the old file survives every
// failure whole, and no temporary file is left behind.
#include "app/file_replace.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/scratch_folder.h"

namespace vesm {
namespace {

std::string ReadAll(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

class FileReplaceTest : public testing::Test {
protected:
    ScratchFolder folder;
    std::wstring target = folder.Child(L"vesmira.ini");
    std::wstring temporary = target + L".tmp";
    const std::string oldBytes = std::string("version=182\r\nleft=100\r\n") + '\0' + "\x82\xa0";
};

TEST_F(FileReplaceTest, WritesNewFileAndReplacesOldOne) {
    ASSERT_TRUE(ReplaceFileContents(target, "first\r\n"));
    EXPECT_EQ(ReadAll(target), "first\r\n");
    ASSERT_TRUE(ReplaceFileContents(target, oldBytes));
    EXPECT_EQ(ReadAll(target), oldBytes);
    EXPECT_FALSE(FileExists(temporary));
}

TEST_F(FileReplaceTest, LargeContentArrivesWhole) {
    std::string big(3 * 1024 * 1024 + 17, 'x');
    big[1234567] = '\n';
    ASSERT_TRUE(ReplaceFileContents(target, big));
    EXPECT_EQ(ReadAll(target), big);
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

TEST_F(FileReplaceTest, OldFileStaysWholeAndTemporaryGoesWhenTheReplaceFails) {
    ASSERT_TRUE(ReplaceFileContents(target, oldBytes));
    // Held open without delete sharing, the old file cannot be replaced.
    HANDLE held = CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const bool replaced = ReplaceFileContents(target, "new contents");
    CloseHandle(held);
    EXPECT_FALSE(replaced);
    EXPECT_EQ(ReadAll(target), oldBytes);
    EXPECT_FALSE(FileExists(temporary));
}

TEST_F(FileReplaceTest, TemporaryLeftByACrashIsOverwrittenAndRemoved) {
    ASSERT_TRUE(ReplaceFileContents(target, oldBytes));
    HANDLE leftover = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(leftover, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(leftover, "half a file that is much longer", 31, &written, nullptr);
    CloseHandle(leftover);
    ASSERT_TRUE(ReplaceFileContents(target, "short"));
    EXPECT_EQ(ReadAll(target), "short");
    EXPECT_FALSE(FileExists(temporary));
}

TEST_F(FileReplaceTest, MissingFolderFailsWithoutCreatingAnything) {
    const std::wstring nowhere = folder.Child(L"missing\\vesmira.ini");
    EXPECT_FALSE(ReplaceFileContents(nowhere, "x"));
    EXPECT_FALSE(FolderExists(folder.Child(L"missing")));
}

}  // namespace
}  // namespace vesm
