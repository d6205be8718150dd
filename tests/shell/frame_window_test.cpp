// The calendar window under Wine: the frame and its view as the user meets
// them. Placement and the first paint, the tray icon, z-order, translucency and
// click-through, pixel density, clicks and drags, system notifications, the
// commands and menus, and the select-month dialog.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "frame/popup_menu.h"
#include "frame/tray_icon.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/message_pump.h"

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
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_THICKFRAME), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_APPWINDOW),
              WS_EX_LAYERED | WS_EX_TOOLWINDOW);
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

TEST_F(FrameTest, BottomMostModeKeepsTheWindowBelowOthers) {
    HWND hwnd = Open();
    HWND other = OpenOtherWindow();
    RaiseToTop(hwnd);
    EXPECT_FALSE(IsBelow(hwnd, other)) << "normal mode lets the window rise";
    RaiseToTop(other);
    Paint();
    EXPECT_TRUE(IsBelow(hwnd, other)) << "nor does a paint in normal mode raise it";

    RaiseToTop(hwnd);
    Configure([](Settings& s) { s.zOrder = 2; });
    Paint();
    EXPECT_TRUE(IsBelow(hwnd, other)) << "the paint after the choice";
    RaiseToTop(hwnd);
    EXPECT_TRUE(IsBelow(hwnd, other)) << "raised";
    RaiseToTop(other);
    SetForegroundWindow(hwnd);
    EXPECT_TRUE(IsBelow(hwnd, other)) << "activated";
    DestroyWindow(other);
}

TEST_F(FrameTest, PaintAppliesTranslucencyTopmostAndClickThrough) {
    // A static control hides from hit tests unless it asks for notifications.
    HWND beneath = OpenOtherWindow(SS_NOTIFY);
    HWND hwnd = Open();
    RaiseToTop(hwnd);
    const POINT inside{260, 300};
    EXPECT_EQ(GetAncestor(WindowFromPoint(inside), GA_ROOT), hwnd);
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
        EXPECT_TRUE(exStyle & WS_EX_LAYERED);
        EXPECT_EQ(GetAncestor(WindowFromPoint(inside), GA_ROOT), through ? beneath : hwnd);
    }
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
    const auto change = [hwnd](int dpi, RECT suggested) {
        SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), LPARAM(&suggested));
    };
    change(144, RECT{300, 220, 300 + baseWidth * 3 / 2, 220 + 666});
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
    change(96, RECT{200, 150, 200 + baseWidth, 150 + 444});
    EXPECT_EQ(WindowRect().right - WindowRect().left, baseWidth);
}

void SendButton(DWORD flags) {
    INPUT input{INPUT_MOUSE};
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

TEST_F(FrameTest, DoubleClicksChangeTheMonthOrOpenADayAndADragMovesTheWindow) {
    Configure([](Settings& s) {
        s.zOrder = 1;  // on top, so the clicks reach it
        s.numOfMonth = 1;
        s.numOfPast = 0;
    });
    HWND hwnd = Open();
    const auto doubleClick = [this](int x, int y) {
        SendMessageW(View(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        Paint();
    };
    doubleClick(doc->Zones().left.left, doc->Zones().left.top + 5);
    EXPECT_EQ(doc->DisplayDate(), At(2026, 4, 1));
    doubleClick(doc->Zones().right.right, doc->Zones().right.top + 5);
    doubleClick(doc->Zones().right.right, doc->Zones().right.top + 5);
    EXPECT_EQ(doc->DisplayDate(), At(2026, 6, 1));
    doubleClick(doc->Zones().bottom.left + 5, doc->Zones().bottom.bottom);
    EXPECT_EQ(doc->DisplayDate(), host.now);

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

int SeparatorCount(HMENU popup) {
    int separators = 0;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) separators += GetMenuItemID(popup, i) == 0;
    return separators;
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

    const struct {
        MenuSource source;
        bool shift;
        int mouseTransparent, items, separators, lastId;
    } menus[] = {{MenuSource::Tray, false, 0, 9, 2, ID_EXIT},
                 {MenuSource::Tray, false, 1, 14, 3, ID_EXIT},
                 {MenuSource::Calendar, true, 1, 11, 3, ID_EXIT2}};
    for (const auto& m : menus) {
        SCOPED_TRACE(m.items);
        Settings settings;
        settings.mouseTransparent = m.mouseTransparent;
        PopupRequest request;
        request.source = m.source;
        request.shiftHeld = m.shift;
        HMENU menu = LoadContextMenu(GetModuleHandleW(nullptr), request, settings);
        ASSERT_NE(menu, nullptr);
        HMENU popup = GetSubMenu(menu, 0);
        EXPECT_EQ(GetMenuItemCount(popup), m.items);
        EXPECT_EQ(SeparatorCount(popup), m.separators);
        EXPECT_EQ(GetMenuItemID(popup, m.items - 1), UINT(m.lastId));
        EXPECT_EQ(GetMenuItemID(popup, 3), UINT(m.shift ? ID_ICAL_IMPORT2 : ID_ICAL_IMPORT));
        if (m.items == 14) EXPECT_EQ(GetMenuItemID(popup, 8), UINT(ID_MONTH_CURRENT));
        if (m.shift) EXPECT_EQ(GetMenuItemID(popup, 5), UINT(ID_PROFILE));
        DestroyMenu(menu);
    }
}

TEST_F(FrameTest, ExitRequestClosesTheWindowAtPaintAndTheLargestSettingsPaint) {
    FakeHost failing;
    failing.appData = std::nullopt;
    CvesmDoc broken(failing);
    ASSERT_TRUE(broken.ExitRequested());
    CMainFrame closing(broken, MainFrameOptions{std::nullopt, false, {}});
    ASSERT_TRUE(closing.CreateFrame());
    RedrawWindow(closing.View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, closing.Hwnd(), WM_CLOSE, WM_CLOSE, PM_REMOVE));
    DestroyWindow(closing.Hwnd());

    Configure([](Settings& s) {
        s.fontPointSize = 256;
        s.frameSizeOfDate = 200;
        s.numOfMonth = 0;
        s.numOfPast = 4;
        s.clockInfo = 1;
    });
    doc->SetDisplayDate(At(2026, 5, 1));
    Open();
    const Size window = Paint().window;
    EXPECT_GT(window.width, GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_GT(window.height, GetSystemMetrics(SM_CYVIRTUALSCREEN));
    EXPECT_GT(doc->Day(IndexOf(At(2026, 12, 31))).cell.bottom, 0) << "a day the clicks miss";
}

TEST_F(FrameTest, SelectMonthOpensOnTheShownMonthAndTakesOnlyYears1980To2099) {
    HWND hwnd = Open();
    const auto choose = [](const char* year, int month, int button) {
        return [=](const DialogDriver& select) {
            select.Choose(IDC_SELECT_MONTH_LIST, month);
            select.Type(IDC_SELECT_MONTH_YEAR, year);
            select.Post(button);
        };
    };
    int low = 0, high = 0;
    const auto titles =
        ModalScript::Command(hwnd, ID_MONTH_SELECT, {[&](const DialogDriver& select) {
                                 EXPECT_EQ(select.Selected(IDC_SELECT_MONTH_LIST), 4);
                                 EXPECT_EQ(select.Text(IDC_SELECT_MONTH_YEAR), "2026");
                                 SendMessageW(select.Item(IDC_SELECT_MONTH_SPIN), UDM_GETRANGE32,
                                              WPARAM(&low), LPARAM(&high));
                                 for (const char* year : {"2100", "1979", ""}) {
                                     select.Type(IDC_SELECT_MONTH_YEAR, year);
                                     select.Press(IDOK);
                                 }
                                 EXPECT_EQ(doc->DisplayDate(), host.now);
                                 choose("2099", 11, IDOK)(select);
                             }});
    EXPECT_EQ(titles, std::vector<std::string>{"表示月の選択"});
    EXPECT_EQ(low, 1980);
    EXPECT_EQ(high, 2099);
    EXPECT_EQ(host.CountMessages("1980年～2099年の間で指定してください。"), 3);
    EXPECT_EQ(doc->DisplayDate(), At(2099, 12, 1));
    EXPECT_GT(frame->View().LastPaint()->cells[IndexOf(At(2099, 12, 31))].bottom, 0);
    ModalScript::Command(hwnd, ID_MONTH_SELECT2, {choose("2000", 0, IDCANCEL)});
    EXPECT_EQ(doc->DisplayDate(), At(2099, 12, 1));
}

}  // namespace
}  // namespace vesm
