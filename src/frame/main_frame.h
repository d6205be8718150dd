// The program's one top-level window: borderless, layered, without a taskbar
// button. It hosts the calendar view, owns the tray icon and the two timers,
// shows the context menus and carries out their commands.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "frame/frame_clock.h"
#include "frame/frame_placement.h"
#include "frame/tray_icon.h"
#include "view/vesm_view.h"
#include "win32/window.h"

namespace vesm {

class CvesmDoc;

struct MainFrameOptions {
    // The monitors to place the window on; the system's when not given.
    std::optional<MonitorLayout> monitors;
    // The program's main window ends the message loop when destroyed; a frame
    // made by a test does not.
    bool quitOnDestroy = true;
    // The application object's About box, given the frame as owner.
    std::function<void(HWND owner)> showAbout;
};

class CMainFrame : public Window {
public:
    static constexpr DWORD kStyle = WS_POPUP | WS_VISIBLE;
    static constexpr DWORD kExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW;
    static constexpr int kIconResource = 128;

    explicit CMainFrame(CvesmDoc& doc, MainFrameOptions options = {});

    bool CreateFrame();
    CvesmDoc& Document() const { return doc_; }
    CvesmView& View() { return view_; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnCreate(const CREATESTRUCTW& create) override;
    void OnDestroy() override;
    bool OnTimer(UINT_PTR id) override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    void PlaceWindow();
    void OnMinuteTick();
    void OnRefreshTick();
    void ShowToday();
    void StartRefreshTimer();
    void OnTrayNotify(UINT mouseMessage);
    void OnContextMenu(LPARAM screenPoint);
    void OnExitSizeMove();
    void OnWindowPosChanging(WINDOWPOS& position);
    void OnDpiChanged(int dpi, const RECT& suggested);
    bool OnPowerBroadcast(WPARAM event);
    void RaiseAlarm(std::size_t index);
    // Runs a dialog that edits the document's copies, unless one already runs:
    // its OK would overwrite what a second one had written back.
    void RunEditingDialog(const std::function<void()>& run);

    CvesmDoc& doc_;
    MainFrameOptions options_;
    FrameClock clock_;
    TrayIcon tray_;
    UINT taskbarCreated_ = 0;
    CvesmView view_;
    bool editingDialogOpen_ = false;
};

}  // namespace vesm
