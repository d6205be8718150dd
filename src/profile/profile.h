// The user's birth date, time and birthplace longitude.
#pragma once

namespace vesm {

struct CProfile {
    int birthYear = 0;  // the current year at creation
    int birthMonth = 1;
    int birthDay = 1;
    int birthHour = 0;
    int birthMinute = 0;
    int nativePlaceInfo = 0;
    int longitudeEastOrWest = 0;
    int longitudeDegree = 139;
    int longitudeMinute = 41;
    int longitudeSecond = 15;
    int fortuneFlg = 0;
};

}  // namespace vesm
