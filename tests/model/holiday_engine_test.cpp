#include "doc/holiday_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "doc/day_table.h"

namespace vesm {
namespace {

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday, const std::string& name) {
    CHolidayTime rule;
    rule.kind = 1;
    rule.month = month;
    rule.dayOrOrdinal = dayOrOrdinal;
    rule.weekday = weekday;
    rule.name = name;
    return rule;
}

// The holidays of the law in force, as the calendar ships them.
std::vector<CHolidayTime> CurrentLawHolidays() {
    return {Rule(1, 1, 0, "元旦"),        Rule(1, 2, 2, "成人の日"),
            Rule(2, 11, 0, "建国記念日"), Rule(2, 23, 0, "天皇誕生日"),
            Rule(4, 29, 0, "昭和の日"),   Rule(5, 3, 0, "憲法記念日"),
            Rule(5, 4, 0, "みどりの日"),  Rule(5, 5, 0, "子供の日"),
            Rule(7, 3, 2, "海の日"),      Rule(8, 11, 0, "山の日"),
            Rule(9, 3, 2, "敬老の日"),    Rule(10, 2, 2, "スポーツの日"),
            Rule(11, 3, 0, "文化の日"),   Rule(11, 23, 0, "勤労感謝の日")};
}

DateFields CalendarDay(int year, int month, int day) {
    return DateTime::Build(year, month, day).value().Fields();
}

// A classified table for the three months around the displayed month.
class EngineTable {
public:
    EngineTable(int year, int month, std::vector<CHolidayTime> holidays,
                std::vector<CHolidayTime> specialDays, const Settings& settings)
        : holidays_(std::move(holidays)), specialDays_(std::move(specialDays)) {
        DayTableRange range =
            ComputeDayTableRange(DateTime::Build(year, month, 15).value(), 1, 3).value();
        days_.resize(static_cast<std::size_t>(range.count));
        ComputeHolidays(days_, range.start, {holidays_, specialDays_, settings});
    }

    const DayRecord& At(int year, int month, int day) const {
        DateTime date = DateTime::Build(year, month, day).value();
        for (const DayRecord& record : days_) {
            if (record.date == date) return record;
        }
        ADD_FAILURE() << "no record for " << year << "-" << month << "-" << day;
        return missing_;
    }

    const std::vector<DayRecord>& Days() const { return days_; }

private:
    std::vector<CHolidayTime> holidays_;
    std::vector<CHolidayTime> specialDays_;
    std::vector<DayRecord> days_;
    DayRecord missing_;
};

Settings WithDerivedRules(int fallsOnSun, int fallsOnSat, bool betweenBool) {
    Settings settings;
    settings.fallsOnSun = fallsOnSun;
    settings.fallsOnSat = fallsOnSat;
    settings.betweenBool = betweenBool;
    return settings;
}

std::vector<CHolidayTime> Without(std::vector<CHolidayTime> rules, const std::string& name) {
    std::erase_if(rules, [&](const CHolidayTime& rule) { return rule.name == name; });
    return rules;
}

// ---- equinox days ---------------------------------------------------------

TEST(EquinoxDayTest, YearsWithKnownEquinoxes) {
    struct Case {
        int year, vernal, autumnal;
    };
    for (Case c : {Case{2000, 20, 23}, Case{2015, 21, 23}, Case{2020, 20, 22}, Case{2024, 20, 22},
                   Case{2099, 20, 23}}) {
        EXPECT_EQ(VernalEquinoxDay(c.year), c.vernal) << c.year;
        EXPECT_EQ(AutumnalEquinoxDay(c.year), c.autumnal) << c.year;
    }
}

TEST(EquinoxDayTest, MatchesThePublishedEquinoxHolidays) {
    std::ifstream file(VESM_TEST_DATA_DIR "/jp_holidays_official.csv");
    ASSERT_TRUE(file) << "official holiday list not found";
    std::string line;
    int checked = 0;
    while (std::getline(file, line)) {
        int year = 0, month = 0, day = 0;
        char name[64] = {};
        if (std::sscanf(line.c_str(), "%d-%d-%d,%63s", &year, &month, &day, name) != 4) continue;
        if (year < 1980) continue;
        if (std::string(name) == "春分の日") {
            EXPECT_EQ(month, 3);
            EXPECT_EQ(VernalEquinoxDay(year), day) << year;
            ++checked;
        } else if (std::string(name) == "秋分の日") {
            EXPECT_EQ(month, 9);
            EXPECT_EQ(AutumnalEquinoxDay(year), day) << year;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 2 * (2050 - 1980 + 1));
}

// ---- rules falling on a date -------------------------------------------------

TEST(DayRuleTest, NthWeekdayFallsOnExactlyOneDayOfItsWeek) {
    for (int year = 1999; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            std::vector<DateFields> days;
            for (int day = 1; day <= MonthLength(year, month); ++day) {
                days.push_back(CalendarDay(year, month, day));
            }
            for (int weekday = 1; weekday <= 7; ++weekday) {
                for (int ordinal = 1; ordinal <= 5; ++ordinal) {
                    CHolidayTime rule = Rule(month, ordinal, weekday, "x");
                    std::vector<DateFields> hits;
                    std::copy_if(days.begin(), days.end(), std::back_inserter(hits),
                                 [&](const DateFields& day) { return RuleFallsOn(rule, day); });
                    ASSERT_EQ(hits.size(), 1u)
                        << year << "-" << month << " w" << weekday << " n" << ordinal;
                    EXPECT_EQ(hits[0].weekday, weekday);
                    if (ordinal < 5) {
                        EXPECT_EQ((hits[0].day - 1) / 7 + 1, ordinal);
                    } else {
                        EXPECT_GT(hits[0].day + 7, MonthLength(year, month));
                    }
                }
            }
        }
    }
}

TEST(DayRuleTest, LastWeekdaysOf2024) {
    EXPECT_TRUE(RuleFallsOn(Rule(5, 5, 2, "x"), CalendarDay(2024, 5, 27)));
    EXPECT_FALSE(RuleFallsOn(Rule(5, 5, 2, "x"), CalendarDay(2024, 5, 20)));
    EXPECT_TRUE(RuleFallsOn(Rule(6, 5, 1, "x"), CalendarDay(2024, 6, 30)));
    EXPECT_FALSE(RuleFallsOn(Rule(6, 5, 1, "x"), CalendarDay(2024, 6, 23)));
}

TEST(DayRuleTest, FixedDateMatchesMonthAndDayInEveryYear) {
    CHolidayTime leapDay = Rule(2, 29, 0, "閏日");
    EXPECT_TRUE(RuleFallsOn(leapDay, CalendarDay(2024, 2, 29)));
    EXPECT_FALSE(RuleFallsOn(leapDay, CalendarDay(2023, 3, 1)));
    EXPECT_FALSE(RuleFallsOn(Rule(3, 1, 0, "x"), CalendarDay(2024, 4, 1)));
    EXPECT_TRUE(RuleFallsOn(Rule(3, 1, 0, "x"), CalendarDay(2087, 3, 1)));
}

TEST(DayRuleTest, FirstMatchingRuleOfTheListNamesTheDay) {
    std::vector<CHolidayTime> rules = {Rule(5, 1, 0, "first"), Rule(5, 1, 0, "second")};
    EXPECT_EQ(FindDayRule(rules, CalendarDay(2024, 5, 1)), "first");
    EXPECT_EQ(FindDayRule(rules, CalendarDay(2024, 5, 2)), std::nullopt);
    EXPECT_EQ(FindDayRule({}, CalendarDay(2024, 5, 1)), std::nullopt);
}

// ---- holidays from rules, equinoxes and special days ---------------------------

TEST(RuleHolidayTest, EarlierRuleOnTheSameDateNamesTheHoliday) {
    EngineTable table(2024, 6, {Rule(6, 10, 0, "前"), Rule(6, 10, 0, "後")}, {}, Settings{});
    EXPECT_EQ(table.At(2024, 6, 10).holidayFlag, 1);
    EXPECT_EQ(table.At(2024, 6, 10).holidayName, "前");
    EXPECT_EQ(table.At(2024, 6, 11).holidayFlag, 0);
    EXPECT_EQ(table.At(2024, 6, 11).holidayName, "");
}

TEST(RuleHolidayTest, EquinoxReplacesAUserRuleOnlyWhileEquinoxesAreOn) {
    std::vector<CHolidayTime> rules = {Rule(3, 20, 0, "自分の日")};
    Settings on;
    EngineTable withEquinox(2024, 3, rules, {}, on);
    EXPECT_EQ(withEquinox.At(2024, 3, 20).holidayName, "春分の日");
    EngineTable autumnWithEquinox(2024, 9, {}, {}, on);
    EXPECT_EQ(autumnWithEquinox.At(2024, 9, 22).holidayName, "秋分の日");

    Settings off;
    off.equinoxBool = false;
    EngineTable withoutEquinox(2024, 3, rules, {}, off);
    EXPECT_EQ(withoutEquinox.At(2024, 3, 20).holidayName, "自分の日");
    EngineTable autumn(2024, 9, {}, {}, off);
    EXPECT_EQ(autumn.At(2024, 9, 22).holidayFlag, 0);
}

// ---- substitute holidays -----------------------------------------------------

TEST(SubstituteHolidayTest, SundayHolidayMovesToTheNextOrdinaryDay) {
    EngineTable y2020(2020, 5, CurrentLawHolidays(), {}, WithDerivedRules(1, 0, true));
    EXPECT_EQ(y2020.At(2020, 5, 6).holidayFlag, 1);
    EXPECT_EQ(y2020.At(2020, 5, 6).holidayName, "振替休日");
    EXPECT_EQ(y2020.At(2020, 5, 4).holidayName, "みどりの日");
    EXPECT_EQ(y2020.At(2020, 5, 7).holidayFlag, 0);

    EngineTable y2015(2015, 5, CurrentLawHolidays(), {}, WithDerivedRules(1, 0, true));
    EXPECT_EQ(y2015.At(2015, 5, 6).holidayName, "振替休日");
}

TEST(SubstituteHolidayTest, NoSundaySubstituteWhenSwitchedOff) {
    EngineTable table(2020, 5, CurrentLawHolidays(), {}, WithDerivedRules(0, 0, true));
    EXPECT_EQ(table.At(2020, 5, 6).holidayFlag, 0);
    EXPECT_EQ(table.At(2020, 5, 6).holidayName, "");
}

TEST(SubstituteHolidayTest, SubstitutesMadeEarlierPushLaterOnesFurther) {
    // Sunday 1 to Sunday 8 September 2024 are all holidays: the first Sunday's
    // substitute takes Monday the 9th, so the second Sunday's goes to the 10th.
    std::vector<CHolidayTime> week;
    for (int day = 1; day <= 8; ++day) week.push_back(Rule(9, day, 0, "連休"));
    EngineTable table(2024, 9, week, {}, WithDerivedRules(1, 0, false));
    EXPECT_EQ(table.At(2024, 9, 9).holidayName, "振替休日");
    EXPECT_EQ(table.At(2024, 9, 10).holidayName, "振替休日");
    EXPECT_EQ(table.At(2024, 9, 11).holidayFlag, 0);
}

TEST(SubstituteHolidayTest, SaturdayHolidayRenamesTheFollowingMonday) {
    EngineTable table(2014, 5, CurrentLawHolidays(), {}, WithDerivedRules(1, 1, true));
    EXPECT_EQ(table.At(2014, 5, 5).holidayFlag, 1);
    EXPECT_EQ(table.At(2014, 5, 5).holidayName, "振替休日");
    EXPECT_EQ(table.At(2014, 5, 2).holidayFlag, 0);
}

TEST(SubstituteHolidayTest, SaturdayHolidayCanMoveToThePrecedingFriday) {
    EngineTable table(2014, 5, CurrentLawHolidays(), {}, WithDerivedRules(1, 2, true));
    EXPECT_EQ(table.At(2014, 5, 2).holidayFlag, 1);
    EXPECT_EQ(table.At(2014, 5, 2).holidayName, "振替休日");
    EXPECT_EQ(table.At(2014, 5, 5).holidayName, "子供の日");
}

TEST(SubstituteHolidayTest, RecordsAtTheTableEdgesAreNeverSources) {
    // Saturday 31 August 2024 and Sunday 1 September open the table; a
    // Saturday near its end would reach past it if it were a source.
    Settings settings = WithDerivedRules(1, 2, false);
    std::vector<CHolidayTime> rules = {Rule(8, 31, 0, "土"), Rule(9, 1, 0, "日"),
                                       Rule(9, 7, 0, "土")};
    std::vector<CHolidayTime> none;
    std::vector<DayRecord> days(8);
    ComputeHolidays(days, DateTime::Build(2024, 8, 31).value(), {rules, none, settings});
    EXPECT_EQ(days[2].holidayFlag, 0);  // 2 September, no substitute for the Sunday
    EXPECT_EQ(days[0].holidayName, "土");
    EXPECT_EQ(days[6].holidayFlag, 0);  // 6 September: the 7th is a last-two record

    settings.fallsOnSat = 1;
    std::vector<DayRecord> tail(9);
    ComputeHolidays(tail, DateTime::Build(2024, 8, 31).value(), {rules, none, settings});
    EXPECT_EQ(tail[8].holidayFlag, 0);  // 8 September, two days after the 7th
}

// ---- days between holidays ----------------------------------------------------

TEST(BetweenHolidayTest, TuesdayBetweenRespectForTheAgedAndEquinoxDay) {
    for (int year : {2009, 2015, 2026}) {
        EngineTable on(year, 9, CurrentLawHolidays(), {}, WithDerivedRules(1, 0, true));
        EXPECT_EQ(on.At(year, 9, 22).holidayFlag, 1) << year;
        EXPECT_EQ(on.At(year, 9, 22).holidayName, "国民の休日") << year;

        EngineTable off(year, 9, CurrentLawHolidays(), {}, WithDerivedRules(1, 0, false));
        EXPECT_EQ(off.At(year, 9, 22).holidayFlag, 0) << year;
        EXPECT_EQ(off.At(year, 9, 23).holidayName, "秋分の日") << year;
    }
}

TEST(BetweenHolidayTest, MayFourthWithoutItsRule) {
    std::vector<CHolidayTime> rules = Without(CurrentLawHolidays(), "みどりの日");
    EngineTable tuesday(2021, 5, rules, {}, WithDerivedRules(1, 0, true));
    EXPECT_EQ(tuesday.At(2021, 5, 4).holidayName, "国民の休日");

    // A Sunday between two holidays stayed a plain Sunday until 2006.
    EngineTable sunday(2003, 5, rules, {}, WithDerivedRules(1, 0, true));
    EXPECT_EQ(sunday.At(2003, 5, 4).holidayFlag, 0);
    EngineTable laterSunday(2025, 5, rules, {}, WithDerivedRules(1, 0, true));
    EXPECT_EQ(laterSunday.At(2025, 5, 4).holidayName, "国民の休日");

    EngineTable afterSunday(2020, 5, rules, {}, WithDerivedRules(1, 0, true));
    EXPECT_EQ(afterSunday.At(2020, 5, 4).holidayName, "振替休日");
    EXPECT_EQ(afterSunday.At(2020, 5, 6).holidayFlag, 0);
}

// ---- the table as a whole -------------------------------------------------------

TEST(ComputeHolidaysTest, RebuildingATableStartsFromFreshRecords) {
    std::vector<CHolidayTime> rules = {Rule(6, 10, 0, "x")};
    std::vector<CHolidayTime> none;
    Settings settings;
    std::vector<DayRecord> days(40);
    for (DayRecord& day : days) {
        day.holidayFlag = 1;
        day.holidayName = "stale";
        day.cell = {1, 2, 3, 4};
    }
    ComputeHolidays(days, DateTime::Build(2024, 6, 1).value(), {rules, none, settings});
    int holidays = 0;
    for (const DayRecord& day : days) {
        holidays += day.holidayFlag;
        EXPECT_NE(day.holidayName, "stale");
        EXPECT_EQ(day.cell, Rect{});
    }
    EXPECT_EQ(holidays, 1);
}

}  // namespace
}  // namespace vesm
