// What the font and colour page decides without a window: the current-font
// text, what a font choice stores, and the spacing range.
#pragma once

#include <string>

namespace vesm {

inline constexpr int kSpacingMin = 50;  // percent
inline constexpr int kSpacingMax = 200;
inline constexpr int kSpacingTick = 10;
inline constexpr int kCurrentFontHeight = 14;  // logical units, whatever the point size
inline constexpr int kFaceNameLimit = 31;      // characters a logical font holds
inline constexpr int kBoldWeight = 700;
inline constexpr int kStoredBoldWeight = 900;
inline constexpr int kStoredNormalWeight = 400;

// "%d pt. %s": "20 pt. Times New Roman".
std::string CurrentFontText(int pointSize, const std::string& faceName);

// The logical height for a point size on a screen of dotsPerInch, rounded
// as MulDiv rounds (half away from zero).
int LogicalFontHeight(int pointSize, int dotsPerInch);

// What the font dialog's answer stores: whole points (10.5 is 10) and 900
// for bold alone, 400 for every other weight.
struct FontChoice {
    std::string faceName;
    int pointSize = 0;
    int weight = 0;
    bool italic = false;
};
FontChoice StoredFontChoice(const std::string& faceName, int tenthsOfPoint, int chosenWeight,
                            bool italic);

}  // namespace vesm
