// Calendar days: dates, week rows, the holiday engine on rule lists of its own,
// and the document's holidays against the national holidays as published.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "doc/cp932_codec.h"
#include "doc/doc.h"
#include "doc/holiday_engine.h"
#include "doc/holiday_listing.h"
#include "ical/ical_time.h"
#include "support/earlier_holiday_lists.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

DateTime Make(int year, int month, int day) {
    return DateTime::Build(year, month, day).value();
}

TEST(DateTimeTest, BuildRefusesFieldsOutOfRange) {
    EXPECT_EQ(NoDayDate(), Make(1975, 1, 1));  // the date that stands for "no date"
    const int refused[][6] = {
        {1899, 1, 1, 0, 0, 0},  {1969, 12, 1, 0, 0, 0}, {2000, 0, 1, 0, 0, 0},
        {2000, 13, 1, 0, 0, 0}, {2000, 1, 0, 0, 0, 0},  {2000, 1, 32, 0, 0, 0},
        {2000, 1, 1, 24, 0, 0}, {2000, 1, 1, 0, 60, 0}, {2000, 1, 1, 0, 0, 60}};
    for (const auto& [y, m, d, h, mi, s] : refused) {
        EXPECT_FALSE(DateTime::Build(y, m, d, h, mi, s))
            << y << "-" << m << "-" << d << " " << h << ":" << mi << ":" << s;
    }
}

TEST(DateTimeTest, WeekRowsOfMonthsStartingOnFridaySaturdayAndSunday) {
    // {day, its weekday, row}: months starting on a Friday, a Saturday, a Sunday.
    const int rows[][3] = {{1, 6, 1}, {2, 7, 1}, {3, 1, 2}, {31, 1, 6}, {1, 7, 1},
                           {2, 1, 2}, {9, 1, 3}, {8, 7, 2}, {8, 1, 2},  {15, 1, 3}};
    for (const auto& [day, weekday, row] : rows) {
        EXPECT_EQ(WeekRow(day, weekday), row) << day << " w" << weekday;
    }
}

CHolidayTime Rule(int month, int dayOrOrdinal, int weekday = 0, const std::string& name = "祝") {
    CHolidayTime rule;
    rule.Set(DateTime::Build(2024, 1, 1).value(), month, dayOrOrdinal, 1, weekday, name);
    return rule;
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

// Against the iCalendar reader's own count of the n-th and last weekday.
TEST(HolidayEngineTest, NthAndLastWeekdayFallOnTheDayTheyName) {
    for (int year = 1999; year <= 2030; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int weekday = 1; weekday <= 7; ++weekday) {
                for (int ordinal = 1; ordinal <= 5; ++ordinal) {
                    const int named =
                        ical::NthWeekdayDay(year, month, ordinal == 5 ? -1 : ordinal, weekday - 1);
                    for (int day = 1; day <= MonthLength(year, month); ++day) {
                        ASSERT_EQ(RuleFallsOn(Rule(month, ordinal, weekday),
                                              Make(year, month, day).Fields()),
                                  day == named)
                            << year << "-" << month << "-" << day << " w" << weekday << " n"
                            << ordinal;
                    }
                }
            }
        }
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

// Saturday 31 August 2024 and Sunday 1 September open the table and Saturday
// the 7th is one of its last two records: none of them is a source.
TEST(HolidayEngineTest, TableEdgesAreNeverSourcesAndRecordsStartFresh) {
    const std::vector<CHolidayTime> rules = {Rule(8, 31), Rule(9, 1), Rule(9, 7)}, none;
    DayRecord stale;  // from an earlier table
    stale.holidayFlag = 1;
    stale.holidayName = "stale";
    stale.cell = {1, 2, 3, 4};
    for (const auto& [fallsOnSat, expected] : {std::pair{2, "11000001"}, {1, "110000010"}}) {
        std::vector<DayRecord> days(std::string(expected).size(), stale);
        ComputeHolidays(days, DateTime::Build(2024, 8, 31).value(),
                        {rules, none, Derived(1, fallsOnSat, false)});
        std::string flags;
        for (const DayRecord& day : days) {
            flags += day.holidayName == "stale" || day.cell != Rect{} ? 's' : '0' + day.holidayFlag;
        }
        EXPECT_EQ(flags, expected) << fallsOnSat;
    }
}

// The published list calls substitute and in-between holidays alike "休日".
std::string CommonName(const std::string& name) {
    static const char* const kFrom[] = {
        "元日",           "建国記念の日",   "こどもの日",         "体育の日（スポーツの日）",
        "振替休日",       "国民の休日",     "昭和天皇の大喪の礼", "皇太子徳仁親王の結婚の儀",
        "天皇の即位の日", "即位礼正殿の儀", "休日（祝日扱い）"};
    static const char* const kTo[] = {"元旦", "建国記念日", "子供の日", "体育の日",
                                      "休日", "休日",       "大喪の礼", "結婚の儀",
                                      "即位", "即位",       "即位"};
    for (std::size_t i = 0; i < std::size(kFrom); ++i) {
        if (name == kFrom[i]) return kTo[i];
    }
    return name;
}

int DateKey(const MarkedDay& mark) {
    return mark.year * 10000 + mark.month * 100 + mark.day;
}

constexpr int kFirstYear = 1980, kLastPublishedYear = 2050;

// "yyyymmdd name" lines of the published holidays, in the common names.
std::string PublishedHolidays() {
    std::ifstream file(VESM_TEST_DATA_DIR "/jp_holidays_official.csv");
    std::string lines;
    for (std::string line; std::getline(file, line);) {
        int year = 0, month = 0, day = 0;
        if (std::sscanf(line.c_str(), "%d-%d-%d,", &year, &month, &day) == 3 &&
            year >= kFirstYear && year <= kLastPublishedYear) {
            lines += std::to_string(year * 10000 + month * 100 + day) + " " +
                     CommonName(line.substr(line.find(',') + 1)) + "\n";
        }
    }
    return lines;
}

// The same of the holidays the calendar marks with a settings file of `lines`
// (none: the built-in lists and defaults). The list runs in date order, a day's
// holiday before its special day, and leaves the displayed month as it was.
std::string CalendarHolidays(const std::vector<std::string>& lines) {
    FakeHost host;
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    if (!lines.empty()) host.SetSettingsFile(EncodeCp932(text));
    CvesmDoc doc(host);
    EXPECT_TRUE(host.messages.empty());
    const DateTime displayed = doc.DisplayDate();
    const std::vector<MarkedDay> marks = ListMarkedDays(doc, kFirstYear, kLastPublishedYear);
    EXPECT_EQ(doc.DisplayDate(), displayed);
    std::string holidays;
    int specialDays = 0;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const MarkedDay& m = marks[i];
        if (i > 0) {
            EXPECT_LT(std::pair(DateKey(marks[i - 1]), marks[i - 1].kind),
                      std::pair(DateKey(m), m.kind));
        }
        if (m.kind == MarkKind::Holiday) {
            holidays += std::to_string(DateKey(m)) + " " + CommonName(m.name) + "\n";
        }
        specialDays += m.kind == MarkKind::Special;
    }
    const int builtInSpecialDays = 9 * (kLastPublishedYear - kFirstYear + 1);
    EXPECT_TRUE(!lines.empty() || specialDays == builtInSpecialDays) << specialDays;
    return holidays;
}

// Files written before rules had years carry an earlier built-in list: it loads as the law's.
TEST(OfficialHolidaysTest, BuiltInAndEarlierListsGiveThePublishedHolidaysOfEveryYear) {
    const std::string published = PublishedHolidays();
    ASSERT_GE(std::count(published.begin(), published.end(), '\n'), 71 * 15)
        << "official holiday list not found or cut short";
    for (const std::vector<std::string>& lines :
         {std::vector<std::string>{}, kFirstBuiltInHolidayLines, kYearlessLawHolidayLines}) {
        EXPECT_EQ(CalendarHolidays(lines), published) << lines.size() << " lines";
    }
}

}  // namespace
}  // namespace vesm
