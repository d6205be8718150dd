// Rules every lunisolar year and every solar year keeps, over all the years the
// calendar supports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "koyomi/koyomi.h"

namespace vesm {
namespace {

constexpr int kWinterSolstice = 18;

const std::vector<DayKoyomi>& AllDays() {
    static const std::vector<DayKoyomi> all = [] {
        std::vector<DayKoyomi> days;
        for (int year = 1980; year <= 2099; ++year) {
            const std::vector<DayKoyomi> ofYear = KoyomiOfYear(year);
            days.insert(days.end(), ofYear.begin(), ofYear.end());
        }
        return days;
    }();
    return all;
}

struct LunarMonth {
    LunarDate first;
    int length = 0;
    int principalTerms = 0;
    bool holdsWinterSolstice = false;
};

std::vector<LunarMonth> MonthsOf(const std::vector<DayKoyomi>& days) {
    std::vector<LunarMonth> months;
    for (const DayKoyomi& day : days) {
        if (day.lunar.day == 1 || months.empty()) months.push_back({day.lunar});
        LunarMonth& month = months.back();
        ++month.length;
        if (day.solarTerm >= 0 && day.solarTerm % 2 == 0) ++month.principalTerms;
        month.holdsWinterSolstice |= day.solarTerm == kWinterSolstice;
    }
    return months;
}

TEST(KoyomiInvariantsTest, DaysRunOneToTwentyNineOrThirtyWithoutGaps) {
    const std::vector<DayKoyomi>& days = AllDays();
    for (std::size_t i = 1; i < days.size(); ++i) {
        const LunarDate& before = days[i - 1].lunar;
        const LunarDate& now = days[i].lunar;
        SCOPED_TRACE("day " + std::to_string(i) + " after 1980-01-01");
        if (now.day == 1) {
            EXPECT_TRUE(before.day == 29 || before.day == 30) << before.day;
        } else {
            EXPECT_EQ(now.day, before.day + 1);
            EXPECT_EQ(now.month, before.month);
            EXPECT_EQ(now.leap, before.leap);
        }
    }
}

TEST(KoyomiInvariantsTest, MonthsFollowInOrderWithOneLeapMonthInThirteenMonthYears) {
    const std::vector<LunarMonth> months = MonthsOf(AllDays());
    int monthsThisYear = 0, leapsThisYear = 0, years = 0;
    for (std::size_t i = 1; i < months.size(); ++i) {
        const LunarDate& before = months[i - 1].first;
        const LunarMonth& month = months[i];
        SCOPED_TRACE("month " + std::to_string(i) + ": " + LunarDateText(month.first));
        if (month.first.leap) {
            EXPECT_EQ(month.first.month, before.month);
            EXPECT_FALSE(before.leap);
            EXPECT_EQ(month.principalTerms, 0);
        } else {
            EXPECT_EQ(month.first.month, before.month % 12 + 1);
        }
        if (month.holdsWinterSolstice) {
            EXPECT_EQ(month.first.month, 11);
            EXPECT_FALSE(month.first.leap);
        }
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
}

TEST(KoyomiInvariantsTest, EachYearHasEveryTermOnceInTheSunsOrder) {
    for (int year = 1980; year <= 2099; ++year) {
        SCOPED_TRACE(year);
        std::vector<int> terms;
        for (const DayKoyomi& day : KoyomiOfYear(year)) {
            if (day.solarTerm >= 0) terms.push_back(day.solarTerm);
        }
        ASSERT_EQ(terms.size(), 24u);
        for (int i = 0; i < 24; ++i) EXPECT_EQ(terms[i], (19 + i) % 24);  // from 小寒 on
    }
}

// Independently known: the leap months of the lunisolar years as published.
TEST(KoyomiInvariantsTest, LeapMonthsOfKnownYears) {
    const std::pair<int, int> known[] = {{1984, 10}, {1987, 6}, {1990, 5}, {1993, 3}, {1995, 8},
                                         {1998, 5},  {2001, 4}, {2004, 2}, {2006, 7}, {2009, 5},
                                         {2012, 3},  {2014, 9}, {2017, 5}, {2020, 4}, {2023, 2},
                                         {2025, 6},  {2028, 5}, {2031, 3}, {2033, 11}};
    for (const auto& [year, leapMonth] : known) {
        int found = 0;
        for (const DayKoyomi& day : KoyomiOfYear(year)) {
            if (day.lunar.leap) found = day.lunar.month;
        }
        EXPECT_EQ(found, leapMonth) << year;
    }
}

}  // namespace
}  // namespace vesm
