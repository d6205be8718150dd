// The document's day table: rebuilt as a whole, read by index, and the cell
// rectangles the view stores for its hit tests.
#include "doc/doc.h"
#include "doc/holiday_engine.h"

namespace vesm {

void CvesmDoc::RebuildDays() {
    std::lock_guard guard(lock_);
    CheckDisplayedYear();
    days_.clear();
    // A range that cannot be built (bounds before 1970) leaves an empty
    // table; the year check has already told the user.
    dayRange_ = ComputeDayTableRange(displayDate_, settings_.numOfPast, settings_.numOfMonth)
                    .value_or(DayTableRange{});
    days_.resize(static_cast<std::size_t>(dayRange_.count));
    ComputeHolidays(days_, dayRange_.start, {holidays_, specialDays_, settings_});
}

std::size_t CvesmDoc::DayCount() const {
    std::lock_guard guard(lock_);
    return days_.size();
}

DayRecord CvesmDoc::Day(std::size_t index) const {
    std::lock_guard guard(lock_);
    return index < days_.size() ? days_[index] : DayRecord{};
}

int CvesmDoc::DayHolidayFlag(std::size_t index) const {
    std::lock_guard guard(lock_);
    return index < days_.size() ? days_[index].holidayFlag : 0;
}

int CvesmDoc::DaySpecialDayFlag(std::size_t index) const {
    std::lock_guard guard(lock_);
    return index < days_.size() ? days_[index].specialDayFlag : 0;
}

std::string CvesmDoc::DayHolidayName(std::size_t index) const {
    std::lock_guard guard(lock_);
    return index < days_.size() ? days_[index].holidayName : std::string();
}

std::string CvesmDoc::DaySpecialDayName(std::size_t index) const {
    std::lock_guard guard(lock_);
    return index < days_.size() ? days_[index].specialDayName : std::string();
}

void CvesmDoc::SetDayCell(std::size_t index, const Rect& cell) {
    std::lock_guard guard(lock_);
    if (index < days_.size()) days_[index].cell = cell;
}

DayRecord CvesmDoc::DayAtPoint(int x, int y) const {
    std::lock_guard guard(lock_);
    return vesm::DayAtPoint(days_, x, y);
}

DayTableRange CvesmDoc::DayRange() const {
    std::lock_guard guard(lock_);
    return dayRange_;
}

}  // namespace vesm
