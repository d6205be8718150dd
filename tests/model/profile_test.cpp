#include <gtest/gtest.h>

#include <set>

#include "profile/birthplace.h"
#include "profile/profile.h"

namespace vesm {
namespace {

CProfile EastLongitude(int degree, int minute, int second) {
    CProfile profile;
    profile.longitudeDegree = degree;
    profile.longitudeMinute = minute;
    profile.longitudeSecond = second;
    return profile;
}

TEST(BirthplaceTableTest, FiftyFiveEastLongitudesAfterTheEmptyEntry) {
    Birthplace none = BirthplaceAt(0);
    EXPECT_EQ(none.name, "");
    EXPECT_EQ(none.degree + none.minute + none.second, 0);
    std::set<std::string> names;
    for (std::size_t i = 1; i < kBirthplaceCount; ++i) {
        Birthplace place = BirthplaceAt(i);
        EXPECT_EQ(place.eastOrWest, 0) << i;
        EXPECT_GE(place.degree, 124) << i;
        EXPECT_LE(place.degree, 144) << i;
        EXPECT_LT(place.minute, 60) << i;
        EXPECT_LT(place.second, 60) << i;
        names.insert(place.name);
    }
    EXPECT_EQ(names.size(), kBirthplaceCount - 1);
    EXPECT_EQ(BirthplaceAt(1).name, "北海道（道東）");
    EXPECT_EQ(BirthplaceAt(54).name, "沖縄県（八重山諸島）");
    EXPECT_EQ(BirthplaceAt(54).degree, 124);
    EXPECT_EQ(BirthplaceAt(54).second, 15);
    EXPECT_EQ(BirthplaceAt(55).name, "");
}

TEST(BirthplaceLookupTest, SharedLongitudeFindsTheLaterEntryAndOthersNone) {
    EXPECT_EQ(BirthplaceOfLongitude(EastLongitude(139, 38, 15)), 18u);
    EXPECT_EQ(BirthplaceAt(18).name, "神奈川県");
    EXPECT_EQ(BirthplaceAt(13).name, "埼玉県");
    EXPECT_EQ(BirthplaceOfLongitude(EastLongitude(139, 41, 15)), 15u);
    EXPECT_EQ(BirthplaceOfLongitude(EastLongitude(127, 40, 30)), 52u);
    EXPECT_EQ(BirthplaceOfLongitude(EastLongitude(139, 41, 16)), 0u);
    CProfile west = EastLongitude(139, 41, 15);
    west.longitudeEastOrWest = 1;
    EXPECT_EQ(BirthplaceOfLongitude(west), 0u);
    SetLongitudeOfBirthplace(west, 0);  // the empty entry clears the longitude
    EXPECT_EQ(west.longitudeEastOrWest, 0);
    EXPECT_EQ(west.longitudeDegree, 0);
    EXPECT_EQ(west.longitudeMinute, 0);
    EXPECT_EQ(west.longitudeSecond, 0);
}

}  // namespace
}  // namespace vesm
