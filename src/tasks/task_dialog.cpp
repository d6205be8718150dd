#include "tasks/task_dialog.h"

#include <commctrl.h>

#include <string>

#include "res/resource.h"
#include "tasks/task_add.h"
#include "tasks/task_rules.h"
#include "win32/controls.h"

namespace vesm {

namespace {

struct Column {
    const char* title;
    int width;
};
constexpr Column kColumns[] = {
    {"予定時刻", 125},     {"用件", 227},        {"予定時刻通知", 85},
    {"アラーム時刻", 100}, {"アラーム通知", 85},
};

DateTime MidnightOf(DateTime day) {
    if (day == NoDayDate()) return day;
    DateFields f = day.Fields();
    return DateTime::Build(f.year, f.month, f.day).value_or(day);
}

}  // namespace

CTaskDialog::CTaskDialog(CvesmDoc& doc, DateTime day, TaskEditorRunner runEditor)
    : Dialog(IDD_TASK_LIST), doc_(doc), day_(MidnightOf(day)), runEditor_(std::move(runEditor)) {
    if (!runEditor_) {
        runEditor_ = [&doc](HWND owner, CTaskTime& record, bool dateFixed, bool change) {
            return RunTaskEditor(owner, doc, record, dateFixed, change);
        };
    }
    Settings settings = doc_.GetSettings();
    filter_.reference = doc_.Host().Now();
    filter_.rmTaskInfo = settings.rmTaskInfo;
    filter_.rmTaskSpan = settings.rmTaskSpan;
    if (OneDay()) filter_.day = day_;
}

bool CTaskDialog::OneDay() const {
    return day_ != NoDayDate();
}

HWND CTaskDialog::Rows() const {
    return Item(IDC_TASK_ROWS);
}

bool CTaskDialog::OnInitDialog() {
    working_.clear();
    std::int64_t dayKey = CalendarDayKey(day_.Fields());
    for (std::size_t i = 0; i < doc_.TaskCount(); ++i) {
        CTaskTime task = doc_.Task(i);
        if (!OneDay() || CalendarDayKey(task.taskTime.Fields()) == dayKey) {
            working_.push_back(task);
        }
    }
    AddColumns();
    RebuildRows();
    ShowWindow(Item(IDC_TASK_RESET), SW_HIDE);
    SetText(Hwnd(), TaskListTitle(day_, OneDay(), doc_.GetSettings().dateFormat));
    return true;
}

void CTaskDialog::AddColumns() {
    const DWORD added = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
    SendMessageW(Rows(), LVM_SETEXTENDEDLISTVIEWSTYLE, added, added);
    int index = 0;
    for (const Column& column : kColumns) {
        ListViewAddColumn(Rows(), index++, column.title, column.width);
    }
}

void CTaskDialog::RebuildRows() {
    Settings settings = doc_.GetSettings();
    TextFormats formats{settings.dateFormat, settings.time12or24};
    ListViewClear(Rows());
    rows_ = RowPositions(working_, filter_);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        ListViewInsertRow(Rows(), static_cast<int>(row),
                          TaskRowCells(working_[rows_[row]], formats));
    }
}

bool CTaskDialog::OnCommand(int id, int code, HWND control) {
    if (code == BN_CLICKED) {
        switch (id) {
            case IDC_TASK_ADD:
                OnAdd();
                return true;
            case IDC_TASK_CHANGE:
                OnChange();
                return true;
            case IDC_TASK_DELETE:
                OnDelete();
                return true;
            default:
                break;
        }
    }
    return Dialog::OnCommand(id, code, control);
}

bool CTaskDialog::OnNotify(const NMHDR& header, LRESULT& result) {
    if (header.idFrom != IDC_TASK_ROWS || header.code != NM_DBLCLK) return false;
    OnChange();
    result = 0;
    return true;
}

bool CTaskDialog::Edit(CTaskTime& record, bool change) {
    INT_PTR answer = runEditor_(Hwnd(), record, OneDay(), change);
    if (answer == -1) Warn("Dialog box could not be created!");
    return answer == IDOK;
}

void CTaskDialog::OnAdd() {
    // A new task starts on the list's day; the all-tasks list starts it on
    // the no-day date, so the editor opens at 1 January of a common year.
    CTaskTime record;
    record.taskTime = day_;
    if (!Edit(record, false)) return;
    std::size_t position = InsertTaskSorted(working_, record);
    int top = ListView_GetTopIndex(Rows());
    RebuildRows();
    SelectEdited(position, top);
}

void CTaskDialog::OnChange() {
    int row = ListViewSelection(Rows());
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        Warn("変更する予定を選択してください");
        return;
    }
    std::size_t position = rows_[static_cast<std::size_t>(row)];
    CTaskTime record = working_[position];
    if (!Edit(record, true)) return;
    working_.erase(working_.begin() + static_cast<std::ptrdiff_t>(position));
    std::size_t newPosition = InsertTaskSorted(working_, record);
    int top = ListView_GetTopIndex(Rows());
    RebuildRows();
    SelectEdited(newPosition, top);
}

void CTaskDialog::OnDelete() {
    int row = ListViewSelection(Rows());
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        Warn("削除する予定を選択してください");
        return;
    }
    std::size_t position = rows_[static_cast<std::size_t>(row)];
    working_.erase(working_.begin() + static_cast<std::ptrdiff_t>(position));
    int target = TaskRowsScrollAfterDelete(
        ListView_GetTopIndex(Rows()), ListView_GetCountPerPage(Rows()), ListViewRowCount(Rows()));
    RebuildRows();
    if (target >= 0) ListView_EnsureVisible(Rows(), target, FALSE);
}

// A task the list hides (old, without pending alarm) has no row to select.
void CTaskDialog::SelectEdited(std::size_t position, int topBefore) {
    int row = RowOfPosition(rows_, position);
    if (row < 0) {
        ListViewSelect(Rows(), -1);
        return;
    }
    SetFocus(Rows());
    int target = TaskRowsScrollAfterEdit(row, topBefore, ListView_GetCountPerPage(Rows()));
    ListView_EnsureVisible(Rows(), target, FALSE);
    ListViewSelect(Rows(), row);
}

void CTaskDialog::Warn(const char* text) {
    MessageRequest request;
    request.text = text;
    request.icon = MessageIcon::Exclamation;
    request.owner = Hwnd();
    doc_.Host().ShowMessage(request);
}

void CTaskDialog::OnOK() {
    doc_.ReplaceTasks(day_, working_);
    doc_.SaveSettings();
    doc_.Host().RedrawViews();
    End(IDOK);
}

void CTaskDialog::OnDestroy() {
    working_.clear();
    rows_.clear();
}

INT_PTR RunTaskList(HWND owner, CvesmDoc& doc, DateTime day) {
    CTaskDialog dialog(doc, day);
    return dialog.DoModal(owner);
}

}  // namespace vesm
