// Start-up in process: the year check, the single-instance guard, and the
// creation of document, frame and view on a first start.
#include "app/vesm_app.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "support/scratch_folder.h"
#include "win32/utf.h"

namespace vesm {
namespace {

struct ShownMessage {
    std::string text;
    std::string caption;
    UINT flags;
};

int CountTopLevelWindowsTitled(const wchar_t* title) {
    struct Search {
        const wchar_t* title;
        int count;
    } search{title, 0};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            wchar_t text[64] = {};
            GetWindowTextW(window, text, 64);
            if (std::wstring(text) == s->title) ++s->count;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.count;
}

std::wstring UserName() {
    wchar_t name[257] = {};
    DWORD length = 257;
    GetUserNameW(name, &length);
    return name;
}

class AppStartupTest : public testing::Test {
protected:
    ScratchFolder appData;
    std::vector<ShownMessage> messages;
    std::wstring mutexName = L"vesmira-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                             Widen(testing::UnitTest::GetInstance()->current_test_info()->name());

    AppOptions OptionsAt(int year, int month, int day, int hour = 12, int minute = 0,
                         int second = 0) {
        AppOptions options;
        const DateTime now = DateTime::Build(year, month, day, hour, minute, second).value();
        options.clock = [now] { return now; };
        options.appDataFolder = Narrow(appData.Path());
        options.showStartupMessage = [this](std::string_view text, std::string_view caption,
                                            UINT flags) {
            messages.push_back({std::string(text), std::string(caption), flags});
        };
        options.mutexName = mutexName;
        options.quitOnFrameDestroy = false;
        return options;
    }

    bool MutexExists() {
        HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, mutexName.c_str());
        if (mutex == nullptr) return false;
        CloseHandle(mutex);
        return true;
    }
};

TEST_F(AppStartupTest, FirstStartOnTheLastDayMakesTheFolderTheFrameAndItsViewButNoFile) {
    CvesmApp app(OptionsAt(2099, 12, 31, 23, 59, 59));
    ASSERT_TRUE(app.InitInstance());
    EXPECT_TRUE(MutexExists());
    const std::wstring userFolder = appData.Child(L"vesmira\\" + UserName());
    EXPECT_TRUE(FolderExists(userFolder));
    EXPECT_FALSE(FileExists(userFolder + L"\\vesmira.ini"));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(app.Document()->ExitRequested());
    EXPECT_EQ(app.Document()->SettingsPath(), Narrow(userFolder + L"\\vesmira.ini"));

    HWND frame = app.Frame()->Hwnd();
    ASSERT_NE(frame, nullptr);
    wchar_t title[16] = {};
    GetWindowTextW(frame, title, 16);
    EXPECT_STREQ(title, L"vesm");
    const LONG style = GetWindowLongW(frame, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(frame, GWL_EXSTYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_VISIBLE | WS_CAPTION), WS_POPUP | WS_VISIBLE);
    EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TOOLWINDOW), WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(frame, GW_CHILD), app.Frame()->View().Hwnd());
}

TEST_F(AppStartupTest, YearsOutsideTheCalendarShowTheMessageAndEndStartUp) {
    struct Case {
        int year, month, day, hour, minute, second;
    };
    for (const Case& when : {Case{2100, 1, 1, 0, 0, 0}, Case{1979, 12, 31, 23, 59, 59}}) {
        SCOPED_TRACE(when.year);
        messages.clear();
        CvesmApp app(
            OptionsAt(when.year, when.month, when.day, when.hour, when.minute, when.second));
        EXPECT_FALSE(app.InitInstance());
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "このカレンダーは1980年～2099年対応です。");
        EXPECT_EQ(messages[0].caption, "vesmira");
        EXPECT_EQ(messages[0].flags & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
        // Nothing else happened: no mutex, no folder, no window.
        EXPECT_FALSE(MutexExists());
        EXPECT_FALSE(FolderExists(appData.Child(L"vesmira")));
        EXPECT_EQ(app.Frame(), nullptr);
    }
}

TEST_F(AppStartupTest, SecondStartBringsTheFirstWindowForwardAndEndsSilently) {
    CvesmApp first(OptionsAt(2026, 5, 10));
    ASSERT_TRUE(first.InitInstance());
    // Something else takes the foreground before the second start.
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50,
                                 nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);

    CvesmApp second(OptionsAt(2026, 5, 10));
    EXPECT_FALSE(second.InitInstance());
    EXPECT_EQ(second.Document(), nullptr);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(CountTopLevelWindowsTitled(L"vesm"), 1);
    EXPECT_EQ(GetForegroundWindow(), first.Frame()->Hwnd());
    DestroyWindow(other);
}

TEST_F(AppStartupTest, SecondStartWithoutAFindableWindowStillEndsSilently) {
    HANDLE held = CreateMutexW(nullptr, TRUE, mutexName.c_str());
    ASSERT_NE(held, nullptr);
    CvesmApp second(OptionsAt(2026, 5, 10));
    EXPECT_FALSE(second.InitInstance());
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(FolderExists(appData.Child(L"vesmira")));
    CloseHandle(held);
}

}  // namespace
}  // namespace vesm
