// The profile dialog's lists by date and time format, the hour's half of day,
// clamped numbers, and stored values the lists cannot show.
#include "profile/profile_form.h"

#include <tuple>

#include <gtest/gtest.h>

namespace vesm {
namespace {

CProfile Stored() {
    CProfile profile;
    profile.birthYear = 1985;
    profile.birthMonth = 7;
    profile.birthDay = 14;
    profile.birthHour = 9;
    profile.birthMinute = 30;
    profile.nativePlaceInfo = 1;
    profile.longitudeEastOrWest = 1;
    profile.longitudeDegree = 77;
    profile.longitudeMinute = 2;
    profile.longitudeSecond = 3;
    profile.fortuneFlg = 1;
    return profile;
}

auto Fields(const CProfile& p) {
    return std::make_tuple(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute,
                           p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree,
                           p.longitudeMinute, p.longitudeSecond, p.fortuneFlg);
}

TEST(ProfileListsTest, MonthNamesOnlyForTheNamedDateFormats) {
    for (int format : {1, 3, 5}) {
        const auto items = ProfileMonthItems(format);
        ASSERT_EQ(items.size(), 12u);
        EXPECT_EQ(items.front(), "Jan") << format;
        EXPECT_EQ(items[4], "May") << format;
        EXPECT_EQ(items.back(), "Dec") << format;
    }
    for (int format : {0, 2, 4, 9}) {
        const auto items = ProfileMonthItems(format);
        ASSERT_EQ(items.size(), 12u);
        EXPECT_EQ(items.front(), "1") << format;
        EXPECT_EQ(items.back(), "12") << format;
    }
}

TEST(ProfileListsTest, OnlyTwelveMeansTwelveHourLists) {
    EXPECT_TRUE(IsTwelveHour(12));
    for (int value : {24, 0, 13}) EXPECT_FALSE(IsTwelveHour(value)) << value;
    EXPECT_EQ(HalfOfDayItems(true), (std::vector<std::string>{"am", "pm"}));
    EXPECT_EQ(HalfOfDayItems(false), (std::vector<std::string>{"am", "pm", " "}));
    EXPECT_EQ(LastHourItem(true), 11);
    EXPECT_EQ(LastHourItem(false), 23);
}

TEST(ClampedNumberTest, DigitsAreClampedToTheRangeAndAnythingElseIsRefused) {
    EXPECT_EQ(ClampedNumber("1985", 1900, 2099), 1985);
    EXPECT_EQ(ClampedNumber("3000", 1900, 2099), 2099);
    EXPECT_EQ(ClampedNumber("12", 1900, 2099), 1900);
    EXPECT_EQ(ClampedNumber("0139", 0, 180), 139);
    EXPECT_EQ(ClampedNumber("181", 0, 180), 180);
    EXPECT_EQ(ClampedNumber("99999999999999999999999", 0, 180), 180);
    for (const char* text : {"", "-5", "12a", " 139", "1,900"}) {
        EXPECT_EQ(ClampedNumber(text, 0, 2099), std::nullopt) << '"' << text << '"';
    }
}

TEST(ProfileOpeningTest, HourIsSplitIntoHalfOfDayInTwelveHourMode) {
    CProfile profile = Stored();
    struct Case {
        int birthHour;
        int halfOfDay;
        int hour;
    } cases[] = {{0, kAm, 0}, {11, kAm, 11}, {12, kPm, 0}, {23, kPm, 11}};
    for (const Case& c : cases) {
        profile.birthHour = c.birthHour;
        const ProfileForm twelve = FormFromProfile(profile, true);
        EXPECT_EQ(twelve.halfOfDay, c.halfOfDay) << c.birthHour;
        EXPECT_EQ(twelve.hour, c.hour) << c.birthHour;
        const ProfileForm full = FormFromProfile(profile, false);
        EXPECT_EQ(full.halfOfDay, kNoHalfOfDay) << c.birthHour;
        EXPECT_EQ(full.hour, c.birthHour);
    }
}

TEST(ProfileOkTest, OpeningAndStoringUnchangedGivesTheSameProfile) {
    for (bool twelveHour : {true, false}) {
        for (int hour : {0, 11, 12, 23}) {
            CProfile stored = Stored();
            stored.birthHour = hour;
            const FormOutcome outcome =
                ProfileFromForm(FormFromProfile(stored, twelveHour), stored, twelveHour);
            ASSERT_TRUE(outcome.profile) << outcome.problem;
            EXPECT_EQ(Fields(*outcome.profile), Fields(stored)) << twelveHour << " " << hour;
        }
    }
}

TEST(ProfileOkTest, ChosenItemsAndABirthplaceFromTheTableAreStored) {
    ProfileForm form = FormFromProfile(Stored(), false);
    form.month = 11;
    form.day = 30;
    form.minute = 0;
    form.placeFromTable = true;
    form.place = 44;  // its longitude replaces the one in the controls
    const FormOutcome outcome = ProfileFromForm(form, Stored(), false);
    ASSERT_TRUE(outcome.profile);
    CProfile expected = Stored();
    expected.birthMonth = 12;
    expected.birthDay = 31;
    expected.birthMinute = 0;
    expected.nativePlaceInfo = 0;
    expected.longitudeEastOrWest = 0;
    expected.longitudeDegree = 130;
    expected.longitudeMinute = 24;
    expected.longitudeSecond = 45;
    EXPECT_EQ(Fields(*outcome.profile), Fields(expected));
}

TEST(ProfileOkTest, ListsWithoutSelectionKeepTheStoredValues) {
    // A stored minute of arc of 60 is valid in the file but not in the 0-59 list.
    CProfile stored = Stored();
    stored.longitudeMinute = 60;
    ProfileForm form = FormFromProfile(stored, true);
    form.month = -1;
    form.day = -1;
    form.hour = -1;
    form.minute = -1;
    form.eastOrWest = -1;
    form.longitudeMinute = -1;
    form.longitudeSecond = -1;
    const FormOutcome outcome = ProfileFromForm(form, stored, true);
    ASSERT_TRUE(outcome.profile);
    EXPECT_EQ(outcome.profile->birthMonth, 7);
    EXPECT_EQ(outcome.profile->birthDay, 14);
    EXPECT_EQ(outcome.profile->birthHour, 9);
    EXPECT_EQ(outcome.profile->birthMinute, 30);
    EXPECT_EQ(outcome.profile->longitudeEastOrWest, 1);
    EXPECT_EQ(outcome.profile->longitudeMinute, 60);
    EXPECT_EQ(outcome.profile->longitudeSecond, 3);
}

}  // namespace
}  // namespace vesm
