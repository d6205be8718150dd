// Holidays as the law had them year by year: the built-in list's turning
// points, the derived days before and after the law changed them, and rules
// limited to a range of years.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doc/doc.h"
#include "doc/holiday_engine.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

// The document's record of the day, shown in its month.
DayRecord DayOn(CvesmDoc& doc, int year, int month, int day) {
    doc.SetDisplayDate(DateTime::Build(year, month, 1).value());
    for (std::size_t i = 0; i < doc.DayCount(); ++i) {
        DateFields date = doc.Day(i).date.Fields();
        if (date.year == year && date.month == month && date.day == day) return doc.Day(i);
    }
    ADD_FAILURE() << "no record for " << year << "-" << month << "-" << day;
    return {};
}

// Each entry is "YYYY-MM-DD name", or just the date for an ordinary day.
void ExpectHolidays(CvesmDoc& doc, const std::vector<std::string>& expected) {
    for (const std::string& want : expected) {
        int year = std::stoi(want.substr(0, 4));
        int month = std::stoi(want.substr(5, 2));
        int day = std::stoi(want.substr(8, 2));
        std::string name = want.size() > 11 ? want.substr(11) : "";
        EXPECT_EQ(DayOn(doc, year, month, day).holidayName, name) << want;
    }
}

TEST(HolidayLawTest, BuiltInListFollowsTheLawsChanges) {
    FakeHost host;
    CvesmDoc doc(host);
    // Happy Mondays from 2000 and 2003.
    ExpectHolidays(
        doc, {"1999-01-15 成人の日", "2000-01-15", "2000-01-10 成人の日", "1999-10-11 振替休日",
              "2000-10-10", "2000-10-09 体育の日", "2002-07-20 海の日", "2003-07-20",
              "2003-07-21 海の日", "2002-09-16 振替休日", "2004-09-15", "2004-09-20 敬老の日"});
    // 29 April and 4 May through three reigns and 2007.
    ExpectHolidays(doc, {"1988-04-29 天皇誕生日", "1989-04-29 みどりの日", "2006-04-29 みどりの日",
                         "2006-05-04 国民の休日", "2007-04-30 振替休日", "2007-05-04 みどりの日",
                         "2018-12-24 振替休日", "2019-12-23", "2019-02-23", "2020-02-24 振替休日",
                         "2015-08-11", "2016-08-11 山の日"});
    // The enthronement in 2019 and its days between.
    ExpectHolidays(doc,
                   {"2019-04-30 国民の休日", "2019-05-01 天皇の即位の日", "2019-05-02 国民の休日",
                    "2019-10-22 即位礼正殿の儀", "2019-10-14 体育の日"});
    // The Olympic years move three holidays, then they return.
    ExpectHolidays(
        doc, {"2020-07-20", "2020-07-23 海の日", "2020-07-24 スポーツの日", "2020-08-10 山の日",
              "2020-08-11", "2020-10-12", "2021-07-19", "2021-07-22 海の日",
              "2021-07-23 スポーツの日", "2021-08-09 振替休日", "2021-10-11", "2022-07-18 海の日",
              "2022-08-11 山の日", "2022-10-10 スポーツの日"});
    // Days of a single year.
    ExpectHolidays(doc, {"1989-02-24 昭和天皇の大喪の礼", "1990-11-12 即位礼正殿の儀", "1991-11-12",
                         "1993-06-09 皇太子徳仁親王の結婚の儀", "1994-06-09"});
}

TEST(HolidayLawTest, DerivedDaysOfTheBuiltInList) {
    FakeHost host;
    CvesmDoc doc(host);
    // Until 2006 only the Monday could be a substitute.
    ExpectHolidays(doc, {"1998-05-04 振替休日", "1997-05-06"});
    // From 2007 the next day that is not a holiday.
    ExpectHolidays(doc, {"2008-05-06 振替休日", "2009-05-06 振替休日"});
    // Between two holidays from 27 December 1985; a Sunday only from 2007.
    ExpectHolidays(doc,
                   {"1985-05-04", "1988-05-04 国民の休日", "2003-05-04", "2009-09-22 国民の休日"});
}

CHolidayTime RuleOn(int month, int day, const std::string& name, int firstYear = kAnyYear,
                    int lastYear = kAnyYear) {
    CHolidayTime rule;
    rule.kind = 1;
    rule.month = month;
    rule.dayOrOrdinal = day;
    rule.name = name;
    rule.firstYear = firstYear;
    rule.lastYear = lastYear;
    return rule;
}

// The engine's name for a day, from a table that starts a month earlier.
std::string EngineHolidayOn(const std::vector<CHolidayTime>& rules, const Settings& settings,
                            int year, int month, int day) {
    int previous = year * 12 + month - 2;
    DateTime start = DateTime::Build(previous / 12, previous % 12 + 1, 1).value();
    std::vector<DayRecord> days(92);
    ComputeHolidays(days, start, {rules, {}, settings});
    DateTime wanted = DateTime::Build(year, month, day).value();
    for (const DayRecord& record : days) {
        if (record.date == wanted) return record.holidayName;
    }
    return "?";
}

TEST(HolidayLawTest, DerivedDaysBeginWhereTheLawBroughtThemIn) {
    Settings settings;
    // Substitutes from 12 April 1973: both are Sundays.
    std::vector<CHolidayTime> april = {RuleOn(4, 8, "a"), RuleOn(4, 15, "b")};
    EXPECT_EQ(EngineHolidayOn(april, settings, 1973, 4, 9), "");
    EXPECT_EQ(EngineHolidayOn(april, settings, 1973, 4, 16), "振替休日");
    // Days between from 27 December 1985, a Friday.
    std::vector<CHolidayTime> december = {RuleOn(12, 24, "a"), RuleOn(12, 26, "b"),
                                          RuleOn(12, 28, "c")};
    EXPECT_EQ(EngineHolidayOn(december, settings, 1985, 12, 25), "");
    EXPECT_EQ(EngineHolidayOn(december, settings, 1985, 12, 27), "国民の休日");
    // A Sunday holiday on 31 December followed by 1 January: the wider
    // substitute counts from the Sunday's date.
    std::vector<CHolidayTime> newYear = {RuleOn(12, 31, "a"), RuleOn(1, 1, "b")};
    EXPECT_EQ(EngineHolidayOn(newYear, settings, 2007, 1, 2), "");
    EXPECT_EQ(EngineHolidayOn(newYear, settings, 2018, 1, 2), "振替休日");
}

TEST(HolidayLawTest, SettingsKeepTheirMeaningInEveryYear) {
    Settings off;
    off.fallsOnSun = 0;
    off.betweenBool = false;
    std::vector<CHolidayTime> may = {RuleOn(5, 3, "a"), RuleOn(5, 5, "b")};
    for (int year : {1988, 1998, 2009}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(EngineHolidayOn(may, off, year, 5, 4), "");
        EXPECT_EQ(EngineHolidayOn(may, off, year, 5, 6), "");
    }
    // The Saturday substitute is the user's own and holds before 2007 too.
    Settings saturday;
    saturday.fallsOnSat = 1;
    EXPECT_EQ(EngineHolidayOn({RuleOn(5, 3, "a")}, saturday, 1986, 5, 5), "振替休日");
    saturday.fallsOnSat = 2;
    EXPECT_EQ(EngineHolidayOn({RuleOn(5, 3, "a")}, saturday, 1986, 5, 2), "振替休日");
}

TEST(HolidayLawTest, RuleAppliesOnlyInsideItsYears) {
    const std::vector<CHolidayTime> rules = {
        RuleOn(6, 1, "always"), RuleOn(6, 2, "from 2000", 2000), RuleOn(6, 3, "to 2000", 0, 2000),
        RuleOn(6, 4, "2000 only", 2000, 2000), RuleOn(6, 5, "1990s", 1990, 1999)};
    struct Case {
        int year;
        std::vector<std::string> marked;  // names of 1 to 5 June
    };
    const Case cases[] = {
        {1989, {"always", "", "to 2000", "", ""}},
        {1990, {"always", "", "to 2000", "", "1990s"}},
        {1999, {"always", "", "to 2000", "", "1990s"}},
        {2000, {"always", "from 2000", "to 2000", "2000 only", ""}},
        {2001, {"always", "from 2000", "", "", ""}},
    };
    Settings plain;
    plain.fallsOnSun = 0;
    plain.betweenBool = false;
    for (const Case& c : cases) {
        std::vector<std::string> marked;
        for (int day = 1; day <= 5; ++day) {
            marked.push_back(EngineHolidayOn(rules, plain, c.year, 6, day));
        }
        EXPECT_EQ(marked, c.marked) << c.year;
    }
}

TEST(HolidayLawTest, SpecialDayRangesWorkTheSameWay) {
    FakeHost host;
    CvesmDoc doc(host);
    doc.ParseDayRules(RuleListId::SpecialDay, "2`6`6`0`開店記念日`2010`2012");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(DayOn(doc, 2009, 6, 6).specialDayName, "");
    EXPECT_EQ(DayOn(doc, 2010, 6, 6).specialDayName, "開店記念日");
    EXPECT_EQ(DayOn(doc, 2012, 6, 6).specialDayName, "開店記念日");
    EXPECT_EQ(DayOn(doc, 2013, 6, 6).specialDayName, "");
}

}  // namespace
}  // namespace vesm
