// The calendar window under Wine: the frame and its view as the user meets them.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <dlgs.h>

#include <fstream>
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
#include "support/dialog_driver.h"
#include "support/message_pump.h"
#include "support/scratch_folder.h"

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
    void Paint() const {
        RedrawWindow(frame->View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
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
    ASSERT_TRUE(frame->View().LastPaint().has_value()) << "a layered frame is never exposed";
    EXPECT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, nullptr, nullptr));
    const PaintResult& paint = *frame->View().LastPaint();
    EXPECT_EQ(paint.window.height, 444 + 16);  // 2 vm + 9 rh x 2 + 8 rh + rh / 2, and the clock
    const RECT rect = WindowRect();
    EXPECT_EQ((Rect{rect.left, rect.top, rect.right, rect.bottom}),
              (Rect{200, 150, 200 + paint.window.width, 150 + paint.window.height}));
    const std::size_t may10 = IndexOf(At(2026, 5, 10));
    EXPECT_EQ(doc->Day(may10).cell, paint.cells[may10]);
    EXPECT_GT(doc->Day(may10).cell.right, doc->Day(may10).cell.left);
    EXPECT_EQ(doc->Zones(), paint.zones);
    EXPECT_EQ(doc->ClockRect(), paint.clockRect);
    const auto tip = [this](int id) {
        return frame->View().Tooltips().TextOf(frame->View().Hwnd(), id);
    };
    EXPECT_EQ(tip(5000), L"ここをダブルクリックすると前月へ");
    EXPECT_EQ(tip(10000 + int(IndexOf(At(2026, 5, 5)))), L"・子供の日");
    EXPECT_EQ(tip(10000 + int(IndexOf(At(2026, 5, 12)))), L"");

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

NOTIFYICONDATAW TrayIconData(HWND owner, UINT flags) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = owner;
    data.uID = 1;
    data.uFlags = flags;
    return data;
}

bool TrayIconExists(HWND owner) {
    NOTIFYICONDATAW probe = TrayIconData(owner, NIF_TIP);
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
    NOTIFYICONDATAW gone = TrayIconData(hwnd, 0);
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
        EXPECT_EQ((GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, through);
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
    RECT suggested{300, 220, 300 + baseWidth * 3 / 2, 220 + 666};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), LPARAM(&suggested));
    EXPECT_EQ(frame->View().Scale().dpi, 144);
    const Size painted = frame->View().LastPaint()->window;
    EXPECT_EQ(painted.height, 692);  // vm 15 and rh 25 at font height 30
    const RECT dense = WindowRect();
    EXPECT_EQ((Rect{dense.left, dense.top, dense.right, dense.bottom}),
              (Rect{300, 220, 300 + painted.width, 220 + 692}));
    // Real glyphs do not scale exactly, but the columns grow about as the font.
    EXPECT_GT(painted.width, baseWidth * 13 / 10);
    EXPECT_LT(painted.width, baseWidth * 17 / 10);
}

void SendButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof(input));
}

TEST_F(FrameTest, DoubleClicksChangeTheMonthOrOpenADayAndADragMovesTheWindow) {
    Configure([](Settings& s) { s.zOrder = 1; });  // on top, so the clicks reach it
    HWND hwnd = Open();
    const auto doubleClick = [this](int x, int y) {
        SendMessageW(frame->View().Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        Paint();
        return doc->DisplayDate().Month();
    };
    EXPECT_EQ(doubleClick(doc->Zones().left.left, doc->Zones().left.top + 5), 4);
    EXPECT_EQ(doubleClick(doc->Zones().right.right, doc->Zones().right.top + 5), 5);
    EXPECT_EQ(doubleClick(doc->Zones().right.right, doc->Zones().right.top + 5), 6);
    EXPECT_EQ(doubleClick(doc->Zones().bottom.left + 5, doc->Zones().bottom.bottom), 5);
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

TEST_F(FrameTest, CommandsReachAboutAndExitTheMenusHoldThemAndAnExitRequestCloses) {
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
    // Menu 130 in the tray, with the navigation block as clicks pass through; 463 with Shift.
    Settings passing;
    passing.mouseTransparent = 1;
    for (const PopupRequest request :
         {PopupRequest{MenuSource::Tray, false}, PopupRequest{MenuSource::Calendar, true}}) {
        const bool tray = request.source == MenuSource::Tray;
        HMENU menu = LoadContextMenu(GetModuleHandleW(nullptr), request, passing);
        HMENU popup = GetSubMenu(menu, 0);
        EXPECT_EQ(GetMenuItemCount(popup), tray ? 14 : 11);
        EXPECT_EQ(GetMenuItemID(popup, tray ? 8 : 5), UINT(tray ? ID_MONTH_CURRENT : ID_PROFILE));
        EXPECT_EQ(GetMenuItemID(popup, tray ? 13 : 10), UINT(tray ? ID_EXIT : ID_EXIT2));
        DestroyMenu(menu);
    }
    // A document that cannot run, as without its folder, closes the window at the first paint.
    frame.reset();
    host.appData = std::nullopt;
    doc = std::make_unique<CvesmDoc>(host);
    ASSERT_TRUE(doc->ExitRequested());
    EXPECT_FALSE(IsWindow(Open()));
}

// The iCalendar items of both context menus, through the real Save and Open dialogs.
TEST_F(FrameTest, BothMenusExportAndImportICalendarThroughTheFileDialogs) {
    ScratchFolder folder;
    doc->InsertTaskSorted({At(2030, 2, 1, 9, 30), 1, 0, 1, "standup", NoDayDate()});
    HWND hwnd = Open();
    std::vector<std::string> offered;
    const auto run = [&](int command, const wchar_t* name) {
        ModalScript::Command(hwnd, command, {[&](const DialogDriver& files) {
                                 const int box = files.Item(cmb13) ? cmb13 : edt1;
                                 offered.push_back(files.Text(box));
                                 files.Type(box, Narrow(folder.Child(name)));
                                 files.Post(IDOK);
                             }});
        return host.files[Narrow(folder.Child(name))];
    };
    const std::string exported = run(ID_ICAL_EXPORT, L"a.ics");
    EXPECT_NE(exported.find("DTSTART;TZID=Asia/Tokyo:20300201T093000\r\nSUMMARY:standup\r\n"),
              std::string::npos)
        << exported;
    EXPECT_EQ(run(ID_ICAL_EXPORT2, L"b.ics"), exported);

    const std::string incoming =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nBEGIN:VEVENT\r\nDTSTART:20300301T010000Z\r\n"
        "SUMMARY:review\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nDTSTART;VALUE=DATE:20000606\r\n"
        "RRULE:FREQ=YEARLY\r\nSUMMARY:anniversary\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    std::ofstream(folder.Child(L"in.ics").c_str(), std::ios::binary) << incoming;
    host.files[Narrow(folder.Child(L"in.ics"))] = incoming;
    const std::size_t rules = doc->RuleCount(RuleListId::SpecialDay);
    run(ID_ICAL_IMPORT, L"in.ics");  // cancelled
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_NE(host.messages[0].text.find("記念日 1 件、予定 1 件を追加します。"),
              std::string::npos);
    EXPECT_NE(host.messages[0].text.find("2030/03/01 10:00 review"), std::string::npos)
        << host.messages[0].text;
    EXPECT_EQ(doc->TaskCount(), 1u);
    EXPECT_EQ(host.files[FakeHost::kSettingsPath].find("review"), std::string::npos);

    host.answers.push_back(MessageAnswer::Ok);
    const int redraws = host.redraws;
    run(ID_ICAL_IMPORT2, L"in.ics");
    EXPECT_EQ(doc->TaskCount(), 2u);
    EXPECT_EQ(doc->RuleCount(RuleListId::SpecialDay), rules + 1);
    EXPECT_NE(host.SettingsFile().find("task=1`2030`3`1`10`0`0`1975`1`1`0`0`1`review"),
              std::string::npos);
    EXPECT_NE(host.SettingsFile().find("2`6`6`0`anniversary"), std::string::npos);
    EXPECT_GT(host.redraws, redraws);

    EXPECT_EQ(offered, (std::vector<std::string>{"vesmira.ics", "vesmira.ics", "", ""}));
}

}  // namespace
}  // namespace vesm
