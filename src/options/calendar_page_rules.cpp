#include "options/calendar_page_rules.h"

#include <algorithm>

namespace vesm {

PastMonthsList PastMonthsFor(int monthsIndex, int wantedIndex) {
    if (monthsIndex < 0) return {1, 0, false};
    if (monthsIndex == kYearView) return {12, std::clamp(wantedIndex, 0, 11), false};
    return {monthsIndex, std::clamp(wantedIndex, 0, monthsIndex - 1), true};
}

int SingleLineCountIndex(int monthsIndex) {
    return monthsIndex <= kYearView ? 11 : monthsIndex - 1;
}

int NumOfPastFor(int monthsIndex, int pastIndex, int displayedMonth) {
    return monthsIndex == kYearView ? displayedMonth - 1 : pastIndex;
}

int ChosenOrStored(int selection, int offset, int stored) {
    return selection < 0 ? stored : selection + offset;
}

int OldTaskDaysFrom(std::string_view editText, int upDownPosition) {
    if (editText.empty()) return upDownPosition;
    long long value = 0;
    for (char c : editText) {
        if (c < '0' || c > '9') return upDownPosition;
        // Past the range the exact size no longer matters.
        value = std::min<long long>(value * 10 + (c - '0'), kOldTaskDaysMax + 1);
    }
    return static_cast<int>(std::clamp<long long>(value, kOldTaskDaysMin, kOldTaskDaysMax));
}

int RmOverTaskFor(bool checked, int actionIndex) {
    return checked ? std::max(actionIndex, 0) : 0;
}

}  // namespace vesm
