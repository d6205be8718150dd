// The holiday engine on rule lists of its own: rules falling on dates, the
// equinoxes, and derived days as the law had them year by year.
#include "doc/holiday_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesm {
namespace {

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday = 0, const std::string& name = "祝",
                  int firstYear = kAnyYear, int lastYear = kAnyYear) {
    CHolidayTime rule;
    rule.kind = 1;
    rule.month = month;
    rule.dayOrOrdinal = dayOrOrdinal;
    rule.weekday = weekday;
    rule.name = name;
    rule.firstYear = firstYear;
    rule.lastYear = lastYear;
    return rule;
}

DateFields FieldsOf(int year, int month, int day) {
    return DateTime::Build(year, month, day).value().Fields();
}

Settings Derived(int fallsOnSun, int fallsOnSat, bool betweenBool, bool equinoxBool = true) {
    Settings settings;
    settings.fallsOnSun = fallsOnSun;
    settings.fallsOnSat = fallsOnSat;
    settings.betweenBool = betweenBool;
    settings.equinoxBool = equinoxBool;
    return settings;
}

// The engine's record of the day `date` (yyyymmdd), from a table that starts a month earlier.
DayRecord EngineDay(const std::vector<CHolidayTime>& rules, const Settings& settings, int date) {
    const int year = date / 10000, month = date / 100 % 100, previous = year * 12 + month - 2;
    std::vector<DayRecord> days(92);
    const std::vector<CHolidayTime> none;
    ComputeHolidays(days, DateTime::Build(previous / 12, previous % 12 + 1, 1).value(),
                    {rules, none, settings});
    for (const DayRecord& record : days) {
        if (record.date == DateTime::Build(year, month, date % 100).value()) return record;
    }
    ADD_FAILURE() << "no record for " << date;
    return {};
}

TEST(HolidayEngineTest, EquinoxDaysBeyondThePublishedYears) {
    const int known[][3] = {{2000, 20, 23}, {2015, 21, 23}, {2024, 20, 22}, {2099, 20, 23}};
    for (const auto& [year, vernal, autumnal] : known) {
        EXPECT_EQ(VernalEquinoxDay(year), vernal) << year;
        EXPECT_EQ(AutumnalEquinoxDay(year), autumnal) << year;
    }
}

TEST(HolidayEngineTest, NthAndLastWeekdayFallOnExactlyOneDayOfTheirWeek) {
    for (int year = 1999; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int weekday = 1; weekday <= 7; ++weekday) {
                for (int ordinal = 1; ordinal <= 5; ++ordinal) {
                    int hits = 0;
                    for (int day = 1; day <= MonthLength(year, month); ++day) {
                        const DateFields date = FieldsOf(year, month, day);
                        if (!RuleFallsOn(Rule(month, ordinal, weekday), date)) continue;
                        ++hits;
                        EXPECT_EQ(date.weekday, weekday);
                        const bool inWeek = ordinal == 5 ? day + 7 > MonthLength(year, month)
                                                         : (day - 1) / 7 + 1 == ordinal;
                        EXPECT_TRUE(inWeek)
                            << year << "-" << month << "-" << day << " n" << ordinal;
                    }
                    ASSERT_EQ(hits, 1)
                        << year << "-" << month << " w" << weekday << " n" << ordinal;
                }
            }
        }
    }
}

TEST(HolidayEngineTest, FixedDatesAndYearRanges) {
    EXPECT_TRUE(RuleFallsOn(Rule(2, 29), FieldsOf(2024, 2, 29)));
    EXPECT_FALSE(RuleFallsOn(Rule(2, 29), FieldsOf(2023, 3, 1)));
    EXPECT_FALSE(RuleFallsOn(Rule(3, 1), FieldsOf(2024, 4, 1)));
    const CHolidayTime rules[] = {Rule(6, 1), Rule(6, 2, 0, "", 2000), Rule(6, 3, 0, "", 0, 2000),
                                  Rule(6, 4, 0, "", 2000, 2000), Rule(6, 5, 0, "", 1990, 1999)};
    const std::pair<int, const char*> years[] = {
        {1989, "10100"}, {1990, "10101"}, {1999, "10101"}, {2000, "11110"}, {2001, "11000"}};
    for (const auto& [year, expected] : years) {
        std::string falls;
        for (const CHolidayTime& rule : rules) {
            falls += RuleFallsOn(rule, FieldsOf(year, 6, rule.dayOrOrdinal)) ? '1' : '0';
        }
        EXPECT_EQ(falls, expected) << year;
    }
}

// Each row: rules, settings, a day and the name the engine gives it. The first
// rule names the day; equinoxes override rules while on. Substitutes came on
// 12 April 1973, days between on 27 December 1985; from 2007 the substitute
// counts from the Sunday and passes further holidays, and a Sunday between two
// holidays is one too. The Saturday rule is the user's own, in every year.
TEST(HolidayEngineTest, NamedAndDerivedDaysFollowTheLawOfTheirYearAndTheSettings) {
    std::vector<CHolidayTime> week;  // Sunday 1 to Sunday 8 September 2024
    for (int day = 1; day <= 8; ++day) week.push_back(Rule(9, day));
    const std::vector<CHolidayTime> named = {Rule(6, 10, 0, "前"), Rule(6, 10, 0, "後"),
                                             Rule(3, 20, 0, "自分の日")};
    const std::vector<CHolidayTime> april = {Rule(4, 8), Rule(4, 15)};
    const std::vector<CHolidayTime> december = {Rule(12, 24), Rule(12, 26), Rule(12, 28)};
    const std::vector<CHolidayTime> newYear = {Rule(12, 31), Rule(1, 1)};
    const std::vector<CHolidayTime> may = {Rule(5, 3), Rule(5, 5)};
    const Settings law = Derived(1, 0, true), off = Derived(0, 0, false);
    const Settings noEquinox = Derived(1, 0, true, false);
    const Settings satMonday = Derived(1, 1, true), satFriday = Derived(1, 2, true);
    const char *kSub = "振替休日", *kBetween = "国民の休日";
    const struct {
        const std::vector<CHolidayTime>& rules;
        const Settings& settings;
        std::vector<std::pair<int, const char*>> days;  // yyyymmdd, name
    } groups[] = {
        {named, law, {{20240610, "前"}, {20240611, ""}}},
        {named, law, {{20240320, "春分の日"}, {20240922, "秋分の日"}}},
        {named, noEquinox, {{20240320, "自分の日"}, {20240922, ""}}},
        {april, law, {{19730409, ""}, {19730416, kSub}}},
        {december, law, {{19851225, ""}, {19851227, kBetween}}},
        {newYear, law, {{20070102, ""}, {20180102, kSub}}},
        {week, law, {{20240909, kSub}, {20240910, kSub}, {20240911, ""}}},
        {may, law, {{20200504, kSub}, {20200506, ""}, {20030504, ""}}},
        {may, law, {{20250504, kBetween}, {20210504, kBetween}}},
        {may, off, {{19880504, ""}, {19980504, ""}, {20090504, ""}, {20090506, ""}}},
        {may, satMonday, {{19860505, kSub}}},
        {may, satFriday, {{19860502, kSub}, {19860505, "祝"}}},
    };
    for (const auto& group : groups) {
        for (const auto& [date, name] : group.days) {
            const DayRecord day = EngineDay(group.rules, group.settings, date);
            EXPECT_EQ(day.holidayName, name) << date;
            EXPECT_EQ(day.holidayFlag, *name ? 1 : 0) << date;
        }
    }
}

TEST(HolidayEngineTest, TableEdgesAreNeverSourcesAndRecordsStartFresh) {
    // Saturday 31 August 2024 and Sunday 1 September open the table.
    const std::vector<CHolidayTime> rules = {Rule(8, 31), Rule(9, 1), Rule(9, 7)};
    const std::vector<CHolidayTime> none;
    Settings settings = Derived(1, 2, false);
    std::vector<DayRecord> days(8, DayRecord{});
    for (DayRecord& day : days) {
        day.holidayFlag = 1;
        day.holidayName = "stale";
        day.cell = {1, 2, 3, 4};
    }
    ComputeHolidays(days, DateTime::Build(2024, 8, 31).value(), {rules, none, settings});
    EXPECT_EQ(days[0].holidayName, "祝");
    EXPECT_EQ(days[2].holidayFlag, 0);  // no substitute for the Sunday at the edge
    EXPECT_EQ(days[6].holidayFlag, 0);  // the 7th is one of the last two records
    for (const DayRecord& day : days) EXPECT_EQ(day.cell, Rect{});
    settings.fallsOnSat = 1;
    std::vector<DayRecord> tail(9);
    ComputeHolidays(tail, DateTime::Build(2024, 8, 31).value(), {rules, none, settings});
    EXPECT_EQ(tail[8].holidayFlag, 0);
    EXPECT_EQ(tail[8].holidayName, "");
}

}  // namespace
}  // namespace vesm
