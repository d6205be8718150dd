// The profile dialog under Wine, driven through its controls: what it shows,
// the birthplace radios, refused numbers, what OK stores and saves, Cancel,
// Fortune, and the frame command that opens it.
#include "profile/profile_dialog.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "shell/support/dialog_driver.h"

namespace vesm {
namespace {

constexpr int kLongitudeControls[] = {IDC_PROFILE_EAST_OR_WEST, IDC_PROFILE_DEGREE,
                                      IDC_PROFILE_DEGREE_SPIN, IDC_PROFILE_LONGITUDE_MINUTE,
                                      IDC_PROFILE_LONGITUDE_SECOND};

auto Fields(const CProfile& p) {
    return std::make_tuple(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute,
                           p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree,
                           p.longitudeMinute, p.longitudeSecond, p.fortuneFlg);
}

CProfile Longitude(int nativePlaceInfo, int eastOrWest, int degree, int minute, int second) {
    return CProfile{1985, 7, 14, 9, 30, nativePlaceInfo, eastOrWest, degree, minute, second, 1};
}

std::pair<int, int> Range(const DialogDriver& dialog, int upDownId) {
    int low = -1;
    int high = -1;
    SendMessageW(dialog.Item(upDownId), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                 reinterpret_cast<LPARAM>(&high));
    return {low, high};
}

void ExpectLongitudeEnabled(const DialogDriver& dialog, bool enabled) {
    EXPECT_EQ(dialog.Enabled(IDC_PROFILE_PLACE), !enabled);
    for (int id : kLongitudeControls) EXPECT_EQ(dialog.Enabled(id), enabled) << id;
}

class ProfileDialogTest : public ::testing::Test {
protected:
    void SetUp() override { doc = std::make_unique<CvesmDoc>(host); }

    void Store(const CProfile& profile, int time12or24 = 12, int dateFormat = 0) {
        doc->SetProfile(profile);
        Settings settings = doc->GetSettings();
        settings.time12or24 = time12or24;
        settings.dateFormat = dateFormat;
        doc->SetSettings(settings);
    }

    DialogDriver Open() {
        writesBefore = host.writes;
        dialog = std::make_unique<CProfileDialog>(*doc);
        return DialogDriver(dialog->CreateModeless(nullptr));
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CProfileDialog> dialog;
    int writesBefore = 0;
};

TEST_F(ProfileDialogTest, ShowsTheLongitudeRefusesBadNumbersAndClampsWhatOkStores) {
    const CProfile before = Longitude(1, 1, 77, 2, 3);
    Store(before, 12, 3);
    const DialogDriver profile = Open();
    ASSERT_TRUE(profile.IsOpen()) << "dialog 464 is not linked in";
    EXPECT_EQ(profile.Title(), "Profile");
    EXPECT_EQ(Range(profile, IDC_PROFILE_YEAR_SPIN), std::make_pair(1900, 2099));
    EXPECT_EQ(Range(profile, IDC_PROFILE_DEGREE_SPIN), std::make_pair(0, 180));
    EXPECT_EQ(profile.Text(IDC_PROFILE_YEAR), "1985");
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_MONTH), "Jul");
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_DAY), "14");
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_MINUTE), "30");
    ASSERT_EQ(profile.Count(IDC_PROFILE_PLACE), 55);
    EXPECT_EQ(profile.ItemText(IDC_PROFILE_PLACE, 54), "沖縄県（八重山諸島）");
    EXPECT_EQ(profile.Selected(IDC_PROFILE_PLACE), 0);
    EXPECT_TRUE(profile.Checked(IDC_PROFILE_BY_LONGITUDE));
    ExpectLongitudeEnabled(profile, true);
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_EAST_OR_WEST), "西経");
    EXPECT_EQ(profile.Text(IDC_PROFILE_DEGREE), "77");
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_LONGITUDE_MINUTE), "2");
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_LONGITUDE_SECOND), "3");

    profile.Click(IDC_PROFILE_FORTUNE);  // a button without an action
    EXPECT_TRUE(profile.IsOpen());

    const struct {
        int edit;
        const char* text;
        int eastOrWest;
        const char* message;
    } refused[] = {
        {IDC_PROFILE_YEAR, "", 0, "西暦は1900から2099までの数字で入力してください。"},
        {IDC_PROFILE_DEGREE, "", 0, "経度は0から180までの数字で入力してください。"},
        {IDC_PROFILE_DEGREE, "135", 2, "東経か西経を選んでください。"},
    };
    for (const auto& c : refused) {
        profile.Type(IDC_PROFILE_YEAR, "1985");
        profile.Type(c.edit, c.text);
        ComboSelect(profile.Item(IDC_PROFILE_EAST_OR_WEST), c.eastOrWest);
        host.messages.clear();
        profile.Press(IDOK);
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(profile.IsOpen());
    }
    EXPECT_EQ(Fields(doc->Profile()), Fields(before));
    EXPECT_EQ(host.writes, writesBefore);

    ComboSelect(profile.Item(IDC_PROFILE_EAST_OR_WEST), 0);
    profile.Type(IDC_PROFILE_DEGREE, "500");
    ComboSelect(profile.Item(IDC_PROFILE_LONGITUDE_MINUTE), 30);
    ComboSelect(profile.Item(IDC_PROFILE_LONGITUDE_SECOND), 59);
    profile.Type(IDC_PROFILE_YEAR, "3000");
    profile.Press(IDOK);
    EXPECT_FALSE(profile.IsOpen());
    EXPECT_EQ(dialog->Result(), IDOK);
    CProfile expected = Longitude(1, 0, 180, 30, 59);
    expected.birthYear = 2099;
    EXPECT_EQ(Fields(doc->Profile()), Fields(expected));
    EXPECT_EQ(host.writes - writesBefore, 1);
}

TEST_F(ProfileDialogTest, ByPlaceStoresTheTablesLongitudeNotTheDisabledControls) {
    Store(Longitude(0, 0, 139, 38, 15));
    DialogDriver profile = Open();
    EXPECT_EQ(profile.SelectedText(IDC_PROFILE_PLACE), "神奈川県");  // the later of two
    EXPECT_TRUE(profile.Checked(IDC_PROFILE_BY_PLACE));
    ExpectLongitudeEnabled(profile, false);
    profile.Click(IDC_PROFILE_BY_LONGITUDE);
    EXPECT_FALSE(profile.Checked(IDC_PROFILE_BY_PLACE));
    ExpectLongitudeEnabled(profile, true);
    profile.Click(IDC_PROFILE_BY_PLACE);
    ExpectLongitudeEnabled(profile, false);
    ComboSelect(profile.Item(IDC_PROFILE_EAST_OR_WEST), 1);
    profile.Type(IDC_PROFILE_DEGREE, "10");
    ComboSelect(profile.Item(IDC_PROFILE_PLACE), 44);
    profile.Press(IDOK);
    EXPECT_EQ(Fields(doc->Profile()), Fields(Longitude(0, 0, 130, 24, 45)));

    // A longitude matching no entry, switched to by-place, stores east 0.
    Store(Longitude(1, 1, 139, 41, 16));
    profile = Open();
    EXPECT_EQ(profile.Selected(IDC_PROFILE_PLACE), 0);
    profile.Click(IDC_PROFILE_BY_PLACE);
    profile.Press(IDOK);
    EXPECT_EQ(Fields(doc->Profile()), Fields(Longitude(0, 0, 0, 0, 0)));
}

TEST_F(ProfileDialogTest, FrameCommandOpensItOkSavesAndRedrawsAndCancelKeepsAll) {
    Store(Longitude(0, 0, 139, 41, 15));
    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(*doc, options);
    ASSERT_TRUE(frame.CreateFrame());
    const int writes = host.writes;
    const int redraws = host.redraws;
    const auto edit = [](const DialogDriver& profile) {
        profile.Type(IDC_PROFILE_YEAR, "1972");
        ComboSelect(profile.Item(IDC_PROFILE_MONTH), 1);
        ComboSelect(profile.Item(IDC_PROFILE_DAY), 30);
        ComboSelect(profile.Item(IDC_PROFILE_HALF_OF_DAY), 1);
        ComboSelect(profile.Item(IDC_PROFILE_HOUR), 3);
        ComboSelect(profile.Item(IDC_PROFILE_MINUTE), 45);
        ComboSelect(profile.Item(IDC_PROFILE_PLACE), 52);
    };
    const CProfile before = doc->Profile();
    ModalScript::Command(frame.Hwnd(), ID_PROFILE, {[&](const DialogDriver& profile) {
                             edit(profile);
                             profile.Post(IDCANCEL);
                         }});
    EXPECT_EQ(Fields(doc->Profile()), Fields(before));
    EXPECT_EQ(host.writes, writes);

    const auto titles =
        ModalScript::Command(frame.Hwnd(), ID_PROFILE, {[&](const DialogDriver& profile) {
                                 edit(profile);
                                 profile.Post(IDOK);
                             }});
    EXPECT_EQ(titles, std::vector<std::string>{"Profile"});
    EXPECT_EQ(host.writes - writes, 1);
    EXPECT_GE(host.redraws - redraws, 1);
    CProfile expected = Longitude(0, 0, 127, 40, 30);
    expected.birthYear = 1972;
    expected.birthMonth = 2;
    expected.birthDay = 31;  // the day list does not follow the month
    expected.birthHour = 15;
    expected.birthMinute = 45;
    EXPECT_EQ(Fields(doc->Profile()), Fields(expected)) << "fortuneFlg stays 1";
    EXPECT_EQ(Fields(CvesmDoc(host).Profile()), Fields(expected));
    DestroyWindow(frame.Hwnd());
}

}  // namespace
}  // namespace vesm
