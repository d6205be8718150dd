// The application object: checks the supported years, keeps the program to
// one running instance, and creates the document, the frame and (through the
// frame) the view, in that order. It owns the About box.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/win32_doc_host.h"

namespace vesm {

class CvesmDoc;
class CMainFrame;

struct AppOptions {
    // The current time; the system clock when not given.
    std::function<DateTime()> clock;
    // Replaces the user's application-data folder (tests use a scratch folder).
    std::optional<std::string> appDataFolder;
    // Shows the start-up year message; a message box when not given.
    std::function<void(std::string_view text, std::string_view caption, UINT flags)>
        showStartupMessage;
    // The single-instance mutex; tests that start several applications in one
    // process give each its own.
    std::wstring mutexName = L"vesmira";
    // Whether closing the frame ends the message loop; not for test frames.
    bool quitOnFrameDestroy = true;
};

inline constexpr char kYearMessage[] = "このカレンダーは1980年～2099年対応です。";
inline constexpr wchar_t kMainWindowTitle[] = L"vesm";

class CvesmApp {
public:
    explicit CvesmApp(AppOptions options = {});
    CvesmApp(const CvesmApp&) = delete;
    CvesmApp& operator=(const CvesmApp&) = delete;
    ~CvesmApp();

    // Returns false when the process should end at once: outside the supported
    // years, another instance running, or the frame could not be created.
    // Command-line switches (such as the "/s" of the start-up shortcut) mean
    // nothing to the program and are not read.
    bool InitInstance();
    // Runs the message loop until the quit request; returns its exit code.
    int Run();
    // Opens the About box modally (commands 57664, 32776 and 32803).
    void ShowAbout(HWND owner);

    CvesmDoc* Document() const { return doc_.get(); }
    CMainFrame* Frame() const { return frame_.get(); }

private:
    bool YearSupported();
    bool TakeInstanceGuard();
    bool CreateDocumentFrameAndView();

    AppOptions options_;
    Win32DocHost host_;
    HANDLE instanceGuard_ = nullptr;
    std::unique_ptr<CvesmDoc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace vesm
