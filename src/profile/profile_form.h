// What the profile dialog's controls show for a profile, and what OK makes of
// them. The dialog only moves these values in and out of its controls.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "profile/profile.h"

namespace vesm {

inline constexpr int kFirstBirthYear = 1900;
inline constexpr int kLastBirthYear = 2099;
inline constexpr int kLastLongitudeDegree = 180;

// Index of the half-of-day list's items.
inline constexpr int kAm = 0;
inline constexpr int kPm = 1;
inline constexpr int kNoHalfOfDay = 2;  // the blank item, offered in 24-hour mode only

// Index of the east-or-west list's items; the blank one names neither.
inline constexpr int kEastOrWestBlank = 2;

// "Jan" … "Dec" for dateFormat 1, 3 and 5; "1" … "12" for any other.
std::vector<std::string> ProfileMonthItems(int dateFormat);
// "am", "pm", and the blank item in 24-hour mode.
std::vector<std::string> HalfOfDayItems(bool twelveHour);
// The highest item of the hour list: 11 in 12-hour mode, else 23.
int LastHourItem(bool twelveHour);
// Only 12 means 12-hour time; every other value shows 24 hours.
bool IsTwelveHour(int time12or24);

// The number a year or degree edit holds, clamped to its up-down's range;
// nothing when the text is not a run of digits.
std::optional<int> ClampedNumber(std::string_view text, int low, int high);

// The state of the controls: list selections are item indices, -1 for none;
// the two edits are their texts.
struct ProfileForm {
    std::string yearText;
    int month = -1;
    int day = -1;
    int halfOfDay = -1;
    int hour = -1;
    int minute = -1;
    bool placeFromTable = true;
    int place = -1;
    int eastOrWest = -1;
    std::string degreeText;
    int longitudeMinute = -1;
    int longitudeSecond = -1;
};

// What the controls show when the dialog opens on the profile.
ProfileForm FormFromProfile(const CProfile& profile, bool twelveHour);

// OK's outcome: the profile to store, or the message that keeps the dialog open.
struct FormOutcome {
    std::optional<CProfile> profile;
    std::string problem;
};

// The profile OK stores. A list left without a selection keeps the stored
// value, so nothing is lost; fortuneFlg is always the stored one.
FormOutcome ProfileFromForm(const ProfileForm& form, const CProfile& stored, bool twelveHour);

inline constexpr std::string_view kYearProblem = "西暦は1900から2099までの数字で入力してください。";
inline constexpr std::string_view kDegreeProblem = "経度は0から180までの数字で入力してください。";
inline constexpr std::string_view kEastOrWestProblem = "東経か西経を選んでください。";

}  // namespace vesm
