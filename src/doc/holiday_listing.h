// The holidays and special days of whole years, read from the document's day
// table the way the calendar shows them: one displayed month after another.
#pragma once

#include <string>
#include <vector>

#include "doc/doc.h"

namespace vesm {

enum class MarkKind { Holiday, Special };

struct MarkedDay {
    int year = 0;
    int month = 0;
    int day = 0;
    MarkKind kind = MarkKind::Holiday;
    std::string name;
    bool operator==(const MarkedDay&) const = default;
};

// Every mark of the years fromYear..toYear (within 1980..2099) in date order,
// a day's holiday before its special day. Relies on numOfPast being below
// numOfMonth (or numOfMonth 0), as loading the settings ensures, so that the
// displayed month is always shown. The displayed date is put back afterwards.
std::vector<MarkedDay> ListMarkedDays(CvesmDoc& doc, int fromYear, int toYear);

}  // namespace vesm
