// The paint procedure of the calendar: background, clock, month titles,
// weekday names, marks and day numbers, drawn into a pixel canvas. It returns
// everything the window needs afterwards: its size, the cell of every day, the
// navigation zones, the clock rectangle and the tooltip texts.
#pragma once

#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/settings.h"
#include "doc/task_time.h"
#include "view/glyph_source.h"
#include "view/koyomi_marks.h"
#include "view/month_layout.h"
#include "view/pixel_canvas.h"

namespace vesm {

struct PaintInput {
    const Settings& settings;
    DateTime displayDate;
    DateTime now;  // read once per paint: today, the clock and the cutoff date
    const std::vector<DayRecord>& days;
    const std::vector<CTaskTime>& tasks;
    KoyomiDays& koyomi;  // outlives the paint: a year's marks are computed once
};

// The layout of one paint, fixed before anything is drawn.
struct CalendarPlan {
    LayoutUnits units;
    BlockGrid grid;
    WindowFrame frame;
    ShownMonths months;
};

// `scale` is the monitor's pixel density; the plan's units carry it.
CalendarPlan PlanCalendar(const Settings& settings, DateTime displayDate, GlyphSource& glyphs,
                          DisplayScale scale = {});

// The canvas a plan needs, never larger than `limit` (what the screen can
// show), so that the largest settings still paint.
Size CanvasSize(const CalendarPlan& plan, Size limit);

inline constexpr int kLeftZoneTool = 5000;
inline constexpr int kRightZoneTool = 5001;
inline constexpr int kBottomZoneTool = 5002;
inline constexpr int kTopZoneTool = 5003;
inline constexpr int kFirstDayTool = 10000;
inline constexpr int kLastDayTool = 10425;

struct TooltipTool {
    int id = 0;
    Rect rect;
    std::string text;  // UTF-8, lines joined by "\r\n"
};

struct PaintResult {
    Size window;
    Rect clockRect;
    NavigationZones zones;
    std::vector<Rect> cells;            // one per day record; (0,0,0,0) when not shown
    std::vector<TooltipTool> tooltips;  // the four zones, then the days with a text
};

PaintResult PaintCalendar(const PaintInput& input, const CalendarPlan& plan, GlyphSource& glyphs,
                          PixelCanvas& canvas);

}  // namespace vesm
