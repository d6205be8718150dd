// The alarm dialog under Wine: what it shows for a due task, the snooze choice,
// OK and the close box, and a task that is no longer due.
#include "tasks/alarm_dialog.h"

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "model/support/fake_host.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

CTaskTime Task(int taskMode, DateTime time, int alarmMode, DateTime alarm) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = taskMode;
    task.alarmMode = alarmMode;
    task.alarmArmed = 1;
    task.text = "会議 & 昼食";
    task.alarmTime = alarm;
    return task;
}

class AlarmDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<CvesmDoc>(host);
        Settings settings = doc->GetSettings();
        settings.time12or24 = 24;
        doc->SetSettings(settings);
    }

    HWND Open(std::size_t index) {
        writesBefore = host.writes;
        dialog = std::make_unique<CAlarmDialog>(*doc, index);
        return dialog->CreateModeless(nullptr);
    }

    // The close box posts its IDCANCEL.
    static void PumpMessages() {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    void Click(HWND window, int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CAlarmDialog> dialog;
    int writesBefore = 0;
};

TEST_F(AlarmDialogTest, DueAlarmShowsTheDistanceAndIsMarkedGiven) {
    doc->InsertTaskSorted(Task(1, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 14, 30)));
    host.now = At(2024, 5, 10, 14, 30, 0);
    HWND window = Open(0);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetText(window), "アラーム時刻になりました");
    EXPECT_EQ(GetText(GetDlgItem(window, IDC_ALARM_MESSAGE)),
              "予定時刻 2024.05.10 15:00 まであと 30分 です");
    EXPECT_EQ(GetText(GetDlgItem(window, IDC_ALARM_TEXT)), "会議 & 昼食");
    EXPECT_TRUE(IsChecked(window, IDC_SNOOZE_OFF));
    EXPECT_FALSE(IsChecked(window, IDC_SNOOZE_ON));
    HWND combo = GetDlgItem(window, IDC_SNOOZE_MINUTES);
    EXPECT_EQ(SendMessageW(combo, CB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(ComboSelection(combo), 4);
    EXPECT_FALSE(IsWindowEnabled(combo));
    EXPECT_EQ(doc->Task(0).alarmArmed, 0);
    EXPECT_EQ(host.writes - writesBefore, 1);
}

TEST_F(AlarmDialogTest, StaysOnTopOfOtherWindows) {
    doc->InsertTaskSorted(Task(2, At(2024, 5, 10, 15, 0), 0, NoDayDate()));
    host.now = At(2024, 5, 10, 15, 0, 20);
    HWND window = Open(0);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(GetText(window), "予定時刻になりました");
    EXPECT_EQ(GetText(GetDlgItem(window, IDC_ALARM_MESSAGE)),
              "予定時刻 2024.05.10 15:00 になりました");
    EXPECT_EQ(doc->Task(0).taskMode, 3);
}

TEST_F(AlarmDialogTest, RadiosSwitchTheSnoozeChoice) {
    doc->InsertTaskSorted(Task(2, At(2024, 5, 10, 15, 0), 0, NoDayDate()));
    host.now = At(2024, 5, 10, 15, 0);
    HWND window = Open(0);
    ASSERT_NE(window, nullptr);
    HWND combo = GetDlgItem(window, IDC_SNOOZE_MINUTES);
    Click(window, IDC_SNOOZE_ON);
    EXPECT_TRUE(IsWindowEnabled(combo));
    Click(window, IDC_SNOOZE_OFF);
    EXPECT_FALSE(IsWindowEnabled(combo));
}

TEST_F(AlarmDialogTest, SnoozeOfFiveMinutesComesOnTheWholeMinute) {
    doc->InsertTaskSorted(Task(2, At(2024, 5, 10, 10, 0), 0, NoDayDate()));
    host.now = At(2024, 5, 10, 10, 15, 30);
    HWND window = Open(0);
    ASSERT_NE(window, nullptr);
    Click(window, IDC_SNOOZE_ON);
    ComboSelect(GetDlgItem(window, IDC_SNOOZE_MINUTES), 4);
    host.now = At(2024, 5, 10, 10, 15, 42);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog->Result(), IDOK);
    CTaskTime task = doc->Task(0);
    EXPECT_EQ(task.alarmTime, At(2024, 5, 10, 10, 20, 0));
    EXPECT_EQ(task.alarmMode, 2);
    EXPECT_EQ(task.alarmArmed, 1);
    EXPECT_EQ(doc->GetSettings().snoozeIndex, 4);
    EXPECT_EQ(host.writes - writesBefore, 2);
}

TEST_F(AlarmDialogTest, CloseBoxNeitherSnoozesNorSaves) {
    doc->InsertTaskSorted(Task(1, At(2024, 5, 10, 10, 0), 1, At(2024, 5, 10, 9, 0)));
    host.now = At(2024, 5, 10, 9, 0);
    HWND window = Open(0);
    ASSERT_NE(window, nullptr);
    Click(window, IDC_SNOOZE_ON);
    SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog->Result(), IDCANCEL);
    EXPECT_EQ(doc->Task(0).alarmArmed, 0);
    EXPECT_EQ(doc->Task(0).alarmTime, At(2024, 5, 10, 9, 0));
    EXPECT_EQ(host.writes - writesBefore, 1);
}

TEST_F(AlarmDialogTest, TaskNoLongerDueClosesAtOnce) {
    CTaskTime given = Task(3, At(2024, 5, 10, 10, 0), 1, At(2024, 5, 10, 9, 0));
    given.alarmArmed = 0;
    doc->InsertTaskSorted(given);
    host.now = At(2024, 5, 10, 11, 0);
    HWND window = Open(0);
    EXPECT_FALSE(window != nullptr && IsWindow(window));
    EXPECT_FALSE(dialog->WasDue());
    EXPECT_EQ(host.writes - writesBefore, 0);
}

}  // namespace
}  // namespace vesm
