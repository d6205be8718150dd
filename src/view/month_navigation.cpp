#include "view/month_navigation.h"

namespace vesm {

namespace {

bool Holds(const Rect& rect, int x, int y) {
    return rect.left <= x && x <= rect.right && rect.top <= y && y <= rect.bottom;
}

int MonthIndex(const DateFields& date) {
    return date.year * 100 + date.month;
}

}  // namespace

NavigationZone ZoneAt(const NavigationZones& zones, int x, int y) {
    if (Holds(zones.right, x, y)) return NavigationZone::Right;
    if (Holds(zones.left, x, y)) return NavigationZone::Left;
    if (Holds(zones.bottom, x, y)) return NavigationZone::Bottom;
    if (Holds(zones.top, x, y)) return NavigationZone::Top;
    return NavigationZone::None;
}

DoubleClickAction DoubleClickActionFor(const DayRecord& hitDay, const NavigationZones& zones, int x,
                                       int y) {
    if (hitDay.date != NoDayDate()) return DoubleClickAction::OpenDayTasks;
    switch (ZoneAt(zones, x, y)) {
        case NavigationZone::Right:
            return DoubleClickAction::NextMonth;
        case NavigationZone::Left:
            return DoubleClickAction::PreviousMonth;
        case NavigationZone::Bottom:
            return DoubleClickAction::CurrentMonth;
        case NavigationZone::Top:
            return DoubleClickAction::ChooseMonth;
        case NavigationZone::None:
            break;
    }
    return DoubleClickAction::None;
}

MonthStep PreviousMonthStep(DateTime displayed) {
    const DateFields date = displayed.Fields();
    if (MonthIndex(date) <= kFirstShownYear * 100 + 1)
        return {std::nullopt, kNoEarlierMonthMessage};
    const bool january = date.month == 1;
    return {DateTime::Build(january ? date.year - 1 : date.year, january ? 12 : date.month - 1, 1),
            {}};
}

MonthStep NextMonthStep(DateTime displayed) {
    const DateFields date = displayed.Fields();
    if (MonthIndex(date) >= kLastShownYear * 100 + 12) return {std::nullopt, kNoLaterMonthMessage};
    const bool december = date.month == 12;
    return {DateTime::Build(december ? date.year + 1 : date.year, december ? 1 : date.month + 1, 1),
            {}};
}

CurrentMonthStep CurrentMonthStepAt(const Settings& settings, DateTime now) {
    CurrentMonthStep step{now, std::nullopt};
    if (settings.numOfMonth == 0) step.numOfPast = now.Month() - 1;
    return step;
}

std::optional<DateTime> ChosenMonth(int year, int month) {
    if (year < kFirstShownYear || year > kLastShownYear || month < 1 || month > 12)
        return std::nullopt;
    return DateTime::Build(year, month, 1);
}

}  // namespace vesm
