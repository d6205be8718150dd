// The profile dialog as the frame's command opens it: what it shows, the
// birthplace by table or longitude, refused numbers, Cancel, and what OK saves.
#include <windows.h>

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

auto Fields(const CProfile& p) {
    return std::make_tuple(p.birthYear, p.birthMonth, p.birthDay, p.birthHour, p.birthMinute,
                           p.nativePlaceInfo, p.longitudeEastOrWest, p.longitudeDegree,
                           p.longitudeMinute, p.longitudeSecond, p.fortuneFlg);
}

void ExpectLongitudeEnabled(const DialogDriver& dialog, bool enabled) {
    EXPECT_EQ(dialog.Enabled(IDC_PROFILE_PLACE), !enabled);
    for (int id : {IDC_PROFILE_EAST_OR_WEST, IDC_PROFILE_DEGREE, IDC_PROFILE_LONGITUDE_MINUTE,
                   IDC_PROFILE_LONGITUDE_SECOND}) {
        EXPECT_EQ(dialog.Enabled(id), enabled) << id;
    }
}

class ProfileDialogTest : public ::testing::Test {
protected:
    void Open(const CProfile& stored, ModalScript::Step step) {
        doc.SetProfile(stored);
        Settings settings = doc.GetSettings();
        settings.dateFormat = 3;  // month names
        doc.SetSettings(settings);
        MainFrameOptions options;
        options.quitOnDestroy = false;
        CMainFrame frame(doc, options);
        ASSERT_TRUE(frame.CreateFrame());
        writes = host.writes;
        redraws = host.redraws;
        EXPECT_EQ(ModalScript::Command(frame.Hwnd(), ID_PROFILE, {step}), Texts{"Profile"});
        DestroyWindow(frame.Hwnd());
    }

    using Texts = std::vector<std::string>;
    FakeHost host;
    CvesmDoc doc{host};
    int writes = 0;
    int redraws = 0;
};

TEST_F(ProfileDialogTest, ByLongitudeShowsTheStoredOneRefusesBadNumbersAndClampsWhatOkSaves) {
    const CProfile west{1985, 7, 14, 9, 30, 1, 1, 77, 2, 3, 1};
    Open(west, [&](const DialogDriver& profile) {
        EXPECT_EQ(profile.Text(IDC_PROFILE_YEAR), "1985");
        EXPECT_EQ(profile.SelectedText(IDC_PROFILE_MONTH) + profile.SelectedText(IDC_PROFILE_DAY) +
                      profile.SelectedText(IDC_PROFILE_MINUTE),
                  "Jul1430");
        ASSERT_EQ(profile.Count(IDC_PROFILE_PLACE), 55);
        EXPECT_EQ(profile.ItemText(IDC_PROFILE_PLACE, 54), "沖縄県（八重山諸島）");
        EXPECT_TRUE(profile.Checked(IDC_PROFILE_BY_LONGITUDE));
        ExpectLongitudeEnabled(profile, true);
        EXPECT_EQ(profile.SelectedText(IDC_PROFILE_EAST_OR_WEST) +
                      profile.Text(IDC_PROFILE_DEGREE) + "." +
                      profile.SelectedText(IDC_PROFILE_LONGITUDE_MINUTE) + "." +
                      profile.SelectedText(IDC_PROFILE_LONGITUDE_SECOND),
                  "西経77.2.3");
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
            EXPECT_EQ(host.MessageTexts(), Texts{c.message});
            EXPECT_TRUE(profile.IsOpen());
        }
        EXPECT_EQ(Fields(doc.Profile()), Fields(west));
        EXPECT_EQ(host.writes, writes);
        profile.Choose(IDC_PROFILE_EAST_OR_WEST, 0);
        profile.Type(IDC_PROFILE_DEGREE, "500");
        profile.Choose(IDC_PROFILE_LONGITUDE_MINUTE, 30);
        profile.Type(IDC_PROFILE_YEAR, "3000");
        profile.Post(IDOK);
    });
    EXPECT_EQ(Fields(doc.Profile()), Fields(CProfile{2099, 7, 14, 9, 30, 1, 0, 180, 30, 3, 1}));
    EXPECT_EQ(host.writes - writes, 1);
}

TEST_F(ProfileDialogTest, ByPlaceSavesTheTablesLongitudeAndCancelKeepsEverything) {
    const CProfile kanagawa{1985, 7, 14, 9, 30, 0, 0, 139, 38, 15, 1};
    const auto edit = [](const DialogDriver& profile) {
        EXPECT_EQ(profile.SelectedText(IDC_PROFILE_PLACE), "神奈川県");  // the later of two
        EXPECT_TRUE(profile.Checked(IDC_PROFILE_BY_PLACE));
        ExpectLongitudeEnabled(profile, false);
        profile.Click(IDC_PROFILE_BY_LONGITUDE);
        ExpectLongitudeEnabled(profile, true);
        profile.Type(IDC_PROFILE_DEGREE, "10");
        profile.Click(IDC_PROFILE_BY_PLACE);
        EXPECT_FALSE(profile.Checked(IDC_PROFILE_BY_LONGITUDE));
        profile.Type(IDC_PROFILE_YEAR, "1972");
        profile.Choose(IDC_PROFILE_MONTH, 1);
        profile.Choose(IDC_PROFILE_DAY, 30);
        profile.Choose(IDC_PROFILE_HALF_OF_DAY, 1);
        profile.Choose(IDC_PROFILE_HOUR, 3);
        profile.Choose(IDC_PROFILE_MINUTE, 45);
        profile.Choose(IDC_PROFILE_PLACE, 44);
    };
    Open(kanagawa, [&](const DialogDriver& profile) {
        edit(profile);
        profile.Post(IDCANCEL);
    });
    EXPECT_EQ(Fields(doc.Profile()), Fields(kanagawa));
    EXPECT_EQ(host.writes, writes);
    Open(kanagawa, [&](const DialogDriver& profile) {
        edit(profile);
        profile.Post(IDOK);
    });
    // The day list does not follow the month; fortuneFlg stays.
    const CProfile saved{1972, 2, 31, 15, 45, 0, 0, 130, 24, 45, 1};
    EXPECT_EQ(Fields(doc.Profile()), Fields(saved));
    EXPECT_EQ(Fields(CvesmDoc(host).Profile()), Fields(saved));
    EXPECT_GE(host.redraws - redraws, 1);
}

}  // namespace
}  // namespace vesm
