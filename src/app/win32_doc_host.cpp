#include "app/win32_doc_host.h"

#include <shlobj.h>

#include <ctime>

#include "app/file_replace.h"
#include "win32/message_box.h"
#include "win32/utf.h"

namespace vesm {

namespace {

UINT IconFlag(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::Exclamation:
            return MB_ICONEXCLAMATION;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::Question:
            return MB_ICONQUESTION;
    }
    return MB_ICONWARNING;
}

UINT ButtonFlag(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MB_OK;
        case MessageButtons::OkCancel:
            return MB_OKCANCEL;
        case MessageButtons::YesNo:
            return MB_YESNO;
        case MessageButtons::AbortRetryIgnore:
            return MB_ABORTRETRYIGNORE;
    }
    return MB_OK;
}

UINT DefaultButtonFlag(int index) {
    switch (index) {
        case 1:
            return MB_DEFBUTTON2;
        case 2:
            return MB_DEFBUTTON3;
        default:
            return MB_DEFBUTTON1;
    }
}

MessageAnswer AnswerOf(int id) {
    switch (id) {
        case IDCANCEL:
            return MessageAnswer::Cancel;
        case IDYES:
            return MessageAnswer::Yes;
        case IDNO:
            return MessageAnswer::No;
        case IDABORT:
            return MessageAnswer::Abort;
        case IDRETRY:
            return MessageAnswer::Retry;
        case IDIGNORE:
            return MessageAnswer::Ignore;
        default:
            return MessageAnswer::Ok;
    }
}

DateTime SystemNow() {
    return DateTime(static_cast<std::int64_t>(std::time(nullptr)));
}

}  // namespace

UINT MessageBoxFlags(const MessageRequest& request) {
    return IconFlag(request.icon) | ButtonFlag(request.buttons) |
           DefaultButtonFlag(request.defaultButton) | (request.topmost ? MB_TOPMOST : 0u);
}

MessageAnswer Win32DocHost::ShowMessage(const MessageRequest& request) {
    HWND owner = static_cast<HWND>(request.owner);
    if (owner == nullptr && options_.owner) owner = options_.owner();
    return AnswerOf(ShowMessageBox(owner, request.text, request.caption, MessageBoxFlags(request)));
}

void Win32DocHost::PostQuit() {
    PostQuitMessage(0);
}

std::optional<std::string> Win32DocHost::AppDataFolder() {
    if (options_.appDataFolder) {
        return options_.appDataFolder;
    }
    wchar_t path[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_APPDATA | CSIDL_FLAG_CREATE, nullptr,
                                SHGFP_TYPE_CURRENT, path))) {
        return std::nullopt;
    }
    return Narrow(path);
}

FolderResult Win32DocHost::CreateFolder(const std::string& path) {
    if (CreateDirectoryW(Widen(path).c_str(), nullptr)) {
        return FolderResult::Created;
    }
    return GetLastError() == ERROR_ALREADY_EXISTS ? FolderResult::AlreadyExists
                                                  : FolderResult::Failed;
}

std::optional<std::string> Win32DocHost::UserName() {
    wchar_t name[257] = {};
    DWORD length = sizeof name / sizeof name[0];
    if (!GetUserNameW(name, &length) || name[0] == L'\0') {
        return std::nullopt;
    }
    return Narrow(name);
}

std::optional<bool> Win32DocHost::FontsFolderHasMatch(const std::string& pattern) {
    wchar_t fonts[MAX_PATH] = {};
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_FONTS, nullptr, SHGFP_TYPE_CURRENT, fonts))) {
        return std::nullopt;
    }
    const std::wstring search = std::wstring(fonts) + L"\\" + Widen(pattern);
    WIN32_FIND_DATAW found{};
    HANDLE handle = FindFirstFileW(search.c_str(), &found);
    if (handle == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(handle);
    return true;
}

FileRead Win32DocHost::ReadFile(const std::string& path) {
    FileRead result;
    HANDLE file = CreateFileW(Widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        result.status = missing ? FileRead::Status::NotFound : FileRead::Status::OpenFailed;
        return result;
    }
    result.status = FileRead::Status::Ok;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            // A file that cannot be read to its end counts as one that did not open.
            result.status = FileRead::Status::OpenFailed;
            result.bytes.clear();
            break;
        }
        if (got == 0) break;
        result.bytes.append(buffer, got);
    }
    CloseHandle(file);
    return result;
}

bool Win32DocHost::ReplaceFile(const std::string& path, const std::string& bytes) {
    return ReplaceFileContents(Widen(path), bytes);
}

DateTime Win32DocHost::Now() {
    return options_.clock ? options_.clock() : SystemNow();
}

void Win32DocHost::RedrawViews() {
    if (options_.redrawViews) {
        options_.redrawViews();
    }
}

}  // namespace vesm
