// The Japanese calendar's marks: lunisolar dates, 六曜 and solar terms of known
// days (many within minutes of Japan's midnight, where another time zone or a
// coarse series gets the day wrong), the moments behind them, era years, week
// numbers, and the rules every year 1980-2099 keeps.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "doc/holiday_engine.h"
#include "koyomi/day_number.h"
#include "koyomi/delta_t.h"
#include "koyomi/koyomi.h"
#include "koyomi/new_moon.h"
#include "koyomi/solar_terms.h"

namespace vesm {
namespace {

constexpr int kVernalEquinox = 0, kAutumnalEquinox = 12, kWinterSolstice = 18;

DayKoyomi KoyomiOn(int year, int month, int day) {
    static std::map<int, std::vector<DayKoyomi>> years;
    auto [found, added] = years.try_emplace(year);
    if (added) found->second = KoyomiOfYear(year);
    return found->second.at(DayNumberOf(year, month, day) - DayNumberOf(year, 1, 1));
}

TEST(KoyomiTest, LunarDatesRokuyoAndTermsOfKnownDays) {
    const struct {
        int year, month, day;
        const char *lunar, *rokuyo;
    } known[] = {
        {2024, 2, 10, "1月1日", "先勝"},  // 旧正月
        {2025, 1, 29, "1月1日", "先勝"},
        {2026, 2, 17, "1月1日", "先勝"},
        {2023, 3, 22, "閏2月1日", "友引"},  // leap months as published
        {2020, 5, 23, "閏4月1日", "仏滅"},
        {2017, 6, 24, "閏5月1日", "大安"},
        {2025, 7, 25, "閏6月1日", "赤口"},
        {2012, 4, 21, "閏3月1日", "先負"},  // 小満 and new moon on 21 May in Japan
        {2012, 5, 21, "4月1日", "仏滅"},    //   (China, at UTC+8, has 閏4月)
        {2012, 6, 19, "4月30日", "先負"},   // new moon 00:02 on 20 June
        {2012, 6, 20, "5月1日", "大安"},
        {2017, 2, 26, "2月1日", "友引"},    // 23:58
        {2005, 12, 2, "11月1日", "大安"},   // new moon 00:01
        {2033, 8, 25, "8月1日", "友引"},    // holds no principal term, yet no leap month
        {2033, 11, 22, "11月1日", "大安"},  // holds 小雪 and 冬至
        {2033, 12, 22, "閏11月1日", "大安"},
        {2034, 1, 20, "12月1日", "赤口"},
        {2034, 2, 19, "1月1日", "先勝"},
        {2019, 5, 1, "3月27日", "大安"},  // 令和
    };
    for (const auto& k : known) {
        SCOPED_TRACE(std::to_string(k.year) + "-" + std::to_string(k.month) + "-" +
                     std::to_string(k.day));
        const DayKoyomi marks = KoyomiOn(k.year, k.month, k.day);
        EXPECT_EQ(LunarDateText(marks.lunar), k.lunar);
        EXPECT_STREQ(RokuyoName(marks.rokuyo), k.rokuyo);
    }
    const struct {
        int year, month, day;
        const char* term;
    } terms[] = {
        {2025, 2, 3, "立春"},   {2026, 12, 22, "冬至"},
        {2026, 3, 20, "春分"},  {2025, 12, 22, "冬至"},  // 00:03
        {2021, 2, 3, "立春"},                            // 23:59
        {2023, 6, 21, "夏至"},                           // 23:58
        {2019, 11, 22, "小雪"},                          // 23:59
        {2013, 4, 5, "清明"},                            // 00:02
    };
    for (const auto& t : terms) {
        EXPECT_STREQ(SolarTermName(KoyomiOn(t.year, t.month, t.day).solarTerm), t.term);
    }
    EXPECT_STREQ(SolarTermName(-1), "");
    EXPECT_STREQ(SolarTermName(24), "");
    EXPECT_EQ(LunarDateText({11, true, 3}), "閏11月3日");
    EXPECT_EQ(LunarDateText({1, false, 30}), "1月30日");
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
        EXPECT_EQ(LunationNear(jde + 10), lunation);
    }
    // Clock time lags the ephemerides' by about a minute: observed values, no jumps.
    const std::pair<double, double> observed[] = {
        {1980, 50.5}, {1990, 56.9}, {2000, 63.8}, {2010, 66.1}, {2020, 69.4}};
    for (const auto& [year, seconds] : observed) EXPECT_NEAR(DeltaTSeconds(year), seconds, 2.5);
    for (double join : {1986.0, 2005.0, 2050.0}) {
        EXPECT_NEAR(DeltaTSeconds(join - 1e-9), DeltaTSeconds(join), 1.0) << join;
    }
    EXPECT_GT(DeltaTSeconds(2099), DeltaTSeconds(2050));
}

TEST(KoyomiTest, DayNumbersAreJulianDayNumbers) {
    EXPECT_EQ(DayNumberOf(2000, 1, 1), 2451545);
    EXPECT_EQ(WeekdayOf(2451545), 6);  // a Saturday
    for (int day = DayNumberOf(1979, 12, 31); day <= DayNumberOf(2100, 3, 1); ++day) {
        const CivilDate date = CivilDateOf(day);
        ASSERT_TRUE(date.day >= 1 && date.day <= 31) << day;
        ASSERT_EQ(DayNumberOf(date.year, date.month, date.day), day);
    }
    const CivilDate leapDay = CivilDateOf(DayNumberOf(2024, 2, 29));
    EXPECT_EQ(leapDay.year * 10000 + leapDay.month * 100 + leapDay.day, 20240229);
}

TEST(KoyomiTest, EraYearsAndWeekNumbersAtTheirBoundaries) {
    const struct {
        int year, month, day;
        const char* text;
    } eras[] = {{1980, 1, 1, "昭和55"},   {1989, 1, 7, "昭和64"},   {1989, 1, 8, "平成元"},
                {1990, 1, 1, "平成2"},    {2019, 4, 30, "平成31"},  {2019, 5, 1, "令和元"},
                {2019, 12, 31, "令和元"}, {2020, 1, 1, "令和2"},    {2099, 12, 31, "令和81"},
                {1926, 12, 25, "昭和元"}, {1926, 12, 24, "大正15"}, {1900, 1, 1, "明治33"}};
    for (const auto& e : eras) {
        EXPECT_EQ(EraYearText(EraOf(e.year, e.month, e.day)), e.text) << e.text;
    }
    EXPECT_EQ(EraOf(2026, 1, 1).year, 8);
    const struct {
        int year, month, day, iso, us;
    } weeks[] = {
        {2020, 12, 31, 53, 53}, {2021, 1, 1, 53, 1},  // Friday: still ISO week 53 of 2020
        {2021, 1, 3, 53, 2},                          // Sunday ends an ISO week, starts a US one
        {2021, 1, 4, 1, 2},     {2026, 12, 28, 53, 53}, {2026, 12, 31, 53, 53}, {2027, 1, 3, 53, 2},
        {2027, 1, 4, 1, 2},     {2024, 12, 30, 1, 53},  {2019, 12, 30, 1, 53},  {2026, 1, 1, 1, 1},
        {2026, 12, 7, 50, 50},  {2000, 12, 31, 52, 54},  // a leap year from a Saturday
        {2016, 1, 3, 53, 2},
    };
    for (const auto& w : weeks) {
        SCOPED_TRACE(std::to_string(w.year) + "-" + std::to_string(w.month) + "-" +
                     std::to_string(w.day));
        EXPECT_EQ(IsoWeekNumber(w.year, w.month, w.day), w.iso);
        EXPECT_EQ(UsWeekNumber(w.year, w.month, w.day), w.us);
    }
}

// Every solar year has each term once in the sun's order, the equinoxes on the
// equinox holidays; only the supported years have marks.
TEST(KoyomiTest, EachYearHasEveryTermOnceInTheSunsOrder) {
    EXPECT_EQ(KoyomiOfYear(1980).size(), 366u);
    EXPECT_EQ(KoyomiOfYear(2099).size(), 365u);
    EXPECT_TRUE(KoyomiOfYear(1979).empty());
    EXPECT_TRUE(KoyomiOfYear(2100).empty());
    for (int year = 1980; year <= 2099; ++year) {
        SCOPED_TRACE(year);
        std::vector<int> terms;
        const std::vector<DayKoyomi> days = KoyomiOfYear(year);
        for (std::size_t i = 0; i < days.size(); ++i) {
            const int term = days[i].solarTerm;
            if (term < 0) continue;
            terms.push_back(term);
            const CivilDate date = CivilDateOf(DayNumberOf(year, 1, 1) + static_cast<int>(i));
            const int equinox = term == kVernalEquinox     ? VernalEquinoxDay(year)
                                : term == kAutumnalEquinox ? AutumnalEquinoxDay(year)
                                                           : date.day;
            EXPECT_EQ(date.day, equinox) << SolarTermName(term);
        }
        ASSERT_EQ(terms.size(), 24u);
        for (int i = 0; i < 24; ++i) EXPECT_EQ(terms[i], (19 + i) % 24);  // from 小寒 on
    }
}

struct LunarMonth {
    LunarDate first;
    int length = 0, principalTerms = 0;
    bool holdsWinterSolstice = false;
};

// Days run 1 to 29 or 30 without gaps; months follow in order, a leap month
// repeats the one before and holds no principal term, 冬至 falls in 11月, and a
// year has 12 months or 13 with one leap month.
TEST(KoyomiTest, LunisolarMonthsKeepTheirRulesOverAllYears) {
    std::vector<LunarMonth> months;
    for (int year = 1980; year <= 2099; ++year) {
        for (const DayKoyomi& day : KoyomiOfYear(year)) {
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
    }
    int monthsThisYear = 0, leapsThisYear = 0, years = 0;
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
        if (month.first.month == 1 && !month.first.leap) {
            if (years++ > 0) {
                EXPECT_TRUE(monthsThisYear == 12 || monthsThisYear == 13) << monthsThisYear;
                EXPECT_EQ(leapsThisYear, monthsThisYear - 12);
            }
            monthsThisYear = leapsThisYear = 0;
        }
        ++monthsThisYear;
        leapsThisYear += month.first.leap;
    }
    EXPECT_EQ(years, 120);
    // The leap months of lunisolar years as published.
    const std::pair<int, int> leaps[] = {{1984, 10}, {1987, 6}, {1990, 5}, {1993, 3}, {1995, 8},
                                         {1998, 5},  {2001, 4}, {2004, 2}, {2006, 7}, {2009, 5},
                                         {2012, 3},  {2014, 9}, {2017, 5}, {2020, 4}, {2023, 2},
                                         {2025, 6},  {2028, 5}, {2031, 3}, {2033, 11}};
    for (const auto& [year, leapMonth] : leaps) {
        int found = 0;
        for (const DayKoyomi& day : KoyomiOfYear(year)) {
            if (day.lunar.leap) found = day.lunar.month;
        }
        EXPECT_EQ(found, leapMonth) << year;
    }
}

}  // namespace
}  // namespace vesm
