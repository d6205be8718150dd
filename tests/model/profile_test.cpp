#include <gtest/gtest.h>

#include "doc/doc.h"
#include "profile/birthplace.h"
#include "profile/profile.h"
#include "support/fake_host.h"

namespace vesm {
namespace {

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
    EXPECT_EQ(BirthplaceAt(18).name + BirthplaceAt(13).name, "神奈川県埼玉県");
    EXPECT_EQ((std::vector<std::size_t>{at(0, 139, 41, 15), at(0, 127, 40, 30), at(0, 139, 41, 16),
                                        at(1, 139, 41, 15)}),
              (std::vector<std::size_t>{15, 52, 0, 0}));
    SetLongitudeOfBirthplace(profile, 0);  // the empty entry clears the longitude
    EXPECT_EQ(profile.longitudeEastOrWest + profile.longitudeDegree + profile.longitudeMinute +
                  profile.longitudeSecond,
              0);
    EXPECT_EQ(BirthplaceAt(54).name + BirthplaceAt(55).name, "沖縄県（八重山諸島）");

    // A fresh document offers the whole table and a profile born this year in Tokyo.
    FakeHost host;
    CvesmDoc doc(host);
    ASSERT_EQ(doc.BirthplaceCount(), kBirthplaceCount);
    EXPECT_EQ(doc.BirthplaceEntry(0).name + doc.BirthplaceEntry(1).name, "北海道（道東）");
    EXPECT_EQ(doc.Profile().birthYear, 2024);
    EXPECT_EQ(BirthplaceAt(BirthplaceOfLongitude(doc.Profile())).name, "東京都");
}

}  // namespace
}  // namespace vesm
