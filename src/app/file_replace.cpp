#include "app/file_replace.h"

#include <windows.h>

namespace vesm {

namespace {

// One fixed name beside the target: only one instance runs, and the next save
// truncates and then removes whatever a crash left behind.
std::wstring TemporaryPath(const std::wstring& path) {
    return path + L".tmp";
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
    const std::wstring temporary = TemporaryPath(path);
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
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
