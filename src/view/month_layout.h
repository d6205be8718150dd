// Where every element of the calendar lies: the size units derived from the
// font, the margins, the month blocks, the cells inside a block, the window
// size, the clock row and the four navigation zones. Pure functions of the
// settings, the shown months and one measured width.
#pragma once

#include "doc/date_time.h"
#include "doc/navigation_zones.h"
#include "doc/settings.h"
#include "view/display_scale.h"
#include "view/geometry.h"

namespace vesm {

// Size units and margins of one paint, in the monitor's pixels.
struct LayoutUnits {
    int fontHeight = 0;   // day numbers, marks and clock
    int markNudge = 1;    // marks stand this far left of and above the centred place
    int smallHeight = 0;  // font height of titles and weekday names
    int rawColumnWidth = 0;
    int rowHeight = 0;     // rh
    int dayRowHeight = 0;  // rows of day numbers: rh, or taller for a label
    int columnWidth = 0;   // cw
    int hMargin = 0;       // hm
    int vMargin = 0;       // vm
    // The calendar's marks: a label under each day number and a week number
    // column left of each block; both 0 while they are not shown.
    int labelHeight = 0;
    int labelTop = 0;  // from the cell's top
    int weekColumnWidth = 0;
};

// The font height in the monitor's pixels; every other unit derives from it.
int FontHeight(const Settings& settings, DisplayScale scale = {});
int SmallHeight(const Settings& settings, DisplayScale scale = {});
// nameWidth: the widest ink width of "Sun" .. "Sat" at the small height.
LayoutUnits ComputeUnits(const Settings& settings, int nameWidth, DisplayScale scale = {});
// Makes room for the calendar's marks the settings show: the rows of days
// grow just enough for the label under the day number, whose baseline lies `dayAscent`
// below the cell's top.
void FitKoyomiMarks(const Settings& settings, int dayAscent, LayoutUnits& units,
                    DisplayScale scale = {});
int HorizontalMargin(const Settings& settings, DisplayScale scale = {});
int VerticalMargin(const Settings& settings, DisplayScale scale = {});

// The months on show: `count` months from the first, which is the displayed
// month minus numOfPast.
struct ShownMonths {
    int firstYear = 0;
    int firstMonth = 0;
    int count = 0;
    int LastYear() const;
    int LastMonth() const;
    // year x 10000 + month x 100 + day bounds of the shown days.
    int FirstDayKey() const;
    int LastDayKey() const;
};

ShownMonths ComputeShownMonths(const Settings& settings, const DateFields& displayed);

// Rows (a) and columns (b) of month blocks.
struct BlockGrid {
    int rows = 0;
    int columns = 0;
};

BlockGrid ComputeGrid(const Settings& settings);

// The window and what lies along its edges.
struct WindowFrame {
    Size window;      // clock row included
    Rect clockRect;   // (0,0,0,0) without the clock
    Point clockText;  // top-left of the clock text
    NavigationZones zones;
};

WindowFrame ComputeWindowFrame(const Settings& settings, const LayoutUnits& units,
                               const BlockGrid& grid);

// Hands out the origin of each month block in the order the months are shown.
class BlockPlacer {
public:
    BlockPlacer(const Settings& settings, const LayoutUnits& units);
    // The title's top-left of the next shown month.
    Point NextBlock();

private:
    const Settings& settings_;
    const LayoutUnits& units_;
    int x_;
    int blockRow_ = -1;  // blocks down from the top
    int count_ = 0;
};

// Weekday names of a block: how many cells, where each lies, and which
// weekday (0 = Sunday .. 6 = Saturday) it names.
int WeekdayNameCount(const Settings& settings, int monthLength);
Point WeekdayNameCell(const Settings& settings, const LayoutUnits& units, Point block, int index);
int WeekdayOfNameCell(const Settings& settings, int index, int weekdayOfFirst);

// Top-left of the cell of `day` in the block, given the weekday of the
// month's 1st (1 = Sunday .. 7 = Saturday).
Point DayCell(const Settings& settings, const LayoutUnits& units, Point block, int day,
              int weekdayOfFirst);

Size CellSize(const LayoutUnits& units);

// The week rows of a normal grid block: how many a month fills, where the
// week number of each stands (top-left of its column cell) and the day of
// the month in the row's first column (0 or less in the month before).
int WeekRowCount(const Settings& settings, int monthLength, int weekdayOfFirst);
Point WeekNumberCell(const LayoutUnits& units, Point block, int row);
int WeekRowFirstDay(const Settings& settings, int row, int weekdayOfFirst);

}  // namespace vesm
