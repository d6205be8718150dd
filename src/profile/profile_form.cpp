#include "profile/profile_form.h"

#include <algorithm>

#include "profile/birthplace.h"

namespace vesm {

namespace {

constexpr const char* kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

constexpr int kLastMinuteItem = 59;
constexpr int kLastDayItem = 30;
constexpr int kLastMonthItem = 11;

// The item index plus offset when the selection lies in 0…last, else the
// stored value: a list without a selection changes nothing.
int SelectedOr(int selection, int last, int offset, int stored) {
    return selection >= 0 && selection <= last ? selection + offset : stored;
}

int BirthHour(const ProfileForm& form, const CProfile& stored, bool twelveHour) {
    if (form.hour < 0 || form.hour > LastHourItem(twelveHour)) return stored.birthHour;
    return twelveHour && form.halfOfDay != kAm ? form.hour + 12 : form.hour;
}

// Fills the four longitude fields from the controls; returns the message for
// a value the controls cannot give, or an empty text.
std::string ApplyLongitude(const ProfileForm& form, CProfile& profile) {
    if (form.placeFromTable) {
        if (form.place >= 0 && static_cast<std::size_t>(form.place) < kBirthplaceCount) {
            SetLongitudeOfBirthplace(profile, static_cast<std::size_t>(form.place));
        }
        return {};
    }
    if (form.eastOrWest == kEastOrWestBlank) return std::string(kEastOrWestProblem);
    std::optional<int> degree = ClampedNumber(form.degreeText, 0, kLastLongitudeDegree);
    if (!degree) return std::string(kDegreeProblem);
    profile.longitudeEastOrWest = SelectedOr(form.eastOrWest, 1, 0, profile.longitudeEastOrWest);
    profile.longitudeDegree = *degree;
    profile.longitudeMinute =
        SelectedOr(form.longitudeMinute, kLastMinuteItem, 0, profile.longitudeMinute);
    profile.longitudeSecond =
        SelectedOr(form.longitudeSecond, kLastMinuteItem, 0, profile.longitudeSecond);
    return {};
}

}  // namespace

std::vector<std::string> ProfileMonthItems(int dateFormat) {
    const bool named = dateFormat == 1 || dateFormat == 3 || dateFormat == 5;
    std::vector<std::string> items;
    for (int month = 1; month <= 12; ++month) {
        items.push_back(named ? kMonthNames[month - 1] : std::to_string(month));
    }
    return items;
}

std::vector<std::string> HalfOfDayItems(bool twelveHour) {
    if (twelveHour) return {"am", "pm"};
    return {"am", "pm", " "};
}

int LastHourItem(bool twelveHour) {
    return twelveHour ? 11 : 23;
}

bool IsTwelveHour(int time12or24) {
    return time12or24 == 12;
}

std::optional<int> ClampedNumber(std::string_view text, int low, int high) {
    if (text.empty()) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        // Past the range the exact value no longer matters; stop before overflow.
        value = std::min<long long>(value * 10 + (c - '0'), static_cast<long long>(high) + 1);
    }
    return static_cast<int>(std::clamp<long long>(value, low, high));
}

ProfileForm FormFromProfile(const CProfile& profile, bool twelveHour) {
    ProfileForm form;
    form.yearText = std::to_string(profile.birthYear);
    form.month = profile.birthMonth - 1;
    form.day = profile.birthDay - 1;
    if (!twelveHour) {
        form.halfOfDay = kNoHalfOfDay;
        form.hour = profile.birthHour;
    } else if (profile.birthHour > 11) {
        form.halfOfDay = kPm;
        form.hour = profile.birthHour - 12;
    } else {
        form.halfOfDay = kAm;
        form.hour = profile.birthHour;
    }
    form.minute = profile.birthMinute;
    form.placeFromTable = profile.nativePlaceInfo == 0;
    form.place = static_cast<int>(BirthplaceOfLongitude(profile));
    form.eastOrWest = profile.longitudeEastOrWest;
    form.degreeText = std::to_string(profile.longitudeDegree);
    form.longitudeMinute = profile.longitudeMinute;
    form.longitudeSecond = profile.longitudeSecond;
    return form;
}

FormOutcome ProfileFromForm(const ProfileForm& form, const CProfile& stored, bool twelveHour) {
    std::optional<int> year = ClampedNumber(form.yearText, kFirstBirthYear, kLastBirthYear);
    if (!year) return {std::nullopt, std::string(kYearProblem)};
    CProfile profile = stored;
    profile.birthYear = *year;
    profile.birthMonth = SelectedOr(form.month, kLastMonthItem, 1, stored.birthMonth);
    profile.birthDay = SelectedOr(form.day, kLastDayItem, 1, stored.birthDay);
    profile.birthHour = BirthHour(form, stored, twelveHour);
    profile.birthMinute = SelectedOr(form.minute, kLastMinuteItem, 0, stored.birthMinute);
    profile.nativePlaceInfo = form.placeFromTable ? 0 : 1;
    std::string problem = ApplyLongitude(form, profile);
    if (!problem.empty()) return {std::nullopt, problem};
    return {profile, {}};
}

}  // namespace vesm
