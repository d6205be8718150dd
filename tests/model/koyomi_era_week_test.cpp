// Era years and week numbers at their boundaries, and the lunar date's text.
#include <gtest/gtest.h>

#include <string>

#include "koyomi/koyomi.h"

namespace vesm {
namespace {

TEST(KoyomiEraWeekTest, EraYearsChangeOnTheirFirstDays) {
    struct Case {
        int year, month, day;
        const char* text;
    };
    const Case cases[] = {
        {1980, 1, 1, "昭和55"},   {1989, 1, 7, "昭和64"},   {1989, 1, 8, "平成元"},
        {1990, 1, 1, "平成2"},    {2019, 4, 30, "平成31"},  {2019, 5, 1, "令和元"},
        {2019, 12, 31, "令和元"}, {2020, 1, 1, "令和2"},    {2026, 12, 7, "令和8"},
        {2099, 12, 31, "令和81"}, {1926, 12, 25, "昭和元"}, {1926, 12, 24, "大正15"},
        {1900, 1, 1, "明治33"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EraYearText(EraOf(c.year, c.month, c.day)), c.text)
            << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(EraOf(2026, 1, 1).year, 8);
}

TEST(KoyomiEraWeekTest, WeekNumbersAtTheTurnOfTheYear) {
    struct Case {
        int year, month, day, iso, us;
    };
    const Case cases[] = {
        {2020, 12, 31, 53, 53},  // a Thursday
        {2021, 1, 1, 53, 1},     // Friday: still ISO week 53 of 2020
        {2021, 1, 3, 53, 2},     // Sunday: ends the ISO week, starts a US week
        {2021, 1, 4, 1, 2},      // Monday
        {2026, 12, 28, 53, 53}, {2026, 12, 31, 53, 53}, {2027, 1, 3, 53, 2},
        {2027, 1, 4, 1, 2},     {2024, 12, 30, 1, 53},  // Monday: ISO week 1 of 2025
        {2019, 12, 30, 1, 53},  {2026, 1, 1, 1, 1},     {2026, 12, 7, 50, 50},
        {2000, 12, 31, 52, 54},  // a leap year from a Saturday
        {2016, 1, 3, 53, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsoWeekNumber(c.year, c.month, c.day), c.iso)
            << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(UsWeekNumber(c.year, c.month, c.day), c.us)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(KoyomiEraWeekTest, LunarDateTexts) {
    EXPECT_EQ(LunarDateText({11, true, 3}), "閏11月3日");
    EXPECT_EQ(LunarDateText({1, false, 30}), "1月30日");
}

}  // namespace
}  // namespace vesm
