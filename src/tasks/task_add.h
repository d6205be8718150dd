// The task editor: month and day, text, time of day with its notification,
// and the alarm of one task record. OK checks the choices in order and
// rewrites the record; Cancel leaves it as it was.
#pragma once

#include <windows.h>

#include <string>

#include "doc/doc.h"
#include "tasks/task_editor_rules.h"
#include "win32/dialog.h"

namespace vesm {

class CTaskAdd : public Dialog {
public:
    // dateFixed keeps the record's day (a one-day task list); change only
    // chooses the title.
    CTaskAdd(CvesmDoc& doc, CTaskTime& record, bool dateFixed, bool change);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void FillLists();
    void FillDays(int wantedIndex);
    void ShowClock(int halfId, int hourId, int tensId, int onesId, const ClockChoice& clock);
    void ShowRecord(const EditorShown& shown);
    void EnableTaskTime(bool timeGiven);
    void EnableAlarm(int alarmMode);
    ClockChoice ReadClock(int halfId, int hourId, int tensId, int onesId) const;
    EditorChoices ReadChoices() const;
    void OnTextChanged();
    int Selection(int id) const;

    CvesmDoc& doc_;
    CTaskTime& record_;
    bool dateFixed_;
    bool change_;
    int time12or24_ = 12;
    int dateFormat_ = 0;
    // The latest text within the byte limit, put back when an edit exceeds it.
    std::string acceptedText_;
};

// Runs the editor modally over the record; IDOK after the record was
// rewritten, IDCANCEL, or -1 when the dialog could not be created.
INT_PTR RunTaskEditor(HWND owner, CvesmDoc& doc, CTaskTime& record, bool dateFixed, bool change);

}  // namespace vesm
