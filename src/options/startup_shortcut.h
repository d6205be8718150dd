// The start-up shortcut: a shell link in the user's Startup folder that starts
// the calendar at logon with "/s".
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vesm {

// What a shell link holds. Paths are UTF-8; empty ones are left unset.
struct ShortcutFields {
    std::string linkPath;
    std::string target;
    std::string description;
    std::string arguments;
    std::string workingDirectory;
    std::string iconPath;
    int iconIndex = 0;
    int showCommand = SW_SHOWNORMAL;
};

// Creates (or overwrites) the link, or deletes it. Needs COM initialised on the
// calling thread. A negative result is a failure; deleting a link that is not
// there succeeds, any other failed deletion does not.
HRESULT CreateShortcut(bool create, const ShortcutFields& fields);

// Where the shortcut goes and what it starts; tests point it elsewhere.
struct StartupShortcutPlace {
    std::function<std::optional<std::string>()> executablePath;
    std::function<std::optional<std::string>()> startupFolder;
};

// The running program and the user's Startup folder (created when missing).
StartupShortcutPlace SystemStartupPlace();

inline constexpr std::string_view kShortcutFileName = "vesmira.lnk";

// Creates or removes the shortcut; returns the message to show when that
// failed. A failure to initialise COM skips the step without a message.
std::optional<std::string_view> UpdateStartupShortcut(bool create,
                                                      const StartupShortcutPlace& place);

}  // namespace vesm
