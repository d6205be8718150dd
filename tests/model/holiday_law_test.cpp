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

struct DayName {
    int year, month, day;
    const char* name;  // "" for an ordinary day
};

// The holiday name the document gives the day, "" when it is none.
std::string HolidayOn(CvesmDoc& doc, int year, int month, int day) {
    doc.SetDisplayDate(DateTime::Build(year, month, 1).value());
    for (std::size_t i = 0; i < doc.DayCount(); ++i) {
        DateFields date = doc.Day(i).date.Fields();
        if (date.year == year && date.month == month && date.day == day) {
            return doc.DayHolidayName(i);
        }
    }
    ADD_FAILURE() << "no record for " << year << "-" << month << "-" << day;
    return "?";
}

void ExpectHolidays(CvesmDoc& doc, const std::vector<DayName>& expected) {
    for (const DayName& want : expected) {
        EXPECT_EQ(HolidayOn(doc, want.year, want.month, want.day), want.name)
            << want.year << "-" << want.month << "-" << want.day;
    }
}

TEST(HolidayLawTest, BuiltInListFollowsTheLawsChanges) {
    FakeHost host;
    CvesmDoc doc(host);
    ExpectHolidays(doc, {
                            // Happy Mondays from 2000 and 2003.
                            {1999, 1, 15, "成人の日"},
                            {2000, 1, 15, ""},
                            {2000, 1, 10, "成人の日"},
                            {1999, 10, 11, "振替休日"},
                            {2000, 10, 10, ""},
                            {2000, 10, 9, "体育の日"},
                            {2002, 7, 20, "海の日"},
                            {2003, 7, 20, ""},
                            {2003, 7, 21, "海の日"},
                            {2002, 9, 16, "振替休日"},
                            {2004, 9, 15, ""},
                            {2004, 9, 20, "敬老の日"},
                            // 29 April and 4 May through three reigns and 2007.
                            {1988, 4, 29, "天皇誕生日"},
                            {1989, 4, 29, "みどりの日"},
                            {2006, 4, 29, "みどりの日"},
                            {2006, 5, 4, "国民の休日"},
                            {2007, 4, 30, "振替休日"},
                            {2007, 5, 4, "みどりの日"},
                            {2018, 12, 24, "振替休日"},
                            {2019, 12, 23, ""},
                            {2019, 2, 23, ""},
                            {2020, 2, 24, "振替休日"},
                            {2015, 8, 11, ""},
                            {2016, 8, 11, "山の日"},
                            // The enthronement in 2019 and its days between.
                            {2019, 4, 30, "国民の休日"},
                            {2019, 5, 1, "天皇の即位の日"},
                            {2019, 5, 2, "国民の休日"},
                            {2019, 10, 22, "即位礼正殿の儀"},
                            {2019, 10, 14, "体育の日"},
                            // The Olympic years move three holidays, then they return.
                            {2020, 7, 20, ""},
                            {2020, 7, 23, "海の日"},
                            {2020, 7, 24, "スポーツの日"},
                            {2020, 8, 10, "山の日"},
                            {2020, 8, 11, ""},
                            {2020, 10, 12, ""},
                            {2021, 7, 19, ""},
                            {2021, 7, 22, "海の日"},
                            {2021, 7, 23, "スポーツの日"},
                            {2021, 8, 9, "振替休日"},
                            {2021, 10, 11, ""},
                            {2022, 7, 18, "海の日"},
                            {2022, 8, 11, "山の日"},
                            {2022, 10, 10, "スポーツの日"},
                            // Days of a single year.
                            {1989, 2, 24, "昭和天皇の大喪の礼"},
                            {1990, 11, 12, "即位礼正殿の儀"},
                            {1991, 11, 12, ""},
                            {1993, 6, 9, "皇太子徳仁親王の結婚の儀"},
                            {1994, 6, 9, ""},
                        });
}

TEST(HolidayLawTest, DerivedDaysOfTheBuiltInList) {
    FakeHost host;
    CvesmDoc doc(host);
    ExpectHolidays(doc, {
                            // Until 2006 only the Monday could be a substitute.
                            {1998, 5, 4, "振替休日"},
                            {1997, 5, 6, ""},
                            // From 2007 the next day that is not a holiday.
                            {2008, 5, 6, "振替休日"},
                            {2009, 5, 6, "振替休日"},
                            // Between two holidays from 27 December 1985.
                            {1985, 5, 4, ""},
                            {1988, 5, 4, "国民の休日"},
                            {2003, 5, 4, ""},  // a Sunday, not yet a holiday
                            {2009, 9, 22, "国民の休日"},
                        });
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
    std::vector<CHolidayTime> december = {RuleOn(12, 25, "a"), RuleOn(12, 27, "b"),
                                          RuleOn(12, 29, "c")};
    EXPECT_EQ(EngineHolidayOn(december, settings, 1985, 12, 26), "");
    EXPECT_EQ(EngineHolidayOn(december, settings, 1985, 12, 28), "国民の休日");
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
    auto special = [&](int year) {
        doc.SetDisplayDate(DateTime::Build(year, 6, 1).value());
        for (std::size_t i = 0; i < doc.DayCount(); ++i) {
            DateFields date = doc.Day(i).date.Fields();
            if (date.year == year && date.month == 6 && date.day == 6) {
                return doc.DaySpecialDayName(i);
            }
        }
        return std::string("?");
    };
    EXPECT_EQ(special(2009), "");
    EXPECT_EQ(special(2010), "開店記念日");
    EXPECT_EQ(special(2012), "開店記念日");
    EXPECT_EQ(special(2013), "");
}

}  // namespace
}  // namespace vesm
