// The profile dialog's lists by date and time format, clamped numbers, and the
// trip from a stored profile through the form and back.
#include "profile/profile_form.h"

#include <tuple>

#include <gtest/gtest.h>

namespace vesm {
namespace {

CProfile Stored() {
    CProfile p;
    std::tie(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute) =
        std::tuple{1985, 7, 14, 9, 30};
    std::tie(p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree, p.longitudeMinute,
             p.longitudeSecond, p.fortuneFlg) = std::tuple{1, 1, 77, 2, 3, 1};
    return p;
}

auto Fields(const CProfile& p) {
    return std::make_tuple(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute,
                           p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree,
                           p.longitudeMinute, p.longitudeSecond, p.fortuneFlg);
}

TEST(ProfileLists, MonthNamesForTheNamedDateFormatsAndTwelveHourListsOnlyFor12) {
    for (int format : {0, 1, 2, 3, 4, 5, 9}) {
        const bool named = format == 1 || format == 3 || format == 5;
        const auto items = ProfileMonthItems(format);
        ASSERT_EQ(items.size(), 12u);
        EXPECT_EQ(items.front(), named ? "Jan" : "1") << format;
        EXPECT_EQ(items[4], named ? "May" : "5") << format;
        EXPECT_EQ(items.back(), named ? "Dec" : "12") << format;
    }
    EXPECT_TRUE(IsTwelveHour(12));
    for (int value : {24, 0, 13}) EXPECT_FALSE(IsTwelveHour(value)) << value;
    EXPECT_EQ(HalfOfDayItems(true), (std::vector<std::string>{"am", "pm"}));
    EXPECT_EQ(HalfOfDayItems(false), (std::vector<std::string>{"am", "pm", " "}));
    EXPECT_EQ(LastHourItem(true), 11);
    EXPECT_EQ(LastHourItem(false), 23);
}

TEST(ProfileLists, DigitsAreClampedToTheRangeAndAnythingElseIsRefused) {
    for (auto [text, low, high, number] : {std::tuple{"1985", 1900, 2099, 1985},
                                           {"3000", 1900, 2099, 2099},
                                           {"12", 1900, 2099, 1900},
                                           {"0139", 0, 180, 139},
                                           {"181", 0, 180, 180},
                                           {"99999999999999999999999", 0, 180, 180}}) {
        EXPECT_EQ(ClampedNumber(text, low, high), number) << text;
    }
    for (const char* text : {"", "-5", "12a", " 139", "1,900"}) {
        EXPECT_EQ(ClampedNumber(text, 0, 2099), std::nullopt) << '"' << text << '"';
    }
}

TEST(ProfileForm, TheHourSplitsIntoHalvesAndAnUnchangedFormStoresTheSameProfile) {
    for (auto [birthHour, halfOfDay, hour] :
         {std::tuple{0, kAm, 0}, {11, kAm, 11}, {12, kPm, 0}, {23, kPm, 11}}) {
        CProfile stored = Stored();
        stored.birthHour = birthHour;
        const ProfileForm twelve = FormFromProfile(stored, true);
        EXPECT_EQ(twelve.halfOfDay, halfOfDay) << birthHour;
        EXPECT_EQ(twelve.hour, hour) << birthHour;
        const ProfileForm full = FormFromProfile(stored, false);
        EXPECT_EQ(full.halfOfDay, kNoHalfOfDay) << birthHour;
        EXPECT_EQ(full.hour, birthHour);
        for (auto [form, twelveHour] : {std::pair{twelve, true}, {full, false}}) {
            const FormOutcome outcome = ProfileFromForm(form, stored, twelveHour);
            ASSERT_TRUE(outcome.profile) << outcome.problem;
            EXPECT_EQ(Fields(*outcome.profile), Fields(stored)) << twelveHour << " " << birthHour;
        }
    }
}

TEST(ProfileForm, ChosenItemsAndABirthplaceFromTheTableAreStored) {
    ProfileForm form = FormFromProfile(Stored(), false);
    std::tie(form.month, form.day, form.minute) = std::tuple{11, 30, 0};
    form.placeFromTable = true;
    form.place = 44;  // its longitude replaces the one in the controls
    const FormOutcome outcome = ProfileFromForm(form, Stored(), false);
    ASSERT_TRUE(outcome.profile);
    CProfile expected = Stored();
    std::tie(expected.birthMonth, expected.birthDay, expected.birthMinute) = std::tuple{12, 31, 0};
    std::tie(expected.nativePlaceInfo, expected.longitudeEastOrWest, expected.longitudeDegree,
             expected.longitudeMinute, expected.longitudeSecond) = std::tuple{0, 0, 130, 24, 45};
    EXPECT_EQ(Fields(*outcome.profile), Fields(expected));
}

TEST(ProfileForm, ListsWithoutSelectionKeepTheStoredValues) {
    CProfile stored = Stored();
    stored.longitudeMinute = 60;  // valid in the file but not in the 0-59 list
    ProfileForm form = FormFromProfile(stored, true);
    std::tie(form.month, form.day, form.hour, form.minute, form.eastOrWest, form.longitudeMinute,
             form.longitudeSecond) = std::tuple{-1, -1, -1, -1, -1, -1, -1};
    const FormOutcome outcome = ProfileFromForm(form, stored, true);
    ASSERT_TRUE(outcome.profile);
    EXPECT_EQ(Fields(*outcome.profile), Fields(stored));
}

}  // namespace
}  // namespace vesm
