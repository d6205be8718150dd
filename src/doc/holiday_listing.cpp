#include "doc/holiday_listing.h"

namespace vesm {

namespace {

// Only the displayed month is read from each table: it is always among the
// shown months, which the engine classifies completely.
void AppendMarksOfMonth(CvesmDoc& doc, int year, int month, std::vector<MarkedDay>& marks) {
    doc.SetDisplayDate(DateTime::Build(year, month, 1).value_or(DateTime()));
    for (std::size_t i = 0; i < doc.DayCount(); ++i) {
        DayRecord record = doc.Day(i);
        DateFields date = record.date.Fields();
        if (date.year != year || date.month != month) continue;
        if (record.holidayFlag == 1) {
            marks.push_back({year, month, date.day, MarkKind::Holiday, record.holidayName});
        }
        if (record.specialDayFlag == 2) {
            marks.push_back({year, month, date.day, MarkKind::Special, record.specialDayName});
        }
    }
}

}  // namespace

std::vector<MarkedDay> ListMarkedDays(CvesmDoc& doc, int fromYear, int toYear) {
    const DateTime displayed = doc.DisplayDate();
    std::vector<MarkedDay> marks;
    for (int year = fromYear; year <= toYear; ++year) {
        for (int month = 1; month <= 12; ++month) AppendMarksOfMonth(doc, year, month, marks);
    }
    doc.SetDisplayDate(displayed);
    return marks;
}

}  // namespace vesm
