// The Japanese calendar's marks: lunisolar dates, 六曜 and solar terms of known
// days (many within minutes of Japan's midnight, where another time zone or a
// coarse series gets the day wrong), the moments behind them, the rules every
// year 1980-2099 keeps, and how the calendar shows them.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "doc/holiday_engine.h"
#include "koyomi/day_number.h"
#include "koyomi/delta_t.h"
#include "koyomi/koyomi.h"
#include "koyomi/new_moon.h"
#include "koyomi/solar_terms.h"
#include "support/painted_calendar.h"
#include "view/koyomi_marks.h"
#include "view/mark_symbols.h"

namespace vesm {
namespace {

constexpr int kVernalEquinox = 0, kAutumnalEquinox = 12, kWinterSolstice = 18;

DayKoyomi KoyomiOn(int date) {  // yyyymmdd
    const int year = date / 10000,
              dayOfYear = DayNumberOf(year, date / 100 % 100, date % 100) - DayNumberOf(year, 1, 1);
    return KoyomiOfYear(year).at(dayOfYear);
}

// 旧正月 and leap months as published; new moons and terms within minutes of
// Japan's midnight (21 May 2012 has 小満 and a new moon: China, at UTC+8, has
// 閏4月); 2033 has a month without a principal term yet no leap month until 閏11月.
TEST(KoyomiTest, LunarDatesRokuyoAndTermsOfKnownDays) {
    const std::tuple<int, const char*, const char*> known[] = {
        {20240210, "1月1日", "先勝"},   {20250129, "1月1日", "先勝"},
        {20260217, "1月1日", "先勝"},   {20230322, "閏2月1日", "友引"},
        {20200523, "閏4月1日", "仏滅"}, {20170624, "閏5月1日", "大安"},
        {20250725, "閏6月1日", "赤口"}, {20120421, "閏3月1日", "先負"},
        {20120521, "4月1日", "仏滅"},   {20120619, "4月30日", "先負"},
        {20120620, "5月1日", "大安"},   {20170226, "2月1日", "友引"},
        {20051202, "11月1日", "大安"},  {20330825, "8月1日", "友引"},
        {20331122, "11月1日", "大安"},  {20331222, "閏11月1日", "大安"},
        {20340120, "12月1日", "赤口"},  {20340219, "1月1日", "先勝"},
        {20190501, "3月27日", "大安"}};
    for (const auto& [date, lunar, rokuyo] : known) {
        const DayKoyomi marks = KoyomiOn(date);
        EXPECT_EQ(LunarDateText(marks.lunar), lunar) << date;
        EXPECT_STREQ(RokuyoName(marks.rokuyo), rokuyo) << date;
    }
    const std::pair<int, const char*> terms[] = {{20260320, "春分"}, {20251222, "冬至"},
                                                 {20210203, "立春"}, {20230621, "夏至"},
                                                 {20191122, "小雪"}, {20130405, "清明"}};
    for (const auto& [date, term] : terms) {
        EXPECT_STREQ(SolarTermName(KoyomiOn(date).solarTerm), term) << date;
    }
}

// Against an independent ephemeris, in Terrestrial Time: a day's marks turn on
// these moments wherever one falls near midnight.
TEST(KoyomiTest, MomentsWithinSecondsOfTheEphemeris) {
    constexpr double kTolerance = 20.0 / 86400;  // days
    const struct {
        int year, term;
        double jde;
    } terms[] = {{1980, 0, 2444318.96564},  {1995, 6, 2449890.35801},  {2025, 18, 2461031.12784},
                 {2033, 14, 2463893.60326}, {2060, 12, 2473724.74293}, {2099, 21, 2487738.05024}};
    for (const auto& c : terms) {
        EXPECT_NEAR(SolarTermMoment(c.year, c.term), c.jde, kTolerance) << c.year << " " << c.term;
    }
    const std::pair<int, double> moons[] = {{-246, 2444285.86926}, {0, 2451550.26022},
                                            {212, 2457811.12467},  {418, 2463893.81223},
                                            {900, 2478127.24808},  {1235, 2488019.98103}};
    for (const auto& [lunation, jde] : moons) {
        EXPECT_NEAR(NewMoonMoment(lunation), jde, kTolerance) << "lunation " << lunation;
    }
    // Clock time lags the ephemerides' by about a minute, as observed.
    const std::pair<double, double> observed[] = {
        {1980, 50.5}, {1990, 56.9}, {2000, 63.8}, {2010, 66.1}, {2020, 69.4}};
    for (const auto& [year, seconds] : observed) EXPECT_NEAR(DeltaTSeconds(year), seconds, 2.5);
    EXPECT_EQ(DayNumberOf(2000, 1, 1), 2451545);  // day numbers are Julian day numbers
}

struct LunarMonth {
    LunarDate first;
    int length = 0, principalTerms = 0;
    bool holdsWinterSolstice = false;
};

// Each solar year has every term once in the sun's order from 小寒, the
// equinoxes on the equinox holidays. Lunar days run 1 to 29 or 30 without
// gaps; months follow in order, a leap month repeats the one before and holds
// no principal term, 冬至 falls in 11月, and the leap months are those published.
TEST(KoyomiTest, EveryYearKeepsTheRulesOfTermsAndMonths) {
    EXPECT_TRUE(KoyomiOfYear(1979).empty());
    EXPECT_TRUE(KoyomiOfYear(2100).empty());
    std::vector<int> termOrder;
    for (int i = 0; i < 24; ++i) termOrder.push_back((19 + i) % 24);
    std::vector<LunarMonth> months;
    std::map<int, int> leapMonthOf;
    for (int year = 1980; year <= 2099; ++year) {
        const std::vector<DayKoyomi> days = KoyomiOfYear(year);
        std::vector<int> terms;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const DayKoyomi& day = days[i];
            const int date = DayNumberOf(year, 1, 1) + static_cast<int>(i);
            const CivilDate civil = CivilDateOf(date);
            ASSERT_EQ(DayNumberOf(civil.year, civil.month, civil.day), date);
            if (day.solarTerm >= 0) terms.push_back(day.solarTerm);
            const int equinox = day.solarTerm == kVernalEquinox     ? VernalEquinoxDay(year)
                                : day.solarTerm == kAutumnalEquinox ? AutumnalEquinoxDay(year)
                                                                    : civil.day;
            EXPECT_EQ(civil.day, equinox) << year;
            if (day.lunar.leap) leapMonthOf[year] = day.lunar.month;
            if (!months.empty() && day.lunar.day != 1) {
                const LunarDate& first = months.back().first;
                ASSERT_EQ(day.lunar.day, first.day + months.back().length) << year;
                ASSERT_EQ(day.lunar.month, first.month);
                ASSERT_EQ(day.lunar.leap, first.leap);
            }
            if (day.lunar.day == 1 || months.empty()) months.push_back({day.lunar});
            LunarMonth& month = months.back();
            ++month.length;
            if (day.solarTerm >= 0 && day.solarTerm % 2 == 0) ++month.principalTerms;
            month.holdsWinterSolstice |= day.solarTerm == kWinterSolstice;
        }
        EXPECT_EQ(terms, termOrder) << year;
    }
    for (std::size_t i = 1; i < months.size(); ++i) {
        const LunarDate& before = months[i - 1].first;
        const LunarMonth& month = months[i];
        SCOPED_TRACE("month " + std::to_string(i) + ": " + LunarDateText(month.first));
        EXPECT_TRUE(i + 1 == months.size() || month.length == 29 || month.length == 30);
        if (month.first.leap) {
            EXPECT_EQ(month.first.month, before.month);
            EXPECT_FALSE(before.leap);
            EXPECT_EQ(month.principalTerms, 0);
        } else {
            EXPECT_EQ(month.first.month, before.month % 12 + 1);
        }
        EXPECT_TRUE(!month.holdsWinterSolstice || (month.first.month == 11 && !month.first.leap));
    }
    const std::pair<int, int> leaps[] = {{1984, 10}, {1987, 6}, {1990, 5}, {1993, 3}, {1995, 8},
                                         {1998, 5},  {2001, 4}, {2004, 2}, {2006, 7}, {2009, 5},
                                         {2012, 3},  {2014, 9}, {2017, 5}, {2020, 4}, {2023, 2},
                                         {2025, 6},  {2028, 5}, {2031, 3}, {2033, 11}};
    for (const auto& [year, leapMonth] : leaps) EXPECT_EQ(leapMonthOf[year], leapMonth) << year;
}

using testing::SyntheticGlyphs;

// One painted calendar of 2026 with the marks' options as a case sets them.
class KoyomiPaint : public testing::PaintedCalendar {
protected:
    KoyomiPaint() {
        const DateTime end = *DateTime::Build(2027, 1, 31);
        for (DateTime day = *DateTime::Build(2025, 12, 1); day < end;
             day = day.MidnightDaysAway(1)) {
            days_.emplace_back().date = day;
        }
    }
    void Paint(int month) {
        glyphs_ = SyntheticGlyphs();
        PaintAt(*DateTime::Build(2026, month, 10), *DateTime::Build(2026, 5, 20, 9, 30));
    }
    std::string TipOf(int month, int day) const {
        const int id = kFirstDayTool + static_cast<int>(IndexOf(month, day));
        std::string text;
        for (const TooltipTool& tool : result_.tooltips) text += tool.id == id ? tool.text : "";
        return text;
    }
    // Just inside the label's first character, under the centre of the cell.
    Pixel LabelPixel(int month, int day, int dy = 1) const {
        const Rect cell = CellOf(month, day);
        const int centre = cell.left + plan_.units.columnWidth / 2;
        const int half = SyntheticGlyphs::BlockWidth(plan_.units.labelHeight);
        return At(centre - half + 1, cell.top + plan_.units.labelTop + dy);
    }
    // One number over everything a paint hands the window: the pixels, the
    // window size, the zones, every cell and every tooltip.
    std::uint64_t Checksum() const {
        std::uint64_t hash = 14695981039346656037ULL;
        const auto mix = [&hash](std::uint64_t value) { hash = (hash ^ value) * 1099511628211ULL; };
        const auto mixRect = [&mix](const Rect& r) {
            for (int v : {r.left, r.top, r.right, r.bottom}) mix(static_cast<unsigned>(v));
        };
        for (int y = 0; y < result_.window.height; ++y) {
            for (int x = 0; x < result_.window.width; ++x) mix(At(x, y));
        }
        for (int v : {result_.window.width, result_.window.height}) mix(static_cast<unsigned>(v));
        const NavigationZones& z = result_.zones;
        for (const Rect& rect : {z.left, z.right, z.top, z.bottom}) mixRect(rect);
        for (const Rect& cell : result_.cells) mixRect(cell);
        for (const TooltipTool& tool : result_.tooltips) {
            mix(static_cast<unsigned>(tool.id));
            mixRect(tool.rect);
            for (char c : tool.text) mix(static_cast<unsigned char>(c));
        }
        return hash;
    }
};

using KoyomiOptionsOff = KoyomiPaint;

// With every calendar-mark option off, each picture stays as before the marks existed.
TEST_F(KoyomiOptionsOff, EveryPictureIsUnchanged) {
    const std::tuple<const char*, int, int, int, int, std::uint64_t> cases[] = {
        {"three months", 0, 3, 1, 0, 0x2275a80a2d36210aULL},
        {"year view, Monday weeks, clock", 0, 0, 2, 1, 0xaa61fe339cdb96a0ULL},
        {"day row", 1, 2, 1, 0, 0x25455da0b653d1d1ULL},
        {"day column, clock", 2, 3, 1, 1, 0xcaa29bc0ab9f0700ULL},
    };
    tasks_ = {CTaskTime{*DateTime::Build(2026, 5, 22, 15, 0), 1, 0, 0, "会議", DateTime()}};
    days_[IndexOf(5, 5)].holidayFlag = 1;
    days_[IndexOf(5, 5)].holidayName = "こどもの日";
    days_[IndexOf(6, 12)].specialDayFlag = 2;
    days_[IndexOf(6, 12)].specialDayName = "記念日";
    for (const auto& [name, dayFormat, numOfMonth, startWeek, clockInfo, checksum] : cases) {
        settings_.dayFormat = dayFormat;
        settings_.numOfMonth = numOfMonth;
        settings_.startWeek = startWeek;
        settings_.clockInfo = clockInfo;
        Paint(5);
        EXPECT_EQ(Checksum(), checksum) << name;
    }
}

TEST(KoyomiTexts, TooltipLinesCellLabelsEraTitlesRowWeekNumbersAndMarksOfADay) {
    const DayKoyomi winter{{11, true, 3}, Rokuyo::Sensho, 18},
        plain{{4, false, 12}, Rokuyo::Tomobiki, -1}, spring{{2, false, 3}, Rokuyo::Taian, 0};
    const struct {
        int rokuyo, kyureki, sekki;
        const DayKoyomi& marks;
        const char *tip, *label;
    } cases[] = {
        {1, 1, 1, winter, "旧暦 閏11月3日 先勝\r\n冬至", ""},
        {0, 1, 0, winter, "旧暦 閏11月3日", ""},
        {2, 0, 1, winter, "先勝\r\n冬至", "先勝"},
        {0, 0, 2, winter, "冬至", "冬至"},
        {2, 0, 2, winter, "先勝\r\n冬至", "冬至"},
        {2, 1, 2, plain, "旧暦 4月12日 友引", "友引"},
        {2, 0, 2, spring, "大安\r\n春分", "春分"},  // the first term of the list
        {1, 0, 0, plain, "友引", ""},
        {0, 0, 2, plain, "", ""},
        {0, 0, 0, winter, "", ""},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.rokuyoInfo = c.rokuyo;
        settings.kyurekiInfo = c.kyureki;
        settings.sekkiInfo = c.sekki;
        EXPECT_EQ(KoyomiTooltipLines(settings, c.marks), c.tip) << c.tip;
        EXPECT_EQ(CellLabel(settings, c.marks), c.label) << c.tip;
        EXPECT_EQ(DayMarksShown(settings), c.rokuyo + c.kyureki + c.sekki > 0) << c.tip;
    }
    std::string titles;
    for (int month : {202612, 201905, 201904, 198901, 198902, 198001, 202001, 209912}) {
        titles += EraMonthTitle(month / 100, month % 100) + " ";
    }
    EXPECT_EQ(titles,
              "令和8年12月 令和元年5月 平成31年4月 昭和64年1月 平成元年2月 昭和55年1月 "
              "令和2年1月 令和81年12月 ");
    // {weekNumberInfo, startWeek, the row's first day, week}: ISO by the row's
    // Thursday, US by the row holding 1 January; US needs Sunday rows, else ISO.
    const int rows[][4] = {{1, 1, 20251228, 1},  {2, 1, 20261227, 1},  {1, 1, 20261227, 53},
                           {1, 2, 20261228, 53}, {2, 2, 20261228, 53}, {1, 1, 20201227, 53},
                           {2, 1, 20001224, 53}, {2, 1, 20001231, 1}};
    for (const auto& [info, startWeek, first, week] : rows) {
        Settings settings;
        settings.weekNumberInfo = info;
        settings.startWeek = startWeek;
        EXPECT_EQ(RowWeekNumber(settings, first / 10000, first / 100 % 100, first % 100), week)
            << first << " " << info;
    }
    KoyomiDays days;
    const auto of = [&days](int y, int m, int d) {
        return days.Of(DateTime::Build(y, m, d)->Fields());
    };
    EXPECT_NE(of(2024, 12, 31), nullptr);  // the last day of a leap year
    EXPECT_EQ(of(2026, 12, 22)->solarTerm, 18);
    EXPECT_NE(of(2099, 12, 31), nullptr);
}

// 小満 on 21 May in the weekday colour, nothing on other days; with 六曜 too
// every day has a label; narrow cells take smaller labels.
TEST_F(KoyomiPaint, CellLabelGrowsTheRowsOfDaysJustBelowTheDayNumber) {
    settings_.todayInfo = 0;
    Paint(5);
    const LayoutUnits plain = plan_.units;
    const Size plainWindow = result_.window;
    const Rect plainApril = CellOf(4, 1), plainMay = CellOf(5, 1);
    settings_.sekkiInfo = 2;
    Paint(5);
    const LayoutUnits& units = plan_.units;
    const int grow = units.dayRowHeight - units.rowHeight;
    ASSERT_GT(grow, 0);
    EXPECT_EQ(units.labelTop, SyntheticGlyphs::AscentFor(units.fontHeight) + 1);
    EXPECT_EQ(units.dayRowHeight, units.labelTop + units.labelHeight);
    EXPECT_EQ(units.rowHeight, plain.rowHeight);  // titles and weekday names keep theirs
    EXPECT_EQ(result_.window.width, plainWindow.width);
    EXPECT_EQ(result_.window.height - plainWindow.height, 3 * 6 * grow);
    EXPECT_EQ(CellOf(4, 1).top, plainApril.top);
    EXPECT_EQ(CellOf(5, 1).top - plainMay.top, 6 * grow);
    EXPECT_EQ(CellOf(5, 21).bottom - CellOf(5, 21).top, units.dayRowHeight);
    EXPECT_EQ(CellOf(5, 28).top - CellOf(5, 21).top, units.dayRowHeight);
    EXPECT_EQ(LabelPixel(5, 21), Colour(&Settings::colorWeekday));
    EXPECT_EQ(LabelPixel(5, 21, -1), Colour(&Settings::colorBackground));
    EXPECT_EQ(LabelPixel(5, 22), Colour(&Settings::colorBackground));
    settings_.rokuyoInfo = 2;
    for (int frame : {settings_.frameSizeOfDate, 50}) {
        settings_.frameSizeOfDate = frame;
        Paint(5);
        EXPECT_LE(2 * SyntheticGlyphs::BlockWidth(plan_.units.labelHeight) + 1,
                  plan_.units.columnWidth)
            << frame;
        EXPECT_EQ(LabelPixel(5, 10), Colour(&Settings::colorWeekday));  // a Sunday
        EXPECT_EQ(LabelPixel(5, 22), Colour(&Settings::colorWeekday));
    }
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
    // Ink beside each week row: June 2026 fills five Sunday rows, so its sixth stays empty.
    const auto inked = [&](int month, int sunday, int rowsDown) {
        const Rect cell = CellOf(month, sunday);
        const int top = cell.top + rowsDown * plan_.units.dayRowHeight;
        for (int x = cell.left - column; x < cell.left; ++x) {
            for (int y = top; y < top + plan_.units.dayRowHeight; ++y) {
                if (At(x, y) == Colour(&Settings::colorWeekday)) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(inked(5, 3, -1) && inked(5, 31, 0) && inked(6, 7, -1) && inked(6, 28, 0));
    EXPECT_FALSE(inked(6, 28, 1));
    // The numbers drawn (each measured, then drawn) of each row, across the
    // turn of the year too; era titles come in the label face.
    const struct {
        int month, scheme;
        std::vector<int> weeks;
        const char32_t* titles;
    } shown[] = {{5, 1, {18, 19, 20, 21, 22, 23, 23, 24, 25, 26, 27}, U"令和8年5月令和8年6月"},
                 {12, 2, {49, 50, 51, 52, 1, 1, 2, 3, 4, 5, 6}, U"令和8年12月令和9年1月"}};
    settings_.warekiInfo = 1;
    for (const auto& c : shown) {
        settings_.weekNumberInfo = c.scheme;
        Paint(c.month);
        std::u32string numbers, expected, titles;
        for (const auto& request : glyphs_.Requests()) {
            if (request.font.face != kMarkFontFace) continue;
            if (request.font.height == label) numbers += request.character;
            if (request.font.height == plan_.units.smallHeight) titles += request.character;
        }
        for (int week : c.weeks) {
            for (char digit : std::to_string(week) + std::to_string(week)) expected += digit;
        }
        EXPECT_EQ(numbers, expected) << c.month;
        EXPECT_EQ(titles, c.titles);
    }
}

TEST_F(KoyomiPaint, TooltipsCarryTheLunarDateAndTermAfterTheDaysOwnLines) {
    settings_.kyurekiInfo = settings_.rokuyoInfo = settings_.sekkiInfo = 1;
    Paint(2);
    EXPECT_EQ(TipOf(2, 17), "旧暦 1月1日 先勝");
    EXPECT_EQ(TipOf(2, 4), "旧暦 12月17日 仏滅\r\n立春");
    EXPECT_EQ(LabelPixel(2, 17), Colour(&Settings::colorBackground));
    Paint(5);
    EXPECT_EQ(TipOf(5, 20).rfind("・今日\r\n旧暦 ", 0), 0u) << TipOf(5, 20);
    EXPECT_EQ(TipOf(2, 5), "");
}

}  // namespace
}  // namespace vesm
