#include "doc/date_time.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesm {
namespace {

DateTime Make(int y, int m, int d, int h = 0, int mi = 0, int s = 0) {
    return DateTime::Build(y, m, d, h, mi, s).value();
}

TEST(DateTimeTest, BuildRoundTripsRollsOverAndRefusesFieldsOutOfRange) {
    const DateFields f = Make(2099, 12, 31, 23, 59, 58).Fields();
    EXPECT_EQ((std::vector<int>{f.year, f.month, f.day, f.hour, f.minute, f.second, f.weekday}),
              (std::vector<int>{2099, 12, 31, 23, 59, 58, 5}));
    EXPECT_EQ(NoDayDate(), Make(1975, 1, 1));  // the date that stands for "no date"
    EXPECT_EQ(Make(2024, 1, 1).Weekday(), 2);  // weekdays count from Sunday
    EXPECT_EQ(Make(2024, 3, 2).Weekday(), 7);
    EXPECT_EQ(Make(2023, 4, 31).Fields().month * 100 + Make(2023, 4, 31).Day(), 501);
    EXPECT_EQ(Make(2023, 2, 29).Day(), 1);
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
    // {day, its weekday, row}: March 2024 starts on a Friday, June on a
    // Saturday, September on a Sunday.
    const int rows[][3] = {{1, 6, 1}, {2, 7, 1}, {3, 1, 2}, {31, 1, 6}, {1, 7, 1},
                           {2, 1, 2}, {9, 1, 3}, {8, 7, 2}, {8, 1, 2},  {15, 1, 3}};
    for (const auto& [day, weekday, row] : rows) {
        EXPECT_EQ(WeekRow(day, weekday), row) << day << " w" << weekday;
    }
}

}  // namespace
}  // namespace vesm
