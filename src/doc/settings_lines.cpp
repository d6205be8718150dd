#include "doc/settings_lines.h"

#include <climits>

#include "doc/c_number.h"

namespace vesm {

namespace {

enum class Check {
    Range,         // outside low..high stores the replacement
    FlagText,      // exactly "1" is set, anything else clear
    FlagNumber,    // any non-zero number is set
    Text,          // the rest of the line as it is
    PastMonths,    // numOfPast against the numOfMonth in effect
    ProfileRange,  // outside low..high leaves the value as it was
};

struct ScalarKey {
    std::string_view key;
    Check check = Check::Range;
    int Settings::*number = nullptr;
    bool Settings::*flag = nullptr;
    int CProfile::*profile = nullptr;
    int low = INT_MIN;
    int high = INT_MAX;
    int replacement = 0;
};

constexpr ScalarKey Plain(std::string_view key, int Settings::*number) {
    return {key, Check::Range, number};
}

constexpr ScalarKey Ranged(std::string_view key, int Settings::*number, int low, int high,
                           int replacement) {
    return {key, Check::Range, number, nullptr, nullptr, low, high, replacement};
}

constexpr ScalarKey Flag(std::string_view key, bool Settings::*flag, Check check) {
    return {key, check, nullptr, flag};
}

constexpr ScalarKey Profile(std::string_view key, int CProfile::*profile, int low, int high) {
    return {key, Check::ProfileRange, nullptr, nullptr, profile, low, high};
}

// The file's order; SaveSettings writes exactly this sequence.
constexpr ScalarKey kScalarKeys[] = {
    Plain("version", &Settings::version),
    Plain("left", &Settings::left),
    Plain("top", &Settings::top),
    Plain("right", &Settings::right),
    Plain("bottom", &Settings::bottom),
    Ranged("numOfMonth", &Settings::numOfMonth, 0, 12, 3),
    {"numOfPast", Check::PastMonths, &Settings::numOfPast},
    Ranged("fallsOnSun", &Settings::fallsOnSun, 0, 1, 1),
    Ranged("fallsOnSat", &Settings::fallsOnSat, 0, 2, 0),
    Flag("equinoxBool", &Settings::equinoxBool, Check::FlagText),
    Flag("betweenBool", &Settings::betweenBool, Check::FlagText),
    Ranged("numOfRow", &Settings::numOfRow, 1, 12, 3),
    Ranged("numOfColumn", &Settings::numOfColumn, 1, 12, 2),
    Ranged("calendarFormat", &Settings::calendarFormat, 0, 1, 0),
    Ranged("dayFormat", &Settings::dayFormat, 0, 2, 0),
    Ranged("transparent", &Settings::transparent, 1, 255, 160),
    Ranged("styleOfMonth", &Settings::styleOfMonth, 0, 1, 0),
    Ranged("todayInfo", &Settings::todayInfo, 0, 13, 11),
    Ranged("specialDayInfo", &Settings::specialDayInfo, 0, 13, 2),
    Ranged("taskDayInfo", &Settings::taskDayInfo, 0, 13, 1),
    Flag("startUp", &Settings::startUp, Check::FlagText),
    Ranged("optTabCurSel", &Settings::optTabCurSel, 0, 6, 0),
    Ranged("rmTaskInfo", &Settings::rmTaskInfo, 1, 1, 0),
    Ranged("rmTaskSpan", &Settings::rmTaskSpan, 0, 365, 7),
    Ranged("rmOverTask", &Settings::rmOverTask, 1, 1, 0),
    {"fontFaceName", Check::Text},
    Ranged("fontPointSize", &Settings::fontPointSize, 2, 256, 18),
    Plain("fontWeight", &Settings::fontWeight),
    Flag("fontItalic", &Settings::fontItalic, Check::FlagNumber),
    Ranged("frameSizeOfDate", &Settings::frameSizeOfDate, 50, 200, 100),
    Plain("colorBackground", &Settings::colorBackground),
    Plain("colorWeekday", &Settings::colorWeekday),
    Plain("colorSaturday", &Settings::colorSaturday),
    Plain("colorSunday", &Settings::colorSunday),
    Plain("colorToday", &Settings::colorToday),
    Plain("colorSpecialday", &Settings::colorSpecialday),
    Plain("colorTaskday", &Settings::colorTaskday),
    Ranged("time12or24", &Settings::time12or24, 24, 24, 12),
    Ranged("clockInfo", &Settings::clockInfo, 1, 1, 0),
    Ranged("dateFormat", &Settings::dateFormat, 0, 5, 0),
    Ranged("zOrder", &Settings::zOrder, 0, 2, 0),
    Ranged("mouseTransparent", &Settings::mouseTransparent, 0, 1, 0),
    Ranged("snoozeIndex", &Settings::snoozeIndex, 0, 14, 4),
    Ranged("startWeek", &Settings::startWeek, 1, 7, 1),
    Profile("birthYear", &CProfile::birthYear, 1900, 2099),
    Profile("birthMonth", &CProfile::birthMonth, 1, 12),
    Profile("birthDay", &CProfile::birthDay, 1, 31),
    Profile("birthHour", &CProfile::birthHour, 0, 23),
    Profile("birthMinute", &CProfile::birthMinute, 0, 59),
    Profile("nativePlaceInfo", &CProfile::nativePlaceInfo, 0, 1),
    Profile("longitudeEastOrWest", &CProfile::longitudeEastOrWest, 0, 1),
    Profile("longitudeDegree", &CProfile::longitudeDegree, 0, 180),
    Profile("longitudeMinute", &CProfile::longitudeMinute, 0, 60),
    Profile("longitudeSecond", &CProfile::longitudeSecond, 0, 60),
    Profile("fortuneFlg", &CProfile::fortuneFlg, 0, 1),
    Ranged("rokuyoInfo", &Settings::rokuyoInfo, 0, 2, 0),
    Ranged("kyurekiInfo", &Settings::kyurekiInfo, 0, 1, 0),
    Ranged("sekkiInfo", &Settings::sekkiInfo, 0, 2, 0),
    Ranged("warekiInfo", &Settings::warekiInfo, 0, 1, 0),
    Ranged("weekNumberInfo", &Settings::weekNumberInfo, 0, 2, 0),
};

const ScalarKey* FindScalarKey(std::string_view key) {
    for (const ScalarKey& candidate : kScalarKeys) {
        if (candidate.key == key) return &candidate;
    }
    return nullptr;
}

bool InRange(const ScalarKey& key, int value) {
    return value >= key.low && value <= key.high;
}

int PastMonths(int value, int numOfMonth, int displayedMonth) {
    if (numOfMonth == 0) return displayedMonth - 1;
    return value < 0 || value >= numOfMonth ? 0 : value;
}

void Apply(const ScalarKey& key, Settings& settings, std::string_view value, int displayedMonth) {
    switch (key.check) {
        case Check::Range: {
            int number = ReadCNumber(value);
            settings.*key.number = InRange(key, number) ? number : key.replacement;
            break;
        }
        case Check::FlagText:
            settings.*key.flag = value == "1";
            break;
        case Check::FlagNumber:
            settings.*key.flag = ReadCNumber(value) != 0;
            break;
        case Check::Text:
            settings.fontFaceName = std::string(value);
            break;
        case Check::PastMonths:
            settings.numOfPast =
                PastMonths(ReadCNumber(value), settings.numOfMonth, displayedMonth);
            break;
        case Check::ProfileRange: {
            int number = ReadCNumber(value);
            if (InRange(key, number)) settings.profile.*key.profile = number;
            break;
        }
    }
}

std::string FormatValue(const ScalarKey& key, const Settings& settings) {
    switch (key.check) {
        case Check::Range:
        case Check::PastMonths:
            return std::to_string(settings.*key.number);
        case Check::FlagText:
        case Check::FlagNumber:
            return settings.*key.flag ? "1" : "0";
        case Check::Text:
            return settings.fontFaceName;
        case Check::ProfileRange:
            return std::to_string(settings.profile.*key.profile);
    }
    return {};
}

}  // namespace

SettingsLine SplitSettingsLine(std::string_view line) {
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return {};
    return {line.substr(0, equals), line.substr(equals + 1)};
}

bool ApplyScalarLine(Settings& settings, const SettingsLine& line, int displayedMonth) {
    const ScalarKey* key = FindScalarKey(line.key);
    if (key == nullptr) return false;
    Apply(*key, settings, line.value, displayedMonth);
    return true;
}

void AppendScalarLines(const Settings& settings, std::string& out) {
    for (const ScalarKey& key : kScalarKeys) {
        out += key.key;
        out += '=';
        out += FormatValue(key, settings);
        out += "\r\n";
    }
}

}  // namespace vesm
