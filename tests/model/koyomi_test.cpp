// The Japanese calendar's marks: lunisolar dates, 六曜 and solar terms of known
// days (many within minutes of Japan's midnight, where another time zone or a
// coarse series gets the day wrong), the moments behind them, and the rules
// every year 1980-2099 keeps.
#include <gtest/gtest.h>

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

namespace vesm {
namespace {

constexpr int kVernalEquinox = 0, kAutumnalEquinox = 12, kWinterSolstice = 18;

DayKoyomi KoyomiOn(int date) {  // yyyymmdd
    static std::map<int, std::vector<DayKoyomi>> years;
    const int year = date / 10000;
    auto [found, added] = years.try_emplace(year);
    if (added) found->second = KoyomiOfYear(year);
    return found->second.at(DayNumberOf(year, date / 100 % 100, date % 100) -
                            DayNumberOf(year, 1, 1));
}

// 旧正月 and leap months as published; days of new moons and terms within
// minutes of Japan's midnight (2012: 小満 and a new moon on 21 May in Japan,
// while China at UTC+8 has 閏4月; new moons at 00:02 on 20 June 2012, 23:58 on
// 26 February 2017, 00:01 on 2 December 2005; terms at 00:03, 23:59, 23:58,
// 23:59, 00:02); 2033 has a month without a principal term yet no leap month
// until 閏11月; the first day of 令和.
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
    const std::pair<int, const char*> terms[] = {
        {20250203, "立春"}, {20261222, "冬至"}, {20260320, "春分"}, {20251222, "冬至"},
        {20210203, "立春"}, {20230621, "夏至"}, {20191122, "小雪"}, {20130405, "清明"}};
    for (const auto& [date, term] : terms) {
        EXPECT_STREQ(SolarTermName(KoyomiOn(date).solarTerm), term) << date;
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
    EXPECT_EQ(DayNumberOf(2000, 1, 1), 2451545);  // day numbers are Julian day numbers
    EXPECT_EQ(WeekdayOf(2451545), 6);             // a Saturday
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

}  // namespace
}  // namespace vesm
