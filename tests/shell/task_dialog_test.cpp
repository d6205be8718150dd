// The task list under Wine, driven through its controls: rows and columns,
// one-day lists, hidden old tasks, add, change, delete, OK and Cancel. The
// editor is replaced by a scripted one, so each case says what it returns.
#include "tasks/task_dialog.h"

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/cp932_codec.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {
namespace {

DateTime At(int y, int m, int d, int h = 0, int mi = 0) {
    return DateTime::Build(y, m, d, h, mi).value();
}

CTaskTime Task(std::string text, int taskMode, DateTime time, int alarmMode = 0,
               DateTime alarm = NoDayDate(), int armed = 1) {
    CTaskTime task;
    task.taskTime = time;
    task.taskMode = taskMode;
    task.alarmMode = alarmMode;
    task.alarmArmed = armed;
    task.text = std::move(text);
    task.alarmTime = alarm;
    return task;
}

// What the scripted editor was asked to do.
struct EditorCall {
    CTaskTime record;
    bool dateFixed = false;
    bool change = false;
};

class TaskDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        doc = std::make_unique<CvesmDoc>(host);
        Settings settings = doc->GetSettings();
        settings.time12or24 = 24;
        settings.rmTaskInfo = 0;
        doc->SetSettings(settings);
    }

    HWND Open(DateTime day) {
        writesBefore = host.writes;
        dialog = std::make_unique<CTaskDialog>(
            *doc, day, [this](HWND, CTaskTime& record, bool dateFixed, bool change) {
                calls.push_back({record, dateFixed, change});
                if (editorAnswer == IDOK) record = editorResult(record);
                return editorAnswer;
            });
        window = dialog->CreateModeless(nullptr);
        return window;
    }

    HWND Rows() const { return GetDlgItem(window, IDC_TASK_ROWS); }
    void Click(int id) { SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0); }
    std::vector<std::string> Row(int row) const {
        std::vector<std::string> cells;
        for (int column = 0; column < 5; ++column)
            cells.push_back(ListViewCell(Rows(), row, column));
        return cells;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (int row = 0; row < ListViewRowCount(Rows()); ++row) {
            texts.push_back(ListViewCell(Rows(), row, 1));
        }
        return texts;
    }
    std::vector<std::string> DocTexts() const {
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < doc->TaskCount(); ++i) texts.push_back(doc->Task(i).text);
        return texts;
    }
    int SelectedRow() const { return ListViewSelection(Rows()); }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CTaskDialog> dialog;
    HWND window = nullptr;
    int writesBefore = 0;
    std::vector<EditorCall> calls;
    INT_PTR editorAnswer = IDOK;
    std::function<CTaskTime(CTaskTime)> editorResult = [](CTaskTime record) { return record; };
};

using Cells = std::vector<std::string>;

TEST_F(TaskDialogTest, AllTasksListShowsFiveColumnsForTasksOfEveryMode) {
    doc->InsertTaskSorted(Task("no time", 0, At(2024, 5, 11)));
    doc->InsertTaskSorted(Task("notified", 3, At(2024, 5, 14, 15, 0)));
    doc->InsertTaskSorted(Task("fixed", 1, At(2024, 5, 15, 15, 0), 1, At(2024, 5, 14, 20, 0)));
    doc->InsertTaskSorted(
        Task("interval given", 1, At(2024, 5, 16, 15, 0), 2, At(2024, 5, 16, 14, 30), 0));
    ASSERT_NE(Open(NoDayDate()), nullptr);

    EXPECT_EQ(GetText(window), "全予定表");
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(window, IDC_TASK_RESET)));
    DWORD extended = static_cast<DWORD>(SendMessageW(Rows(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & 0x21u, 0x21u);
    const char* headers[] = {"予定時刻", "用件", "予定時刻通知", "アラーム時刻", "アラーム通知"};
    const int widths[] = {125, 227, 85, 100, 85};
    for (int column = 0; column < 5; ++column) {
        wchar_t text[64] = {};
        LVCOLUMNW info{};
        info.mask = LVCF_TEXT | LVCF_WIDTH;
        info.pszText = text;
        info.cchTextMax = 64;
        ASSERT_TRUE(SendMessageW(Rows(), LVM_GETCOLUMNW, column, reinterpret_cast<LPARAM>(&info)));
        EXPECT_EQ(Narrow(text), headers[column]);
        EXPECT_EQ(info.cx, widths[column]);
    }
    ASSERT_EQ(ListViewRowCount(Rows()), 4);
    EXPECT_EQ(Row(0), (Cells{"2024.05.11 ", "no time", "", "", ""}));
    EXPECT_EQ(Row(1), (Cells{"2024.05.14 15:00", "notified", "通知済", "", ""}));
    EXPECT_EQ(Row(2), (Cells{"2024.05.15 15:00", "fixed", "", "05.14 20:00", "未通知"}));
    EXPECT_EQ(Row(3), (Cells{"2024.05.16 15:00", "interval given", "", "05.16 30 分前", "通知済"}));
}

TEST_F(TaskDialogTest, OneDayListHoldsOnlyThatDayAddsOnItAndWritesBackOnlyThatDay) {
    doc->InsertTaskSorted(Task("before", 0, At(2024, 5, 9)));
    doc->InsertTaskSorted(Task("that day", 1, At(2024, 5, 10, 8, 0)));
    doc->InsertTaskSorted(Task("after", 0, At(2024, 5, 11)));
    ASSERT_NE(Open(At(2024, 5, 10, 17, 30)), nullptr);
    EXPECT_EQ(GetText(window), "2024.05.10(金曜) の予定表");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"that day"}));
    editorAnswer = IDCANCEL;
    Click(IDC_TASK_ADD);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].dateFixed);
    EXPECT_EQ(calls[0].record.taskTime, At(2024, 5, 10));
    ListViewSelect(Rows(), 0);
    Click(IDC_TASK_DELETE);
    EXPECT_EQ(ListViewRowCount(Rows()), 0);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(DocTexts(), (std::vector<std::string>{"before", "after"}));
}

TEST_F(TaskDialogTest, HiddenOldTaskIsSkippedByTheRowsYetKeptThroughOk) {
    Settings settings = doc->GetSettings();
    settings.rmTaskInfo = 1;
    settings.rmTaskSpan = 0;
    doc->SetSettings(settings);
    doc->InsertTaskSorted(Task("old pending", 1, At(2024, 5, 1, 9, 0), 1, At(2024, 5, 1, 8, 0)));
    doc->InsertTaskSorted(Task("old given", 1, At(2024, 5, 2, 9, 0), 1, At(2024, 5, 2, 8, 0), 0));
    doc->InsertTaskSorted(Task("coming", 0, At(2024, 6, 1)));
    ASSERT_NE(Open(NoDayDate()), nullptr);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"old pending", "coming"}));
    // Row 1 is the third task of the working list, not the hidden second.
    ListViewSelect(Rows(), 1);
    Click(IDC_TASK_DELETE);
    EXPECT_EQ(dialog->WorkingList().size(), 2u);
    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(DocTexts(), (std::vector<std::string>{"old pending", "old given"}));
    EXPECT_EQ(host.writes - writesBefore, 1);
}

TEST_F(TaskDialogTest, ChangeAndDeleteWithoutSelectionOnlyWarn) {
    doc->InsertTaskSorted(Task("only", 0, At(2024, 5, 20)));
    ASSERT_NE(Open(NoDayDate()), nullptr);
    ListViewSelect(Rows(), -1);
    Click(IDC_TASK_CHANGE);
    Click(IDC_TASK_DELETE);
    EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"変更する予定を選択してください",
                                                             "削除する予定を選択してください"}));
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(ListViewRowCount(Rows()), 1);
    // Deleting the only row leaves an empty list and scrolls nowhere.
    ListViewSelect(Rows(), 0);
    Click(IDC_TASK_DELETE);
    EXPECT_EQ(ListViewRowCount(Rows()), 0);
    EXPECT_TRUE(dialog->WorkingList().empty());
}

TEST_F(TaskDialogTest, AddThenOkWritesTheDocumentAndTheSettingsFile) {
    doc->InsertTaskSorted(Task("later", 0, At(2024, 7, 1)));
    editorResult = [](CTaskTime) {
        return Task("会議 ①", 1, At(2024, 6, 3, 15, 0), 2, At(2024, 6, 3, 14, 30));
    };
    ASSERT_NE(Open(NoDayDate()), nullptr);
    Click(IDC_TASK_ADD);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_FALSE(calls[0].dateFixed);
    EXPECT_FALSE(calls[0].change);
    EXPECT_EQ(calls[0].record.taskTime, NoDayDate());
    EXPECT_EQ(Texts(), (std::vector<std::string>{"会議 ①", "later"}));
    EXPECT_EQ(SelectedRow(), 0);
    EXPECT_EQ(doc->TaskCount(), 1u);
    EXPECT_EQ(host.writes, writesBefore);

    SendMessageW(window, WM_COMMAND, IDOK, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(dialog->Result(), IDOK);
    EXPECT_EQ(DocTexts(), (std::vector<std::string>{"会議 ①", "later"}));
    EXPECT_EQ(host.writes - writesBefore, 1);
    EXPECT_GE(host.redraws, 1);
    EXPECT_NE(host.SettingsFile().find(EncodeCp932("1`2024`6`3`15`0`2`2024`6`3`14`30`1`会議 ①")),
              std::string::npos);
}

TEST_F(TaskDialogTest, CancelAndTheCloseBoxWriteNothing) {
    doc->InsertTaskSorted(Task("kept", 0, At(2024, 5, 20)));
    for (bool closeBox : {false, true}) {
        ASSERT_NE(Open(NoDayDate()), nullptr);
        Click(IDC_TASK_ADD);
        ListViewSelect(Rows(), 0);
        Click(IDC_TASK_DELETE);
        if (closeBox) {
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        } else {
            SendMessageW(window, WM_COMMAND, IDCANCEL, 0);
        }
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(dialog->Result(), IDCANCEL);
        EXPECT_EQ(DocTexts(), (std::vector<std::string>{"kept"}));
        EXPECT_EQ(host.writes, writesBefore);
    }
}

TEST_F(TaskDialogTest, DoubleClickChangesTheTaskAndItMovesToItsPlace) {
    doc->InsertTaskSorted(Task("first", 0, At(2024, 5, 10)));
    doc->InsertTaskSorted(Task("second", 0, At(2024, 5, 11)));
    doc->InsertTaskSorted(Task("third", 0, At(2024, 5, 12)));
    editorResult = [](CTaskTime record) {
        record.taskTime = At(2024, 5, 13);
        record.text = "moved";
        return record;
    };
    ASSERT_NE(Open(NoDayDate()), nullptr);
    ListViewSelect(Rows(), 0);
    NMITEMACTIVATE activate{};
    activate.hdr.hwndFrom = Rows();
    activate.hdr.idFrom = IDC_TASK_ROWS;
    activate.hdr.code = NM_DBLCLK;
    activate.iItem = 0;
    SendMessageW(window, WM_NOTIFY, IDC_TASK_ROWS, reinterpret_cast<LPARAM>(&activate));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].change);
    EXPECT_EQ(calls[0].record.text, "first");
    EXPECT_EQ(Texts(), (std::vector<std::string>{"second", "third", "moved"}));
    EXPECT_EQ(SelectedRow(), 2);
    // The change button does the same for the selected row.
    ListViewSelect(Rows(), 0);
    Click(IDC_TASK_CHANGE);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].record.text, "second");
}

TEST_F(TaskDialogTest, EditorThatCannotBeCreatedChangesNothing) {
    doc->InsertTaskSorted(Task("only", 0, At(2024, 5, 20)));
    editorAnswer = -1;
    ASSERT_NE(Open(NoDayDate()), nullptr);
    Click(IDC_TASK_ADD);
    ListViewSelect(Rows(), 0);
    Click(IDC_TASK_CHANGE);
    EXPECT_EQ(host.CountMessages("Dialog box could not be created!"), 2);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"only"}));
    editorAnswer = IDCANCEL;
    Click(IDC_TASK_ADD);
    EXPECT_EQ(dialog->WorkingList().size(), 1u);
}

TEST_F(TaskDialogTest, AddedTaskOutOfViewIsScrolledToAndSelected) {
    for (int day = 1; day <= 28; ++day) {
        doc->InsertTaskSorted(Task("day " + std::to_string(day), 0, At(2024, 6, day)));
    }
    editorResult = [](CTaskTime) { return Task("last", 0, At(2024, 6, 30)); };
    ASSERT_NE(Open(NoDayDate()), nullptr);
    int perPage = ListView_GetCountPerPage(Rows());
    ASSERT_LT(perPage, 28);
    Click(IDC_TASK_ADD);
    EXPECT_EQ(SelectedRow(), 28);
    int top = ListView_GetTopIndex(Rows());
    EXPECT_LE(top, 28);
    EXPECT_GT(top + perPage, 28);
    EXPECT_EQ(GetFocus(), Rows());
}

}  // namespace
}  // namespace vesm
