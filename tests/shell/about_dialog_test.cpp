// The About box: its controls, the two links (underline, blue, hand cursor,
// what a click opens), OK closing it, and its fonts released on close.
#include "app/about_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "win32/controls.h"

namespace vesm {
namespace {

class AboutDialogTest : public testing::Test {
protected:
    std::vector<std::wstring> opened;
    CAboutDlg about{[this](const std::wstring& address) { opened.push_back(address); }};

    void SetUp() override { ASSERT_NE(about.CreateModeless(nullptr), nullptr); }

    HFONT FontOf(int id) {
        return reinterpret_cast<HFONT>(SendMessageW(about.Item(id), WM_GETFONT, 0, 0));
    }
    bool Underlined(int id) {
        LOGFONTW font{};
        return GetObjectW(FontOf(id), sizeof font, &font) == sizeof font && font.lfUnderline;
    }
    COLORREF TextColourOf(int id) {
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageW(about.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(about.Item(id)));
        const COLORREF colour = GetTextColor(dc);
        DeleteDC(dc);
        return colour;
    }
    void Click(int id) {
        SendMessageW(about.Hwnd(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                     reinterpret_cast<LPARAM>(about.Item(id)));
    }
};

TEST_F(AboutDialogTest, ShowsVersionLinksAndNotice) {
    EXPECT_EQ(GetText(about.Hwnd()), "バージョン情報");
    EXPECT_EQ(GetText(about.Item(IDC_ABOUT_VERSION)), "vesmira Version 1.8.6");
    EXPECT_EQ(GetText(about.Item(IDC_ABOUT_URL)).rfind("https://", 0), 0u);
    EXPECT_FALSE(GetText(about.Item(IDC_ABOUT_MAKER)).empty());
    EXPECT_NE(GetText(about.Item(IDC_ABOUT_RIGHTS)).find("Copyright"), std::string::npos);
    EXPECT_EQ(GetText(about.Item(IDOK)), "OK");
    // The links report clicks; plain texts do not.
    EXPECT_TRUE(GetWindowLongW(about.Item(IDC_ABOUT_URL), GWL_STYLE) & SS_NOTIFY);
    EXPECT_TRUE(GetWindowLongW(about.Item(IDC_ABOUT_MAKER), GWL_STYLE) & SS_NOTIFY);
}

TEST_F(AboutDialogTest, OnlyTheLinksAreUnderlinedAndBlue) {
    EXPECT_TRUE(Underlined(IDC_ABOUT_URL));
    EXPECT_TRUE(Underlined(IDC_ABOUT_MAKER));
    EXPECT_FALSE(Underlined(IDC_ABOUT_VERSION));
    EXPECT_EQ(TextColourOf(IDC_ABOUT_URL), RGB(0, 0, 255));
    EXPECT_EQ(TextColourOf(IDC_ABOUT_MAKER), RGB(0, 0, 255));
    EXPECT_NE(TextColourOf(IDC_ABOUT_RIGHTS), RGB(0, 0, 255));
}

TEST_F(AboutDialogTest, HandCursorOverTheLinksOnly) {
    HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_LINK));
    ASSERT_NE(hand, nullptr);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    EXPECT_TRUE(SendMessageW(about.Hwnd(), WM_SETCURSOR,
                             reinterpret_cast<WPARAM>(about.Item(IDC_ABOUT_MAKER)), overClient));
    EXPECT_EQ(GetCursor(), hand);
    SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    SendMessageW(about.Hwnd(), WM_SETCURSOR,
                 reinterpret_cast<WPARAM>(about.Item(IDC_ABOUT_VERSION)), overClient);
    EXPECT_NE(GetCursor(), hand);
}

TEST_F(AboutDialogTest, LinkClicksOpenTheirAddressesAndKeepTheBoxOpen) {
    Click(IDC_ABOUT_URL);
    Click(IDC_ABOUT_MAKER);
    Click(IDC_ABOUT_VERSION);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], L"https://vesmira.example.jp/");
    EXPECT_EQ(opened[1], kMakerPage);
    EXPECT_TRUE(IsWindow(about.Hwnd()));
}

// OK closes the box; three openings leave no font, brush or other GDI object behind.
TEST(AboutDialogLifetimeTest, OpeningThreeTimesLeavesNoGdiObjects) {
    std::vector<HFONT> fonts;
    const DWORD before = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    for (int round = 0; round < 3; ++round) {
        CAboutDlg about([](const std::wstring&) {});
        ASSERT_NE(about.CreateModeless(nullptr), nullptr);
        for (int link : {IDC_ABOUT_URL, IDC_ABOUT_MAKER}) {
            fonts.push_back(
                reinterpret_cast<HFONT>(SendMessageW(about.Item(link), WM_GETFONT, 0, 0)));
            ASSERT_EQ(GetObjectType(fonts.back()), static_cast<DWORD>(OBJ_FONT));
        }
        SendMessageW(about.Hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        ASSERT_FALSE(IsWindow(about.Hwnd()));
        EXPECT_EQ(about.Result(), IDOK);
    }
    EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), before);
    // Wine may not count GDI objects per process; the fonts themselves must be gone.
    for (HFONT font : fonts) EXPECT_EQ(GetObjectType(font), 0u);
}

}  // namespace
}  // namespace vesm
