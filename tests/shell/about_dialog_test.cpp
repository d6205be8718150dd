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
    const HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_HAND_LINK));
    const HDC dc = CreateCompatibleDC(nullptr);
    for (int id : {IDC_ABOUT_URL, IDC_ABOUT_MAKER, IDC_ABOUT_VERSION, IDC_ABOUT_RIGHTS}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(box.Item(id), WM_GETFONT, 0, 0)),
                   sizeof font, &font);
        SetTextColor(dc, RGB(1, 2, 3));
        SendMessageW(box.Hwnd(), WM_CTLCOLORSTATIC, WPARAM(dc), LPARAM(box.Item(id)));
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
        SendMessageW(box.Hwnd(), WM_SETCURSOR, WPARAM(box.Item(id)),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        const bool link = id == IDC_ABOUT_URL || id == IDC_ABOUT_MAKER;
        EXPECT_EQ(font.lfUnderline && GetTextColor(dc) == RGB(0, 0, 255), link) << id;
        EXPECT_EQ(GetCursor() == hand, link) << id;
        EXPECT_TRUE(!link || (GetWindowLongW(box.Item(id), GWL_STYLE) & SS_NOTIFY)) << id;
        SendMessageW(box.Hwnd(), WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), LPARAM(box.Item(id)));
    }
    DeleteDC(dc);
    EXPECT_EQ(opened, (std::vector<std::wstring>{L"https://vesmira.example.jp/", kMakerPage}));
    const auto linkFont = SendMessageW(box.Item(IDC_ABOUT_URL), WM_GETFONT, 0, 0);
    box.Press(IDOK);
    EXPECT_EQ(about.Result(), IDOK);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HFONT>(linkFont)), 0u) << "the link font is released";
}

}  // namespace
}  // namespace vesm
