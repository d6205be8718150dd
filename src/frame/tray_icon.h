// The frame's notification-area icon. Added at creation, deleted at destroy,
// and added again whenever Explorer restarts and announces "TaskbarCreated".
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

namespace vesm {

constexpr UINT kTrayCallbackMessage = WM_APP + 1;

class TrayIcon {
public:
    TrayIcon() = default;
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;
    ~TrayIcon();

    // Returns whether the shell took the icon.
    bool Add(HWND owner, HINSTANCE instance, int iconResource);
    bool AddAgain();
    void Delete();

    // The message Explorer broadcasts to top-level windows after it restarts.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAW data_{};
    bool added_ = false;
};

}  // namespace vesm
