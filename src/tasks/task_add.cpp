#include "tasks/task_add.h"

#include <algorithm>
#include <vector>

#include "res/resource.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {

namespace {

// The controls of a time of day and of the alarm, for enabling them together.
constexpr int kFixedAlarmIds[] = {IDC_EDITOR_DAY_OFFSET, IDC_EDITOR_ALARM_HOUR,
                                  IDC_EDITOR_ALARM_TENS, IDC_EDITOR_ALARM_ONES};
constexpr int kIntervalIds[] = {IDC_EDITOR_INTERVAL_TENS, IDC_EDITOR_INTERVAL_ONES,
                                IDC_EDITOR_DIRECTION, IDC_EDITOR_INTERVAL_HOURS};
constexpr int kTaskTimeIds[] = {IDC_EDITOR_HOUR, IDC_EDITOR_TENS, IDC_EDITOR_ONES,
                                IDC_EDITOR_NOTIFY};

void Fill(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    ComboFill(combo, items);
}

}  // namespace

CTaskAdd::CTaskAdd(CvesmDoc& doc, CTaskTime& record, bool dateFixed, bool change)
    : Dialog(IDD_TASK_EDITOR), doc_(doc), record_(record), dateFixed_(dateFixed), change_(change) {}

bool CTaskAdd::OnInitDialog() {
    Settings settings = doc_.GetSettings();
    time12or24_ = settings.time12or24;
    dateFormat_ = settings.dateFormat;
    FillLists();
    for (int id : {IDC_EDITOR_MONTH, IDC_EDITOR_DAY, IDC_EDITOR_NEXT_YEAR_NOTE}) {
        EnableItem(Hwnd(), id, !dateFixed_);
    }
    ShowRecord(ShownForRecord(record_, time12or24_));
    SetText(Hwnd(), EditorTitle(record_, dateFixed_, change_, dateFormat_));
    HWND text = Item(IDC_EDITOR_TEXT);
    // A character bound first; the byte limit is kept as the text changes.
    SendMessageW(text, EM_LIMITTEXT, kTaskTextLimitBytes, 0);
    acceptedText_ = record_.text;
    SetText(text, record_.text);
    return true;
}

void CTaskAdd::FillLists() {
    Fill(Item(IDC_EDITOR_MONTH), MonthItems(dateFormat_));
    for (int id : {IDC_EDITOR_HALF, IDC_EDITOR_ALARM_HALF}) Fill(Item(id), HalfItems(time12or24_));
    for (int id : {IDC_EDITOR_HOUR, IDC_EDITOR_ALARM_HOUR}) Fill(Item(id), HourItems(time12or24_));
    for (int id : {IDC_EDITOR_TENS, IDC_EDITOR_ALARM_TENS}) Fill(Item(id), NumberItems(0, 5));
    for (int id : {IDC_EDITOR_ONES, IDC_EDITOR_ALARM_ONES, IDC_EDITOR_INTERVAL_ONES}) {
        Fill(Item(id), NumberItems(0, 9));
    }
    Fill(Item(IDC_EDITOR_DAY_OFFSET), DayOffsetItems());
    Fill(Item(IDC_EDITOR_INTERVAL_HOURS), NumberItems(0, 2));
    Fill(Item(IDC_EDITOR_INTERVAL_TENS), NumberItems(0, 6));
    Fill(Item(IDC_EDITOR_DIRECTION), DirectionItems());
}

// February follows the record's year, which the next-year rule may still change.
void CTaskAdd::FillDays(int wantedIndex) {
    int month = Selection(IDC_EDITOR_MONTH) + 1;
    int count = DayItemCount(month, record_.taskTime.Year());
    HWND days = Item(IDC_EDITOR_DAY);
    Fill(days, DayItems(count));
    ComboSelect(days, ClampedDayIndex(wantedIndex, count));
}

void CTaskAdd::ShowClock(int halfId, int hourId, int tensId, int onesId, const ClockChoice& clock) {
    ComboSelect(Item(halfId), clock.half);
    ComboSelect(Item(hourId), clock.hour);
    ComboSelect(Item(tensId), clock.tens);
    ComboSelect(Item(onesId), clock.ones);
}

void CTaskAdd::ShowRecord(const EditorShown& shown) {
    ComboSelect(Item(IDC_EDITOR_MONTH), shown.monthIndex);
    FillDays(shown.dayIndex);
    ShowClock(IDC_EDITOR_HALF, IDC_EDITOR_HOUR, IDC_EDITOR_TENS, IDC_EDITOR_ONES, shown.taskClock);
    CheckRadio(Hwnd(), IDC_EDITOR_NO_TIME, IDC_EDITOR_TIME,
               shown.timeGiven ? IDC_EDITOR_TIME : IDC_EDITOR_NO_TIME);
    SetChecked(Hwnd(), IDC_EDITOR_NOTIFY, shown.notify);
    EnableTaskTime(shown.timeGiven);

    ComboSelect(Item(IDC_EDITOR_DAY_OFFSET), shown.dayOffset);
    ShowClock(IDC_EDITOR_ALARM_HALF, IDC_EDITOR_ALARM_HOUR, IDC_EDITOR_ALARM_TENS,
              IDC_EDITOR_ALARM_ONES, shown.alarmClock);
    ComboSelect(Item(IDC_EDITOR_INTERVAL_HOURS), shown.interval.hours);
    ComboSelect(Item(IDC_EDITOR_INTERVAL_TENS), shown.interval.tens);
    ComboSelect(Item(IDC_EDITOR_INTERVAL_ONES), shown.interval.ones);
    ComboSelect(Item(IDC_EDITOR_DIRECTION), shown.interval.after ? 1 : 0);
    const int radios[] = {IDC_EDITOR_NO_ALARM, IDC_EDITOR_FIXED_ALARM, IDC_EDITOR_RELATIVE_ALARM};
    for (int mode = 0; mode < 3; ++mode) {
        SetChecked(Hwnd(), radios[mode], mode == shown.alarmMode);
    }
    EnableAlarm(shown.alarmMode);
}

void CTaskAdd::EnableTaskTime(bool timeGiven) {
    EnableItem(Hwnd(), IDC_EDITOR_HALF, timeGiven && Is12HourMode(time12or24_));
    for (int id : kTaskTimeIds) EnableItem(Hwnd(), id, timeGiven);
}

void CTaskAdd::EnableAlarm(int alarmMode) {
    EnableItem(Hwnd(), IDC_EDITOR_ALARM_HALF, alarmMode == 1 && Is12HourMode(time12or24_));
    for (int id : kFixedAlarmIds) EnableItem(Hwnd(), id, alarmMode == 1);
    for (int id : kIntervalIds) EnableItem(Hwnd(), id, alarmMode == 2);
}

bool CTaskAdd::OnCommand(int id, int code, HWND control) {
    switch (id) {
        case IDC_EDITOR_NO_TIME:
        case IDC_EDITOR_TIME:
            if (code != BN_CLICKED) return false;
            EnableTaskTime(id == IDC_EDITOR_TIME);
            return true;
        case IDC_EDITOR_NO_ALARM:
        case IDC_EDITOR_FIXED_ALARM:
        case IDC_EDITOR_RELATIVE_ALARM:
            if (code != BN_CLICKED) return false;
            EnableAlarm(id == IDC_EDITOR_NO_ALARM ? 0 : id == IDC_EDITOR_FIXED_ALARM ? 1 : 2);
            return true;
        case IDC_EDITOR_MONTH:
            if (code != CBN_SELCHANGE) return false;
            FillDays(Selection(IDC_EDITOR_DAY));
            return true;
        case IDC_EDITOR_TEXT:
            if (code != EN_CHANGE) return false;
            OnTextChanged();
            return true;
        default:
            return Dialog::OnCommand(id, code, control);
    }
}

// Puts the previous text back when a change makes the text longer than the
// limit allows; texts read from the file may already be longer and can shrink.
void CTaskAdd::OnTextChanged() {
    HWND edit = Item(IDC_EDITOR_TEXT);
    std::string text = GetText(edit);
    if (FitsTaskTextLimit(text) || TaskTextBytes(text) <= TaskTextBytes(acceptedText_)) {
        acceptedText_ = text;
        return;
    }
    DWORD caret = 0;
    SendMessageW(edit, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    int grown = static_cast<int>(Widen(text).size() - Widen(acceptedText_).size());
    SetText(edit, acceptedText_);
    int back = std::max(0, static_cast<int>(caret) - grown);
    SendMessageW(edit, EM_SETSEL, back, back);
    MessageBeep(MB_OK);
}

int CTaskAdd::Selection(int id) const {
    return ComboSelection(Item(id));
}

ClockChoice CTaskAdd::ReadClock(int halfId, int hourId, int tensId, int onesId) const {
    return ClockChoice{Selection(halfId), Selection(hourId), Selection(tensId), Selection(onesId)};
}

EditorChoices CTaskAdd::ReadChoices() const {
    EditorChoices choices;
    choices.text = GetText(Item(IDC_EDITOR_TEXT));
    choices.monthIndex = Selection(IDC_EDITOR_MONTH);
    choices.dayIndex = Selection(IDC_EDITOR_DAY);
    choices.timeGiven = IsChecked(Hwnd(), IDC_EDITOR_TIME);
    choices.notify = IsChecked(Hwnd(), IDC_EDITOR_NOTIFY);
    choices.taskClock =
        ReadClock(IDC_EDITOR_HALF, IDC_EDITOR_HOUR, IDC_EDITOR_TENS, IDC_EDITOR_ONES);
    choices.alarmMode = IsChecked(Hwnd(), IDC_EDITOR_FIXED_ALARM)      ? 1
                        : IsChecked(Hwnd(), IDC_EDITOR_RELATIVE_ALARM) ? 2
                                                                       : 0;
    choices.dayOffset = Selection(IDC_EDITOR_DAY_OFFSET);
    choices.alarmClock = ReadClock(IDC_EDITOR_ALARM_HALF, IDC_EDITOR_ALARM_HOUR,
                                   IDC_EDITOR_ALARM_TENS, IDC_EDITOR_ALARM_ONES);
    choices.intervalHours = Selection(IDC_EDITOR_INTERVAL_HOURS);
    choices.intervalTens = Selection(IDC_EDITOR_INTERVAL_TENS);
    choices.intervalOnes = Selection(IDC_EDITOR_INTERVAL_ONES);
    choices.direction = Selection(IDC_EDITOR_DIRECTION);
    return choices;
}

void CTaskAdd::OnOK() {
    EditorContext context{record_, dateFixed_, time12or24_, doc_.Host().Now()};
    EditorOutcome outcome = ApplyEditorChoices(ReadChoices(), context);
    if (!outcome.task) {
        MessageRequest request;
        request.text = outcome.refusal;
        request.icon = MessageIcon::Exclamation;
        request.owner = Hwnd();
        doc_.Host().ShowMessage(request);
        return;
    }
    record_ = *outcome.task;
    End(IDOK);
}

INT_PTR RunTaskEditor(HWND owner, CvesmDoc& doc, CTaskTime& record, bool dateFixed, bool change) {
    CTaskAdd editor(doc, record, dateFixed, change);
    return editor.DoModal(owner);
}

}  // namespace vesm
