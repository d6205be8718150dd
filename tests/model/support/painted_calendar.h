// A calendar of 2026 painted with synthetic glyphs, for tests of its pixels, cells and tips.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "synthetic_glyphs.h"
#include "view/calendar_paint.h"

namespace vesm::testing {

// One blank record per day from `first` up to, not including, `end`.
inline std::vector<DayRecord> DayRecords(DateTime first, DateTime end) {
    std::vector<DayRecord> days;
    for (DateTime day = first; day < end; day = day.MidnightDaysAway(1)) {
        days.emplace_back().date = day;
    }
    return days;
}

class PaintedCalendar : public ::testing::Test {
protected:
    void PaintAt(DateTime displayDate, DateTime now) {
        const PaintInput input{settings_, displayDate, now, days_, tasks_, koyomi_};
        plan_ = PlanCalendar(settings_, input.displayDate, glyphs_);
        const Size size = CanvasSize(plan_, {4000, 4000});
        canvas_ = std::make_unique<OwnedCanvas>(size.width, size.height);
        result_ = PaintCalendar(input, plan_, glyphs_, canvas_->Canvas());
    }

    std::size_t IndexOf(int month, int day) const {
        for (std::size_t i = 0; i < days_.size(); ++i) {
            const DateFields f = days_[i].date.Fields();
            if (f.year == 2026 && f.month == month && f.day == day) return i;
        }
        ADD_FAILURE() << "no such day";
        return 0;
    }
    Rect CellOf(int month, int day) const { return result_.cells[IndexOf(month, day)]; }
    Pixel At(int x, int y) const { return canvas_->Canvas().At(x, y); }
    Pixel Colour(int Settings::*color) const {
        return PixelFromRgb(RgbFromDecimal(settings_.*color));
    }

    Settings settings_;
    std::vector<DayRecord> days_;
    std::vector<CTaskTime> tasks_;
    SyntheticGlyphs glyphs_;
    KoyomiDays koyomi_;
    CalendarPlan plan_;
    PaintResult result_;
    std::unique_ptr<OwnedCanvas> canvas_;
};

}  // namespace vesm::testing
