#include "profile/birthplace.h"

namespace vesm {

namespace {

struct Entry {
    const char* name;
    int degree;
    int minute;
    int second;
};

// Every entry is east longitude.
constexpr Entry kTable[kBirthplaceCount] = {
    {"", 0, 0, 0},
    {"北海道（道東）", 144, 22, 45},
    {"北海道（道央,道北）", 142, 22, 45},
    {"北海道（道南）", 141, 20, 15},
    {"青森県", 140, 44, 15},
    {"岩手県", 141, 9, 0},
    {"宮城県", 140, 51, 45},
    {"秋田県", 140, 6, 0},
    {"山形県", 140, 21, 45},
    {"福島県", 140, 27, 45},
    {"茨城県", 140, 26, 15},
    {"栃木県", 139, 52, 30},
    {"群馬県", 139, 3, 0},
    {"埼玉県", 139, 38, 15},
    {"千葉県", 140, 6, 45},
    {"東京都", 139, 41, 15},
    {"東京都（伊豆諸島）", 139, 21, 15},
    {"東京都（小笠原諸島）", 139, 47, 30},
    {"神奈川県", 139, 38, 15},
    {"新潟県", 139, 0, 45},
    {"富山県", 137, 12, 0},
    {"石川県", 136, 37, 30},
    {"福井県", 136, 12, 45},
    {"山梨県", 138, 33, 45},
    {"長野県", 138, 10, 30},
    {"岐阜県", 136, 42, 45},
    {"静岡県", 138, 22, 30},
    {"愛知県", 136, 54, 0},
    {"三重県", 136, 30, 0},
    {"滋賀県", 135, 51, 45},
    {"京都府", 135, 45, 0},
    {"大阪府", 135, 30, 45},
    {"兵庫県", 135, 10, 30},
    {"奈良県", 135, 49, 30},
    {"和歌山県", 135, 9, 45},
    {"鳥取県", 134, 14, 15},
    {"島根県", 133, 3, 0},
    {"岡山県", 133, 55, 30},
    {"広島県", 132, 27, 0},
    {"山口県", 131, 27, 45},
    {"徳島県", 134, 33, 0},
    {"香川県", 134, 2, 15},
    {"愛媛県", 132, 45, 45},
    {"高知県", 133, 31, 30},
    {"福岡県", 130, 24, 45},
    {"佐賀県", 130, 17, 15},
    {"長崎県", 129, 51, 45},
    {"熊本県", 130, 44, 15},
    {"大分県", 131, 36, 45},
    {"宮崎県", 131, 24, 45},
    {"鹿児島県", 130, 33, 0},
    {"鹿児島県（奄美諸島）", 129, 29, 0},
    {"沖縄県", 127, 40, 30},
    {"沖縄県（宮古諸島）", 125, 16, 45},
    {"沖縄県（八重山諸島）", 124, 9, 15},
};

}  // namespace

Birthplace BirthplaceAt(std::size_t index) {
    const Entry& entry = kTable[index < kBirthplaceCount ? index : 0];
    return Birthplace{0, entry.degree, entry.minute, entry.second, entry.name};
}

std::size_t BirthplaceOfLongitude(const CProfile& profile) {
    for (std::size_t i = kBirthplaceCount; i-- > 0;) {
        Birthplace place = BirthplaceAt(i);
        if (place.eastOrWest == profile.longitudeEastOrWest &&
            place.degree == profile.longitudeDegree && place.minute == profile.longitudeMinute &&
            place.second == profile.longitudeSecond) {
            return i;
        }
    }
    return 0;
}

void SetLongitudeOfBirthplace(CProfile& profile, std::size_t index) {
    Birthplace place = BirthplaceAt(index);
    profile.longitudeEastOrWest = place.eastOrWest;
    profile.longitudeDegree = place.degree;
    profile.longitudeMinute = place.minute;
    profile.longitudeSecond = place.second;
}

}  // namespace vesm
