// The calendar window under Wine: the frame and its view as the user meets them.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "frame/popup_menu.h"
#include "frame/tray_icon.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "support/message_pump.h"
#include "win32/controls.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.now = At(2026, 5, 20, 10, 0);
        doc = std::make_unique<CvesmDoc>(host);
        Configure([](Settings& s) {
            s.left = 200;
            s.top = 150;
            s.numOfMonth = 3;
            s.numOfPast = 1;
            s.transparent = 255;
        });
    }
    void Configure(const std::function<void(Settings&)>& change) {
        Settings settings = doc->GetSettings();
        change(settings);
        doc->SetSettings(settings);
    }
    HWND Open(MainFrameOptions options = {}) {
        options.quitOnDestroy = false;
        frame = std::make_unique<CMainFrame>(*doc, std::move(options));
        EXPECT_TRUE(frame->CreateFrame());
        PumpFor(300);  // nothing here asks for the first paint: the view must
        return frame->Hwnd();
    }
    HWND View() const { return frame->View().Hwnd(); }
    const PaintResult& Paint() const {
        RedrawWindow(View(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return *frame->View().LastPaint();
    }
    RECT WindowRect() const {
        RECT rect{};
        GetWindowRect(frame->Hwnd(), &rect);
        return rect;
    }
    std::size_t IndexOf(DateTime day) const {
        for (std::size_t i = 0; i < doc->DayCount(); ++i) {
            if (doc->Day(i).date == day) return i;
        }
        ADD_FAILURE() << "day not in the table";
        return 0;
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

HWND OpenOtherWindow(DWORD style = 0) {
    return CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE | style, 150, 100, 400,
                           600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
}

TEST_F(FrameTest, FirstPaintSizesTheBorderlessWindowAndTheEndOfAMoveIsSaved) {
    Configure([](Settings& s) { s.clockInfo = 1; });
    HWND hwnd = Open();
    EXPECT_EQ(
        GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME),
        WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(
        GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
        WS_EX_LAYERED | WS_EX_TOOLWINDOW)
        << "no taskbar button";
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    EXPECT_EQ(GetText(hwnd), "vesm");
    ASSERT_TRUE(frame->View().LastPaint().has_value()) << "a layered frame is never exposed";
    EXPECT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, nullptr, nullptr));

    const PaintResult& paint = *frame->View().LastPaint();
    EXPECT_EQ(paint.window.height, 444 + 16);  // 2 vm + 9 rh x 2 + 8 rh + rh / 2, and the clock
    const RECT rect = WindowRect();
    EXPECT_EQ(rect.left, 200);
    EXPECT_EQ(rect.top, 150);
    EXPECT_EQ(rect.right - rect.left, paint.window.width);
    EXPECT_EQ(rect.bottom - rect.top, paint.window.height);
    const std::size_t may10 = IndexOf(At(2026, 5, 10));
    EXPECT_EQ(doc->Day(may10).cell, paint.cells[may10]);
    EXPECT_GT(doc->Day(may10).cell.right, doc->Day(may10).cell.left);
    EXPECT_EQ(doc->Day(IndexOf(At(2026, 3, 31))).cell, Rect{});
    EXPECT_EQ(doc->Zones(), paint.zones);
    EXPECT_EQ(doc->ClockRect(), paint.clockRect);
    const ViewTooltips& tips = frame->View().Tooltips();
    EXPECT_EQ(tips.TextOf(View(), 5000), L"ここをダブルクリックすると前月へ");
    EXPECT_EQ(tips.TextOf(View(), 10000 + int(IndexOf(At(2026, 5, 5)))), L"・子供の日");
    EXPECT_EQ(tips.TextOf(View(), 10000 + int(IndexOf(At(2026, 5, 12)))), L"");

    SetWindowPos(hwnd, nullptr, 123, 45, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
    for (const char* line : {"left=123\r\n", "top=45\r\n", "right=423\r\n", "bottom=245\r\n"}) {
        EXPECT_NE(host.SettingsFile().find(line), std::string::npos) << line;
    }
    // A saved corner far off the screens keeps only the margins off screen.
    Configure([](Settings& s) { s.left = s.top = -10000; });
    Open();
    EXPECT_EQ(WindowRect().left, -10);
    EXPECT_EQ(WindowRect().top, -10);
}

bool TrayIconExists(HWND owner) {
    NOTIFYICONDATAW probe{sizeof(probe), owner, 1, NIF_TIP};
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

TEST_F(FrameTest, TrayIconBringsTheFrameForwardComesBackWithTheTaskbarAndGoesWithTheWindow) {
    HWND hwnd = Open();
    HWND other = OpenOtherWindow();
    SetForegroundWindow(other);
    SendMessageW(hwnd, kTrayCallbackMessage, 1, WM_MOUSEMOVE);
    EXPECT_EQ(GetForegroundWindow(), other) << "only the button's release acts";
    SendMessageW(hwnd, kTrayCallbackMessage, 1, WM_LBUTTONUP);
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    DestroyWindow(other);

    // What an Explorer restart does to the icon.
    NOTIFYICONDATAW gone{sizeof(gone), hwnd, 1};
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(TrayIconExists(hwnd));
    SendMessageW(hwnd, TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(TrayIconExists(hwnd));
    frame.reset();
    EXPECT_FALSE(TrayIconExists(hwnd)) << "the icon must go with the window";
}

bool IsBelow(HWND window, HWND other) {
    for (HWND next = GetWindow(other, GW_HWNDNEXT); next; next = GetWindow(next, GW_HWNDNEXT)) {
        if (next == window) return true;
    }
    return false;
}

void RaiseToTop(HWND hwnd) {
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TEST_F(FrameTest, ModesApplyAtThePaintAndBottomMostKeepsTheWindowBelowOthers) {
    HWND beneath = OpenOtherWindow(SS_NOTIFY);  // else a static hides from hit tests
    HWND hwnd = Open();
    RaiseToTop(hwnd);
    const POINT inside{260, 300};
    for (const bool through : {true, false}) {
        SCOPED_TRACE(through);
        Configure([through](Settings& s) {
            s.transparent = through ? 200 : 255;
            s.zOrder = through ? 1 : 0;
            s.mouseTransparent = through;
        });
        Paint();
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, through ? 200 : 255);
        EXPECT_EQ(flags, DWORD{LWA_ALPHA});
        const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
        EXPECT_EQ((exStyle & WS_EX_TOPMOST) != 0, through);
        EXPECT_EQ((exStyle & WS_EX_TRANSPARENT) != 0, through);
        EXPECT_EQ(GetAncestor(WindowFromPoint(inside), GA_ROOT), through ? beneath : hwnd);
    }
    RaiseToTop(beneath);
    Paint();
    EXPECT_TRUE(IsBelow(hwnd, beneath)) << "a paint in normal mode does not raise the window";

    RaiseToTop(hwnd);
    Configure([](Settings& s) { s.zOrder = 2; });
    Paint();
    EXPECT_TRUE(IsBelow(hwnd, beneath)) << "the paint after the choice";
    RaiseToTop(hwnd);
    EXPECT_TRUE(IsBelow(hwnd, beneath)) << "raised";
    RaiseToTop(beneath);
    SetForegroundWindow(hwnd);
    EXPECT_TRUE(IsBelow(hwnd, beneath)) << "activated";
    DestroyWindow(beneath);
}

// Wine has no per-monitor density: the test sends what the system would send
// when the window moves to a denser monitor.
TEST_F(FrameTest, DensityChangeRepaintsAtTheNewScaleFromTheSuggestedCorner) {
    HWND hwnd = Open();
    ASSERT_EQ(GetDpiForWindow(hwnd), 96u) << "the test prefix runs at 96 dots per inch";
    const RECT base = WindowRect();
    const int baseWidth = base.right - base.left;
    EXPECT_EQ(base.bottom - base.top, 444) << "at 96 dots per inch nothing is scaled";
    RECT suggested{300, 220, 300 + baseWidth * 3 / 2, 220 + 666};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    EXPECT_EQ(frame->View().Scale().dpi, 144);
    const Size painted = frame->View().LastPaint()->window;
    EXPECT_EQ(painted.height, 692);  // vm 15 and rh 25 at font height 30
    const RECT dense = WindowRect();
    EXPECT_EQ(dense.left, 300);
    EXPECT_EQ(dense.top, 220);
    EXPECT_EQ(dense.right - dense.left, painted.width);
    EXPECT_EQ(dense.bottom - dense.top, 692);
    // Real glyphs do not scale exactly, but the columns grow about as the font.
    EXPECT_GT(painted.width, baseWidth * 13 / 10);
    EXPECT_LT(painted.width, baseWidth * 17 / 10);
}

void SendButton(DWORD flags) {
    INPUT input{INPUT_MOUSE};
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

TEST_F(FrameTest, RealDoubleClickOpensADayAndADragMovesTheWindow) {
    Configure([](Settings& s) { s.zOrder = 1; });  // on top, so the clicks reach it
    HWND hwnd = Open();
    // Real clicks: a plain click must start no move loop, or the second is lost.
    DateTime opened;
    frame->View().SetDayOpener([&](const DayRecord& day) { opened = day.date; });
    const RECT start = WindowRect();
    const Rect cell = doc->Day(IndexOf(At(2026, 5, 14))).cell;
    const POINT day{start.left + (cell.left + cell.right) / 2,
                    start.top + (cell.top + cell.bottom) / 2};
    SetCursorPos(day.x, day.y);
    for (int click = 0; click < 2; ++click) {
        SendButton(MOUSEEVENTF_LEFTDOWN);
        SendButton(MOUSEEVENTF_LEFTUP);
        PumpFor(100);
    }
    EXPECT_EQ(opened, At(2026, 5, 14));
    // A drag runs a move loop inside the pump, so its input comes from another thread.
    std::thread drag([day] {
        SendButton(MOUSEEVENTF_LEFTDOWN);
        for (int step = 1; step <= 10; ++step) {
            Sleep(30);
            SetCursorPos(day.x + 5 * step, day.y + 3 * step);
        }
        Sleep(100);
        SendButton(MOUSEEVENTF_LEFTUP);
    });
    PumpFor(1500);
    drag.join();
    EXPECT_GT(WindowRect().left, start.left + 30);
    EXPECT_GT(WindowRect().top, start.top + 15);
    DestroyWindow(hwnd);
}

TEST_F(FrameTest, ResumeClockAndSettingChangesReturnToTodayAndTheSettingOneASecondLater) {
    HWND hwnd = Open();
    const DateTime elsewhere = At(2031, 7, 1);
    const std::pair<UINT, WPARAM> changes[] = {{WM_POWERBROADCAST, PBT_APMSUSPEND},
                                               {WM_POWERBROADCAST, PBT_APMRESUMECRITICAL},
                                               {WM_POWERBROADCAST, PBT_APMRESUMESUSPEND},
                                               {WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC},
                                               {WM_TIMECHANGE, 0},
                                               {WM_SETTINGCHANGE, 0}};
    for (const auto& [message, code] : changes) {
        doc->SetDisplayDate(elsewhere);
        SendMessageW(hwnd, message, code, 0);
        EXPECT_EQ(doc->DisplayDate().Year(), code == PBT_APMSUSPEND ? 2031 : 2026)
            << message << " " << code;
    }
    doc->SetDisplayDate(elsewhere);
    PumpFor(1500);
    EXPECT_NE(doc->DisplayDate(), elsewhere) << "timer 2 did not refresh the date";
    doc->SetDisplayDate(elsewhere);
    PumpFor(1500);
    EXPECT_EQ(doc->DisplayDate(), elsewhere) << "timer 2 must fire only once";
}

TEST_F(FrameTest, CommandsReachAboutAndExitAndTheMenusHoldThem) {
    std::vector<HWND> owners;
    MainFrameOptions options;
    options.showAbout = [&owners](HWND owner) { owners.push_back(owner); };
    HWND hwnd = Open(std::move(options));
    SendMessageW(hwnd, WM_COMMAND, ID_ABOUT, 0);
    SendMessageW(hwnd, WM_COMMAND, ID_ABOUT2, 0);
    EXPECT_EQ(owners, (std::vector<HWND>{hwnd, hwnd}));
    SendMessageW(hwnd, WM_COMMAND, ID_EXIT, 0);
    EXPECT_TRUE(IsWindow(hwnd)) << "closing is posted, not done inside the command";
    PumpFor(200);
    EXPECT_FALSE(IsWindow(hwnd));

    // The tray menu grows by the navigation block when clicks pass through.
    const struct {
        MenuSource source;
        bool shift;
        int mouseTransparent, items, lastId;
    } menus[] = {{MenuSource::Tray, false, 0, 9, ID_EXIT},
                 {MenuSource::Tray, false, 1, 14, ID_EXIT},
                 {MenuSource::Calendar, true, 1, 11, ID_EXIT2}};
    for (const auto& m : menus) {
        Settings settings;
        settings.mouseTransparent = m.mouseTransparent;
        const PopupRequest request{m.source, m.shift};
        HMENU menu = LoadContextMenu(GetModuleHandleW(nullptr), request, settings);
        HMENU popup = GetSubMenu(menu, 0);
        EXPECT_EQ(GetMenuItemCount(popup), m.items);
        EXPECT_EQ(GetMenuItemID(popup, m.items - 1), UINT(m.lastId)) << m.items;
        EXPECT_EQ(GetMenuItemID(popup, 3), UINT(m.shift ? ID_ICAL_IMPORT2 : ID_ICAL_IMPORT));
        if (m.items == 14) EXPECT_EQ(GetMenuItemID(popup, 8), UINT(ID_MONTH_CURRENT));
        if (m.shift) EXPECT_EQ(GetMenuItemID(popup, 5), UINT(ID_PROFILE));
        DestroyMenu(menu);
    }
}

TEST_F(FrameTest, ExitRequestClosesTheWindowAtPaint) {
    host.appData = std::nullopt;
    doc = std::make_unique<CvesmDoc>(host);
    ASSERT_TRUE(doc->ExitRequested());
    EXPECT_FALSE(IsWindow(Open())) << "the first paint must close the window";
}

}  // namespace
}  // namespace vesm
