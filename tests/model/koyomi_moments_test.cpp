// Moments of solar terms and new moons against an independent ephemeris (full
// VSOP87 and a separate lunar theory), in Terrestrial Time: a day's marks turn
// on them wherever one falls near midnight, so they must hold to seconds.
#include <gtest/gtest.h>

#include "koyomi/day_number.h"
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
    for (int day = DayNumberOf(1979, 12, 31); day <= DayNumberOf(2100, 3, 1); day += 37) {
        const CivilDate date = CivilDateOf(day);
        EXPECT_EQ(DayNumberOf(date.year, date.month, date.day), day);
    }
    const CivilDate leapDay = CivilDateOf(DayNumberOf(2024, 2, 29));
    EXPECT_EQ(leapDay.year * 10000 + leapDay.month * 100 + leapDay.day, 20240229);
}

}  // namespace
}  // namespace vesm
