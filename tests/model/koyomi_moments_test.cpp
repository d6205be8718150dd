// Moments of solar terms and new moons against an independent ephemeris (full
// VSOP87 and a separate lunar theory), in Terrestrial Time: a day's marks turn
// on them wherever one falls near midnight, so they must hold to seconds.
#include <gtest/gtest.h>

#include <utility>

#include "koyomi/day_number.h"
#include "koyomi/delta_t.h"
#include "koyomi/new_moon.h"
#include "koyomi/solar_terms.h"

namespace vesm {
namespace {

constexpr double kTolerance = 20.0 / 86400;  // days

TEST(KoyomiMomentsTest, SolarTermsWithinSecondsOfTheEphemeris) {
    struct Case {
        int year, term;
        double jde;
    };
    const Case cases[] = {
        {1980, 0, 2444318.96564},  {1995, 6, 2449890.35801},  {2025, 18, 2461031.12784},
        {2033, 14, 2463893.60326}, {2060, 12, 2473724.74293}, {2099, 21, 2487738.05024},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(SolarTermMoment(c.year, c.term), c.jde, kTolerance)
            << c.year << " term " << c.term;
    }
}

TEST(KoyomiMomentsTest, NewMoonsWithinSecondsOfTheEphemeris) {
    struct Case {
        int lunation;
        double jde;
    };
    const Case cases[] = {
        {-246, 2444285.86926}, {0, 2451550.26022},   {212, 2457811.12467},
        {418, 2463893.81223},  {900, 2478127.24808}, {1235, 2488019.98103},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(NewMoonMoment(c.lunation), c.jde, kTolerance) << "lunation " << c.lunation;
        EXPECT_EQ(LunationNear(c.jde + 10), c.lunation);
    }
}

TEST(KoyomiMomentsTest, DayNumbersAreJulianDayNumbers) {
    EXPECT_EQ(DayNumberOf(2000, 1, 1), 2451545);
    EXPECT_EQ(WeekdayOf(2451545), 6);  // a Saturday
    for (int day = DayNumberOf(1979, 12, 31); day <= DayNumberOf(2100, 3, 1); ++day) {
        const CivilDate date = CivilDateOf(day);
        ASSERT_TRUE(date.day >= 1 && date.day <= 31) << day;
        ASSERT_EQ(DayNumberOf(date.year, date.month, date.day), day);
    }
    const CivilDate leapDay = CivilDateOf(DayNumberOf(2024, 2, 29));
    EXPECT_EQ(leapDay.year * 10000 + leapDay.month * 100 + leapDay.day, 20240229);
}

// Clock time lags the ephemerides' time by about a minute; a wrong lag moves
// every moment. Observed values, and no jump where one fit meets the next.
TEST(KoyomiMomentsTest, DeltaTFollowsTheObservedValuesWithoutJumps) {
    const std::pair<double, double> observed[] = {
        {1980, 50.5}, {1990, 56.9}, {2000, 63.8}, {2010, 66.1}, {2020, 69.4}};
    for (const auto& [year, seconds] : observed) EXPECT_NEAR(DeltaTSeconds(year), seconds, 2.5);
    for (double join : {1986.0, 2005.0, 2050.0}) {
        EXPECT_NEAR(DeltaTSeconds(join - 1e-9), DeltaTSeconds(join), 1.0) << join;
    }
    EXPECT_GT(DeltaTSeconds(2099), DeltaTSeconds(2050));
}

}  // namespace
}  // namespace vesm
