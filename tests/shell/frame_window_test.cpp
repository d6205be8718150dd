// The frame window under Wine: styles, placement, tray icon, z-order, the
// saved position, menus and the system notifications it reacts to.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <cwchar>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "frame/popup_menu.h"
#include "frame/tray_icon.h"
#include "support/dialog_driver.h"
#include "support/frame_doc_host.h"

namespace vesm {
namespace {

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(10);
    }
}

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override { doc = std::make_unique<CvesmDoc>(host); }

    void Configure(void (*change)(Settings&)) {
        Settings settings = doc->GetSettings();
        change(settings);
        doc->SetSettings(settings);
    }

    CMainFrame& Open(MainFrameOptions options = {}) {
        options.quitOnDestroy = false;
        frame = std::make_unique<CMainFrame>(*doc, std::move(options));
        EXPECT_TRUE(frame->CreateFrame());
        return *frame;
    }

    RECT WindowRect() const {
        RECT rect{};
        GetWindowRect(frame->Hwnd(), &rect);
        return rect;
    }

    FrameDocHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CMainFrame> frame;
};

bool TrayIconExists(HWND owner) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof(probe);
    probe.hWnd = owner;
    probe.uID = 1;
    probe.uFlags = NIF_TIP;
    wcscpy(probe.szTip, L"vesm");
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

TEST_F(FrameTest, BorderlessLayeredToolWindowWithoutMenu) {
    HWND hwnd = Open().Hwnd();
    const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_BORDER), 0);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TOOLWINDOW), WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    EXPECT_EQ(exStyle & WS_EX_APPWINDOW, 0) << "a taskbar button would appear";
    EXPECT_EQ(GetMenu(hwnd), nullptr);
    wchar_t title[16] = {};
    GetWindowTextW(hwnd, title, 16);
    EXPECT_STREQ(title, L"vesm");
}

TEST_F(FrameTest, SavedCornersAreClampedToTheScreensOrMovedToThePrimaryWorkArea) {
    const int screenRight =
        GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const MonitorLayout uneven{Rect{0, 0, 2000, 1024},
                               {Rect{0, 0, 1280, 1024}, Rect{1280, 0, 2000, 500}},
                               Rect{0, 30, 1280, 1024}};
    const struct {
        Rect saved;
        std::optional<MonitorLayout> monitors;
        int left, top;
    } cases[] = {
        {Rect{-10000, -10000, 0, 0}, std::nullopt, -10, -10},  // only the margins off screen
        {Rect{5000, 100, 5300, 400}, std::nullopt, screenRight - 96, 100},
        {Rect{1500, 700, 1800, 1000}, uneven, 0, 30},  // the corner on no monitor
    };
    for (const auto& c : cases) {
        Settings settings = doc->GetSettings();
        settings.left = c.saved.left;
        settings.top = c.saved.top;
        settings.right = c.saved.right;
        settings.bottom = c.saved.bottom;
        doc->SetSettings(settings);
        MainFrameOptions options;
        if (c.monitors) options.monitors = *c.monitors;
        Open(options);
        EXPECT_EQ(WindowRect().left, c.left) << c.saved.left;
        EXPECT_EQ(WindowRect().top, c.top) << c.saved.left;
    }
}

HWND OpenOtherWindow() {
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 50, 50, 100, 100,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    return other;
}

TEST_F(FrameTest, LeftClickOnTheTrayIconBringsTheFrameForward) {
    HWND hwnd = Open().Hwnd();
    SetLayeredWindowAttributes(hwnd, 0, 255, LWA_ALPHA);
    HWND other = OpenOtherWindow();
    SetForegroundWindow(other);
    ASSERT_EQ(GetForegroundWindow(), other);
    SendMessageW(hwnd, kTrayCallbackMessage, 1, WM_MOUSEMOVE);
    EXPECT_EQ(GetForegroundWindow(), other) << "only the button's release acts";
    SendMessageW(hwnd, kTrayCallbackMessage, 1, WM_LBUTTONUP);
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    DestroyWindow(other);
}

TEST_F(FrameTest, TrayIconComesBackWhenTheTaskbarIsCreatedAgain) {
    HWND hwnd = Open().Hwnd();
    ASSERT_TRUE(TrayIconExists(hwnd));
    // What an Explorer restart does to the icon.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof(gone);
    gone.hWnd = hwnd;
    gone.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &gone));
    ASSERT_FALSE(TrayIconExists(hwnd));
    SendMessageW(hwnd, TrayIcon::TaskbarCreatedMessage(), 0, 0);
    EXPECT_TRUE(TrayIconExists(hwnd));
    frame.reset();
    EXPECT_FALSE(TrayIconExists(hwnd)) << "the icon must go with the window";
}

bool IsBelow(HWND window, HWND other) {
    for (HWND next = GetWindow(other, GW_HWNDNEXT); next != nullptr;
         next = GetWindow(next, GW_HWNDNEXT)) {
        if (next == window) return true;
    }
    return false;
}

void RaiseToTop(HWND hwnd) {
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TEST_F(FrameTest, BottomMostModeKeepsTheWindowBelowOthers) {
    HWND hwnd = Open().Hwnd();
    const auto paint = [this] {
        RedrawWindow(frame->View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    paint();  // the first paint sizes the window, a change of place of its own
    HWND other = OpenOtherWindow();
    ASSERT_NE(other, nullptr);
    RaiseToTop(hwnd);
    EXPECT_FALSE(IsBelow(hwnd, other)) << "normal mode lets the window rise";
    RaiseToTop(other);
    paint();
    EXPECT_TRUE(IsBelow(hwnd, other)) << "nor does a paint in normal mode raise it";

    RaiseToTop(hwnd);
    Configure([](Settings& s) { s.zOrder = 2; });
    paint();
    EXPECT_TRUE(IsBelow(hwnd, other)) << "the paint after the choice";
    RaiseToTop(hwnd);
    EXPECT_TRUE(IsBelow(hwnd, other)) << "raised";
    RaiseToTop(other);
    SetForegroundWindow(hwnd);
    EXPECT_TRUE(IsBelow(hwnd, other)) << "activated";
    DestroyWindow(other);
}

TEST_F(FrameTest, EndOfMoveSavesTheWindowRectangle) {
    HWND hwnd = Open().Hwnd();
    SetWindowPos(hwnd, nullptr, 123, 45, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(hwnd, WM_EXITSIZEMOVE, 0, 0);
    const Settings settings = doc->GetSettings();
    EXPECT_EQ(settings.left, 123);
    EXPECT_EQ(settings.top, 45);
    EXPECT_EQ(settings.right, 423);
    EXPECT_EQ(settings.bottom, 245);
    const std::string file = host.SettingsText();
    EXPECT_NE(file.find("left=123\r\n"), std::string::npos) << file.substr(0, 200);
    EXPECT_NE(file.find("top=45\r\n"), std::string::npos);
    EXPECT_NE(file.find("right=423\r\n"), std::string::npos);
    EXPECT_NE(file.find("bottom=245\r\n"), std::string::npos);
}

TEST_F(FrameTest, ResumeAndClockChangesReturnToToday) {
    const DateTime now = doc->Host().Now();
    HWND hwnd = Open().Hwnd();
    const DateTime elsewhere = DateTime::Build(2031, 7, 1).value();

    doc->SetDisplayDate(elsewhere);
    EXPECT_EQ(SendMessageW(hwnd, WM_POWERBROADCAST, PBT_APMSUSPEND, 0), TRUE);
    EXPECT_EQ(doc->DisplayDate(), elsewhere) << "suspending is not a resume";
    for (WPARAM resume : {PBT_APMRESUMECRITICAL, PBT_APMRESUMESUSPEND, PBT_APMRESUMEAUTOMATIC}) {
        doc->SetDisplayDate(elsewhere);
        EXPECT_EQ(SendMessageW(hwnd, WM_POWERBROADCAST, resume, 0), TRUE);
        EXPECT_EQ(doc->DisplayDate().Year(), now.Year()) << "resume code " << resume;
    }
    doc->SetDisplayDate(elsewhere);
    SendMessageW(hwnd, WM_TIMECHANGE, 0, 0);
    EXPECT_EQ(doc->DisplayDate().Month(), now.Month());
}

TEST_F(FrameTest, SettingChangeRefreshesAgainASecondLater) {
    HWND hwnd = Open().Hwnd();
    const DateTime elsewhere = DateTime::Build(2031, 7, 1).value();
    doc->SetDisplayDate(elsewhere);
    SendMessageW(hwnd, WM_SETTINGCHANGE, 0, 0);
    EXPECT_NE(doc->DisplayDate(), elsewhere);
    doc->SetDisplayDate(elsewhere);
    PumpFor(1500);
    EXPECT_NE(doc->DisplayDate(), elsewhere) << "timer 2 did not refresh the date";
    doc->SetDisplayDate(elsewhere);
    PumpFor(1500);
    EXPECT_EQ(doc->DisplayDate(), elsewhere) << "timer 2 must fire only once";
}

TEST_F(FrameTest, ExitCommandClosesTheWindow) {
    HWND hwnd = Open().Hwnd();
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(32775, 0), 0);
    EXPECT_TRUE(IsWindow(hwnd)) << "closing is posted, not done inside the command";
    PumpFor(200);
    EXPECT_FALSE(IsWindow(hwnd));
}

TEST_F(FrameTest, BothAboutCommandsReachTheApplicationsAboutBox) {
    MainFrameOptions options;
    std::vector<HWND> owners;
    options.showAbout = [&owners](HWND owner) { owners.push_back(owner); };
    HWND hwnd = Open(std::move(options)).Hwnd();
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(32776, 0), 0);
    SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(32803, 0), 0);
    EXPECT_EQ(owners, (std::vector<HWND>{hwnd, hwnd}));
}

TEST_F(FrameTest, DueTaskAtATickRaisesTheAlarmAndMarksTheTask) {
    const DateTime now = doc->Host().Now();
    CTaskTime task;
    task.taskTime = now - TimeSpan(20);
    task.taskMode = 2;
    task.text = "due";
    task.alarmTime = NoDayDate();
    doc->InsertTaskSorted(task);
    HWND hwnd = Open().Hwnd();
    const auto titles = ModalScript::Run(hwnd, WM_TIMER, 1, 0,
                                         {[](const DialogDriver& alarm) { alarm.Post(IDOK); }});
    EXPECT_EQ(titles, std::vector<std::string>{"予定時刻になりました"});
    EXPECT_EQ(doc->Task(0).taskMode, 3);
}

std::wstring ItemText(HMENU popup, int position) {
    wchar_t text[64] = {};
    GetMenuStringW(popup, static_cast<UINT>(position), text, 64, MF_BYPOSITION);
    return text;
}

int SeparatorCount(HMENU popup) {
    int separators = 0;
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        if (GetMenuItemID(popup, i) == 0) ++separators;
    }
    return separators;
}

TEST(FrameMenuTest, TrayMenuGrowsByTheNavigationBlockWhenClicksPassThrough) {
    Settings settings;
    PopupRequest tray;
    tray.source = MenuSource::Tray;
    HINSTANCE instance = GetModuleHandleW(nullptr);

    settings.mouseTransparent = 0;
    HMENU plain = LoadContextMenu(instance, tray, settings);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(GetMenuItemCount(GetSubMenu(plain, 0)), 9);
    EXPECT_EQ(SeparatorCount(GetSubMenu(plain, 0)), 2);
    DestroyMenu(plain);

    settings.mouseTransparent = 1;
    HMENU menu = LoadContextMenu(instance, tray, settings);
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(popup), 14);
    EXPECT_EQ(SeparatorCount(popup), 3);
    EXPECT_EQ(ItemText(popup, 1), L"予定表(&T)");
    EXPECT_EQ(ItemText(popup, 2), L"iCalendarに書き出す(&E)...");
    EXPECT_EQ(ItemText(popup, 3), L"iCalendarを読み込む(&I)...");
    EXPECT_EQ(GetMenuItemID(popup, 4), 0u);
    EXPECT_EQ(ItemText(popup, 5), L"前月へ（&B)");
    EXPECT_EQ(GetMenuItemID(popup, 8), 32785u);
    EXPECT_EQ(GetMenuItemID(popup, 9), 0u);
    EXPECT_EQ(ItemText(popup, 10), L"ヘルプ(&H)");
    EXPECT_EQ(GetMenuItemID(popup, 13), 32775u);
    DestroyMenu(menu);
}

TEST(FrameMenuTest, ShiftOffersTheProfileMenuAndTheCalendarGetsNoNavigation) {
    Settings settings;
    settings.mouseTransparent = 1;
    PopupRequest calendar;
    calendar.source = MenuSource::Calendar;
    calendar.shiftHeld = true;
    HMENU menu = LoadContextMenu(GetModuleHandleW(nullptr), calendar, settings);
    ASSERT_NE(menu, nullptr);
    HMENU popup = GetSubMenu(menu, 0);
    EXPECT_EQ(GetMenuItemCount(popup), 11);
    EXPECT_EQ(ItemText(popup, 3), L"iCalendarを読み込む(&I)...");
    EXPECT_EQ(ItemText(popup, 5), L"プロフィール(&P)");
    EXPECT_EQ(GetMenuItemID(popup, 5), 32802u);
    EXPECT_EQ(GetMenuItemID(popup, 10), 32804u);
    DestroyMenu(menu);
}

}  // namespace
}  // namespace vesm
