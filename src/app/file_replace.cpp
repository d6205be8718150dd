#include "app/file_replace.h"

#include <windows.h>

namespace vesm {

namespace {

// A few fixed names beside the target: only one instance runs, and a save
// overwrites whatever a crash left at the name it uses. Something that cannot
// be cleared there (a folder, a file another program holds) is passed over for
// the next name rather than failing every save.
constexpr int kTemporaryNames = 4;

std::wstring TemporaryPath(const std::wstring& path, int attempt) {
    return attempt == 0 ? path + L".tmp" : path + L"." + std::to_wstring(attempt) + L".tmp";
}

HANDLE CreateTemporary(const std::wstring& temporary) {
    return CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// A read-only, hidden or system file refuses CREATE_ALWAYS with "access
// denied" until its attributes are cleared; anything else (a folder, a file in
// use) is left as it is.
HANDLE CreateOrClearTemporary(const std::wstring& temporary) {
    HANDLE file = CreateTemporary(temporary);
    if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_ACCESS_DENIED) return file;
    constexpr DWORD kClearable =
        FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    const DWORD attributes = GetFileAttributesW(temporary.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ||
        (attributes & kClearable) == 0) {
        return INVALID_HANDLE_VALUE;
    }
    if (!SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL)) return INVALID_HANDLE_VALUE;
    return CreateTemporary(temporary);
}

bool WriteAll(HANDLE file, const std::string& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const std::size_t left = bytes.size() - written;
        const DWORD chunk = left > 1u << 20 ? 1u << 20 : static_cast<DWORD>(left);
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return FlushFileBuffers(file) != 0;
}

}  // namespace

bool ReplaceFileContents(const std::wstring& path, const std::string& bytes) {
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < kTemporaryNames && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = TemporaryPath(path, attempt);
        file = CreateOrClearTemporary(temporary);
    }
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    const bool written = WriteAll(file, bytes);
    CloseHandle(file);
    if (!written || !MoveFileExW(temporary.c_str(), path.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace vesm
