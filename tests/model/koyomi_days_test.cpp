// Lunisolar dates, 六曜 and solar terms of days whose marks are published or
// follow from known moments, including new moons and terms within minutes of
// Japan's midnight, where a calendar computed for another time zone or with a
// coarse series gets the day wrong.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <string>

#include "koyomi/day_number.h"
#include "koyomi/koyomi.h"

namespace vesm {
namespace {

DayKoyomi KoyomiOn(int year, int month, int day) {
    static std::map<int, std::vector<DayKoyomi>> years;
    auto [found, added] = years.try_emplace(year);
    if (added) found->second = KoyomiOfYear(year);
    const std::vector<DayKoyomi>& days = found->second;
    const int index = DayNumberOf(year, month, day) - DayNumberOf(year, 1, 1);
    return days.at(index);
}

struct KnownLunarDay {
    int year, month, day;
    const char* lunar;
    const char* rokuyo;  // (month + day) mod 6, a leap month with its number
};

TEST(KoyomiDaysTest, LunarDatesAndRokuyoOfKnownDays) {
    const KnownLunarDay known[] = {
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
        {2017, 2, 26, "2月1日", "友引"},    // new moon 23:58
        {2005, 12, 2, "11月1日", "大安"},   // new moon 00:01
        {2033, 8, 25, "8月1日", "友引"},    // holds no principal term, yet no leap month
        {2033, 11, 22, "11月1日", "大安"},  // holds 小雪 and 冬至
        {2033, 12, 22, "閏11月1日", "大安"},
        {2034, 1, 20, "12月1日", "赤口"},
        {2034, 2, 19, "1月1日", "先勝"},
        {2019, 5, 1, "3月27日", "大安"},  // the first day of 令和
    };
    for (const KnownLunarDay& day : known) {
        const DayKoyomi marks = KoyomiOn(day.year, day.month, day.day);
        SCOPED_TRACE(std::to_string(day.year) + "-" + std::to_string(day.month) + "-" +
                     std::to_string(day.day));
        EXPECT_EQ(LunarDateText(marks.lunar), day.lunar);
        EXPECT_STREQ(RokuyoName(marks.rokuyo), day.rokuyo);
    }
}

TEST(KoyomiDaysTest, SolarTermsFallOnTheirJapanDates) {
    struct KnownTerm {
        int year, month, day;
        const char* term;
    };
    const KnownTerm known[] = {
        {2025, 2, 3, "立春"},   {2026, 12, 22, "冬至"},
        {2026, 3, 20, "春分"},  {2025, 12, 22, "冬至"},  // 00:03
        {2021, 2, 3, "立春"},                            // 23:59
        {2023, 6, 21, "夏至"},                           // 23:58
        {2019, 11, 22, "小雪"},                          // 23:59
        {2013, 4, 5, "清明"},                            // 00:02
    };
    for (const KnownTerm& term : known) {
        SCOPED_TRACE(term.term);
        EXPECT_STREQ(SolarTermName(KoyomiOn(term.year, term.month, term.day).solarTerm), term.term);
    }
    EXPECT_STREQ(SolarTermName(-1), "");
    EXPECT_STREQ(SolarTermName(24), "");
}

// The equinox holidays are fixed each year on the day of the equinox.
TEST(KoyomiDaysTest, EveryPublishedEquinoxHolidayIsOnItsEquinox) {
    std::ifstream file(VESM_TEST_DATA_DIR "/jp_holidays_official.csv");
    std::string line;
    int checked = 0;
    while (std::getline(file, line)) {
        int year = 0, month = 0, day = 0;
        if (std::sscanf(line.c_str(), "%d-%d-%d", &year, &month, &day) != 3 || year < 1980) {
            continue;
        }
        const bool spring = line.ends_with(",春分の日");
        if (!spring && !line.ends_with(",秋分の日")) continue;
        EXPECT_STREQ(SolarTermName(KoyomiOn(year, month, day).solarTerm), spring ? "春分" : "秋分")
            << line;
        ++checked;
    }
    EXPECT_GE(checked, 2 * (2050 - 1980 + 1)) << "official holiday list not found or cut short";
}

TEST(KoyomiDaysTest, OnlyTheSupportedYearsHaveMarks) {
    EXPECT_EQ(KoyomiOfYear(1980).size(), 366u);
    EXPECT_EQ(KoyomiOfYear(2099).size(), 365u);
    EXPECT_TRUE(KoyomiOfYear(1979).empty());
    EXPECT_TRUE(KoyomiOfYear(2100).empty());
}

}  // namespace
}  // namespace vesm
