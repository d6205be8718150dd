#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/settings.h"
#include "doc/task_time.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"

namespace vesm {
namespace {

using testing::SyntheticGlyphs;

std::vector<DayRecord> DaysAround(int year) {
    std::vector<DayRecord> days;
    DateTime day = *DateTime::Build(year - 1, 12, 1);
    const DateTime end = *DateTime::Build(year + 1, 1, 31);
    while (day < end) {
        days.emplace_back().date = day;
        day = day.MidnightDaysAway(1);
    }
    return days;
}

std::uint64_t Mix(std::uint64_t hash, std::uint64_t value) {
    return (hash ^ value) * 1099511628211ULL;
}

// One number over everything a paint hands the window: the pixels, the
// window size, the zones, every cell and every tooltip.
std::uint64_t PaintChecksum(const Settings& settings) {
    std::vector<DayRecord> days = DaysAround(2026);
    for (DayRecord& day : days) {
        if (day.date.Month() == 5 && day.date.Day() == 5) {
            day.holidayFlag = 1;
            day.holidayName = "こどもの日";
        }
        if (day.date.Month() == 6 && day.date.Day() == 12) {
            day.specialDayFlag = 2;
            day.specialDayName = "記念日";
        }
    }
    std::vector<CTaskTime> tasks(1);
    tasks[0].taskTime = *DateTime::Build(2026, 5, 22, 15, 0);
    tasks[0].taskMode = 1;
    tasks[0].text = "会議";
    SyntheticGlyphs glyphs;
    const PaintInput input{settings, *DateTime::Build(2026, 5, 10),
                           *DateTime::Build(2026, 5, 20, 9, 30), days, tasks};
    const CalendarPlan plan = PlanCalendar(settings, input.displayDate, glyphs);
    const Size size = CanvasSize(plan, {4000, 4000});
    OwnedCanvas canvas(size.width, size.height);
    const PaintResult result = PaintCalendar(input, plan, glyphs, canvas.Canvas());
    std::uint64_t hash = 14695981039346656037ULL;
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) hash = Mix(hash, canvas.Canvas().At(x, y));
    }
    const auto mixRect = [&hash](const Rect& r) {
        for (int v : {r.left, r.top, r.right, r.bottom}) hash = Mix(hash, static_cast<unsigned>(v));
    };
    hash = Mix(hash, static_cast<unsigned>(result.window.width));
    hash = Mix(hash, static_cast<unsigned>(result.window.height));
    for (const Rect* zone :
         {&result.zones.left, &result.zones.right, &result.zones.top, &result.zones.bottom}) {
        mixRect(*zone);
    }
    for (const Rect& cell : result.cells) mixRect(cell);
    for (const TooltipTool& tool : result.tooltips) {
        hash = Mix(hash, static_cast<unsigned>(tool.id));
        mixRect(tool.rect);
        for (char c : tool.text) hash = Mix(hash, static_cast<unsigned char>(c));
    }
    return hash;
}

struct PictureCase {
    const char* name;
    int dayFormat;
    int numOfMonth;
    int startWeek;
    int clockInfo;
    std::uint64_t checksum;  // taken from the paint before the calendar's marks existed
};

// With every calendar-mark option off, each picture stays what it was.
TEST(KoyomiOptionsOff, EveryPictureIsUnchanged) {
    const PictureCase cases[] = {
        {"three months", 0, 3, 1, 0, 0x2275a80a2d36210aULL},
        {"year view, Monday weeks, clock", 0, 0, 2, 1, 0xaa61fe339cdb96a0ULL},
        {"day row", 1, 2, 1, 0, 0x25455da0b653d1d1ULL},
        {"day column, clock", 2, 3, 1, 1, 0xcaa29bc0ab9f0700ULL},
    };
    for (const PictureCase& c : cases) {
        Settings settings;
        settings.dayFormat = c.dayFormat;
        settings.numOfMonth = c.numOfMonth;
        settings.startWeek = c.startWeek;
        settings.clockInfo = c.clockInfo;
        settings.todayInfo = 11;
        settings.specialDayInfo = 2;
        settings.taskDayInfo = 1;
        EXPECT_EQ(PaintChecksum(settings), c.checksum) << c.name;
    }
}

}  // namespace
}  // namespace vesm
