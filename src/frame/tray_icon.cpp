#include "frame/tray_icon.h"

#include <cwchar>

namespace vesm {

namespace {

constexpr UINT kIconId = 1;
constexpr wchar_t kTip[] = L"vesm";

}  // namespace

TrayIcon::~TrayIcon() {
    Delete();
}

bool TrayIcon::Add(HWND owner, HINSTANCE instance, int iconResource) {
    data_ = NOTIFYICONDATAW{};
    data_.cbSize = sizeof(data_);
    data_.hWnd = owner;
    data_.uID = kIconId;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = kTrayCallbackMessage;
    data_.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(iconResource),
                                                IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    wcsncpy(data_.szTip, kTip, sizeof(data_.szTip) / sizeof(data_.szTip[0]) - 1);
    return AddAgain();
}

// After an Explorer restart the icon is gone and NIM_ADD brings it back; when
// the shell still has it, NIM_ADD fails and refreshing it is enough.
bool TrayIcon::AddAgain() {
    if (data_.hWnd == nullptr) return false;
    added_ = Shell_NotifyIconW(NIM_ADD, &data_) != FALSE ||
             Shell_NotifyIconW(NIM_MODIFY, &data_) != FALSE;
    return added_;
}

void TrayIcon::Delete() {
    if (added_) Shell_NotifyIconW(NIM_DELETE, &data_);
    added_ = false;
    if (data_.hIcon != nullptr) DestroyIcon(data_.hIcon);
    data_.hIcon = nullptr;
}

UINT TrayIcon::TaskbarCreatedMessage() {
    return RegisterWindowMessageW(L"TaskbarCreated");
}

}  // namespace vesm
