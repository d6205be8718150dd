// Every scalar setting of the settings file, in the file's order, with its
// default. Field names are the settings keys.
#pragma once

#include <cstdint>
#include <string>

#include "profile/profile.h"

namespace vesm {

struct Settings {
    int version = 182;
    int left = 100;
    int top = 100;
    int right = 1000;
    int bottom = 1000;
    int numOfMonth = 3;
    int numOfPast = 1;
    int fallsOnSun = 1;
    int fallsOnSat = 0;
    bool equinoxBool = true;
    bool betweenBool = true;
    int numOfRow = 3;
    int numOfColumn = 2;
    int calendarFormat = 0;
    int dayFormat = 0;
    int transparent = 148;
    int styleOfMonth = 0;
    int todayInfo = 11;
    int specialDayInfo = 2;
    int taskDayInfo = 1;
    bool startUp = false;
    int optTabCurSel = 0;
    int rmTaskInfo = 0;
    int rmTaskSpan = 7;
    int rmOverTask = 0;
    std::string fontFaceName = "Times New Roman";
    int fontPointSize = 20;
    int fontWeight = 900;
    bool fontItalic = true;
    int frameSizeOfDate = 120;
    // Colours in the file's decimal form, red x 1000000 + green x 1000 + blue.
    int colorBackground = 0;
    int colorWeekday = 255255255;
    int colorSaturday = 255255;
    int colorSunday = 255;
    int colorToday = 128128128;
    int colorSpecialday = 128000128;
    int colorTaskday = 64128128;
    int time12or24 = 12;
    int clockInfo = 0;
    int dateFormat = 0;
    int zOrder = 0;
    int mouseTransparent = 0;
    int snoozeIndex = 4;
    int startWeek = 1;
    CProfile profile;  // birthYear .. fortuneFlg
    // The Japanese calendar's marks; all off unless chosen, so files written
    // before they existed show the calendar as it always was.
    int rokuyoInfo = 0;      // 六曜: 0 off, 1 in the tooltip, 2 in the cell too
    int kyurekiInfo = 0;     // 旧暦 date in the tooltip: 0 off, 1 on
    int sekkiInfo = 0;       // 二十四節気: 0 off, 1 in the tooltip, 2 in the cell too
    int warekiInfo = 0;      // month titles with era years: 0 off, 1 on
    int weekNumberInfo = 0;  // 0 off, 1 ISO 8601, 2 US (Sunday weeks only)
};

// A platform colour value: red in the low byte, then green, then blue.
using Rgb = std::uint32_t;

constexpr Rgb RgbFromDecimal(int decimal) {
    auto red = static_cast<Rgb>(decimal / 1000000 % 1000);
    auto green = static_cast<Rgb>(decimal / 1000 % 1000);
    auto blue = static_cast<Rgb>(decimal % 1000);
    return (red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16;
}

constexpr int DecimalFromRgb(Rgb rgb) {
    return static_cast<int>(rgb & 0xFF) * 1000000 + static_cast<int>(rgb >> 8 & 0xFF) * 1000 +
           static_cast<int>(rgb >> 16 & 0xFF);
}

}  // namespace vesm
