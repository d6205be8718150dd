// Tasks through the real frame, the clock in the test's hand: a day's task added,
// shown, alarmed, snoozed and noticed; the list of all tasks changed and cancelled.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
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

CTaskTime Task(std::string text, int taskMode, DateTime time, int alarmMode = 0,
               DateTime alarm = NoDayDate(), int armed = 1) {
    return {time, taskMode, alarmMode, armed, std::move(text), alarm};
}

// Pixels of the view on screen in the task mark's default colour, 64 128 128, at any
// coverage of the anti-aliasing over the black background.
int CountTaskMarkShades(HWND view) {
    RECT client{};
    GetClientRect(view, &client);
    int count = 0;
    for (const DWORD pixel : ReadShownPixels(view, client)) {
        const int r = (pixel >> 16) & 0xFF, g = (pixel >> 8) & 0xFF, b = pixel & 0xFF;
        count += g > 32 && std::abs(g - b) <= 4 && std::abs(2 * r - g) <= 6;
    }
    return count;
}

class TaskRoadTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.now = At(2024, 5, 1, 9, 0);
        doc = std::make_unique<CvesmDoc>(host);
        doc->SetDisplayDate(host.now);
        frame = std::make_unique<CMainFrame>(*doc, MainFrameOptions{std::nullopt, false, {}});
        ASSERT_TRUE(frame->CreateFrame());
        view = frame->View().Hwnd();
        RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    std::vector<std::string> Tick(DateTime now, std::vector<ModalScript::Step> steps) {
        host.now = now;
        return ModalScript::Run(frame->Hwnd(), WM_TIMER, 1, 0, std::move(steps));
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CMainFrame> frame;
    HWND view = nullptr;
};

int Rows(const DialogDriver& list) {
    return ListViewRowCount(list.Item(IDC_TASK_ROWS));
}

void RefuseThenFill(const DialogDriver& editor) {
    EXPECT_FALSE(editor.Enabled(IDC_EDITOR_MONTH)) << "the day is fixed";
    editor.Press(IDOK);
    editor.Type(IDC_EDITOR_TEXT, "絵文字\xF0\x9F\x98\x80");  // not in code page 932
    editor.Press(IDOK);
    editor.Type(IDC_EDITOR_TEXT, "歯医者");
    editor.Click(IDC_EDITOR_RELATIVE_ALARM);
    EXPECT_TRUE(editor.Enabled(IDC_EDITOR_INTERVAL_HOURS) &&
                !editor.Enabled(IDC_EDITOR_DAY_OFFSET));
    editor.Press(IDOK);  // the refusal keeps the text and the choices
    EXPECT_FALSE(editor.Enabled(IDC_EDITOR_HOUR) || editor.Enabled(IDC_EDITOR_HALF));
    editor.Click(IDC_EDITOR_TIME);
    EXPECT_TRUE(editor.Enabled(IDC_EDITOR_HOUR) && editor.Enabled(IDC_EDITOR_HALF));
    editor.Choose(IDC_EDITOR_HALF, 1);  // in the default 12-hour clock, 3 pm
    editor.Choose(IDC_EDITOR_HOUR, 3);
    editor.Choose(IDC_EDITOR_TENS, 0);
    editor.Choose(IDC_EDITOR_ONES, 0);
    editor.Choose(IDC_EDITOR_INTERVAL_HOURS, 0);
    editor.Choose(IDC_EDITOR_INTERVAL_TENS, 3);
    editor.Choose(IDC_EDITOR_INTERVAL_ONES, 0);
    editor.Choose(IDC_EDITOR_DIRECTION, 0);
    editor.Post(IDOK);
}

TEST_F(TaskRoadTest, DoubleClickAddAlarmSnoozeCloseAndNotice) {
    Rect cell;
    for (std::size_t i = 0; i < doc->DayCount(); ++i) {
        if (doc->Day(i).date == At(2024, 5, 10)) cell = doc->Day(i).cell;
    }
    ASSERT_LT(cell.left, cell.right) << "10 May is not drawn";
    EXPECT_EQ(CountTaskMarkShades(view), 0) << "the new task's will be the only mark";
    const auto titles =
        ModalScript::Run(view, WM_LBUTTONDBLCLK, 0,
                         MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2),
                         {[&](const DialogDriver& list) {
                              EXPECT_EQ(Rows(list), 0);
                              list.Post(IDC_TASK_ADD);
                          },
                          RefuseThenFill,
                          [&](const DialogDriver& list) {
                              EXPECT_EQ(Rows(list), 1);
                              list.Post(IDOK);
                          }});
    EXPECT_EQ(titles, (std::vector<std::string>{"2024.05.10(金曜) の予定表", "2024.05.10(金曜) ",
                                                "2024.05.10(金曜) の予定表"}));
    EXPECT_EQ(
        host.MessageTexts(),
        (std::vector<std::string>{
            "予定を入力してください", "この文字は保存できません。別の文字に置き換えてください。",
            "アラーム指定で時間前指定をする場合は、予定時間を入力してください"}));
    ASSERT_EQ(doc->TaskCount(), 1u);
    EXPECT_EQ(doc->Task(0).taskTime, At(2024, 5, 10, 15, 0));
    EXPECT_EQ(doc->Task(0).alarmTime, At(2024, 5, 10, 14, 30));
    EXPECT_NE(host.SettingsFile().find(EncodeCp932("2`2024`5`10`15`0`2`2024`5`10`14`30`1`歯医者")),
              std::string::npos);
    // The repainted day carries the task: its tooltip names it, its mark shows.
    RedrawWindow(view, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    const auto& tips = frame->View().LastPaint()->tooltips;
    EXPECT_TRUE(std::any_of(tips.begin(), tips.end(), [](const TooltipTool& tool) {
        return tool.text.find("歯医者") != std::string::npos;
    }));
    EXPECT_GT(CountTaskMarkShades(view), 5);
    // Just after 14:30 the alarm comes, on top; it is snoozed for 5 minutes.
    std::vector<std::string> messages;
    Tick(At(2024, 5, 10, 14, 30, 10), {[&](const DialogDriver& alarm) {
             messages.push_back(alarm.Title() + " " + alarm.Text(IDC_ALARM_MESSAGE));
             EXPECT_EQ(alarm.Text(IDC_ALARM_TEXT), "歯医者");
             EXPECT_TRUE(GetWindowLongPtrW(alarm.Hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
             EXPECT_NE(host.SettingsFile().find(EncodeCp932("14`30`0`歯医者")), std::string::npos);
             EXPECT_FALSE(alarm.Enabled(IDC_SNOOZE_MINUTES));
             alarm.Click(IDC_SNOOZE_ON);
             EXPECT_TRUE(alarm.Enabled(IDC_SNOOZE_MINUTES));
             ComboSelect(alarm.Item(IDC_SNOOZE_MINUTES), 4);
             alarm.Post(IDOK);
         }});
    EXPECT_EQ(doc->Task(0).alarmTime, At(2024, 5, 10, 14, 35));
    EXPECT_EQ(doc->Task(0).alarmArmed, 1);
    // Nothing before the snooze is up; then the alarm again, whose close box does not snooze.
    EXPECT_TRUE(Tick(At(2024, 5, 10, 14, 34, 50), {}).empty());
    Tick(At(2024, 5, 10, 14, 35, 0), {[&](const DialogDriver& alarm) {
             messages.push_back(alarm.Title() + " " + alarm.Text(IDC_ALARM_MESSAGE));
             alarm.Click(IDC_SNOOZE_ON);
             PostMessageW(alarm.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
         }});
    EXPECT_EQ(doc->Task(0).alarmArmed, 0);
    EXPECT_EQ(doc->Task(0).alarmTime, At(2024, 5, 10, 14, 35));
    // At its time the task itself is noticed, once.
    EXPECT_EQ(Tick(At(2024, 5, 10, 15, 0, 10), {}),
              std::vector<std::string>{"予定時刻になりました"});
    EXPECT_EQ(doc->Task(0).taskMode, 3);
    EXPECT_TRUE(Tick(At(2024, 5, 10, 15, 1, 10), {}).empty());
    EXPECT_EQ(messages,
              (std::vector<std::string>{
                  "アラーム時刻になりました 予定時刻 2024.05.10 03:00 pm まであと 29分 です",
                  "アラーム時刻になりました 予定時刻 2024.05.10 03:00 pm まであと 25分 です"}));
}

TEST_F(TaskRoadTest, AllTasksListChangesDeletesPastHiddenRowsAndWritesOnlyOnOk) {
    Settings settings = doc->GetSettings();
    settings.rmTaskInfo = 1;
    settings.rmTaskSpan = 0;
    doc->SetSettings(settings);
    doc->InsertTaskSorted(Task("old pending", 1, At(2024, 4, 1, 9, 0), 1, At(2024, 4, 1, 8, 0)));
    doc->InsertTaskSorted(Task("old given", 1, At(2024, 4, 2, 9, 0), 1, At(2024, 4, 2, 8, 0), 0));
    doc->InsertTaskSorted(Task("notified", 3, At(2024, 5, 14, 15, 0)));
    doc->InsertTaskSorted(Task("fixed", 1, At(2024, 5, 15, 15, 0), 1, At(2024, 5, 14, 20, 0)));
    for (int day = 1; day <= 25; ++day) {
        doc->InsertTaskSorted(Task("day " + std::to_string(day), 0, At(2024, 6, day)));
    }
    const int writes = host.writes;
    static NMITEMACTIVATE activate{};
    std::vector<std::string> shown;
    const auto titles = ModalScript::Command(
        frame->Hwnd(), ID_TASK_LIST,
        {[&](const DialogDriver& list) {
             HWND rows = list.Item(IDC_TASK_ROWS);
             EXPECT_EQ(Rows(list), 28) << "the old task without a pending alarm has no row";
             for (int column = 0; column < 5; ++column)
                 shown.push_back(ListViewCell(rows, 2, column));
             ListViewSelect(rows, -1);
             list.Press(IDC_TASK_CHANGE);
             list.Press(IDC_TASK_DELETE);
             ListViewSelect(rows, 1);
             list.Press(IDC_TASK_DELETE);
             ListViewSelect(rows, 0);
             activate.hdr = {rows, IDC_TASK_ROWS, UINT(NM_DBLCLK)};
             PostMessageW(list.Hwnd(), WM_NOTIFY, IDC_TASK_ROWS, LPARAM(&activate));
         },
         [](const DialogDriver& editor) {
             editor.Choose(IDC_EDITOR_MONTH, 11);
             editor.Post(IDOK);
         },
         [&](const DialogDriver& list) {
             HWND rows = list.Item(IDC_TASK_ROWS);
             EXPECT_EQ(ListViewCell(rows, 26, 1), "old pending") << "moved to its place";
             EXPECT_EQ(ListViewSelection(rows), 26);
             const int top = ListView_GetTopIndex(rows);
             EXPECT_GT(top + ListView_GetCountPerPage(rows), 26) << "scrolled to the changed row";
             EXPECT_EQ(host.writes, writes) << "nothing is written before OK";
             list.Post(IDOK);
         }});
    EXPECT_EQ(titles, (std::vector<std::string>{"全予定表", "予定の変更", "全予定表"}));
    EXPECT_EQ(shown, (std::vector<std::string>{"2024.05.15 03:00 pm", "fixed", "", "05.14 08:00 pm",
                                               "未通知"}));
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"変更する予定を選択してください",
                                                             "削除する予定を選択してください"}));
    ASSERT_EQ(doc->TaskCount(), 28u);
    EXPECT_EQ(doc->Task(0).text, "old given") << "the hidden task is kept";
    EXPECT_EQ(doc->Task(1).text, "fixed") << "the second row, not the hidden task, is deleted";
    EXPECT_EQ(doc->Task(27).taskTime.Month(), 12);
    EXPECT_EQ(host.writes - writes, 1);
    // Cancel writes nothing; a second list while one is open would overwrite its result.
    EXPECT_EQ(ModalScript::Command(frame->Hwnd(), ID_TASK_LIST2, {[&](const DialogDriver& list) {
                                       ListViewSelect(list.Item(IDC_TASK_ROWS), 0);
                                       list.Press(IDC_TASK_DELETE);
                                       SendMessageW(frame->Hwnd(), WM_COMMAND, ID_TASK_LIST, 0);
                                       list.Post(IDCANCEL);
                                   }}),
              std::vector<std::string>{"全予定表"});
    EXPECT_EQ(doc->TaskCount(), 28u);
    EXPECT_EQ(host.writes - writes, 1);
}

}  // namespace
}  // namespace vesm
