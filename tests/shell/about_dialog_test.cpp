// The About box: its texts and version, the two links (underlined, blue, hand
// cursor, what a click opens), OK closing it and its fonts released.
#include "app/about_dialog.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "shell/support/dialog_driver.h"

namespace vesm {
namespace {

TEST(AboutDialogTest, ShowsTheVersionOpensItsLinksAndLeavesNoFontBehind) {
    std::vector<std::wstring> opened;
    CAboutDlg about([&](const std::wstring& address) { opened.push_back(address); });
    const DialogDriver box(about.CreateModeless(nullptr));
    EXPECT_EQ(box.Title(), "バージョン情報");
    EXPECT_EQ(box.Text(IDC_ABOUT_VERSION), "vesmira Version 1.8.6");
    EXPECT_NE(box.Text(IDC_ABOUT_RIGHTS).find("Copyright"), std::string::npos);
    const auto font = [&](int id) {
        return reinterpret_cast<HFONT>(SendMessageW(box.Item(id), WM_GETFONT, 0, 0));
    };
    const auto looks = [&](int id) {
        LOGFONTW logFont{};
        GetObjectW(font(id), sizeof logFont, &logFont);
        HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(box.Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(box.Item(id)));
        const bool link = logFont.lfUnderline && GetTextColor(dc) == RGB(0, 0, 255);
        DeleteDC(dc);
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        SendMessageW(box.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(box.Item(id)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        const HCURSOR hand =
            LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_LINK));
        return std::make_pair(link, GetCursor() == hand);
    };
    for (int id : {IDC_ABOUT_URL, IDC_ABOUT_MAKER, IDC_ABOUT_VERSION, IDC_ABOUT_RIGHTS}) {
        const bool isLink = id == IDC_ABOUT_URL || id == IDC_ABOUT_MAKER;
        EXPECT_EQ(looks(id), std::make_pair(isLink, isLink)) << id;
        EXPECT_TRUE(!isLink || (GetWindowLongW(box.Item(id), GWL_STYLE) & SS_NOTIFY)) << id;
        SendMessageW(box.Hwnd(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED),
                     reinterpret_cast<LPARAM>(box.Item(id)));
    }
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://vesmira.example.jp/", kMakerPage}));
    const HFONT linkFont = font(IDC_ABOUT_URL);
    box.Press(IDOK);
    EXPECT_FALSE(box.IsOpen());
    EXPECT_EQ(about.Result(), IDOK);
    EXPECT_EQ(GetObjectType(linkFont), 0u) << "the link font is released";
}

}  // namespace
}  // namespace vesm
