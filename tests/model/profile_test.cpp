#include <set>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "profile/birthplace.h"
#include "profile/profile.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

TEST(BirthplaceTest, FiftyFiveEastLongitudesAfterTheEmptyEntryAsTheDocumentOffersThem) {
    FakeHost host;
    CvesmDoc doc(host);
    ASSERT_EQ(doc.BirthplaceCount(), kBirthplaceCount);
    Birthplace none = BirthplaceAt(0);
    EXPECT_EQ(none.name + doc.BirthplaceEntry(0).name, "");
    EXPECT_EQ(none.degree + none.minute + none.second, 0);
    std::set<std::string> names;
    for (std::size_t i = 1; i < kBirthplaceCount; ++i) {
        Birthplace place = BirthplaceAt(i);
        EXPECT_TRUE(place.eastOrWest == 0 && place.degree >= 124 && place.degree <= 144 &&
                    place.minute < 60 && place.second < 60)
            << i;
        EXPECT_EQ(doc.BirthplaceEntry(i).name, place.name);
        names.insert(place.name);
    }
    EXPECT_EQ(names.size(), kBirthplaceCount - 1);
    EXPECT_EQ(BirthplaceAt(1).name, "北海道（道東）");
    EXPECT_EQ(BirthplaceAt(54).name, "沖縄県（八重山諸島）");
    EXPECT_EQ(BirthplaceAt(54).degree * 10000 + BirthplaceAt(54).second, 1240015);
    EXPECT_EQ(BirthplaceAt(55).name, "");
    // A fresh document's profile: this year, born in Tokyo.
    EXPECT_EQ(doc.Profile().birthYear, 2024);
    EXPECT_EQ(BirthplaceAt(BirthplaceOfLongitude(doc.Profile())).name, "東京都");
}

TEST(BirthplaceTest, SharedLongitudeFindsTheLaterEntryAndOthersNone) {
    CProfile profile;
    auto at = [&profile](int eastOrWest, int degree, int minute, int second) {
        profile.longitudeEastOrWest = eastOrWest;
        profile.longitudeDegree = degree;
        profile.longitudeMinute = minute;
        profile.longitudeSecond = second;
        return BirthplaceOfLongitude(profile);
    };
    EXPECT_EQ(at(0, 139, 38, 15), 18u);  // 埼玉県 (13) and 神奈川県 share it
    EXPECT_EQ(BirthplaceAt(18).name, "神奈川県");
    EXPECT_EQ(BirthplaceAt(13).name, "埼玉県");
    EXPECT_EQ(at(0, 139, 41, 15), 15u);
    EXPECT_EQ(at(0, 127, 40, 30), 52u);
    EXPECT_EQ(at(0, 139, 41, 16), 0u);
    EXPECT_EQ(at(1, 139, 41, 15), 0u);
    SetLongitudeOfBirthplace(profile, 0);  // the empty entry clears the longitude
    EXPECT_EQ(profile.longitudeEastOrWest + profile.longitudeDegree + profile.longitudeMinute +
                  profile.longitudeSecond,
              0);
}

}  // namespace
}  // namespace vesm
