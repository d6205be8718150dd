// The task list: all tasks, or the tasks of one day, in a five-column list
// with add, change and delete over a working copy. Only OK writes the copy
// back to the document; Cancel and the close box drop it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <vector>

#include "doc/doc.h"
#include "tasks/task_list_rows.h"
#include "win32/dialog.h"

namespace vesm {

// Runs the task editor over a record: IDOK, IDCANCEL, or -1 when it could not
// be created. Tests give their own.
using TaskEditorRunner =
    std::function<INT_PTR(HWND owner, CTaskTime& record, bool dateFixed, bool change)>;

class CTaskDialog : public Dialog {
public:
    // The no-day date lists all tasks; any other day lists that day's tasks.
    // The opening time, the reference for hiding old tasks, is taken now.
    CTaskDialog(CvesmDoc& doc, DateTime day, TaskEditorRunner runEditor = {});

    const std::vector<CTaskTime>& WorkingList() const { return working_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnNotify(const NMHDR& header, LRESULT& result) override;
    void OnOK() override;
    void OnDestroy() override;

private:
    bool OneDay() const;
    HWND Rows() const;
    void AddColumns();
    void RebuildRows();
    void OnAdd();
    void OnChange();
    void OnDelete();
    // Runs the editor; false (with a message when it could not be created)
    // unless the record was rewritten.
    bool Edit(CTaskTime& record, bool change);
    void SelectEdited(std::size_t position, int topBefore);
    void Warn(const char* text);

    CvesmDoc& doc_;
    DateTime day_;
    TaskEditorRunner runEditor_;
    RowFilter filter_;
    std::vector<CTaskTime> working_;
    std::vector<std::size_t> rows_;  // working-list position of each row
};

// Runs the task list modally for a day (the no-day date for all tasks).
INT_PTR RunTaskList(HWND owner, CvesmDoc& doc, DateTime day);

}  // namespace vesm
