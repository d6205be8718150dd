// The whole road of a task alarm in one process, with the clock in the test's
// hand: double-click 10 May, add a task at 15:00 with an alarm 30 minutes
// before, OK in the editor and the list; the day shows the task; the tick
// after 14:30 raises the alarm, which is snoozed for 5 minutes and comes back.
// Also the two menu commands that list all tasks.
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
#include "shell/support/dialog_driver.h"
#include "shell/support/screen_pixels.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

// Pixels inside a rectangle of the window, as it is on screen, that show a
// colour over the black background at any coverage of the anti-aliasing.
int CountShadesOnScreen(HWND window, const Rect& rect, COLORREF colour) {
    const std::vector<DWORD> pixels =
        ReadShownPixels(window, {rect.left, rect.top, rect.right, rect.bottom});
    int count = 0;
    const double full[3] = {double(GetRValue(colour)), double(GetGValue(colour)),
                            double(GetBValue(colour))};
    const double brightest = std::max({full[0], full[1], full[2]});
    for (const DWORD pixel : pixels) {
        const double seen[3] = {double((pixel >> 16) & 0xFF), double((pixel >> 8) & 0xFF),
                                double(pixel & 0xFF)};
        const double coverage = std::max({seen[0], seen[1], seen[2]}) / brightest;
        bool shade = coverage > 0.25 && coverage <= 1.01;
        for (int c = 0; c < 3 && shade; ++c) shade = std::abs(seen[c] - full[c] * coverage) <= 4;
        count += shade;
    }
    return count;
}

Rect ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Rect{client.left, client.top, client.right, client.bottom};
}

void FillEditor(const DialogDriver& editor) {
    editor.Type(IDC_EDITOR_TEXT, "歯医者");
    editor.Click(IDC_EDITOR_TIME);
    editor.Choose(IDC_EDITOR_HOUR, 15);
    editor.Choose(IDC_EDITOR_TENS, 0);
    editor.Choose(IDC_EDITOR_ONES, 0);
    editor.Click(IDC_EDITOR_RELATIVE_ALARM);
    editor.Choose(IDC_EDITOR_INTERVAL_HOURS, 0);
    editor.Choose(IDC_EDITOR_INTERVAL_TENS, 3);
    editor.Choose(IDC_EDITOR_INTERVAL_ONES, 0);
    editor.Choose(IDC_EDITOR_DIRECTION, 0);
    editor.Post(IDOK);
}

TEST(TaskRoadTest, DoubleClickAddAlarmSnoozeAndAlarmAgain) {
    FakeHost host;
    host.now = At(2024, 5, 1, 9, 0);
    CvesmDoc doc(host);
    Settings settings = doc.GetSettings();
    settings.time12or24 = 24;
    settings.dateFormat = 0;
    settings.colorTaskday = 64128128;
    doc.SetSettings(settings);
    doc.SetDisplayDate(host.now);

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
    std::vector<int> rows;
    const auto countRows = [&rows](const DialogDriver& list) {
        rows.push_back(ListViewRowCount(list.Item(IDC_TASK_ROWS)));
    };
    const auto titles =
        ModalScript::Run(view, WM_LBUTTONDBLCLK, 0,
                         MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2),
                         {[&](const DialogDriver& list) {
                              countRows(list);
                              list.Post(IDC_TASK_ADD);
                          },
                          FillEditor,
                          [&](const DialogDriver& list) {
                              countRows(list);
                              list.Post(IDOK);
                          }});
    EXPECT_EQ(titles, (std::vector<std::string>{"2024.05.10(金曜) の予定表", "2024.05.10(金曜) ",
                                                "2024.05.10(金曜) の予定表"}));
    EXPECT_EQ(rows, (std::vector<int>{0, 1}));
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
    std::vector<std::string> messages;
    std::vector<std::string> filesAtAlarm;
    const auto seeAlarm = [&](const DialogDriver& alarm) {
        messages.push_back(alarm.Text(IDC_ALARM_MESSAGE));
        filesAtAlarm.push_back(host.SettingsFile());
    };
    const auto tick = [&](DateTime now, std::vector<ModalScript::Step> steps) {
        host.now = now;
        return ModalScript::Run(frame.Hwnd(), WM_TIMER, 1, 0, std::move(steps));
    };
    tick(At(2024, 5, 10, 14, 30, 10), {[&](const DialogDriver& alarm) {
             seeAlarm(alarm);
             alarm.Click(IDC_SNOOZE_ON);
             ComboSelect(alarm.Item(IDC_SNOOZE_MINUTES), 4);
             alarm.Post(IDOK);
         }});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "予定時刻 2024.05.10 15:00 まであと 29分 です");
    EXPECT_NE(filesAtAlarm[0].find(EncodeCp932("2`2024`5`10`14`30`0`歯医者")), std::string::npos);
    task = doc.Task(0);
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 14, 35));
    EXPECT_EQ(task.alarmArmed, 1);

    // Before the snooze is up nothing comes; the tick after it raises the alarm again.
    EXPECT_TRUE(tick(At(2024, 5, 10, 14, 34, 50), {}).empty());
    tick(At(2024, 5, 10, 14, 35, 0), {[&](const DialogDriver& alarm) {
             seeAlarm(alarm);
             alarm.Post(IDOK);
         }});
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1], "予定時刻 2024.05.10 15:00 まであと 25分 です");
    EXPECT_EQ(doc.Task(0).alarmArmed, 0);
    DestroyWindow(frame.Hwnd());
}

// Both task list commands open the list of all tasks; while one list is open a
// second request opens nothing, since its OK would overwrite the first's.
TEST(TaskRoadTest, TaskListCommandsOpenOneListOfAllTasks) {
    FakeHost host;
    CvesmDoc doc(host);
    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(doc, options);
    ASSERT_TRUE(frame.CreateFrame());
    const std::vector<std::string> allTasks{"全予定表"};
    EXPECT_EQ(ModalScript::Command(frame.Hwnd(), ID_TASK_LIST, {}), allTasks);
    EXPECT_EQ(ModalScript::Command(frame.Hwnd(), ID_TASK_LIST2, {}), allTasks);
    EXPECT_EQ(ModalScript::Command(frame.Hwnd(), ID_TASK_LIST, {[&](const DialogDriver& list) {
                                       SendMessageW(frame.Hwnd(), WM_COMMAND,
                                                    MAKEWPARAM(ID_TASK_LIST, 0), 0);
                                       list.Post(IDCANCEL);
                                   }}),
              allTasks);
    DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace vesm
