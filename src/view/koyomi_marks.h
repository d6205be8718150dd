// What the calendar shows of the Japanese calendar's marks, as the settings
// choose: the small label under a day number, the tooltip lines, the month
// title with its era year and the week number of a grid row.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "doc/date_time.h"
#include "doc/settings.h"
#include "koyomi/koyomi.h"

namespace vesm {

// The marks of the days a paint meets, each year computed once.
class KoyomiDays {
public:
    // Null outside the years the marks are computed for (1980..2099).
    const DayKoyomi* Of(const DateFields& date);

private:
    std::map<int, std::vector<DayKoyomi>> years_;
};

// Whether any day carries a label or tooltip line of its marks.
bool DayMarksShown(const Settings& settings);
bool CellLabelShown(const Settings& settings);
bool WeekNumbersShown(const Settings& settings);

// The label under the day number: the solar term when it is shown in the
// cell and falls on the day, else the 六曜 when that is shown in the cell.
std::string_view CellLabel(const Settings& settings, const DayKoyomi& marks);

// The tooltip lines after the day's own: "旧暦 閏11月3日 先勝", then the
// solar term's name. Empty when no line applies.
std::string KoyomiTooltipLines(const Settings& settings, const DayKoyomi& marks);

// "令和8年12月"; the era of the month's first day.
std::string EraMonthTitle(int year, int month);

// The week number of a grid row from its first day: ISO 8601 by the row's
// Thursday, which holds most of its days; the US count (Sunday weeks only)
// by its Saturday, so the row that holds 1 January is week 1. The row's first
// day is a day of the month, 0 or less for one in the month before.
int RowWeekNumber(const Settings& settings, int year, int month, int rowFirstDay);

}  // namespace vesm
