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

// The engine's record of a day, from a table that starts a month earlier.
DayRecord EngineDay(const std::vector<CHolidayTime>& rules, const Settings& settings, int year,
                    int month, int day) {
    const int previous = year * 12 + month - 2;
    std::vector<DayRecord> days(92);
    const std::vector<CHolidayTime> none;
    ComputeHolidays(days, DateTime::Build(previous / 12, previous % 12 + 1, 1).value(),
                    {rules, none, settings});
    for (const DayRecord& record : days) {
        if (record.date == DateTime::Build(year, month, day).value()) return record;
    }
    ADD_FAILURE() << "no record for " << year << "-" << month << "-" << day;
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

TEST(HolidayEngineTest, FirstRuleNamesTheDayAndEquinoxesOverrideWhileOn) {
    const std::vector<CHolidayTime> rules = {Rule(6, 10, 0, "前"), Rule(6, 10, 0, "後"),
                                             Rule(3, 20, 0, "自分の日")};
    const DayRecord first = EngineDay(rules, Settings{}, 2024, 6, 10);
    EXPECT_EQ(first.holidayFlag, 1);
    EXPECT_EQ(first.holidayName, "前");
    const DayRecord next = EngineDay(rules, Settings{}, 2024, 6, 11);
    EXPECT_EQ(next.holidayFlag, 0);
    EXPECT_EQ(next.holidayName, "");
    EXPECT_EQ(EngineDay(rules, Settings{}, 2024, 3, 20).holidayName, "春分の日");
    EXPECT_EQ(EngineDay(rules, Settings{}, 2024, 9, 22).holidayName, "秋分の日");
    const Settings off = Derived(1, 0, true, false);
    EXPECT_EQ(EngineDay(rules, off, 2024, 3, 20).holidayName, "自分の日");
    EXPECT_EQ(EngineDay(rules, off, 2024, 9, 22).holidayFlag, 0);
}

// Each row: rules, settings, a day and the name the engine gives it.
TEST(HolidayEngineTest, DerivedDaysFollowTheLawOfTheirYearAndTheSettings) {
    std::vector<CHolidayTime> week;  // Sunday 1 to Sunday 8 September 2024
    for (int day = 1; day <= 8; ++day) week.push_back(Rule(9, day));
    const std::vector<CHolidayTime> april = {Rule(4, 8), Rule(4, 15)};
    const std::vector<CHolidayTime> december = {Rule(12, 24), Rule(12, 26), Rule(12, 28)};
    const std::vector<CHolidayTime> newYear = {Rule(12, 31), Rule(1, 1)};
    const std::vector<CHolidayTime> may = {Rule(5, 3), Rule(5, 5)};
    const Settings law = Derived(1, 0, true), off = Derived(0, 0, false);
    const Settings satMonday = Derived(1, 1, true), satFriday = Derived(1, 2, true);
    const struct {
        const std::vector<CHolidayTime>& rules;
        const Settings& settings;
        int year, month, day;
        const char* name;
    } rows[] = {
        {april, law, 1973, 4, 9, ""},  // substitutes from 12 April 1973
        {april, law, 1973, 4, 16, "振替休日"},
        {december, law, 1985, 12, 25, ""},  // days between from 27 December 1985
        {december, law, 1985, 12, 27, "国民の休日"},
        {newYear, law, 2007, 1, 2, ""},  // the wider substitute counts from the Sunday
        {newYear, law, 2018, 1, 2, "振替休日"},
        {week, law, 2024, 9, 9, "振替休日"},  // earlier substitutes push later ones on
        {week, law, 2024, 9, 10, "振替休日"},
        {week, law, 2024, 9, 11, ""},
        {may, law, 2003, 5, 4, ""},  // a Sunday between two holidays only from 2007
        {may, law, 2025, 5, 4, "国民の休日"},
        {may, law, 2021, 5, 4, "国民の休日"},
        {may, law, 2020, 5, 4, "振替休日"},
        {may, law, 2020, 5, 6, ""},
        {may, off, 1988, 5, 4, ""},
        {may, off, 1998, 5, 4, ""},
        {may, off, 2009, 5, 4, ""},
        {may, off, 2009, 5, 6, ""},
        {may, satMonday, 1986, 5, 5, "振替休日"},  // the user's own rule, in every year
        {may, satFriday, 1986, 5, 2, "振替休日"},
        {may, satFriday, 1986, 5, 5, "祝"},
    };
    for (const auto& r : rows) {
        const DayRecord day = EngineDay(r.rules, r.settings, r.year, r.month, r.day);
        EXPECT_EQ(day.holidayName, r.name) << r.year << "-" << r.month << "-" << r.day;
        EXPECT_EQ(day.holidayFlag, *r.name ? 1 : 0) << r.year << "-" << r.month << "-" << r.day;
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
