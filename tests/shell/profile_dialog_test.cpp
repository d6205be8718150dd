// The profile dialog under Wine: what it shows for the stored profile, the
// birthplace radios, what OK stores and saves, Cancel and the Fortune button,
// and the frame command that opens it.
#include "profile/profile_dialog.h"

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "doc/doc.h"
#include "frame/main_frame.h"
#include "model/support/fake_host.h"
#include "res/resource.h"
#include "win32/controls.h"
#include "win32/utf.h"

namespace vesm {
namespace {

constexpr int kLongitudeControls[] = {IDC_PROFILE_EAST_OR_WEST, IDC_PROFILE_DEGREE,
                                      IDC_PROFILE_DEGREE_SPIN, IDC_PROFILE_LONGITUDE_MINUTE,
                                      IDC_PROFILE_LONGITUDE_SECOND};

bool operator==(const CProfile& a, const CProfile& b) {
    return a.birthYear == b.birthYear && a.birthMonth == b.birthMonth && a.birthDay == b.birthDay &&
           a.birthHour == b.birthHour && a.birthMinute == b.birthMinute &&
           a.nativePlaceInfo == b.nativePlaceInfo &&
           a.longitudeEastOrWest == b.longitudeEastOrWest &&
           a.longitudeDegree == b.longitudeDegree && a.longitudeMinute == b.longitudeMinute &&
           a.longitudeSecond == b.longitudeSecond && a.fortuneFlg == b.fortuneFlg;
}

CProfile Longitude(int nativePlaceInfo, int eastOrWest, int degree, int minute, int second) {
    CProfile profile;
    profile.birthYear = 1985;
    profile.birthMonth = 7;
    profile.birthDay = 14;
    profile.birthHour = 9;
    profile.birthMinute = 30;
    profile.nativePlaceInfo = nativePlaceInfo;
    profile.longitudeEastOrWest = eastOrWest;
    profile.longitudeDegree = degree;
    profile.longitudeMinute = minute;
    profile.longitudeSecond = second;
    profile.fortuneFlg = 1;
    return profile;
}

int ItemCount(HWND combo) {
    return static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
}

std::string ItemText(HWND combo, int index) {
    wchar_t text[64] = {};  // the longest birthplace name has 10 characters
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
    return Narrow(text);
}

std::string SelectedText(HWND combo) {
    const int selection = ComboSelection(combo);
    return selection < 0 ? "(none)" : ItemText(combo, selection);
}

class ProfileDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the Japanese locale is needed";
        doc = std::make_unique<CvesmDoc>(host);
    }

    void Store(const CProfile& profile, int time12or24 = 12, int dateFormat = 0) {
        doc->SetProfile(profile);
        Settings settings = doc->GetSettings();
        settings.time12or24 = time12or24;
        settings.dateFormat = dateFormat;
        doc->SetSettings(settings);
    }

    HWND Open() {
        writesBefore = host.writes;
        redrawsBefore = host.redraws;
        dialog = std::make_unique<CProfileDialog>(*doc);
        HWND window = dialog->CreateModeless(nullptr);
        EXPECT_NE(window, nullptr) << "dialog 464 is not linked in";
        return window;
    }

    HWND Item(int id) const { return dialog->Item(id); }
    void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    void Type(int id, const wchar_t* text) { SetWindowTextW(Item(id), text); }
    void Press(int id) { SendMessageW(dialog->Hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

    std::pair<int, int> Range(int upDownId) const {
        int low = -1;
        int high = -1;
        SendMessageW(Item(upDownId), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low),
                     reinterpret_cast<LPARAM>(&high));
        return {low, high};
    }

    // Text, selection and enabling of every control, to compare before and after.
    std::vector<std::string> Snapshot() const {
        std::vector<std::string> state;
        for (HWND child = GetWindow(dialog->Hwnd(), GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            state.push_back(std::to_string(GetDlgCtrlID(child)) + " " + GetText(child) + " " +
                            std::to_string(SendMessageW(child, CB_GETCURSEL, 0, 0)) + " " +
                            std::to_string(SendMessageW(child, BM_GETCHECK, 0, 0)) + " " +
                            std::to_string(IsWindowEnabled(child)));
        }
        return state;
    }

    FakeHost host;
    std::unique_ptr<CvesmDoc> doc;
    std::unique_ptr<CProfileDialog> dialog;
    int writesBefore = 0;
    int redrawsBefore = 0;
};

TEST_F(ProfileDialogTest, OpensWithTheListsAndRangesOfTheProfile) {
    Store(Longitude(1, 1, 77, 2, 3), 12, 3);
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(GetText(dialog->Hwnd()), "Profile");
    EXPECT_EQ(Range(IDC_PROFILE_YEAR_SPIN), std::make_pair(1900, 2099));
    EXPECT_EQ(Range(IDC_PROFILE_DEGREE_SPIN), std::make_pair(0, 180));
    EXPECT_EQ(GetText(Item(IDC_PROFILE_YEAR)), "1985");
    EXPECT_EQ(ItemCount(Item(IDC_PROFILE_MONTH)), 12);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_MONTH)), "Jul");
    EXPECT_EQ(ItemCount(Item(IDC_PROFILE_DAY)), 31);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_DAY)), "14");
    EXPECT_EQ(ItemCount(Item(IDC_PROFILE_MINUTE)), 60);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_MINUTE)), "30");
    HWND places = Item(IDC_PROFILE_PLACE);
    ASSERT_EQ(ItemCount(places), 55);
    EXPECT_EQ(ItemText(places, 0), "");
    EXPECT_EQ(ItemText(places, 54), "沖縄県（八重山諸島）");
    EXPECT_EQ(ComboSelection(places), 0);
    EXPECT_TRUE(IsChecked(dialog->Hwnd(), IDC_PROFILE_BY_LONGITUDE));
    EXPECT_FALSE(IsChecked(dialog->Hwnd(), IDC_PROFILE_BY_PLACE));
    EXPECT_FALSE(IsWindowEnabled(places));
    for (int id : kLongitudeControls) EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
    EXPECT_EQ(ItemCount(Item(IDC_PROFILE_EAST_OR_WEST)), 3);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_EAST_OR_WEST)), "西経");
    EXPECT_EQ(GetText(Item(IDC_PROFILE_DEGREE)), "77");
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_LONGITUDE_MINUTE)), "2");
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_LONGITUDE_SECOND)), "3");
}

TEST_F(ProfileDialogTest, SharedLongitudeSelectsTheLaterEntryAndRadiosSwitchEnabling) {
    Store(Longitude(0, 0, 139, 38, 15));
    ASSERT_NE(Open(), nullptr);
    HWND places = Item(IDC_PROFILE_PLACE);
    EXPECT_EQ(SelectedText(places), "神奈川県");
    EXPECT_TRUE(IsChecked(dialog->Hwnd(), IDC_PROFILE_BY_PLACE));
    EXPECT_TRUE(IsWindowEnabled(places));
    for (int id : kLongitudeControls) EXPECT_FALSE(IsWindowEnabled(Item(id))) << id;
    Click(IDC_PROFILE_BY_LONGITUDE);
    EXPECT_FALSE(IsChecked(dialog->Hwnd(), IDC_PROFILE_BY_PLACE));
    EXPECT_FALSE(IsWindowEnabled(places));
    for (int id : kLongitudeControls) EXPECT_TRUE(IsWindowEnabled(Item(id))) << id;
    Click(IDC_PROFILE_BY_PLACE);
    EXPECT_TRUE(IsWindowEnabled(places));
    for (int id : kLongitudeControls) EXPECT_FALSE(IsWindowEnabled(Item(id))) << id;
}

TEST_F(ProfileDialogTest, UnmatchedLongitudeChosenByPlaceStoresEastZero) {
    Store(Longitude(1, 1, 139, 41, 16));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(ComboSelection(Item(IDC_PROFILE_PLACE)), 0);
    Click(IDC_PROFILE_BY_PLACE);
    Press(IDOK);
    EXPECT_EQ(dialog->Result(), IDOK);
    const CProfile stored = doc->Profile();
    EXPECT_EQ(stored.nativePlaceInfo, 0);
    EXPECT_EQ(stored.longitudeEastOrWest, 0);
    EXPECT_EQ(stored.longitudeDegree, 0);
    EXPECT_EQ(stored.longitudeMinute, 0);
    EXPECT_EQ(stored.longitudeSecond, 0);
}

TEST_F(ProfileDialogTest, ByPlaceStoresTheEntryNotTheDisabledLongitudeControls) {
    Store(Longitude(0, 0, 139, 41, 15));
    ASSERT_NE(Open(), nullptr);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_PLACE)), "東京都");
    ComboSelect(Item(IDC_PROFILE_EAST_OR_WEST), 1);
    Type(IDC_PROFILE_DEGREE, L"10");
    ComboSelect(Item(IDC_PROFILE_LONGITUDE_MINUTE), 5);
    ComboSelect(Item(IDC_PROFILE_LONGITUDE_SECOND), 6);
    ComboSelect(Item(IDC_PROFILE_PLACE), 44);
    Press(IDOK);
    const CProfile stored = doc->Profile();
    EXPECT_EQ(stored.longitudeEastOrWest, 0);
    EXPECT_EQ(stored.longitudeDegree, 130);
    EXPECT_EQ(stored.longitudeMinute, 24);
    EXPECT_EQ(stored.longitudeSecond, 45);
}

TEST_F(ProfileDialogTest, ByLongitudeStoresTheControlsAndClampsTypedNumbers) {
    Store(Longitude(0, 0, 139, 41, 15));
    ASSERT_NE(Open(), nullptr);
    Click(IDC_PROFILE_BY_LONGITUDE);
    ComboSelect(Item(IDC_PROFILE_EAST_OR_WEST), 1);
    Type(IDC_PROFILE_DEGREE, L"500");
    ComboSelect(Item(IDC_PROFILE_LONGITUDE_MINUTE), 30);
    ComboSelect(Item(IDC_PROFILE_LONGITUDE_SECOND), 59);
    Type(IDC_PROFILE_YEAR, L"3000");
    Press(IDOK);
    EXPECT_EQ(dialog->Result(), IDOK);
    const CProfile stored = doc->Profile();
    EXPECT_EQ(stored.birthYear, 2099);
    EXPECT_EQ(stored.nativePlaceInfo, 1);
    EXPECT_EQ(stored.longitudeEastOrWest, 1);
    EXPECT_EQ(stored.longitudeDegree, 180);
    EXPECT_EQ(stored.longitudeMinute, 30);
    EXPECT_EQ(stored.longitudeSecond, 59);
}

TEST_F(ProfileDialogTest, UnreadableNumbersAndBlankDirectionKeepTheDialogOpen) {
    const CProfile before = Longitude(1, 0, 135, 0, 0);
    Store(before);
    ASSERT_NE(Open(), nullptr);
    struct Case {
        int edit;
        const wchar_t* text;
        int eastOrWest;
        const char* message;
    } cases[] = {
        {IDC_PROFILE_YEAR, L"", 0, "西暦は1900から2099までの数字で入力してください。"},
        {IDC_PROFILE_DEGREE, L"", 0, "経度は0から180までの数字で入力してください。"},
        {IDC_PROFILE_DEGREE, L"135", 2, "東経か西経を選んでください。"},
    };
    for (const Case& c : cases) {
        Type(IDC_PROFILE_YEAR, L"1985");
        Type(c.edit, c.text);
        ComboSelect(Item(IDC_PROFILE_EAST_OR_WEST), c.eastOrWest);
        host.messages.clear();
        Press(IDOK);
        ASSERT_EQ(host.messages.size(), 1u) << c.message;
        EXPECT_EQ(host.messages[0].text, c.message);
        EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
        EXPECT_TRUE(IsWindow(dialog->Hwnd()));
        EXPECT_TRUE(doc->Profile() == before);
        EXPECT_EQ(host.writes, writesBefore);
    }
}

TEST_F(ProfileDialogTest, NoonShowsPmAndZeroInTwelveHourMode) {
    CProfile noon = Longitude(0, 0, 139, 41, 15);
    noon.birthHour = 12;
    Store(noon, 12);
    ASSERT_NE(Open(), nullptr);
    HWND half = Item(IDC_PROFILE_HALF_OF_DAY);
    EXPECT_EQ(ItemCount(half), 2);
    EXPECT_EQ(SelectedText(half), "pm");
    EXPECT_TRUE(IsWindowEnabled(half));
    EXPECT_EQ(ItemCount(Item(IDC_PROFILE_HOUR)), 12);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_HOUR)), "0");
    ComboSelect(Item(IDC_PROFILE_HOUR), 11);
    Press(IDOK);
    EXPECT_EQ(doc->Profile().birthHour, 23);
}

TEST_F(ProfileDialogTest, TwentyFourHourModeShowsTheDisabledBlankHalfOfDay) {
    CProfile noon = Longitude(0, 0, 139, 41, 15);
    noon.birthHour = 12;
    Store(noon, 24);
    ASSERT_NE(Open(), nullptr);
    HWND half = Item(IDC_PROFILE_HALF_OF_DAY);
    EXPECT_EQ(ItemCount(half), 3);
    EXPECT_EQ(SelectedText(half), " ");
    EXPECT_FALSE(IsWindowEnabled(half));
    EXPECT_EQ(ItemCount(Item(IDC_PROFILE_HOUR)), 24);
    EXPECT_EQ(SelectedText(Item(IDC_PROFILE_HOUR)), "12");
    ComboSelect(Item(IDC_PROFILE_HOUR), 21);
    Press(IDOK);
    EXPECT_EQ(doc->Profile().birthHour, 21);
}

TEST_F(ProfileDialogTest, FortuneChangesNothing) {
    const CProfile before = Longitude(0, 0, 139, 38, 15);
    Store(before);
    ASSERT_NE(Open(), nullptr);
    const std::vector<std::string> shown = Snapshot();
    ASSERT_EQ(shown.size(), 30u) << "every control of the template";
    Click(IDC_PROFILE_FORTUNE);
    EXPECT_TRUE(IsWindow(dialog->Hwnd()));
    EXPECT_EQ(dialog->Result(), 0);
    EXPECT_EQ(Snapshot(), shown);
    EXPECT_TRUE(doc->Profile() == before);
    EXPECT_EQ(host.writes, writesBefore);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProfileDialogTest, CancelLeavesTheDocumentAlone) {
    const CProfile before = Longitude(1, 1, 77, 2, 3);
    Store(before);
    ASSERT_NE(Open(), nullptr);
    Type(IDC_PROFILE_YEAR, L"2001");
    Click(IDC_PROFILE_BY_PLACE);
    ComboSelect(Item(IDC_PROFILE_PLACE), 3);
    Press(IDCANCEL);
    EXPECT_EQ(dialog->Result(), IDCANCEL);
    EXPECT_TRUE(doc->Profile() == before);
    EXPECT_EQ(host.writes, writesBefore);
    EXPECT_EQ(host.redraws, redrawsBefore);
}

TEST_F(ProfileDialogTest, OkStoresSavesRedrawsAndTheProfileSurvivesALoad) {
    Store(Longitude(0, 0, 139, 41, 15));
    ASSERT_NE(Open(), nullptr);
    Type(IDC_PROFILE_YEAR, L"1972");
    ComboSelect(Item(IDC_PROFILE_MONTH), 1);
    ComboSelect(Item(IDC_PROFILE_DAY), 30);
    ComboSelect(Item(IDC_PROFILE_HALF_OF_DAY), 1);
    ComboSelect(Item(IDC_PROFILE_HOUR), 3);
    ComboSelect(Item(IDC_PROFILE_MINUTE), 45);
    ComboSelect(Item(IDC_PROFILE_PLACE), 52);
    Press(IDOK);
    EXPECT_FALSE(IsWindow(dialog->Hwnd()));
    EXPECT_EQ(dialog->Result(), IDOK);
    EXPECT_EQ(host.writes - writesBefore, 1);
    EXPECT_EQ(host.redraws - redrawsBefore, 1);
    CProfile expected = Longitude(0, 0, 127, 40, 30);
    expected.birthYear = 1972;
    expected.birthMonth = 2;
    expected.birthDay = 31;  // the day list does not follow the month
    expected.birthHour = 15;
    expected.birthMinute = 45;
    EXPECT_TRUE(doc->Profile() == expected) << "fortuneFlg stays 1";
    CvesmDoc reloaded(host);
    EXPECT_TRUE(reloaded.Profile() == expected);
}

// The frame runs the dialog modally; a thread timer works it from inside the
// modal loop: choose day 31 and press OK.
HWND g_profileWindow = nullptr;

BOOL CALLBACK FindProfileWindow(HWND window, LPARAM) {
    if (GetDlgItem(window, IDC_PROFILE_PLACE) != nullptr) {
        g_profileWindow = window;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ConfirmDayThirtyOne(HWND, UINT, UINT_PTR, DWORD) {
    if (g_profileWindow != nullptr) return;
    EnumThreadWindows(GetCurrentThreadId(), &FindProfileWindow, 0);
    if (g_profileWindow == nullptr) return;
    ComboSelect(GetDlgItem(g_profileWindow, IDC_PROFILE_DAY), 30);
    PostMessageW(g_profileWindow, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(ProfileDialogTest, FrameProfileCommandOpensTheDialog) {
    Store(Longitude(0, 0, 139, 41, 15));
    MainFrameOptions options;
    options.quitOnDestroy = false;
    CMainFrame frame(*doc, options);
    ASSERT_TRUE(frame.CreateFrame());
    g_profileWindow = nullptr;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, &ConfirmDayThirtyOne);
    SendMessageW(frame.Hwnd(), WM_COMMAND, MAKEWPARAM(ID_PROFILE, 0), 0);
    KillTimer(nullptr, timer);
    EXPECT_NE(g_profileWindow, nullptr);
    EXPECT_EQ(doc->Profile().birthDay, 31);
}

}  // namespace
}  // namespace vesm
