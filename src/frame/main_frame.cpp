#include "frame/main_frame.h"

#include <windowsx.h>

#include "doc/doc.h"
#include "frame/document_tick_target.h"
#include "frame/frame_tick.h"
#include "frame/monitor_layout.h"
#include "frame/popup_menu.h"
#include "tasks/alarm_dialog.h"
#include "tasks/task_dialog.h"
#include "view/month_layout.h"

namespace vesm {

namespace {

constexpr wchar_t kClassName[] = L"vesmMainFrame";
constexpr wchar_t kTitle[] = L"vesm";
constexpr int kInitialExtent = 4096;

bool IsResumeEvent(WPARAM event) {
    return event == PBT_APMRESUMECRITICAL || event == PBT_APMRESUMESUSPEND ||
           event == PBT_APMRESUMEAUTOMATIC;
}

// The tray's clicks reach the frame while another window has the keyboard, so
// the thread's own key state may be stale: ask for the physical key.
bool ShiftHeld() {
    return (GetAsyncKeyState(VK_SHIFT) & 0x8000) != 0;
}

}  // namespace

CMainFrame::CMainFrame(CvesmDoc& doc, MainFrameOptions options)
    : doc_(doc), options_(std::move(options)), clock_(doc.Host().Now()) {}

bool CMainFrame::CreateFrame() {
    WindowClassInfo windowClass;
    windowClass.name = kClassName;
    windowClass.style = CS_DBLCLKS;
    if (!RegisterClass(windowClass)) return false;
    WindowCreateInfo info;
    info.className = kClassName;
    info.title = kTitle;
    info.style = kStyle;
    info.exStyle = kExStyle;
    info.x = 0;
    info.y = 0;
    info.width = 0;
    info.height = 0;
    info.menuOrChildId = nullptr;  // no menu bar
    return Create(info);
}

// Every message first trims the working set: the calendar idles on the
// desktop for days and should hold as little memory as it can.
LRESULT CMainFrame::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        tray_.AddAgain();
        return 0;
    }
    switch (message) {
        case kTrayCallbackMessage:
            OnTrayNotify(static_cast<UINT>(lParam));
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(lParam);
            return 0;
        case WM_SETTINGCHANGE:
            DefaultProc(message, wParam, lParam);
            ShowToday();
            StartRefreshTimer();
            return 0;
        case WM_TIMECHANGE:
            DefaultProc(message, wParam, lParam);
            ShowToday();
            return 0;
        case WM_POWERBROADCAST:
            return OnPowerBroadcast(wParam);
        case WM_EXITSIZEMOVE:
            OnExitSizeMove();
            return 0;
        case WM_MOVE:
            view_.OnFrameMoved();
            return Window::WndProc(message, wParam, lParam);
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_WINDOWPOSCHANGING: {
            const LRESULT result = DefaultProc(message, wParam, lParam);
            OnWindowPosChanging(*reinterpret_cast<WINDOWPOS*>(lParam));
            return result;
        }
        default:
            return Window::WndProc(message, wParam, lParam);
    }
}

bool CMainFrame::OnCreate(const CREATESTRUCTW&) {
    taskbarCreated_ = TrayIcon::TaskbarCreatedMessage();
    PlaceWindow();
    if (!view_.Create(Hwnd(), doc_)) return false;
    view_.SetDayOpener([this](const DayRecord& day) {
        RunEditingDialog([this, &day] { RunTaskList(nullptr, doc_, day.date); });
    });
    SetTimer(Hwnd(), kMinuteTimerId, kFirstTickDelayMs, nullptr);
    tray_.Add(Hwnd(), GetModuleHandleW(nullptr), kIconResource);
    return true;
}

// The real size comes from the view's first paint; until then the window is
// large enough for any calendar.
void CMainFrame::PlaceWindow() {
    const Settings settings = doc_.GetSettings();
    const Rect saved{settings.left, settings.top, settings.right, settings.bottom};
    const DisplayScale scale{MonitorDpiAt(saved)};
    const FrameMargins margins{HorizontalMargin(settings, scale), VerticalMargin(settings, scale)};
    const MonitorLayout layout =
        options_.monitors.has_value() ? *options_.monitors : CurrentMonitorLayout();
    const ScreenPoint corner = PlaceFrame(saved, layout, margins);
    SetWindowPos(Hwnd(), nullptr, corner.x, corner.y, kInitialExtent, kInitialExtent,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

void CMainFrame::OnDestroy() {
    KillTimer(Hwnd(), kMinuteTimerId);
    tray_.Delete();
    if (options_.quitOnDestroy) PostQuitMessage(0);
}

bool CMainFrame::OnTimer(UINT_PTR id) {
    if (id == kMinuteTimerId) {
        OnMinuteTick();
        return true;
    }
    if (id == kRefreshTimerId) {
        OnRefreshTick();
        return true;
    }
    return false;
}

void CMainFrame::OnMinuteTick() {
    KillTimer(Hwnd(), kMinuteTimerId);
    DocumentTickTarget target(doc_, Hwnd(), [this](std::size_t index) { RaiseAlarm(index); });
    clock_.Tick(target);
}

// The alarm has no owner, so it stays up whatever dialog is open beneath it.
void CMainFrame::RaiseAlarm(std::size_t index) {
    RunAlarmDialog(nullptr, doc_, index);
}

void CMainFrame::OnRefreshTick() {
    KillTimer(Hwnd(), kRefreshTimerId);
    ShowToday();
}

void CMainFrame::ShowToday() {
    doc_.SetDisplayDate(doc_.Host().Now());
}

void CMainFrame::StartRefreshTimer() {
    SetTimer(Hwnd(), kRefreshTimerId, kSettingChangeRefreshDelayMs, nullptr);
}

bool CMainFrame::OnPowerBroadcast(WPARAM event) {
    if (IsResumeEvent(event)) {
        ShowToday();
        StartRefreshTimer();
    }
    return TRUE;
}

void CMainFrame::OnTrayNotify(UINT mouseMessage) {
    if (mouseMessage == WM_LBUTTONUP) {
        SetForegroundWindow(Hwnd());
        return;
    }
    if (mouseMessage != WM_RBUTTONUP) return;
    PopupRequest request;
    request.source = MenuSource::Tray;
    request.shiftHeld = ShiftHeld();
    GetCursorPos(&request.at);
    SetForegroundWindow(Hwnd());
    TrackContextMenu(Hwnd(), request, doc_.GetSettings());
}

// A menu opened from the keyboard carries no point; it opens at the cursor.
void CMainFrame::OnContextMenu(LPARAM screenPoint) {
    PopupRequest request;
    request.source = MenuSource::Calendar;
    request.shiftHeld = ShiftHeld();
    request.at = POINT{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)};
    if (request.at.x == -1 && request.at.y == -1) GetCursorPos(&request.at);
    TrackContextMenu(Hwnd(), request, doc_.GetSettings());
}

// A tool window's placement is in screen coordinates, as the settings keep it.
void CMainFrame::OnExitSizeMove() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(Hwnd(), &placement)) return;
    Settings settings = doc_.GetSettings();
    settings.left = placement.rcNormalPosition.left;
    settings.top = placement.rcNormalPosition.top;
    settings.right = placement.rcNormalPosition.right;
    settings.bottom = placement.rcNormalPosition.bottom;
    doc_.SetSettings(settings);
    doc_.SaveSettings();
}

// On another monitor's density the calendar is drawn anew at the new scale,
// from the corner the system suggests; the paint then gives the size.
void CMainFrame::OnDpiChanged(int dpi, const RECT& suggested) {
    view_.SetDpi(dpi);
    SetWindowPos(Hwnd(), nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(view_.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Every z-order change ends at the bottom in bottom-most mode; topmost and
// normal are applied by the view.
void CMainFrame::OnWindowPosChanging(WINDOWPOS& position) {
    if (doc_.GetSettings().zOrder == 2) position.hwndInsertAfter = HWND_BOTTOM;
}

}  // namespace vesm
