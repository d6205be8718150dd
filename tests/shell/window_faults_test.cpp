// The running program from outside: commands sent to its frame, modal dialogs
// played by a thread timer, the screen read back. A large calendar dragged
// left still shows on screen; every input message is modal to the dialog that
// raised it; the hidden menu's About command opens the About box, whose texts
// fit their controls.
#include <windows.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "app/vesm_app.h"
#include "doc/doc.h"
#include "frame/main_frame.h"
#include "res/resource.h"
#include "support/scratch_folder.h"
#include "support/screen_pixels.h"
#include "view/calendar_paint.h"
#include "view/gdi_glyph_source.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {
namespace {

const DateTime kNow = DateTime::Build(2026, 5, 20, 10, 0).value();

// Plays the user inside modal loops: each tick of a thread timer offers the
// thread's enabled, visible windows to the next step, which acts on the first
// one it recognises. After ten seconds every window is cancelled instead, so
// a window that never comes fails the test rather than hanging it.
struct Script {
    struct Step {
        std::function<bool(HWND)> recognises;
        std::function<void(HWND)> act;
    };
    static inline std::vector<Step> steps;
    static inline std::size_t played = 0;
    static inline DWORD deadline = 0;

    static BOOL CALLBACK Offer(HWND window, LPARAM) {
        if (GetTickCount() > deadline) return PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        if (played == steps.size() || !IsWindowVisible(window) || !IsWindowEnabled(window) ||
            !steps[played].recognises(window)) {
            return TRUE;
        }
        steps[played++].act(window);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), Offer, 0);
    }
    // Runs `start`, which opens the first modal window; true when every step
    // was played.
    static bool Play(std::vector<Step> script, const std::function<void()>& start) {
        steps = std::move(script);
        played = 0;
        deadline = GetTickCount() + 10000;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, OnTimer);
        start();
        KillTimer(nullptr, timer);
        return played == steps.size();
    }
};

std::function<bool(HWND)> HasControl(int id) {
    return [id](HWND window) { return GetDlgItem(window, id) != nullptr; };
}

std::function<bool(HWND)> Titled(const char* title) {
    return [title](HWND window) { return GetText(window) == title; };
}

void Press(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
}

class RunningProgramTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        AppOptions options;
        options.clock = [] { return kNow; };
        options.appDataFolder = Narrow(appData_.Path());
        // The guard lives as long as the process: one name per test.
        options.mutexName = L"vesmira-window-faults-" +
                            Widen(::testing::UnitTest::GetInstance()->current_test_info()->name());
        options.quitOnFrameDestroy = false;
        app_ = std::make_unique<CvesmApp>(std::move(options));
        ASSERT_TRUE(app_->InitInstance());
        frame = app_->Frame()->Hwnd();
        doc = app_->Document();
    }

    void Command(int id) { SendMessageW(frame, WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    ScratchFolder appData_;
    std::unique_ptr<CvesmApp> app_;
    HWND frame = nullptr;
    CvesmDoc* doc = nullptr;
};

TEST_F(RunningProgramTest, AboutCommandOfTheHiddenMenuOpensTheAboutBox) {
    HWND owner = nullptr;
    const bool played = Script::Play({{Titled("バージョン情報"),
                                       [&](HWND about) {
                                           owner = GetWindow(about, GW_OWNER);
                                           Press(about, IDOK);
                                       }}},
                                     [&] { Command(ID_APP_ABOUT); });
    EXPECT_TRUE(played) << "command 57664 showed no About box";
    EXPECT_EQ(owner, frame);
}

// Each message refusing a dialog's input must disable that dialog until it is
// answered: a second click cannot stack a second message, nor cancel from
// under it.
TEST_F(RunningProgramTest, InputMessagesAreModalToTheDialogThatRaisedThem) {
    std::vector<std::pair<HWND, HWND>> raiserAndOwner;
    HWND raiser = nullptr;
    const auto remember = [&](int id) {
        return [&raiser, id](HWND dialog) {
            raiser = dialog;
            Press(dialog, id);
        };
    };
    const auto setThenPress = [&](int field, const char* text) {
        return [&raiser, field, text](HWND dialog) {
            raiser = dialog;
            SetText(GetDlgItem(dialog, field), text);
            Press(dialog, IDOK);
        };
    };
    const Script::Step answer{Titled("vesmira"), [&](HWND box) {
                                  raiserAndOwner.emplace_back(raiser, GetWindow(box, GW_OWNER));
                                  Press(box, IDOK);
                              }};
    const auto cancel = [](HWND dialog) { Press(dialog, IDCANCEL); };

    EXPECT_TRUE(
        Script::Play({{HasControl(IDC_TASK_ROWS), remember(IDC_TASK_CHANGE)},
                      answer,
                      {HasControl(IDC_TASK_ROWS), [](HWND list) { Press(list, IDC_TASK_ADD); }},
                      {HasControl(IDC_EDITOR_TEXT), remember(IDOK)},
                      answer,
                      {HasControl(IDC_EDITOR_TEXT), cancel},
                      {HasControl(IDC_TASK_ROWS), cancel}},
                     [&] { Command(ID_TASK_LIST); }));
    EXPECT_TRUE(Script::Play({{Titled("Profile"), setThenPress(IDC_PROFILE_YEAR, "")},
                              answer,
                              {Titled("Profile"), cancel}},
                             [&] { Command(ID_PROFILE); }));
    EXPECT_TRUE(Script::Play({{Titled("表示月の選択"), setThenPress(IDC_SELECT_MONTH_YEAR, "2100")},
                              answer,
                              {Titled("表示月の選択"), cancel}},
                             [&] { Command(ID_MONTH_SELECT); }));

    ASSERT_EQ(raiserAndOwner.size(), 4u);
    for (const auto& [dialog, owner] : raiserAndOwner) {
        EXPECT_EQ(owner, dialog) << "message of " << GetText(dialog);
    }
}

void PumpFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    MSG message;
    while (GetTickCount() - start < milliseconds) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

// A one-row year is wider than the screen; dragged left until its right end
// shows, the screen must show the calendar's right end, not an empty strip.
TEST_F(RunningProgramTest, LargeCalendarDraggedLeftShowsItsRightEnd) {
    Settings settings = doc->GetSettings();
    settings.numOfMonth = 0;
    settings.numOfRow = 1;
    settings.transparent = 255;
    doc->SetSettings(settings);
    doc->RebuildDays();
    SetWindowPos(frame, HWND_TOP, 0, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(app_->Frame()->View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Size window = app_->Frame()->View().LastPaint()->window;
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    ASSERT_GT(window.width, screenWidth);

    const int left = screenWidth - window.width;
    SetWindowPos(frame, nullptr, left, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(300);

    std::vector<DayRecord> days;
    for (std::size_t i = 0; i < doc->DayCount(); ++i) days.push_back(doc->Day(i));
    const std::vector<CTaskTime> tasks;
    const PaintInput input{settings, doc->DisplayDate(), kNow, days, tasks};
    GdiGlyphSource glyphs;
    const CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs);
    OwnedCanvas expected(window.width, window.height);
    PaintCalendar(input, plan, glyphs, expected.Canvas());

    const std::vector<DWORD> shown =
        ReadShownPixels(nullptr, {0, 100, screenWidth, 100 + window.height});
    int wrong = 0;
    for (int y = 0; y < window.height; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            wrong += shown[static_cast<std::size_t>(y) * screenWidth + x] !=
                     expected.Canvas().At(x - left, y);
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << screenWidth * window.height << " pixels on screen";
}

// Under the Japanese locale the dialog font is wider than the template was
// drawn for: each text must still fit its control, and each control the box.
TEST(AboutLayoutTest, EveryTextFitsItsControlInsideTheBox) {
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
    CAboutDlg about([](const std::wstring&) {});
    ASSERT_NE(about.CreateModeless(nullptr), nullptr);
    RECT box{};
    GetClientRect(about.Hwnd(), &box);
    for (int id : {IDC_ABOUT_VERSION, IDC_ABOUT_URL, IDC_ABOUT_MAKER, IDC_ABOUT_RIGHTS}) {
        HWND control = about.Item(id);
        RECT place{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, about.Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.right <= box.right &&
                    place.bottom <= box.bottom)
            << "control " << id << " reaches out of the box";

        RECT room{};
        GetClientRect(control, &room);
        RECT needed = room;
        HDC dc = GetDC(control);
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
        const std::wstring text = Widen(GetText(control));
        DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(dc, old);
        ReleaseDC(control, dc);
        EXPECT_LE(needed.bottom, room.bottom) << GetText(control);
        EXPECT_LE(needed.right, room.right) << GetText(control);
    }
}

}  // namespace
}  // namespace vesm
