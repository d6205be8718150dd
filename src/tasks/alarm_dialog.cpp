#include "tasks/alarm_dialog.h"

#include <string>
#include <vector>

#include "res/resource.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {

CAlarmDialog::CAlarmDialog(CvesmDoc& doc, std::size_t taskIndex)
    : Dialog(IDD_ALARM), doc_(doc), taskIndex_(taskIndex) {}

bool CAlarmDialog::OnInitDialog() {
    opening_ = OpenAlarm(doc_, taskIndex_, doc_.Host().Now());
    if (!opening_) {
        End(IDCANCEL);
        return false;
    }
    CheckRadio(Hwnd(), IDC_SNOOZE_OFF, IDC_SNOOZE_ON, IDC_SNOOZE_OFF);
    FillSnoozeChoice(opening_->snoozeIndex);
    SetText(Item(IDC_ALARM_MESSAGE), opening_->notice.message);
    SetText(Item(IDC_ALARM_TEXT), opening_->task.text);
    SetText(Hwnd(), opening_->notice.title);
    MessageBeep(MB_ICONASTERISK);
    return true;
}

void CAlarmDialog::FillSnoozeChoice(int selected) {
    HWND combo = Item(IDC_SNOOZE_MINUTES);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    std::vector<std::string> minutes;
    for (int value : kSnoozeMinutes) minutes.push_back(std::to_string(value));
    ComboFill(combo, minutes);
    ComboSelect(combo, selected);
    EnableItem(Hwnd(), IDC_SNOOZE_MINUTES, false);
}

bool CAlarmDialog::OnCommand(int id, int code, HWND control) {
    if ((id == IDC_SNOOZE_OFF || id == IDC_SNOOZE_ON) && code == BN_CLICKED) {
        EnableItem(Hwnd(), IDC_SNOOZE_MINUTES, id == IDC_SNOOZE_ON);
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

void CAlarmDialog::OnOK() {
    if (!opening_) {
        End(IDCANCEL);
        return;
    }
    std::optional<int> snooze;
    if (IsChecked(Hwnd(), IDC_SNOOZE_ON)) {
        snooze = ComboSelection(Item(IDC_SNOOZE_MINUTES));
    }
    ConfirmAlarm(doc_, *opening_, taskIndex_, doc_.Host().Now(), snooze);
    End(IDOK);
}

INT_PTR RunAlarmDialog(HWND owner, CvesmDoc& doc, std::size_t taskIndex) {
    CAlarmDialog dialog(doc, taskIndex);
    return dialog.DoModal(owner);
}

}  // namespace vesm
