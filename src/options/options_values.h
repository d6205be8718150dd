// What the options dialog edits: copies of the settings and of both rule lists,
// written back to the document only on OK or Apply.
#pragma once

#include <vector>

#include "doc/date_time.h"
#include "doc/holiday_time.h"
#include "doc/settings.h"

namespace vesm {

struct OptionsValues {
    Settings settings;
    std::vector<CHolidayTime> holidays;
    std::vector<CHolidayTime> specialDays;
    // The document's first shown month: the reference date of every rule a page sets.
    DateTime firstShownMonth;
};

}  // namespace vesm
