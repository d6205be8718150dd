#include "view/calendar_paint.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "tasks/task_rules.h"
#include "view/calendar_texts.h"
#include "view/koyomi_marks.h"
#include "view/mark_symbols.h"
#include "view/text_routine.h"

namespace vesm {

namespace {

constexpr int kSunday = 1;
constexpr int kSaturday = 7;

FontSpec UserFont(const Settings& settings, int height) {
    return {settings.fontFaceName, height, settings.fontWeight, settings.fontItalic};
}

FontSpec MarkFont(const Settings& settings, int height) {
    return {std::string(kMarkFontFace), height, settings.fontWeight, false};
}

// Kanji labels and week numbers: a face that holds the kanji, at a plain
// weight, since the user's face need not have them and bold blots small kanji.
FontSpec LabelFont(int height) {
    return {std::string(kMarkFontFace), height, 400, false};
}

bool SameDay(const DateFields& a, const DateFields& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// The tasks that count for each calendar day, in task-list order. With old
// tasks hidden, days on or before the cutoff date carry none.
class TasksByDay {
public:
    explicit TasksByDay(const PaintInput& input) {
        const Settings& settings = input.settings;
        const bool hideOld = settings.rmTaskInfo == 1;
        const std::int64_t cutoff = hideOld ? CutoffDayKey(input.now, settings.rmTaskSpan) : 0;
        for (const CTaskTime& task : input.tasks) {
            const std::int64_t key = CalendarDayKey(task.taskTime.Fields());
            if (hideOld && key <= cutoff) continue;
            byDay_[key].push_back(&task);
        }
    }

    const std::vector<const CTaskTime*>& Of(std::int64_t dayKey) const {
        auto found = byDay_.find(dayKey);
        return found == byDay_.end() ? none_ : found->second;
    }

private:
    std::unordered_map<std::int64_t, std::vector<const CTaskTime*>> byDay_;
    std::vector<const CTaskTime*> none_;
};

// Draws one calendar, keeping what the walk over the days needs.
class CalendarPainter {
public:
    CalendarPainter(const PaintInput& input, const CalendarPlan& plan, GlyphSource& glyphs,
                    PixelCanvas& canvas)
        : input_(input),
          settings_(input.settings),
          plan_(plan),
          glyphs_(glyphs),
          canvas_(canvas),
          today_(input.now.Fields()),
          tasks_(input),
          placer_(input.settings, plan.units) {}

    PaintResult Paint() {
        PaintResult result;
        result.window = plan_.frame.window;
        result.clockRect = plan_.frame.clockRect;
        result.zones = plan_.frame.zones;
        canvas_.Fill(PixelFromRgb(Color(&Settings::colorBackground)));
        if (settings_.clockInfo == 1) DrawClock();
        AddZoneTips(result);
        result.cells.resize(input_.days.size());
        for (std::size_t i = 0; i < input_.days.size(); ++i) {
            PaintDay(i, result);
        }
        return result;
    }

private:
    Rgb Color(int Settings::*color) const { return RgbFromDecimal(settings_.*color); }

    void DrawClock() {
        const std::string text = ClockText(today_.hour, today_.minute, settings_.time12or24);
        DrawText(canvas_, glyphs_, UserFont(settings_, plan_.units.fontHeight), text,
                 plan_.frame.clockText, Color(&Settings::colorWeekday));
    }

    void AddZoneTips(PaintResult& result) const {
        const NavigationZones& zones = plan_.frame.zones;
        result.tooltips.push_back({kLeftZoneTool, zones.left, std::string(kLeftZoneTip)});
        result.tooltips.push_back({kRightZoneTool, zones.right, std::string(kRightZoneTip)});
        result.tooltips.push_back({kBottomZoneTool, zones.bottom, std::string(kBottomZoneTip)});
        result.tooltips.push_back({kTopZoneTool, zones.top, std::string(kTopZoneTip)});
    }

    void PaintDay(std::size_t index, PaintResult& result) {
        const DayRecord& day = input_.days[index];
        const DateFields date = day.date.Fields();
        const std::int64_t key = CalendarDayKey(date);
        if (key < plan_.months.FirstDayKey() || key > plan_.months.LastDayKey()) return;

        const int weekdayOfFirst = ((date.weekday - 1 - (date.day - 1)) % 7 + 7) % 7 + 1;
        if (date.year != blockYear_ || date.month != blockMonth_) {
            StartBlock(date, weekdayOfFirst);
        }
        const Point cellOrigin = DayCell(settings_, plan_.units, block_, date.day, weekdayOfFirst);
        const Rect cell = RectAt(cellOrigin, CellSize(plan_.units));
        result.cells[index] = cell;

        const bool isToday = SameDay(date, today_);
        const std::vector<const CTaskTime*>& tasks = tasks_.Of(key);
        std::string tip = DayTooltipText(day, isToday, tasks, settings_.time12or24);
        const DayKoyomi* marks = DayMarksShown(settings_) ? input_.koyomi.Of(date) : nullptr;
        if (marks != nullptr) AddKoyomiLines(*marks, tip);
        if (!tip.empty() && index <= static_cast<std::size_t>(kLastDayTool - kFirstDayTool)) {
            result.tooltips.push_back(
                {kFirstDayTool + static_cast<int>(index), cell, std::move(tip)});
        }

        const int centre = cell.left + plan_.units.columnWidth / 2;
        DrawMarks(centre, cell.top, isToday, day.specialDayFlag == 2, !tasks.empty());
        DrawDayNumber(date, day.holidayFlag == 1, centre, cell.top);
        if (marks != nullptr) DrawCellLabel(*marks, centre, cell.top);
    }

    void AddKoyomiLines(const DayKoyomi& marks, std::string& tip) const {
        const std::string lines = KoyomiTooltipLines(settings_, marks);
        if (lines.empty()) return;
        if (!tip.empty()) tip += "\r\n";
        tip += lines;
    }

    void DrawCellLabel(const DayKoyomi& marks, int centre, int top) {
        const std::string_view label = CellLabel(settings_, marks);
        if (label.empty()) return;
        const FontSpec font = LabelFont(plan_.units.labelHeight);
        const int width = MeasureText(glyphs_, font, label).width;
        DrawText(canvas_, glyphs_, font, label, {centre - width / 2, top + plan_.units.labelTop},
                 Color(&Settings::colorWeekday));
    }

    // Right-aligned in the column, on the baseline of the day numbers.
    void DrawWeekNumbers(const DateFields& date, int weekdayOfFirst) {
        const FontSpec font = LabelFont(plan_.units.labelHeight);
        const int baseline = glyphs_.Ascent(UserFont(settings_, plan_.units.fontHeight));
        const int lift = baseline - glyphs_.Ascent(font);
        const int rows =
            WeekRowCount(settings_, MonthLength(date.year, date.month), weekdayOfFirst);
        for (int row = 0; row < rows; ++row) {
            const int firstDay = WeekRowFirstDay(settings_, row, weekdayOfFirst);
            const int number = RowWeekNumber(settings_, date.year, date.month, firstDay);
            const std::string text = std::to_string(number);
            const Point cell = WeekNumberCell(plan_.units, block_, row);
            const int width = MeasureText(glyphs_, font, text).width;
            const int right = cell.x + plan_.units.weekColumnWidth - plan_.units.labelHeight / 4;
            DrawText(canvas_, glyphs_, font, text, {right - width, cell.y + lift},
                     Color(&Settings::colorWeekday));
        }
    }

    void StartBlock(const DateFields& date, int weekdayOfFirst) {
        blockYear_ = date.year;
        blockMonth_ = date.month;
        block_ = placer_.NextBlock();
        const FontSpec small = UserFont(settings_, plan_.units.smallHeight);
        DrawTitle(date, small);
        if (WeekNumbersShown(settings_)) DrawWeekNumbers(date, weekdayOfFirst);
        const int names = WeekdayNameCount(settings_, MonthLength(date.year, date.month));
        for (int j = 0; j < names; ++j) {
            const int weekday = WeekdayOfNameCell(settings_, j, weekdayOfFirst);
            const std::string_view name = kWeekdayNames[static_cast<std::size_t>(weekday)];
            const Point cell = WeekdayNameCell(settings_, plan_.units, block_, j);
            const int width = MeasureText(glyphs_, small, name).width;
            DrawText(canvas_, glyphs_, small, name,
                     {cell.x + plan_.units.columnWidth / 2 - width / 2, cell.y},
                     WeekdayColor(weekday + 1));
        }
    }

    void DrawTitle(const DateFields& date, const FontSpec& small) {
        if (settings_.warekiInfo == 1) {
            DrawText(canvas_, glyphs_, MarkFont(settings_, small.height),
                     EraMonthTitle(date.year, date.month), block_, Color(&Settings::colorWeekday));
            return;
        }
        DrawText(canvas_, glyphs_, small, MonthTitle(date.year, date.month, settings_.styleOfMonth),
                 block_, Color(&Settings::colorWeekday));
    }

    Rgb WeekdayColor(int weekday) const {
        if (weekday == kSunday) return Color(&Settings::colorSunday);
        if (weekday == kSaturday) return Color(&Settings::colorSaturday);
        return Color(&Settings::colorWeekday);
    }

    // Marks go from the last symbol index down to the first, today before the
    // special day before the task day for one index, so later ones lie on top.
    void DrawMarks(int centre, int top, bool isToday, bool isSpecialDay, bool hasTasks) {
        const int raised = top - plan_.units.markNudge;
        for (int k = kLastMark; k > kNoMark; --k) {
            if (settings_.todayInfo == k && isToday) {
                DrawMark(k, centre, raised, Color(&Settings::colorToday));
            }
            if (settings_.specialDayInfo == k && isSpecialDay) {
                DrawMark(k, centre, top, Color(&Settings::colorSpecialday));
            }
            if (settings_.taskDayInfo == k && hasTasks) {
                DrawMark(k, centre, raised, Color(&Settings::colorTaskday));
            }
        }
    }

    void DrawMark(int symbol, int centre, int y, Rgb color) {
        const FontSpec font = MarkFont(settings_, plan_.units.fontHeight);
        const std::string_view text = kMarkSymbols[static_cast<std::size_t>(symbol)];
        const int width = MeasureText(glyphs_, font, text).width;
        DrawText(canvas_, glyphs_, font, text, {centre - width / 2 - plan_.units.markNudge, y},
                 color);
    }

    void DrawDayNumber(const DateFields& date, bool holiday, int centre, int top) {
        const FontSpec font = UserFont(settings_, plan_.units.fontHeight);
        const std::string text = std::to_string(date.day);
        const Rgb color = holiday ? Color(&Settings::colorSunday) : WeekdayColor(date.weekday);
        const int width = MeasureText(glyphs_, font, text).width;
        DrawText(canvas_, glyphs_, font, text, {centre - width / 2, top}, color);
    }

    const PaintInput& input_;
    const Settings& settings_;
    const CalendarPlan& plan_;
    GlyphSource& glyphs_;
    PixelCanvas& canvas_;
    DateFields today_;
    TasksByDay tasks_;
    BlockPlacer placer_;
    Point block_;
    int blockYear_ = 0;
    int blockMonth_ = 0;
};

int NameWidth(const Settings& settings, GlyphSource& glyphs, DisplayScale scale) {
    const FontSpec small = UserFont(settings, SmallHeight(settings, scale));
    int widest = 0;
    for (std::string_view name : kWeekdayNames) {
        widest = std::max(widest, MeasureText(glyphs, small, name).width);
    }
    return widest;
}

}  // namespace

CalendarPlan PlanCalendar(const Settings& settings, DateTime displayDate, GlyphSource& glyphs,
                          DisplayScale scale) {
    CalendarPlan plan;
    plan.units = ComputeUnits(settings, NameWidth(settings, glyphs, scale), scale);
    if (CellLabelShown(settings) || WeekNumbersShown(settings)) {
        const int dayAscent = glyphs.Ascent(UserFont(settings, plan.units.fontHeight));
        FitKoyomiMarks(settings, dayAscent, plan.units, scale);
    }
    plan.grid = ComputeGrid(settings);
    plan.frame = ComputeWindowFrame(settings, plan.units, plan.grid);
    plan.months = ComputeShownMonths(settings, displayDate.Fields());
    return plan;
}

Size CanvasSize(const CalendarPlan& plan, Size limit) {
    const Size window = plan.frame.window;
    return {std::clamp(window.width, 1, std::max(limit.width, 1)),
            std::clamp(window.height, 1, std::max(limit.height, 1))};
}

PaintResult PaintCalendar(const PaintInput& input, const CalendarPlan& plan, GlyphSource& glyphs,
                          PixelCanvas& canvas) {
    return CalendarPainter(input, plan, glyphs, canvas).Paint();
}

}  // namespace vesm
