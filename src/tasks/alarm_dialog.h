// The alarm dialog: names a due task, tells how far its time is, and offers a
// snooze. Opening it gives the notification; OK may set a new alarm.
#pragma once

#include <windows.h>

#include <cstddef>
#include <optional>

#include "doc/doc.h"
#include "tasks/alarm_session.h"
#include "win32/dialog.h"

namespace vesm {

class CAlarmDialog : public Dialog {
public:
    CAlarmDialog(CvesmDoc& doc, std::size_t taskIndex);

    // Whether the task was due when the dialog opened; when it was not, the
    // dialog closed at once with IDCANCEL.
    bool WasDue() const { return opening_.has_value(); }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int code, HWND control) override;
    void OnOK() override;

private:
    void FillSnoozeChoice(int selected);

    CvesmDoc& doc_;
    std::size_t taskIndex_;
    std::optional<AlarmOpening> opening_;
};

// Runs the alarm dialog modally for the task at taskIndex; returns IDOK,
// IDCANCEL (the close box, or nothing was due) or -1 when it could not be made.
INT_PTR RunAlarmDialog(HWND owner, CvesmDoc& doc, std::size_t taskIndex);

}  // namespace vesm
