// The whole road of a task alarm in one process, with the clock in the test's
// hand: double-click 10 May, add a task at 15:00 with an alarm 30 minutes
// before, OK in the editor and the list; the day shows the task; the tick
// after 14:30 raises the alarm, which is snoozed for 5 minutes and comes back.
// Also the two menu commands that list all tasks. The dialogs are modal, so a
// thread timer plays the user inside their loops.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "frame/main_frame.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

// Pixels inside a rectangle of the window, as it is on screen, that show a
// colour over the black background at any coverage of the anti-aliasing.
int CountShadesOnScreen(HWND window, const Rect& rect, COLORREF colour) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    int count = 0;
    const auto* pixels = static_cast<const DWORD*>(bits);
    const double full[3] = {double(GetRValue(colour)), double(GetGValue(colour)),
                            double(GetBValue(colour))};
    const double brightest = std::max({full[0], full[1], full[2]});
    for (int i = 0; i < width * height; ++i) {
        const DWORD pixel = pixels[i];
        const double seen[3] = {double((pixel >> 16) & 0xFF), double((pixel >> 8) & 0xFF),
                                double(pixel & 0xFF)};
        const double coverage = std::max({seen[0], seen[1], seen[2]}) / brightest;
        bool shade = coverage > 0.25 && coverage <= 1.01;
        for (int c = 0; c < 3 && shade; ++c) shade = std::abs(seen[c] - full[c] * coverage) <= 4;
        count += shade;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return count;
}

Rect ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Rect{client.left, client.top, client.right, client.bottom};
}

// The user: each timer tick looks at the thread's enabled dialog and does the
// next thing for it. What it saw is kept for the test's checks.
struct User {
    static inline FakeHost* host = nullptr;
    static inline std::vector<std::string> titles;
    static inline std::vector<int> listRowCounts;
    static inline std::vector<std::string> alarmMessages;
    static inline std::vector<std::string> filesAtAlarm;
    static inline bool snooze = false;
    static inline HWND seen = nullptr;

    static void Select(HWND dialog, int id, int index) {
        ComboSelect(GetDlgItem(dialog, id), index);
    }
    static void Press(HWND dialog, int id) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
    }

    static void FillEditor(HWND editor) {
        SetText(GetDlgItem(editor, IDC_EDITOR_TEXT), "歯医者");
        SendMessageW(GetDlgItem(editor, IDC_EDITOR_TIME), BM_CLICK, 0, 0);
        Select(editor, IDC_EDITOR_HOUR, 15);
        Select(editor, IDC_EDITOR_TENS, 0);
        Select(editor, IDC_EDITOR_ONES, 0);
        SendMessageW(GetDlgItem(editor, IDC_EDITOR_RELATIVE_ALARM), BM_CLICK, 0, 0);
        Select(editor, IDC_EDITOR_INTERVAL_HOURS, 0);
        Select(editor, IDC_EDITOR_INTERVAL_TENS, 3);
        Select(editor, IDC_EDITOR_INTERVAL_ONES, 0);
        Select(editor, IDC_EDITOR_DIRECTION, 0);
        Press(editor, IDOK);
    }

    static void Act(HWND dialog) {
        std::string title = GetText(dialog);
        titles.push_back(title);
        if (title == "2024.05.10(金曜) の予定表") {
            int rows = ListViewRowCount(GetDlgItem(dialog, IDC_TASK_ROWS));
            listRowCounts.push_back(rows);
            Press(dialog, rows == 0 ? IDC_TASK_ADD : IDOK);
        } else if (title == "2024.05.10(金曜) ") {
            FillEditor(dialog);
        } else if (title == "アラーム時刻になりました") {
            alarmMessages.push_back(GetText(GetDlgItem(dialog, IDC_ALARM_MESSAGE)));
            filesAtAlarm.push_back(host->SettingsFile());
            if (snooze) {
                SendMessageW(GetDlgItem(dialog, IDC_SNOOZE_ON), BM_CLICK, 0, 0);
                Select(dialog, IDC_SNOOZE_MINUTES, 4);
            }
            Press(dialog, IDOK);
        } else {
            Press(dialog, IDCANCEL);
        }
    }

    static BOOL CALLBACK Visit(HWND window, LPARAM) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window) ||
            !IsWindowEnabled(window)) {
            return TRUE;
        }
        // One action per dialog window until it has been replaced.
        if (window == seen) return FALSE;
        seen = window;
        Act(window);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
    }
};

TEST(TaskRoadTest, DoubleClickAddAlarmSnoozeAndAlarmAgain) {
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
    FakeHost host;
    host.now = At(2024, 5, 1, 9, 0);
    CvesmDoc doc(host);
    Settings settings = doc.GetSettings();
    settings.time12or24 = 24;
    settings.dateFormat = 0;
    settings.colorTaskday = 64128128;
    doc.SetSettings(settings);
    doc.SetDisplayDate(host.now);
    User::host = &host;

    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(doc, options);
    ASSERT_TRUE(frame.CreateFrame());
    HWND view = frame.View().Hwnd();
    InvalidateRect(view, nullptr, FALSE);
    UpdateWindow(view);

    Rect cell;
    for (std::size_t i = 0; i < doc.DayCount(); ++i) {
        if (doc.Day(i).date == At(2024, 5, 10)) cell = doc.Day(i).cell;
    }
    ASSERT_LT(cell.left, cell.right) << "10 May is not drawn";
    const COLORREF taskMark = RGB(64, 128, 128);
    // The only task mark on screen will be the new task's.
    EXPECT_EQ(CountShadesOnScreen(view, ClientRect(view), taskMark), 0);
    const UINT_PTR user = SetTimer(nullptr, 0, 150, User::OnTimer);
    SendMessageW(view, WM_LBUTTONDBLCLK, 0,
                 MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));

    EXPECT_EQ(User::titles,
              (std::vector<std::string>{"2024.05.10(金曜) の予定表", "2024.05.10(金曜) ",
                                        "2024.05.10(金曜) の予定表"}));
    EXPECT_EQ(User::listRowCounts, (std::vector<int>{0, 1}));
    ASSERT_EQ(doc.TaskCount(), 1u);
    CTaskTime task = doc.Task(0);
    EXPECT_EQ(task.text, "歯医者");
    EXPECT_EQ(task.taskTime, At(2024, 5, 10, 15, 0));
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 14, 30));
    const std::string line = EncodeCp932("2`2024`5`10`15`0`2`2024`5`10`14`30`1`歯医者");
    EXPECT_NE(host.SettingsFile().find(line), std::string::npos);

    // The repainted day carries the task: its tooltip names it.
    InvalidateRect(view, nullptr, FALSE);
    UpdateWindow(view);
    ASSERT_TRUE(frame.View().LastPaint().has_value());
    bool named = false;
    for (const TooltipTool& tool : frame.View().LastPaint()->tooltips) {
        named = named || tool.text.find("歯医者") != std::string::npos;
    }
    EXPECT_TRUE(named);
    EXPECT_GT(CountShadesOnScreen(view, ClientRect(view), taskMark), 5);

    // Just after 14:30 the tick raises the alarm; it is snoozed for 5 minutes.
    User::snooze = true;
    host.now = At(2024, 5, 10, 14, 30, 10);
    SendMessageW(frame.Hwnd(), WM_TIMER, 1, 0);
    ASSERT_EQ(User::alarmMessages.size(), 1u);
    EXPECT_EQ(User::alarmMessages[0], "予定時刻 2024.05.10 15:00 まであと 29分 です");
    EXPECT_NE(User::filesAtAlarm[0].find(EncodeCp932("2`2024`5`10`14`30`0`歯医者")),
              std::string::npos);
    task = doc.Task(0);
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 14, 35));
    EXPECT_EQ(task.alarmArmed, 1);

    // Before the snooze is up nothing comes; the tick after it raises the alarm again.
    User::snooze = false;
    host.now = At(2024, 5, 10, 14, 34, 50);
    SendMessageW(frame.Hwnd(), WM_TIMER, 1, 0);
    EXPECT_EQ(User::alarmMessages.size(), 1u);
    host.now = At(2024, 5, 10, 14, 35, 0);
    SendMessageW(frame.Hwnd(), WM_TIMER, 1, 0);
    KillTimer(nullptr, user);
    ASSERT_EQ(User::alarmMessages.size(), 2u);
    EXPECT_EQ(User::alarmMessages[1], "予定時刻 2024.05.10 15:00 まであと 25分 です");
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    DestroyWindow(frame.Hwnd());
}

TEST(TaskRoadTest, BothTaskListCommandsOpenTheListOfAllTasks) {
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
    FakeHost host;
    CvesmDoc doc(host);
    User::host = &host;
    User::titles.clear();
    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(doc, options);
    ASSERT_TRUE(frame.CreateFrame());
    const UINT_PTR user = SetTimer(nullptr, 0, 150, User::OnTimer);
    SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_TASK_LIST, 0), 0);
    SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_TASK_LIST2, 0), 0);
    KillTimer(nullptr, user);
    EXPECT_EQ(User::titles, (std::vector<std::string>{"全予定表", "全予定表"}));
    DestroyWindow(frame.Hwnd());
}

// While one task list is open, a second request for it opens nothing: its OK
// would overwrite whatever the first list writes back.
struct SecondRequester {
    static inline HWND frame = nullptr;
    static inline std::vector<HWND> listsSeen;

    static BOOL CALLBACK Visit(HWND window, LPARAM) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        if (std::find(listsSeen.begin(), listsSeen.end(), window) != listsSeen.end()) {
            return TRUE;
        }
        listsSeen.push_back(window);
        if (listsSeen.size() == 1) SendMessageW(frame, WM_COMMAND, MAKEWPARAM(ID_TASK_LIST, 0), 0);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return FALSE;
    }
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        EnumThreadWindows(GetCurrentThreadId(), Visit, 0);
    }
};

TEST(TaskRoadTest, SecondTaskListRequestWhileOneIsOpenOpensNothing) {
    ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
    FakeHost host;
    CvesmDoc doc(host);
    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(doc, options);
    ASSERT_TRUE(frame.CreateFrame());
    SecondRequester::frame = frame.Hwnd();
    const UINT_PTR user = SetTimer(nullptr, 0, 150, SecondRequester::OnTimer);
    SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_TASK_LIST, 0), 0);
    KillTimer(nullptr, user);
    EXPECT_EQ(SecondRequester::listsSeen.size(), 1u);
    DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace vesm
