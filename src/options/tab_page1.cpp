#include "options/tab_page1.h"

#include <commctrl.h>

#include "options/calendar_page_rules.h"
#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {

namespace {

void Refill(HWND combo, const std::vector<std::string>& items) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    ComboFill(combo, items);
}

void RefillNumbers(HWND combo, int from, int to) {
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    ComboFillNumbers(combo, from, to);
}

// The up-down control's own position: the last one that was in range.
int UpDownLastPosition(HWND upDown) {
    return static_cast<int>(SendMessageW(upDown, UDM_GETPOS32, 0, 0));
}

}  // namespace

CTabPage1::CTabPage1(const CvesmDoc& doc) : COptionsPage(IDD_PAGE_CALENDAR), doc_(doc) {}

int CTabPage1::Selection(int id) const {
    return ComboSelection(Item(id));
}

void CTabPage1::Load(const OptionsValues& values) {
    loaded_ = values.settings;
    const Settings& s = loaded_;
    HWND months = Item(IDC_P1_MONTHS);
    Refill(months, {"年表示"});
    ComboFillNumbers(months, 1, 12);
    ComboSelect(months, s.numOfMonth);
    RefillPastMonths(s.numOfPast);
    CheckRadio(Hwnd(), IDC_P1_MONTHS_VERTICAL, IDC_P1_MONTHS_HORIZONTAL,
               s.calendarFormat != 0 ? IDC_P1_MONTHS_HORIZONTAL : IDC_P1_MONTHS_VERTICAL);
    const int dayArrangement = s.dayFormat == 0   ? IDC_P1_DAYS_GRID
                               : s.dayFormat == 1 ? IDC_P1_DAYS_ROW
                                                  : IDC_P1_DAYS_COLUMN;
    CheckRadio(Hwnd(), IDC_P1_DAYS_GRID, IDC_P1_DAYS_COLUMN, dayArrangement);
    Refill(Item(IDC_P1_WEEK_START), {"日曜", "月曜"});
    // A stored start from Tuesday on has no item: the list stays empty and
    // the stored value is handed back unless the user picks one.
    ComboSelect(Item(IDC_P1_WEEK_START),
                s.startWeek >= 1 && s.startWeek <= 2 ? s.startWeek - 1 : -1);
    EnableItem(Hwnd(), IDC_P1_WEEK_START, s.dayFormat == 0);
    RefillNumbers(Item(IDC_P1_ROWS), 1, 12);
    ComboSelect(Item(IDC_P1_ROWS), s.numOfRow - 1);
    RefillNumbers(Item(IDC_P1_COLUMNS), 1, 12);
    ComboSelect(Item(IDC_P1_COLUMNS), s.numOfColumn - 1);
    EnableMonthCounts(IsChecked(Hwnd(), IDC_P1_MONTHS_VERTICAL));
    UpDownSetRange(Item(IDC_P1_OLD_SPIN), kOldTaskDaysMin, kOldTaskDaysMax);
    SetChecked(Hwnd(), IDC_P1_OLD_CHECK, s.rmTaskInfo != 0);
    UpDownSetPos(Item(IDC_P1_OLD_SPIN), s.rmTaskSpan);
    Refill(Item(IDC_P1_OLD_ACTION), {"表示しない", "削除する"});
    ComboSelect(Item(IDC_P1_OLD_ACTION), s.rmOverTask);
    EnableOldTaskControls();
}

void CTabPage1::Store(OptionsValues& values) const {
    Settings& s = values.settings;
    const int months = Selection(IDC_P1_MONTHS);
    s.numOfMonth = ChosenOrStored(months, 0, loaded_.numOfMonth);
    s.numOfPast = NumOfPastFor(months, ChosenOrStored(Selection(IDC_P1_PAST), 0, loaded_.numOfPast),
                               doc_.DisplayDate().Month());
    s.numOfRow = ChosenOrStored(Selection(IDC_P1_ROWS), 1, loaded_.numOfRow);
    s.numOfColumn = ChosenOrStored(Selection(IDC_P1_COLUMNS), 1, loaded_.numOfColumn);
    s.calendarFormat = IsChecked(Hwnd(), IDC_P1_MONTHS_VERTICAL) ? 0 : 1;
    s.dayFormat = IsChecked(Hwnd(), IDC_P1_DAYS_GRID)  ? 0
                  : IsChecked(Hwnd(), IDC_P1_DAYS_ROW) ? 1
                                                       : 2;
    s.startWeek = ChosenOrStored(Selection(IDC_P1_WEEK_START), 1, loaded_.startWeek);
    const bool oldTasks = IsChecked(Hwnd(), IDC_P1_OLD_CHECK);
    s.rmTaskInfo = oldTasks ? 1 : 0;
    s.rmTaskSpan =
        OldTaskDaysFrom(GetText(Item(IDC_P1_OLD_DAYS)), UpDownLastPosition(Item(IDC_P1_OLD_SPIN)));
    s.rmOverTask = RmOverTaskFor(oldTasks, Selection(IDC_P1_OLD_ACTION));
}

void CTabPage1::RefillPastMonths(int wantedIndex) {
    const PastMonthsList list = PastMonthsFor(Selection(IDC_P1_MONTHS), wantedIndex);
    HWND past = Item(IDC_P1_PAST);
    RefillNumbers(past, 0, list.count - 1);
    ComboSelect(past, list.selection);
    EnableWindow(past, list.enabled ? TRUE : FALSE);
}

void CTabPage1::EnableMonthCounts(bool vertical) {
    EnableItem(Hwnd(), IDC_P1_ROWS, vertical);
    EnableItem(Hwnd(), IDC_P1_COLUMNS, !vertical);
}

void CTabPage1::EnableOldTaskControls() {
    const bool on = IsChecked(Hwnd(), IDC_P1_OLD_CHECK);
    EnableItem(Hwnd(), IDC_P1_OLD_DAYS, on);
    EnableItem(Hwnd(), IDC_P1_OLD_SPIN, on);
    EnableItem(Hwnd(), IDC_P1_OLD_ACTION, on);
}

void CTabPage1::ArrangeDaysInLine(bool row) {
    CheckRadio(Hwnd(), IDC_P1_MONTHS_VERTICAL, IDC_P1_MONTHS_HORIZONTAL,
               row ? IDC_P1_MONTHS_VERTICAL : IDC_P1_MONTHS_HORIZONTAL);
    EnableMonthCounts(row);
    ComboSelect(Item(row ? IDC_P1_ROWS : IDC_P1_COLUMNS),
                SingleLineCountIndex(Selection(IDC_P1_MONTHS)));
    EnableItem(Hwnd(), IDC_P1_WEEK_START, false);
}

void CTabPage1::Reset() {
    HWND months = Item(IDC_P1_MONTHS);
    EnableWindow(months, TRUE);
    ComboSelect(months, 3);
    RefillPastMonths(1);
    CheckRadio(Hwnd(), IDC_P1_DAYS_GRID, IDC_P1_DAYS_COLUMN, IDC_P1_DAYS_GRID);
    EnableItem(Hwnd(), IDC_P1_WEEK_START, true);
    ComboSelect(Item(IDC_P1_WEEK_START), 0);
    CheckRadio(Hwnd(), IDC_P1_MONTHS_VERTICAL, IDC_P1_MONTHS_HORIZONTAL, IDC_P1_MONTHS_VERTICAL);
    EnableMonthCounts(true);
    ComboSelect(Item(IDC_P1_ROWS), 2);
    SetChecked(Hwnd(), IDC_P1_OLD_CHECK, false);
    UpDownSetPos(Item(IDC_P1_OLD_SPIN), 7);
    ComboSelect(Item(IDC_P1_OLD_ACTION), 0);
    EnableOldTaskControls();
}

bool CTabPage1::OnCommand(int id, int code, HWND control) {
    if (id == IDC_P1_MONTHS) {
        if (code == CBN_SELCHANGE) RefillPastMonths(Selection(IDC_P1_PAST));
        return true;
    }
    if (code != BN_CLICKED) return COptionsPage::OnCommand(id, code, control);
    switch (id) {
        case IDC_P1_MONTHS_VERTICAL:
        case IDC_P1_MONTHS_HORIZONTAL:
            EnableMonthCounts(id == IDC_P1_MONTHS_VERTICAL);
            return true;
        case IDC_P1_OLD_CHECK:
            EnableOldTaskControls();
            return true;
        case IDC_P1_DAYS_GRID:
            EnableItem(Hwnd(), IDC_P1_WEEK_START, true);
            return true;
        case IDC_P1_DAYS_ROW:
        case IDC_P1_DAYS_COLUMN:
            ArrangeDaysInLine(id == IDC_P1_DAYS_ROW);
            return true;
        case IDC_PAGE_RESET:
            Reset();
            return true;
        default:
            return COptionsPage::OnCommand(id, code, control);
    }
}

}  // namespace vesm
