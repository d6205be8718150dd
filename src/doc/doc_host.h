// Everything platform-bound that the document needs. The shell implements it
// over Win32; tests fake it, so every start-up path runs natively.
#pragma once

#include <optional>
#include <string>

#include "doc/date_time.h"

namespace vesm {

enum class MessageIcon { Warning, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Abort, Retry, Ignore };

struct MessageRequest {
    std::string text;  // UTF-8
    std::string caption = "vesmira";
    MessageIcon icon = MessageIcon::Warning;
    MessageButtons buttons = MessageButtons::Ok;
    int defaultButton = 0;  // 0-based among the buttons
    bool topmost = false;
    // The shell's window the message is modal to, such as the dialog whose
    // input it refuses; none: the main window.
    void* owner = nullptr;
};

enum class FolderResult { Created, AlreadyExists, Failed };

struct FileRead {
    enum class Status { Ok, NotFound, OpenFailed };
    Status status = Status::NotFound;
    std::string bytes;  // the file's raw bytes when Ok
};

class DocHost {
public:
    virtual ~DocHost() = default;

    virtual MessageAnswer ShowMessage(const MessageRequest& request) = 0;
    virtual void PostQuit() = 0;
    // Paths are UTF-8 with "\" separators, as the document builds them.
    virtual std::optional<std::string> AppDataFolder() = 0;
    virtual FolderResult CreateFolder(const std::string& path) = 0;
    virtual std::optional<std::string> UserName() = 0;
    // Whether a file in the fonts folder matches the pattern; nothing when the
    // fonts folder cannot be found.
    virtual std::optional<bool> FontsFolderHasMatch(const std::string& pattern) = 0;
    virtual FileRead ReadFile(const std::string& path) = 0;
    // Replaces the file in one step; on failure the previous file stays whole.
    virtual bool ReplaceFile(const std::string& path, const std::string& bytes) = 0;
    // Longest settings path the platform can open, in characters.
    virtual std::size_t PathLimit() const = 0;
    virtual DateTime Now() = 0;
    virtual void RedrawViews() = 0;
};

}  // namespace vesm
