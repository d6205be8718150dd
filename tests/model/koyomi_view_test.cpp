#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "doc/date_time.h"
#include "doc/day_record.h"
#include "doc/settings.h"
#include "doc/task_time.h"
#include "support/painted_calendar.h"
#include "support/synthetic_glyphs.h"
#include "view/calendar_paint.h"
#include "view/koyomi_marks.h"
#include "view/mark_symbols.h"

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
        EXPECT_EQ(PaintChecksum(settings), c.checksum) << c.name;
    }
}

TEST(KoyomiTexts, TooltipLinesAndCellLabelFollowTheirSettings) {
    const DayKoyomi winter{{11, true, 3}, Rokuyo::Sensho, 18};
    const DayKoyomi plain{{4, false, 12}, Rokuyo::Tomobiki, -1};
    struct Case {
        int rokuyo, kyureki, sekki;
        const DayKoyomi& marks;
        const char* tip;
        const char* label;
    };
    const Case cases[] = {
        {1, 1, 1, winter, "旧暦 閏11月3日 先勝\r\n冬至", ""},
        {0, 1, 0, winter, "旧暦 閏11月3日", ""},
        {2, 0, 1, winter, "先勝\r\n冬至", "先勝"},
        {0, 0, 2, winter, "冬至", "冬至"},
        {2, 0, 2, winter, "先勝\r\n冬至", "冬至"},
        {2, 1, 2, plain, "旧暦 4月12日 友引", "友引"},
        {0, 0, 2, plain, "", ""},
        {0, 0, 0, winter, "", ""},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.rokuyoInfo = c.rokuyo;
        settings.kyurekiInfo = c.kyureki;
        settings.sekkiInfo = c.sekki;
        EXPECT_EQ(KoyomiTooltipLines(settings, c.marks), c.tip) << c.tip;
        EXPECT_EQ(CellLabel(settings, c.marks), c.label) << c.tip;
    }
}

TEST(KoyomiTexts, EraTitlesTakeTheEraOfTheMonthsFirstDay) {
    EXPECT_EQ(EraMonthTitle(2026, 12), "令和8年12月");
    EXPECT_EQ(EraMonthTitle(2019, 5), "令和元年5月");
    EXPECT_EQ(EraMonthTitle(2019, 4), "平成31年4月");
    EXPECT_EQ(EraMonthTitle(1989, 1), "昭和64年1月");
    EXPECT_EQ(EraMonthTitle(1989, 2), "平成元年2月");
}

TEST(KoyomiTexts, RowWeekNumbersAcrossTheTurnOfTheYear) {
    struct Case {
        int weekNumberInfo, startWeek;
        int year, month, day;  // the row's first day
        int expected;
    };
    const Case cases[] = {
        {1, 1, 2025, 12, 28, 1},   // ISO by the row's Thursday, 1 January 2026
        {2, 1, 2025, 12, 28, 1},   // US: the row holding 1 January
        {1, 1, 2026, 12, 27, 53},  // 2026 has 53 ISO weeks
        {2, 1, 2026, 12, 27, 1},  {2, 1, 2027, 1, 3, 2},
        {1, 1, 2027, 1, 3, 1},    {1, 2, 2026, 12, 28, 53},  // Monday rows
        {2, 2, 2026, 12, 28, 53},                            // US needs Sunday rows: ISO instead
        {1, 1, 2026, 5, 17, 21},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.weekNumberInfo = c.weekNumberInfo;
        settings.startWeek = c.startWeek;
        EXPECT_EQ(RowWeekNumber(settings, *DateTime::Build(c.year, c.month, c.day)), c.expected)
            << c.year << "-" << c.month << "-" << c.day << " " << c.weekNumberInfo;
    }
}

TEST(KoyomiTexts, MarksOfADayComeFromItsYearAndStopOutsideTheComputedYears) {
    KoyomiDays days;
    const DayKoyomi* newYear = days.Of(DateTime::Build(2026, 2, 17)->Fields());
    ASSERT_NE(newYear, nullptr);
    EXPECT_EQ(newYear->lunar.month, 1);
    EXPECT_EQ(newYear->lunar.day, 1);
    const DayKoyomi* leap = days.Of(DateTime::Build(2024, 12, 31)->Fields());
    ASSERT_NE(leap, nullptr);  // the last day of a leap year
    EXPECT_EQ(leap->solarTerm, -1);
    EXPECT_EQ(days.Of(DateTime::Build(2026, 12, 22)->Fields())->solarTerm, 18);
    EXPECT_NE(days.Of(DateTime::Build(2099, 12, 31)->Fields()), nullptr);
    EXPECT_EQ(days.Of(DateTime::Build(1979, 12, 31)->Fields()), nullptr);
    EXPECT_EQ(days.Of(DateTime::Build(2100, 1, 1)->Fields()), nullptr);
}

// One painted calendar of 2026 with the marks' options as a case sets them.
class KoyomiPaint : public testing::PaintedCalendar {
protected:
    void Paint(int month) {
        days_ = DaysAround(2026);
        PaintAt(*DateTime::Build(2026, month, 10), *DateTime::Build(2026, 5, 20, 9, 30));
    }
    std::string TipOf(int month, int day) const {
        const int id = kFirstDayTool + static_cast<int>(IndexOf(month, day));
        for (const TooltipTool& tool : result_.tooltips) {
            if (tool.id == id) return tool.text;
        }
        return {};
    }
    // Just inside the label's first character, under the centre of the cell.
    Pixel LabelPixel(int month, int day, int dy = 1) const {
        const Rect cell = CellOf(month, day);
        const int centre = cell.left + plan_.units.columnWidth / 2;
        const int half = SyntheticGlyphs::BlockWidth(plan_.units.labelHeight);
        return At(centre - half + 1, cell.top + plan_.units.labelTop + dy);
    }
};

TEST_F(KoyomiPaint, CellLabelGrowsTheRowsOfDaysJustBelowTheDayNumber) {
    settings_.todayInfo = 0;
    Paint(5);
    const LayoutUnits plain = plan_.units;
    const Size plainWindow = result_.window;
    const Rect plainApril = CellOf(4, 1);
    const Rect plainMay = CellOf(5, 1);
    settings_.sekkiInfo = 2;
    Paint(5);
    const LayoutUnits& units = plan_.units;
    EXPECT_EQ(units.labelTop, SyntheticGlyphs::AscentFor(units.fontHeight) + 1);
    EXPECT_GT(units.labelTop + units.labelHeight, plain.rowHeight);
    EXPECT_EQ(units.dayRowHeight, units.labelTop + units.labelHeight);
    EXPECT_EQ(units.rowHeight, plain.rowHeight);  // titles and weekday names keep theirs
    EXPECT_LE(2 * SyntheticGlyphs::BlockWidth(units.labelHeight) + 1, units.columnWidth);
    EXPECT_EQ(result_.window.width, plainWindow.width);
    EXPECT_EQ(result_.window.height - plainWindow.height,
              3 * 6 * (units.dayRowHeight - units.rowHeight));
    EXPECT_EQ(CellOf(4, 1).top, plainApril.top);
    EXPECT_EQ(CellOf(5, 1).top - plainMay.top, 6 * (units.dayRowHeight - units.rowHeight));
    EXPECT_EQ(CellOf(5, 21).bottom - CellOf(5, 21).top, units.dayRowHeight);
    EXPECT_EQ(CellOf(5, 28).top - CellOf(5, 21).top, units.dayRowHeight);
    // 小満 on 21 May, in the weekday colour; nothing on other days
    EXPECT_EQ(LabelPixel(5, 21), Colour(&Settings::colorWeekday));
    EXPECT_EQ(LabelPixel(5, 21, -1), Colour(&Settings::colorBackground));
    EXPECT_EQ(LabelPixel(5, 22), Colour(&Settings::colorBackground));
    settings_.rokuyoInfo = 2;
    Paint(5);
    EXPECT_EQ(LabelPixel(5, 10), Colour(&Settings::colorWeekday));  // a Sunday
    EXPECT_EQ(LabelPixel(5, 22), Colour(&Settings::colorWeekday));
    settings_.frameSizeOfDate = 50;  // narrow cells take smaller labels
    Paint(5);
    EXPECT_LE(2 * SyntheticGlyphs::BlockWidth(plan_.units.labelHeight) + 1,
              plan_.units.columnWidth);
    settings_.dayFormat = 2;  // one row per day
    Paint(5);
    EXPECT_EQ(CellOf(5, 2).top - CellOf(5, 1).top, plan_.units.dayRowHeight);
    EXPECT_EQ(LabelPixel(5, 22), Colour(&Settings::colorWeekday));
    EXPECT_LE(CellOf(6, 30).bottom, result_.window.height);
}

TEST_F(KoyomiPaint, WeekNumbersStandInAColumnLeftOfEachBlock) {
    settings_.todayInfo = 0;
    settings_.numOfMonth = 2;
    settings_.numOfPast = 0;
    settings_.calendarFormat = 1;  // two blocks side by side
    settings_.numOfColumn = 2;
    Paint(5);
    const Rect plainMay = CellOf(5, 1);
    const Rect plainJune = CellOf(6, 1);
    const Size plainWindow = result_.window;
    settings_.weekNumberInfo = 1;
    Paint(5);
    const int column = plan_.units.weekColumnWidth;
    const int label = plan_.units.labelHeight;
    EXPECT_LE(2 * SyntheticGlyphs::BlockWidth(label) + 1, column - label / 4);  // "53" fits
    EXPECT_EQ(CellOf(5, 1).left, plainMay.left + column);
    EXPECT_EQ(CellOf(6, 1).left, plainJune.left + 2 * column);
    EXPECT_EQ(result_.window.width, plainWindow.width + 2 * column);
    EXPECT_EQ(result_.window.height, plainWindow.height);
    EXPECT_EQ(result_.zones.right.left, result_.window.width - plan_.units.hMargin);
    // Ink in the column beside each week row: June 2026 fills five Sunday
    // rows, so its sixth stays empty.
    const auto inked = [&](const Rect& sunday, int rowsDown) {
        const int top = sunday.top + rowsDown * plan_.units.dayRowHeight;
        for (int x = sunday.left - column; x < sunday.left; ++x) {
            for (int y = top; y < top + plan_.units.dayRowHeight; ++y) {
                if (At(x, y) == Colour(&Settings::colorWeekday)) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(inked(CellOf(5, 3), -1));
    EXPECT_TRUE(inked(CellOf(5, 31), 0));
    EXPECT_TRUE(inked(CellOf(6, 7), -1));
    EXPECT_TRUE(inked(CellOf(6, 28), 0));
    EXPECT_FALSE(inked(CellOf(6, 28), 1));

    // The numbers drawn (each measured, then drawn) are those of each row's
    // first day, across the turn of the year too; era titles come in the label face.
    struct Shown {
        int month;
        int scheme;
        int firstDays[11];  // yyyymmdd
        const char32_t* titles;
    };
    const Shown shown[] = {
        {5,
         1,
         {20260426, 20260503, 20260510, 20260517, 20260524, 20260531,  // May
          20260531, 20260607, 20260614, 20260621, 20260628},           // June
         U"令和8年5月令和8年6月"},
        {12,
         2,
         {20261129, 20261206, 20261213, 20261220, 20261227,             // December
          20261227, 20270103, 20270110, 20270117, 20270124, 20270131},  // January
         U"令和8年12月令和9年1月"},
    };
    settings_.warekiInfo = 1;
    for (const Shown& c : shown) {
        settings_.weekNumberInfo = c.scheme;
        glyphs_ = SyntheticGlyphs();
        Paint(c.month);
        std::u32string numbers, expected, titles;
        for (const auto& request : glyphs_.Requests()) {
            if (request.font.face != kMarkFontFace) continue;
            if (request.font.height == label) numbers += request.character;
            if (request.font.height == plan_.units.smallHeight) titles += request.character;
        }
        for (int day : c.firstDays) {
            const DateTime start = *DateTime::Build(day / 10000, day / 100 % 100, day % 100);
            const std::string number = std::to_string(RowWeekNumber(settings_, start));
            for (char digit : number + number) expected += digit;
        }
        EXPECT_EQ(numbers, expected) << c.month;
        EXPECT_EQ(titles, c.titles);
    }
}

TEST_F(KoyomiPaint, TooltipsCarryTheLunarDateAndTermAfterTheDaysOwnLines) {
    settings_.kyurekiInfo = 1;
    settings_.rokuyoInfo = 1;
    settings_.sekkiInfo = 1;
    Paint(2);
    EXPECT_EQ(TipOf(2, 17), "旧暦 1月1日 先勝");
    EXPECT_EQ(TipOf(2, 4), "旧暦 12月17日 仏滅\r\n立春");
    EXPECT_EQ(LabelPixel(2, 17), Colour(&Settings::colorBackground));
    Paint(5);
    EXPECT_EQ(TipOf(5, 20).rfind("・今日\r\n旧暦 ", 0), 0u) << TipOf(5, 20);
    // each choice alone is enough for its line
    int Settings::*const alone[] = {&Settings::kyurekiInfo, &Settings::rokuyoInfo,
                                    &Settings::sekkiInfo};
    const char* expected[] = {"旧暦 12月17日", "仏滅", "立春"};
    for (int i = 0; i < 3; ++i) {
        settings_.kyurekiInfo = settings_.rokuyoInfo = settings_.sekkiInfo = 0;
        settings_.*alone[i] = 1;
        Paint(2);
        EXPECT_EQ(TipOf(2, 4), expected[i]);
    }
    EXPECT_EQ(TipOf(2, 5), "");
}

}  // namespace
}  // namespace vesm
