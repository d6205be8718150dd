// The alarm dialog under Wine: what it shows for a due task, the snooze radios,
// the close box, and a task that is no longer due.
#include "tasks/alarm_dialog.h"

#include <windows.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "model/support/fake_host.h"
#include "res/resource.h"
#include "shell/support/dialog_driver.h"

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

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CAlarmDialog> dialog;
    int writesBefore = 0;
};

// Snoozing through the controls is walked by the task road test.
TEST_F(AlarmDialogTest, DueAlarmOnTopMarkedGivenAndTheCloseBoxNeitherSnoozesNorSaves) {
    doc->InsertTaskSorted(Task(1, At(2024, 5, 10, 15, 0), 2, At(2024, 5, 10, 14, 30)));
    host.now = At(2024, 5, 10, 14, 30, 0);
    const DialogDriver alarm(Open(0));
    ASSERT_TRUE(alarm.IsOpen());
    EXPECT_TRUE(GetWindowLongPtrW(alarm.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(alarm.Title(), "アラーム時刻になりました");
    EXPECT_EQ(alarm.Text(IDC_ALARM_MESSAGE), "予定時刻 2024.05.10 15:00 まであと 30分 です");
    EXPECT_EQ(alarm.Text(IDC_ALARM_TEXT), "会議 & 昼食");
    EXPECT_TRUE(alarm.Checked(IDC_SNOOZE_OFF));
    EXPECT_FALSE(alarm.Checked(IDC_SNOOZE_ON));
    EXPECT_EQ(alarm.Count(IDC_SNOOZE_MINUTES), 15);
    EXPECT_EQ(alarm.Selected(IDC_SNOOZE_MINUTES), 4);
    EXPECT_FALSE(alarm.Enabled(IDC_SNOOZE_MINUTES));
    EXPECT_EQ(doc->Task(0).alarmArmed, 0);
    EXPECT_EQ(host.writes - writesBefore, 1);

    alarm.Click(IDC_SNOOZE_ON);
    EXPECT_TRUE(alarm.Enabled(IDC_SNOOZE_MINUTES));
    alarm.Click(IDC_SNOOZE_OFF);
    EXPECT_FALSE(alarm.Enabled(IDC_SNOOZE_MINUTES));
    alarm.Click(IDC_SNOOZE_ON);
    SendMessageW(alarm.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages();
    EXPECT_FALSE(alarm.IsOpen());
    EXPECT_EQ(dialog->Result(), IDCANCEL);
    EXPECT_EQ(doc->Task(0).alarmArmed, 0);
    EXPECT_EQ(doc->Task(0).alarmTime, At(2024, 5, 10, 14, 30));
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
