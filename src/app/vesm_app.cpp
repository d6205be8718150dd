#include "app/vesm_app.h"

#include <commctrl.h>

#include "app/about_dialog.h"
#include "doc/doc.h"
#include "frame/main_frame.h"
#include "res/resource.h"
#include "win32/message_box.h"

namespace vesm {

namespace {

constexpr int kFirstYear = 1980;
constexpr int kLastYear = 2099;

Win32DocHostOptions HostOptions(const AppOptions& options) {
    Win32DocHostOptions host;
    host.clock = options.clock;
    host.appDataFolder = options.appDataFolder;
    return host;
}

void InitCommonControls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES |
                     ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);
}

}  // namespace

CvesmApp::CvesmApp(AppOptions options)
    : options_(std::move(options)), host_(HostOptions(options_)) {
    host_.SetOwner([this] { return frame_ ? frame_->Hwnd() : nullptr; });
    host_.SetRedrawViews([this] {
        if (frame_ && frame_->View().Hwnd() != nullptr) {
            InvalidateRect(frame_->View().Hwnd(), nullptr, FALSE);
        }
    });
}

// The instance guard is deliberately left open: it must be held until the
// process ends, and the system releases it then.
CvesmApp::~CvesmApp() = default;

bool CvesmApp::InitInstance() {
    InitCommonControls();
    if (!YearSupported()) return false;
    if (!TakeInstanceGuard()) return false;
    return CreateDocumentFrameAndView();
}

bool CvesmApp::YearSupported() {
    const int year = host_.Now().Fields().year;
    if (year >= kFirstYear && year <= kLastYear) return true;
    const UINT flags = MB_OK | MB_ICONWARNING;
    if (options_.showStartupMessage) {
        options_.showStartupMessage(kYearMessage, "vesmira", flags);
    } else {
        ShowMessageBox(nullptr, kYearMessage, "vesmira", flags);
    }
    return false;
}

bool CvesmApp::TakeInstanceGuard() {
    instanceGuard_ = CreateMutexW(nullptr, TRUE, options_.mutexName.c_str());
    if (instanceGuard_ != nullptr && GetLastError() != ERROR_ALREADY_EXISTS) return true;
    // Another instance runs: show its window, silently, if it can be found.
    if (HWND running = FindWindowW(nullptr, kMainWindowTitle)) {
        if (IsIconic(running)) ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
    }
    if (instanceGuard_ != nullptr) {
        CloseHandle(instanceGuard_);
        instanceGuard_ = nullptr;
    }
    return false;
}

bool CvesmApp::CreateDocumentFrameAndView() {
    doc_ = std::make_unique<CvesmDoc>(host_);
    MainFrameOptions frameOptions;
    frameOptions.quitOnDestroy = options_.quitOnFrameDestroy;
    frameOptions.showAbout = [this](HWND owner) { ShowAbout(owner); };
    frame_ = std::make_unique<CMainFrame>(*doc_, std::move(frameOptions));
    // The frame creates the view, its only child, while it is created.
    return frame_->CreateFrame();
}

int CvesmApp::Run() {
    HACCEL accelerators =
        LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND frame = frame_ ? frame_->Hwnd() : nullptr;
        if (frame != nullptr && accelerators != nullptr &&
            TranslateAcceleratorW(frame, accelerators, &message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

void CvesmApp::ShowAbout(HWND owner) {
    CAboutDlg about;
    about.DoModal(owner);
}

}  // namespace vesm
