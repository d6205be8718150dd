#include "view/month_layout.h"

#include <algorithm>

#include "view/koyomi_marks.h"

namespace vesm {

namespace {

constexpr int kNormalGrid = 0;
constexpr int kDayRow = 1;
constexpr int kDayColumn = 2;

int ShownMonthCount(const Settings& settings) {
    return settings.numOfMonth == 0 ? 12 : settings.numOfMonth;
}

int CeilDiv(int a, int b) {
    return (a + b - 1) / b;
}

// Block width in columns and height in rows.
int BlockColumns(int dayFormat) {
    switch (dayFormat) {
        case kDayRow:
            return 31;
        case kDayColumn:
            return 4;
        default:
            return 7;
    }
}

int HorizontalStep(const Settings& settings, const LayoutUnits& units) {
    int width = BlockColumns(settings.dayFormat) * units.columnWidth + units.weekColumnWidth;
    return settings.dayFormat == kDayColumn ? width : width + units.hMargin;
}

// Weekday (0 = Sunday) of the first column of the normal grid. Values beyond
// Monday, which only a hand-edited file holds, shift names and days alike.
int FirstColumnWeekday(const Settings& settings) {
    return ((settings.startWeek - 1) % 7 + 7) % 7;
}

// A block's height: its title, name and gap rows plus its rows of days.
int BlockHeight(const Settings& settings, const LayoutUnits& units) {
    const int rh = units.rowHeight;
    const int dh = units.dayRowHeight;
    switch (settings.dayFormat) {
        case kDayRow:
            return 3 * rh + dh;
        case kDayColumn:
            return 2 * rh + 31 * dh;
        default:
            return 3 * rh + 6 * dh;
    }
}

Size WindowSizeWithoutClock(const Settings& settings, const LayoutUnits& units,
                            const BlockGrid& grid) {
    const int rh = units.rowHeight;
    const int cw = units.columnWidth;
    const int a = grid.rows;
    const int b = grid.columns;
    const int block = BlockHeight(settings, units);
    // Below the last block of day rows or a grid, half a row instead of a whole one.
    const int rowsHeight = 2 * units.vMargin + a * block - rh + rh / 2;
    switch (settings.dayFormat) {
        case kDayRow:
            return {(b + 1) * units.hMargin + 31 * b * cw, rowsHeight};
        case kDayColumn:
            return {4 * b * cw + units.hMargin, 2 * units.vMargin + a * block + rh / 2};
        default:
            return {(b + 1) * units.hMargin + b * (7 * cw + units.weekColumnWidth), rowsHeight};
    }
}

// Blocks start right of the margin and their week number column.
int FirstBlockX(const LayoutUnits& units) {
    return units.hMargin + units.weekColumnWidth;
}

// The slot of the month's 1st in a grid of weeks that begin on the first column.
int LeadSlots(const Settings& settings, int weekdayOfFirst) {
    return ((weekdayOfFirst - 1) - FirstColumnWeekday(settings) + 7) % 7;
}

NavigationZones ComputeZones(Size window, const LayoutUnits& units, bool clock) {
    const int w = window.width;
    const int h = window.height;
    const int hm = units.hMargin;
    const int vm = units.vMargin;
    NavigationZones zones;
    zones.left = {0, vm, hm, h - vm};
    zones.right = {w - hm, vm, w, h - vm};
    zones.bottom = {hm, clock ? h - vm - units.rowHeight : h - vm, w - hm, h};
    zones.top = {hm, 0, w - hm, vm};
    return zones;
}

}  // namespace

int FontHeight(const Settings& settings, DisplayScale scale) {
    return scale.Pixels(settings.fontPointSize);
}

int SmallHeight(const Settings& settings, DisplayScale scale) {
    return FontHeight(settings, scale) * 7 / 10;
}

int HorizontalMargin(const Settings& settings, DisplayScale scale) {
    const int font = FontHeight(settings, scale);
    return settings.dayFormat == kDayRow ? 2 * font : font / 2;
}

int VerticalMargin(const Settings& settings, DisplayScale scale) {
    const int font = FontHeight(settings, scale);
    return settings.dayFormat == kDayColumn ? 2 * font : font / 2;
}

LayoutUnits ComputeUnits(const Settings& settings, int nameWidth, DisplayScale scale) {
    LayoutUnits units;
    units.fontHeight = FontHeight(settings, scale);
    units.markNudge = scale.Pixels(1);
    units.smallHeight = SmallHeight(settings, scale);
    units.rawColumnWidth = std::max(nameWidth, 1) - 1;  // no negative widths without glyphs
    units.rowHeight = units.smallHeight * settings.frameSizeOfDate / 100;
    units.columnWidth = units.rawColumnWidth * settings.frameSizeOfDate / 100;
    units.dayRowHeight = units.rowHeight;
    units.hMargin = HorizontalMargin(settings, scale);
    units.vMargin = VerticalMargin(settings, scale);
    return units;
}

void FitKoyomiMarks(const Settings& settings, int dayAscent, LayoutUnits& units,
                    DisplayScale scale) {
    const bool label = CellLabelShown(settings);
    const bool weeks = WeekNumbersShown(settings);
    if (!label && !weeks) return;
    // Two characters side by side must fit the cell's width.
    units.labelHeight = std::max(1, std::min(units.smallHeight * 4 / 5, units.columnWidth / 2));
    if (label) {
        units.labelTop = dayAscent + scale.Pixels(1);
        units.dayRowHeight = std::max(units.rowHeight, units.labelTop + units.labelHeight);
    }
    if (weeks) units.weekColumnWidth = units.labelHeight * 3 / 2;
}

int ShownMonths::LastYear() const {
    return firstYear + (firstMonth - 1 + count - 1) / 12;
}

int ShownMonths::LastMonth() const {
    return (firstMonth - 1 + count - 1) % 12 + 1;
}

int ShownMonths::FirstDayKey() const {
    return firstYear * 10000 + firstMonth * 100 + 1;
}

int ShownMonths::LastDayKey() const {
    return LastYear() * 10000 + LastMonth() * 100 + MonthLength(LastYear(), LastMonth());
}

ShownMonths ComputeShownMonths(const Settings& settings, const DateFields& displayed) {
    int index = displayed.year * 12 + (displayed.month - 1) - settings.numOfPast;
    return ShownMonths{index / 12, index % 12 + 1, ShownMonthCount(settings)};
}

BlockGrid ComputeGrid(const Settings& settings) {
    const int n = ShownMonthCount(settings);
    BlockGrid grid;
    if (settings.calendarFormat == 0) {
        grid.rows = std::max(1, std::min(n, settings.numOfRow));
        grid.columns = CeilDiv(n, grid.rows);
    } else {
        grid.columns = std::max(1, std::min(n, settings.numOfColumn));
        grid.rows = CeilDiv(n, grid.columns);
    }
    return grid;
}

WindowFrame ComputeWindowFrame(const Settings& settings, const LayoutUnits& units,
                               const BlockGrid& grid) {
    WindowFrame frame;
    frame.window = WindowSizeWithoutClock(settings, units, grid);
    const bool clock = settings.clockInfo == 1;
    if (clock) {
        const int w = frame.window.width;
        const int h = frame.window.height;
        frame.clockRect = {0, h - units.vMargin, w, h + units.rowHeight};
        const double columns = settings.time12or24 == 12 ? 3.5 : 2.5;
        frame.clockText = {static_cast<int>(w - units.rawColumnWidth * columns), h - units.vMargin};
        frame.window.height += units.rowHeight;
    }
    frame.zones = ComputeZones(frame.window, units, clock);
    return frame;
}

BlockPlacer::BlockPlacer(const Settings& settings, const LayoutUnits& units)
    : settings_(settings), units_(units), x_(FirstBlockX(units)) {}

Point BlockPlacer::NextBlock() {
    ++count_;
    if (settings_.calendarFormat == 0) {
        if (count_ > settings_.numOfRow) {
            x_ += HorizontalStep(settings_, units_);
            blockRow_ = -1;
            count_ = 1;
        }
        ++blockRow_;
    } else {
        if (count_ > settings_.numOfColumn) {
            count_ = 1;
        }
        if (count_ == 1) {
            ++blockRow_;
            x_ = FirstBlockX(units_);
        } else {
            x_ += HorizontalStep(settings_, units_);
        }
    }
    return {x_, units_.vMargin + blockRow_ * BlockHeight(settings_, units_)};
}

int WeekdayNameCount(const Settings& settings, int monthLength) {
    return settings.dayFormat == kNormalGrid ? 7 : monthLength;
}

Point WeekdayNameCell(const Settings& settings, const LayoutUnits& units, Point block, int index) {
    const int rh = units.rowHeight;
    if (settings.dayFormat == kDayColumn) {
        return {block.x + units.columnWidth, block.y + rh + index * units.dayRowHeight + rh / 3};
    }
    return {block.x + index * units.columnWidth, block.y + rh};
}

int WeekdayOfNameCell(const Settings& settings, int index, int weekdayOfFirst) {
    const int first =
        settings.dayFormat == kNormalGrid ? FirstColumnWeekday(settings) : weekdayOfFirst - 1;
    return (index + first) % 7;
}

Point DayCell(const Settings& settings, const LayoutUnits& units, Point block, int day,
              int weekdayOfFirst) {
    const int cw = units.columnWidth;
    const int rh = units.rowHeight;
    const int dh = units.dayRowHeight;
    switch (settings.dayFormat) {
        case kDayRow:
            return {block.x + (day - 1) * cw, block.y + 2 * rh};
        case kDayColumn:
            return {block.x + 2 * cw, block.y + rh + (day - 1) * dh};
        default: {
            // Position of the day in a grid of weeks that begin on the first column.
            const int slot = LeadSlots(settings, weekdayOfFirst) + day - 1;
            return {block.x + slot % 7 * cw, block.y + 2 * rh + slot / 7 * dh};
        }
    }
}

Size CellSize(const LayoutUnits& units) {
    return {units.columnWidth, units.dayRowHeight};
}

int WeekRowCount(const Settings& settings, int monthLength, int weekdayOfFirst) {
    return CeilDiv(LeadSlots(settings, weekdayOfFirst) + monthLength, 7);
}

Point WeekNumberCell(const LayoutUnits& units, Point block, int row) {
    return {block.x - units.weekColumnWidth,
            block.y + 2 * units.rowHeight + row * units.dayRowHeight};
}

int WeekRowFirstDay(const Settings& settings, int row, int weekdayOfFirst) {
    return row * 7 - LeadSlots(settings, weekdayOfFirst) + 1;
}

}  // namespace vesm
