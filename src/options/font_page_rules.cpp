#include "options/font_page_rules.h"

#include <cstdint>
#include <cstdio>

namespace vesm {

std::string CurrentFontText(int pointSize, const std::string& faceName) {
    char number[16];
    std::snprintf(number, sizeof number, "%d", pointSize);
    return std::string(number) + " pt. " + faceName;
}

int LogicalFontHeight(int pointSize, int dotsPerInch) {
    const std::int64_t product = static_cast<std::int64_t>(pointSize) * dotsPerInch;
    const std::int64_t magnitude = (product < 0 ? -product : product) + 36;
    const auto rounded = static_cast<int>(magnitude / 72);
    return product < 0 ? rounded : -rounded;
}

FontChoice StoredFontChoice(const std::string& faceName, int tenthsOfPoint, int chosenWeight,
                            bool italic) {
    return {faceName, tenthsOfPoint / 10,
            chosenWeight == kBoldWeight ? kStoredBoldWeight : kStoredNormalWeight, italic};
}

}  // namespace vesm
