// How the calendar display page turns its control states into settings, kept
// apart from the controls so the rules are tested without windows.
#pragma once

#include <string_view>

namespace vesm {

// Months-shown list: index 0 is the year view, 1 to 12 that many months, -1 none.
inline constexpr int kYearView = 0;
inline constexpr int kOldTaskDaysMin = 1;
inline constexpr int kOldTaskDaysMax = 365;

// What the months-before list holds for a months-shown choice.
struct PastMonthsList {
    int count = 0;
    int selection = -1;
    bool enabled = false;
};

// The year view offers 0 to 11, disabled; n months offer 0 to n - 1 with the
// wanted index cut down to the largest one; no choice offers a lone 0.
PastMonthsList PastMonthsFor(int monthsIndex, int wantedIndex);

// The row (or column) index that makes a single line hold every month shown.
int SingleLineCountIndex(int monthsIndex);

// The year view always starts in January, whatever the months-before list shows.
int NumOfPastFor(int monthsIndex, int pastIndex, int displayedMonth);

// A list without a selection keeps the stored value instead of handing over
// index + offset: a stored week start of Tuesday to Saturday stays as it is.
int ChosenOrStored(int selection, int offset, int stored);

// The edit's number cut into 1 to 365; text that is no number at all keeps the
// up-down control's position.
int OldTaskDaysFrom(std::string_view editText, int upDownPosition);

// An unchecked box never deletes, whatever the action list shows.
int RmOverTaskFor(bool checked, int actionIndex);

}  // namespace vesm
