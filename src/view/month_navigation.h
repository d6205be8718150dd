// Month navigation and the double-click hit test, as pure decisions: which
// zone a point lies in, where the previous, next and current month lead, and
// which months the select-month dialog accepts. The displayed month stays
// within January 1980 .. December 2099.
#pragma once

#include <optional>
#include <string_view>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/navigation_zones.h"
#include "doc/settings.h"

namespace vesm {

inline constexpr int kFirstShownYear = 1980;
inline constexpr int kLastShownYear = 2099;

inline constexpr std::string_view kNoEarlierMonthMessage = "これより前の月は表示できません";
inline constexpr std::string_view kNoLaterMonthMessage = "これより先の月は表示できません";
inline constexpr std::string_view kChosenYearRangeMessage =
    "1980年～2099年の間で指定してください。";

enum class NavigationZone { None, Left, Right, Bottom, Top };

// The zone holding the point, bounds included, tested right, left, bottom, top.
NavigationZone ZoneAt(const NavigationZones& zones, int x, int y);

enum class DoubleClickAction {
    OpenDayTasks,
    PreviousMonth,
    NextMonth,
    CurrentMonth,
    ChooseMonth,
    None
};

// A hit day (one not dated with the no-day date) wins over the zones.
DoubleClickAction DoubleClickActionFor(const DayRecord& hitDay, const NavigationZones& zones, int x,
                                       int y);

// The new displayed date, or the refusal to show at the range limit.
struct MonthStep {
    std::optional<DateTime> date;
    std::string_view refusal;
};

MonthStep PreviousMonthStep(DateTime displayed);
MonthStep NextMonthStep(DateTime displayed);

// Back to now; in year display numOfPast follows so that the year starts
// with January again, and the settings must be saved.
struct CurrentMonthStep {
    DateTime date;
    std::optional<int> numOfPast;
};

CurrentMonthStep CurrentMonthStepAt(const Settings& settings, DateTime now);

// The 1st of the chosen month at 00:00, or nothing outside 1980 .. 2099.
std::optional<DateTime> ChosenMonth(int year, int month);

}  // namespace vesm
