// The running program in process, as main() starts it: start-up with its year
// check and single-instance guard, the About box, messages modal to their
// dialogs, and a calendar larger than the screen as the screen shows it.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/about_dialog.h"
#include "app/vesm_app.h"
#include "doc/doc.h"
#include "frame/main_frame.h"
#include "res/resource.h"
#include "support/dialog_driver.h"
#include "support/message_pump.h"
#include "support/scratch_folder.h"
#include "support/screen_pixels.h"
#include "view/calendar_paint.h"
#include "view/gdi_glyph_source.h"

namespace vesm {
namespace {

class RunningProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed"; }

    AppOptions At(DateTime now) {
        AppOptions options;
        options.clock = [now] { return now; };
        options.appDataFolder = Narrow(appData.Path());
        options.showStartupMessage = [this](std::string_view text, std::string_view caption,
                                            UINT flags) {
            messages.push_back(std::string(text) + "|" + std::string(caption) + "|" +
                               std::to_string(flags & MB_ICONMASK));
        };
        options.mutexName = mutexName;
        options.quitOnFrameDestroy = false;
        return options;
    }
    void Start() {
        app = std::make_unique<CvesmApp>(At(kNow));
        ASSERT_TRUE(app->InitInstance());
        frame = app->Frame()->Hwnd();
        doc = app->Document();
    }

    const DateTime kNow = DateTime::Build(2026, 5, 20, 10, 0).value();
    ScratchFolder appData;
    std::vector<std::string> messages;
    // The guard lives as long as the process: one name per test.
    std::wstring mutexName =
        L"vesmira-test-" + Widen(testing::UnitTest::GetInstance()->current_test_info()->name());
    std::unique_ptr<CvesmApp> app;
    HWND frame = nullptr;
    CvesmDoc* doc = nullptr;
};

// Outside 1980 to 2099 start-up ends with the message. A first start on the
// last day makes the folder and the window, not the file; a second start brings
// the first window forward and ends silently, even when the guard's holder
// shows no window.
TEST_F(RunningProgramTest, StartUpTheYearCheckAndASecondStart) {
    for (const DateTime when :
         {DateTime::Build(2100, 1, 1).value(), DateTime::Build(1979, 12, 31, 23, 59, 59).value()}) {
        SCOPED_TRACE(when.Year());
        messages.clear();
        CvesmApp outside(At(when));
        EXPECT_FALSE(outside.InitInstance());
        EXPECT_EQ(messages, std::vector<std::string>{std::string(kYearMessage) + "|vesmira|" +
                                                     std::to_string(MB_ICONWARNING)});
        EXPECT_EQ(OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str()), nullptr);
        EXPECT_FALSE(FolderExists(appData.Child(L"vesmira")));
        EXPECT_EQ(outside.Frame(), nullptr);
    }
    messages.clear();
    HANDLE held = CreateMutexW(nullptr, TRUE, mutexName.c_str());
    CvesmApp blocked(At(kNow));
    EXPECT_FALSE(blocked.InitInstance());
    EXPECT_FALSE(FolderExists(appData.Child(L"vesmira")));
    CloseHandle(held);

    app = std::make_unique<CvesmApp>(At(DateTime::Build(2099, 12, 31, 23, 59, 59).value()));
    ASSERT_TRUE(app->InitInstance());
    frame = app->Frame()->Hwnd();
    wchar_t user[257] = {};
    DWORD length = 257;
    GetUserNameW(user, &length);
    const std::wstring settingsFile = appData.Child(L"vesmira\\") + user + L"\\vesmira.ini";
    EXPECT_EQ(app->Document()->SettingsPath(), Narrow(settingsFile));
    EXPECT_TRUE(FolderExists(appData.Child(L"vesmira\\") + user));
    EXPECT_FALSE(FileExists(settingsFile));

    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    CvesmApp second(At(kNow));
    EXPECT_FALSE(second.InitInstance());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(FindWindowW(nullptr, L"vesm"), frame);
    EXPECT_EQ(FindWindowExW(nullptr, frame, nullptr, L"vesm"), nullptr) << "a second window";
    EXPECT_EQ(GetForegroundWindow(), frame);
    DestroyWindow(other);
}

// The About box by its hidden command; each message refusing a dialog's input
// must disable that dialog until it is answered: a second click cannot stack a
// second message, nor cancel from under it.
TEST_F(RunningProgramTest, InputMessagesAreModalToTheDialogThatRaisedThem) {
    Start();
    HWND owner = nullptr;
    EXPECT_EQ(ModalScript::Command(frame, ID_APP_ABOUT, {[&](const DialogDriver& about) {
                                       owner = GetWindow(about.Hwnd(), GW_OWNER);
                                       about.Post(IDOK);
                                   }}),
              std::vector<std::string>{"バージョン情報"})
        << "command 57664 of the hidden menu opens the About box";
    EXPECT_EQ(owner, frame);

    HWND raiser = nullptr;
    std::vector<HWND> wrongOwners;
    const auto press = [&](int button, int field = 0, const char* text = "") {
        return [&raiser, button, field, text](const DialogDriver& dialog) {
            raiser = dialog.Hwnd();
            if (field != 0) dialog.Type(field, text);
            dialog.Post(button);
        };
    };
    const auto answer = [&](const DialogDriver& box) {
        if (GetWindow(box.Hwnd(), GW_OWNER) != raiser) wrongOwners.push_back(raiser);
        box.Post(IDOK);
    };
    EXPECT_EQ(ModalScript::Command(
                  frame, ID_TASK_LIST,
                  {press(IDC_TASK_CHANGE), answer, press(IDC_TASK_ADD), press(IDOK), answer}),
              (std::vector<std::string>{"全予定表", "vesmira", "全予定表", "予定の追加", "vesmira",
                                        "予定の追加", "全予定表"}));
    EXPECT_EQ(ModalScript::Command(frame, ID_PROFILE, {press(IDOK, IDC_PROFILE_YEAR), answer}),
              (std::vector<std::string>{"Profile", "vesmira", "Profile"}));
    // The select-month dialog opens on the shown month and takes only 1980 to 2099.
    std::string opened;
    const auto open = [&](const DialogDriver& dialog) {
        opened =
            dialog.SelectedText(IDC_SELECT_MONTH_LIST) + "/" + dialog.Text(IDC_SELECT_MONTH_YEAR);
        dialog.Choose(IDC_SELECT_MONTH_LIST, 11);
        press(IDOK, IDC_SELECT_MONTH_YEAR, "2100")(dialog);
    };
    EXPECT_EQ(ModalScript::Command(frame, ID_MONTH_SELECT,
                                   {open, answer, press(IDOK, IDC_SELECT_MONTH_YEAR, "2099")}),
              (std::vector<std::string>{"表示月の選択", "vesmira", "表示月の選択"}));
    EXPECT_EQ(opened, "5/2026");
    EXPECT_EQ(doc->DisplayDate(), DateTime::Build(2099, 12, 1).value());
    ModalScript::Command(frame, ID_MONTH_SELECT2, {press(IDCANCEL, IDC_SELECT_MONTH_YEAR, "2000")});
    EXPECT_EQ(doc->DisplayDate(), DateTime::Build(2099, 12, 1).value());
    EXPECT_TRUE(wrongOwners.empty()) << "a message not owned by " << GetText(wrongOwners[0]);
}

// A one-row year is wider than the screen; dragged left until its right end
// shows, the screen must show the calendar's right end, not an empty strip.
TEST_F(RunningProgramTest, LargeCalendarDraggedLeftShowsItsRightEnd) {
    Start();
    Settings settings = doc->GetSettings();
    settings.numOfMonth = 0;
    settings.numOfRow = 1;
    settings.transparent = 255;
    doc->SetSettings(settings);
    doc->RebuildDays();
    SetWindowPos(frame, HWND_TOP, 0, 100, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RedrawWindow(app->Frame()->View().Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const Size window = app->Frame()->View().LastPaint()->window;
    const int screenWidth = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    ASSERT_GT(window.width, screenWidth);
    const int left = screenWidth - window.width;
    SetWindowPos(frame, nullptr, left, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(300);

    std::vector<DayRecord> days;
    for (std::size_t i = 0; i < doc->DayCount(); ++i) days.push_back(doc->Day(i));
    KoyomiDays koyomi;
    const PaintInput input{settings, doc->DisplayDate(), kNow, days, {}, koyomi};
    GdiGlyphSource glyphs;
    OwnedCanvas expected(window.width, window.height);
    PaintCalendar(input, PlanCalendar(settings, input.displayDate, glyphs), glyphs,
                  expected.Canvas());
    const std::vector<DWORD> shown =
        ReadShownPixels(nullptr, {0, 100, screenWidth, 100 + window.height});
    int wrong = 0;
    for (int y = 0; y < window.height; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            wrong += shown[std::size_t(y) * screenWidth + x] != expected.Canvas().At(x - left, y);
        }
    }
    EXPECT_EQ(wrong, 0) << "of " << screenWidth * window.height << " pixels on screen";
}

// Under the Japanese locale the dialog font is wider than the template was
// drawn for: each text must still fit its control, and each control the box.
TEST(AboutLayoutTest, EveryTextFitsItsControlInsideTheBox) {
    CAboutDlg about([](const std::wstring&) {});
    ASSERT_NE(about.CreateModeless(nullptr), nullptr);
    RECT box{};
    GetClientRect(about.Hwnd(), &box);
    for (int id : {IDC_ABOUT_VERSION, IDC_ABOUT_URL, IDC_ABOUT_MAKER, IDC_ABOUT_RIGHTS}) {
        HWND control = about.Item(id);
        RECT place{}, inside{};
        GetWindowRect(control, &place);
        MapWindowPoints(nullptr, about.Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        IntersectRect(&inside, &place, &box);
        EXPECT_TRUE(EqualRect(&inside, &place)) << "control " << id << " reaches out of the box";
        RECT room{};
        GetClientRect(control, &room);
        RECT needed = room;
        HDC dc = GetDC(control);
        HGDIOBJ old = SelectObject(dc, HFONT(SendMessageW(control, WM_GETFONT, 0, 0)));
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
